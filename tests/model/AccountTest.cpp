// Accounts: the 360-byte record, balances as transactions come and go, running balances for every
// filter in both directions, find, and the view settings.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "ModelBytes.h"
#include "RegisterFixture.h"
#include "model/BuiltInKey.h"
#include "preferences/CCVPreferences.h"
#include "preferences/PreferencesHome.h"
#include "storage/RecordArchive.h"
#include "support/TempFolder.h"

namespace {

using namespace model_bytes;
using register_fixture::Payees;
using register_fixture::TestAccountList;
using register_fixture::Txn;
using register_fixture::Type;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

int SaveRecord(CCVAccountRecord& record, const std::string& path) {
    RecordArchive ar(path, RecordArchive::kSave);
    if (ar.Open() != 0) return 1;
    const int rc = record.Serialize(ar);
    return rc != 0 ? rc : ar.Close();
}

int LoadRecord(CCVAccountRecord& record, const std::string& path) {
    RecordArchive ar(path, RecordArchive::kLoad);
    if (ar.Open() != 0) return 1;
    return record.Serialize(ar);
}

TEST(AccountRecord, FieldsAtTheirOffsetsWithTheirChangeBits) {
    CCVAccount account;
    const RecordKey id = account.GetAccountId();
    EXPECT_FALSE(id.IsNull());
    CCVAccountRecord& r = account.Record();
    EXPECT_EQ(r.GetChangeBits(), 0u);
    account.SetName("Master Card");
    r.SetAccountType(CCVAccount::kCredit);
    r.SetBeginningBalance(-5000);
    r.SetAccountNumber("1234-5678");
    r.SetBankName("First Bank");
    r.SetIcon(5);
    r.SetOnlineEnabled(true);
    r.SetCustomerId("customer");
    r.SetOnlinePassword("secret");
    r.SetFiId(0x01020304);
    r.SetRoutingNumber("123456789");
    r.SetDownloadMarker("marker");
    r.SetStatementBeginningBalance(-1);
    r.SetStatementEndingBalance(2);
    r.SetStatementDate(0x0A0B0C0D);
    r.SetCurrency(3);
    r.SetIncludeInTotal(false);
    r.SetLastCheckNumber(77);
    r.SetLastStatementEndingBalance(3);
    r.SetLastStatementDate(4);
    const std::uint32_t bits = 0x1F3EDF;  // 0-4, 6, 7, 9-13, 16-20

    TempFolder folder;
    ASSERT_EQ(SaveRecord(r, folder.File("record")), 0);
    const Bytes expected = Concat({Le32(9),
                                   Text("Master Card", 26),
                                   {3, 0},
                                   Le64(-5000),
                                   Zeros(16),
                                   {0},
                                   Text("1234-5678", 21),
                                   Text("First Bank", 34),
                                   Le32(77),
                                   Zeros(4),
                                   Bytes(id.bytes.begin(), id.bytes.end()),
                                   Zeros(2),
                                   Le16(5),
                                   {0, 3},
                                   Zeros(22),
                                   Le32(bits),
                                   Zeros(12),
                                   {1, 0},
                                   Text("customer", 33),
                                   Text("secret", 41),
                                   Le32(0x01020304),
                                   Text("123456789", 10),
                                   Text("marker", 66),
                                   Le64(3),
                                   Le32(4),
                                   Le64(static_cast<std::uint64_t>(-1)),
                                   Le64(2),
                                   Le32(0x0A0B0C0D)});
    ASSERT_EQ(expected.size(), CCVAccountRecord::kSize);
    EXPECT_EQ(ReadBytes(folder.File("record")), expected);

    CCVAccountRecord loaded;
    ASSERT_EQ(LoadRecord(loaded, folder.File("record")), 0);
    EXPECT_TRUE(loaded == r);
    EXPECT_EQ(loaded.GetName(), "Master Card");
    EXPECT_EQ(loaded.GetOnlinePassword(), "secret");
    EXPECT_EQ(loaded.GetAccountId(), id);
    EXPECT_EQ(loaded.GetStatementBeginningBalance(), -1);
}

TEST(AccountRecord, NewAccountDefaultsAndReservedBytesSurvive) {
    CCVAccount account;
    const CCVAccountRecord& r = account.Record();
    EXPECT_EQ(r.GetRecordVersion(), 9u);
    EXPECT_EQ(r.GetAccountType(), CCVAccount::kChecking);
    EXPECT_TRUE(r.GetIncludeInTotal());
    EXPECT_EQ(r.GetCurrency(), 1);
    EXPECT_EQ(r.GetIcon(), 2);
    EXPECT_EQ(account.GetOwnRowColor(), 0x00FEF3EDu);
    EXPECT_EQ(account.GetSortColumn(), CTxnSortOrder::kColumnDate);
    EXPECT_TRUE(account.GetSortAscending());

    // A record from a file: reserved bytes set, texts without terminators.
    TempFolder folder;
    WriteBytes(folder.File("record"), Bytes(CCVAccountRecord::kSize, 0xAB));
    CCVAccountRecord loaded;
    ASSERT_EQ(LoadRecord(loaded, folder.File("record")), 0);
    EXPECT_EQ(loaded.GetName(), std::string(25, '\xAB'));  // never past the field
    EXPECT_EQ(loaded.GetRoutingNumber(), std::string(9, '\xAB'));
    loaded.SetName("Cash");
    loaded.SetBeginningBalance(0);
    ASSERT_EQ(SaveRecord(loaded, folder.File("again")), 0);
    const Bytes bytes = ReadBytes(folder.File("again"));
    ASSERT_EQ(bytes.size(), CCVAccountRecord::kSize);
    EXPECT_EQ(bytes[31], 0xAB);  // reserved
    EXPECT_EQ(bytes[30], 0xAB);  // account type untouched
    EXPECT_EQ(Bytes(bytes.begin() + 134, bytes.begin() + 156), Bytes(22, 0xAB));
    EXPECT_EQ(Bytes(bytes.begin() + 4, bytes.begin() + 30), Text("Cash", 26));

    // A record cut short is not read at all.
    for (std::size_t cut = 0; cut < CCVAccountRecord::kSize; ++cut) {
        WriteBytes(folder.File("cut"), Bytes(cut, 0x55));
        CCVAccountRecord record = loaded;
        EXPECT_EQ(LoadRecord(record, folder.File("cut")), 1);
        EXPECT_TRUE(record == loaded);
    }
}

TEST(Account, BalancesFollowAddsAndDeletes) {
    CCVAccount account;
    account.Record().SetBeginningBalance(10000);
    account.RecomputeBalances();
    account.AddTransaction(Txn(1, 2500, Type::kTypeWithdrawal, "a", CTransaction::kCleared));
    account.AddTransaction(Txn(2, 1000, Type::kTypeDeposit, "b", CTransaction::kReconciled));
    account.AddTransaction(Txn(3, 700, Type::kTypeWithdrawal, "c", CTransaction::kUncleared));
    account.AddTransaction(Txn(4, 9999, Type::kTypeDeposit, "void", CTransaction::kVoid));
    EXPECT_EQ(account.AddTransaction(nullptr), 1);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 7800);
    EXPECT_EQ(account.Record().GetClearedBalance(), 8500);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 8500);
    EXPECT_EQ(account.GetBalance(7), 0);

    // Deleting the void one with keep-balance moves nothing into the beginning balance.
    EXPECT_EQ(account.DeleteTransaction(account.Transactions().At(3), true), 0);
    EXPECT_EQ(account.Record().GetBeginningBalance(), 10000);
    // Keep-balance: the current balance stays, the amount moves into the beginning balance.
    EXPECT_EQ(account.DeleteTransaction(account.Transactions().At(0), true), 0);
    EXPECT_EQ(account.Record().GetBeginningBalance(), 7500);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 7800);
    // Without it the transaction is gone as if it never took place.
    EXPECT_EQ(account.DeleteTransactionAt(0), 0);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 6800);
    EXPECT_EQ(account.Record().GetClearedBalance(), 7500);
    EXPECT_EQ(account.DeleteTransactionAt(5), 1);
    EXPECT_EQ(account.DeleteTransaction(nullptr, false), 1);

    ASSERT_EQ(account.DeletedTransactions().Count(true), 3u);
    const CCVItem* deleted = account.DeletedTransactions().GetAtAny(0);
    EXPECT_TRUE(deleted->IsDeleted() && deleted->IsModified());
    EXPECT_EQ(Payees(account), (std::vector<std::string>{"c"}));

    // Unlink only clears the twin link and keeps the transaction.
    CTransaction* c = account.Transactions().At(0);
    c->SetLinkedTransactionId(BuiltInKey(42));
    EXPECT_EQ(account.DeleteTransactionById(c->GetTransactionId(), true), 0);
    EXPECT_TRUE(c->GetLinkedTransactionId().IsNull());
    EXPECT_EQ(account.DeleteTransactionById(BuiltInKey(42), false), 1);
}

