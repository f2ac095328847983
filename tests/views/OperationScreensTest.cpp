// The account operations on screen: transfer funds with its checks, reconciling a statement
// (with and without a difference, accepting or refusing the adjustment, cancelling), purging with
// its question, and adjusting the balance; what each shows, where it leads and what reaches the
// account files.
#include "ScreenFixture.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "shell/CCVApplication.h"
#include "shell/ViewNumbers.h"
#include "support/TempFolder.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

class OperationScreensTest : public ScreenFixture {
  protected:
    void OpenChecking() {
        Start();
        Key(ui::VK_DOWN);
        Key(ui::VK_RETURN);
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
    }
    void LeftKey(std::initializer_list<unsigned> answers = {}) {
        m_screen.TypeKey(ui::VK_TSOFT1);
        for (unsigned key : answers) m_screen.TypeKey(key);
        Pump();
    }
    void Erase(int count) {
        for (int i = 0; i < count; ++i) Key(ui::VK_TBACK);
    }
    std::wstring LastBox() const { return m_screen.TextBeforeLastInput(); }
    std::vector<std::uint8_t> FileOf(const char* account) {
        return testing_support::ReadBytes(Accounts().AccountFilePath(account));
    }
    // Checking: a cleared deposit of 100.00 and an uncleared one of 50.00.
    void FillChecking() {
        Add("Checking", 3, 10000, "Salary", Type::kTypeDeposit, CTransaction::kCleared);
        Add("Checking", 2, 5000, "Refund", Type::kTypeDeposit);
    }
    // Opens the reconcile list with the statement's ending balance.
    void StartReconcile(const std::wstring& ending) {
        OpenChecking();
        Choose({L"Account", L"Reconcile"});
        ASSERT_EQ(CurrentView(), shell::kViewReconcileSetup);
        EXPECT_TRUE(Shows(L"Enter the following from your bank statement :"));
        Erase(6);  // the ending balance: the current balance, "150.00"
        Type(ending);
        LeftKey();
        ASSERT_EQ(CurrentView(), shell::kViewReconcileList);
    }
};

TEST_F(OperationScreensTest, TransferFundsChecksItsFieldsAndMakesBothSides) {
    Start();
    Choose({L"Transfer"});
    ASSERT_EQ(CurrentView(), shell::kViewTransfer);
    for (const wchar_t* label : {L"Date :", L"From :", L"To :", L"Amount :", L"Cleared :"}) {
        EXPECT_TRUE(Shows(label));
    }
    const auto before = FileOf("Checking");
    Type(L"0");
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"Enter a valid amount."), std::wstring::npos);
    Erase(1);
    Type(L"12,5x");
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"Enter a valid amount."), std::wstring::npos);
    Erase(5);
    Type(L"40");
    // The same account on both sides.
    Key(ui::VK_UP);
    while (Line(LineOf(L"To :")).find(L"American Express") == std::wstring::npos) {
        Key(ui::VK_RIGHT);
    }
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"You cant transfer to and from the same account."),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewTransfer);
    EXPECT_EQ(FileOf("Checking"), before);

    while (Line(LineOf(L"To :")).find(L"Checking") == std::wstring::npos) Key(ui::VK_RIGHT);
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);  // cleared
    LeftKey();
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    CCVAccount& checking = Account("Checking");
    CCVAccount& amex = Account("American Express");
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCurrent), 4000);
    EXPECT_EQ(amex.GetBalance(CCVAccount::kBalanceCleared), -4000);
    ASSERT_EQ(checking.Transactions().Count(), 1u);
    EXPECT_EQ(checking.GetFiltered(0, 0)->GetCategoryId(), amex.GetAccountId());
    EXPECT_NE(FileOf("Checking"), before);
}

// Fault: a transfer whose receiving account could not take it left the screen silently as it
// was; "1,50" was a transfer of 150.00.
TEST_F(OperationScreensTest, ATransferTheReceivingAccountCannotHoldIsRefusedWithItsMessage) {
    Add("Checking", 3, kMaxAmountMagnitude, "Windfall", Type::kTypeDeposit);
    Start();
    Choose({L"Transfer"});
    ASSERT_EQ(CurrentView(), shell::kViewTransfer);
    Type(L"1,50");
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"Enter a valid amount."), std::wstring::npos);
    Erase(4);
    Type(L".01");
    Key(ui::VK_UP);
    while (Line(LineOf(L"To :")).find(L"Checking") == std::wstring::npos) Key(ui::VK_RIGHT);
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"That would take the account's balance past what it can hold."),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewTransfer);
    EXPECT_EQ(Account("American Express").Transactions().Count(), 0u);
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), kMaxAmountMagnitude);
}

