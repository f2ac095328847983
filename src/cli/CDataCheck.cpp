#include "cli/CDataCheck.h"

#include <algorithm>

#include "cli/CliValues.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/DataFolderText.h"
#include "platform/sys/Files.h"
#include "resources/ScreenIds.h"

namespace cli {
namespace {

constexpr int kWhole = CAccountOperations::kWholeTransaction;

const char* KindOf(CCVAccountList::FileProblem::Kind kind) {
    switch (kind) {
        case CCVAccountList::FileProblem::kMissing:
            return "missing";
        case CCVAccountList::FileProblem::kUnreadable:
            return "unreadable";
        case CCVAccountList::FileProblem::kNotAnAccount:
            return "notAnAccount";
        case CCVAccountList::FileProblem::kNotAFile:
            return "notAFile";
        case CCVAccountList::FileProblem::kUnfinishedSave:
            return "unfinishedSave";
        default:
            return "damaged";
    }
}

constexpr const char* kDamagedMark = ".damaged";

}  // namespace

void CDataCheck::Run() {
    m_problems.clear();
    m_index.clear();
    m_transactions = 0;
    CheckFiles();
    CheckDamagedCopies();
    for (std::uint32_t i = 0; i < m_accounts.Count(); ++i) {
        CCVAccount& account = *m_accounts.At(i);
        const CCVTxnList& transactions = account.Transactions();
        m_transactions += transactions.Count();
        for (std::uint32_t n = 0; n < transactions.Count(); ++n) {
            const auto& transaction = *static_cast<const CTransaction*>(transactions.GetAt(n));
            CheckReferences(account, transaction);
            CheckTwins(account, transaction);
        }
        CheckBalances(account);
    }
}

void CDataCheck::CheckFiles() {
    m_files = CCVAccountList::kListFileCount + static_cast<int>(m_accounts.Count());
    for (const CCVAccountList::FileProblem& problem : m_accounts.Problems()) {
        // An account file that could not be read at all is not among the accounts.
        if (problem.kind != CCVAccountList::FileProblem::kDamaged &&
            problem.kind != CCVAccountList::FileProblem::kUnfinishedSave &&
            problem.path.ends_with(std::string(".") + CCVAccountList::kAccountExtension)) {
            ++m_files;
        }
        m_problems.push_back({KindOf(problem.kind), problem.path, FileProblemText(problem)});
    }
}

void CDataCheck::CheckDamagedCopies() {
    std::vector<std::string> names;
    if (sys::ListFolder(m_accounts.GetFolder(), names) != 0) return;
    std::sort(names.begin(), names.end());
    for (const std::string& name : names) {
        // name + ".damaged", then ".damaged-2", ...
        const std::size_t mark = name.rfind(kDamagedMark);
        if (mark == std::string::npos || mark == 0) continue;
        const std::string rest = name.substr(mark + std::char_traits<char>::length(kDamagedMark));
        if (!rest.empty() && (rest[0] != '-' || rest.size() < 2 ||
                              rest.find_first_not_of("0123456789", 1) != std::string::npos)) {
            continue;
        }
        const std::string path = m_accounts.GetFolder() + name;
        m_problems.push_back({"damagedCopy", path, Format(res::IDS_CHECK_DAMAGED_COPY, path.c_str())});
    }
}

void CDataCheck::CheckReferences(const CCVAccount& account, const CTransaction& transaction) {
    std::string text;
    std::uint16_t icon = 0;
    const auto categoryMissing = [&](const RecordKey& category) {
        return !category.IsNull() && m_accounts.GetCategoryText(category, text, icon) != 0;
    };
    const auto classMissing = [&](const RecordKey& key) {
        return !key.IsNull() && m_accounts.GetClasses().FindByKey(key) == nullptr;
    };
    // A transfer names an account; the twin check covers it.
    bool category = transaction.GetLinkedTransactionId().IsNull() &&
                    categoryMissing(transaction.GetCategoryId());
    bool klass = classMissing(transaction.GetClassId());
    if (transaction.IsSplit()) {
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (!transaction.SplitLineInUse(line)) continue;
            const CSplitLine& split = transaction.GetSplit(line);
            category = category || (split.GetLinkedTransactionId().IsNull() &&
                                    categoryMissing(split.GetCategoryId()));
            klass = klass || classMissing(transaction.GetSplit(line).GetClassId());
        }
    }
    if (category) {
        Add("categoryMissing", account,
            Message(res::IDS_CHECK_CATEGORY_MISSING, account, transaction, nullptr));
    }
    if (klass) {
        Add("classMissing", account,
            Message(res::IDS_CHECK_CLASS_MISSING, account, transaction, nullptr));
    }
    const RecordKey& payee = transaction.GetPayeeId();
    if (!payee.IsNull() && m_accounts.GetPayeeLookUps().FindByKey(payee) == nullptr) {
        Add("payeeMissing", account,
            Message(res::IDS_CHECK_PAYEE_MISSING, account, transaction, nullptr));
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
