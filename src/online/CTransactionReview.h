#pragma once

#include <cstdint>

#include "online/MOnlineMessages.h"
#include "resources/StringIds.h"

class CCVAccount;
class CCVTxnList;
class CTransaction;

// The review of an account's transactions awaiting review, through one register filter: 5
// "Downloaded" (they carry the bank's identifier) or 6 "Imported" (they carry none). It steps
// through the transactions that pass the filter, accepts them alone or folded into the entered
// transaction they are matched with, and changes that match. The filter is the account's review
// filter, which the accept-all rule follows too.
//
// Besides the review itself: the numbers of the online summary, and the register's check for
// unaccepted transactions with its two questions.
class CTransactionReview {
  public:
    // Where a review opens: the position within the filter, and the filter.
    struct Opening {
        bool open = false;
        std::int64_t index = 0;
        int filter = 0;
    };

    // What the online summary shows of an account after a download.
    struct Summary {
        std::uint32_t downloaded = 0;  // awaiting review with the bank's identifier
        std::int32_t matched = 0;      // matched automatically during the last download
        std::int64_t added = 0;        // the first less the second
    };

    // Opens the review at that position of the filter (a negative position counts as 0, one past
    // the end as the last) and makes the filter the account's review filter.
    CTransactionReview(CCVAccount& account, std::int64_t index, int filter);

    std::uint32_t Count() const;
    std::int64_t Position() const { return m_position; }
    // The transaction shown, or null when none passes the filter.
    CTransaction* Current() const;
    // The entered transaction the current one is matched with, when it still exists.
    CTransaction* Partner() const;
    // "Do you want to accept the Match Transaction?" with a partner, else the new-transaction one.
    res::StringId Question() const;

    // One step within the filter, without wrapping; false at the end.
    bool Next();
    bool Previous();
    bool HasNext() const { return m_position + 1 < static_cast<std::int64_t>(Count()); }
    bool HasPrevious() const { return m_position > 0; }

    // "Accept": accepts the current transaction and shows the one now at its position (the one
    // before when it was the last). False when none is left to review: the review closes.
    bool Accept();
    // "Accept All": accepts every transaction of the filter. The review closes.
    void AcceptAll();

    // The match screen: the transactions the current one can be matched with, by date.
    void Candidates(CCVTxnList& candidates) const;
    // "Match" with a candidate row, and "No Match". 1 when there is no current transaction;
    // kNotMatchable for a transfer or a split, which keep out of matching (accepting would change
    // them without their twin or their split lines).
    static constexpr int kNotMatchable = 2;
    int Match(const CTransaction& candidate);
    int NoMatch();

    // The online summary of the account.
    static Summary DownloadSummary(const CCVAccount& account);
    // The summary's "Accept All": every downloaded transaction is accepted.
    static void AcceptAllDownloaded(CCVAccount& account);

    // The register's check once it is up: when downloaded transactions came in since the owner
    // was last asked, asks whether to review them; otherwise, or on No, the same for imported
    // ones. Asking clears the account's flag. On Yes the answer is the review to open.
    static Opening CheckUnaccepted(CCVAccount& account, MOnlineMessages& messages);
    // "Edit Transaction" on a transaction awaiting review opens the review at it; for any other
    // transaction the answer is not to open one (the editor opens instead).
    static Opening OpeningFor(const CCVAccount& account, const CTransaction& transaction);

  private:
    // Keeps the position within the filter.
    void Clamp();

    CCVAccount& m_account;
    int m_filter;
    std::int64_t m_position;
};
