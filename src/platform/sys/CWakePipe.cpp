#include "platform/sys/CWakePipe.h"

#include <fcntl.h>
#include <unistd.h>

namespace sys {

CWakePipe::CWakePipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    m_read = fds[0];
    m_write = fds[1];
}

CWakePipe::~CWakePipe() {
    if (m_read >= 0) close(m_read);
    if (m_write >= 0) close(m_write);
}

void CWakePipe::Wake() const {
    if (m_write < 0) return;
    const char byte = 1;
    // A full pipe already holds a wake.
    [[maybe_unused]] const ssize_t written = write(m_write, &byte, 1);
}

bool CWakePipe::Drain() const {
    if (m_read < 0) return false;
    bool woken = false;
    char buffer[64];
    while (read(m_read, buffer, sizeof buffer) > 0) woken = true;
    return woken;
}

}  // namespace sys
