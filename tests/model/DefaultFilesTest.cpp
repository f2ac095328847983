// The file each reference list writes into an empty data folder, byte for byte, and the lists
// read back from those files.
#include <gtest/gtest.h>

#include "ModelBytes.h"
#include "model/CCVCategoryList.h"
#include "model/CCVPayeeList.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CClassList.h"
#include "model/CCurrencyList.h"
#include "model/CTransactionTypeList.h"
#include "support/TempFolder.h"

namespace {

using namespace model_bytes;
using testing_support::ReadBytes;
using testing_support::TempFolder;

// Loads the list from a missing file (which writes its defaults and reads them back), checks the
// file's bytes, and checks that a second list read from it saves the same bytes again.
template <typename List>
void ExpectDefaultFile(const TempFolder& temp, const std::string& fileName, const Bytes& expected,
                       List& list) {
    const std::string path = temp.File(fileName);
    ASSERT_EQ(list.LoadFile(path), 0);
    EXPECT_EQ(ReadBytes(path), expected);

    List again;
    ASSERT_EQ(again.LoadFile(path), 0);
    ASSERT_EQ(again.SaveFile(temp.File("again-" + fileName)), 0);
    EXPECT_EQ(ReadBytes(temp.File("again-" + fileName)), expected);
}

struct Category {
    std::uint8_t number;
    const char* name;
    std::uint8_t parent;
    std::uint16_t icon;
};

// The built-in categories in display order: top-level names ascending, each followed by its
// sub-categories ascending.
const Category kCategoryOrder[] = {
    {108, "Auto", 0, 14},
    {109, "Fuel", 108, 14},
    {110, "Insurance", 108, 14},
    {111, "Payment", 108, 14},
    {114, "Clothing", 0, 29},
    {115, "Dining", 0, 54},
    {116, "Education", 0, 41},
    {117, "Entertainment", 0, 63},
    {118, "Gifts", 0, 53},
    {119, "Groceries", 0, 44},
    {120, "Household", 0, 13},
    {121, "Insurance", 0, 34},
    {124, "Medical", 0, 9},
    {127, "Misc", 0, 46},
    {129, "Recreation", 0, 60},
    {107, "Salary", 0, 27},
    {130, "Subscriptions", 0, 31},
    {131, "Tax", 0, 45},
    {139, "Travel", 0, 21},
    {149, "Air Transportation", 139, 16},
    {148, "Ground Transportation", 139, 57},
    {146, "Lodging", 139, 13},
    {150, "Meals", 139, 54},
    {140, "Utilities", 0, 38},
    {141, "Cable TV", 140, 43},
    {143, "Electric", 140, 30},
    {142, "Gas", 140, 59},
    {138, "Telephone", 140, 15},
    {144, "Water", 140, 58},
    {145, "Vacation", 0, 48},
};

TEST(DefaultFiles, Categories) {
    std::vector<Bytes> records;
    for (const Category& c : kCategoryOrder) {
        records.push_back(Concat({ItemPart(), Key(0, c.number), Text(c.name, 33),
                                  c.parent == 0 ? Zeros(8) : Key(0, c.parent), Zeros(1), Zeros(8),
                                  Le16(c.icon), Zeros(4)}));
    }
    const Bytes expected = Concat({ListFile(0x0100, "CCategoryItem", records), Zeros(19)});

    TempFolder temp;
    CCVCategoryList list;
    ExpectDefaultFile(temp, "CategoriesList.lst", expected, list);
    ASSERT_EQ(list.Count(true), std::size(kCategoryOrder));
    for (std::size_t i = 0; i < std::size(kCategoryOrder); ++i) {
        const CCVCategoryItem* item = list.At(static_cast<std::int64_t>(i));
        EXPECT_STREQ(item->GetName(), kCategoryOrder[i].name);
        EXPECT_EQ(item->GetKey()->bytes[7], kCategoryOrder[i].number);
        EXPECT_EQ(item->GetParentKey().bytes[7], kCategoryOrder[i].parent);
        EXPECT_EQ(item->GetIcon(), kCategoryOrder[i].icon);
    }
    EXPECT_EQ(list.GetUnassignedBudget(), 0);
}

TEST(DefaultFiles, PayeesAndLookUpsAreEmpty) {
    TempFolder temp;
    CCVPayeeList payees;
    ExpectDefaultFile(temp, "PayeesList.lst", {0, 0}, payees);
    EXPECT_EQ(payees.Count(true), 0u);
    CCVPayeeLookUpList lookUps;
    ExpectDefaultFile(temp, "PayeeLookupList.lst", {0, 0}, lookUps);
    EXPECT_EQ(lookUps.Count(true), 0u);
}

TEST(DefaultFiles, Classes) {
    const auto record = [](std::uint8_t number, const char* name) {
        return Concat({ItemPart(), Key(0, number), Text(name, 33), Zeros(1), Zeros(8), Zeros(4)});
    };
    const Bytes expected =
        ListFile(0, "CClassItem", {record(101, "Business"), record(102, "Personal")});

    TempFolder temp;
    CClassList list;
    ExpectDefaultFile(temp, "ClassList.lst", expected, list);
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_STREQ(list.At(0)->GetName(), "Business");
    EXPECT_STREQ(list.At(1)->GetName(), "Personal");
}

TEST(DefaultFiles, CurrenciesInWindows1252WithTheirTrailer) {
    const Bytes rateOne = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    const auto record = [&](std::uint8_t number, const Bytes& symbol) {
        Bytes field = symbol;
        field.resize(5, 0);
        return Concat({ItemPart(), {number}, field, rateOne, Zeros(4)});
    };
    const Bytes expected =
        Concat({ListFile(0, "CCurrencyItem",
                         {record(1, {'$'}), record(2, {0xA3}), record(3, {0x80}), record(4, {0xA5}),
                          record(5, {'D', 'M'}), record(6, {'F'}), record(7, {'C', '$'}),
                          record(8, {'A', 'U', '$'})}),
                {0x01, 0x00}});

    TempFolder temp;
    CCurrencyList list;
    ExpectDefaultFile(temp, "CurrenciesList.lst", expected, list);
    ASSERT_EQ(list.Count(), 8u);
    ASSERT_NE(list.GetBase(), nullptr);
    EXPECT_STREQ(list.GetBase()->GetSymbol(), "$");
    EXPECT_STREQ(list.At(2)->GetSymbol(), "\x80");
    EXPECT_EQ(list.At(7)->GetRate(), 1.0);
    EXPECT_FALSE(list.BaseChanged());
}

TEST(DefaultFiles, TransactionTypes) {
    const auto record = [](std::uint8_t flags, std::uint8_t number, const char* name) {
        return Concat({ItemPart(), Key(flags, number), Text(name, 33), Zeros(5)});
    };
    const Bytes expected =
        ListFile(0, "CTransactionType",
                 {record(0xC0, 1, "Check #"), record(0x80, 2, "Withdrawal"),
                  record(0x00, 3, "Deposit"), record(0x80, 4, "Charge"), record(0x00, 5, "Payment"),
                  record(0x80, 6, "ATM"), record(0x80, 7, "EFT")});

    TempFolder temp;
    CTransactionTypeList list;
    ExpectDefaultFile(temp, "TransTypes.lst", expected, list);
    ASSERT_EQ(list.Count(), 7u);
    EXPECT_STREQ(list.At(0)->GetName(), "Check #");
    EXPECT_EQ(list.At(0)->HasCheckNumber(), kYes);
    EXPECT_EQ(list.At(1)->IsDebit(), kYes);
    EXPECT_EQ(list.At(2)->IsDebit(), kNo);
    EXPECT_EQ(list.At(2)->HasCheckNumber(), kNo);
}

// Lists with a trailer write it also when they are empty, right after the two count bytes.
TEST(DefaultFiles, EmptyListsStillCarryTheirTrailer) {
    TempFolder temp;
    CCurrencyList currencies;
    ASSERT_EQ(currencies.SaveFile(temp.File("c.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("c.lst")), Bytes({0, 0, 1, 0}));

    CCVCategoryList categories;
    categories.SetBudget(RecordKey{}, 123456);
    ASSERT_EQ(categories.SaveFile(temp.File("k.lst")), 0);
    EXPECT_EQ(ReadBytes(temp.File("k.lst")),
              Concat({{0, 0}, Zeros(2), Le64(123456), {1}, Zeros(8)}));
    CCVCategoryList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("k.lst")), 0);
    EXPECT_EQ(loaded.Count(true), 0u);
    EXPECT_EQ(loaded.GetUnassignedBudget(), 123456);
    EXPECT_TRUE(loaded.BudgetChanged());
}

}  // namespace
