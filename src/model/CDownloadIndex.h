#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "storage/Amount.h"
#include "storage/DateTime.h"

class CCVTxnList;
class CTransaction;

// The register of an account as one statement's lines look it up, so that each line costs a
// few hash look-ups however long the register is:
//
// - duplicates. A line whose bank identifier a transaction held before this statement is known.
//   Within one statement a repeated identifier is the same line only when the date and amount
//   are the same too (some banks write one identifier, all zeros, for every line). A line without
//   an identifier is known when an earlier imported transaction without one has the same date,
//   amount, payee and check number; each earlier transaction stands for one line, so two equal
//   lines of a statement are both known only when two such transactions exist.
// - the automatic match. The entered transactions a downloaded line may be paired with, by
//   amount, in register order.
//
// Built from the register when the statement begins; the statement's own transactions are told
// to it as they are added. When anything else inserts or removes a transaction meanwhile, Sync
// builds it again (the statement's own transactions still count as the statement's).
class CDownloadIndex {
  public:
    explicit CDownloadIndex(const CCVTxnList& transactions);

    // Builds the index again when the register was changed by something else since.
    void Sync(const CCVTxnList& transactions);

    // Whether a line with this bank identifier (not empty), date and signed amount repeats one
    // the account holds.
    bool IsKnownId(const std::string& id, DateTime date, Amount signedAmount) const;
    // Whether the transaction made from a line without an identifier repeats an earlier imported
    // one, which it then uses up.
    bool TakeWithoutIdDuplicate(const CTransaction& line);
    // The statement's transaction has been added to the register.
    void Added(const CTransaction& added);
    // The entered transactions of that amount that may still be matched, in register order.
    std::vector<CTransaction*>* Candidates(Amount amount);
    // The candidate has been matched and is no candidate any more.
    void Matched(CTransaction* candidate);

  private:
    struct Seen {
        DateTime date;
        Amount amount;
    };

    static std::string WithoutIdKey(const CTransaction& transaction);
    void Build(const CCVTxnList& transactions);

    std::unordered_set<std::string> m_idsBefore;
    std::unordered_map<std::string, std::vector<Seen>> m_idsOfStatement;
    std::unordered_map<std::string, std::uint32_t> m_withoutIdBefore;
    std::unordered_map<Amount, std::vector<CTransaction*>> m_candidates;
    std::unordered_set<const CTransaction*> m_ownLines;
    const CCVTxnList* m_list = nullptr;
    std::uint64_t m_editCount = 0;
};