// Fault: setting the current balance moved the cleared one past its limit without a word.
TEST_F(OperationScreensTest, AnAdjustmentThatWouldTakeTheOtherBalancePastItsLimitIsRefused) {
    // Cleared at the limit, current 0.
    Add("Checking", 3, kMaxAmountMagnitude, "Windfall", Type::kTypeDeposit, CTransaction::kCleared);
    Add("Checking", 2, kMaxAmountMagnitude, "Spent", Type::kTypeWithdrawal);
    OpenChecking();
    Choose({L"Account", L"Adjust Ending Balance"});
    ASSERT_EQ(CurrentView(), shell::kViewAdjustBalance);
    ASSERT_NE(Line(LineOf(L"Enter new balance :")).find(L"0"), std::wstring::npos);
    Erase(1);
    Type(L"1");  // the cleared balance would rise by 1.00 past its limit
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"That would take the account's balance past what it can hold."),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewAdjustBalance);
    CCVAccount& checking = Account("Checking");
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCleared), kMaxAmountMagnitude);
    EXPECT_EQ(checking.Record().GetBeginningBalance(), 0);
    Erase(1);
    Type(L"-1");
    LeftKey();
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCurrent), -100);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCleared), kMaxAmountMagnitude - 100);
}

TEST_F(OperationScreensTest, ReconcileWithADifferenceAcceptsTheAdjustment) {
    FillChecking();
    StartReconcile(L"200");
    EXPECT_TRUE(Shows(L"Salary"));
    EXPECT_TRUE(Shows(L"Refund"));
    EXPECT_NE(Line(LineOf(L"Difference :")).find(L"-200.00"), std::wstring::npos);
    Key(ui::VK_RETURN);  // marks Salary
    EXPECT_NE(Line(LineOf(L"Salary")).find(L"[x]"), std::wstring::npos);
    EXPECT_NE(Line(LineOf(L"Difference :")).find(L"-100.00"), std::wstring::npos);
    Choose({L"Mark All"});
    EXPECT_NE(Line(LineOf(L"Difference :")).find(L"-50.00"), std::wstring::npos);

    // Cancel in the confirmation goes back to the list with nothing changed.
    LeftKey({ui::VK_RETURN, ui::VK_TSOFT2});
    EXPECT_NE(LastBox().find(L"It will create an adjustment"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewReconcileList);
    CCVAccount& checking = Account("Checking");
    EXPECT_EQ(checking.Transactions().Count(), 2u);

    LeftKey({ui::VK_RETURN, ui::VK_RETURN});  // Yes, then OK
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    ASSERT_EQ(checking.Transactions().Count(), 3u);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCurrent), 20000);
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(checking.GetFiltered(0, i)->GetState(), CTransaction::kReconciled);
    }
    EXPECT_EQ(checking.Record().GetLastStatementEndingBalance(), 20000);
    EXPECT_EQ(checking.Record().GetStatementDate(), 0u);
    EXPECT_TRUE(Shows(L"Reconcile Adjustment"));
    EXPECT_FALSE(checking.HasUnsavedChanges());
}

