#include "online/CFiItem.h"

#include <algorithm>
#include <cstring>

#include "model/CCVAccount.h"
#include "ofx/OfxStatus.h"
#include "online/CCVProgress.h"
#include "online/CFiAccountInfo.h"
#include "online/CFiAccountsList.h"
#include "storage/ReadOnlyMemoryStream.h"
#include "storage/RecordArchive.h"
#include "storage/Text.h"

namespace {

enum Parameter { kUrl = 0, kOrg = 1, kFid = 2, kVersion = 3, kApplication = 4 };

}  // namespace

CFiItem::CFiItem(std::uint32_t fiId, const char* name) : m_fiId(fiId) {
    SetOwnedText(m_name, name);
}

int CFiItem::Serialize(RecordArchive& ar) {
    if (ar.IsLoading()) {
        std::uint32_t fiId = 0;
        std::uint8_t length = 0;
        if (ar.Transfer(fiId) != 0 || ar.Transfer(length) != 0) return 1;
        std::string name(length, '\0');
        if (ar.ReadBytes(name.data(), length) != 0) return 1;
        m_fiId = fiId;
        m_name = name.c_str();  // a stored zero ends the name
        return 0;
    }
    // A longer name keeps its first 255 characters; the length byte always tells the bytes that
    // follow.
    auto length = static_cast<std::uint8_t>(std::min(m_name.size(), kMaxStoredName));
    int rc = ar.Transfer(m_fiId);
    if (rc == 0) rc = ar.Transfer(length);
    if (rc == 0) rc = ar.WriteBytes(m_name.data(), length);
    return rc;
}

template <typename Client>
int CFiItem::Failed(const Client& client) {
    m_errorCode = client.Error();
    SetOwnedText(m_errorMessage, client.ErrorMessage());
    return kFailed;
}

bool CFiItem::IsRecent(DateTime last, DateTime now, bool force) const {
    return !force && last != 0 && now >= kRefreshInterval && last >= now - kRefreshInterval;
}

int CFiItem::Refresh(bool force) {
    const DateTime now = Now();
    if (!IsRecent(m_lastDirectoryRefresh, now, force)) {
        CFidbClient directory;
        if (!directory.UpdateFiItem(m_fiId, m_parametersVersion, *this)) return Failed(directory);
        m_lastDirectoryRefresh = now;
    }
    if (!IsRecent(m_lastProfileRefresh, now, force)) {
        COfxClient client;
        if (!client.GetProfile(COfxClient::kAnonymous, COfxClient::kAnonymous,
                               m_parameters[kUrl].c_str(), m_parameters[kOrg].c_str(),
                               m_parameters[kFid].c_str(), m_parameters[kVersion].c_str(),
                               m_parameters[kApplication].c_str(), m_profile.c_str(), *this,
                               force)) {
            return Failed(client);
        }
        m_lastProfileRefresh = now;
    }
    return 0;
}

int CFiItem::GetAccountInfo(const char* customerId, const char* password,
                            CFiAccountsList& accounts) {
    COfxClient client;
    if (client.GetAccountInfo(customerId, password, m_parameters[kUrl].c_str(),
                              m_parameters[kOrg].c_str(), m_parameters[kFid].c_str(),
                              m_parameters[kVersion].c_str(), m_parameters[kApplication].c_str(),
                              m_profile.c_str(), accounts)) {
        return 0;
    }
    // The error is kept, so that a wrong password can be told from a bank without accounts.
    Failed(client);
    return client.Error() == kCancelled ? kCancelled : kFailed;
}

int CFiItem::GetStatement(CCVProgress* progress, CCVAccount& account, const char* password,
                          CCVTxnList* downloadList) {
    m_currentAccount = &account;
    m_progress = progress;
    m_statement.Clear();
    m_changedLines = 0;
    const int rc = DownloadStatement(account, password, downloadList);
    // Nothing of this download stays with the bank, which outlives the call.
    m_currentAccount = nullptr;
    m_statement.Clear();
    return rc;
}