TEST(Account, BalancesOfHostileAmountsSaturate) {
    CCVAccount account;
    account.Record().SetBeginningBalance(std::numeric_limits<Amount>::max());
    auto t = Txn(1, std::numeric_limits<Amount>::min(), Type::kTypeWithdrawal);
    account.AddTransaction(std::move(t));
    account.AddTransaction(Txn(2, std::numeric_limits<Amount>::max(), Type::kTypeDeposit));
    account.RecomputeBalances();
    EXPECT_EQ(account.Record().GetCurrentBalance(), std::numeric_limits<Amount>::max());
    EXPECT_EQ(account.GetRunningBalance(0, 1), std::numeric_limits<Amount>::max());
    EXPECT_EQ(account.Find(0, "9"), 2u);
}

// Beginning 1000; in date order: +100 cleared, -20 uncleared, +5000 void, +300 reconciled,
// -7 downloaded (cleared), -9 imported (cleared).
void FillMixedRegister(CCVAccount& account) {
    account.Record().SetBeginningBalance(1000);
    account.RecomputeBalances();
    account.AddTransaction(Txn(1, 100, Type::kTypeDeposit, "a", CTransaction::kCleared));
    account.AddTransaction(Txn(2, 20, Type::kTypeWithdrawal, "b", CTransaction::kUncleared));
    account.AddTransaction(Txn(3, 5000, Type::kTypeDeposit, "c", CTransaction::kVoid));
    account.AddTransaction(Txn(4, 300, Type::kTypeDeposit, "d", CTransaction::kReconciled));
    auto downloaded = Txn(5, 7, Type::kTypeAtm, "e", CTransaction::kCleared);
    downloaded->SetOnlineOrigin(CTransaction::kAwaitingReview);
    downloaded->SetOnlineId("FIT-5");
    account.AddTransaction(std::move(downloaded));
    auto imported = Txn(6, 9, Type::kTypeWithdrawal, "f", CTransaction::kCleared);
    imported->SetOnlineOrigin(CTransaction::kAwaitingReview);
    account.AddTransaction(std::move(imported));
}

