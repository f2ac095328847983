#include "platform/sys/BroadcastSocket.h"

#include <dirent.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "platform/sys/KnownFolders.h"

namespace sys {
namespace {

constexpr char kPrefix[] = "broadcast-";
constexpr char kSuffix[] = ".sock";

bool MakeAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof(address));
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path)) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

bool IsBroadcastName(const std::string& name) {
    const std::size_t prefix = sizeof(kPrefix) - 1;
    const std::size_t suffix = sizeof(kSuffix) - 1;
    return name.size() > prefix + suffix && name.compare(0, prefix, kPrefix) == 0 &&
           name.compare(name.size() - suffix, suffix, kSuffix) == 0;
}

}  // namespace

BroadcastSocket::~BroadcastSocket() { Close(); }

int BroadcastSocket::Open() {
    Close();
    const std::string folder = RuntimeFolder();
    if (folder.empty()) return 1;
    const std::string path = folder + kPrefix + std::to_string(getpid()) + kSuffix;
    sockaddr_un address;
    if (!MakeAddress(path, address)) return 1;
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return 1;
    unlink(path.c_str());  // left by an ended program with this process id
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) {
        close(fd);
        return 1;
    }
    m_fd = fd;
    m_path = path;
    return 0;
}

void BroadcastSocket::Close() {
    if (m_fd < 0) return;
    close(m_fd);
    unlink(m_path.c_str());
    m_fd = -1;
    m_path.clear();
}

bool BroadcastSocket::Receive(std::string& payload) {
    if (m_fd < 0) return false;
    char buffer[kMaxPayload];
    const ssize_t size = recv(m_fd, buffer, sizeof(buffer), MSG_DONTWAIT);
    if (size < 0) return false;
    payload.assign(buffer, static_cast<std::size_t>(size));
    return true;
}

int BroadcastSocket::SendToAll(const std::string& payload, const std::string& exceptPath) {
    if (payload.size() > kMaxPayload) return 0;
    const std::string folder = RuntimeFolder();
    if (folder.empty()) return 0;
    std::vector<std::string> targets;
    if (DIR* dir = opendir(folder.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            const std::string name = entry->d_name;
            if (IsBroadcastName(name) && folder + name != exceptPath) targets.push_back(folder + name);
        }
        closedir(dir);
    }
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return 0;
    int reached = 0;
    for (const std::string& target : targets) {
        sockaddr_un address;
        if (!MakeAddress(target, address)) continue;
        const ssize_t sent = sendto(fd, payload.data(), payload.size(), MSG_DONTWAIT,
                                    reinterpret_cast<const sockaddr*>(&address), sizeof(address));
        if (sent == static_cast<ssize_t>(payload.size())) {
            ++reached;
        } else if (errno == ECONNREFUSED || errno == ENOENT) {
            unlink(target.c_str());  // nobody listens there any more
        }
    }
    close(fd);
    return reached;
}

}  // namespace sys
