// Account import: the pending items of the import folder, the names a new account may take, a
// new account made from a pending one, an import into an account with a match within seven days,
// a void transaction that stays void, and an import that cannot be written.
#include "online/CAccountImport.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "model/AccountListFixture.h"
#include "model/CCVAccountList.h"
#include "model/CDataBackups.h"
#include "model/RegisterFixture.h"
#include "online/CTransactionReview.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"
#include "resources/ScreenIds.h"
#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using register_fixture::Txn;
using register_fixture::Type;
using testing_support::ReadBytes;

constexpr DateTime kDay = 3000 * kSecondsPerDay;
constexpr std::uint32_t kSourceColor = 0x00112233;

// A data folder with the five first accounts, and an import folder holding "Visa.cvl" (a credit
// account with three transactions and a void one), "notes.txt" and "Old.CVL".
class AccountImportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_accounts = m_folder.Load();
        ASSERT_EQ(m_accounts->Count(), 5u);
        WritePending("Visa.cvl");
        const Bytes visa = ReadBytes(m_imports.File("Visa.cvl"));
        testing_support::WriteBytes(m_imports.File("notes.txt"), visa);
        testing_support::WriteBytes(m_imports.File("Old.CVL"), visa);
        ASSERT_EQ(m_pending.LoadImports(m_imports.Path()), 0);
        ASSERT_EQ(m_pending.Count(), 1u);
        ASSERT_STREQ(m_pending.At(0)->GetName(), "Visa");
    }

    void WritePending(const std::string& fileName) {
        CCVAccount source;
        CCVAccountRecord& record = source.Record();
        record.SetAccountId(m_sourceId);
        record.SetAccountType(CCVAccount::kCredit);
        record.SetCurrency(3);
        record.SetIcon(7);
        record.SetOnlineEnabled(true);
        record.SetAccountNumber("4111-0000");
        record.SetBeginningBalance(99900);
        source.SetOwnRowColor(kSourceColor);
        source.SetSortColumn(CTxnSortOrder::kColumnPayee);
        auto diner = Txn(kDay, 2500, Type::kTypeWithdrawal, "Diner");
        diner->SetMemo("lunch");
        diner->SetOnlineId("BANK-1");
        auto refund = Txn(kDay + kSecondsPerDay, 1000, Type::kTypeDeposit, "Refund",
                          CTransaction::kReconciled);
        auto fee = Txn(kDay + 2 * kSecondsPerDay, 300, Type::kTypeWithdrawal, "Fee");
        fee->SetMatchedTransactionId(NewRecordKey());  // a match made elsewhere
        // Void, and like an entered transaction of the target within seven days.
        auto voided = Txn(kDay - 7 * kSecondsPerDay, 2500, Type::kTypeWithdrawal, "Voided",
                          CTransaction::kVoid);
        for (auto* t : {&diner, &refund, &fee, &voided}) {
            m_sourceIds.push_back((*t)->GetTransactionId());
            source.AddTransaction(std::move(*t));
        }
        source.RecomputeBalances();
        ASSERT_EQ(m_accounts->SaveAccountFile(source, m_imports.File(fileName)), 0);
    }

    std::map<std::string, Bytes> DataFiles() const {
        std::map<std::string, Bytes> files;
        for (const std::string& name : testing_support::ListFolder(m_folder.Path())) {
            files[name] = ReadBytes(m_folder.File(name));
        }
        return files;
    }
    CCVAccount* Account(const char* name) const {
        return const_cast<CCVAccount*>(m_accounts->FindAccountByName(name));
    }
    CAccountImport Import() { return CAccountImport(*m_accounts, m_pending); }

    account_list_fixture::DataFolder m_folder;
    testing_support::TempFolder m_imports;
    std::unique_ptr<CCVAccountList> m_accounts;
    CCVAccountList m_pending;
    RecordKey m_sourceId = NewRecordKey();
    std::vector<RecordKey> m_sourceIds;
};

