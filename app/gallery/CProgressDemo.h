#pragma once

// The download's progress window: a second thread owns a window with an animation and a "Cancel"
// soft key and runs its own loop, while the first thread is busy (here it sleeps in short steps,
// as it would wait on the bank) with the wait indicator shown.
class CProgressDemo {
public:
    // Runs the demonstration; true when it finished, false when cancelled.
    static bool Run();
};
