// Downloaded statement lines: types and check numbers, payee look-ups, the duplicate identifier
// rule, the automatic match and its window, accepting, match candidates, and the bank's balance.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RegisterFixture.h"
#include "model/BuiltInKey.h"

namespace {

using register_fixture::Payees;
using register_fixture::TestAccountList;
using register_fixture::Txn;
using register_fixture::Type;

constexpr DateTime kDay = 1000 * kSecondsPerDay;
constexpr DateTime kWeek = 7 * kSecondsPerDay;

class Download : public ::testing::Test {
  protected:
    CTransaction* Line(const char* amount, const char* type, const char* check = "",
                       const char* payee = "Shop", const char* id = nullptr, DateTime date = kDay) {
        const std::string fitId = id != nullptr ? id : "FIT-" + std::to_string(++m_lines);
        EXPECT_EQ(
            account.AddDownloadedLine(date, amount, type, check, payee, "bank memo", fitId.c_str()),
            0);
        return Find(fitId.c_str());
    }
    CTransaction* Find(const char* fitId) {
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(account.Transactions().Count());
             ++i) {
            if (std::string(account.Transactions().At(i)->GetOnlineId()) == fitId) {
                return account.Transactions().At(i);
            }
        }
        return nullptr;
    }
    CTransaction* Enter(DateTime date, Amount amount, Type type, const char* payee = "entered") {
        auto t = Txn(date, amount, type, payee);
        CTransaction* entered = t.get();
        account.AddTransaction(std::move(t));
        return entered;
    }

    TestAccountList list;
    CCVAccount& account = list.AddAccount("Checking");
    CCVTxnList downloaded;
    int m_lines = 0;
};

TEST_F(Download, TypesCheckNumbersAndAmounts) {
    struct Case {
        const char* amount;
        const char* type;
        const char* check;
        Type expectedType;
        Amount expectedAmount;
        std::uint32_t expectedCheck;
    };
    const std::vector<Case> cases = {
        {"-42.50", "DEBIT", "0123", Type::kTypeCheck, 4250, 123},
        {"-42.50", "DEBIT", "12A", Type::kTypeWithdrawal, 4250, 0},
        {"-42.50", "DEBIT", "0", Type::kTypeWithdrawal, 4250, 0},
        {"-42.50", "DEBIT", "99999999999", Type::kTypeWithdrawal, 4250, 0},
        {"-1,042.5", "CHECK", "12A", Type::kTypeCheck, 104250, 12},
        {"-20", "ATM", "5", Type::kTypeAtm, 2000, 0},
        {"-12.5", "XFER", "", Type::kTypeWithdrawal, 1250, 0},
        {"42.5", "DEBIT", "77", Type::kTypeDeposit, 4250, 0},
        {"12", "CREDIT", "", Type::kTypeDeposit, 1200, 0},
        // More decimals than hundredths are rounded half away from zero, not cut.
        {"-995.4190396554627", "DEBIT", "", Type::kTypeWithdrawal, 99542, 0},
        {"0.005", "CREDIT", "", Type::kTypeDeposit, 1, 0},
    };
    account.Record().SetCurrency(4);
    for (const Case& c : cases) {
        const CTransaction* t = Line(c.amount, c.type, c.check);
        EXPECT_EQ(t->GetTypeId(), BuiltInKey(c.expectedType))
            << c.amount << " " << c.type << " " << c.check;
        EXPECT_EQ(t->GetAmount(), c.expectedAmount) << c.amount;
        EXPECT_EQ(t->GetCheckNumber(), c.expectedCheck) << c.check;
        EXPECT_EQ(t->GetDownloadedAmount(), c.expectedAmount);
        EXPECT_EQ(t->GetState(), CTransaction::kCleared);
        EXPECT_EQ(t->GetCurrencyCode(), 4);
        EXPECT_TRUE(t->IsDownloaded());
        EXPECT_STREQ(t->GetMemo(), "bank memo");
        EXPECT_EQ(t->GetDate(), kDay);
    }
    EXPECT_TRUE(account.GetDownloadReviewPending());
}

