#pragma once

#include <vector>

// Waiting on several descriptors at once with a time-out: the loop of a program without windows
// (the reminder companion) waits here for its sockets, its pipes and the next moment it has to act.
namespace sys {

struct WaitItem {
    enum Events : short {
        kReadable = 0x1,
        kWritable = 0x4,
    };
    int fd = -1;  // a negative descriptor is left out
    short wanted = kReadable;
    bool ready = false;  // set by WaitForEvents: readable or writable as wanted, or hung up
};

// Waits until one of the items is ready or `timeoutMs` has passed (a negative time-out waits
// without end). Answers how many items are ready: 0 after the time-out or when a signal
// interrupted the wait, -1 on another failure.
int WaitForEvents(std::vector<WaitItem>& items, int timeoutMs);

}  // namespace sys
