// coinvale: with no arguments, the interactive program in the terminal: the accounts summary of
// the data folder of the preferences (created, with its first accounts, on a fresh start), every
// screen reached from it by keys, and everything saved on the way out. With a command ("coinvale
// accounts", ...) it runs headless: see src/cli.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Version.h"
#include "cli/CCommandLine.h"
#include "model/CVModel.h"
#include "platform/sys/CSignalWatcher.h"
#include "platform/sys/Clock.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/Registry.h"
#include "platform/sys/RegistryFile.h"
#include "platform/term/CTerminalScreen.h"
#include "platform/ui/CBroadcastChannel.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "startup/ModelWiring.h"
#include "views/ViewRegistry.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A string-table text with printf arguments, as UTF-8 for the terminal.
template <typename... Args>
void PrintMessage(std::FILE* out, res::StringId id, Args... args) {
    const std::string format = sys::WideToUtf8(res::LoadString(id));
    std::fprintf(out, format.c_str(), args...);
    std::fputc('\n', out);
}

// `reminder`: the first screen is the reminder (`coinvale --reminder`).
int RunInteractive(bool reminder) {
    // One interactive program at a time; while it runs, a command that changes the data refuses
    // to. Without a runtime folder the program runs unguarded.
    sys::NamedMutex instance(sys::kInstanceMutexName);
    if (instance.TryAcquire() == sys::NamedMutex::kHeldElsewhere) {
        return shell::CCVProgram::RefuseSecondInstance(stderr);
    }
    if (isatty(STDIN_FILENO) == 0 || isatty(STDOUT_FILENO) == 0) {
        PrintMessage(stderr, res::IDS_NEEDS_TERMINAL);
        return kExitUsage;
    }

    CVModel& model = *CVModel::GetModel();
    startup::WireModel(model);
    if (model.PreparePreferences() != 0) {
        PrintMessage(stderr, res::IDS_SETTINGS_NOT_WRITTEN, sys::RegistryFilePath().c_str());
        return kExitFailure;
    }
    // With a lock password set, the first screen is the password prompt, and the data is read
    // only after the right password.
    // A settings file that had lost values was kept aside: said now and again at the end, as the
    // screens cover the terminal meanwhile.
    const std::string settingsCopy = sys::RegistryFile::TakeDamagedCopyNotice();
    const auto tellSettingsCopy = [&settingsCopy] {
        if (!settingsCopy.empty()) {
            PrintMessage(stderr, res::IDS_SETTINGS_DAMAGED, sys::RegistryFilePath().c_str(),
                         settingsCopy.c_str());
        }
    };
    tellSettingsCopy();

    // From here on SIGTERM, SIGHUP and SIGINT end the program as "Exit" does: everything is
    // saved. The watcher comes before any other thread, so that every thread keeps them blocked.
    const ui::DWORD mainThread = ui::GetCurrentThreadId();
    sys::CSignalWatcher signals([mainThread](int) { shell::CCVProgram::RequestEnd(mainThread); });

    views::RegisterViews(shell::CCVApplication::Instance().Catalog());
    shell::CCVProgram program;
    if (reminder) program.StartWithReminder();
    int status = 0;
    {
        term::CTerminalScreen terminal;
        if (!terminal.IsOpen()) {
            PrintMessage(stderr, res::IDS_NEEDS_TERMINAL);
            return kExitUsage;
        }
        ui::CBroadcastChannel broadcasts;
        status = program.Run();
    }
    if (!program.Problems().empty()) {
        std::fprintf(stderr, "%s", sys::WideToUtf8(program.Problems()).c_str());
    }
    tellSettingsCopy();
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (sys::LoadTestTimeFromEnvironment() != 0) {
        std::fprintf(stderr,
                     "coinvale: COINVALE_NOW must be a date and time such as 2026-12-06 or "
                     "2026-12-06T09:30:00.\n");
        return kExitUsage;
    }
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("coinvale %s\n", COINVALE_VERSION);
        return 0;
    }
    // The reminder screen, as the companion opens it when a reminder is due.
    if (argc == 2 && std::string(argv[1]) == "--reminder") return RunInteractive(true);
    if (argc > 1) {
        const std::vector<std::string> words(argv + 1, argv + argc);
        return cli::CCommandLine().Run(words, *CVModel::GetModel(), stdout, stderr);
    }
    return RunInteractive(false);
}
