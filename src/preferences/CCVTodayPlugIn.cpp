#include "preferences/CCVTodayPlugIn.h"

#include "preferences/CCVPreferences.h"
#include "preferences/CCVRegistry.h"

namespace {

constexpr const wchar_t* kKeyName = L"Today_PlugIn";
constexpr const wchar_t* kNearestDateTime = L"Nearest Date Time";
constexpr const wchar_t* kReminderStatus = L"Reminder Status";
constexpr const wchar_t* kSnoozedTime = L"Snoozed Time";

}  // namespace

std::wstring CCVTodayPlugIn::KeyPath() {
    return CCVPreferences::ProgramKey() + L"\\" + kKeyName;
}

// The key is created first, as the reminder program expects to find it.
bool CCVTodayPlugIn::CreateKey() {
    CCVRegistry key(sys::HKEY_CURRENT_USER, KeyPath());
    return key.Create();
}

std::uint32_t CCVTodayPlugIn::Read(const wchar_t* name) {
    CreateKey();
    return CCVRegistry::ReadDword(sys::HKEY_CURRENT_USER, KeyPath(), name);
}

bool CCVTodayPlugIn::Write(const wchar_t* name, std::uint32_t value) {
    return CreateKey() && CCVRegistry::WriteDword(sys::HKEY_CURRENT_USER, KeyPath(), name, value);
}

std::uint32_t CCVTodayPlugIn::ReadNearestDateTime() {
    return Read(kNearestDateTime);
}

bool CCVTodayPlugIn::WriteNearestDateTime(std::uint32_t time) {
    const bool changed = Read(kNearestDateTime) != time;
    if (!Write(kNearestDateTime, time)) return false;
    if (changed) Write(kSnoozedTime, 0);
    return true;
}

std::uint32_t CCVTodayPlugIn::ReadReminderStatus() {
    return Read(kReminderStatus);
}

bool CCVTodayPlugIn::WriteReminderStatus(std::uint32_t status) {
    return Write(kReminderStatus, status);
}

std::uint32_t CCVTodayPlugIn::ReadSnoozedTime() {
    return Read(kSnoozedTime);
}

bool CCVTodayPlugIn::Snooze() {
    // A missing value reads as 0, as on a key created just now.
    return Write(kSnoozedTime, Read(kSnoozedTime) + kSnoozeStep);
}

bool CCVTodayPlugIn::ResetSnooze() {
    return Write(kSnoozedTime, 0);
}

// ---- reminder companion ----
CCVTodayPlugIn::Values CCVTodayPlugIn::ReadValues() {
    const std::wstring path = KeyPath();
    Values values;
    values.nearestDateTime = CCVRegistry::ReadDword(sys::HKEY_CURRENT_USER, path, kNearestDateTime);
    values.reminderStatus = CCVRegistry::ReadDword(sys::HKEY_CURRENT_USER, path, kReminderStatus);
    values.snoozedTime = CCVRegistry::ReadDword(sys::HKEY_CURRENT_USER, path, kSnoozedTime);
    return values;
}
