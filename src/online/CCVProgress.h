#pragma once

#include <cstdint>

// The progress indicator handed to the institution objects for the length of one online
// operation: the download progress window implements it. It lives on the user-interface thread's
// side; the window's own thread only sets the cancel request that TakeCancel reads.
class CCVProgress {
  public:
    // Something happened: advance the animation. The value is not interpreted.
    virtual void Step(std::uint32_t value) = 0;
    // True when the user asked to cancel since the last call; clears the request.
    virtual bool TakeCancel() = 0;

  protected:
    ~CCVProgress() = default;
};

// The answer of the online-banking library's OnProgress: go on when there is no indicator;
// otherwise step it and go on unless the user asked to cancel.
inline bool ContinueAfterStep(CCVProgress* progress, std::uint32_t value) {
    if (progress == nullptr) return true;
    progress->Step(value);
    return !progress->TakeCancel();
}