TEST_F(AccountImportTest, NamesANewAccountCannotTake) {
    const auto files = DataFiles();
    ASSERT_EQ(files.size(), 13u);
    testing_support::WriteBytes(m_folder.File("Stray.cvl"), {1, 2, 3});  // no account holds it
    struct Case {
        const char* name;
        res::StringId message;
    };
    const Case cases[] = {
        {"", res::IDS_IMPORT_ENTER_NAME},
        {"Checking", res::IDS_IMPORT_NAME_EXISTS},
        {"CHECKING", res::IDS_ACCOUNT_NAME_EXISTS},
        {"Cash/Card", res::IDS_ACCOUNT_NAME_CHARACTERS},
        {"XXXXXXXXXXXXXXXXXXXXXX00A1", res::IDS_ACCOUNT_NAME_EMPTY},
        {"Stray", res::IDS_ACCOUNT_NAME_EXISTS},
    };
    for (const Case& c : cases) {
        const CAccountImport::Outcome outcome = Import().ImportNow(0, nullptr, c.name);
        EXPECT_EQ(outcome.message, c.message) << c.name;
        EXPECT_EQ(outcome.style, MOnlineMessages::Style::kExclamation) << c.name;
        EXPECT_TRUE(outcome.result == 1 && outcome.itemsLeft) << c.name;
    }
    // Nothing changed: the accounts, their files, the pending item and its file.
    EXPECT_EQ(m_accounts->Count(), 5u);
    auto after = DataFiles();
    after.erase("Stray.cvl");
    EXPECT_TRUE(after == files);
    EXPECT_EQ(m_pending.Count(), 1u);
    EXPECT_TRUE(sys::FileExists(m_imports.File("Visa.cvl")));

    // No pending item at that index: nothing happens and nothing is said.
    EXPECT_EQ(Import().ImportNow(1, nullptr, "Fine").message, res::IDS_NONE);
}

TEST_F(AccountImportTest, NewAccountHasTheSourceSettingsAndOnlyItsTransactionsBalances) {
    const CCVAccountRecord sourceRecord = m_pending.At(0)->Record();
    const CAccountImport::Outcome outcome = Import().ImportNow(0, nullptr, "Travel Card");
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.message, res::IDS_IMPORT_DONE);
    EXPECT_EQ(outcome.style, MOnlineMessages::Style::kInformation);
    EXPECT_FALSE(outcome.itemsLeft);  // the last item: the screen closes
    EXPECT_EQ(m_pending.Count(), 0u);
    EXPECT_FALSE(sys::PathExists(m_imports.File("Visa.cvl")));
    EXPECT_TRUE(sys::PathExists(m_imports.File("notes.txt")));

    CCVAccount* account = Account("Travel Card");
    ASSERT_NE(account, nullptr);
    // The source's whole record (identifier, type, currency, icon, online fields and the rest),
    // but its own name and the balances of the imported transactions, all cleared but the void
    // one, which counts nothing: -25 + 10 - 3.
    CCVAccountRecord expected = sourceRecord;
    expected.SetName("Travel Card");
    expected.SetBeginningBalance(0);
    expected.SetClearedBalance(-1800);
    expected.SetCurrentBalance(-1800);
    EXPECT_NE(sourceRecord.GetBeginningBalance(), 0);
    EXPECT_TRUE(account->Record() == expected);
    EXPECT_EQ(account->GetOwnRowColor(), kSourceColor);
    EXPECT_EQ(account->GetSortColumn(), CTxnSortOrder::kColumnPayee);

    ASSERT_EQ(account->Transactions().Count(), 4u);
    for (std::uint32_t i = 0; i < 4; ++i) {
        const CTransaction& t = *account->Transactions().At(i);
        EXPECT_TRUE(t.IsImported()) << t.GetPayeeName();  // awaiting review, no bank identifier
        EXPECT_EQ(t.GetState(), std::string(t.GetPayeeName()) == "Voided" ? CTransaction::kVoid
                                                                          : CTransaction::kCleared);
        EXPECT_TRUE(t.GetMatchedTransactionId().IsNull());
        for (const RecordKey& id : m_sourceIds) EXPECT_NE(t.GetTransactionId(), id);
    }
    const CTransaction& diner = *account->Transactions().At(0);  // sorted by payee
    EXPECT_STREQ(diner.GetMemo(), "lunch");
    EXPECT_EQ(diner.GetDate(), kDay);

    // The file was written at once.
    CCVAccount reloaded;
    ASSERT_EQ(m_accounts->LoadAccountFile(reloaded, m_folder.File("Travel Card.cvl")), 0);
    EXPECT_EQ(reloaded.Transactions().Count(), 4u);
    EXPECT_TRUE(reloaded.Record() == expected);

    // Imported again under another name, the account does not take an identifier another
    // account already has.
    WritePending("Visa.cvl");
    ASSERT_EQ(m_pending.LoadImports(m_imports.Path()), 0);
    ASSERT_EQ(Import().ImportNow(0, nullptr, "Second Card").result, 0);
    EXPECT_NE(Account("Second Card")->GetAccountId(), m_sourceId);
    EXPECT_EQ(m_accounts->Count(), 7u);
}

