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

    // ---- reminder companion ----
    // The mutex of the reminder companion: one runs at a time.
    static constexpr const char* kReminderMutexName =
        "CoinvaleReminder-{6D0B8E52-94C1-4F3A-B7E5-2A1C9D4F8E63}";
    enum Probe { kProbeFree = 0, kProbeHeld = 1, kProbeUnknown = 2 };
    // Whether some program (this one included) holds the mutex `name`, found without taking it:
    // taking it even for a moment could make a program that starts just then believe another
    // instance runs. Read from the kernel's table of file locks; kProbeUnknown without a runtime
    // folder or that table.
    static Probe ProbeHeld(const std::string& name);

  private:
    std::string m_name;
    int m_fd = -1;
};

}  // namespace sys