int CFiItem::DownloadStatement(CCVAccount& account, const char* password,
                               CCVTxnList* downloadList) {
    if (Refresh(true) != 0) return kFailed;
    const CCVAccountRecord& record = account.Record();
    const std::uint8_t type = record.GetAccountType();
    // A credit card is asked for by its account number alone.
    const std::string routingNumber =
        type == CCVAccount::kCredit ? std::string() : record.GetRoutingNumber();
    const char* typeText = CFiAccountInfo::TextFromType(type);
    COfxClient client;
    if (!client.GetStatement(record.GetCustomerId().c_str(), password, m_parameters[kUrl].c_str(),
                             m_parameters[kOrg].c_str(), m_parameters[kFid].c_str(),
                             m_parameters[kVersion].c_str(), m_parameters[kApplication].c_str(),
                             m_profile.c_str(), routingNumber.c_str(),
                             record.GetAccountNumber().c_str(), typeText != nullptr ? typeText : "",
                             record.GetDownloadMarker().c_str(), *this)) {
        return Failed(client);
    }
    std::uint32_t changed = 0;
    if (const int rc = m_statement.ApplyTo(account, downloadList, &changed); rc != 0) {
        m_errorCode = rc;
        m_errorMessage.clear();
        return kFailed;
    }
    m_changedLines = changed;
    return 0;
}

int CFiItem::ChangePassword(const char* customerId, const char* oldPassword,
                            const char* newPassword) {
    COfxClient client;
    if (!client.ChangePassword(customerId, oldPassword, newPassword, m_parameters[kUrl].c_str(),
                               m_parameters[kOrg].c_str(), m_parameters[kFid].c_str(),
                               m_parameters[kVersion].c_str(), m_parameters[kApplication].c_str(),
                               m_profile.c_str(), *this)) {
        return Failed(client);
    }
    return 0;
}

int CFiItem::GetPasswordCriteria(std::uint8_t* target) {
    if (Refresh(true) != 0) return kFailed;
    ReadOnlyMemoryStream profile(m_profile.data(), static_cast<std::uint32_t>(m_profile.size()));
    COfxClient client;
    m_criteriaTarget = target;
    const bool done = client.GetPasswordCriteria(profile, *this);
    m_criteriaTarget = nullptr;  // the target belongs to the caller and may go away
    return done ? 0 : Failed(client);
}

bool CFiItem::OnProgress(std::uint32_t value) {
    return ContinueAfterStep(m_progress, value);
}

int CFiItem::OnFiItem(std::uint32_t id, std::uint32_t version, const char* p1, const char* p2,
                      const char* p3, const char* p4, const char* p5) {
    if (id != m_fiId) return ofx::kErrorInvalidData;
    if (version <= m_parametersVersion) return 0;
    if (p1 == nullptr || *p1 == '\0') return ofx::kErrorUnreadable;
    const char* given[kParameterCount] = {p1, p2, p3, p4, p5};
    for (std::size_t i = 0; i < kParameterCount; ++i) SetOwnedText(m_parameters[i], given[i]);
    m_parametersVersion = version;
    return 0;
}

int CFiItem::OnProfile(const char* profile) {
    SetOwnedText(m_profile, profile);
    return 0;
}

int CFiItem::OnStatementInfo(const char* /*currency*/, const char* /*accountNumber*/) {
    return 0;
}

int CFiItem::OnTransaction(const char* datePosted, const char* amount, const char* type,
                           const char* checkNumber, const char* payee, const char* memo,
                           const char* transactionId) {
    if (m_currentAccount == nullptr) return kFailed;
    m_statement.AddLine(COfxClient::OfxDateTimeToPalmDateTime(datePosted), amount, type,
                        checkNumber, payee, memo, transactionId);
    return 0;
}

int CFiItem::OnTextChanged() {
    if (m_currentAccount != nullptr) m_statement.NoteTextChanged();
    return 0;
}

int CFiItem::OnDownloadMarker(const char* marker) {
    if (m_currentAccount == nullptr) return kFailed;
    m_statement.SetDownloadMarker(marker);
    return 0;
}

int CFiItem::OnLedgerBalance(const char* amount) {
    if (m_currentAccount == nullptr) return kFailed;
    m_statement.SetLedgerBalance(amount);
    return 0;
}

int CFiItem::OnPasswordCriteria(const std::uint8_t* criteria) {
    if (m_criteriaTarget == nullptr || criteria == nullptr) return 0;
    std::memcpy(m_criteriaTarget, criteria, kCriteriaSize);
    return 1;
}
