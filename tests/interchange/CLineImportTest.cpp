#include "interchange/CLineImport.h"

#include <gtest/gtest.h>

#include "InterchangeFixture.h"
#include "interchange/CQifReader.h"
#include "model/CCVAccountList.h"

namespace {

using interchange_fixture::Day;
using interchange_fixture::Folder;
using interchange_fixture::Request;
using interchange_fixture::Type;

ImportedFile Qif(std::string_view text) {
    ImportedFile file = CQifReader("bank.qif", interchange::DateOrder::kMonthDayYear).Read(text);
    EXPECT_EQ(file.error, "");
    return file;
}

std::string CategoryText(CCVAccountList& accounts, const RecordKey& key) {
    return accounts.GetCategoryText()->GetCategoryText(key);
}

constexpr std::string_view kStatement =
    "!Type:Bank\n"
    "D1/2/2024\nT-1,234.56\nN1001\nPLandlord\nMRent\nLHousing:Rent/Holiday Home\nC*\n^\n"
    "D1/5/2024\nT2500\nPEmployer\nLSalary\nCX\n^\n"
    "D1/7/2024\nT-300\nPTo savings\nL[Savings]\n^\n"
    "D1/9/2024\nT-100\nPWarehouse Club\nSGroceries\nEFood\n$-60\nS[Savings]\nESave\n$-40\n^\n";

TEST(CLineImportTest, LinesGoInAsDownloadedLinesWithTheirCategoriesAndTwins) {
    Folder data;
    CCVAccountList& accounts = *data.accounts;
    CCVAccount& checking = data.Account("Checking");
    CCVAccount& savings = data.Account("Savings");
    const std::uint32_t categoriesBefore = accounts.GetCategories().Count();

    CLineImport import(accounts, "QIF", "bank.qif");
    CLineImport::Result result;
    ASSERT_TRUE(import.Apply(checking, Qif(kStatement).lines, result)) << result.error;
    EXPECT_EQ(result.added, 4u);
    EXPECT_EQ(result.skipped, 0u);
    EXPECT_TRUE(result.notes.empty());
    ASSERT_EQ(checking.Transactions().Count(), 4u);

    const CTransaction& rent = *checking.Transactions().At(0);
    EXPECT_EQ(rent.GetSignedAmount(), -123456);
    EXPECT_TRUE(rent.CarriesCheckNumber());
    EXPECT_EQ(rent.GetCheckNumber(), 1001u);
    EXPECT_STREQ(rent.GetPayeeName(), "Landlord");
    EXPECT_STREQ(rent.GetMemo(), "Rent");
    EXPECT_EQ(rent.GetState(), CTransaction::kCleared);
    EXPECT_TRUE(rent.IsDownloaded());  // awaiting review, with its identifier
    EXPECT_EQ(std::string(rent.GetOnlineId()).rfind("QIF:", 0), 0u);
    // The sub-category and its parent and the class were made, as the list screens make them.
    EXPECT_EQ(CategoryText(accounts, rent.GetCategoryId()), "Housing:Rent");
    EXPECT_EQ(accounts.GetCategories().Count(), categoriesBefore + 2);
    std::string className;
    ASSERT_EQ(accounts.GetClasses().NameOfKey(rent.GetClassId(), className), 1);
    EXPECT_EQ(className, "Holiday Home");
    EXPECT_NE(accounts.GetPayees().FindPayee("Landlord"), nullptr);

    EXPECT_EQ(checking.Transactions().At(1)->GetState(), CTransaction::kReconciled);
    // The states count in the cleared balance.
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCleared), 250000 - 123456);

    // The transfer and the split line naming Savings have their twins there.
    const CTransaction& transfer = *checking.Transactions().At(2);
    EXPECT_EQ(transfer.GetCategoryId(), savings.GetAccountId());
    const CTransaction* twin = savings.FindById(transfer.GetLinkedTransactionId());
    ASSERT_NE(twin, nullptr);
    EXPECT_EQ(twin->GetSignedAmount(), 30000);
    const CTransaction& split = *checking.Transactions().At(3);
    ASSERT_TRUE(split.IsSplit());
    EXPECT_EQ(CategoryText(accounts, split.GetSplit(0).GetCategoryId()), "Groceries");
    EXPECT_STREQ(split.GetSplit(0).GetMemo(), "Food");
    EXPECT_EQ(split.GetSplitSignedAmount(0), -6000);
    EXPECT_EQ(split.GetSplitSignedAmount(1), -4000);
    const CTransaction* lineTwin = savings.FindById(split.GetSplit(1).GetLinkedTransactionId());
    ASSERT_NE(lineTwin, nullptr);
    EXPECT_EQ(lineTwin->GetSourceSplitIndex(), 1);
    EXPECT_EQ(savings.Transactions().Count(), 2u);
}