TEST_F(Download, PayeeLookUps) {
    list.lookUps.AddLookUp("ACME CORP 123", "Acme");
    list.lookUps.AddLookUp("CORNER", "");
    EXPECT_STREQ(Line("-5", "DEBIT", "", "ACME CORP 123")->GetPayeeName(), "Acme");
    const CTransaction* corner = Line("-5", "DEBIT", "", "CORNER");
    EXPECT_STREQ(corner->GetPayeeName(), "CORNER");
    EXPECT_EQ(corner->GetPayeeId(), *list.lookUps.At(1)->GetKey());

    const CTransaction* fresh = Line("-5", "POS", "", "NEW SHOP");  // remembered for next time
    ASSERT_EQ(list.lookUps.Count(), 3u);
    EXPECT_STREQ(list.lookUps.At(2)->GetBankName(), "NEW SHOP");
    EXPECT_STREQ(list.lookUps.At(2)->GetPayeeName(), "");
    EXPECT_EQ(fresh->GetPayeeId(), *list.lookUps.At(2)->GetKey());

    const CTransaction* check = Line("-5", "CHECK", "17", "ACME CORP 123");  // checks: unchanged
    EXPECT_STREQ(check->GetPayeeName(), "ACME CORP 123");
    EXPECT_TRUE(check->GetPayeeId().IsNull());
    EXPECT_EQ(list.lookUps.Count(), 3u);
}

TEST_F(Download, KnownIdentifiersAreSkipped) {
    account.BeginDownload(&downloaded);
    CTransaction* first = Line("-5", "DEBIT", "", "Shop", "FIT-A");
    account.AcceptTransaction(first);  // accepted long ago: still known
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-5", "DEBIT", "", "Shop", "", "FIT-A"), 0);
    EXPECT_EQ(account.Transactions().Count(), 1u);
    EXPECT_EQ(downloaded.Count(), 1u);
    // An empty identifier identifies nothing: lines without one are all taken, as imported
    // transactions, even though every entered transaction has an empty identifier too.
    Enter(kDay, 100, Type::kTypeDeposit);
    EXPECT_TRUE(account.HasOnlineId(""));
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-5", "DEBIT", "", "Shop", "", ""), 0);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-7", "DEBIT", "", "Shop", "", ""), 0);
    EXPECT_EQ(account.Transactions().Count(), 4u);
    EXPECT_EQ(downloaded.Count(), 3u);
    EXPECT_TRUE(downloaded.At(2)->IsImported());
}

// Fault: lines without a bank identifier were imported again on every import of the same file
// (three imports, nine copies).
TEST_F(Download, LinesWithoutIdentifierAreNotImportedTwice) {
    const auto importStatement = [this] {
        account.BeginDownload(nullptr);
        for (const char* amount : {"-5", "-5", "-7"}) {
            EXPECT_EQ(account.AddDownloadedLine(kDay, amount, "DEBIT", "", "Cafe", "", ""), 0);
        }
        EXPECT_EQ(account.AddDownloadedLine(kDay, "-9", "CHECK", "101", "Cafe", "", ""), 0);
        account.EndDownload();
    };
    // Two equal lines in one statement are two lines.
    importStatement();
    EXPECT_EQ(account.Transactions().Count(), 4u);
    importStatement();
    importStatement();
    EXPECT_EQ(account.Transactions().Count(), 4u);
    // Accepted lines are still known; a different date, amount, payee or check number is new.
    account.AcceptTransaction(account.Transactions().At(0));
    importStatement();
    EXPECT_EQ(account.Transactions().Count(), 4u);
    EXPECT_EQ(account.AddDownloadedLine(kDay + 1, "-5", "DEBIT", "", "Cafe", "", ""), 0);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-6", "DEBIT", "", "Cafe", "", ""), 0);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-5", "DEBIT", "", "Bakery", "", ""), 0);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-9", "CHECK", "102", "Cafe", "", ""), 0);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "5", "CREDIT", "", "Cafe", "", ""), 0);
    EXPECT_EQ(account.Transactions().Count(), 9u);
    // An entered transaction like a line is no earlier import of it: it is the line's match.
    Enter(kDay, 300, Type::kTypeWithdrawal, "Cafe");
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-3", "DEBIT", "", "Cafe", "", ""), 0);
    EXPECT_EQ(account.Transactions().Count(), 11u);
}

// Fault: two different lines of one file that share an identifier (some banks write all zeros)
// lost the second as a duplicate.
TEST_F(Download, RepeatedIdentifierWithinOneStatement) {
    const auto importStatement = [this] {
        account.BeginDownload(nullptr);
        EXPECT_EQ(account.AddDownloadedLine(kDay, "-5", "DEBIT", "", "A", "", "0000"), 0);
        EXPECT_EQ(account.AddDownloadedLine(kDay, "-7", "DEBIT", "", "B", "", "0000"), 0);
        EXPECT_EQ(account.AddDownloadedLine(kDay + 1, "-5", "DEBIT", "", "C", "", "0000"), 0);
        // The same date and amount under the same identifier: the line written twice.
        EXPECT_EQ(account.AddDownloadedLine(kDay, "-5", "DEBIT", "", "A", "", "0000"), 0);
        account.EndDownload();
    };
    importStatement();
    EXPECT_EQ(account.Transactions().Count(), 3u);
    importStatement();
    EXPECT_EQ(account.Transactions().Count(), 3u);
}

