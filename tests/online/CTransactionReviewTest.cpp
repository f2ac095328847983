// Reviewing downloaded and imported transactions: stepping through a filter, accepting a matched
// line, changing the match, accepting the last one, the online summary and the register's check
// for unaccepted transactions.
#include "online/CTransactionReview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/RegisterFixture.h"
#include "online/ScriptedOnline.h"

namespace {

using register_fixture::Txn;
using register_fixture::Type;

constexpr DateTime kDay = 2000 * kSecondsPerDay;

class ReviewTest : public ::testing::Test {
  protected:
    CTransaction* Enter(DateTime date, Amount amount, const char* payee, const char* memo = "") {
        auto t = Txn(date, amount, Type::kTypeWithdrawal, payee);
        t->SetMemo(memo);
        CTransaction* entered = t.get();
        account.AddTransaction(std::move(t));
        return entered;
    }
    CTransaction* Download(const char* amount, const char* id, DateTime date = kDay) {
        EXPECT_EQ(
            account.AddDownloadedLine(date, amount, "DEBIT", "", "BANK PAYEE", "bank memo", id), 0);
        for (std::uint32_t i = 0; i < account.Transactions().Count(); ++i) {
            if (std::string(account.Transactions().At(i)->GetOnlineId()) == id) {
                return account.Transactions().At(i);
            }
        }
        return nullptr;
    }

    register_fixture::TestAccountList list;
    CCVAccount& account = list.AddAccount("Checking");
    CCVTxnList downloaded;
};

TEST_F(ReviewTest, AcceptingAMatchedLineLeavesTheEnteredTransaction) {
    CTransaction* rent = Enter(kDay - 2 * kSecondsPerDay, 50000, "Landlord", "March rent");
    account.BeginDownload(&downloaded);
    CTransaction* line = Download("-500.00", "FIT-1");
    account.EndDownload();

    CTransactionReview review(account, 0, CTransaction::kFilterDownloaded);
    ASSERT_EQ(review.Count(), 1u);
    EXPECT_EQ(review.Current(), line);
    EXPECT_EQ(review.Partner(), rent);
    EXPECT_EQ(review.Question(), res::IDS_ACCEPT_MATCH_QUESTION);
    const CTransactionReview::Summary summary = CTransactionReview::DownloadSummary(account);
    EXPECT_EQ(summary.downloaded, 1u);
    EXPECT_EQ(summary.matched, 1);
    EXPECT_EQ(summary.added, 0);  // what the online summary shows

    EXPECT_FALSE(review.Accept());  // the last one: the review closes
    ASSERT_EQ(account.Transactions().Count(), 1u);
    EXPECT_EQ(account.Transactions().At(0), rent);
    EXPECT_EQ(rent->GetDate(), kDay);
    EXPECT_EQ(rent->GetState(), CTransaction::kCleared);
    EXPECT_STREQ(rent->GetOnlineId(), "FIT-1");
    EXPECT_STREQ(rent->GetMemo(), "March rent");
    EXPECT_EQ(rent->GetOnlineOrigin(), CTransaction::kAccepted);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), -50000);
    EXPECT_EQ(CTransactionReview::DownloadSummary(account).matched, 0);
}

