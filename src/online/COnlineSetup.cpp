#include "online/COnlineSetup.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "ofx/CFidbClient.h"
#include "ofx/OfxStatus.h"
#include "online/CFiAccountsList.h"
#include "online/CFiList.h"
#include "online/MOnlineProgress.h"
#include "online/MPasswordPrompt.h"
#include "online/OnlineError.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

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

bool AllDigits(const std::string& text) {
    for (char ch : text) {
        if (ch < '0' || ch > '9') return false;
    }
    return true;
}

}  // namespace

const std::vector<std::uint8_t>& COnlineSetup::OnlineTypes() {
    static const std::vector<std::uint8_t> types = {
        CFiAccountInfo::kChecking, CFiAccountInfo::kSavings, CFiAccountInfo::kCreditCard,
        CFiAccountInfo::kMoneyMarket, CFiAccountInfo::kLineOfCredit};
    return types;
}

res::StringId COnlineSetup::OnlineTypeNameId(std::size_t index) {
    static constexpr res::StringId kNames[] = {
        res::IDS_ONLINE_TYPE_CHECKING, res::IDS_ONLINE_TYPE_SAVINGS, res::IDS_ONLINE_TYPE_CREDIT,
        res::IDS_ONLINE_TYPE_MONEY_MARKET, res::IDS_ONLINE_TYPE_LINE_OF_CREDIT};
    return index < std::size(kNames) ? kNames[index] : res::IDS_NONE;
}

COnlineSetup::WorkingCopy COnlineSetup::CopyOf(const CCVAccountRecord& record,
                                               const RecordKey& accountId) {
    WorkingCopy copy;
    copy.enabled = record.GetOnlineEnabled();
    copy.fiId = record.GetFiId();
    copy.bankName = record.GetBankName();
    copy.customerId = record.GetCustomerId();
    copy.password = record.GetOnlinePassword();
    copy.accountNumber = record.GetAccountNumber();
    copy.routingNumber = record.GetRoutingNumber();
    copy.accountType = record.GetAccountType();
    copy.accountId = accountId;
    return copy;
}

void COnlineSetup::WriteOnlineFields(const WorkingCopy& copy, CCVAccountRecord& record) {
    record.SetOnlineEnabled(copy.enabled);
    record.SetFiId(copy.fiId);
    record.SetCustomerId(copy.customerId.c_str());
    record.SetOnlinePassword(copy.password.c_str());
    record.SetRoutingNumber(copy.routingNumber.c_str());
}

int COnlineSetup::UpdateBanks(MOnlineProgress& progress, MOnlineMessages& messages) {
    auto* institutions = dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
    if (institutions == nullptr) return 1;
    CFidbClient directory;
    bool updated = false;
    {
        ProgressShown shown(progress);
        institutions->SetProgress(&progress);
        updated = directory.UpdateFiList(institutions->GetDirectoryVersion(), *institutions);
        institutions->SetProgress(nullptr);
    }
    if (updated) return 0;
    ShowOnlineError(messages, MOnlineMessages::kOwnerCaller, directory.Error(),
                    directory.ErrorMessage());
    return 1;
}

bool COnlineSetup::ChooseBank(WorkingCopy& copy, const char* bankName) const {
    auto* institutions = dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
    const CFiItem* bank = institutions != nullptr ? institutions->FindByName(bankName) : nullptr;
    if (bank == nullptr) return false;
    if (bank->FiId() != copy.fiId) {
        // Another bank: what the former one reported no longer applies.
        copy.reported.clear();
    }
    copy.fiId = bank->FiId();
    copy.bankName = bank->GetName();
    return true;
}

std::string COnlineSetup::BankNameOf(const WorkingCopy& copy) const {
    auto* institutions = dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
    const CFiItem* bank =
        institutions != nullptr && copy.fiId != 0 ? institutions->FindById(copy.fiId) : nullptr;
    return bank != nullptr ? bank->GetName() : std::string();
}

res::StringId COnlineSetup::CheckSelectAccount(const WorkingCopy& copy,
                                               const std::string& customerId) {
    if (copy.fiId == 0) return res::IDS_PLEASE_SELECT_BANK;
    if (customerId.empty()) return res::IDS_PLEASE_ENTER_CUSTOMER_ID;
    return res::IDS_NONE;
}

