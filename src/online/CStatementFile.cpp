#include "online/CStatementFile.h"

#include <string_view>
#include <vector>

#include "model/CCVAccount.h"
#include "model/CCVTxnList.h"
#include "ofx/COfxClient.h"
#include "online/CDownloadedStatement.h"
#include "online/OnlineText.h"
#include "platform/sys/Files.h"

namespace {

// Every statement of the file, kept whole until one is chosen.
class StatementCollector : public COfxClient::MGetStatementEventHandler {
  public:
    struct Statement {
        std::string accountNumber;
        CDownloadedStatement lines;
    };

    bool OnProgress(std::uint32_t /*value*/) override { return true; }
    int OnStatementInfo(const char* /*currency*/, const char* accountNumber) override {
        m_statements.push_back({accountNumber != nullptr ? accountNumber : "", {}});
        return 0;
    }
    int OnTransaction(const char* datePosted, const char* amount, const char* type,
                      const char* checkNumber, const char* payee, const char* memo,
                      const char* transactionId) override {
        if (m_statements.empty()) return ofx::kErrorInvalidData;
        m_statements.back().lines.AddLine(COfxClient::OfxDateTimeToPalmDateTime(datePosted), amount,
                                          type, checkNumber, payee, memo, transactionId);
        return 0;
    }
    // The marker belongs to the account's online access, which a file does not advance.
    int OnDownloadMarker(const char* /*marker*/) override { return 0; }
    int OnLedgerBalance(const char* amount) override {
        if (m_statements.empty()) return ofx::kErrorInvalidData;
        m_statements.back().lines.SetLedgerBalance(amount);
        return 0;
    }

    std::vector<Statement>& Statements() { return m_statements; }

  private:
    std::vector<Statement> m_statements;
};

// The account number as the account record stores it (cut to its field).
std::string StoredAccountNumber(const std::string& number) {
    CCVAccountRecord record;
    record.SetAccountNumber(number.c_str());
    return record.GetAccountNumber();
}

template <typename... Args>
int Fail(CStatementFile::Result& result, int error, res::StringId message, Args... args) {
    result.message = message;
    result.text = OnlineText(message, args...);
    return error;
}

}  // namespace

int CStatementFile::ImportStatementFile(CCVAccount& account, const std::string& path,
                                        Result& result) {
    result = Result{};
    const std::string file = sys::Utf8ToAnsi(path);
    std::vector<std::uint8_t> bytes;
    if (sys::ReadWholeFile(path, bytes) != 0) {
        return Fail(result, kUnreadable, res::IDS_STATEMENT_FILE_UNREADABLE, file.c_str());
    }
    StatementCollector collector;
    COfxClient reader;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!reader.ReadStatementFile(text, collector)) {
        return Fail(result, kDamaged, res::IDS_STATEMENT_FILE_DAMAGED, file.c_str(),
                    reader.ErrorMessage());
    }
    const std::vector<StatementCollector::Statement>& statements = collector.Statements();
    if (statements.empty()) {
        return Fail(result, kNoStatement, res::IDS_STATEMENT_FILE_NO_STATEMENT, file.c_str());
    }
    const CDownloadedStatement* chosen = &statements.front().lines;
    if (statements.size() > 1) {
        const std::string number = account.Record().GetAccountNumber();
        std::size_t fitting = 0;
        for (const StatementCollector::Statement& statement : statements) {
            if (StoredAccountNumber(statement.accountNumber) != number) continue;
            chosen = &statement.lines;
            ++fitting;
        }
        if (fitting == 0 || number.empty()) {
            return Fail(result, kNoneFits, res::IDS_STATEMENT_FILE_NONE_FITS, file.c_str(),
                        number.c_str());
        }
        if (fitting > 1) {
            return Fail(result, kSeveralFit, res::IDS_STATEMENT_FILE_SEVERAL_FIT, file.c_str(),
                        number.c_str());
        }
    }
    CCVTxnList added;
    added.SetBorrowing();
    const int rc = chosen->ApplyTo(account, &added);
    result.added = added.Count();
    result.matched = static_cast<std::uint32_t>(account.GetMatchedCount());
    if (rc != 0) {
        return Fail(result, kNotAdded, res::IDS_STATEMENT_FILE_NOT_ADDED, file.c_str(), rc);
    }
    result.skipped = static_cast<std::uint32_t>(chosen->LineCount()) - result.added;
    result.message = res::IDS_STATEMENT_FILE_IMPORTED;
    result.text = OnlineText(result.message, result.added, result.matched, result.skipped);
    return kImported;
}