TEST(CLineImportTest, TheSameFileTwiceAddsNothing) {
    Folder data;
    CCVAccount& checking = data.Account("Checking");
    // Two lines alike in one file are two transactions.
    std::string text(kStatement);
    text.append("D1/9/2024\nT-5\nPKiosk\n^\nD1/9/2024\nT-5\nPKiosk\n^\n");
    CLineImport::Result first;
    ASSERT_TRUE(
        CLineImport(*data.accounts, "QIF", "a.qif").Apply(checking, Qif(text).lines, first));
    EXPECT_EQ(first.added, 6u);
    CLineImport::Result second;
    ASSERT_TRUE(
        CLineImport(*data.accounts, "QIF", "a.qif").Apply(checking, Qif(text).lines, second));
    EXPECT_EQ(second.added, 0u);
    EXPECT_EQ(second.skipped, 6u);
    EXPECT_EQ(checking.Transactions().Count(), 6u);
    EXPECT_EQ(data.Account("Savings").Transactions().Count(), 2u);

    // Still nothing after the review took the lines.
    checking.AcceptDownloaded();
    CLineImport::Result third;
    ASSERT_TRUE(
        CLineImport(*data.accounts, "QIF", "a.qif").Apply(checking, Qif(text).lines, third));
    EXPECT_EQ(third.added, 0u);

    // Nor after the account was renamed.
    ASSERT_EQ(data.accounts->RenameAccount(checking, "Main"), 0);
    CLineImport::Result renamed;
    ASSERT_TRUE(
        CLineImport(*data.accounts, "QIF", "a.qif").Apply(checking, Qif(text).lines, renamed));
    EXPECT_EQ(renamed.added, 0u);
}

TEST(CLineImportTest, AnUnknownAccountRefusesTheWholeFile) {
    Folder data;
    CCVAccount& checking = data.Account("Checking");
    const std::uint32_t categories = data.accounts->GetCategories().Count();
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"!Type:Bank\nD1/1/2024\nT1\nLNew Category\n^\nD1/2/2024\nT-1\nL[Brokerage]\n^\n",
         "bank.qif, line 6: no account is named \"Brokerage\"."},
        {"!Type:Bank\nD1/1/2024\nT1\n^\nD1/2/2024\nT-2\nSFood\n$-1\nS[Nowhere]\n$-1\n^\n",
         "bank.qif, line 5: no account is named \"Nowhere\"."},
        {"!Account\nNWallet\n^\n!Type:Cash\nD1/1/2024\nT1\n^\n",
         "bank.qif, line 5: no account is named \"Wallet\"."},
    };
    for (const auto& c : cases) {
        CLineImport::Result result;
        EXPECT_FALSE(CLineImport(*data.accounts, "QIF", "bank.qif")
                         .Apply(checking, Qif(c.text).lines, result));
        EXPECT_EQ(result.error, c.error);
        EXPECT_EQ(checking.Transactions().Count(), 0u);
        EXPECT_EQ(data.accounts->GetCategories().Count(), categories);
    }
}

TEST(CLineImportTest, ALineMatchedWithAnEnteredTransactionKeepsItsCategory) {
    Folder data;
    CCVAccount& checking = data.Account("Checking");
    auto request = Request(Day(2024, 3, 1), Type::kTypeWithdrawal, 5000, "Diner");
    request.categoryId = data.accounts->GetCategoryId("Dining");
    const CTransaction& entered = data.Enter("Checking", request);

    CLineImport::Result result;
    ASSERT_TRUE(CLineImport(*data.accounts, "CSV", "bank.csv")
                    .Apply(checking,
                           Qif("!Type:Bank\nD3/4/2024\nT-50\nPDINER 123\nLGroceries\n^\n").lines,
                           result));
    EXPECT_EQ(result.added, 1u);
    EXPECT_EQ(result.matched, 1u);
    ASSERT_EQ(checking.Transactions().Count(), 2u);
    const CTransaction* imported = checking.FindById(entered.GetMatchedTransactionId());
    ASSERT_NE(imported, nullptr);
    EXPECT_TRUE(imported->GetCategoryId().IsNull());
    // The review puts the bank's line onto the entered transaction, whose category stays.
    checking.AcceptDownloaded();
    ASSERT_EQ(checking.Transactions().Count(), 1u);
    EXPECT_EQ(CategoryText(*data.accounts, checking.Transactions().At(0)->GetCategoryId()),
              "Dining");
}

TEST(CLineImportTest, LongTextsAreShortenedWithANote) {
    Folder data;
    CCVAccount& checking = data.Account("Checking");
    const std::string payee(40, 'P');
    const std::string category(35, 'C');
    std::string text = "!Type:Bank\nD1/1/2024\nT1\nP";
    text.append(payee).append("\nL").append(category);
    text.append("\n^\nD1/2/2024\nT-1\nL[Checking]\n^\n");
    CLineImport::Result result;
    ASSERT_TRUE(
        CLineImport(*data.accounts, "QIF", "bank.qif").Apply(checking, Qif(text).lines, result));
    ASSERT_EQ(result.notes.size(), 3u);
    EXPECT_EQ(result.notes[0], "bank.qif, line 2: \"" + payee + "\" was shortened to \"" +
                                   payee.substr(0, 32) + "\".");
    EXPECT_EQ(result.notes[1], "bank.qif, line 2: \"" + category + "\" was shortened to \"" +
                                   category.substr(0, 32) + "\".");
    // A transfer to the account itself (a QIF opening balance) has no category.
    EXPECT_EQ(result.notes[2], "bank.qif, line 7: a transfer from \"Checking\" to itself.");
    EXPECT_STREQ(checking.Transactions().At(0)->GetPayeeName(), payee.substr(0, 32).c_str());
    EXPECT_EQ(CategoryText(*data.accounts, checking.Transactions().At(0)->GetCategoryId()),
              category.substr(0, 32));
    EXPECT_TRUE(checking.Transactions().At(1)->GetCategoryId().IsNull());
}

}  // namespace