TEST_F(AccountImportTest, IntoAnAccountWithAMatchWithinSevenDays) {
    CCVAccount* checking = Account("Checking");
    auto entered = Txn(kDay - 7 * kSecondsPerDay, 2500, Type::kTypeWithdrawal, "My diner");
    auto farRefund = Txn(kDay + 9 * kSecondsPerDay, 1000, Type::kTypeDeposit, "Far refund");
    const CTransaction* diner = entered.get();
    const CTransaction* far = farRefund.get();
    checking->AddTransaction(std::move(entered));
    checking->AddTransaction(std::move(farRefund));
    checking->SetImportReviewPending(false);  // already asked this run
    const CCVAccountRecord before = checking->Record();
    const auto files = DataFiles();
    {
        // An import that cannot be written changes nothing, into this account or a new one.
        const sys::ScopedFileFault fault(sys::FileStep::Flush);
        for (CCVAccount* target : {checking, static_cast<CCVAccount*>(nullptr)}) {
            const CAccountImport::Outcome outcome = Import().ImportNow(0, target, "New Card");
            EXPECT_EQ(outcome.message, res::IDS_IMPORT_NOT_SAVED);
            EXPECT_EQ(outcome.style, MOnlineMessages::Style::kExclamation);
            EXPECT_TRUE(outcome.result == 1 && outcome.itemsLeft);
        }
    }
    EXPECT_EQ(checking->Transactions().Count(), 2u);
    EXPECT_TRUE(checking->Record() == before);
    EXPECT_TRUE(diner->GetMatchedTransactionId().IsNull());
    EXPECT_EQ(m_accounts->Count(), 5u);
    EXPECT_TRUE(DataFiles() == files);
    EXPECT_EQ(m_pending.Count(), 1u);
    EXPECT_TRUE(sys::FileExists(m_imports.File("Visa.cvl")));

    ASSERT_EQ(Import().ImportNow(0, checking, nullptr).result, 0);
    EXPECT_EQ(checking->Transactions().Count(), 6u);
    EXPECT_TRUE(far->GetMatchedTransactionId().IsNull());  // nine days apart
    // The review of imported transactions shows the entered one as the match of "Diner" (the
    // void transaction before it in the file takes no partner).
    CTransactionReview review(*checking, 0, CTransaction::kFilterImported);
    ASSERT_EQ(review.Count(), 4u);
    while (std::string(review.Current()->GetPayeeName()) == "Voided") review.Next();
    ASSERT_STREQ(review.Current()->GetPayeeName(), "Diner");
    EXPECT_EQ(review.Partner(), diner);
    EXPECT_EQ(diner->GetMatchedTransactionId(), review.Current()->GetTransactionId());
    EXPECT_TRUE(checking->GetImportReviewPending());
    // Written at once, before the pending file went.
    CCVAccount reloaded;
    ASSERT_EQ(m_accounts->LoadAccountFile(reloaded, m_folder.File("Checking.cvl")), 0);
    EXPECT_EQ(reloaded.Transactions().Count(), 6u);
    EXPECT_FALSE(sys::PathExists(m_imports.File("Visa.cvl")));
}