TEST_F(OperationScreensTest, ReconcileWithoutDifferenceCongratulatesAndWithoutAdjustmentAddsNone) {
    FillChecking();
    StartReconcile(L"150");
    Choose({L"Mark All"});
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"Congratulations, your account has been reconciled."),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 2u);

    Add("Checking", 1, 700, "Bakery", Type::kTypeWithdrawal);
    Choose({L"Account", L"Reconcile"});
    ASSERT_EQ(CurrentView(), shell::kViewReconcileSetup);
    // The next statement starts from the last one's ending balance.
    EXPECT_NE(Line(LineOf(L"Beginning Bal :")).find(L"150.00"), std::wstring::npos);
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewReconcileList);
    EXPECT_FALSE(Shows(L"Salary"));           // reconciled already
    LeftKey({ui::VK_TSOFT2, ui::VK_RETURN});  // No adjustment, OK
    EXPECT_NE(LastBox().find(L"It will not create any adjustment"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    CCVAccount& checking = Account("Checking");
    EXPECT_EQ(checking.Transactions().Count(), 3u);
    EXPECT_EQ(checking.GetFiltered(0, 2)->GetState(), CTransaction::kUncleared);
}

TEST_F(OperationScreensTest, AnEndingBalanceThatIsNotAnAmountIsRefusedTwice) {
    FillChecking();
    OpenChecking();
    Choose({L"Account", L"Reconcile"});
    Erase(6);
    Type(L"abc");
    LeftKey({ui::VK_RETURN, ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"You must enter a valid amount for the ending balance."),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewReconcileSetup);
    EXPECT_EQ(Account("Checking").Record().GetStatementEndingBalance(), 0);
}

TEST_F(OperationScreensTest, PurgeAsksFirstAndKeepsTheBalance) {
    FillChecking();
    OpenChecking();
    Choose({L"Account", L"Purge Transactions"});
    ASSERT_EQ(CurrentView(), shell::kViewPurge);
    EXPECT_TRUE(Shows(L"Purge all transactions before :"));
    const int dateRow = LineOf(L"Date :");
    const int dateColumn = static_cast<int>(Line(dateRow).find(L"12/6/2026"));
    EXPECT_NE(m_screen.CellAt(dateColumn, dateRow).fg, ui::GetSysColor(ui::COLOR_GRAYTEXT));
    Key(ui::VK_RIGHT);  // every cleared transaction
    EXPECT_TRUE(Shows(L"Purge all cleared transactions."));
    // The date plays no part now: grey, and the focus does not go there.
    EXPECT_EQ(m_screen.CellAt(dateColumn, dateRow).fg, ui::GetSysColor(ui::COLOR_GRAYTEXT));
    Key(ui::VK_DOWN);
    Key(ui::VK_RIGHT);  // still the mode: every reconciled transaction
    EXPECT_TRUE(Shows(L"Purge all reconciled transactions."));
    Key(ui::VK_LEFT);
    LeftKey({ui::VK_RETURN});  // the default answer: No
    EXPECT_NE(LastBox().find(L"permanently delete"), std::wstring::npos);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 2u);
    LeftKey({ui::VK_TSOFT1});  // Yes
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    CCVAccount& checking = Account("Checking");
    EXPECT_EQ(checking.Transactions().Count(), 1u);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCurrent), 15000);
    EXPECT_EQ(checking.Record().GetBeginningBalance(), 10000);
    EXPECT_FALSE(Shows(L"Salary"));
    EXPECT_FALSE(checking.HasUnsavedChanges());
}

TEST_F(OperationScreensTest, AdjustingTheClearedBalanceMovesTheOthersAlong) {
    FillChecking();
    OpenChecking();
    Choose({L"Account", L"Adjust Ending Balance"});
    ASSERT_EQ(CurrentView(), shell::kViewAdjustBalance);
    EXPECT_NE(Line(LineOf(L"Enter new balance :")).find(L"150.00"), std::wstring::npos);
    Key(ui::VK_DOWN);
    Key(ui::VK_RIGHT);  // Cleared: shows the cleared balance
    EXPECT_NE(Line(LineOf(L"Enter new balance :")).find(L"100.00"), std::wstring::npos);
    Key(ui::VK_UP);
    Erase(6);
    Type(L"120");
    LeftKey();
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    CCVAccount& checking = Account("Checking");
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCleared), 12000);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCurrent), 17000);
    EXPECT_EQ(checking.Record().GetBeginningBalance(), 2000);
    EXPECT_EQ(checking.Transactions().Count(), 2u);
}

TEST_F(OperationScreensTest, TheHelpKeyOpensEachScreensTopic) {
    std::vector<std::string> opened;
    shell::CCVApplication::Instance().SetHelpViewer(
        [&opened](const std::string& page) { opened.push_back(page); });
    Start();
    const auto help = [&] {
        Key(ui::VK_HELP_KEY);
        return opened.empty() ? std::string() : opened.back();
    };
    Choose({L"Edit Accounts"});
    EXPECT_EQ(help(), "Coinvale.htm#Editaccount");
    Choose({L"New"});
    EXPECT_EQ(help(), "Coinvale.htm#AccountInfo");
    Key(ui::VK_ESCAPE);
    Key(ui::VK_ESCAPE);
    Choose({L"Lists", L"Edit Currencies"});
    EXPECT_EQ(help(), "Coinvale.htm#Setcurrency");
    Key(ui::VK_ESCAPE);
    Choose({L"Lists", L"Edit Payees"});
    EXPECT_EQ(help(), "Coinvale.htm#Customtransaction");
    Key(ui::VK_ESCAPE);
    Choose({L"Transfer"});
    EXPECT_EQ(help(), "Coinvale.htm#Transfer");
    Key(ui::VK_ESCAPE);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);  // the register of Checking
    for (const auto& [item, topic] : std::vector<std::pair<std::wstring, std::string>>{
             {L"Reconcile", "Coinvale.htm#Reconcile"},
             {L"Purge Transactions", "Coinvale.htm#Purgetransaction"},
             {L"Adjust Ending Balance", "Coinvale.htm#Adjust"}}) {
        Choose({L"Account", item});
        EXPECT_EQ(help(), topic);
        Key(ui::VK_TSOFT2);  // Cancel (Back would erase in the focused field)
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
    }
    shell::CCVApplication::Instance().SetHelpViewer({});
}

}  // namespace
}  // namespace views_test
