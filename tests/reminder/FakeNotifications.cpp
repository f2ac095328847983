#include "FakeNotifications.h"

#include <systemd/sd-bus.h>

#include <cstdlib>

namespace reminder_test {
namespace {

constexpr const char* kName = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
constexpr std::uint32_t kDismissed = 2;
constexpr std::uint32_t kClosedByCall = 3;
constexpr std::uint64_t kServeWaitUsec = 20'000;

FakeNotifications* Self(void* data) {
    return static_cast<FakeNotifications*>(data);
}

int OnNotify(sd_bus_message* call, void* data, sd_bus_error*) {
    FakeNotifications::Notice notice;
    const char* app = nullptr;
    const char* icon = nullptr;
    const char* summary = nullptr;
    const char* body = nullptr;
    int rc = sd_bus_message_read(call, "susss", &app, &notice.replaces, &icon, &summary, &body);
    if (rc < 0) return rc;
    notice.app = app;
    notice.summary = summary;
    notice.body = body;
    char** actions = nullptr;
    if ((rc = sd_bus_message_read_strv(call, &actions)) < 0) return rc;
    for (char** action = actions; action != nullptr && *action != nullptr; ++action) {
        notice.actions.emplace_back(*action);
        std::free(*action);
    }
    std::free(actions);
    if ((rc = sd_bus_message_skip(call, "a{sv}")) < 0) return rc;
    if ((rc = sd_bus_message_read(call, "i", &notice.expire)) < 0) return rc;
    return sd_bus_reply_method_return(call, "u", Self(data)->Notify(notice));
}

int OnClose(sd_bus_message* call, void* data, sd_bus_error*) {
    std::uint32_t id = 0;
    if (const int rc = sd_bus_message_read(call, "u", &id); rc < 0) return rc;
    Self(data)->Close(id);
    sd_bus_emit_signal(sd_bus_message_get_bus(call), kPath, kInterface, "NotificationClosed", "uu",
                       id, kClosedByCall);
    return sd_bus_reply_method_return(call, "");
}

int OnCapabilities(sd_bus_message* call, void* data, sd_bus_error*) {
    if (Self(data)->Markup()) {
        return sd_bus_reply_method_return(call, "as", 3, "body", "actions", "body-markup");
    }
    return sd_bus_reply_method_return(call, "as", 2, "body", "actions");
}

int OnServerInformation(sd_bus_message* call, void*, sd_bus_error*) {
    return sd_bus_reply_method_return(call, "ssss", "fake", "tests", "1", "1.2");
}

const sd_bus_vtable kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("Notify", "susssasa{sv}i", "u", OnNotify, 0),
    SD_BUS_METHOD("CloseNotification", "u", "", OnClose, 0),
    SD_BUS_METHOD("GetCapabilities", "", "as", OnCapabilities, 0),
    SD_BUS_METHOD("GetServerInformation", "", "ssss", OnServerInformation, 0),
    SD_BUS_SIGNAL("ActionInvoked", "us", 0),
    SD_BUS_SIGNAL("NotificationClosed", "uu", 0),
    SD_BUS_VTABLE_END,
};

}  // namespace

FakeNotifications::FakeNotifications(const std::string& address, bool markup) : m_markup(markup) {
    if (sd_bus_new(&m_bus) < 0) return;
    if (sd_bus_set_address(m_bus, address.c_str()) < 0 || sd_bus_set_bus_client(m_bus, 1) < 0 ||
        sd_bus_start(m_bus) < 0 ||
        sd_bus_add_object_vtable(m_bus, &m_slot, kPath, kInterface, kVtable, this) < 0 ||
        sd_bus_request_name(m_bus, kName, 0) < 0) {
        return;
    }
    m_thread = std::thread([this] { Serve(); });
}

FakeNotifications::~FakeNotifications() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
    sd_bus_slot_unref(m_slot);
    sd_bus_flush_close_unref(m_bus);
}

void FakeNotifications::Serve() {
    while (!m_stop) {
        std::vector<std::pair<std::uint32_t, std::string>> invoke;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            invoke.swap(m_toInvoke);
        }
        for (const auto& [id, action] : invoke) {
            sd_bus_emit_signal(m_bus, kPath, kInterface, "ActionInvoked", "us", id, action.c_str());
            sd_bus_emit_signal(m_bus, kPath, kInterface, "NotificationClosed", "uu", id,
                               kDismissed);
        }
        const int rc = sd_bus_process(m_bus, nullptr);
        if (rc < 0) break;
        if (rc > 0) continue;
        sd_bus_wait(m_bus, kServeWaitUsec);
    }
}

std::vector<FakeNotifications::Notice> FakeNotifications::Notices() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_notices;
}

std::vector<std::uint32_t> FakeNotifications::Closed() {
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_closed;
}

void FakeNotifications::Invoke(std::uint32_t id, const std::string& action) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_toInvoke.emplace_back(id, action);
}

std::uint32_t FakeNotifications::Notify(Notice notice) {
    std::lock_guard<std::mutex> lock(m_mutex);
    notice.id = notice.replaces != 0 ? notice.replaces : m_nextId++;
    m_notices.push_back(notice);
    return notice.id;
}

void FakeNotifications::Close(std::uint32_t id) {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_closed.push_back(id);
}

bool FakeNotifications::WaitFor(const std::function<bool()>& condition,
                                std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

}  // namespace reminder_test
