#include "platform/sys/StartProgram.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <system_error>
#include <thread>

extern char** environ;

namespace sys {
namespace {

constexpr int kFirstInheritedToClose = STDERR_FILENO + 1;
constexpr const char* kNullDevice = "/dev/null";

// The attributes and file actions of one start, released however the start ends.
class SpawnSettings {
  public:
    SpawnSettings() {
        m_ready = posix_spawnattr_init(&m_attributes) == 0;
        if (posix_spawn_file_actions_init(&m_actions) != 0) {
            posix_spawnattr_destroy(&m_attributes);
            m_ready = false;
        }
    }
    ~SpawnSettings() {
        if (!m_ready) return;
        posix_spawn_file_actions_destroy(&m_actions);
        posix_spawnattr_destroy(&m_attributes);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    // 0, or the error of the first setting that failed.
    int Prepare() {
        if (!m_ready) return ENOMEM;
        // A signal blocked or ignored here (the signal watcher blocks the ending signals, a
        // library may ignore SIGPIPE) would stay so across exec: the child starts clean. (glibc
        // leaves its own two internal signals ignored, for the child's C library to take over.)
        sigset_t none;
        sigset_t all;
        sigemptyset(&none);
        sigfillset(&all);
        const short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID;
        if (const int rc = posix_spawnattr_setflags(&m_attributes, flags); rc != 0) return rc;
        if (const int rc = posix_spawnattr_setsigmask(&m_attributes, &none); rc != 0) return rc;
        if (const int rc = posix_spawnattr_setsigdefault(&m_attributes, &all); rc != 0) return rc;
        if (const int rc = posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, kNullDevice,
                                                            O_RDONLY, 0);
            rc != 0) {
            return rc;
        }
        return posix_spawn_file_actions_addclosefrom_np(&m_actions, kFirstInheritedToClose);
    }

    const posix_spawnattr_t* Attributes() const { return &m_attributes; }
    const posix_spawn_file_actions_t* Actions() const { return &m_actions; }

  private:
    posix_spawnattr_t m_attributes{};
    posix_spawn_file_actions_t m_actions{};
    bool m_ready = false;
};

// A child that ends stays a zombie until its parent collects its status. A SIGCHLD handler, or
// SIGCHLD set to SIG_IGN, would take the status of every child of the process, also of those
// another part of it waits for (SIG_IGN is process-wide), and a double fork through a shell
// loses the exec error and starts the program with SIGINT and SIGQUIT ignored. So a detached
// thread waits for this one child alone; when this program ends first, the child passes to init,
// which collects it. Without a thread to spare, the child still runs and init collects it once
// this program has ended.
void CollectWhenItEnds(pid_t child) {
    try {
        std::thread([child] {
            while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
    }
}

}  // namespace

int StartProgram(const std::string& path, const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 2);
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);

    SpawnSettings settings;
    if (const int rc = settings.Prepare(); rc != 0) return rc;
    pid_t child = 0;
    // glibc's posix_spawn reports a failed exec (no file, not executable) as its result, after
    // collecting the child that failed.
    if (const int rc = posix_spawn(&child, path.c_str(), settings.Actions(), settings.Attributes(),
                                   argv.data(), environ);
        rc != 0) {
        return rc;
    }
    CollectWhenItEnds(child);
    return 0;
}

}  // namespace sys
