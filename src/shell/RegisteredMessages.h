#pragma once

#include <string_view>

#include "platform/sys/SyncNames.h"
#include "platform/ui/WinMessages.h"

// The messages the program shares by name, with its companions and between its own windows, and
// its two navigation messages.
namespace shell {

// Posted to the controller window: wParam the command (low 32 bits), lParam the parameter.
constexpr ui::UINT WM_CV_NAVIGATE = ui::WM_APP + 100;
// Posted to the controller window: lParam 1 means do not end the program when nothing is left.
constexpr ui::UINT WM_CV_BACK = ui::WM_APP + 101;

inline constexpr std::wstring_view kRunningInstanceMessage = L"CV_MSG_RUNNING_INSTANCE_FOUND";
inline constexpr std::wstring_view kStopReminderMessage =
    L"CV_STOP_REMINDER_NOTIFICATION-{EFD617B9-D386-47de-9A5F-CF104470940A}";
inline constexpr std::wstring_view kStartReminderMessage =
    L"CV_START_REMINDER_NOTIFICATION-{F02FFEDF-351F-4266-97ED-217AA8AD7A60}";
inline constexpr std::wstring_view kHelpMessage = L"CV_DISPLAY_CONTEXT_SENSETIVE_HELP";
inline constexpr std::wstring_view kCheckUnacceptedMessage = L"CV_CHECK_FOR_UNACCEPTED_TXN";
// The desktop synchroniser's hand-shake (see CSyncHandshake).
inline constexpr std::wstring_view kSyncStartMessage = sys::kSyncStartName;
inline constexpr std::wstring_view kSyncEndMessage = sys::kSyncEndName;

// The id of a registered message in this program.
ui::UINT RegisteredMessage(std::wstring_view name);

}  // namespace shell
