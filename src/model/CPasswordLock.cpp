#include "model/CPasswordLock.h"

#include <algorithm>
#include <iterator>

#include "model/CVModel.h"
#include "preferences/CCVPreferences.h"
#include "resources/ScreenIds.h"
#include "storage/CCVPassword.h"

namespace {

// By "LockTime" index: "Immediately", "After 1 Minute" ... "After 30 Minutes". Stored settings
// keep their index; each index waits as long as its label says.
constexpr std::uint32_t kDelaySeconds[CPasswordLock::kDelayCount] = {0,   60,  120,  180, 300,
                                                                     600, 900, 1200, 1800};

}  // namespace

bool CPasswordLock::IsAcceptable(std::string_view password) {
    if (password.empty()) return true;
    return std::any_of(password.begin(), password.end(),
                       [&](char ch) { return ch != password.front(); });
}

EditOutcome CPasswordLock::Change(CVModel& model, std::string_view oldPassword,
                                  std::string_view newPassword, std::string_view confirmation) {
    if (newPassword != confirmation) return EditOutcome::Refused(res::IDS_PASSWORD_MISMATCH);
    if (!IsAcceptable(newPassword)) return EditOutcome::Refused(res::IDS_PASSWORD_RULE);
    switch (model.ChangePassword(newPassword, oldPassword)) {
        case CCVPassword::kRight:
            return EditOutcome::Done();
        case CCVPassword::kWrong:
            return EditOutcome::Refused(res::IDS_OLD_PASSWORD_WRONG);
        default:
            return EditOutcome::Refused(res::IDS_PASSWORD_NOT_STORED);
    }
}

EditOutcome CPasswordLock::Unlock(CVModel& model, std::string_view password) {
    if (password.empty() || model.CheckPassword(password) != CCVPassword::kRight) {
        return EditOutcome::Refused(res::IDS_PASSWORD_INCORRECT);
    }
    return EditOutcome::Done();
}

std::uint32_t CPasswordLock::DelaySeconds(std::uint32_t index) {
    return index < std::size(kDelaySeconds) ? kDelaySeconds[index] : 0;
}

bool CPasswordLock::IsDue(const CCVPreferences& preferences, DateTime now) {
    return preferences.GetLockSecurityTime() <= now;
}

void CPasswordLock::Rearm(const CCVPreferences& preferences, DateTime now) {
    preferences.SetLockSecurityTime(now + DelaySeconds(preferences.GetLockTime()));
}

bool CPasswordLock::SetDelay(const CCVPreferences& preferences, std::uint32_t index, DateTime now) {
    if (!preferences.SetLockTime(index)) return false;
    return preferences.SetLockSecurityTime(now + DelaySeconds(index));
}
