// Saves write only what changed: which files of the data folder a save replaces after each kind
// of change (an atomic replace gives the file a new inode), that a save with no change writes
// nothing, that a file whose save failed is written by the next save, and that a damaged file
// is written by the first save.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>
#include <memory>
#include <set>
#include <string>

#include "AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/CClearedMark.h"
#include "platform/sys/FileFault.h"
#include "support/TempFolder.h"

namespace {

using account_list_fixture::DataFolder;
using Inodes = std::map<std::string, ino_t>;

Inodes InodesOf(const DataFolder& folder) {
    Inodes inodes;
    for (const std::string& name : testing_support::ListFolder(folder.Path())) {
        struct stat info {};
        if (stat(folder.File(name).c_str(), &info) == 0) inodes[name] = info.st_ino;
    }
    return inodes;
}

// The files a save replaced or made.
std::set<std::string> Saved(const DataFolder& folder, CCVAccountList& list, int expectedRc = 0) {
    const Inodes before = InodesOf(folder);
    EXPECT_EQ(list.SaveAll(), expectedRc);
    std::set<std::string> written;
    for (const auto& [name, inode] : InodesOf(folder)) {
        const auto old = before.find(name);
        if (old == before.end() || old->second != inode) written.insert(name);
    }
    return written;
}

std::unique_ptr<CTransaction> Deposit(Amount amount, const char* payee) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(3'000'000'000u);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeDeposit));
    t->SetPayeeName(payee);
    return t;
}

using Files = std::set<std::string>;

TEST(SaveChanges, EachChangeWritesOnlyItsFiles) {
    DataFolder folder;
    folder.Load();
    auto list = folder.Load();
    CCVAccount& checking = *list->At(list->FindAccount(list->FindAccountByName("Checking")));
    CCVAccount& savings = *list->At(list->FindAccount(list->FindAccountByName("Savings")));
    EXPECT_EQ(Saved(folder, *list), Files{});

    ASSERT_EQ(checking.AddTransaction(Deposit(100, "Shop")), 0);
    EXPECT_EQ(Saved(folder, *list), Files{"Checking.cvl"});
    EXPECT_EQ(Saved(folder, *list), Files{});

    // A transaction changed in place, then cleared through the register's mark.
    CTransaction& added = *static_cast<CTransaction*>(checking.Transactions().GetAt(0));
    added.SetMemo("lunch");
    EXPECT_EQ(Saved(folder, *list), Files{"Checking.cvl"});
    ASSERT_EQ(CClearedMark::Toggle(checking, added), CClearedMark::kToggled);
    EXPECT_EQ(Saved(folder, *list), Files{"Checking.cvl"});

    // A transfer writes both accounts.
    ASSERT_EQ(
        CAccountOperations(*list).TransferFunds(&checking, &savings, 3'000'000'000u, 50, false), 0);
    EXPECT_EQ(Saved(folder, *list), (Files{"Checking.cvl", "Savings.cvl"}));

    // A deletion, the record set directly, a view setting of the file.
    ASSERT_EQ(savings.DeleteTransactionAt(0), 0);
    EXPECT_EQ(Saved(folder, *list), Files{"Savings.cvl"});
    savings.Record().SetClearedBalance(700);
    EXPECT_EQ(Saved(folder, *list), Files{"Savings.cvl"});
    checking.SetSortColumn(static_cast<std::uint16_t>(checking.GetSortColumn() + 1));
    EXPECT_EQ(Saved(folder, *list), Files{"Checking.cvl"});
    checking.SetOwnRowColor(checking.GetOwnRowColor() ^ 1);
    EXPECT_EQ(Saved(folder, *list), Files{"Checking.cvl"});

    // A payee made, then one changed in place: the payee list alone.
    auto payee = std::make_unique<CCVPayeeItem>();
    payee->SetName("Grocer");
    ASSERT_EQ(list->GetPayees().AddPayee(payee.release()), 0);
    EXPECT_EQ(Saved(folder, *list), Files{"PayeesList.lst"});
    static_cast<CCVPayeeItem*>(list->GetPayees().FindByName("Grocer"))->SetName("Grocers");
    EXPECT_EQ(Saved(folder, *list), Files{"PayeesList.lst"});

    // A renamed account's moved file is written with the new name in its record.
    const ino_t moved = InodesOf(folder).at("Savings.cvl");
    ASSERT_EQ(list->RenameAccount(savings, "Reserve"), 0);
    EXPECT_EQ(Saved(folder, *list), Files{"Reserve.cvl"});
    EXPECT_NE(InodesOf(folder).at("Reserve.cvl"), moved);
    EXPECT_EQ(Saved(folder, *list), Files{});

    // What was saved is what a new load reads.
    auto reloaded = folder.Load();
    EXPECT_EQ(reloaded->FindAccountByName("Reserve")->Record().GetClearedBalance(), 700);
    EXPECT_EQ(reloaded->FindAccountByName("Checking")->GetSortColumn(), checking.GetSortColumn());
    EXPECT_NE(reloaded->GetPayees().FindByName("Grocers"), nullptr);
    EXPECT_EQ(Saved(folder, *reloaded), Files{});
}

TEST(SaveChanges, AFailedFileStaysChangedUntilItIsWritten) {
    DataFolder folder;
    auto list = folder.Load();
    list->At(1)->AddTransaction(Deposit(100, "Shop"));
    auto payee = std::make_unique<CCVPayeeItem>();
    payee->SetName("Grocer");
    list->GetPayees().AddPayee(payee.release());
    {
        sys::ScopedFileFault fault(sys::FileStep::Rename);
        EXPECT_EQ(Saved(folder, *list, 1), Files{});
    }
    EXPECT_EQ(Saved(folder, *list), (Files{"Checking.cvl", "PayeesList.lst"}));
    EXPECT_EQ(Saved(folder, *list), Files{});
}

TEST(SaveChanges, ADamagedAccountIsWrittenByTheFirstSave) {
    DataFolder folder;
    {
        auto list = folder.Load();
        list->At(1)->AddTransaction(Deposit(100, "Shop"));
        list->At(1)->AddTransaction(Deposit(200, "Shop"));
        ASSERT_EQ(list->SaveAll(), 0);
    }
    // The last bytes of the register cut off.
    const std::string path = folder.File("Checking.cvl");
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    ASSERT_EQ(truncate(path.c_str(), info.st_size - 10), 0);

    auto list = folder.Load();
    ASSERT_EQ(list->DamagedFiles().size(), 1u);
    EXPECT_EQ(Saved(folder, *list), Files{"Checking.cvl"});
    EXPECT_TRUE(folder.Load()->DamagedFiles().empty());
}

}  // namespace
