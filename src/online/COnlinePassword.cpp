#include "online/COnlinePassword.h"

#include <cstring>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "ofx/CFidbClient.h"
#include "ofx/OfxStatus.h"
#include "online/CFiList.h"
#include "online/MOnlineProgress.h"
#include "online/OnlineError.h"
#include "online/OnlineText.h"
#include "platform/sys/CodePage.h"
#include "resources/ScreenIds.h"

namespace {

// Shows the progress indicator for one call, and takes it away on every way out.
class ProgressShown {
  public:
    explicit ProgressShown(MOnlineProgress& progress) : m_progress(progress) { m_progress.Start(); }
    ~ProgressShown() { m_progress.End(); }
    ProgressShown(const ProgressShown&) = delete;
    ProgressShown& operator=(const ProgressShown&) = delete;

  private:
    MOnlineProgress& m_progress;
};

// Narrow text whose bytes are overwritten when it goes.
class WipedText {
  public:
    explicit WipedText(std::wstring_view text) : m_text(sys::WideToAnsi(text)) {}
    ~WipedText() {
        volatile char* bytes = m_text.data();
        for (std::size_t i = 0; i < m_text.size(); ++i) bytes[i] = '\0';
    }
    WipedText(const WipedText&) = delete;
    WipedText& operator=(const WipedText&) = delete;
    const char* c_str() const { return m_text.c_str(); }

  private:
    std::string m_text;
};

}  // namespace

COnlinePassword::COnlinePassword(CCVAccountList& accounts, MOnlineProgress& progress,
                                 MOnlineMessages& messages)
    : m_accounts(accounts), m_progress(progress), m_messages(messages) {}

void COnlinePassword::Say(res::StringId caption, MOnlineMessages::Style style,
                          const std::wstring& text) {
    m_messages.ShowMessage(MOnlineMessages::kOwnerCaller, text, caption, style);
}

CFiItem* COnlinePassword::BankOf(const CCVAccount& account) {
    auto* institutions = dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
    CFiItem* bank =
        institutions != nullptr ? institutions->FindById(account.Record().GetFiId()) : nullptr;
    if (bank == nullptr) {
        Say(res::IDS_APP_NAME, MOnlineMessages::Style::kExclamation,
            OnlineText(res::IDS_BANK_NOT_LISTED, account.GetName()));
    }
    return bank;
}

int COnlinePassword::FetchCriteria(const CCVAccount& account, Criteria& criteria) {
    if (!account.Record().GetOnlineEnabled()) {
        Say(res::IDS_APP_NAME, MOnlineMessages::Style::kExclamation,
            OnlineText(res::IDS_ACCOUNT_NOT_ONLINE));
        return 1;
    }
    auto* institutions = dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
    int code = ofx::kOk;
    std::string message;
    bool listed = false;
    {
        ProgressShown shown(m_progress);
        if (institutions != nullptr) {
            institutions->SetProgress(&m_progress);
            CFidbClient directory;
            if (!directory.UpdateFiList(institutions->GetDirectoryVersion(), *institutions)) {
                code = directory.Error();
                message = directory.ErrorMessage();
            }
            institutions->SetProgress(nullptr);
        }
        CFiItem* bank = institutions != nullptr && code == ofx::kOk
                            ? institutions->FindById(account.Record().GetFiId())
                            : nullptr;
        if (bank != nullptr) {
            listed = true;
            bank->SetProgress(&m_progress);
            if (bank->GetPasswordCriteria(criteria.data()) != 0) {
                code =
                    bank->GetErrorCode() != ofx::kOk ? bank->GetErrorCode() : ofx::kErrorUnreadable;
                message = bank->GetErrorMessage();
            }
            bank->SetProgress(nullptr);
        }
    }
    if (code != ofx::kOk) {
        ShowOnlineError(m_messages, MOnlineMessages::kOwnerCaller, code, message.c_str());
        return 1;
    }
    if (!listed) {
        Say(res::IDS_APP_NAME, MOnlineMessages::Style::kExclamation,
            OnlineText(res::IDS_BANK_NOT_LISTED, account.GetName()));
        return 1;
    }
    return 0;
}

int COnlinePassword::Change(CCVAccount& account, const Criteria& criteria,
                            std::wstring_view oldPassword, std::wstring_view newPassword,
                            std::wstring_view confirmation) {
    const CPasswordCriteria::Refusal refusal =
        CPasswordCriteria::Check(criteria, newPassword, confirmation);
    if (refusal.Refused()) {
        Say(res::IDS_APP_NAME, MOnlineMessages::Style::kExclamation,
            OnlineText(refusal.message, refusal.first, refusal.second));
        return 1;
    }
    CFiItem* bank = BankOf(account);
    if (bank == nullptr) return 1;
    const WipedText oldText(oldPassword);
    const WipedText newText(newPassword);
    const std::string customerId = account.Record().GetCustomerId();
    int rc = 0;
    {
        ProgressShown shown(m_progress);
        bank->SetProgress(&m_progress);
        rc = bank->ChangePassword(customerId.c_str(), oldText.c_str(), newText.c_str());
        bank->SetProgress(nullptr);
    }
    if (rc != 0) {
        ShowOnlineError(m_messages, MOnlineMessages::kOwnerCaller, bank->GetErrorCode(),
                        bank->GetErrorMessage());
        return 1;
    }
    const std::uint32_t fiId = account.Record().GetFiId();
    for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
        CCVAccountRecord& record = m_accounts.At(i)->Record();
        if (record.GetFiId() != fiId || record.GetCustomerId() != customerId ||
            record.GetOnlinePassword().empty()) {
            continue;
        }
        record.SetOnlinePassword(newText.c_str());
    }
    Say(res::IDS_APP_NAME, MOnlineMessages::Style::kInformation,
        OnlineText(res::IDS_PASSWORD_CHANGED));
    return 0;
}