TEST_F(ReviewTest, ChangeMatchAndNoMatch) {
    CTransaction* first = Enter(kDay - kSecondsPerDay, 2000, "First");
    CTransaction* second = Enter(kDay + kSecondsPerDay, 2000, "Second");
    CTransaction* line = Download("-20", "FIT-1");
    ASSERT_EQ(line->GetMatchedTransactionId(), first->GetTransactionId());

    CTransactionReview review(account, 0, CTransaction::kFilterDownloaded);
    CCVTxnList candidates;
    review.Candidates(candidates);
    ASSERT_EQ(candidates.Count(), 2u);  // by date; the line itself is no candidate
    ASSERT_EQ(review.Match(*candidates.At(1)), 0);
    EXPECT_EQ(review.Partner(), second);
    // The entry given up is free for the next line of its amount.
    EXPECT_TRUE(first->GetMatchedTransactionId().IsNull());
    CTransaction* next = Download("-20", "FIT-2", kDay + 2 * kSecondsPerDay);
    EXPECT_EQ(next->GetMatchedTransactionId(), first->GetTransactionId());

    ASSERT_EQ(review.NoMatch(), 0);
    EXPECT_EQ(review.Partner(), nullptr);
    EXPECT_EQ(review.Question(), res::IDS_ACCEPT_NEW_QUESTION);
    EXPECT_TRUE(review.Accept());  // FIT-2 is still waiting
    EXPECT_EQ(line->GetOnlineOrigin(), CTransaction::kAccepted);
    EXPECT_EQ(account.Transactions().Count(), 4u);  // accepted alone: nothing was folded

    // Back to the second entry, then accepted into it.
    EXPECT_EQ(review.Current(), next);
    EXPECT_EQ(review.Partner(), first);
    ASSERT_EQ(review.Match(*second), 0);
    EXPECT_FALSE(review.Accept());
    EXPECT_EQ(account.FindById(next->GetTransactionId()), nullptr);
    EXPECT_STREQ(second->GetOnlineId(), "FIT-2");
    EXPECT_EQ(second->GetDate(), kDay + 2 * kSecondsPerDay);
    EXPECT_TRUE(first->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(review.NoMatch(), 1);  // nothing left to review
}

TEST_F(ReviewTest, SteppingAndAcceptingWithinTheFilter) {
    for (const char* id : {"A", "B", "C"}) Download("-1", id);
    auto imported = Txn(kDay, 300, Type::kTypeWithdrawal, "imported", CTransaction::kCleared);
    imported->SetOnlineOrigin(CTransaction::kAwaitingReview);
    CTransaction* importedOne = imported.get();
    account.AddTransaction(std::move(imported));
    EXPECT_EQ(CTransactionReview::OpeningFor(account, *importedOne).filter,
              CTransaction::kFilterImported);

    CTransactionReview review(account, -4, CTransaction::kFilterDownloaded);
    EXPECT_EQ(review.Position(), 0);
    EXPECT_FALSE(review.Previous());
    EXPECT_TRUE(review.Next() && review.Next());
    EXPECT_FALSE(review.Next());  // no wrapping at the end
    // Accepting the last position steps back to the one before.
    EXPECT_TRUE(review.Accept());
    EXPECT_STREQ(review.Current()->GetOnlineId(), "B");
    const CTransactionReview::Opening opening =
        CTransactionReview::OpeningFor(account, *review.Current());
    EXPECT_EQ(opening.index, 1);  // "Edit Transaction" on it opens the review there
    EXPECT_TRUE(review.Previous());
    EXPECT_TRUE(review.Accept());
    EXPECT_STREQ(review.Current()->GetOnlineId(), "B");
    EXPECT_FALSE(review.Accept());
    EXPECT_FALSE(CTransactionReview::OpeningFor(account, *account.Transactions().At(0)).open);
    // The imported transaction waits in its own filter until its own Accept All.
    CTransactionReview imports(account, 7, CTransaction::kFilterImported);
    EXPECT_EQ(imports.Current(), importedOne);
    imports.AcceptAll();
    EXPECT_EQ(imports.Count(), 0u);
}

TEST_F(ReviewTest, UnacceptedCheckAsksEachQuestionOnce) {
    using Events = std::vector<std::string>;
    online_testing::ScriptedOnline ui;
    // A new account object has both flags set, but nothing to review: nothing is asked and the
    // flags wait for transactions.
    EXPECT_FALSE(CTransactionReview::CheckUnaccepted(account, ui).open);
    EXPECT_TRUE(ui.events.empty());
    Download("-1", "A");
    Download("-2", "B");
    auto imported = Txn(kDay, 300, Type::kTypeWithdrawal, "imported", CTransaction::kCleared);
    imported->SetOnlineOrigin(CTransaction::kAwaitingReview);
    account.AddTransaction(std::move(imported));

    ui.answers = {false, true};
    const CTransactionReview::Opening opening = CTransactionReview::CheckUnaccepted(account, ui);
    EXPECT_EQ(ui.events, (Events{"caller yes/no Coinvale: There are 2 unaccepted txns for this "
                                 "account.  Would you like to review them now?",
                                 "caller yes/no Coinvale: There are 1 imported transactions "
                                 "for this account.  Would you like to review them now?"}));
    EXPECT_TRUE(opening.open);
    EXPECT_EQ(opening.filter, CTransaction::kFilterImported);
    // Asked once; a further download asks again, and Yes opens that review.
    ui.events.clear();
    EXPECT_FALSE(CTransactionReview::CheckUnaccepted(account, ui).open);
    EXPECT_TRUE(ui.events.empty());
    Download("-3", "C");
    ui.answers = {true};
    EXPECT_EQ(CTransactionReview::CheckUnaccepted(account, ui).filter,
              CTransaction::kFilterDownloaded);
    EXPECT_EQ(ui.events.size(), 1u);
}

}  // namespace

namespace {

TEST_F(ReviewTest, TransfersAndSplitsStayOutOfMatching) {
    // Fault mended: accepting a line matched with a transfer or a split gave it the bank's amount
    // and date while its twin in the other account, or its split lines, kept the old ones.
    CTransaction* transfer = Enter(kDay - kSecondsPerDay, 4250, "To Savings");
    transfer->SetLinkedTransactionId(NewRecordKey());
    CTransaction* split = Enter(kDay - kSecondsPerDay, 4250, "Shop");
    split->SetCategoryId(CTransaction::SplitCategoryId());
    CTransaction* plain = Enter(kDay, 4250, "Corner");
    account.BeginDownload(&downloaded);
    CTransaction* line = Download("-42.50", "FIT-9");
    account.EndDownload();
    // The automatic match passes over both, though they come first in the list.
    EXPECT_EQ(line->GetMatchedTransactionId(), plain->GetTransactionId());

    CTransactionReview review(account, 0, CTransaction::kFilterDownloaded);
    EXPECT_EQ(review.Match(*transfer), CTransactionReview::kNotMatchable);
    EXPECT_EQ(review.Match(*split), CTransactionReview::kNotMatchable);
    EXPECT_EQ(line->GetMatchedTransactionId(), plain->GetTransactionId());
    EXPECT_EQ(review.Match(*plain), 0);
    EXPECT_FALSE(review.Accept());
    EXPECT_EQ(transfer->GetAmount(), 4250);
    EXPECT_EQ(account.Transactions().Count(), 3u);
}

}  // namespace
