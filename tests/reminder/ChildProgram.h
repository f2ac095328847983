#pragma once

#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace reminder_test {

// A program run by a test: started with the test's environment changed by `environment`
// ("NAME=value" sets, "NAME=" alone removes), its standard output and error kept in files of
// `folder`. Killed at the end if still running, so a test never leaves it behind.
class ChildProgram {
  public:
    ChildProgram(const std::string& program, const std::vector<std::string>& arguments,
                 const std::vector<std::string>& environment, const std::string& folder);
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool Started() const { return m_pid > 0; }
    std::string Out() const;
    std::string Err() const;
    void Signal(int signal) const;
    // The exit status, or -1 when it did not end in time (it is then killed) or ended by a signal.
    int Wait(std::chrono::milliseconds limit = std::chrono::seconds(10));

  private:
    pid_t m_pid = -1;
    std::string m_out;
    std::string m_err;
};

// A session bus of the test's own: dbus-daemon started with a socket in `folder`.
class PrivateBus {
  public:
    explicit PrivateBus(const std::string& folder);
    ~PrivateBus();

    // Whether dbus-daemon is installed at all (tests skip without it).
    static bool Available();
    bool IsRunning() const { return !m_address.empty(); }
    const std::string& Address() const { return m_address; }

  private:
    pid_t m_pid = -1;
    std::string m_address;
};

// The whole text of a file; empty when it cannot be read.
std::string ReadText(const std::string& path);

}  // namespace reminder_test