TEST(Account, RunningBalancesForEveryFilterInBothDirections) {
    CCVAccount account;
    FillMixedRegister(account);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 1364);

    // Ascending, filter 0: from the beginning balance, row by row.
    const std::vector<Amount> ascendingAll = {1100, 1080, 1080, 1380, 1373, 1364};
    for (std::size_t n = 0; n < ascendingAll.size(); ++n) {
        EXPECT_EQ(account.GetRunningBalance(0, static_cast<std::int64_t>(n)), ascendingAll[n]);
    }
    EXPECT_EQ(account.GetRunningBalance(0, -1), 0);
    EXPECT_EQ(account.GetFilteredBalance(CTransaction::kFilterCleared), 1384);
    EXPECT_EQ(account.GetFilteredBalance(CTransaction::kFilterUncleared), -20);  // from 0
    EXPECT_EQ(account.GetRunningBalance(CTransaction::kFilterUncleared, 0), -20);
    EXPECT_EQ(account.GetFilteredBalance(CTransaction::kFilterImported), -9);

    account.SetSortAscending(false);
    account.Resort();
    EXPECT_EQ(Payees(account), (std::vector<std::string>{"f", "e", "d", "c", "b", "a"}));
    EXPECT_EQ(account.GetRunningBalance(0, 0), account.Record().GetCurrentBalance());
    EXPECT_EQ(account.GetRunningBalance(0, 5), 1100);  // beginning + the last transaction

    // The one-pass rows agree with GetRunningBalance for every filter, in both directions.
    for (const bool ascending : {false, true}) {
        account.SetSortAscending(ascending);
        account.Resort();
        for (int filter = 0; filter <= CTransaction::kFilterCount; ++filter) {
            const auto rows = account.GetRegisterRows(filter);
            ASSERT_EQ(rows.size(), account.CountFiltered(filter));
            for (std::size_t n = 0; n < rows.size(); ++n) {
                EXPECT_EQ(rows[n].transaction,
                          account.GetFiltered(filter, static_cast<std::int64_t>(n)));
                EXPECT_EQ(rows[n].runningBalance,
                          account.GetRunningBalance(filter, static_cast<std::int64_t>(n)))
                    << "filter " << filter << " row " << n << " ascending " << ascending;
                EXPECT_EQ(account.IndexOfId(filter, rows[n].transaction->GetTransactionId()),
                          static_cast<std::int64_t>(n));
            }
        }
    }
    EXPECT_EQ(account.GetFiltered(CTransaction::kFilterDownloaded, 1), nullptr);
    EXPECT_EQ(account.IndexOfId(CTransaction::kFilterReconciled, BuiltInKey(3)), -1);
}