// Fault: an amount beyond what an account can hold was clamped (99999999999999999999.99 stored
// as 92233720368547758.07); now the line is refused and nothing changes.
TEST_F(Download, AmountPastWhatAnAccountCanHoldIsRefused) {
    const CCVAccountRecord before = account.Record();
    EXPECT_EQ(
        account.AddDownloadedLine(kDay, "-99999999999999999999.99", "DEBIT", "", "Shop", "", "BIG"),
        CCVAccount::kBalanceLimit);
    EXPECT_EQ(account.Transactions().Count(), 0u);
    EXPECT_TRUE(account.Record() == before);
    // Up to the limit, and back from it.
    EXPECT_EQ(account.AddDownloadedLine(kDay, "72057594037927935.99", "CREDIT", "", "S", "", "1"),
              0);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "1.00", "CREDIT", "", "S", "", "1b"), 0);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCurrent), kMaxAmountMagnitude);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "0.01", "CREDIT", "", "S", "", "2"),
              CCVAccount::kBalanceLimit);
    EXPECT_EQ(account.AddDownloadedLine(kDay, "-0.01", "DEBIT", "", "S", "", "3"), 0);
}

TEST_F(Download, MatchWindowDirectionsAndCheckNumbers) {
    account.BeginDownload(&downloaded);
    CTransaction* weekBefore = Enter(kDay - kWeek, 1000, Type::kTypeWithdrawal, "week before");
    CTransaction* tooEarly = Enter(kDay - kWeek - 1, 2000, Type::kTypeWithdrawal, "too early");
    CTransaction* deposit = Enter(kDay, 3000, Type::kTypeDeposit, "deposit");
    CTransaction* check102 = Enter(kDay, 4000, Type::kTypeCheck, "check 102");
    check102->SetCheckNumber(102);
    CTransaction* plain = Enter(kDay, 5000, Type::kTypeWithdrawal, "plain");

    EXPECT_EQ(Line("-10", "DEBIT", "", "a", "M1")->GetMatchedTransactionId(),
              weekBefore->GetTransactionId());
    EXPECT_EQ(weekBefore->GetMatchedTransactionId(), Find("M1")->GetTransactionId());
    EXPECT_TRUE(Line("-20", "DEBIT")->GetMatchedTransactionId().IsNull());  // one second too far
    EXPECT_TRUE(Line("30", "CREDIT", "", "x", nullptr, kDay + kWeek)->GetMatchedTransactionId() ==
                deposit->GetTransactionId());  // a week after, both ends included
    EXPECT_TRUE(Line("-30", "DEBIT")->GetMatchedTransactionId().IsNull());  // deposit is taken
    EXPECT_TRUE(Line("-40", "CHECK", "101")->GetMatchedTransactionId().IsNull());
    EXPECT_TRUE(Line("-50", "CHECK", "5")->GetMatchedTransactionId().IsNull());  // check vs plain
    EXPECT_EQ(Line("-40", "CHECK", "102")->GetMatchedTransactionId(), check102->GetTransactionId());
    EXPECT_TRUE(tooEarly->GetMatchedTransactionId().IsNull());
    EXPECT_TRUE(plain->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(account.GetMatchedCount(), 3);
    EXPECT_EQ(downloaded.Count(), 7u);
    EXPECT_FALSE(downloaded.OwnsRecords());
}

TEST_F(Download, FirstQualifyingInRegisterOrderAndOnlyEnteredOnes) {
    CTransaction* reconciled = Enter(kDay, 700, Type::kTypeWithdrawal, "reconciled");
    reconciled->SetReconciled();
    CTransaction* voided = Enter(kDay, 700, Type::kTypeWithdrawal, "void");
    voided->SetState(CTransaction::kVoid);
    CTransaction* first = Enter(kDay + 1, 700, Type::kTypeWithdrawal, "first");
    CTransaction* second = Enter(kDay + 2, 700, Type::kTypeWithdrawal, "second");
    EXPECT_EQ(Line("-7", "DEBIT")->GetMatchedTransactionId(), first->GetTransactionId());
    EXPECT_EQ(Line("-7", "DEBIT")->GetMatchedTransactionId(), second->GetTransactionId());
    // Neither the pending downloads nor matched transactions qualify again.
    EXPECT_TRUE(Line("-7", "DEBIT")->GetMatchedTransactionId().IsNull());

    // Dates near the start of the calendar do not wrap around.
    CTransaction* early = Enter(0, 800, Type::kTypeWithdrawal, "early");
    EXPECT_EQ(Line("-8", "DEBIT", "", "x", nullptr, 100)->GetMatchedTransactionId(),
              early->GetTransactionId());
}

TEST_F(Download, AcceptingWithAndWithoutPartner) {
    account.Record().SetBeginningBalance(10000);
    account.RecomputeBalances();
    CTransaction* entered = Enter(kDay - 3 * kSecondsPerDay, 2500, Type::kTypeWithdrawal, "Rent");
    entered->SetMemo("my memo");
    const RecordKey enteredId = entered->GetTransactionId();
    Enter(kDay - kSecondsPerDay, 1, Type::kTypeDeposit, "between");
    account.BeginDownload(&downloaded);
    CTransaction* matched = Line("-25.00", "DEBIT", "", "LANDLORD", "FIT-R");
    CTransaction* alone = Line("-3", "ATM", "", "ATM", "FIT-N");
    EXPECT_EQ(account.GetMatchedCount(), 1);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 10000 - 2500 + 1 - 2500 - 300);

    EXPECT_EQ(account.AcceptTransaction(alone), 0);
    EXPECT_EQ(alone->GetOnlineOrigin(), CTransaction::kAccepted);
    EXPECT_EQ(account.AcceptTransaction(matched), 0);
    // One transaction is left: the entered one, with the bank's amount, date, state and id.
    EXPECT_EQ(account.Transactions().Count(), 3u);
    EXPECT_EQ(account.FindById(enteredId), entered);
    EXPECT_EQ(entered->GetDate(), kDay);
    EXPECT_EQ(entered->GetState(), CTransaction::kCleared);
    EXPECT_EQ(entered->GetOnlineOrigin(), CTransaction::kAccepted);
    EXPECT_STREQ(entered->GetOnlineId(), "FIT-R");
    EXPECT_STREQ(entered->GetMemo(), "my memo");
    EXPECT_EQ(account.GetMatchedCount(), 0);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 10000 - 2500 + 1 - 300);
    // It took its new place in the date order.
    EXPECT_EQ(Payees(account), (std::vector<std::string>{"between", "Rent", "ATM"}));
    EXPECT_EQ(account.AcceptTransaction(matched), 1);  // no longer in the register

    // A partner of the other direction gives its type; an empty memo takes the bank's.
    CTransaction* refund = Enter(kDay, 900, Type::kTypeWithdrawal, "refund");
    account.MatchManually(*Line("9", "CREDIT", "", "x", "FIT-D"), *refund);
    account.SetReviewFilter(CTransaction::kFilterDownloaded);
    account.AcceptDownloaded();
    EXPECT_EQ(refund->GetTypeId(), BuiltInKey(Type::kTypeDeposit));
    EXPECT_STREQ(refund->GetMemo(), "bank memo");
    EXPECT_EQ(account.CountFiltered(CTransaction::kFilterDownloaded), 0u);
}

