#pragma once

#include "platform/ui/WinMessages.h"
#include "shell/CSyncNotice.h"

// The program's side of the desktop synchroniser's hand-shake. Before the synchroniser reads or
// replaces the data files it sends "CV_SYNC_START": everything is saved, the named sync event is
// set (the synchroniser waits on it), and the screens are held still by a notice until the
// synchroniser sends "CV_SYNC_END" or is gone, so that nothing typed meanwhile is thrown away by
// the reload and nothing is written over the files it brings. From then on nothing in memory is
// written back (the model's reload is pending) until the main loop has reloaded the data.
//
// When the save at the start fails, the event is not set (the files would not hold the person's
// changes): the synchroniser gives up, the person is told, and the end that follows does not
// reload, so the changes stay in memory.
//
// Only the copy addressed to the current screen's window is acted on, so that a broadcast is
// handled once; the main loop and the unlock prompt's loop both hand the messages here, so a
// locked program does not hold up a synchronisation.
namespace shell {

class CSyncHandshake {
  public:
    enum StartOutcome {
        kSignalled,   // saved (or nothing to save) and the event is set
        kSaveFailed,  // the save failed: the event is not set
        kNoEvent,     // the event could not be made (no runtime folder)
    };

    // Whether the message is one of the two hand-shake messages.
    static bool IsSyncMessage(ui::UINT message);
    // Acts on a hand-shake message addressed to `currentWindow`: a start saves, sets the event
    // and holds the screens still until the end (or tells why it refused); an end marks the
    // reload. False when the message is not one of them or was meant for another window (it is
    // then dropped).
    static bool Serve(const ui::MSG& msg, ui::HWND currentWindow);

    // The two routines, without the notice.
    static StartOutcome SyncStart();
    static void SyncEnd();

    static bool IsEventOpen();
    // How the last notice ended.
    static CSyncNotice::Ending LastNoticeEnding() { return s_lastEnding; }
    // Forgets the hand-shake's state and closes the event (at the end of the program, and
    // between tests).
    static void Reset();

  private:
    static inline CSyncNotice::Ending s_lastEnding = CSyncNotice::kProgramEnding;
};

}  // namespace shell
