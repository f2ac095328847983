#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "reminder/MNotifier.h"

struct sd_bus;
struct sd_bus_slot;

namespace reminder {

// A reminder as a desktop notification: the freedesktop notification service
// (org.freedesktop.Notifications) on the session bus, through sd-bus. The reminder keeps its
// notification id, so a new one replaces it and Withdraw closes it (CloseNotification); the
// actions "Open" and "Snooze" and the notification's closing come back as responses. This is
// the only code that talks to a bus, and its library is linked only into the companion.
class CDesktopNotifier : public MNotifier {
  public:
    // Connects to the session bus (DBUS_SESSION_BUS_ADDRESS, else the user's bus); null when
    // there is none. Whether a notification service listens shows only when Show is called.
    static std::unique_ptr<CDesktopNotifier> Connect();
    ~CDesktopNotifier() override;
    CDesktopNotifier(const CDesktopNotifier&) = delete;
    CDesktopNotifier& operator=(const CDesktopNotifier&) = delete;

    bool Show(const CReminderText& text) override;
    void Withdraw() override;
    void AddWaits(std::vector<sys::WaitItem>& waits) override;
    int WaitLimitMs() override;
    void Process(const ResponseHandler& handler) override;

    // The service's signals, as the bus hands them over.
    void ActionInvoked(std::uint32_t id, const char* action);
    void NotificationClosed(std::uint32_t id, std::uint32_t reason);

  private:
    explicit CDesktopNotifier(sd_bus* bus) : m_bus(bus) {}
    bool ReadsMarkup();

    sd_bus* m_bus;
    sd_bus_slot* m_actionSlot = nullptr;
    sd_bus_slot* m_closedSlot = nullptr;
    std::uint32_t m_id = 0;  // the notification shown; 0 when none
    int m_markup = -1;       // whether the service reads the body as markup; -1 not asked yet
    std::vector<Response> m_responses;
};

}  // namespace reminder
