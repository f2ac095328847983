#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "resources/StringIds.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

namespace cli {

// What looks wrong in a data folder read without changing it (CCVAccountList::Inspect): the
// files the read found missing, unreadable or damaged, a save a crash interrupted, and the
// copies kept of damaged files (what they hold is not in the data); transactions whose category,
// class or payee look-up is not in its list (a list replaced after damage: the transactions keep
// the keys, so putting the list back brings them back); transfers whose twin points nowhere (the
// account or the twin is gone, or the twin does not point back); and stored balances that the
// transactions do not add up to.
class CDataCheck {
  public:
    struct Problem {
        std::string kind;     // a fixed word for programs: "damaged", "twinMissing", ...
        std::string file;     // the file concerned
        std::string message;  // for people
    };

    explicit CDataCheck(CCVAccountList& accounts) : m_accounts(accounts) {}

    // Runs every check; the register's balances are recomputed in memory on the way.
    void Run();
    const std::vector<Problem>& Problems() const { return m_problems; }
    int Files() const { return m_files; }
    std::int64_t Transactions() const { return m_transactions; }

  private:
    void CheckFiles();
    void CheckDamagedCopies();
    // The category, class and payee look-up of the transaction and of its split lines.
    void CheckReferences(const CCVAccount& account, const CTransaction& transaction);
    void CheckTwins(const CCVAccount& account, const CTransaction& transaction);
    // The twin of the whole transaction (line -1) or of a split line.
    void CheckTwin(const CCVAccount& account, const CTransaction& transaction, int line);
    void CheckSplitTwin(const CCVAccount& account, const CTransaction& transaction);
    void CheckBalances(CCVAccount& account);
    void Add(const char* kind, const CCVAccount& account, std::string message);
    // The account's transaction with that identifier, as CCVAccount::FindById finds it, through
    // an index made once per account (a register is searched thousands of times here).
    const CTransaction* Find(const CCVAccount& account, const RecordKey& id);
    std::string Message(res::StringId id, const CCVAccount& account,
                        const CTransaction& transaction, const CCVAccount* other) const;

    CCVAccountList& m_accounts;
    std::map<const CCVAccount*, std::map<RecordKey, const CTransaction*>> m_index;
    std::vector<Problem> m_problems;
    int m_files = 0;
    std::int64_t m_transactions = 0;
};

}  // namespace cli
