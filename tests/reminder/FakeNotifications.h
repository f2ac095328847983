#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct sd_bus;
struct sd_bus_slot;

namespace reminder_test {

// A small notification service for tests: it owns org.freedesktop.Notifications on the bus at
// `address`, records every Notify and CloseNotification, answers as a real service does, and
// sends the signals a person's click would make. It serves the bus on a thread of its own.
class FakeNotifications {
  public:
    struct Notice {
        std::uint32_t id = 0;
        std::string app;
        std::uint32_t replaces = 0;
        std::string summary;
        std::string body;
        std::vector<std::string> actions;
        std::int32_t expire = -1;
    };

    // `markup`: the service says it reads bodies as markup.
    FakeNotifications(const std::string& address, bool markup);
    ~FakeNotifications();
    FakeNotifications(const FakeNotifications&) = delete;
    FakeNotifications& operator=(const FakeNotifications&) = delete;

    bool IsServing() const { return m_thread.joinable(); }
    std::vector<Notice> Notices();
    std::vector<std::uint32_t> Closed();
    // Sends ActionInvoked for the notification, then NotificationClosed (dismissed), as a
    // service does after a click on an action.
    void Invoke(std::uint32_t id, const std::string& action);

    // Waits until `condition` holds (true) or the time is up (false).
    static bool WaitFor(const std::function<bool()>& condition,
                        std::chrono::milliseconds limit = std::chrono::seconds(10));

    // The bus's calls, recorded.
    std::uint32_t Notify(Notice notice);
    void Close(std::uint32_t id);
    bool Markup() const { return m_markup; }

  private:
    void Serve();

    sd_bus* m_bus = nullptr;
    sd_bus_slot* m_slot = nullptr;
    bool m_markup;
    std::mutex m_mutex;
    std::vector<Notice> m_notices;
    std::vector<std::uint32_t> m_closed;
    std::vector<std::pair<std::uint32_t, std::string>> m_toInvoke;
    std::uint32_t m_nextId = 1;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

}  // namespace reminder_test
