// The account list: the first start on an empty folder, the account file's bytes with and without
// the password cipher, which files load as accounts, deleting and renaming without ever replacing
// a file, the name rule, sorting, totals, damaged and unreadable files, and the import folder.
#include "model/CCVAccountList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AccountListFixture.h"
#include "ModelBytes.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccountFile.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"
#include "platform/sys/WinErrors.h"
#include "storage/CCVPassword.h"
#include "support/TempFolder.h"

namespace {

using namespace model_bytes;
using account_list_fixture::DataFolder;
using testing_support::ListFolder;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

constexpr std::size_t kFixedPartSize = 2 + CCVAccountRecord::kSize + 2 + 2 + 3 * 4 + 4 + 2 + 1;
const std::string kDeletedMark(22, 'X');

std::vector<std::string> Names(const CCVAccountList& list) {
    std::vector<std::string> names;
    for (std::uint32_t i = 0; i < list.Count(); ++i) names.emplace_back(list.At(i)->GetName());
    return names;
}

std::unique_ptr<CTransaction> Txn(Amount amount, const char* payee, const char* memo = "") {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(3'000'000'000u);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeDeposit));
    t->SetPayeeName(payee);
    t->SetMemo(memo);
    return t;
}

// The stored form of one transaction record, as a list of one writes it.
Bytes RecordBytes(CTransaction& transaction, const TempFolder& temp) {
    CCVTxnList list;
    list.SetBorrowing();
    list.Append(&transaction);
    EXPECT_EQ(list.SaveFile(temp.File("record")), 0);
    const Bytes file = ReadBytes(temp.File("record"));
    const std::size_t header = 2 + 2 + 2 + 2 + std::string(CCVTxnList::kListName).size();
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(header), file.end());
}

std::unique_ptr<CCVAccount> NewAccount(const char* name) {
    auto account = std::make_unique<CCVAccount>();
    account->SetName(name);
    return account;
}

TEST(AccountList, FirstStartOnAnEmptyFolder) {
    DataFolder folder;
    int rc = 1;
    auto list = folder.Load(&rc);
    ASSERT_EQ(rc, 0);
    EXPECT_EQ(ListFolder(folder.Path()),
              std::vector<std::string>({"American Express.cvl", "CategoriesList.lst",
                                        "Checking.cvl", "ClassList.lst", "CurrenciesList.lst",
                                        "FiList.lst", "Master Card.cvl", "PayeeLookupList.lst",
                                        "PayeesList.lst", "Savings.cvl", "ScheduledTransList.lst",
                                        "TransTypes.lst", "Visa.cvl"}));
    EXPECT_EQ(list->GetCategories().Count(), 30u);
    EXPECT_EQ(ReadBytes(folder.File("ScheduledTransList.lst")), Zeros(2));

    struct Expected {
        const char* name;
        std::uint8_t idByte7;
        std::uint8_t type;
        std::uint16_t icon;
        std::uint32_t color;
    };
    const Expected expected[] = {
        {"American Express", 8, CCVAccount::kCredit, 6, 0xFFE6FF},
        {"Checking", 5, CCVAccount::kChecking, 2, 0xD2FFFF},
        {"Master Card", 7, CCVAccount::kCredit, 5, 0xFFE6FF},
        {"Savings", 6, CCVAccount::kSavings, 12, 0xFFFFD9},
        {"Visa", 9, CCVAccount::kCredit, 3, 0xFFE6FF},
    };
    ASSERT_EQ(list->Count(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const CCVAccount& account = *list->At(static_cast<std::int64_t>(i));
        SCOPED_TRACE(expected[i].name);
        EXPECT_STREQ(account.GetName(), expected[i].name);
        EXPECT_EQ(account.GetAccountId(), BuiltInKey(expected[i].idByte7));
        EXPECT_EQ(account.Record().GetAccountType(), expected[i].type);
        EXPECT_EQ(account.Record().GetIcon(), expected[i].icon);
        EXPECT_EQ(account.GetOwnRowColor(), expected[i].color);
        // The file holds the account as it is.
        const Bytes file = ReadBytes(folder.File(std::string(expected[i].name) + ".cvl"));
        ASSERT_EQ(file.size(), kFixedPartSize + 2 + 2);
        EXPECT_EQ(
            Bytes(file.begin() + 2, file.begin() + 2 + CCVAccountRecord::kSize),
            Bytes(account.Record().Data(), account.Record().Data() + CCVAccountRecord::kSize));
    }

    // A second start finds the accounts and makes no new ones.
    auto again = folder.Load(&rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(Names(*again), Names(*list));
    EXPECT_EQ(again->At(1)->GetAccountId(), BuiltInKey(5));
}

TEST(AccountList, AccountFileBytesInBothFormsOfTheDeletedTransactions) {
    TempFolder temp;
    CCVAccountList list;
    CCVAccount account;
    account.SetName("Cash");
    account.SetReservedWord(0, 0x1101);
    account.SetReservedWord(1, 0x2202);
    account.SetReservedWord(2, 0x3303);
    account.SetReservedLong(0x44332211);
    account.SetOwnRowColor(0x00C0B0A0);
    account.SetSortColumn(4);
    account.SetSortAscending(false);
    const auto fixed = [&account] {
        const std::uint8_t* record = account.Record().Data();
        return Concat({Le16(0x1101),
                       Bytes(record, record + CCVAccountRecord::kSize),
                       Le16(0x2202),
                       Le16(0x3303),
                       Le32(0x44332211),
                       Le32(0x44332211),
                       Le32(0x44332211),
                       Le32(0x00C0B0A0),
                       Le16(4),
                       {0}});
    };
    ASSERT_EQ(fixed().size(), kFixedPartSize);

    // No transaction in the register: the deleted transactions follow in the list framing.
    account.AddTransaction(Txn(500, "Gone", "deleted memo"));
    ASSERT_EQ(account.DeleteTransactionAt(0), 0);
    auto& gone = *static_cast<CTransaction*>(account.DeletedTransactions().GetAtAny(0));
    const Bytes goneBytes = RecordBytes(gone, temp);
    ASSERT_EQ(list.SaveAccountFile(account, temp.File("empty.cvl")), 0);
    EXPECT_EQ(ReadBytes(temp.File("empty.cvl")),
              Concat({fixed(), Le16(0), ListFile(0, "CTransaction", {goneBytes})}));

    // With a register: a count and every deleted record behind the separator.
    account.AddTransaction(Txn(700, "Kept"));
    const Bytes keptBytes = RecordBytes(*account.Transactions().At(0), temp);
    ASSERT_EQ(list.SaveAccountFile(account, temp.File("full.cvl")), 0);
    EXPECT_EQ(
        ReadBytes(temp.File("full.cvl")),
        Concat(
            {fixed(), ListFile(0, "CTransaction", {keptBytes}), Le16(1), {0x01, 0x80}, goneBytes}));

    CCVAccount loaded;
    ASSERT_EQ(list.LoadAccountFile(loaded, temp.File("full.cvl")), 0);
    EXPECT_EQ(loaded.Record(), account.Record());
    EXPECT_EQ(loaded.GetReservedWord(2), 0x3303);
    EXPECT_EQ(loaded.GetReservedLong(), 0x44332211u);
    EXPECT_EQ(loaded.GetSortColumn(), 4);
    EXPECT_FALSE(loaded.GetSortAscending());
    ASSERT_EQ(loaded.Transactions().Count(), 1u);
    EXPECT_STREQ(loaded.Transactions().At(0)->GetPayeeName(), "Kept");
    ASSERT_EQ(loaded.DeletedTransactions().Count(true), 1u);
    EXPECT_STREQ(loaded.DeletedTransactions().GetAtAny(0)->GetName(), "Gone");
    EXPECT_STREQ(static_cast<CTransaction*>(loaded.DeletedTransactions().GetAtAny(0))->GetMemo(),
                 "deleted memo");
}

TEST(AccountList, ProtectedBytesAreEncipheredOnDiskOnly) {
    TempFolder temp;
    CCVPassword::Crib stored{};
    CCVPassword password(
        [&](CCVPassword::Crib& crib) {
            crib = stored;
            return true;
        },
        [&](const CCVPassword::Crib& crib) {
            stored = crib;
            return 0;
        });
    ASSERT_EQ(password.ChangePassword("secret", ""), CCVPassword::kRight);
    CCVAccountList list;
    list.SetPasswordHolder(&password);

    CCVAccount account;
    account.Record().SetCustomerId("customer-42");
    account.Record().SetOnlinePassword("bank password");
    const CCVAccountRecord plain = account.Record();
    ASSERT_EQ(list.SaveAccountFile(account, temp.File("a.cvl")), 0);
    EXPECT_EQ(account.Record(), plain);  // memory keeps the plain bytes

    const Bytes file = ReadBytes(temp.File("a.cvl"));
    const Bytes onDisk(file.begin() + 2, file.begin() + 2 + CCVAccountRecord::kSize);
    const Bytes inMemory(plain.Data(), plain.Data() + CCVAccountRecord::kSize);
    const std::size_t from = CCVAccountRecord::kProtectedOffset;
    const std::size_t to = from + CCVAccountRecord::kProtectedSize;
    for (std::size_t i = 0; i < CCVAccountRecord::kSize; ++i) {
        if (i < from || i >= to - 1) {
            EXPECT_EQ(onDisk[i], inMemory[i]) << "offset " << i;
        }
    }
    // Nine whole blocks are enciphered; the 73rd byte is the rest of a block and stays.
    EXPECT_NE(Bytes(onDisk.begin() + from, onDisk.begin() + to - 1),
              Bytes(inMemory.begin() + from, inMemory.begin() + to - 1));

    CCVAccount withCipher;
    ASSERT_EQ(list.LoadAccountFile(withCipher, temp.File("a.cvl")), 0);
    EXPECT_EQ(withCipher.Record().GetCustomerId(), "customer-42");
    EXPECT_EQ(withCipher.Record().GetOnlinePassword(), "bank password");

    CCVAccountList withoutPassword;
    CCVAccount stillEnciphered;
    ASSERT_EQ(withoutPassword.LoadAccountFile(stillEnciphered, temp.File("a.cvl")), 0);
    EXPECT_NE(stillEnciphered.Record().GetCustomerId(), "customer-42");
}

TEST(AccountList, WhichFilesLoadAsAccounts) {
    DataFolder folder;
    folder.Load();  // the first accounts
    const Bytes visa = ReadBytes(folder.File("Visa.cvl"));
    for (const char* name : {"XXXXXXXXXXXXXXXXXXXXXX00A1.cvl", "XXXXXXXXXXXXXXXXXXXXXX00a1.cvl",
                             "XXXXXXXXXXXXXXXXXXXXXX00A1a.cvl", "Capital.CVL", "notes.txt",
                             "Two.dots.cvl", "XXXXXXXXXXXXXXXXXXXXXX00G1.cvl"}) {
        WriteBytes(folder.File(name), visa);
    }
    ASSERT_EQ(sys::CreateFolder(folder.File("Folder.cvl/")), 0);
    int rc = 1;
    auto list = folder.Load(&rc);
    ASSERT_EQ(rc, 0);
    // A deleted-account name is exactly 30 characters with hexadecimal digits; a 31-character
    // one, or one with a letter that is no digit, is an account.
    EXPECT_EQ(Names(*list),
              std::vector<std::string>({"American Express", "Checking", "Master Card", "Savings",
                                        "Two.dots", "Visa", "XXXXXXXXXXXXXXXXXXXXXX00A1a",
                                        "XXXXXXXXXXXXXXXXXXXXXX00G1"}));
}

TEST(AccountList, DeletedAccountsTakeTheFirstFreeNumbers) {
    DataFolder folder;
    auto list = folder.Load();
    const Bytes checking = ReadBytes(folder.File("Checking.cvl"));
    const Bytes savings = ReadBytes(folder.File("Savings.cvl"));
    ASSERT_EQ(list->DeleteAccount(1), 0);  // Checking
    ASSERT_EQ(list->DeleteAccount(2), 0);  // Savings, now at 2
    EXPECT_EQ(Names(*list), std::vector<std::string>({"American Express", "Master Card", "Visa"}));
    EXPECT_EQ(ReadBytes(folder.File(kDeletedMark + "0000.cvl")), checking);
    EXPECT_EQ(ReadBytes(folder.File(kDeletedMark + "0001.cvl")), savings);
    EXPECT_FALSE(sys::PathExists(folder.File("Checking.cvl")));
    EXPECT_EQ(list->DeleteAccount(3), 1);
    EXPECT_EQ(list->DeleteAccount(-1), 1);

    // The deleted files are not loaded again.
    EXPECT_EQ(Names(*folder.Load()), Names(*list));

    // An account whose file was never written leaves without a move.
    sys::RemoveFile(folder.File("Visa.cvl"));
    EXPECT_EQ(list->DeleteAccount(2), 0);
    EXPECT_FALSE(sys::PathExists(folder.File(kDeletedMark + "0002.cvl")));
}

TEST(AccountList, DeletionThatCannotMoveTheFileKeepsTheAccount) {
    DataFolder folder;
    auto list = folder.Load();
    {
        sys::ScopedFileFault fault(sys::FileStep::Move);
        EXPECT_EQ(list->DeleteAccount(0), sys::ERROR_GEN_FAILURE);
    }
    EXPECT_EQ(list->Count(), 5u);

    // Every one of the 65,536 names taken: refused, nothing moves.
    const Bytes checking = ReadBytes(folder.File("Checking.cvl"));
    {
        sys::ScopedFileFault fault(sys::FileStep::MoveTarget);
        EXPECT_EQ(list->DeleteAccount(1), sys::ERROR_ALREADY_EXISTS);
    }
    EXPECT_STREQ(list->At(1)->GetName(), "Checking");
    EXPECT_EQ(ReadBytes(folder.File("Checking.cvl")), checking);
    EXPECT_EQ(ListFolder(folder.Path()).size(), 13u);
}

TEST(AccountList, RenameMovesTheFileButNeverOverAnother) {
    DataFolder folder;
    auto list = folder.Load();
    CCVAccount& visa = *list->At(4);
    const Bytes visaBytes = ReadBytes(folder.File("Visa.cvl"));
    visa.Record().SetChangeBits(0);

    ASSERT_EQ(list->RenameAccount(visa, "Travel Card"), 0);
    EXPECT_STREQ(visa.GetName(), "Travel Card");
    EXPECT_EQ(visa.Record().GetName(), "Travel Card");
    EXPECT_EQ(visa.Record().GetChangeBits(), 1u << CCVAccountRecord::kChangeName);
    EXPECT_EQ(ReadBytes(folder.File("Travel Card.cvl")), visaBytes);
    EXPECT_FALSE(sys::PathExists(folder.File("Visa.cvl")));

    // A file that no account holds is not replaced: the account keeps its name.
    WriteBytes(folder.File("Stray.cvl"), {1, 2, 3});
    EXPECT_EQ(list->RenameAccount(visa, "Stray"), sys::ERROR_ALREADY_EXISTS);
    EXPECT_STREQ(visa.GetName(), "Travel Card");
    EXPECT_EQ(ReadBytes(folder.File("Stray.cvl")), Bytes({1, 2, 3}));
    EXPECT_EQ(ReadBytes(folder.File("Travel Card.cvl")), visaBytes);

    // The name rule holds whoever calls: no path outside the folder, no second "checking".
    EXPECT_EQ(list->RenameAccount(visa, "../Escape"), sys::ERROR_INVALID_NAME);
    EXPECT_EQ(list->RenameAccount(visa, "checking"), sys::ERROR_ALREADY_EXISTS);
    EXPECT_EQ(list->RenameAccount(visa, ""), sys::ERROR_INVALID_NAME);
    EXPECT_STREQ(visa.GetName(), "Travel Card");
    // Its own name in other letters is its own.
    EXPECT_EQ(list->RenameAccount(visa, "TRAVEL card"), 0);
    EXPECT_TRUE(sys::PathExists(folder.File("TRAVEL card.cvl")));
}

TEST(AccountList, NameRuleAndAddingAccounts) {
    DataFolder folder;
    auto list = folder.Load();
    const CCVAccount* checking = list->At(1);
    EXPECT_EQ(list->CheckAccountName(""), EditOutcome::Refused(res::IDS_ACCOUNT_NAME_EMPTY));
    EXPECT_EQ(list->CheckAccountName("CHECKING"),
              EditOutcome::Refused(res::IDS_ACCOUNT_NAME_EXISTS));
    EXPECT_EQ(list->CheckAccountName("CHECKING", checking), EditOutcome::Done());
    for (const char* name : {"a\\b", "a/b", "a:b", "a*b", "a?b", "a\"b", "a<b", "a>b", "a|b"}) {
        EXPECT_EQ(list->CheckAccountName(name),
                  EditOutcome::Refused(res::IDS_ACCOUNT_NAME_CHARACTERS))
            << name;
    }
    // A name that would load as a deleted account's file would vanish at the next start.
    EXPECT_EQ(list->CheckAccountName((kDeletedMark + "0001").c_str()),
              EditOutcome::Refused(res::IDS_ACCOUNT_NAME_EMPTY));
    EXPECT_EQ(list->AccountNameExists("visa"), kYes);
    EXPECT_EQ(list->AccountNameExists("Visa2"), kNo);

    auto refused = NewAccount("../../outside");
    EXPECT_EQ(list->AddAccount(refused), 1);
    EXPECT_NE(refused, nullptr);  // the caller keeps a refused account
    EXPECT_FALSE(sys::PathExists(folder.Path() + "../../outside.cvl"));

    // A file that the list does not hold is never overwritten by a new account.
    WriteBytes(folder.File("Loan.cvl"), {9});
    auto loan = NewAccount("Loan");
    EXPECT_EQ(list->AddAccount(loan), 1);
    EXPECT_EQ(ReadBytes(folder.File("Loan.cvl")), Bytes({9}));

    auto cash = NewAccount("Cash");
    ASSERT_EQ(list->AddAccount(cash), 0);
    EXPECT_EQ(cash, nullptr);
    EXPECT_EQ(list->FindAccount(list->FindAccountByName("Cash")), 1);  // in name order
    EXPECT_TRUE(sys::FileExists(folder.File("Cash.cvl")));
}

TEST(AccountList, SortingTwiceByTheSameModeReverses) {
    DataFolder folder;
    auto list = folder.Load();
    list->At(0)->SetBalanceTo(CCVAccount::kBalanceCurrent, 300);   // American Express
    list->At(1)->SetBalanceTo(CCVAccount::kBalanceCurrent, -100);  // Checking
    list->At(3)->SetBalanceTo(CCVAccount::kBalanceCurrent, 300);   // Savings

    list->SortAccounts(CCVAccountList::kSortByBalance);
    EXPECT_EQ(Names(*list), std::vector<std::string>({"Checking", "Master Card", "Visa",
                                                      "American Express", "Savings"}));
    list->SortAccounts(CCVAccountList::kSortByBalance);
    EXPECT_EQ(Names(*list), std::vector<std::string>({"Savings", "American Express", "Visa",
                                                      "Master Card", "Checking"}));
    list->SortAccounts(CCVAccountList::kSortByName);
    EXPECT_EQ(Names(*list), std::vector<std::string>({"American Express", "Checking", "Master Card",
                                                      "Savings", "Visa"}));
}

TEST(AccountList, TotalsInTheHomeCurrency) {
    DataFolder folder;
    auto list = folder.Load();
    CCurrencyItem& pound = *list->GetCurrencies().FindByNumber(2);
    pound.SetRate(1.5);
    list->At(0)->SetBalanceTo(CCVAccount::kBalanceCurrent, 1001);
    list->At(0)->Record().SetCurrency(2);                          // 10.01 pounds: 15.01
    list->At(1)->SetBalanceTo(CCVAccount::kBalanceCurrent, 2000);  // 20.00
    list->At(2)->SetBalanceTo(CCVAccount::kBalanceCurrent, 5000);
    list->At(2)->Record().SetIncludeInTotal(false);  // not counted
    list->At(3)->SetBalanceTo(CCVAccount::kBalanceCurrent, -333);
    list->At(3)->Record().SetCurrency(200);  // unknown currency: as is
    EXPECT_EQ(list->GetTotalBalance(CCVAccount::kBalanceCurrent), 1501 + 2000 - 333);

    EXPECT_EQ(list->ConvertToHome(-1001, 2), -1501);  // truncated toward zero
    EXPECT_EQ(list->ConvertToHome(1001, 1), 1001);
    // The total multiplies hundredths, a conversion goes through units (see ConvertAtRate).
    pound.SetRate(1.0);
    list->At(0)->SetBalanceTo(CCVAccount::kBalanceCurrent, 29);
    EXPECT_EQ(list->GetTotalBalance(CCVAccount::kBalanceCurrent), 29 + 2000 - 333);
    EXPECT_EQ(list->ConvertToHome(29, 2), 28);
    pound.SetRate(0);
    EXPECT_EQ(list->ConvertToHome(1001, 2), 1001);
    pound.SetRate(1e300);
    EXPECT_EQ(list->ConvertToHome(1001, 2), std::numeric_limits<Amount>::max());

    list->ResetCurrency(2);
    EXPECT_EQ(list->At(0)->Record().GetCurrency(), 1);
}

// Three transactions in the checking account, whose file is then cut in its third record; the
// bytes left.
Bytes CutCheckingRegister(const DataFolder& folder) {
    {
        auto list = folder.Load();
        for (int i = 0; i < 3; ++i) list->At(1)->AddTransaction(Txn(100 + i, "Shop"));
        EXPECT_EQ(list->SaveAll(), 0);
    }
    Bytes checking = ReadBytes(folder.File("Checking.cvl"));
    checking.resize(checking.size() - 100);
    WriteBytes(folder.File("Checking.cvl"), checking);
    return checking;
}

TEST(AccountList, DamagedFilesAreKeptBesideThemAndTheRestLoads) {
    DataFolder folder;
    // The register cut in its third record, and the payee list cut in its header.
    const Bytes checking = CutCheckingRegister(folder);
    WriteBytes(folder.File("PayeesList.lst"), {1, 0, 0xFF});

    int rc = 1;
    auto list = folder.Load(&rc);
    ASSERT_EQ(rc, 0);
    EXPECT_EQ(list->Count(), 5u);
    EXPECT_EQ(list->At(1)->Transactions().Count(), 2u);
    ASSERT_EQ(list->DamagedFiles().size(), 2u);
    EXPECT_EQ(list->DamagedFiles()[0].path, folder.File("PayeesList.lst"));
    EXPECT_EQ(list->DamagedFiles()[1].copyPath, folder.File("Checking.cvl.damaged"));
    EXPECT_EQ(ReadBytes(folder.File("PayeesList.lst.damaged")), Bytes({1, 0, 0xFF}));

    // The save writes what was read; the damaged bytes stay in their copy.
    ASSERT_EQ(list->SaveAll(), 0);
    EXPECT_EQ(ReadBytes(folder.File("Checking.cvl.damaged")), checking);
    EXPECT_EQ(folder.Load()->At(1)->Transactions().Count(), 2u);
}

TEST(AccountList, InspectionReadsDamageAndGapsButWritesNothing) {
    DataFolder folder;
    const Bytes checking = CutCheckingRegister(folder);
    WriteBytes(folder.File("Visa.cvl"), {});  // not even the reserved word
    sys::RemoveFile(folder.File("ClassList.lst"));
    const std::vector<std::string> before = ListFolder(folder.Path());

    CCVAccountList list(account_list_fixture::TestListMakers());
    ASSERT_EQ(list.Inspect(folder.Path()), 0);
    // What could be read is there, the missing list as the program would make it.
    EXPECT_EQ(list.At(1)->Transactions().Count(), 2u);
    EXPECT_EQ(list.GetClasses().Count(), 2u);
    ASSERT_EQ(list.Problems().size(), 3u);
    EXPECT_EQ(list.Problems()[0].path, folder.File("ClassList.lst"));
    EXPECT_EQ(list.Problems()[0].kind, CCVAccountList::FileProblem::kMissing);
    EXPECT_EQ(list.Problems()[1].kind, CCVAccountList::FileProblem::kDamaged);
    EXPECT_EQ(list.Problems()[2].path, folder.File("Visa.cvl"));
    EXPECT_TRUE(list.DamagedFiles().empty());
    // Nothing is written, neither the copies nor the missing list, nor by a save.
    EXPECT_EQ(list.SaveAll(), 1);
    EXPECT_EQ(list.SaveAccountFile(*list.At(0)), 1);
    EXPECT_EQ(ListFolder(folder.Path()), before);
    EXPECT_EQ(ReadBytes(folder.File("Checking.cvl")), checking);

    // A folder that is not there is not made, and no first accounts appear.
    CCVAccountList missing;
    EXPECT_EQ(missing.Inspect(folder.File("Elsewhere/")), 1);
    EXPECT_EQ(missing.Count(), 0u);
    EXPECT_FALSE(sys::FolderExists(folder.File("Elsewhere/")));
}

TEST(AccountList, ListsThatCouldNotBeReadAreNeverSaved) {
    DataFolder folder;
    folder.Load();
    const Bytes currencies = ReadBytes(folder.File("CurrenciesList.lst"));
    sys::RemoveFile(folder.File("ClassList.lst"));
    ASSERT_EQ(sys::CreateFolder(folder.File("ClassList.lst/")), 0);  // cannot be read

    int rc = 0;
    auto list = folder.Load(&rc);
    EXPECT_EQ(rc, 1);
    EXPECT_EQ(list->Count(), 0u);  // the load stopped before the accounts
    // Nothing that could be written changed, so nothing is written and nothing failed.
    EXPECT_EQ(list->SaveAll(), 0);
    EXPECT_EQ(ReadBytes(folder.File("CurrenciesList.lst")), currencies);
    EXPECT_TRUE(sys::FileExists(folder.File("Visa.cvl")));
}

TEST(AccountList, SaveReportsTheFirstFailureAndKeepsTheOldFiles) {
    DataFolder folder;
    auto list = folder.Load();
    const Bytes checking = ReadBytes(folder.File("Checking.cvl"));
    list->At(1)->AddTransaction(Txn(100, "Shop"));
    {
        sys::ScopedFileFault fault(sys::FileStep::Flush);
        EXPECT_EQ(list->SaveAll(), 1);
    }
    EXPECT_EQ(ReadBytes(folder.File("Checking.cvl")), checking);
    EXPECT_EQ(ListFolder(folder.Path()).size(), 13u);  // no temporary file left
    EXPECT_EQ(list->SaveAll(), 0);
}

TEST(AccountList, ImportFolder) {
    DataFolder folder;
    folder.Load();
    TempFolder imports;
    const Bytes visa = ReadBytes(folder.File("Visa.cvl"));
    WriteBytes(imports.File("Visa.cvl"), visa);
    WriteBytes(imports.File("notes.txt"), visa);
    WriteBytes(imports.File("Old.CVL"), visa);
    WriteBytes(imports.File("Cut.cvl"), Bytes(visa.begin(), visa.begin() + 100));

    CCVAccountList list;
    ASSERT_EQ(list.LoadImports(imports.Path()), 0);
    EXPECT_EQ(Names(list), std::vector<std::string>({"Visa"}));  // a damaged file is not offered
    EXPECT_EQ(list.RemoveImport(1), 1);
    ASSERT_EQ(list.RemoveImport(0), 0);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_FALSE(sys::PathExists(imports.File("Visa.cvl")));
    EXPECT_TRUE(sys::PathExists(imports.File("Cut.cvl")));

    CCVAccountList none;
    EXPECT_EQ(none.LoadImports(imports.File("missing/")), 1);
}

}  // namespace
