#pragma once

#include <cstdint>
#include <memory>

#include "storage/DateTime.h"

class CCVAccount;
class CCVTxnList;
class CDownloadIndex;
class CDownloadedLine;
class CTransaction;

// How one account takes in the lines of a downloaded bank statement (or an imported file),
// matching them against the transactions already entered, and how the user then reviews them:
// accept, match by hand, or leave unmatched. The account owns one and offers its operations.
//
// Operations answer 0 for success and 1 for an absent argument or a transaction not in the
// register; the register is then left as it was.
class CAccountDownload {
  public:
    enum class DownloadOrder { kOrderEachLine, kOrderAtEnd };

    explicit CAccountDownload(CCVAccount& account);
    ~CAccountDownload();
    CAccountDownload(const CAccountDownload&) = delete;
    CAccountDownload& operator=(const CAccountDownload&) = delete;

    // Starts taking in a statement: the account counts as new for it when the beginning balance
    // is 0 and the register empty; the downloaded transactions are also appended to
    // `downloadList` (which is made a borrowing list; null for none). Until End the register is
    // looked up through an index (CDownloadIndex), and nothing but AddLine may change it.
    // With kOrderAtEnd the new transactions are appended and the register is put in order once,
    // by End (as inserting each in turn would order it, but in n log n rather than n x n time);
    // until then the register is not in order, and nothing but AddLine may read or change it.
    void Begin(CCVTxnList* downloadList, DownloadOrder order);
    // Forgets the download list and the new-for-download state.
    void End();
    // Takes in one statement line; see the algorithm at the definition. 0, or the error of adding.
    int AddLine(DateTime date, const char* amountText, const char* typeText,
                const char* checkNumberText, const char* payeeText, const char* memoText,
                const char* transactionIdText);
    // For an account new for this download: the bank's balance becomes the cleared balance.
    int SetClearedBalanceFromBank(const char* balanceText);
    bool IsNewForDownload() const { return m_newForDownload; }
    std::int32_t GetMatchedCount() const { return m_matchedCount; }

    // ---- matching and review ----
    // Pairs a new downloaded or imported transaction with the first entered transaction of the
    // register that qualifies; true when one did.
    bool MatchAutomatically(CTransaction& added);
    // The same through an index of the register (CDownloadIndex::Candidates), for many additions
    // in a row; the index learns of the match.
    bool MatchAutomatically(CTransaction& added, CDownloadIndex& index);
    // Accepts a transaction awaiting review: alone it becomes an ordinary transaction; with its
    // partner, the partner takes the bank's amount, date and state and the transaction leaves the
    // register. 1 when it is not in the register.
    int AcceptTransaction(CTransaction* transaction);
    // Accepts every transaction awaiting review that passes the review filter, in register order.
    void AcceptDownloaded();
    // Empties the list and fills it, as a borrowing list, with the transactions a downloaded one
    // can be matched with, by date ascending.
    void MatchCandidates(CCVTxnList& candidates) const;
    // The user's choice of partner: transactions of the review filter matched with the candidate
    // lose that match, and the transaction is matched with it. Its former partner, when that one
    // still points back at it, is freed for the next download's automatic match.
    void MatchManually(CTransaction& transaction, const CTransaction& candidate);
    // Whether an entered transaction may take a downloaded one's figures: not a transfer and not
    // a split, whose twin or split lines would not follow.
    static bool CanBeMatched(const CTransaction& entered);
    // "No Match": the transaction loses its partner, and the partner its link back to it.
    void Unmatch(CTransaction& transaction);
    // The transaction is leaving the register as though it had never been added: an entered
    // transaction matched with it is freed, and it leaves the download list.
    void Forget(CTransaction& transaction);

  private:
    // Whether the automatic match may pair the entered transaction with the added one.
    static bool CanMatch(const CTransaction& entered, const CTransaction& added);
    // Clears the link of the transaction's partner when it points back at the transaction.
    void ReleasePartner(const CTransaction& transaction);
    // The line's transaction, matched through the index when it is not a duplicate; null for a
    // duplicate.
    std::unique_ptr<CTransaction> NewDownloadedTransaction(CDownloadIndex& index,
                                                           const CDownloadedLine& line,
                                                           bool& matched);

    CCVAccount& m_account;
    std::unique_ptr<CDownloadIndex> m_downloadIndex;
    DownloadOrder m_downloadOrder = DownloadOrder::kOrderEachLine;
    bool m_newForDownload = true;
    std::int32_t m_matchedCount = 0;
    CCVTxnList* m_downloadList = nullptr;
};
