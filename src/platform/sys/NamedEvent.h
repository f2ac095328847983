#pragma once

#include <chrono>
#include <string>

// An auto-reset event shared by the programs of one user, known by its name: one program waits
// on it (with a time-out) until another sets it, and each Set releases exactly one wait.
//
// It lives in the runtime folder as two files: "<name>.event", on which every open handle holds
// a shared flock (so the kernel knows who has it open, even after a crash), and "<name>.set",
// present while the event is signalled. A wait takes the signal by removing "<name>.set":
// unlink succeeds for one caller only, which is the auto-reset. The handle that closes last
// removes both files; a handle that creates the event when no other holds it starts unsignalled.
namespace sys {

class NamedEvent {
  public:
    enum Result {
        kOk = 0,
        kUnavailable = 1,  // no runtime folder, or the event's file cannot be opened
        kNotFound = 2,     // Open: no program has the event open
    };
    enum WaitResult { kSignalled, kTimedOut, kWaitFailed };

    explicit NamedEvent(std::string name) : m_name(std::move(name)) {}
    ~NamedEvent() { Close(); }
    NamedEvent(const NamedEvent&) = delete;
    NamedEvent& operator=(const NamedEvent&) = delete;

    // Opens the event, creating it when no program has it open (then unsignalled); an event
    // another program has open keeps its state. Reopening an open handle closes it first.
    Result Create();
    // Opens the event only when another program has it open.
    Result Open();
    // Closes the handle; the last one removes the event.
    void Close();
    bool IsOpen() const { return m_fd >= 0; }

    // Signals the event (a second Set before a wait changes nothing). 0, or 1 when not open or
    // the signal cannot be written.
    int Set();
    // Takes a signal back without waiting. 0, or 1 when not open.
    int Reset();
    // Waits up to `timeout` for the event to be signalled and takes the signal.
    WaitResult Wait(std::chrono::milliseconds timeout);

    // The event's file; empty when there is no runtime folder.
    static std::string EventPath(const std::string& name);

  private:
    Result OpenFile(bool create);
    std::string SignalPath() const;

    std::string m_name;
    std::string m_path;
    int m_fd = -1;
};

}  // namespace sys
