#include "interchange/CLineImport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <set>
#include <unordered_set>

#include "interchange/InterchangeValues.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/ModelText.h"

using interchange::Message;

namespace {

constexpr std::size_t kNameCapacity = kNameFieldSize - 1;
constexpr std::uint64_t kHashBasis = 14695981039346656037ULL;
constexpr std::uint64_t kHashPrime = 1099511628211ULL;

// "[Name]": the name; otherwise false.
bool TransferName(const std::string& category, std::string& name) {
    if (category.size() < 2 || category.front() != '[' || category.back() != ']') return false;
    name = category.substr(1, category.size() - 2);
    return true;
}

void Hash(std::uint64_t& hash, std::string_view text) {
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= kHashPrime;
    }
    hash ^= 0xFF;  // field separator
    hash *= kHashPrime;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

bool EqualNoCase(const std::string& a, const char* b) {
    return CompareNoCase(a.c_str(), b) == 0;
}

}  // namespace

CCVAccount* CLineImport::AccountOf(CCVAccount& chosen, const ImportedLine& line) const {
    if (line.account.empty()) return &chosen;
    return const_cast<CCVAccount*>(m_accounts.FindAccountByName(line.account.c_str()));
}

bool CLineImport::Check(CCVAccount& chosen, const std::vector<ImportedLine>& lines,
                        Result& result) const {
    const auto refuse = [&](const ImportedLine& line, const std::string& name) {
        result.error = Message(res::IDS_INTERCHANGE_NO_ACCOUNT, m_fileName.c_str(), line.lineNumber,
                               interchange::ToUtf8(name).c_str());
        return false;
    };
    std::string name;
    for (const ImportedLine& line : lines) {
        if (AccountOf(chosen, line) == nullptr) return refuse(line, line.account);
        if (TransferName(line.category, name) &&
            m_accounts.FindAccountByName(name.c_str()) == nullptr) {
            return refuse(line, name);
        }
        for (const ImportedSplit& split : line.splits) {
            if (TransferName(split.category, name) &&
                m_accounts.FindAccountByName(name.c_str()) == nullptr) {
                return refuse(line, name);
            }
        }
    }
    return true;
}

std::string CLineImport::Identifier(const std::string& account, const ImportedLine& line) {
    std::uint64_t hash = kHashBasis;
    Hash(hash, std::to_string(line.date / kSecondsPerDay));
    Hash(hash, std::to_string(line.amount));
    Hash(hash, line.number);
    Hash(hash, line.payee);
    Hash(hash, line.memo);
    Hash(hash, line.category);
    for (const ImportedSplit& split : line.splits) {
        Hash(hash, split.category);
        Hash(hash, std::to_string(split.amount));
    }
    char text[24];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    // Counted per account: the account is not part of the identifier, so a renamed account
    // still knows its lines.
    const std::uint32_t occurrence = m_seen[account + '\n' + text]++;
    return m_source + ":" + text + ":" + std::to_string(occurrence);
}

std::string CLineImport::Fit(const std::string& text, std::size_t capacity,
                             const ImportedLine& line, Result& result) const {
    if (text.size() <= capacity) return text;
    std::string kept = text.substr(0, capacity);
    result.notes.push_back(Message(res::IDS_INTERCHANGE_SHORTENED, m_fileName.c_str(),
                                   line.lineNumber, interchange::ToUtf8(text).c_str(),
                                   interchange::ToUtf8(kept).c_str()));
    return kept;
}

RecordKey CLineImport::CategoryKey(const CCVAccount& account, const std::string& category,
                                   const ImportedLine& line, Result& result) {
    if (category.empty()) return {};
    std::string name;
    if (TransferName(category, name)) {
        const CCVAccount* target = m_accounts.FindAccountByName(name.c_str());
        if (target == &account) {
            result.notes.push_back(Message(res::IDS_INTERCHANGE_SAME_ACCOUNT, m_fileName.c_str(),
                                           line.lineNumber, interchange::ToUtf8(name).c_str()));
            return {};
        }
        return target->GetAccountId();
    }
    const std::size_t colon = category.find(':');
    std::string path = Fit(category.substr(0, colon), kNameCapacity, line, result);
    if (colon != std::string::npos) {
        path += ':' + Fit(category.substr(colon + 1), kNameCapacity, line, result);
    }
    return m_accounts.GetCategories().FindOrCreate(path.c_str(), true);
}

RecordKey CLineImport::ClassKey(const std::string& className, const ImportedLine& line,
                                Result& result) {
    if (className.empty()) return {};
    RecordKey key;
    return m_accounts.GetClasses().KeyForName(Fit(className, kNameCapacity, line, result).c_str(),
                                              key, true);
}