TEST_F(Download, PartnerThatIsGoneAcceptsAsNew) {
    CTransaction* entered = Enter(kDay, 500, Type::kTypeWithdrawal);
    CTransaction* line = Line("-5", "DEBIT");
    ASSERT_FALSE(line->GetMatchedTransactionId().IsNull());
    account.DeleteTransaction(entered, false);
    EXPECT_EQ(account.AcceptTransaction(line), 0);
    EXPECT_EQ(line->GetOnlineOrigin(), CTransaction::kAccepted);
    EXPECT_TRUE(line->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(account.CountFiltered(CTransaction::kFilterDownloaded), 0u);
}

TEST_F(Download, MatchedCountOfTheLastDownloadNeverGoesBelowZero) {
    Enter(kDay, 100, Type::kTypeWithdrawal);
    CTransaction* earlier = Line("-1", "DEBIT");  // matched in an earlier download
    account.BeginDownload(&downloaded);
    ASSERT_EQ(account.GetMatchedCount(), 0);
    account.AcceptTransaction(earlier);
    EXPECT_EQ(account.GetMatchedCount(), 0);
}

TEST_F(Download, AcceptDownloadedFollowsTheReviewFilter) {
    Line("-1", "DEBIT");
    auto imported = Txn(kDay, 200, Type::kTypeWithdrawal, "imported", CTransaction::kCleared);
    imported->SetOnlineOrigin(CTransaction::kAwaitingReview);
    account.AddTransaction(std::move(imported));
    account.SetReviewFilter(CTransaction::kFilterImported);
    account.AcceptDownloaded();
    EXPECT_EQ(account.CountFiltered(CTransaction::kFilterImported), 0u);
    EXPECT_EQ(account.CountFiltered(CTransaction::kFilterDownloaded), 1u);
}

TEST_F(Download, MatchCandidatesAndManualMatch) {
    account.SetSortAscending(false);
    CTransaction* late = Enter(kDay + 5, 1, Type::kTypeDeposit, "late");
    Enter(kDay + 3, 1, Type::kTypeDeposit, "reconciled")->SetReconciled();
    CTransaction* early = Enter(kDay + 1, 1, Type::kTypeDeposit, "early");
    CTransaction* line = Line("-1", "DEBIT", "", "bank", "FIT-1", kDay + 2);
    CTransaction* other = Line("-2", "DEBIT", "", "bank", "FIT-2", kDay + 4);
    {
        // Its own record goes; the register's transactions are only borrowed.
        CCVTxnList candidates;
        candidates.Append(new CTransaction);
        account.MatchCandidates(candidates);
        ASSERT_EQ(candidates.Count(), 2u);
        EXPECT_EQ(candidates.At(0), early);
        EXPECT_EQ(candidates.At(1), late);
    }
    account.SetReviewFilter(CTransaction::kFilterDownloaded);
    account.MatchManually(*line, *early);
    account.MatchManually(*other, *early);  // the earlier choice of `early` is undone
    EXPECT_TRUE(line->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(other->GetMatchedTransactionId(), early->GetTransactionId());
    EXPECT_TRUE(early->GetMatchedTransactionId().IsNull());
}

TEST_F(Download, UnmatchedAndTakenBackLinesFreeTheirPartner) {
    CTransaction* entered = Enter(kDay, 700, Type::kTypeWithdrawal, "entered");
    CTransaction* line = Line("-7", "DEBIT");
    ASSERT_EQ(entered->GetMatchedTransactionId(), line->GetTransactionId());
    // "No Match" frees the entered transaction: the next line of that amount finds it.
    account.Unmatch(*line);
    EXPECT_TRUE(line->GetMatchedTransactionId().IsNull());
    EXPECT_TRUE(entered->GetMatchedTransactionId().IsNull());
    CTransaction* next = Line("-7", "DEBIT");
    EXPECT_EQ(next->GetMatchedTransactionId(), entered->GetTransactionId());
    // So does matching the line with another entry by hand.
    CTransaction* other = Enter(kDay, 700, Type::kTypeWithdrawal, "other");
    account.SetReviewFilter(CTransaction::kFilterDownloaded);
    account.MatchManually(*next, *other);
    EXPECT_TRUE(entered->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(next->GetMatchedTransactionId(), other->GetTransactionId());

    // Taken back, a line leaves no trace: not among the deleted transactions nor the find
    // results, its partner free, the balances as before it came.
    CTransaction* third = Line("-7", "DEBIT", "", "Kiosk");
    ASSERT_EQ(entered->GetMatchedTransactionId(), third->GetTransactionId());
    ASSERT_EQ(account.Find(CTransaction::kFilterAll, "Kiosk"), 1u);
    const Amount current = account.Record().GetCurrentBalance();
    const std::unique_ptr<CTransaction> taken = account.TakeBackTransaction(third);
    EXPECT_EQ(taken.get(), third);
    EXPECT_TRUE(entered->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(account.FindResults().Count(), 0u);
    EXPECT_EQ(account.DeletedTransactions().Count(), 0u);
    EXPECT_EQ(account.Record().GetCurrentBalance(), current + 700);
    EXPECT_EQ(account.TakeBackTransaction(third), nullptr);
}

TEST_F(Download, BankBalanceOnlyForAnAccountNewToDownloads) {
    account.BeginDownload(&downloaded);
    EXPECT_TRUE(account.IsNewForDownload());
    account.SetClearedBalanceFromBank("1,234.56");
    EXPECT_EQ(account.Record().GetClearedBalance(), 123456);
    EXPECT_EQ(account.Record().GetBeginningBalance(), 123456);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 123456);
    account.EndDownload();

    Enter(kDay, 100, Type::kTypeDeposit);
    account.BeginDownload(&downloaded);
    EXPECT_FALSE(account.IsNewForDownload());
    account.SetClearedBalanceFromBank("5.00");
    EXPECT_EQ(account.Record().GetClearedBalance(), 123456);
}

}  // namespace
