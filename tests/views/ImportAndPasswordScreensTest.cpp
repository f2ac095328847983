// The import screen reached from the start-of-day question (a name already taken refused, a new
// account made, the last item closing the screen), and the change of the online password at the
// fake bank (the rules' message, then the change, the stored password following it).
#include "ScreenFixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "Typist.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CDataBackups.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "online/BankDirectory.h"
#include "platform/sys/CodePage.h"
#include "shell/ViewNumbers.h"
#include "support/FakeBank.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

class ImportScreenTest : public ScreenFixture {
  protected:
    // A pending account file in the import folder with one withdrawal.
    void WritePending(const char* name, Amount amount) {
        CCVAccount source;
        source.SetName(name);
        auto t = std::make_unique<CTransaction>();
        t->SetDate(::Now() - kSecondsPerDay);
        t->SetAmount(amount);
        t->SetTypeId(BuiltInKey(Type::kTypeWithdrawal));
        t->SetPayeeName("Diner");
        ASSERT_EQ(source.AddTransaction(std::move(t)), 0);
        source.RecomputeBalances();
        ASSERT_EQ(Accounts().SaveAccountFile(source, Model().GetImportFolder() + name + ".cvl"), 0);
    }
    std::wstring LastBox() const { return m_screen.TextBeforeLastInput(); }
    static std::string FileText(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }
};

TEST_F(ImportScreenTest, FromTheStartOfDayQuestionIntoANewAccountThenAnExistingOne) {
    std::filesystem::create_directories(Model().GetImportFolder());
    WritePending("Trip", 4200);
    WritePending("Zed", 1500);
    ASSERT_EQ(Model().GetImportList()->LoadImports(Model().GetImportFolder()), 0);
    m_screen.TypeKey(ui::VK_RETURN);  // "Yes" to the pending-items question
    Start();
    EXPECT_TRUE(LastBox().find(L"You have pending Items to import.") != std::wstring::npos);
    ASSERT_EQ(CurrentView(), shell::kViewImportAccounts);
    EXPECT_TRUE(Shows(L"Import Trnxns from:"));
    EXPECT_TRUE(Shows(L"Trip"));

    Key(ui::VK_DOWN);
    for (int i = 0; i < 5; ++i) Key(ui::VK_RIGHT);  // past the five accounts
    EXPECT_TRUE(Shows(L"<NewAccount>"));
    Key(ui::VK_DOWN);
    Type(L"Checking");
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_TRUE(LastBox().find(L"That Account Name alreaday exists,Enter Again!") !=
                std::wstring::npos);
    EXPECT_EQ(Accounts().Count(), 5u);
    for (int i = 0; i < 8; ++i) Key(ui::VK_TBACK);
    Type(L"Trip");
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_TRUE(LastBox().find(L"Account Imported Successfully") != std::wstring::npos);
    ASSERT_EQ(CurrentView(), shell::kViewImportAccounts);  // "Zed" is left
    ASSERT_EQ(Accounts().Count(), 6u);
    EXPECT_EQ(Account("Trip").Transactions().Count(), 1u);
    EXPECT_EQ(Account("Trip").GetBalance(CCVAccount::kBalanceCurrent), -4200);
    EXPECT_TRUE(Shows(L"Zed"));
    EXPECT_FALSE(Shows(L"<NewAccount>"));  // the lists start again at their first entries

    // Zed into Checking: the last item, so the screen closes after the message.
    Key(ui::VK_DOWN);
    Key(ui::VK_RIGHT);  // American Express, then Checking
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    ASSERT_EQ(Account("Checking").Transactions().Count(), 1u);
    EXPECT_TRUE(Account("Checking").Transactions().At(0)->IsImported());
    EXPECT_EQ(Model().GetImportList()->Count(), 0u);
}

// Fault mended: an import on the screen changed the data without the backup that the command
// line's import makes first.
TEST_F(ImportScreenTest, ABackupComesFirstAndWithoutOneNothingIsImported) {
    std::filesystem::create_directories(Model().GetImportFolder());
    WritePending("Zed", 1500);
    ASSERT_EQ(Model().GetImportList()->LoadImports(Model().GetImportFolder()), 0);
    const std::string folder = Model().GetDataFolder();
    const std::string backups = CDataBackups::FolderFor(folder);
    const std::string blocker = backups.substr(0, backups.size() - 1);
    std::filesystem::remove_all(blocker);
    std::ofstream(blocker) << "x";  // no backup can be made
    const std::string checking = FileText(folder + "Checking.cvl");

    m_screen.TypeKey(ui::VK_RETURN);  // "Yes" to the pending-items question
    Start();
    ASSERT_EQ(CurrentView(), shell::kViewImportAccounts);
    Key(ui::VK_DOWN);
    Key(ui::VK_RIGHT);  // American Express, then Checking
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(LastBox().find(L"No backup of"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewImportAccounts);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 0u);
    EXPECT_EQ(FileText(folder + "Checking.cvl"), checking);
    EXPECT_EQ(Model().GetImportList()->Count(), 1u);

    std::filesystem::remove(blocker);
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 1u);
    EXPECT_NE(FileText(folder + "Checking.cvl"), checking);
    const std::vector<CDataBackups::Backup> kept = CDataBackups(folder).List();
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(FileText(kept[0].path + "Checking.cvl"), checking) << "the folder before the import";
}

class PasswordScreenTest : public ScreenFixture {
  protected:
    PasswordScreenTest() {
        m_bank.AddCustomer("alice", "secret1");
        m_bank.AddBankAccount("123456789", "1001", "CHECKING");
        Model().GetPreferences().SetInstitutionDirectory(sys::Utf8ToWide(m_directory.Path()));
        CCVAccountRecord& record = Account("Checking").Record();
        record.SetOnlineEnabled(true);
        record.SetFiId(online_testing::BankDirectory::kBankId);
        record.SetCustomerId("alice");
        record.SetRoutingNumber("123456789");
        record.SetAccountNumber("1001");
        record.SetOnlinePassword("secret1");
    }

    testing_support::FakeBank m_bank;
    online_testing::BankDirectory m_directory{m_bank.OfxUrl()};
};

TEST_F(PasswordScreenTest, TheRulesThenTheChangeAndTheStoredPasswordFollows) {
    Start();
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    Choose({L"Account", L"Change Online Password"});
    ASSERT_EQ(CurrentView(), shell::kViewChangeOnlinePassword);
    EXPECT_TRUE(Shows(L"Old Password :"));
    Type(L"secret1");
    Key(ui::VK_DOWN);
    Type(L"abcdef");
    Key(ui::VK_DOWN);
    Type(L"abcdef");
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"must contain both numeric"),
              std::wstring::npos);
    EXPECT_EQ(m_bank.PasswordOf("alice"), "secret1");

    Type(L"1");
    Key(ui::VK_UP);
    Type(L"1");
    Typist typist(m_screen, {{L"changed successfully", L"", {ui::VK_RETURN}}});
    Key(ui::VK_TSOFT1);
    typist.Join();
    Pump();
    ASSERT_FALSE(typist.missed);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(m_bank.PasswordOf("alice"), "abcdef1");
    EXPECT_EQ(Account("Checking").Record().GetOnlinePassword(), "abcdef1");
}

}  // namespace
}  // namespace views_test
