#pragma once

#include "online/CCVProgress.h"

// The progress indicator of a download run: the progress window, which a thread of its own runs
// while the user-interface thread waits on the bank. A run starts it once and ends it once,
// before its closing message; in between the bank objects step it and take its cancel request.
class MOnlineProgress : public CCVProgress {
  public:
    // Shows the indicator. It must not leave the caller waiting for ever: when the window cannot
    // be shown, the run goes on without it.
    virtual void Start() = 0;
    // Takes the indicator away; again after the end it does nothing.
    virtual void End() = 0;

  protected:
    ~MOnlineProgress() = default;
};
