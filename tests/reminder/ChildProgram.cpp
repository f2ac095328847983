#include "ChildProgram.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <thread>

#include "platform/sys/ProgramPaths.h"

extern char** environ;

namespace reminder_test {
namespace {

std::vector<std::string> Environment(const std::vector<std::string>& changes) {
    std::vector<std::string> result;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        const std::string name = text.substr(0, text.find('='));
        bool changed = false;
        for (const std::string& change : changes) {
            if (change.substr(0, change.find('=')) == name) changed = true;
        }
        if (!changed) result.push_back(text);
    }
    for (const std::string& change : changes) {
        if (change.back() != '=') result.push_back(change);
    }
    return result;
}

pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::vector<std::string>& environment, const std::string& out,
            const std::string& err) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = Environment(environment);
    std::vector<char*> envp;
    for (std::string& entry : env) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// waitpid with a time-out: the status, or -1 when the time ran out.
int WaitPid(pid_t pid, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        if (done < 0) return -1;
        if (std::chrono::steady_clock::now() >= end) return -2;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

ChildProgram::ChildProgram(const std::string& program, const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment, const std::string& folder) {
    static int count = 0;
    const std::string tag = std::to_string(++count);
    m_out = folder + "out" + tag;
    m_err = folder + "err" + tag;
    m_pid = Spawn(program, arguments, environment, m_out, m_err);
}

ChildProgram::~ChildProgram() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGKILL);
    WaitPid(m_pid, std::chrono::seconds(5));
}

std::string ChildProgram::Out() const {
    return ReadText(m_out);
}

std::string ChildProgram::Err() const {
    return ReadText(m_err);
}

void ChildProgram::Signal(int signal) const {
    if (m_pid > 0) kill(m_pid, signal);
}

int ChildProgram::Wait(std::chrono::milliseconds limit) {
    if (m_pid <= 0) return -1;
    const int status = WaitPid(m_pid, limit);
    if (status == -2) {
        kill(m_pid, SIGKILL);
        WaitPid(m_pid, std::chrono::seconds(5));
        m_pid = -1;
        return -1;
    }
    m_pid = -1;
    return status;
}

bool PrivateBus::Available() {
    return !sys::FindProgram("dbus-daemon").empty();
}

PrivateBus::PrivateBus(const std::string& folder) {
    const std::string daemon = sys::FindProgram("dbus-daemon");
    if (daemon.empty()) return;
    const std::string out = folder + "bus-address";
    m_pid = Spawn(daemon,
                  {"--session", "--nofork", "--nopidfile", "--address=unix:path=" + folder + "bus",
                   "--print-address=1"},
                  {}, out, folder + "bus-errors");
    if (m_pid <= 0) return;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < end) {
        const std::string text = ReadText(out);
        if (const std::size_t newline = text.find('\n'); newline != std::string::npos) {
            m_address = text.substr(0, newline);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

PrivateBus::~PrivateBus() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    if (WaitPid(m_pid, std::chrono::seconds(5)) == -2) {
        kill(m_pid, SIGKILL);
        WaitPid(m_pid, std::chrono::seconds(5));
    }
}

}  // namespace reminder_test
