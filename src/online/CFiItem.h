#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "ofx/CFidbClient.h"
#include "ofx/COfxClient.h"
#include "online/CDownloadedStatement.h"
#include "storage/CCVItem.h"
#include "storage/DateTime.h"

class CCVAccount;
class CCVProgress;
class CCVTxnList;
class CFiAccountsList;

// One bank that offers online access: its institution id and name (stored), and, fetched on
// demand by Refresh, its five connection parameters and its profile. It performs the online-
// banking calls that concern the bank and receives their callbacks itself.
//
// Stored form in "FiList.lst" (without the record number and flags other records begin with):
//   offset 0  FiId  uint32
//   offset 4  n     uint8    length of the name, at most 255
//   offset 5  name  n bytes, no terminator
class CFiItem : public CCVItem,
                public CFidbClient::MUpdateFiItemEventHandler,
                public COfxClient::MGetProfileEventHandler,
                public COfxClient::MGetStatementEventHandler,
                public COfxClient::MChangePasswordEventHandler,
                public COfxClient::MGetPasswordCriteriaEventHandler {
  public:
    static constexpr std::size_t kParameterCount = 5;
    static constexpr std::size_t kMaxStoredName = 255;
    static constexpr std::size_t kCriteriaSize = 6;
    static constexpr DateTime kRefreshInterval = kSecondsPerDay;
    static constexpr int kFailed = -1;
    static constexpr int kCancelled = 1223;

    CFiItem() = default;
    CFiItem(std::uint32_t fiId, const char* name);
    CFiItem(const CFiItem&) = delete;
    CFiItem& operator=(const CFiItem&) = delete;

    const char* GetName() const override { return m_name.c_str(); }

    // Moves the stored form above. A load that cannot read the whole record leaves the record as
    // it was and answers 1, so a cut file keeps only the banks before the damage.
    int Serialize(RecordArchive& ar) override;

    // The progress indicator of the next operation; null for none.
    void SetProgress(CCVProgress* progress) { m_progress = progress; }

    // The error of the last failed call, and its message (never null).
    int GetErrorCode() const { return m_errorCode; }
    const char* GetErrorMessage() const { return m_errorMessage.c_str(); }

    // Fetches the connection parameters from the directory, then the profile from the bank.
    // Without force, a step done less than a day ago is skipped. 0, or -1 with the error
    // recorded (1223 when cancelled).
    int Refresh(bool force);

    // The customer's accounts at the bank, into `accounts`. 0; 1223 when cancelled; -1 on any
    // other failure. The error is recorded in every case of failure. The caller refreshes the
    // bank first.
    int GetAccountInfo(const char* customerId, const char* password, CFiAccountsList& accounts);

    // Downloads the account's new statement lines, from its download marker on, with the online
    // fields of its record (customer id, routing number, account number at the bank, type) and
    // the password given. The bank is refreshed first. The statement enters the account only
    // when the whole call succeeded: its lines are added (matched against the transactions
    // entered, and appended to `downloadList` when not null), the marker moves, and an account
    // that held nothing takes the bank's ledger balance as its cleared balance. 0; or -1 with the
    // error recorded (1223 when cancelled) and the account as it was. `progress` becomes the
    // bank's progress indicator.
    int GetStatement(CCVProgress* progress, CCVAccount& account, const char* password,
                     CCVTxnList* downloadList);
    // The lines of the last statement taken in whose texts were changed to be stored (see
    // CDownloadedStatement::ApplyTo); 0 after a failed download.
    std::uint32_t ChangedLineCount() const { return m_changedLines; }

    // Changes the customer's password at the bank, without refreshing first. 0 or -1.
    int ChangePassword(const char* customerId, const char* oldPassword, const char* newPassword);

    // Refreshes the bank and copies its 6-byte password rules to `target`. 0 or -1.
    int GetPasswordCriteria(std::uint8_t* target);

    // The library's callbacks.
    bool OnProgress(std::uint32_t value) override;
    // 54 for another institution, 53 without a server URL (P1); a version not above the one
    // held changes nothing.
    int OnFiItem(std::uint32_t id, std::uint32_t version, const char* p1, const char* p2,
                 const char* p3, const char* p4, const char* p5) override;
    int OnProfile(const char* profile) override;
    // Answers 0: the statement is the account's that was asked for.
    int OnStatementInfo(const char* currency, const char* accountNumber) override;
    // These three answer -1 outside GetStatement; during it they keep what the bank sent for the
    // account being downloaded, which takes it once the call has succeeded.
    int OnTransaction(const char* datePosted, const char* amount, const char* type,
                      const char* checkNumber, const char* payee, const char* memo,
                      const char* transactionId) override;
    int OnDownloadMarker(const char* marker) override;
    // Notes that the next line's texts were changed; nothing outside GetStatement.
    int OnTextChanged() override;
    int OnLedgerBalance(const char* amount) override;
    // 1 once copied; 0 when no target waits for them.
    int OnPasswordCriteria(const std::uint8_t* criteria) override;

    std::uint32_t FiId() const { return m_fiId; }
    std::uint32_t ParametersVersion() const { return m_parametersVersion; }
    // P1 to P5 by index 0 to 4: server URL, ORG, FID, OFX version, application.
    const std::string& Parameter(std::size_t index) const { return m_parameters.at(index); }
    const std::string& Profile() const { return m_profile; }
    DateTime LastDirectoryRefresh() const { return m_lastDirectoryRefresh; }
    DateTime LastProfileRefresh() const { return m_lastProfileRefresh; }

  private:
    template <typename Client>
    int Failed(const Client& client);
    bool IsRecent(DateTime last, DateTime now, bool force) const;
    // GetStatement once the account and progress are set.
    int DownloadStatement(CCVAccount& account, const char* password, CCVTxnList* downloadList);

    int m_errorCode = 0;
    std::string m_errorMessage;
    std::uint32_t m_fiId = 0;
    std::string m_name;
    DateTime m_lastDirectoryRefresh = 0;
    DateTime m_lastProfileRefresh = 0;
    std::uint32_t m_parametersVersion = 0;
    std::array<std::string, kParameterCount> m_parameters;
    std::string m_profile;
    CCVAccount* m_currentAccount = nullptr;  // set during GetStatement only
    CDownloadedStatement m_statement;        // what the bank sent during GetStatement
    std::uint32_t m_changedLines = 0;        // of the last statement taken
    CCVProgress* m_progress = nullptr;
    std::uint8_t* m_criteriaTarget = nullptr;
};