int COnlineSetup::FetchAccounts(WorkingCopy& copy, const std::string& customerId,
                                const std::string& typedPassword, MOnlineProgress& progress,
                                MPasswordPrompt& prompt, MOnlineMessages& messages) {
    auto* institutions = dynamic_cast<CFiList*>(m_accounts.GetInstitutionList());
    CFiItem* bank = institutions != nullptr ? institutions->FindById(copy.fiId) : nullptr;
    if (bank == nullptr) {
        messages.ShowMessage(MOnlineMessages::kOwnerCaller,
                             std::wstring(res::LoadString(res::IDS_PLEASE_SELECT_BANK)),
                             res::IDS_APP_NAME, MOnlineMessages::Style::kExclamation);
        return 1;
    }
    std::string password = typedPassword;
    if (password.empty() && !prompt.AskPassword(bank->GetName(), customerId.c_str(), password)) {
        return 1;
    }
    CFiAccountsList reported;
    int rc = 0;
    {
        ProgressShown shown(progress);
        bank->SetProgress(&progress);
        rc = bank->Refresh(true);
        if (rc == 0) {
            reported.SetProgress(&progress);
            rc = bank->GetAccountInfo(customerId.c_str(), password.c_str(), reported);
            reported.SetProgress(nullptr);
        }
        bank->SetProgress(nullptr);
    }
    for (char& ch : password) ch = '\0';
    if (rc != 0) {
        ShowOnlineError(messages, MOnlineMessages::kOwnerCaller, bank->GetErrorCode(),
                        bank->GetErrorMessage());
        return 1;
    }
    copy.customerId = customerId;
    copy.password = typedPassword;
    copy.reported.clear();
    for (std::uint32_t i = 0; i < reported.Count(); ++i) {
        const CFiAccountInfo* info = reported.At(i);
        copy.reported.push_back(
            {info->AccountType(), info->AccountNumber(), info->RoutingNumber()});
    }
    return 0;
}

bool COnlineSetup::InUse(const WorkingCopy& copy, const std::string& routingNumber,
                         const std::string& accountNumber) const {
    for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
        const CCVAccount* account = m_accounts.At(i);
        if (!copy.accountId.IsNull() && account->GetAccountId() == copy.accountId) continue;
        const CCVAccountRecord& record = account->Record();
        if (record.GetRoutingNumber() == routingNumber &&
            record.GetAccountNumber() == accountNumber) {
            return true;
        }
    }
    return false;
}

res::StringId COnlineSetup::ChooseReported(WorkingCopy& copy, std::size_t index) const {
    if (index >= copy.reported.size()) return res::IDS_NONE;
    const Reported chosen = copy.reported[index];
    if (InUse(copy, chosen.routingNumber, chosen.accountNumber)) return res::IDS_ACCOUNT_IN_USE;
    copy.accountNumber = chosen.accountNumber;
    copy.accountType = chosen.accountType;
    copy.routingNumber = chosen.routingNumber;
    return res::IDS_NONE;
}

res::StringId COnlineSetup::EnterDetails(WorkingCopy& copy, std::size_t typeIndex,
                                         const std::string& accountNumber,
                                         const std::string& routingNumber) const {
    const std::vector<std::uint8_t>& types = OnlineTypes();
    const std::uint8_t type = types[typeIndex < types.size() ? typeIndex : 0];
    if (accountNumber.empty()) return res::IDS_ACCOUNT_NUMBER_EMPTY;
    if (routingNumber.size() != kRoutingNumberLength || !AllDigits(routingNumber)) {
        return res::IDS_ROUTING_NUMBER_LENGTH;
    }
    if (InUse(copy, routingNumber, accountNumber)) return res::IDS_ACCOUNT_IN_USE;
    copy.routingNumber = routingNumber;
    copy.accountNumber = accountNumber;
    copy.accountType = type;
    return res::IDS_NONE;
}

res::StringId COnlineSetup::Finish(WorkingCopy& copy, const std::string& customerId,
                                   const std::string& password, bool willPrompt) const {
    if (!copy.enabled) return res::IDS_NONE;
    if (copy.fiId == 0) return res::IDS_PLEASE_SELECT_BANK;
    if (customerId.empty()) return res::IDS_PLEASE_ENTER_CUSTOMER_ID;
    if (copy.accountNumber.empty()) return res::IDS_PLEASE_ASSIGN_ACCOUNT;
    const std::string bankName = BankNameOf(copy);
    if (!bankName.empty()) copy.bankName = bankName;
    copy.customerId = customerId;
    copy.password = willPrompt ? std::string() : password;
    return res::IDS_NONE;
}
