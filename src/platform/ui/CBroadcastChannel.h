#pragma once

#include <string>
#include <thread>

#include "platform/sys/BroadcastSocket.h"
#include "platform/sys/CWakePipe.h"
#include "platform/ui/WinTypes.h"

// Connects HWND_BROADCAST with the other programs of the user. While a channel exists, a
// registered message posted or sent to HWND_BROADCAST also goes to the other programs, by its
// name; with receiving on, a message that arrives from another program is posted to this
// program's top-level windows under the id the name has here (names it has not registered are
// dropped). A program that only announces itself (a second instance) opens a channel that does
// not receive.
namespace ui {

class CBroadcastChannel {
public:
    explicit CBroadcastChannel(bool receive = true);
    ~CBroadcastChannel();
    CBroadcastChannel(const CBroadcastChannel&) = delete;
    CBroadcastChannel& operator=(const CBroadcastChannel&) = delete;

    // Whether this program receives broadcasts (its socket could be opened).
    bool IsReceiving() const { return m_socket.Fd() >= 0; }

    // The datagram of a broadcast, and back. Decoding fails (false) on a malformed datagram.
    static std::string Encode(const std::wstring& name, WPARAM wParam, LPARAM lParam);
    static bool Decode(const std::string& payload, std::wstring& name, WPARAM& wParam,
                       LPARAM& lParam);

private:
    void Run();

    sys::BroadcastSocket m_socket;
    sys::CWakePipe m_stop;  // tells the receiving thread to end
    std::thread m_thread;
};

}  // namespace ui