int CLineImport::Fill(CCVAccount& account, CTransaction& added, const ImportedLine& line,
                      Result& result) {
    added.SetClassId(ClassKey(line.className, line, result));
    CAccountOperations operations(m_accounts);
    if (line.splits.empty()) {
        added.SetCategoryId(CategoryKey(account, line.category, line, result));
        if (m_accounts.FindAccountById(added.GetCategoryId()) != nullptr) {
            return operations.CreateTwin(account, added);
        }
        return 0;
    }
    CTransaction::SplitLines splits{};
    for (std::size_t i = 0; i < line.splits.size(); ++i) {
        const ImportedSplit& split = line.splits[i];
        splits[i].SetCategoryId(CategoryKey(account, split.category, line, result));
        splits[i].SetClassId(ClassKey(split.className, line, result));
        splits[i].SetMemo(Fit(split.memo, CSplitLine::kMemoCapacity, line, result).c_str());
        // A line's amount is a magnitude in the transaction's direction.
        splits[i].SetAmount(line.amount < 0 ? -split.amount : split.amount);
    }
    added.SetCategoryId(CTransaction::SplitCategoryId());
    added.SetSplits(splits);
    for (int i = 0; i < static_cast<int>(line.splits.size()); ++i) {
        if (m_accounts.FindAccountById(added.GetSplit(i).GetCategoryId()) == nullptr) continue;
        if (const int rc = operations.CreateTwin(account, added, i); rc != 0) return rc;
    }
    return 0;
}

bool CLineImport::Apply(CCVAccount& chosen, const std::vector<ImportedLine>& lines,
                        Result& result) {
    result = Result{};
    if (!Check(chosen, lines, result)) return false;
    m_seen.clear();
    std::set<CCVAccount*> touched;
    CCVTxnList downloaded;
    CCVPayeeList& payees = m_accounts.GetPayees();
    bool ok = true;
    // The identifiers each account holds, gathered once, so that a line already held is counted
    // as skipped without the register being walked for it; the downloaded-line rule checks the
    // others again.
    std::unordered_map<CCVAccount*, std::unordered_set<std::string>> held;
    for (const ImportedLine& line : lines) {
        CCVAccount& account = *AccountOf(chosen, line);
        auto [ids, first] = held.try_emplace(&account);
        if (first) {
            for (std::uint32_t i = 0; i < account.Transactions().Count(); ++i) {
                const char* id = account.Transactions().At(i)->GetOnlineId();
                if (id[0] != '\0') ids->second.insert(id);
            }
        }
        const std::string identifier = Identifier(account.GetName(), line);
        if (!ids->second.insert(identifier).second) {
            ++result.skipped;
            continue;
        }
        const std::string payee = Fit(line.payee, CTransaction::kPayeeCapacity, line, result);
        const std::string memo = Fit(line.memo, CTransaction::kMemoCapacity, line, result);
        const char* type = line.amount >= 0                  ? "CREDIT"
                           : EqualNoCase(line.number, "ATM") ? "ATM"
                                                             : "DEBIT";
        const std::string number = AllDigits(line.number) ? line.number : std::string();
        const std::string amount = interchange::FormatFileAmount(line.amount);
        // One download for each account over the whole file, as a statement is taken.
        if (touched.insert(&account).second) account.BeginDownload(&downloaded);
        const std::uint32_t before = downloaded.Count();
        const int rc = account.AddDownloadedLine(line.date, amount.c_str(), type, number.c_str(),
                                                 payee.c_str(), memo.c_str(), identifier.c_str());
        CTransaction* added = rc == 0 && downloaded.Count() > before
                                  ? downloaded.At(downloaded.Count() - 1)
                                  : nullptr;
        if (rc != 0) {
            result.error =
                Message(res::IDS_INTERCHANGE_NOT_ADDED, m_fileName.c_str(), line.lineNumber, rc);
            ok = false;
            break;
        }
        if (added == nullptr) {
            ++result.skipped;
            continue;
        }
        ++result.added;
        // The file's state, which the review gives a matched transaction too.
        added->SetState(line.state);
        if (!added->GetMatchedTransactionId().IsNull()) {
            ++result.matched;
            continue;
        }
        if (const int twin = Fill(account, *added, line, result); twin != 0) {
            result.error =
                Message(res::IDS_INTERCHANGE_NOT_ADDED, m_fileName.c_str(), line.lineNumber, twin);
            ok = false;
            break;
        }
        // The payee the transaction has (a payee look-up may have named it), as the editor
        // adds a payee new to the list.
        const char* name = added->GetPayeeName();
        if (name[0] != '\0' && payees.FindPayee(name) == nullptr) payees.NewPayee(name);
        m_accounts.MemorizePayee(*added);
    }
    // The states the lines took count in the cleared balances.
    for (CCVAccount* account : touched) {
        account->EndDownload();
        account->RecomputeBalances();
    }
    return ok;
}