TEST(Account, FindByPayeeAmountMemoAndSplitMemo) {
    CCVAccount account;
    account.AddTransaction(Txn(1, 1050, Type::kTypeDeposit, "Corner Shop"));
    account.AddTransaction(Txn(2, 1005, Type::kTypeDeposit, "Bakery"));
    auto memo = Txn(3, 1, Type::kTypeDeposit, "x");
    memo->SetMemo("Birthday SHOP gift");
    account.AddTransaction(std::move(memo));
    auto split = Txn(4, 2, Type::kTypeDeposit, "y", CTransaction::kCleared);
    CSplitLine line;
    line.SetMemo("shoppING list");
    split->SetSplit(7, line);
    account.AddTransaction(std::move(split));

    EXPECT_EQ(account.Find(0, "shop"), 3u);
    EXPECT_EQ(Payees(account).size(), 4u);
    EXPECT_STREQ(account.FindResults().At(2)->GetPayeeName(), "y");
    EXPECT_EQ(account.Find(CTransaction::kFilterCleared, "shop"), 1u);
    // Hundredths have two digits: "10.5" finds 10.50 and not 10.05.
    EXPECT_EQ(account.Find(0, "10.5"), 1u);
    EXPECT_STREQ(account.FindResults().At(0)->GetPayeeName(), "Corner Shop");
    EXPECT_EQ(account.Find(0, "10.05"), 1u);
    EXPECT_STREQ(account.FindResults().At(0)->GetPayeeName(), "Bakery");
    EXPECT_EQ(account.Find(0, std::string(40, 'z').c_str()), 0u);
    EXPECT_EQ(std::string(account.GetSearchText()), std::string(31, 'z'));

    // A deleted transaction leaves the find results.
    account.Find(0, "Bakery");
    account.DeleteTransactionAt(
        account.IndexOfId(0, account.FindResults().At(0)->GetTransactionId()));
    EXPECT_EQ(account.FindResults().Count(), 0u);
}

TEST(Account, ViewSettingsRowColourAndBalanceRules) {
    testing_support::PreferencesHome home;
    CCVPreferences preferences;
    ASSERT_EQ(preferences.SelectUser(), 0);
    ASSERT_EQ(preferences.SelectAccount(L"Visa"), 0);
    TestAccountList list;
    list.preferences = &preferences;
    CCVAccount& account = list.AddAccount("Visa");
    account.SetOwnRowColor(0x00D2FFFF);
    EXPECT_EQ(account.GetRowColor(), 0x00D2FFFFu);  // no preference yet: the account's own
    account.SetRowColor(0x123456);
    EXPECT_EQ(preferences.GetRowColor(0), 0x123456u);
    preferences.SetRowColor(0x654321);
    EXPECT_EQ(account.GetRowColor(), 0x654321u);
    EXPECT_EQ(account.GetOwnRowColor(), 0x654321u);  // remembered for the account file

    EXPECT_EQ(CCVAccount::DefaultTypeIdOfType(CCVAccount::kCredit), BuiltInKey(Type::kTypeCharge));
    EXPECT_EQ(account.GetDefaultTypeId(), BuiltInKey(Type::kTypeCheck));
    EXPECT_EQ(CCVAccount::DefaultIconOfType(8), 14);

    account.Record().SetAccountType(CCVAccount::kLineOfCredit);
    EXPECT_EQ(account.CheckBeginningBalance(100),
              EditOutcome::Ask(res::IDS_BEGINNING_BALANCE_POSITIVE));
    EXPECT_TRUE(account.CheckBeginningBalance(-100).IsDone());

    account.Record().SetBeginningBalance(500);
    account.RecomputeBalances();
    account.AddTransaction(Txn(1, 200, Type::kTypeDeposit, "a", CTransaction::kCleared));
    account.AddTransaction(Txn(2, 50, Type::kTypeDeposit, "b"));
    EXPECT_EQ(account.SetBalanceTo(CCVAccount::kBalanceCleared, 1000), 0);
    EXPECT_EQ(account.Record().GetBeginningBalance(), 800);
    EXPECT_EQ(account.Record().GetCurrentBalance(), 1050);
    EXPECT_EQ(account.SetBalanceTo(CCVAccount::kBalanceCurrent, 0), 0);
    EXPECT_EQ(account.Record().GetBeginningBalance(), -250);
    EXPECT_EQ(account.Record().GetClearedBalance(), -50);
    EXPECT_EQ(account.SetBalanceTo(2, 0), 1);
}

}  // namespace
