#pragma once

#include <string>

// Messages between the programs of one user: a Unix datagram socket per receiving program in the
// runtime folder ("broadcast-<pid>.sock"). A broadcast is one datagram sent to every such socket
// but the sender's own; sockets whose program has ended are removed on the way.
namespace sys {

class BroadcastSocket {
public:
    static constexpr std::size_t kMaxPayload = 1024;

    BroadcastSocket() = default;
    ~BroadcastSocket();
    BroadcastSocket(const BroadcastSocket&) = delete;
    BroadcastSocket& operator=(const BroadcastSocket&) = delete;

    // Binds this program's socket. 0 on success, 1 on failure.
    int Open();
    void Close();
    int Fd() const { return m_fd; }
    const std::string& Path() const { return m_path; }

    // Reads one waiting datagram without blocking. False when none is waiting.
    bool Receive(std::string& payload);

    // Sends `payload` (at most kMaxPayload bytes) to every receiving program but the one bound
    // at `exceptPath`. Returns how many received it.
    static int SendToAll(const std::string& payload, const std::string& exceptPath);

private:
    int m_fd = -1;
    std::string m_path;
};

}  // namespace sys