// Fault mended: the import screen's move changed the data without the backup that the command
// line's import makes first.
TEST_F(AccountImportTest, TheFolderAsItWasIsKeptFirstAndWithoutABackupNothingIsImported) {
    m_accounts->SetBackups(true);
    const std::string backups = CDataBackups::FolderFor(m_folder.Path());
    const auto files = DataFiles();

    // A refused name is refused before any backup is made.
    EXPECT_EQ(Import().ImportNow(0, nullptr, "Checking").message, res::IDS_IMPORT_NAME_EXISTS);
    EXPECT_FALSE(sys::PathExists(backups));

    // No backup can be made (a file stands where the backups go): nothing is imported.
    const std::string blocker = backups.substr(0, backups.size() - 1);
    testing_support::WriteBytes(blocker, {1});
    CAccountImport::Outcome outcome = Import().ImportNow(0, Account("Checking"), "");
    EXPECT_EQ(outcome.result, 1);
    EXPECT_EQ(outcome.message, res::IDS_BACKUP_FAILED);
    EXPECT_EQ(outcome.style, MOnlineMessages::Style::kExclamation);
    EXPECT_NE(outcome.text.find("No backup of " + m_folder.Path() + " could be made"),
              std::string::npos)
        << outcome.text;
    EXPECT_EQ(Account("Checking")->Transactions().Count(), 0u);
    EXPECT_TRUE(DataFiles() == files);
    EXPECT_EQ(m_pending.Count(), 1u);
    EXPECT_TRUE(sys::FileExists(m_imports.File("Visa.cvl")));
    ASSERT_EQ(sys::RemoveFile(blocker), 0);

    // The backup holds the folder as it was before the import, which then goes in.
    outcome = Import().ImportNow(0, Account("Checking"), "");
    ASSERT_EQ(outcome.result, 0);
    EXPECT_TRUE(outcome.text.empty());
    const std::vector<CDataBackups::Backup> kept = CDataBackups(m_folder.Path()).List();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(ReadBytes(kept[0].path + "Checking.cvl"), files.at("Checking.cvl"));
    EXPECT_NE(ReadBytes(m_folder.File("Checking.cvl")), files.at("Checking.cvl"));

    // A list that keeps no backups (one not opened for changing) imports without one.
    m_accounts->SetBackups(false);
    WritePending("Visa.cvl");
    CCVAccountList again;
    ASSERT_EQ(again.LoadImports(m_imports.Path()), 0);
    ASSERT_EQ(CAccountImport(*m_accounts, again).ImportNow(0, Account("Savings"), "").result, 0);
    EXPECT_EQ(CDataBackups(m_folder.Path()).List().size(), 1u);
}

// The look-up through the register's index keeps the rule of a search through the register: each
// imported transaction takes the first entered one in register order that qualifies, and an
// entered transaction is the partner of one imported transaction at most.
TEST_F(AccountImportTest, MatchesGoToTheFirstQualifyingEnteredTransactionsInRegisterOrder) {
    CCVAccount* checking = Account("Checking");
    std::vector<const CTransaction*> entered;
    for (const auto& [day, state] : std::initializer_list<std::pair<int, std::uint8_t>>{
             {-3, CTransaction::kReconciled}, {-2, CTransaction::kUncleared},
             {-1, CTransaction::kUncleared}, {2, CTransaction::kUncleared}}) {
        auto t = Txn(kDay + day * kSecondsPerDay, 2500, Type::kTypeWithdrawal, "Entered", state);
        entered.push_back(t.get());
        checking->AddTransaction(std::move(t));
    }
    CCVAccount card;
    card.Record().SetAccountType(CCVAccount::kCredit);
    for (int i = 0; i < 2; ++i) {
        card.AddTransaction(Txn(kDay, 2500, Type::kTypeWithdrawal, "Bank line"));
    }
    ASSERT_EQ(m_accounts->SaveAccountFile(card, m_imports.File("Card.cvl")), 0);
    ASSERT_EQ(m_pending.LoadImports(m_imports.Path()), 0);
    std::int64_t index = 0;
    while (std::string(m_pending.At(index)->GetName()) != "Card") ++index;

    ASSERT_EQ(Import().ImportNow(index, checking, nullptr).result, 0);
    ASSERT_EQ(checking->Transactions().Count(), 6u);
    EXPECT_TRUE(entered[0]->GetMatchedTransactionId().IsNull());  // reconciled
    EXPECT_FALSE(entered[1]->GetMatchedTransactionId().IsNull());
    EXPECT_FALSE(entered[2]->GetMatchedTransactionId().IsNull());
    EXPECT_NE(entered[1]->GetMatchedTransactionId(), entered[2]->GetMatchedTransactionId());
    EXPECT_TRUE(entered[3]->GetMatchedTransactionId().IsNull());  // both lines were taken before
}

}  // namespace
