// The register's order: the nine columns with their key sequences and direction, the category and
// class keys through the names, insertion after equals, and the category texts.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "RegisterFixture.h"
#include "model/BuiltInKey.h"

namespace {

using register_fixture::Payees;
using register_fixture::TestAccountList;
using register_fixture::Txn;
using register_fixture::Type;

enum Key { kState, kDate, kType, kPayee, kAmount, kCategory, kClass, kMemo, kKeyCount };

// Gives the transaction the low or the high value of one key. Types stay credit types so that
// the signed amount (a key of its own) does not change with them.
void SetKey(CTransaction& t, Key key, bool high) {
    switch (key) {
        case kState:
            t.SetState(high ? CTransaction::kVoid : CTransaction::kReconciled);
            break;
        case kDate:
            t.SetDate(high ? 2000 : 1000);
            break;
        case kType:
            t.SetTypeId(BuiltInKey(high ? Type::kTypePayment : Type::kTypeDeposit));
            break;
        case kPayee:
            t.SetPayeeName(high ? "banana" : "Apple");
            break;
        case kAmount:
            t.SetAmount(high ? 200 : 100);
            break;
        case kCategory:
            t.SetCategoryId(high ? CTransaction::SplitCategoryId() : BuiltInKey(108));
            break;
        case kClass:
            t.SetClassId(high ? RecordKey{} : BuiltInKey(101));
            break;
        case kMemo:
            t.SetMemo(high ? "b" : "A");
            break;
        case kKeyCount:
            break;
    }
}

TEST(RegisterOrder, EachColumnComparesItsKeysInTurn) {
    const std::vector<std::vector<Key>> keysOfColumn = {
        {kState, kDate, kType, kPayee, kAmount},
        {kCategory, kPayee, kAmount, kState, kDate, kType},
        {kDate, kType, kPayee, kAmount, kState},
        {kType, kPayee, kAmount, kState, kDate},
        {kPayee, kAmount, kState, kDate, kType},
        {kCategory, kPayee, kAmount, kState, kDate, kType},
        {kClass, kPayee, kAmount, kState, kDate, kType, kCategory},
        {kMemo, kDate, kType, kPayee, kAmount},
        {kAmount, kState, kDate, kType, kPayee},
    };
    TestAccountList list;
    for (int column = 0; column < CTxnSortOrder::kColumnCount; ++column) {
        const std::vector<Key>& keys = keysOfColumn[static_cast<std::size_t>(column)];
        const CTxnSortOrder ascending(column, true, &list.categoryText, &list.classes);
        const CTxnSortOrder descending(column, false, &list.categoryText, &list.classes);
        // x and y agree on the keys before key i, x is lower on key i and higher on every key
        // after it (and on the keys the column does not use): key i decides.
        for (std::size_t i = 0; i < keys.size(); ++i) {
            CTransaction x, y;
            for (int k = 0; k < kKeyCount; ++k) {
                const auto key = static_cast<Key>(k);
                const auto at = std::find(keys.begin(), keys.end(), key) - keys.begin();
                const bool before = static_cast<std::size_t>(at) < i;
                SetKey(x, key, !before && key != keys[i]);
                SetKey(y, key, key == keys[i]);
            }
            EXPECT_LT(ascending.Compare(x, y), 0) << "column " << column << " key " << i;
            EXPECT_GT(descending.Compare(x, y), 0) << "column " << column << " key " << i;
        }
        // Keys outside the column's sequence are ignored.
        CTransaction x, y;
        for (int k = 0; k < kKeyCount; ++k) {
            const auto key = static_cast<Key>(k);
            const bool used = std::find(keys.begin(), keys.end(), key) != keys.end();
            SetKey(x, key, !used);
            SetKey(y, key, false);
        }
        EXPECT_EQ(ascending.Compare(x, y), 0) << "column " << column;
    }
}

TEST(RegisterOrder, KeyRules) {
    TestAccountList list;
    CCVAccount& savings = list.AddAccount("Savings");
    const CTxnSortOrder byCheck(CTxnSortOrder::kColumnCheck, true);
    const CTxnSortOrder byType(CTxnSortOrder::kColumnType, true);
    const CTxnSortOrder byCategory(CTxnSortOrder::kColumnCategory, true, &list.categoryText);
    const CTxnSortOrder byClass(CTxnSortOrder::kColumnClass, true, nullptr, &list.classes);

    // State: reconciled, cleared, uncleared, void.
    auto reconciled = Txn(0, 1, Type::kTypeDeposit, "", CTransaction::kReconciled);
    auto cleared = Txn(0, 1, Type::kTypeDeposit, "", CTransaction::kCleared);
    auto uncleared = Txn(0, 1, Type::kTypeDeposit, "", CTransaction::kUncleared);
    auto voided = Txn(0, 1, Type::kTypeDeposit, "", CTransaction::kVoid);
    EXPECT_LT(byCheck.Compare(*reconciled, *cleared), 0);
    EXPECT_LT(byCheck.Compare(*cleared, *uncleared), 0);
    EXPECT_LT(byCheck.Compare(*uncleared, *voided), 0);

    // Type: two checks by number, otherwise by type key bytes.
    auto check5 = Txn(0, 1, Type::kTypeCheck);
    check5->SetCheckNumber(5);
    auto check10 = Txn(0, 1, Type::kTypeCheck);
    check10->SetCheckNumber(10);
    auto withdrawal = Txn(0, 1, Type::kTypeWithdrawal);
    EXPECT_GT(byType.Compare(*check10, *check5), 0);
    EXPECT_LT(byType.Compare(*withdrawal, *check10), 0);  // 80 02 before C0 01

    // Category: named ones by register text, case folded ("[Savings]" < "auto" < "dining"), then
    // none, then split.
    auto autoCategory = Txn(0, 1);
    autoCategory->SetCategoryId(BuiltInKey(108));
    auto transfer = Txn(0, 1);
    transfer->SetCategoryId(savings.GetAccountId());
    auto dining = Txn(0, 1);
    dining->SetCategoryId(BuiltInKey(115));
    auto none = Txn(0, 1);
    auto split = Txn(0, 1);
    split->SetCategoryId(CTransaction::SplitCategoryId());
    EXPECT_LT(byCategory.Compare(*transfer, *autoCategory), 0);
    EXPECT_LT(byCategory.Compare(*autoCategory, *dining), 0);
    EXPECT_LT(byCategory.Compare(*dining, *none), 0);
    EXPECT_LT(byCategory.Compare(*none, *split), 0);

    // Class: by name ("Business" < "Personal"), a named class before none.
    auto business = Txn(0, 1);
    business->SetClassId(BuiltInKey(101));
    auto personal = Txn(0, 1);
    personal->SetClassId(BuiltInKey(102));
    auto noClass = Txn(0, 1);
    EXPECT_LT(byClass.Compare(*business, *personal), 0);
    EXPECT_LT(byClass.Compare(*personal, *noClass), 0);
}

TEST(RegisterOrder, InsertionAfterEqualsAndResort) {
    TestAccountList list;
    CCVAccount& account = list.AddAccount("Checking");
    // Same date: type decides (deposit 00 03 before withdrawal 80 02), then payee.
    account.AddTransaction(Txn(50, 1, Type::kTypeWithdrawal, "w"));
    account.AddTransaction(Txn(50, 1, Type::kTypeDeposit, "zeta"));
    account.AddTransaction(Txn(50, 1, Type::kTypeDeposit, "Alpha"));
    account.AddTransaction(Txn(10, 1, Type::kTypeDeposit, "first"));
    account.AddTransaction(Txn(50, 1, Type::kTypeDeposit, "alpha"));  // equal: goes after
    const std::vector<std::string> byDate = {"first", "Alpha", "alpha", "zeta", "w"};
    EXPECT_EQ(Payees(account), byDate);
    account.Resort();
    EXPECT_EQ(Payees(account), byDate);  // a second sort the same way changes nothing

    account.SetSortColumn(CTxnSortOrder::kColumnPayee);
    account.SetSortAscending(false);
    account.Resort();
    // Descending by payee; the two equal "alpha" keep their order.
    EXPECT_EQ(Payees(account), (std::vector<std::string>{"zeta", "w", "first", "Alpha", "alpha"}));

    // A sort column from a damaged file orders as the date column.
    account.SetSortColumn(700);
    account.SetSortAscending(true);
    account.Resort();
    EXPECT_EQ(Payees(account), byDate);
}

// Resort reads each key once per transaction; inserting compares transactions directly. Both must
// give the same order for every column and direction, equal transactions included.
TEST(RegisterOrder, ResortGivesTheOrderOfInsertingEachInTurn) {
    TestAccountList list;
    CCVAccount& savings = list.AddAccount("savings");
    const RecordKey categories[] = {
        RecordKey{},     CTransaction::SplitCategoryId(), BuiltInKey(108), BuiltInKey(109),
        BuiltInKey(115), savings.GetAccountId(),          BuiltInKey(9999)};
    const RecordKey classes[] = {RecordKey{}, BuiltInKey(101), BuiltInKey(102), BuiltInKey(7777)};
    const Type types[] = {Type::kTypeCheck, Type::kTypeWithdrawal, Type::kTypeDeposit,
                          Type::kTypeAtm};
    const char* texts[] = {"", "alpha", "Alpha", "beta", "[zulu", "Auto"};
    std::mt19937 random(7);
    const auto pick = [&random](std::size_t n) { return static_cast<std::size_t>(random() % n); };
    std::vector<CTransaction> sample;
    for (int i = 0; i < 300; ++i) {
        auto t = Txn(static_cast<DateTime>(pick(4)), static_cast<Amount>(pick(3)), types[pick(4)],
                     texts[pick(6)], static_cast<std::uint8_t>(pick(4)));
        t->SetCheckNumber(static_cast<std::uint32_t>(pick(3)));
        t->SetCategoryId(categories[pick(7)]);
        t->SetClassId(classes[pick(4)]);
        t->SetMemo(texts[pick(6)]);
        sample.push_back(*t);
    }
    for (int column = 0; column < CTxnSortOrder::kColumnCount; ++column) {
        for (const bool ascending : {true, false}) {
            CCVAccount& inserted = list.AddAccount("inserted");
            CCVAccount& resorted = list.AddAccount("resorted");
            for (CCVAccount* account : {&inserted, &resorted}) {
                account->SetSortColumn(static_cast<std::uint16_t>(column));
                account->SetSortAscending(ascending);
            }
            for (std::size_t i = 0; i < sample.size(); ++i) {
                auto t = std::make_unique<CTransaction>(sample[i]);
                t->SetOnlineId(std::to_string(i).c_str());  // not a key: tells them apart
                auto copy = std::make_unique<CTransaction>(*t);
                inserted.AddTransaction(std::move(t));
                resorted.Transactions().Append(copy.release());
            }
            resorted.Resort();
            const auto identities = [](const CCVAccount& account) {
                std::vector<std::string> ids;
                for (std::int64_t i = 0;
                     i < static_cast<std::int64_t>(account.Transactions().Count()); ++i) {
                    ids.emplace_back(account.Transactions().At(i)->GetOnlineId());
                }
                return ids;
            };
            EXPECT_EQ(identities(resorted), identities(inserted))
                << "column " << column << " ascending " << ascending;
        }
    }
}

TEST(CategoryText, BothDirections) {
    TestAccountList list;
    CCVAccount& savings = list.AddAccount("Savings");
    savings.Record().SetIcon(12);
    const CCVCategoryText& text = list.categoryText;
    std::string shown;
    std::uint16_t icon = 99;

    EXPECT_EQ(text.GetCategoryText(RecordKey{}, shown, icon), 0);
    EXPECT_EQ(shown, "");
    EXPECT_EQ(icon, 0);
    EXPECT_EQ(text.GetCategoryText(CTransaction::SplitCategoryId(), shown, icon), 0);
    EXPECT_EQ(shown, "-SPLIT-");
    EXPECT_EQ(icon, CCVCategoryText::kSplitIcon);
    EXPECT_EQ(text.GetCategoryText(savings.GetAccountId(), shown, icon), 0);
    EXPECT_EQ(shown, "[Savings]");
    EXPECT_EQ(icon, 12);
    EXPECT_EQ(
        text.GetCategoryText(savings.GetAccountId(), shown, icon, CCVCategoryText::kShortForm), 0);
    EXPECT_EQ(shown, "Savings");
    EXPECT_EQ(text.GetCategoryText(BuiltInKey(109)), "Auto:Fuel");
    EXPECT_EQ(text.GetCategoryText(BuiltInKey(9999), shown, icon), 1);
    EXPECT_EQ(shown, "");

    EXPECT_TRUE(text.GetCategoryId("").IsNull());
    EXPECT_EQ(text.GetCategoryId("-SPLIT-"), CTransaction::SplitCategoryId());
    EXPECT_EQ(text.GetCategoryId("[Savings]"), savings.GetAccountId());
    EXPECT_TRUE(text.GetCategoryId("[savings]").IsNull());  // account names: letter case counts
    EXPECT_TRUE(text.GetCategoryId("[Nowhere]").IsNull());
    EXPECT_EQ(text.GetCategoryId("auto:fuel"), BuiltInKey(109));
    const auto categories = list.categories.Count();
    EXPECT_TRUE(text.GetCategoryId("Hobbies").IsNull());
    EXPECT_EQ(list.categories.Count(), categories);  // looked up, never created
}

}  // namespace
