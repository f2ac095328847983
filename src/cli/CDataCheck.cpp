#include "cli/CDataCheck.h"

#include "cli/CliValues.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"

namespace cli {
namespace {

constexpr int kWhole = CAccountOperations::kWholeTransaction;

const char* KindOf(CCVAccountList::FileProblem::Kind kind) {
    switch (kind) {
        case CCVAccountList::FileProblem::kMissing:
            return "missing";
        case CCVAccountList::FileProblem::kUnreadable:
            return "unreadable";
        default:
            return "damaged";
    }
}

res::StringId MessageOf(CCVAccountList::FileProblem::Kind kind) {
    switch (kind) {
        case CCVAccountList::FileProblem::kMissing:
            return res::IDS_CLI_FILE_PROBLEM_MISSING;
        case CCVAccountList::FileProblem::kUnreadable:
            return res::IDS_CLI_FILE_PROBLEM_UNREADABLE;
        default:
            return res::IDS_CLI_FILE_PROBLEM_DAMAGED;
    }
}

}  // namespace

void CDataCheck::Run() {
    m_problems.clear();
    m_index.clear();
    m_transactions = 0;
    CheckFiles();
    for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
        CCVAccount& account = *m_accounts.At(i);
        const CCVTxnList& transactions = account.Transactions();
        m_transactions += transactions.Count();
        for (std::uint32_t n = 0; n < transactions.Count(); ++n) {
            CheckTwins(account, *static_cast<const CTransaction*>(transactions.GetAt(n)));
        }
        CheckBalances(account);
    }
}

void CDataCheck::CheckFiles() {
    m_files = CCVAccountList::kListFileCount + static_cast<int>(m_accounts.Count());
    for (const CCVAccountList::FileProblem& problem : m_accounts.Problems()) {
        // An account file that could not be read at all is not among the accounts.
        if (problem.kind == CCVAccountList::FileProblem::kUnreadable &&
            problem.path.ends_with(std::string(".") + CCVAccountList::kAccountExtension)) {
            ++m_files;
        }
        m_problems.push_back({KindOf(problem.kind), problem.path,
                              Format(MessageOf(problem.kind), problem.path.c_str())});
    }
}

std::string CDataCheck::Message(res::StringId id, const CCVAccount& account,
                                const CTransaction& transaction, const CCVAccount* other) const {
    // Every message names the account, the transaction (date, payee, amount) and, where it has
    // one, the other account; a message that has no place for the last leaves it out.
    return Format(id, Utf8(account.GetName()).c_str(), FormatDate(transaction.GetDate()).c_str(),
                  Utf8(transaction.GetPayeeName()).c_str(),
                  FormatAmount(transaction.GetSignedAmount()).c_str(),
                  other != nullptr ? Utf8(other->GetName()).c_str() : "");
}

const CTransaction* CDataCheck::Find(const CCVAccount& account, const RecordKey& id) {
    auto [entry, made] = m_index.try_emplace(&account);
    std::map<RecordKey, const CTransaction*>& index = entry->second;
    if (made) {
        const CCVTxnList& transactions = account.Transactions();
        for (std::uint32_t n = 0; n < transactions.Count(); ++n) {
            const auto* transaction = static_cast<const CTransaction*>(transactions.GetAt(n));
            index.emplace(transaction->GetTransactionId(), transaction);  // the first one counts
        }
    }
    const auto found = index.find(id);
    return found != index.end() ? found->second : nullptr;
}

void CDataCheck::Add(const char* kind, const CCVAccount& account, std::string message) {
    m_problems.push_back({kind, m_accounts.AccountFilePath(account.GetName()), std::move(message)});
}

void CDataCheck::CheckTwins(const CCVAccount& account, const CTransaction& transaction) {
    if (transaction.IsSplitTransferTwin()) {
        CheckSplitTwin(account, transaction);
    } else if (transaction.IsSplit()) {
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (transaction.SplitLineInUse(line)) CheckTwin(account, transaction, line);
        }
    } else {
        CheckTwin(account, transaction, kWhole);
    }
}

void CDataCheck::CheckTwin(const CCVAccount& account, const CTransaction& transaction, int line) {
    const bool whole = line == kWhole;
    const RecordKey& link = whole ? transaction.GetLinkedTransactionId()
                                  : transaction.GetSplit(line).GetLinkedTransactionId();
    if (link.IsNull()) return;  // not a transfer, or one whose twin was let go (a purge)
    const CCVAccount* other = m_accounts.FindAccountById(
        whole ? transaction.GetCategoryId() : transaction.GetSplit(line).GetCategoryId());
    const CTransaction* twin = other != nullptr ? Find(*other, link) : nullptr;
    if (other == nullptr) {
        Add("transferNowhere", account,
            Message(res::IDS_CLI_CHECK_TRANSFER_NOWHERE, account, transaction, nullptr));
    } else if (twin == nullptr) {
        Add("twinMissing", account,
            Message(res::IDS_CLI_CHECK_TWIN_MISSING, account, transaction, other));
    } else if (twin->GetLinkedTransactionId() != transaction.GetTransactionId() ||
               twin->GetCategoryId() != account.GetAccountId()) {
        Add("twinAstray", account,
            Message(res::IDS_CLI_CHECK_TWIN_ASTRAY, account, transaction, other));
    }
}

void CDataCheck::CheckSplitTwin(const CCVAccount& account, const CTransaction& transaction) {
    // The twin of a split line elsewhere: the source's line must name this account and link here.
    const CCVAccount* other = m_accounts.FindAccountById(transaction.GetCategoryId());
    const CTransaction* source =
        other != nullptr ? Find(*other, transaction.GetLinkedTransactionId()) : nullptr;
    if (other == nullptr) {
        Add("transferNowhere", account,
            Message(res::IDS_CLI_CHECK_TRANSFER_NOWHERE, account, transaction, nullptr));
        return;
    }
    if (source == nullptr) {
        Add("twinMissing", account,
            Message(res::IDS_CLI_CHECK_TWIN_MISSING, account, transaction, other));
        return;
    }
    const CSplitLine& line = source->GetSplit(transaction.GetSourceSplitIndex());
    if (line.GetLinkedTransactionId() != transaction.GetTransactionId() ||
        line.GetCategoryId() != account.GetAccountId()) {
        Add("twinAstray", account,
            Message(res::IDS_CLI_CHECK_TWIN_ASTRAY, account, transaction, other));
    }
}

void CDataCheck::CheckBalances(CCVAccount& account) {
    const Amount storedCurrent = account.Record().GetCurrentBalance();
    const Amount storedCleared = account.Record().GetClearedBalance();
    account.RecomputeBalances();
    const Amount current = account.Record().GetCurrentBalance();
    const Amount cleared = account.Record().GetClearedBalance();
    const std::string name = Utf8(account.GetName());
    if (storedCurrent != current) {
        Add("balance", account,
            Format(res::IDS_CLI_CHECK_BALANCE, name.c_str(), FormatAmount(storedCurrent).c_str(),
                   FormatAmount(current).c_str()));
    }
    if (storedCleared != cleared) {
        Add("clearedBalance", account,
            Format(res::IDS_CLI_CHECK_CLEARED_BALANCE, name.c_str(),
                   FormatAmount(storedCleared).c_str(), FormatAmount(cleared).c_str()));
    }
}

}  // namespace cli
