#pragma once

#include "platform/ui/WinMessages.h"

// The program's side of the desktop synchroniser's hand-shake. Before the synchroniser reads the
// data files it sends "CV_SYNC_START": everything is saved first. When it has replaced them it
// sends "CV_SYNC_END": from then on nothing in memory is written back (the model's reload is
// pending). Only the copy addressed to the current screen's window is acted on, so that a
// broadcast is handled once; the main loop and the unlock prompt's loop both hand the messages
// here, so a locked program does not hold up a synchronisation.
namespace shell {

class CSyncHandshake {
  public:
    // Whether the message is one of the two hand-shake messages.
    static bool IsSyncMessage(ui::UINT message);
    // Acts on a hand-shake message addressed to `target` when `target` is the current screen's
    // window; false when the message is not one of them or was meant for another window (it is
    // then dropped).
    static bool Serve(const ui::MSG& msg, ui::HWND currentWindow);

    static void SyncStart();
    static void SyncEnd();
};

}  // namespace shell
