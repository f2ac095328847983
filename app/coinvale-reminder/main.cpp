// coinvale-reminder: the reminder companion. Without arguments it runs until SIGTERM or SIGINT
// and shows Coinvale's due reminders while Coinvale is not running (a desktop notification, or
// lines on standard output without a session bus); `--once` prints what is due and exits.
#include <cstdio>
#include <string>

#include "Version.h"
#include "platform/sys/CSignalWatcher.h"
#include "platform/sys/Clock.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/NamedMutex.h"
#include "preferences/CCVTodayPlugIn.h"
#include "reminder/CCompanionState.h"
#include "reminder/CDesktopNotifier.h"
#include "reminder/CDueReminders.h"
#include "reminder/CReminderCompanion.h"
#include "reminder/CReminderText.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "storage/DateTime.h"

namespace {

constexpr int kExitDone = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

template <typename... Args>
void PrintMessage(std::FILE* out, res::StringId id, Args... args) {
    const std::string format = sys::WideToUtf8(res::LoadString(id));
    std::fprintf(out, format.c_str(), args...);
    std::fputc('\n', out);
}

// What is due now, for cron: the data's reminders whose time has come (a snooze and a running
// Coinvale do not matter here). Nothing printed when none is due.
int RunOnce() {
    const DateTime now = Now();
    const reminder::CDueReminders due = reminder::CDueReminders::Read(std::string(), now);
    if (due.GetSource() == reminder::CDueReminders::Source::kUnreadable) {
        PrintMessage(stderr, res::IDS_COMPANION_DATA_UNREADABLE, due.Folder().c_str(), due.Error());
        return kExitFailure;
    }
    if (due.GetSource() == reminder::CDueReminders::Source::kLocked) {
        // The data stays unread: the published reminder time says whether something is due.
        const DateTime moment = reminder::CCompanionState::DueMoment(CCVTodayPlugIn::ReadValues());
        if (moment == 0 || now < moment) return kExitDone;
    }
    std::fputs(reminder::CReminderText::For(due).Plain().c_str(), stdout);
    return std::fflush(stdout) == 0 ? kExitDone : kExitFailure;
}

int RunCompanion() {
    sys::NamedMutex companion(sys::NamedMutex::kReminderMutexName);
    if (companion.TryAcquire() == sys::NamedMutex::kHeldElsewhere) {
        PrintMessage(stderr, res::IDS_COMPANION_ALREADY_RUNNING);
        return kExitFailure;
    }
    reminder::CReminderCompanion run(reminder::CDesktopNotifier::Connect(), stdout, stderr);
    sys::CSignalWatcher signals([&run](int) { run.RequestStop(); });
    return run.Run();
}

}  // namespace

int main(int argc, char** argv) {
    if (sys::LoadTestTimeFromEnvironment() != 0) {
        PrintMessage(stderr, res::IDS_COMPANION_BAD_NOW);
        return kExitUsage;
    }
    if (argc == 1) return RunCompanion();
    const std::string option = argv[1];
    if (argc == 2 && option == "--once") return RunOnce();
    if (argc == 2 && option == "--help") {
        std::fputs(sys::WideToUtf8(res::LoadString(res::IDS_COMPANION_HELP)).c_str(), stdout);
        return kExitDone;
    }
    if (argc == 2 && option == "--version") {
        std::printf("coinvale-reminder %s\n", COINVALE_VERSION);
        return kExitDone;
    }
    const bool known = option == "--once" || option == "--help" || option == "--version";
    PrintMessage(stderr, res::IDS_COMPANION_BAD_OPTION, known ? argv[2] : argv[1]);
    return kExitUsage;
}
