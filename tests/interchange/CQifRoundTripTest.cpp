#include <gtest/gtest.h>

#include <algorithm>

#include "InterchangeFixture.h"
#include "interchange/CLineImport.h"
#include "interchange/CQifReader.h"
#include "interchange/CQifWriter.h"
#include "model/CCVAccountList.h"

namespace {

using interchange_fixture::Day;
using interchange_fixture::Folder;
using interchange_fixture::Request;
using interchange_fixture::Type;

// A register as text, one row a transaction, in a fixed order: what a round trip must keep.
std::vector<std::string> Rows(CCVAccountList& accounts, const CCVAccount& account) {
    const CCVCategoryText& texts = *accounts.GetCategoryText();
    const auto className = [&](const RecordKey& key) {
        std::string name;
        accounts.GetClasses().NameOfKey(key, name);
        return name;
    };
    std::vector<std::string> rows;
    for (std::uint32_t i = 0; i < account.Transactions().Count(); ++i) {
        const CTransaction& t = *account.Transactions().At(i);
        std::string row = interchange::FormatIsoDate(t.GetDate(), '-') + " " +
                          interchange::FormatFileAmount(t.GetSignedAmount()) + " #" +
                          std::to_string(t.CarriesCheckNumber() ? t.GetCheckNumber() : 0) + " " +
                          t.GetPayeeName() + " | " + texts.GetCategoryText(t.GetCategoryId()) +
                          " / " + className(t.GetClassId()) + " | " + t.GetMemo() + " | state " +
                          std::to_string(t.GetState()) + " | twin " +
                          (t.GetLinkedTransactionId().IsNull() ? "no" : "yes");
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (!t.SplitLineInUse(line)) continue;
            const CSplitLine& split = t.GetSplit(line);
            row += " || " + texts.GetCategoryText(split.GetCategoryId()) + " / " +
                   className(split.GetClassId()) + " " +
                   interchange::FormatFileAmount(t.GetSplitSignedAmount(line)) + " " +
                   split.GetMemo() + (split.GetLinkedTransactionId().IsNull() ? "" : " twin");
        }
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void EnterTransactions(Folder& data) {
    CCVAccountList& accounts = *data.accounts;
    auto salary = Request(Day(2024, 1, 5), Type::kTypeDeposit, 250000, "Employer");
    salary.categoryId = accounts.GetCategoryId("Salary");
    salary.state = CTransaction::kReconciled;
    data.Enter("Checking", salary);

    auto rent = Request(Day(2024, 1, 2), Type::kTypeCheck, 123456, "Landlord");
    rent.checkNumber = 1001;
    rent.categoryId = accounts.GetCategories().FindOrCreate("Housing:Rent", true);
    RecordKey classKey;
    rent.classId = accounts.GetClasses().KeyForName("Holiday Home", classKey, true);
    rent.memo = "January, \"flat\"";
    rent.state = CTransaction::kCleared;
    data.Enter("Checking", rent);

    auto toSavings = Request(Day(2024, 1, 7), Type::kTypeWithdrawal, 30000, "To savings");
    toSavings.categoryId = data.Account("Savings").GetAccountId();
    toSavings.memo = "monthly";
    data.Enter("Checking", toSavings);

    auto shopping = Request(Day(2024, 1, 9), Type::kTypeWithdrawal, 10000, "Warehouse Club");
    shopping.categoryId = CTransaction::SplitCategoryId();
    shopping.splits[0].SetCategoryId(accounts.GetCategoryId("Groceries"));
    shopping.splits[0].SetAmount(6000);
    shopping.splits[0].SetMemo("food");
    shopping.splits[1].SetCategoryId(data.Account("Savings").GetAccountId());
    shopping.splits[1].SetAmount(2500);
    shopping.splits[1].SetMemo("put by");
    shopping.splits[2].SetCategoryId(accounts.GetCategoryId("Household"));
    shopping.splits[2].SetClassId(accounts.GetClasses().KeyForName("Business", classKey, true));
    shopping.splits[2].SetAmount(1500);
    data.Enter("Checking", shopping);

    auto payment = Request(Day(2024, 1, 20), Type::kTypePayment, 41234, "Card payment");
    payment.categoryId = data.Account("Checking").GetAccountId();
    payment.state = CTransaction::kCleared;
    data.Enter("Visa", payment);

    auto charge = Request(Day(2024, 1, 15), Type::kTypeCharge, 4321, "Caf\xE9 Central");
    charge.categoryId = accounts.GetCategoryId("Dining");
    data.Enter("Visa", charge);

    auto interest = Request(Day(2024, 2, 1), Type::kTypeDeposit, 77, "Bank");
    data.Enter("Savings", interest);
}

TEST(CQifRoundTripTest, AllAccountsIntoAFreshFolderKeepTheRegisters) {
    Folder original;
    EnterTransactions(original);
    std::string qif;
    CQifWriter(*original.accounts).WriteAll(qif);

    Folder copy;
    const ImportedFile file =
        CQifReader("all.qif", interchange::DateOrder::kMonthDayYear).Read(qif);
    ASSERT_EQ(file.error, "");
    CLineImport::Result result;
    ASSERT_TRUE(CLineImport(*copy.accounts, "QIF", "all.qif")
                    .Apply(copy.Account("Checking"), file.lines, result))
        << result.error;
    // Each transfer went in once: the second side met the twin the first side made.
    EXPECT_EQ(result.matched, 3u);
    for (std::uint32_t i = 0; i < copy.accounts->Count(); ++i) {
        copy.accounts->At(i)->AcceptDownloaded();
    }
    for (const char* name : {"American Express", "Checking", "Master Card", "Savings", "Visa"}) {
        EXPECT_EQ(Rows(*copy.accounts, copy.Account(name)),
                  Rows(*original.accounts, original.Account(name)))
            << name;
        EXPECT_EQ(copy.Account(name).GetBalance(CCVAccount::kBalanceCurrent),
                  original.Account(name).GetBalance(CCVAccount::kBalanceCurrent));
        EXPECT_EQ(copy.Account(name).GetBalance(CCVAccount::kBalanceCleared),
                  original.Account(name).GetBalance(CCVAccount::kBalanceCleared));
    }

    // The same file again adds nothing, after the review as before it.
    CLineImport::Result again;
    ASSERT_TRUE(CLineImport(*copy.accounts, "QIF", "all.qif")
                    .Apply(copy.Account("Checking"), file.lines, again));
    EXPECT_EQ(again.added, 0u);
    EXPECT_EQ(again.skipped, file.lines.size());
}

TEST(CQifRoundTripTest, OneAccountIsItsSectionAlone) {
    Folder data;
    EnterTransactions(data);
    std::string qif;
    CQifWriter(*data.accounts).WriteAccount(data.Account("Visa"), qif);
    EXPECT_EQ(qif,
              "!Type:CCard\n"
              "D01/15/2024\nT-43.21\nPCaf\xC3\xA9 Central\nLDining\n^\n"
              "D01/20/2024\nT412.34\nC*\nPCard payment\nL[Checking]\n^\n");
}

}  // namespace
