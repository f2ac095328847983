#include "shell/CSyncHandshake.h"

#include <memory>

#include "model/CVModel.h"
#include "platform/sys/NamedEvent.h"
#include "platform/sys/SyncNames.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "shell/CCVUIUtility.h"
#include "shell/CSyncNotice.h"
#include "shell/RegisteredMessages.h"

namespace shell {
namespace {

struct HandshakeState {
    // Open from a start until the end, as the synchroniser expects.
    std::unique_ptr<sys::NamedEvent> event;
    // The last start refused to let the synchroniser in: its end reloads nothing.
    bool startRefused = false;
};

HandshakeState& State() {
    static HandshakeState state;
    return state;
}

}  // namespace

bool CSyncHandshake::IsSyncMessage(ui::UINT message) {
    return message >= ui::kFirstRegisteredMessage &&
           (message == RegisteredMessage(kSyncStartMessage) ||
            message == RegisteredMessage(kSyncEndMessage));
}

bool CSyncHandshake::Serve(const ui::MSG& msg, ui::HWND currentWindow) {
    if (!IsSyncMessage(msg.message) || msg.hwnd == nullptr || msg.hwnd != currentWindow) {
        return false;
    }
    if (msg.message != RegisteredMessage(kSyncStartMessage)) {
        SyncEnd();
        ui::PostMessage(currentWindow, ui::WM_NULL, 0, 0);  // the main loop looks for the reload
        return true;
    }
    switch (SyncStart()) {
        case kSignalled:
            // Held still until the end. However the notice ends (the end, a synchroniser that
            // died, the time-out, the program's end), what is in memory is no newer than the
            // files, and the files may be new: nothing is saved over them, and the main loop
            // reads them again when they changed.
            s_lastEnding = CSyncNotice::Run(currentWindow);
            SyncEnd();
            ui::PostMessage(currentWindow, ui::WM_NULL, 0, 0);
            break;
        case kSaveFailed: {
            CVModel& model = *CVModel::GetModel();
            CCVUIUtility::Instance().MessageBox(
                currentWindow, res::IDS_NONE, ui::MB_OK | ui::MB_ICONWARNING, res::IDS_APP_NAME,
                CCVUIUtility::FormatString(
                    res::IDS_SYNC_SAVE_REFUSED,
                    sys::WideToUtf8(CCVUIUtility::SaveFailureMessage(model)).c_str()));
            break;
        }
        case kNoEvent:
            break;
    }
    return true;
}

CSyncHandshake::StartOutcome CSyncHandshake::SyncStart() {
    HandshakeState& state = State();
    state.startRefused = false;
    state.event = std::make_unique<sys::NamedEvent>(sys::kSyncEventName);
    if (state.event->Create() != sys::NamedEvent::kOk) {
        state.event.reset();
        return kNoEvent;
    }
    CVModel& model = *CVModel::GetModel();
    if (model.IsInitialised() && model.SaveIfAllowed() != 0) {
        state.startRefused = true;
        return kSaveFailed;
    }
    state.event->Set();
    return kSignalled;
}

void CSyncHandshake::SyncEnd() {
    HandshakeState& state = State();
    CVModel& model = *CVModel::GetModel();
    if (model.IsInitialised() && !state.startRefused) model.SetReloadPending(true);
    state.startRefused = false;
    state.event.reset();
}

bool CSyncHandshake::IsEventOpen() {
    return State().event != nullptr;
}

void CSyncHandshake::Reset() {
    State() = HandshakeState{};
}

}  // namespace shell
