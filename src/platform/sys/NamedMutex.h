#pragma once

#include <string>

// A mutex shared by the programs of one user, known by its name: a lock file in the runtime
// folder (name + ".lock") held with flock. The kernel releases it when the holder ends, however
// it ends, so a crashed program never leaves it taken. The file itself stays.
namespace sys {

// The mutex the interactive program holds for its whole run; a program that changes the data
// beside it takes it too.
inline constexpr const char* kInstanceMutexName = "Coinvale-{3F6B5C10-A270-4277-ADD1-C68C3423ABFE}";

class NamedMutex {
  public:
    enum Result {
        kAcquired = 0,
        kHeldElsewhere = 1,  // another program (or another holder in this one) has it
        kUnavailable = 2,    // no runtime folder, or the lock file cannot be opened
    };

    explicit NamedMutex(std::string name) : m_name(std::move(name)) {}
    ~NamedMutex() { Release(); }
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

    // Takes the mutex without waiting. Taking it again while held answers kAcquired.
    Result TryAcquire();
    void Release();
    bool IsHeld() const { return m_fd >= 0; }

    // The lock file of a name; empty when there is no runtime folder.
    static std::string LockPath(const std::string& name);

  private:
    std::string m_name;
    int m_fd = -1;
};

}  // namespace sys
