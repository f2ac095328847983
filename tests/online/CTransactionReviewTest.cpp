// Reviewing downloaded and imported transactions: stepping through a filter, accepting a matched
// line, changing the match, accepting the last one, the online summary and the register's check
// for unaccepted transactions.
#include "online/CTransactionReview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/BuiltInKey.h"
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
    const RecordKey rentId = rent->GetTransactionId();
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
    EXPECT_EQ(summary.added, 0);

    EXPECT_FALSE(review.Accept());  // the last one: the review closes
    ASSERT_EQ(account.Transactions().Count(), 1u);
    EXPECT_EQ(account.Transactions().At(0), rent);
    EXPECT_EQ(rent->GetTransactionId(), rentId);
    EXPECT_EQ(rent->GetAmount(), 50000);
    EXPECT_EQ(rent->GetDate(), kDay);
    EXPECT_EQ(rent->GetState(), CTransaction::kCleared);
    EXPECT_STREQ(rent->GetOnlineId(), "FIT-1");
    EXPECT_STREQ(rent->GetMemo(), "March rent");
    EXPECT_EQ(rent->GetOnlineOrigin(), CTransaction::kAccepted);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCurrent), -50000);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), -50000);
    EXPECT_EQ(CTransactionReview::DownloadSummary(account).matched, 0);
}

TEST_F(ReviewTest, ChangeMatchAndNoMatch) {
    CTransaction* first = Enter(kDay - kSecondsPerDay, 2000, "First");
    CTransaction* second = Enter(kDay + kSecondsPerDay, 2000, "Second");
    Enter(kDay, 1, "Reconciled")->SetReconciled();
    CTransaction* line = Download("-20", "FIT-1");
    ASSERT_EQ(line->GetMatchedTransactionId(), first->GetTransactionId());

    CTransactionReview review(account, 0, CTransaction::kFilterDownloaded);
    CCVTxnList candidates;
    review.Candidates(candidates);
    // Neither the reconciled entry nor the line itself can be chosen; by date.
    ASSERT_EQ(candidates.Count(), 2u);
    EXPECT_EQ(candidates.At(0), first);
    EXPECT_EQ(candidates.At(1), second);

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
    EXPECT_EQ(account.Transactions().Count(), 5u);  // accepted alone: nothing was folded

    // Back to the second entry, then accepted into it.
    EXPECT_EQ(review.Current(), next);
    EXPECT_EQ(review.Partner(), first);
    review.Candidates(candidates);
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
    account.AddTransaction(std::move(imported));

    CTransactionReview review(account, -4, CTransaction::kFilterDownloaded);
    EXPECT_EQ(account.GetReviewFilter(), CTransaction::kFilterDownloaded);
    EXPECT_EQ(review.Position(), 0);
    EXPECT_FALSE(review.Previous());
    EXPECT_TRUE(review.Next());
    EXPECT_TRUE(review.Next());
    EXPECT_FALSE(review.Next());  // no wrapping at the end
    EXPECT_STREQ(review.Current()->GetOnlineId(), "C");
    // Accepting the last position steps back to the one before.
    EXPECT_TRUE(review.Accept());
    EXPECT_EQ(review.Position(), 1);
    EXPECT_STREQ(review.Current()->GetOnlineId(), "B");
    EXPECT_TRUE(review.Previous());
    EXPECT_TRUE(review.Accept());
    EXPECT_STREQ(review.Current()->GetOnlineId(), "B");
    EXPECT_FALSE(review.Accept());
    EXPECT_EQ(review.Current(), nullptr);
    // The imported transaction waits in its own filter.
    EXPECT_EQ(account.CountFiltered(CTransaction::kFilterImported), 1u);

    CTransactionReview imports(account, 7, CTransaction::kFilterImported);
    EXPECT_EQ(imports.Position(), 0);
    imports.AcceptAll();
    EXPECT_EQ(imports.Count(), 0u);
}

TEST_F(ReviewTest, OnlineSummaryAcceptAll) {
    Enter(kDay, 100, "matched");
    account.BeginDownload(&downloaded);
    Download("-1", "A");
    Download("-2", "B");
    account.EndDownload();
    const CTransactionReview::Summary summary = CTransactionReview::DownloadSummary(account);
    EXPECT_EQ(summary.downloaded, 2u);
    EXPECT_EQ(summary.matched, 1);
    EXPECT_EQ(summary.added, 1);
    account.SetReviewFilter(CTransaction::kFilterImported);
    CTransactionReview::AcceptAllDownloaded(account);
    EXPECT_EQ(account.CountFiltered(CTransaction::kFilterDownloaded), 0u);
    EXPECT_EQ(account.GetMatchedCount(), 0);
    EXPECT_EQ(account.Transactions().Count(), 2u);
}

TEST_F(ReviewTest, UnacceptedCheckAsksEachQuestionOnce) {
    using Events = std::vector<std::string>;
    online_testing::ScriptedOnline ui;
    // A new account object has both flags set, but nothing to review: nothing is asked and the
    // flags wait for transactions.
    EXPECT_FALSE(CTransactionReview::CheckUnaccepted(account, ui).open);
    EXPECT_TRUE(ui.events.empty());
    EXPECT_TRUE(account.GetDownloadReviewPending());

    Download("-1", "A");
    Download("-2", "B");
    auto imported = Txn(kDay, 300, Type::kTypeWithdrawal, "imported", CTransaction::kCleared);
    imported->SetOnlineOrigin(CTransaction::kAwaitingReview);
    account.AddTransaction(std::move(imported));

    ui.answers = {false, true};
    const CTransactionReview::Opening opening = CTransactionReview::CheckUnaccepted(account, ui);
    EXPECT_EQ(ui.events, (Events{"caller question Coinvale: There are 2 unaccepted txns for this "
                                 "account.  Would you like to review them now?",
                                 "caller question Coinvale: There are 1 imported transactions "
                                 "for this account.  Would you like to review them now?"}));
    EXPECT_TRUE(opening.open);
    EXPECT_EQ(opening.index, 0);
    EXPECT_EQ(opening.filter, CTransaction::kFilterImported);
    EXPECT_FALSE(account.GetDownloadReviewPending());
    EXPECT_FALSE(account.GetImportReviewPending());

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

TEST_F(ReviewTest, EditingATransactionAwaitingReviewOpensItsReview) {
    Download("-1", "A");
    CTransaction* second = Download("-1", "B");
    const CTransactionReview::Opening opening = CTransactionReview::OpeningFor(account, *second);
    EXPECT_TRUE(opening.open);
    EXPECT_EQ(opening.index, 1);
    EXPECT_EQ(opening.filter, CTransaction::kFilterDownloaded);
    CTransaction* entered = Enter(kDay, 5, "entered");
    EXPECT_FALSE(CTransactionReview::OpeningFor(account, *entered).open);
    entered->SetOnlineOrigin(CTransaction::kAwaitingReview);  // imported: no bank identifier
    EXPECT_EQ(CTransactionReview::OpeningFor(account, *entered).filter,
              CTransaction::kFilterImported);
}

}  // namespace
