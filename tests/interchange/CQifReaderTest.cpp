#include "interchange/CQifReader.h"

#include <gtest/gtest.h>

namespace {

using interchange::DateOrder;

ImportedFile Read(std::string_view text, DateOrder order = DateOrder::kMonthDayYear) {
    return CQifReader("bank.qif", order).Read(text);
}

std::string Iso(DateTime date) {
    return interchange::FormatIsoDate(date, '-');
}

// Every form a bank section has, written by hand.
constexpr std::string_view kBank =
    "!Type:Bank\r\n"
    "D1/ 2/98\r\n"
    "T-1,234.56\r\n"
    "N1001\r\n"
    "PLandlord\r\n"
    "MRent\r\n"
    "LHousing:Rent/Personal\r\n"
    "C*\r\n"
    "AStreet 1\r\n"
    "^\r\n"
    "D1/5'24\n"
    "U2,500.00\n"
    "NDEP\n"
    "PEmployer\n"
    "LSalary\n"
    "CX\n"
    "^\n"
    "D2024-01-07\n"
    "T-300\n"
    "NTransfer\n"
    "L[Savings]/Business\n"
    "Cc\n"
    "^\n"
    "D01/09/2024\n"
    "T-100.00\n"
    "PWarehouse Club\n"
    "SGroceries\n"
    "EFood\n"
    "$-60.00\n"
    "S[Savings]\n"
    "$-40.00\n"
    "^\n";

TEST(CQifReaderTest, ReadsEveryFormOfABankSection) {
    const ImportedFile file = Read(kBank);
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.lines.size(), 4u);

    const ImportedLine& rent = file.lines[0];
    EXPECT_EQ(rent.lineNumber, 2u);
    EXPECT_EQ(Iso(rent.date), "1998-01-02");
    EXPECT_EQ(rent.amount, -123456);
    EXPECT_EQ(rent.number, "1001");
    EXPECT_EQ(rent.payee, "Landlord");
    EXPECT_EQ(rent.memo, "Rent");
    EXPECT_EQ(rent.category, "Housing:Rent");
    EXPECT_EQ(rent.className, "Personal");
    EXPECT_EQ(rent.state, CTransaction::kCleared);

    const ImportedLine& salary = file.lines[1];
    EXPECT_EQ(Iso(salary.date), "2024-01-05");
    EXPECT_EQ(salary.amount, 250000);
    EXPECT_EQ(salary.number, "DEP");
    EXPECT_EQ(salary.state, CTransaction::kReconciled);

    const ImportedLine& transfer = file.lines[2];
    EXPECT_EQ(transfer.category, "[Savings]");
    EXPECT_EQ(transfer.className, "Business");
    EXPECT_EQ(transfer.state, CTransaction::kCleared);
    EXPECT_EQ(transfer.number, "Transfer");

    const ImportedLine& split = file.lines[3];
    ASSERT_EQ(split.splits.size(), 2u);
    EXPECT_EQ(split.splits[0].category, "Groceries");
    EXPECT_EQ(split.splits[0].memo, "Food");
    EXPECT_EQ(split.splits[0].amount, -6000);
    EXPECT_EQ(split.splits[1].category, "[Savings]");
    EXPECT_EQ(split.splits[1].amount, -4000);
    EXPECT_EQ(split.state, CTransaction::kUncleared);
}

TEST(CQifReaderTest, CashCardAndAccountBlocks) {
    const ImportedFile file = Read(
        "\xEF\xBB\xBF!Option:AutoSwitch\n"
        "!Account\nNWallet\nTCash\n^\n"
        "!Type:Cash\nD3/1/2024\nT-5\nPCaf\xC3\xA9\n^\n"
        "!Account\nNVisa\nTCCard\n^\n"
        "!Type:CCard\nD3/2/2024\nT-20\n^\n"
        "!Clear:AutoSwitch\n"
        "!Type:Cat\nNFood\nE\n^\n"
        "!Type:Memorized\nPShop\nT-1\n^\n");
    ASSERT_EQ(file.error, "");
    ASSERT_EQ(file.lines.size(), 2u);
    EXPECT_EQ(file.lines[0].account, "Wallet");
    EXPECT_EQ(file.lines[0].payee, "Caf\xE9");
    EXPECT_EQ(file.lines[1].account, "Visa");
}

TEST(CQifReaderTest, DayFirstDates) {
    const ImportedFile file = Read("!Type:Bank\nD31/12/2024\nT1\n^\n", DateOrder::kDayMonthYear);
    ASSERT_EQ(file.error, "");
    EXPECT_EQ(Iso(file.lines[0].date), "2024-12-31");
}

TEST(CQifReaderTest, BadInputIsRefusedWithTheLine) {
    const struct {
        const char* text;
        const char* error;
    } cases[] = {
        {"!Type:Bank\nD13/45/2024\nT1\n^\n", "bank.qif, line 2: \"13/45/2024\" is not a date."},
        {"!Type:Bank\nD1/1/2024\nT12x\n^\n", "bank.qif, line 3: \"12x\" is not an amount."},
        {"!Type:Bank\nT1\nPShop\n^\n", "bank.qif, line 4: the transaction has no date."},
        {"!Type:Bank\nD1/1/2024\nT1\n",
         "bank.qif, line 3: the file ends inside a transaction "
         "(no \"^\" line)."},
        {"!Type:Bank\nD1/1/2024\n!Type:Cash\n",
         "bank.qif, line 2: the file ends inside a transaction (no \"^\" line)."},
        {"!Type:Invst\nD1/1/2024\n^\n",
         "bank.qif, line 1: \"!Type:Invst\" is not a section that can be imported; bank, cash "
         "and credit-card sections can."},
        {"D1/1/2024\n^\n", "bank.qif, line 1: a transaction stands before any \"!Type:\" line."},
        {"!Type:Bank\nD1/1/2024\n$5\n^\n",
         "bank.qif, line 3: \"$\" stands before the \"S\" line of its split line."},
        {"!Type:Bank\nD1/1/2024\nSA\n$1x\n^\n", "bank.qif, line 4: \"1x\" is not an amount."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.text).error, c.error) << c.text;
    }
    const ImportedFile binary = Read(std::string_view("!Type:Bank\nD1/1/2024\nP\0\n^\n", 24));
    EXPECT_EQ(binary.error, "bank.qif, line 3: the file holds bytes that are not text.");
    std::string many = "!Type:Bank\nD1/1/2024\nT11\n";
    for (int i = 0; i < 11; ++i) many += "SA\n$1\n";
    EXPECT_EQ(Read(many + "^\n").error,
              "bank.qif, line 24: a transaction has more than 10 split lines.");
}

TEST(CQifReaderTest, EmptyFileAndEmptyRecords) {
    EXPECT_EQ(Read("").lines.size(), 0u);
    const ImportedFile file = Read("!Type:Bank\n^\n\n^\n");
    EXPECT_EQ(file.error, "");
    EXPECT_EQ(file.lines.size(), 0u);
}

}  // namespace
