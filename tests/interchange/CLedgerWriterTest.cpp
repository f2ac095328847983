#include "interchange/CLedgerWriter.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "InterchangeFixture.h"
#include "interchange/CJsonExport.h"
#include "model/CCVAccountList.h"

namespace {

using interchange_fixture::Day;
using interchange_fixture::Folder;
using interchange_fixture::Request;
using interchange_fixture::Type;

constexpr std::uint8_t kEuro = 3;

// Checking in dollars (home), Savings in euros at 1.10, and a few transactions of each kind.
struct LedgerFolder : Folder {
    LedgerFolder() {
        accounts->GetCurrencies().FindByNumber(kEuro)->SetRate(1.10);
        Account("Savings").Record().SetCurrency(kEuro);
        Account("Checking").Record().SetBeginningBalance(100000);
        Account("Checking").RecomputeBalances();

        auto dinner = Request(Day(2024, 3, 1), Type::kTypeWithdrawal, 4500, "Diner");
        dinner.categoryId = accounts->GetCategoryId("Dining");
        dinner.memo = "with Ann; late";
        dinner.state = CTransaction::kReconciled;
        Enter("Checking", dinner);

        auto transfer = Request(Day(2024, 3, 2), Type::kTypeWithdrawal, 11000, "To savings");
        transfer.categoryId = Account("Savings").GetAccountId();
        transfer.state = CTransaction::kCleared;
        Enter("Checking", transfer);

        auto split = Request(Day(2024, 3, 3), Type::kTypeWithdrawal, 1000, "Market");
        split.categoryId = CTransaction::SplitCategoryId();
        split.splits[0].SetCategoryId(accounts->GetCategoryId("Groceries"));
        split.splits[0].SetAmount(700);
        split.splits[0].SetMemo("fruit");
        Enter("Savings", split);

        auto voided = Request(Day(2024, 3, 4), Type::kTypeWithdrawal, 99900, "Mistake");
        voided.state = CTransaction::kVoid;
        Enter("Checking", voided);
    }
};

std::string Journal(CCVAccountList& accounts) {
    std::string out;
    CLedgerWriter(accounts, Day(2024, 4, 1)).Write(out);
    return out;
}

TEST(CLedgerWriterTest, EntriesPostingsAndCommodities) {
    LedgerFolder data;
    const std::string journal = Journal(*data.accounts);
    const auto has = [&](const std::string& text) {
        EXPECT_NE(journal.find(text), std::string::npos) << text << "\n---\n" << journal;
    };
    has("commodity $\n");
    has("commodity \xE2\x82\xAC\n");
    has("P 2024/04/01 \xE2\x82\xAC 1.1 $\n");
    has("account Assets:Checking\n");
    has("account Liabilities:Visa\n");
    has("account Expenses:Dining\n");
    // The beginning balance, dated on the account's first transaction.
    has("2024/03/01 Opening balance\n"
        "    Assets:Checking                                         1000.00 $\n"
        "    Equity:Opening Balances                                 -1000.00 $\n");
    // The memo is a comment; reconciled is cleared.
    has("2024/03/01 Diner\n"
        "    ; with Ann; late\n"
        "    * Assets:Checking                                       -45.00 $\n"
        "    Expenses:Dining                                         45.00 $\n");
    // The transfer once, each side in its own commodity; the euros carry their dollar value.
    has("2024/03/02 To savings\n"
        "    ! Assets:Checking                                       -110.00 $\n"
        "    ! Assets:Savings                                        100.00 \xE2\x82\xAC @@ 110.00 "
        "$\n");
    EXPECT_EQ(journal.find("[Checking]"), std::string::npos);
    EXPECT_EQ(journal.find("2024/03/02 To savings", journal.find("2024/03/02 To savings") + 1),
              std::string::npos);
    // A split line's memo is its posting's comment; what the lines leave is unassigned. Each
    // category part is converted as the report converts it (7.00 EUR at 1.10 is 7.70).
    has("2024/03/03 Market\n"
        "    Assets:Savings                                          -10.00 \xE2\x82\xAC @@ 11.00 "
        "$\n"
        "    Expenses:Groceries                                      7.70 $  ; fruit\n"
        "    Expenses:Unassigned                                     3.30 $\n");
    // A void transaction counts nothing.
    EXPECT_EQ(journal.find("Mistake"), std::string::npos);
}

TEST(CLedgerWriterTest, NamesAndPayeesThatTheJournalWouldMisread) {
    Folder data;
    auto odd = Request(Day(2024, 3, 1), Type::kTypeWithdrawal, 100, "(Cash)  at  ; shop");
    odd.categoryId = data.accounts->GetCategories().FindOrCreate("Fees  (bank):x:y", true);
    data.Enter("Checking", odd);
    data.Enter("Checking", Request(Day(2024, 3, 2), Type::kTypeWithdrawal, 100, "*Star"));
    const std::string journal = Journal(*data.accounts);
    EXPECT_NE(journal.find("2024/03/01 {Cash) at ; shop\n"), std::string::npos) << journal;
    EXPECT_NE(journal.find("    Expenses:Fees {bank}:x-y "), std::string::npos) << journal;
    EXPECT_NE(journal.find("2024/03/02 -*Star\n"), std::string::npos) << journal;
}

TEST(CLedgerWriterTest, IncomeOrExpensesByTheCategorysSum) {
    Folder data;
    auto refund = Request(Day(2024, 3, 1), Type::kTypeDeposit, 500, "Shop");
    refund.categoryId = data.accounts->GetCategoryId("Clothing");
    data.Enter("Checking", refund);
    auto pay = Request(Day(2024, 3, 2), Type::kTypeDeposit, 900, "Employer");
    pay.categoryId = data.accounts->GetCategories().FindOrCreate("Salary:Bonus", true);
    data.Enter("Checking", pay);
    auto coat = Request(Day(2024, 3, 3), Type::kTypeWithdrawal, 2000, "Shop");
    coat.categoryId = data.accounts->GetCategoryId("Clothing");
    data.Enter("Checking", coat);
    const std::string journal = Journal(*data.accounts);
    EXPECT_NE(journal.find("    Expenses:Clothing"), std::string::npos);
    EXPECT_EQ(journal.find("Income:Clothing"), std::string::npos);
    EXPECT_NE(journal.find("    Income:Salary:Bonus                                     -9.00 $"),
              std::string::npos);
}

TEST(CJsonExportTest, EverythingForScripts) {
    LedgerFolder data;
    std::string out;
    CJsonExport(*data.accounts).Write(out);
    const nlohmann::json document = nlohmann::json::parse(out);
    EXPECT_EQ(document["home_currency"], "$");
    ASSERT_EQ(document["accounts"].size(), 5u);
    const nlohmann::json& checking = document["accounts"][1];
    EXPECT_EQ(checking["name"], "Checking");
    EXPECT_EQ(checking["beginning_balance"], "1000.00");
    EXPECT_EQ(checking["balance"], "845.00");
    ASSERT_EQ(checking["transactions"].size(), 3u);
    const nlohmann::json& dinner = checking["transactions"][0];
    EXPECT_EQ(dinner["date"], "2024-03-01");
    EXPECT_EQ(dinner["amount"], "-45.00");
    EXPECT_EQ(dinner["category"], "Dining");
    EXPECT_EQ(dinner["state"], "reconciled");
    EXPECT_EQ(dinner["memo"], "with Ann; late");
    EXPECT_EQ(checking["transactions"][1]["category"], "[Savings]");
    EXPECT_NE(checking["transactions"][1]["twin"], "");
    EXPECT_EQ(checking["transactions"][2]["state"], "void");
    const nlohmann::json& savings = document["accounts"][3];
    EXPECT_EQ(savings["currency"], "\xE2\x82\xAC");
    const nlohmann::json& market = savings["transactions"][1];
    ASSERT_EQ(market["splits"].size(), 1u);
    EXPECT_EQ(market["splits"][0]["amount"], "-7.00");
    EXPECT_EQ(market["splits"][0]["memo"], "fruit");
}

}  // namespace
