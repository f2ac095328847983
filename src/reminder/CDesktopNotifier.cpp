#include "reminder/CDesktopNotifier.h"

#include <systemd/sd-bus.h>

#include <chrono>
#include <cstring>
#include <string>

#include "platform/sys/CodePage.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace reminder {
namespace {

constexpr const char* kService = "org.freedesktop.Notifications";
constexpr const char* kPath = "/org/freedesktop/Notifications";
constexpr const char* kInterface = "org.freedesktop.Notifications";
// A call the service does not answer in this time counts as failed.
constexpr std::uint64_t kCallTimeoutUsec = 5'000'000;
// The reminder stays until it is answered, dismissed or withdrawn.
constexpr std::int32_t kNeverExpires = 0;
constexpr const char* kOpenAction = "open";
constexpr const char* kDefaultAction = "default";  // a click on the notification itself
constexpr const char* kSnoozeAction = "snooze";
constexpr std::uint32_t kClosedByCall = 3;  // NotificationClosed's reason after CloseNotification

std::string Text(res::StringId id) {
    return sys::WideToUtf8(res::LoadString(id));
}

// Frees a message however the call ends.
struct MessageRef {
    sd_bus_message* message = nullptr;
    ~MessageRef() { sd_bus_message_unref(message); }
};

struct ErrorRef {
    sd_bus_error error = SD_BUS_ERROR_NULL;
    ~ErrorRef() { sd_bus_error_free(&error); }
};

int OnAction(sd_bus_message* message, void* self, sd_bus_error*) {
    std::uint32_t id = 0;
    const char* action = nullptr;
    if (sd_bus_message_read(message, "us", &id, &action) >= 0) {
        static_cast<CDesktopNotifier*>(self)->ActionInvoked(id, action);
    }
    return 0;
}

int OnClosed(sd_bus_message* message, void* self, sd_bus_error*) {
    std::uint32_t id = 0;
    std::uint32_t reason = 0;
    if (sd_bus_message_read(message, "uu", &id, &reason) >= 0) {
        static_cast<CDesktopNotifier*>(self)->NotificationClosed(id, reason);
    }
    return 0;
}

}  // namespace

std::unique_ptr<CDesktopNotifier> CDesktopNotifier::Connect() {
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0) return nullptr;
    sd_bus_set_method_call_timeout(bus, kCallTimeoutUsec);
    std::unique_ptr<CDesktopNotifier> notifier(new CDesktopNotifier(bus));
    // Signals are told apart by the notification id, so the sender needs no match of its own.
    if (sd_bus_match_signal(bus, &notifier->m_actionSlot, nullptr, kPath, kInterface,
                            "ActionInvoked", &OnAction, notifier.get()) < 0 ||
        sd_bus_match_signal(bus, &notifier->m_closedSlot, nullptr, kPath, kInterface,
                            "NotificationClosed", &OnClosed, notifier.get()) < 0) {
        return nullptr;
    }
    return notifier;
}

CDesktopNotifier::~CDesktopNotifier() {
    sd_bus_slot_unref(m_actionSlot);
    sd_bus_slot_unref(m_closedSlot);
    sd_bus_flush_close_unref(m_bus);
}

bool CDesktopNotifier::ReadsMarkup() {
    if (m_markup >= 0) return m_markup == 1;
    m_markup = 0;
    ErrorRef error;
    MessageRef reply;
    if (sd_bus_call_method(m_bus, kService, kPath, kInterface, "GetCapabilities", &error.error,
                           &reply.message, "") < 0) {
        return false;
    }
    char** capabilities = nullptr;
    if (sd_bus_message_read_strv(reply.message, &capabilities) < 0) return false;
    for (char** capability = capabilities; capability != nullptr && *capability != nullptr;
         ++capability) {
        if (std::strcmp(*capability, "body-markup") == 0) m_markup = 1;
        std::free(*capability);
    }
    std::free(capabilities);
    return m_markup == 1;
}

bool CDesktopNotifier::Show(const CReminderText& text) {
    const bool markup = ReadsMarkup();
    const std::string body = markup ? CReminderText::EscapeMarkup(text.Body()) : text.Body();
    const std::string appName = Text(res::IDS_APP_NAME);
    const std::string open = Text(res::IDS_COMPANION_OPEN);
    const std::string snooze = Text(res::IDS_MENU_SNOOZE);
    MessageRef call;
    if (sd_bus_message_new_method_call(m_bus, &call.message, kService, kPath, kInterface,
                                       "Notify") < 0 ||
        sd_bus_message_append(call.message, "susss", appName.c_str(), m_id, "",
                              text.Summary().c_str(), body.c_str()) < 0 ||
        sd_bus_message_append(call.message, "as", 4, kOpenAction, open.c_str(), kSnoozeAction,
                              snooze.c_str()) < 0 ||
        sd_bus_message_append(call.message, "a{sv}", 0) < 0 ||
        sd_bus_message_append(call.message, "i", kNeverExpires) < 0) {
        return false;
    }
    ErrorRef error;
    MessageRef reply;
    if (sd_bus_call(m_bus, call.message, kCallTimeoutUsec, &error.error, &reply.message) < 0) {
        return false;
    }
    std::uint32_t id = 0;
    if (sd_bus_message_read(reply.message, "u", &id) < 0) return false;
    m_id = id;
    return true;
}

void CDesktopNotifier::Withdraw() {
    if (m_id == 0) return;
    const std::uint32_t id = m_id;
    m_id = 0;
    ErrorRef error;
    sd_bus_call_method(m_bus, kService, kPath, kInterface, "CloseNotification", &error.error,
                       nullptr, "u", id);
}

void CDesktopNotifier::AddWaits(std::vector<sys::WaitItem>& waits) {
    const int fd = sd_bus_get_fd(m_bus);
    const int events = sd_bus_get_events(m_bus);
    if (fd < 0 || events < 0) return;
    waits.push_back(sys::WaitItem{fd, static_cast<short>(events), false});
}

int CDesktopNotifier::WaitLimitMs() {
    std::uint64_t until = 0;
    if (sd_bus_get_timeout(m_bus, &until) < 0 || until == UINT64_MAX) return -1;
    const auto now = std::chrono::duration_cast<std::chrono::microseconds>(
                         std::chrono::steady_clock::now().time_since_epoch())
                         .count();
    if (until <= static_cast<std::uint64_t>(now)) return 0;
    const std::uint64_t wait = (until - static_cast<std::uint64_t>(now) + 999) / 1000;
    return wait > INT32_MAX ? INT32_MAX : static_cast<int>(wait);
}

void CDesktopNotifier::Process(const ResponseHandler& handler) {
    while (sd_bus_process(m_bus, nullptr) > 0) {
    }
    std::vector<Response> responses;
    responses.swap(m_responses);
    for (const Response response : responses) handler(response);
}

void CDesktopNotifier::ActionInvoked(std::uint32_t id, const char* action) {
    if (id == 0 || id != m_id || action == nullptr) return;
    if (std::strcmp(action, kOpenAction) == 0 || std::strcmp(action, kDefaultAction) == 0) {
        m_responses.push_back(Response::kOpen);
    } else if (std::strcmp(action, kSnoozeAction) == 0) {
        m_responses.push_back(Response::kSnooze);
    }
}

void CDesktopNotifier::NotificationClosed(std::uint32_t id, std::uint32_t reason) {
    if (id == 0 || id != m_id) return;
    m_id = 0;
    if (reason != kClosedByCall) m_responses.push_back(Response::kDismissed);
}

}  // namespace reminder
