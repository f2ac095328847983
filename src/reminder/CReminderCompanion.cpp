#include "reminder/CReminderCompanion.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/sys/CodePage.h"
#include "platform/sys/EventWait.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/ProgramPaths.h"
#include "platform/sys/StartProgram.h"
#include "platform/ui/CBroadcastChannel.h"
#include "preferences/CCVTodayPlugIn.h"
#include "reminder/CDueReminders.h"
#include "reminder/CReminderText.h"
#include "reminder/TerminalCommand.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace reminder {
namespace {

constexpr const char* kProgramName = "coinvale";
constexpr const char* kReminderOption = "--reminder";

}  // namespace

CReminderCompanion::CReminderCompanion(std::unique_ptr<MNotifier> desktop, std::FILE* out,
                                       std::FILE* errors)
    : m_desktop(std::move(desktop)), m_plain(out), m_errors(errors) {}

template <typename... Args>
void CReminderCompanion::Say(res::StringId id, Args... args) {
    const std::string format = sys::WideToUtf8(res::LoadString(id));
    std::fprintf(m_errors, format.c_str(), args...);
    std::fputc('\n', m_errors);
    std::fflush(m_errors);
}

void CReminderCompanion::RequestStop() {
    m_stop = true;
    m_wake.Wake();
}

int CReminderCompanion::Run() {
    // Without a runtime folder there are no broadcasts; the values and the mutex still tell.
    m_broadcasts.Open();
    Look();
    while (!m_stop) {
        std::vector<sys::WaitItem> waits{{m_wake.ReadFd()}, {m_broadcasts.Fd()}};
        if (m_desktop) m_desktop->AddWaits(waits);
        int timeout = m_state.NextLookMs(m_last);
        if (m_desktop) {
            const int limit = m_desktop->WaitLimitMs();
            if (limit >= 0 && limit < timeout) timeout = limit;
        }
        sys::WaitForEvents(waits, timeout);
        m_wake.Drain();
        if (m_stop) break;
        ReceiveBroadcasts();
        if (m_desktop) m_desktop->Process([this](MNotifier::Response r) { Respond(r); });
        Look();
    }
    if (m_state.IsShowing() && m_desktop) m_desktop->Withdraw();
    m_broadcasts.Close();
    return 0;
}

void CReminderCompanion::ReceiveBroadcasts() {
    std::string payload;
    while (m_broadcasts.Receive(payload)) {
        std::wstring name;
        ui::WPARAM wParam = 0;
        ui::LPARAM lParam = 0;
        if (!ui::CBroadcastChannel::Decode(payload, name, wParam, lParam)) continue;
        if (name == CCVTodayPlugIn::kStopNotificationMessage) {
            m_state.StopReceived();
            Look();  // withdraws at once, before any later broadcast is read
        } else if (name == CCVTodayPlugIn::kStartNotificationMessage) {
            m_state.StartReceived();
        }
    }
}

void CReminderCompanion::Look() {
    m_last.values = CCVTodayPlugIn::ReadValues();
    m_last.program = sys::NamedMutex::ProbeHeld(sys::kInstanceMutexName);
    m_last.now = Now();
    switch (m_state.Decide(m_last)) {
        case CCompanionState::Step::kShow:
            Show(m_last.now);
            break;
        case CCompanionState::Step::kWithdraw:
            if (m_desktop) m_desktop->Withdraw();
            break;
        case CCompanionState::Step::kNothing:
            break;
    }
}

void CReminderCompanion::Show(DateTime now) {
    const CReminderText text = CReminderText::For(CDueReminders::Read(std::string(), now));
    if (text.IsEmpty()) {
        // The values say due but the data lists nothing: nothing to show for this due moment.
        m_state.Dismissed();
        return;
    }
    if (m_desktop && m_desktop->Show(text)) return;
    m_plain.Show(text);
}

void CReminderCompanion::Respond(MNotifier::Response response) {
    switch (response) {
        case MNotifier::Response::kOpen:
            // Coinvale's start withdraws the reminder (its stop broadcast).
            OpenCoinvale();
            break;
        case MNotifier::Response::kSnooze:
            // The reminder screen's own snooze; the next look sees the later due moment.
            CCVTodayPlugIn::Snooze();
            break;
        case MNotifier::Response::kDismissed:
            m_state.Dismissed();
            break;
    }
}

bool CReminderCompanion::OpenCoinvale() {
    std::string program = sys::FolderOf(sys::OwnExecutablePath()) + kProgramName;
    if (!sys::IsExecutableFile(program)) program = sys::FindProgram(kProgramName);
    if (program.empty()) {
        Say(res::IDS_COMPANION_NO_PROGRAM);
        return false;
    }
    const char* terminal = std::getenv("TERMINAL");
    const std::vector<std::string> words = TerminalCommand(
        terminal != nullptr ? terminal : "", sys::FindProgram, {program, kReminderOption});
    if (words.empty()) {
        Say(res::IDS_COMPANION_NO_TERMINAL);
        return false;
    }
    const int rc = sys::StartProgram(words.front(), {words.begin() + 1, words.end()});
    if (rc != 0) {
        Say(res::IDS_COMPANION_NOT_STARTED, words.front().c_str(), std::strerror(rc));
        return false;
    }
    return true;
}

}  // namespace reminder
