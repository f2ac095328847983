#pragma once

#include <string_view>

#include "platform/sys/SyncNames.h"
#include "platform/ui/WinMessages.h"
#include "preferences/CCVTodayPlugIn.h"

// The messages the program shares by name, with its companions and between its own windows, and
// its two navigation messages.
namespace shell {

// Posted to the controller window: wParam the command (low 32 bits), lParam the parameter.
constexpr ui::UINT WM_CV_NAVIGATE = ui::WM_APP + 100;
// Posted to the controller window: lParam 1 means do not end the program when nothing is left.
constexpr ui::UINT WM_CV_BACK = ui::WM_APP + 101;

inline constexpr std::wstring_view kRunningInstanceMessage = L"CV_MSG_RUNNING_INSTANCE_FOUND";
// ---- reminder companion ----
// Shared with the companion, which knows them from the reminder values' owner.
inline constexpr std::wstring_view kStopReminderMessage = CCVTodayPlugIn::kStopNotificationMessage;
inline constexpr std::wstring_view kStartReminderMessage =
    CCVTodayPlugIn::kStartNotificationMessage;
inline constexpr std::wstring_view kHelpMessage = L"CV_DISPLAY_CONTEXT_SENSETIVE_HELP";
inline constexpr std::wstring_view kCheckUnacceptedMessage = L"CV_CHECK_FOR_UNACCEPTED_TXN";
// The desktop synchroniser's hand-shake (see CSyncHandshake).
inline constexpr std::wstring_view kSyncStartMessage = sys::kSyncStartName;
inline constexpr std::wstring_view kSyncEndMessage = sys::kSyncEndName;

// The id of a registered message in this program.
ui::UINT RegisteredMessage(std::wstring_view name);

}  // namespace shell
