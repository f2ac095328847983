#include "platform/sys/EventWait.h"

#include <poll.h>

#include <cerrno>

namespace sys {

static_assert(WaitItem::kReadable == POLLIN && WaitItem::kWritable == POLLOUT);

int WaitForEvents(std::vector<WaitItem>& items, int timeoutMs) {
    std::vector<pollfd> polled;
    polled.reserve(items.size());
    for (WaitItem& item : items) {
        item.ready = false;
        polled.push_back(pollfd{item.fd, item.wanted, 0});
    }
    const int rc = poll(polled.data(), polled.size(), timeoutMs);
    if (rc < 0) return errno == EINTR ? 0 : -1;
    int ready = 0;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].fd >= 0 && polled[i].revents != 0) {
            items[i].ready = true;
            ++ready;
        }
    }
    return ready;
}

}  // namespace sys
