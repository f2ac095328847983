#include "platform/ui/CBroadcastChannel.h"

#include <poll.h>

#include <cerrno>
#include <cstdlib>

#include "platform/sys/CodePage.h"
#include "platform/ui/CControl.h"
#include "platform/ui/CWindowManager.h"

namespace ui {
namespace {

// Datagram: "<wParam> <lParam> <name in UTF-8>".
constexpr char kSeparator = ' ';

}  // namespace

CBroadcastChannel::CBroadcastChannel(bool receive) {
    if (receive && m_socket.Open() == 0 && m_stop.IsOpen()) {
        m_thread = std::thread([this] { Run(); });
    } else if (receive) {
        m_socket.Close();
    }
    const std::string own = m_socket.Path();
    CWindowManager::Instance().SetRemoteBroadcast(
        [own](const std::wstring& name, WPARAM wParam, LPARAM lParam) {
            sys::BroadcastSocket::SendToAll(Encode(name, wParam, lParam), own);
        });
}

CBroadcastChannel::~CBroadcastChannel() {
    CWindowManager::Instance().SetRemoteBroadcast({});
    if (m_thread.joinable()) {
        m_stop.Wake();
        m_thread.join();
    }
}

void CBroadcastChannel::Run() {
    pollfd fds[2] = {{m_socket.Fd(), POLLIN, 0}, {m_stop.ReadFd(), POLLIN, 0}};
    while (true) {
        if (poll(fds, 2, -1) < 0) continue;  // interrupted by a signal
        if (fds[1].revents != 0 || (fds[0].revents & (POLLERR | POLLNVAL)) != 0) return;
        std::string payload;
        while (m_socket.Receive(payload)) {
            std::wstring name;
            WPARAM wParam = 0;
            LPARAM lParam = 0;
            if (Decode(payload, name, wParam, lParam)) {
                CWindowManager::Instance().ReceiveRemoteBroadcast(name, wParam, lParam);
            }
        }
    }
}

std::string CBroadcastChannel::Encode(const std::wstring& name, WPARAM wParam, LPARAM lParam) {
    return std::to_string(wParam) + kSeparator + std::to_string(lParam) + kSeparator +
           sys::WideToUtf8(name);
}

bool CBroadcastChannel::Decode(const std::string& payload, std::wstring& name, WPARAM& wParam,
                               LPARAM& lParam) {
    const char* text = payload.c_str();
    char* end = nullptr;
    errno = 0;
    const unsigned long long first = std::strtoull(text, &end, 10);
    if (end == text || *end != kSeparator || errno != 0) return false;
    text = end + 1;
    const long long second = std::strtoll(text, &end, 10);
    if (end == text || *end != kSeparator || errno != 0) return false;
    name = sys::Utf8ToWide(end + 1);
    if (name.empty()) return false;
    wParam = static_cast<WPARAM>(first);
    lParam = static_cast<LPARAM>(second);
    return true;
}

}  // namespace ui
