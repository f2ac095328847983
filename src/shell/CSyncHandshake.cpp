#include "shell/CSyncHandshake.h"

#include "model/CVModel.h"
#include "shell/RegisteredMessages.h"

namespace shell {

bool CSyncHandshake::IsSyncMessage(ui::UINT message) {
    return message >= ui::kFirstRegisteredMessage &&
           (message == RegisteredMessage(kSyncStartMessage) ||
            message == RegisteredMessage(kSyncEndMessage));
}

bool CSyncHandshake::Serve(const ui::MSG& msg, ui::HWND currentWindow) {
    if (!IsSyncMessage(msg.message) || msg.hwnd == nullptr || msg.hwnd != currentWindow) {
        return false;
    }
    if (msg.message == RegisteredMessage(kSyncStartMessage)) {
        SyncStart();
    } else {
        SyncEnd();
    }
    return true;
}

void CSyncHandshake::SyncStart() {
    CVModel& model = *CVModel::GetModel();
    if (model.IsInitialised()) model.SaveIfAllowed();
}

void CSyncHandshake::SyncEnd() {
    CVModel& model = *CVModel::GetModel();
    if (model.IsInitialised()) model.SetReloadPending(true);
}

}  // namespace shell
