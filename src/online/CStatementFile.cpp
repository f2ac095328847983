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
    int OnTextChanged() override {
        // Without a statement the line that follows is refused anyway.
        if (!m_statements.empty()) m_statements.back().lines.NoteTextChanged();
        return 0;
    }
    int OnTransaction(const char* datePosted, const char* amount, const char* type,
                      const char* checkNumber, const char* payee, const char* memo,
                      const char* transactionId) override {
        if (m_statements.empty()) return ofx::kErrorInvalidData;
        Statement& statement = m_statements.back();
        statement.lines.AddLine(COfxClient::OfxDateTimeToPalmDateTime(datePosted), amount, type,
                                checkNumber, payee, memo, transactionId);
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

using Statements = std::vector<StatementCollector::Statement>;

// The account number as the account record stores it (cut to its field).
std::string StoredAccountNumber(const std::string& number) {
    CCVAccountRecord record;
    record.SetAccountNumber(number.c_str());
    return record.GetAccountNumber();
}

// "1234", "5678" for a message.
std::string Numbers(const Statements& statements) {
    std::string numbers;
    for (const StatementCollector::Statement& statement : statements) {
        if (!numbers.empty()) numbers += ", ";
        numbers += "\"" + statement.accountNumber + "\"";
    }
    return numbers;
}

template <typename... Args>
int Fail(CStatementFile::Result& result, int error, res::StringId message, Args... args) {
    result.message = message;
    result.text = OnlineText(message, args...);
    return error;
}

// The statements whose account number is `number` as the account record would store it.
std::vector<const StatementCollector::Statement*> WithNumber(const Statements& statements,
                                                             const std::string& number) {
    std::vector<const StatementCollector::Statement*> found;
    for (const StatementCollector::Statement& statement : statements) {
        if (StoredAccountNumber(statement.accountNumber) == StoredAccountNumber(number)) {
            found.push_back(&statement);
        }
    }
    return found;
}

// The statement to take: by the number chosen, else the only one, else the account's, else the
// only one with lines (`note` then says so). Null with the message in `result` when none can be.
const StatementCollector::Statement* Choose(const CCVAccount& account, const Statements& statements,
                                            const std::string& file,
                                            const std::string* statementNumber,
                                            CStatementFile::Result& result, std::wstring& note,
                                            int& error) {
    if (statementNumber != nullptr) {
        const auto found = WithNumber(statements, *statementNumber);
        if (found.size() == 1) return found.front();
        error = found.empty() ? CStatementFile::kNoSuchStatement : CStatementFile::kSeveralFit;
        if (found.empty()) {
            Fail(result, error, res::IDS_STATEMENT_FILE_NO_SUCH, file.c_str(),
                 statementNumber->c_str(), Numbers(statements).c_str());
        } else {
            Fail(result, error, res::IDS_STATEMENT_FILE_SEVERAL_FIT, file.c_str(),
                 statementNumber->c_str());
        }
        return nullptr;
    }
    if (statements.size() == 1) return &statements.front();
    const std::string number = account.Record().GetAccountNumber();
    if (!number.empty()) {
        const auto found = WithNumber(statements, number);
        if (found.size() == 1) return found.front();
        if (found.size() > 1) {
            error = CStatementFile::kSeveralFit;
            Fail(result, error, res::IDS_STATEMENT_FILE_SEVERAL_FIT, file.c_str(), number.c_str());
            return nullptr;
        }
    }
    const StatementCollector::Statement* withLines = nullptr;
    std::size_t countWithLines = 0;
    for (const StatementCollector::Statement& statement : statements) {
        if (statement.lines.LineCount() == 0) continue;
        withLines = &statement;
        ++countWithLines;
    }
    if (countWithLines == 1) {
        note = OnlineText(res::IDS_STATEMENT_FILE_ONLY_WITH_LINES, Numbers(statements).c_str(),
                          withLines->accountNumber.c_str());
        return withLines;
    }
    error = CStatementFile::kNoneFits;
    Fail(result, error, res::IDS_STATEMENT_FILE_CHOOSE, file.c_str(), Numbers(statements).c_str());
    return nullptr;
}

}  // namespace

int CStatementFile::ImportStatementFile(CCVAccount& account, const std::string& path,
                                        Result& result, const std::string* statementNumber) {
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
    const Statements& statements = collector.Statements();
    if (statements.empty()) {
        return Fail(result, kNoStatement, res::IDS_STATEMENT_FILE_NO_STATEMENT, file.c_str());
    }
    std::wstring note;
    int error = kImported;
    const StatementCollector::Statement* chosen =
        Choose(account, statements, file, statementNumber, result, note, error);
    if (chosen == nullptr) return error;
    result.statement = chosen->accountNumber;
    CCVTxnList added;
    added.SetBorrowing();
    std::uint32_t changed = 0;
    const int rc = chosen->lines.ApplyTo(account, &added, &changed);
    result.added = added.Count();
    result.matched = static_cast<std::uint32_t>(account.GetMatchedCount());
    if (rc == CCVAccount::kBalanceLimit) {
        return Fail(result, kNotAdded, res::IDS_STATEMENT_FILE_BALANCE_LIMIT, file.c_str());
    }
    if (rc != 0) {
        return Fail(result, kNotAdded, res::IDS_STATEMENT_FILE_NOT_ADDED, file.c_str(), rc);
    }
    result.skipped = static_cast<std::uint32_t>(chosen->lines.LineCount()) - result.added;
    result.changed = changed;
    result.message = res::IDS_STATEMENT_FILE_IMPORTED;
    result.text = OnlineText(result.message, result.added, result.matched, result.skipped);
    if (!note.empty()) result.notes.push_back(note);
    if (const std::wstring changed = CDownloadedStatement::ChangedLinesNote(result.changed);
        !changed.empty()) {
        result.notes.push_back(changed);
    }
    for (const std::wstring& line : result.notes) result.text += L"\n" + line;
    return kImported;
}
