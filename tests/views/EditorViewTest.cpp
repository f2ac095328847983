// The transaction editor as a person uses it from the register: a new withdrawal with a new
// payee, refusals that keep the screen and its entries, payee memory, spinners that open another
// screen only on the action key, the reconciled question, delete and the split-twin refusal, the
// split list with Adjust, the memo of several lines, and the currency conversion.
#include "ScreenFixture.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/ViewNumbers.h"
#include "views/editor/CEditorForm.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;
using Field = views::CEditorForm::Field;

class EditorViewTest : public ScreenFixture {
  protected:
    void OpenChecking() {
        Start();
        Key(ui::VK_DOWN);
        Key(ui::VK_RETURN);
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
    }
    void NewTransaction() {
        Key(ui::VK_TSOFT1);
        ASSERT_EQ(CurrentView(), shell::kViewNewTransaction);
    }
    void Focus(Field field) {
        ui::SetFocus(ui::GetDlgItem(shell::CCVApplication::Instance().CurrentWindow(), field));
        Pump();
    }
    std::wstring FieldText(Field field) const {
        return ui::GetWindowText(
            ui::GetDlgItem(shell::CCVApplication::Instance().CurrentWindow(), field));
    }
    // Types into a field after emptying it.
    void Fill(Field field, const std::wstring& text) {
        Focus(field);
        for (std::size_t i = FieldText(field).size(); i > 0; --i) Key(ui::VK_BACK);
        Type(text);
    }
    // "Done" with the answer to the message box it brings up typed ahead (twice: a second action
    // key, should the box not have taken the first, only reaches the focused field).
    void SaveAnswering(unsigned answer) {
        m_screen.TypeKey(ui::VK_TSOFT1);
        m_screen.TypeKey(answer);
        if (answer == ui::VK_RETURN) m_screen.TypeKey(answer);
        Pump();
    }
    CTransaction* Only(const char* account) {
        CCVAccount& a = Account(account);
        return a.Transactions().Count() == 1 ? a.Transactions().At(0) : nullptr;
    }
};

// Fault mended: Backspace was the Back key once a field was empty, so holding it down to clear
// a field left the editor and dropped everything entered (and on the summary ended the
// program). It erases in a field and stops there, and does nothing on a spinner or a list;
// Escape is the Back key.
TEST_F(EditorViewTest, BackspaceEmptiesAFieldAndStaysWhileEscapeGoesBack) {
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Corner Shop");
    Fill(Field::kAmount, L"12");
    for (int i = 0; i < 6; ++i) Key(ui::VK_BACK);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kAmount), L"");
    EXPECT_EQ(FieldText(Field::kPayee), L"Corner Shop");
    Focus(Field::kPayee);
    for (int i = 0; i < 15; ++i) Key(ui::VK_BACK);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kPayee), L"");
    Focus(Field::kState);  // a spinner
    Key(ui::VK_BACK);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    Focus(Field::kAmount);
    Key(ui::VK_TBACK);  // Escape in an empty field
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    Key(ui::VK_BACK);  // the register's list
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    Key(ui::VK_TBACK);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    Key(ui::VK_BACK);  // the summary: the program goes on
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
}

TEST_F(EditorViewTest, NewWithdrawalWithANewPayeeReachesTheRegisterAndThePayeeList) {
    OpenChecking();
    NewTransaction();
    EXPECT_TRUE(Shows(L"New Transaction"));
    Fill(Field::kPayee, L"Corner Shop");
    Fill(Field::kAmount, L"25.40");
    Focus(Field::kCategory);
    Type(L"Gro");  // type-to-find
    EXPECT_TRUE(Shows(L"Groceries"));
    Focus(Field::kType);
    Key(ui::VK_END);
    Key(ui::VK_HOME);
    Key(ui::VK_RIGHT);  // "Withdrawal"
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    CTransaction* entered = Only("Checking");
    ASSERT_NE(entered, nullptr);
    EXPECT_EQ(entered->GetSignedAmount(), -2540);
    EXPECT_STREQ(entered->GetPayeeName(), "Corner Shop");
    EXPECT_NE(Accounts().GetPayees().FindPayee("Corner Shop"), nullptr);
    EXPECT_GE(LineOf(L"-25.40"), 0);
}

TEST_F(EditorViewTest, UpAndDownPassOverTheHiddenCheckNumber) {
    OpenChecking();
    NewTransaction();
    const auto focused = [] { return ui::GetDlgCtrlID(ui::GetFocus()); };
    ASSERT_EQ(focused(), Field::kPayee);
    Key(ui::VK_UP);  // a checking account's first type is "Check #": its number shows
    EXPECT_EQ(focused(), Field::kNumber);
    Key(ui::VK_UP);
    EXPECT_EQ(focused(), Field::kType);
    Key(ui::VK_RIGHT);  // "Withdrawal" carries no number
    Key(ui::VK_DOWN);
    EXPECT_EQ(focused(), Field::kPayee);
    Key(ui::VK_UP);
    EXPECT_EQ(focused(), Field::kType);
}

TEST_F(EditorViewTest, ANewTransactionTakesTheTypeOfItsAccount) {
    Start();
    for (int row = 0; row < 4; ++row) Key(ui::VK_DOWN);  // Visa, a credit card
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    NewTransaction();
    EXPECT_TRUE(Shows(L"Charge"));
    EXPECT_EQ(LineOf(L"Number:"), -1);  // a charge carries no check number
}

TEST_F(EditorViewTest, RefusalsKeepTheScreenAndTheEntries) {
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Someone New");
    for (const wchar_t* bad : {L"-5", L"-", L"12345678901234567890"}) {
        Fill(Field::kAmount, bad);
        SaveAnswering(ui::VK_RETURN);
        EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
        EXPECT_EQ(FieldText(Field::kAmount), bad);
    }
    // A transfer to the account itself.
    Fill(Field::kAmount, L"5");
    Focus(Field::kCategory);
    Type(L"[Ch");
    ASSERT_TRUE(Shows(L"[Checking]"));
    SaveAnswering(ui::VK_RETURN);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 0u);
    EXPECT_EQ(Accounts().GetPayees().FindPayee("Someone New"), nullptr);
}

// Fault: the editor took "1,50" as 150.00 and "12.345" as 12.34 without a word.
TEST_F(EditorViewTest, AnAmountTheCommandLineWouldRefuseIsRefusedWithItsMessage) {
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Baker");
    struct Case {
        const wchar_t* typed;
        const wchar_t* message;
    };
    for (const Case& c : {Case{L"1,50", L"Enter a valid amount."},
                          Case{L"12.345", L"Enter the amount with at most two"}}) {
        Fill(Field::kAmount, c.typed);
        m_screen.TypeKey(ui::VK_TSOFT1);
        m_screen.TypeKey(ui::VK_RETURN);  // OK of the message box
        Pump();
        EXPECT_NE(m_screen.TextBeforeLastInput().find(c.message), std::wstring::npos)
            << c.typed << "\n"
            << sys::WideToUtf8(m_screen.TextBeforeLastInput());
        EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
        EXPECT_EQ(FieldText(Field::kAmount), c.typed);
        EXPECT_EQ(Account("Checking").Transactions().Count(), 0u);
    }
    // Grouped in threes it is an amount.
    Fill(Field::kAmount, L"1,234.50");
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    CTransaction* entered = Only("Checking");
    ASSERT_NE(entered, nullptr);
    EXPECT_EQ(entered->GetAmount(), 123450);
}

TEST_F(EditorViewTest, ErasingTheLastCharacterWithTheBackKeyKeepsTheScreen) {
    // Fault mended: the release of the Back key that erased a field's last character found the
    // field empty and left the screen, throwing the entries away.
    OpenChecking();
    NewTransaction();
    Fill(Field::kAmount, L"12");
    Focus(Field::kPayee);
    Type(L"Ab");
    Key(ui::VK_TBACK);
    Key(ui::VK_TBACK);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kPayee), L"");
    EXPECT_EQ(FieldText(Field::kAmount), L"12");
    Key(ui::VK_TBACK);  // on the empty field: the Back key leaves, as "Cancel"
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 0u);
}

TEST_F(EditorViewTest, SpinnerEntriesOpenScreensOnlyOnTheActionKey) {
    OpenChecking();
    NewTransaction();
    Focus(Field::kCategory);
    // Arrowing through every entry, "-SPLIT-" and "Edit Category..." among them, stays here.
    for (int i = 0; i < 60; ++i) Key(ui::VK_LEFT);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    Focus(Field::kPayee);
    Key(ui::VK_LEFT);  // "Edit Payee...", the last entry
    EXPECT_TRUE(Shows(L"Edit Payee..."));
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
    Focus(Field::kCategory);
    Key(ui::VK_HOME);
    Key(ui::VK_RIGHT);  // "-SPLIT-"
    ASSERT_TRUE(Shows(L"-SPLIT-"));
    Key(ui::VK_RETURN);
    EXPECT_EQ(CurrentView(), shell::kViewSplitList);
    Key(ui::VK_ESCAPE);
    EXPECT_EQ(CurrentView(), shell::kViewNewTransaction);
}

TEST_F(EditorViewTest, APayeeFillsTheFieldsOnlyWithoutATypedAmount) {
    Add("Checking", 1, 4200, "Grocer", Type::kTypeWithdrawal);
    CTransaction remembered = *Account("Checking").Transactions().At(0);
    remembered.SetMemo("weekly shop");
    Accounts().GetPayees().NewPayee("Grocer");
    Accounts().MemorizePayee(remembered);
    OpenChecking();
    NewTransaction();
    Fill(Field::kAmount, L"25");
    Fill(Field::kPayee, L"Gro");  // completes to "Grocer"
    EXPECT_EQ(FieldText(Field::kPayee), L"Grocer");
    EXPECT_EQ(FieldText(Field::kAmount), L"25");
    EXPECT_EQ(FieldText(Field::kMemo), L"");
    Fill(Field::kAmount, L"");
    Fill(Field::kPayee, L"Gro");
    EXPECT_EQ(FieldText(Field::kAmount), L"42.00");
    EXPECT_EQ(FieldText(Field::kMemo), L"weekly shop");
}

TEST_F(EditorViewTest, EditingAReconciledAmountAsksAndNoKeepsTheAccount) {
    Add("Checking", 1, 2000, "Bank", Type::kTypeWithdrawal, CTransaction::kReconciled);
    OpenChecking();
    Choose({L"Account", L"Edit Transaction"});
    ASSERT_EQ(CurrentView(), shell::kViewEditTransaction);
    EXPECT_EQ(FieldText(Field::kAmount), L"20.00");
    Fill(Field::kAmount, L"30");
    SaveAnswering(ui::VK_ESCAPE);  // No
    EXPECT_EQ(CurrentView(), shell::kViewEditTransaction);
    EXPECT_EQ(Only("Checking")->GetAmount(), 2000);
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_RETURN);  // Yes
    Pump();
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(Only("Checking")->GetAmount(), 3000);
}

TEST_F(EditorViewTest, DeleteAsksAndTakesTheTransfersTwin) {
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Out");
    Fill(Field::kAmount, L"40");
    Focus(Field::kCategory);
    Type(L"[Sa");
    Key(ui::VK_TSOFT1);
    ASSERT_NE(Only("Savings"), nullptr);  // the twin
    Choose({L"Account", L"Edit Transaction"}, {});
    Choose({L"Delete Transaction"}, {ui::VK_RETURN});
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(Account("Checking").Transactions().Count(), 0u);
    EXPECT_EQ(Account("Savings").Transactions().Count(), 0u);
}

TEST_F(EditorViewTest, SplitOverThreeLinesWithTheRemainderAdjusted) {
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Market");
    Fill(Field::kAmount, L"100");
    Focus(Field::kCategory);
    Key(ui::VK_HOME);
    Key(ui::VK_RIGHT);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewSplitList);
    const wchar_t* amounts[] = {L"50", L"20", L"10"};
    const wchar_t* categories[] = {L"Gro", L"Din", L"[Sa"};
    for (int line = 0; line < 3; ++line) {
        Key(ui::VK_RETURN);
        ASSERT_EQ(CurrentView(), shell::kViewSplitLine);
        Type(categories[line]);
        Key(ui::VK_DOWN);
        Key(ui::VK_DOWN);
        Type(amounts[line]);
        Key(ui::VK_TSOFT1);
        ASSERT_EQ(CurrentView(), shell::kViewSplitList);
        Key(ui::VK_DOWN);
    }
    EXPECT_NE(Line(LineOf(L"Remainder :")).find(L"20.00"), std::wstring::npos);
    Choose({L"Adjust"});
    EXPECT_NE(Line(LineOf(L"Remainder :")).find(L"0.00"), std::wstring::npos);
    EXPECT_NE(Line(LineOf(L"Transaction Total :")).find(L"80.00"), std::wstring::npos);
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kAmount), L"80.00");
    Key(ui::VK_TSOFT1);
    CTransaction* split = Only("Checking");
    ASSERT_NE(split, nullptr);
    EXPECT_TRUE(split->IsSplit());
    EXPECT_EQ(split->GetAmount(), 8000);
    EXPECT_EQ(split->GetSplit(2).GetAmount(), 1000);
    ASSERT_NE(Only("Savings"), nullptr);  // the third line's twin
    EXPECT_TRUE(Only("Savings")->IsSplitTransferTwin());

    // The twin of a split line cannot be edited or deleted here.
    Key(ui::VK_ESCAPE);
    Key(ui::VK_DOWN);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    Choose({L"Account", L"Edit Transaction"});
    ASSERT_EQ(CurrentView(), shell::kViewEditTransaction);
    Choose({L"Delete Transaction"}, {ui::VK_RETURN, ui::VK_RETURN});
    EXPECT_EQ(CurrentView(), shell::kViewEditTransaction);
    Fill(Field::kAmount, L"1");
    SaveAnswering(ui::VK_RETURN);
    EXPECT_EQ(CurrentView(), shell::kViewEditTransaction);
    ASSERT_NE(Only("Savings"), nullptr);
    EXPECT_EQ(Only("Savings")->GetAmount(), 1000);
}

TEST_F(EditorViewTest, AMemoOfSeveralLines) {
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Notes");
    Fill(Field::kAmount, L"1");
    Focus(Field::kMemo);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewEditMemo);
    Type(L"first line");
    Key(ui::VK_RETURN);
    Type(L"second line");
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kMemo), L"first line\nsecond line");
    EXPECT_EQ(FieldText(Field::kPayee), L"Notes");  // the entries survived the trip
    Key(ui::VK_TSOFT1);
    ASSERT_NE(Only("Checking"), nullptr);
    EXPECT_STREQ(Only("Checking")->GetMemo(), "first line\r\nsecond line");
}

// Fault mended: Up on the first line or Down on the last line of a field of several lines went
// back and forth between the field and its screen without end, and the program crashed.
TEST_F(EditorViewTest, ArrowsPastTheEdgesOfTheMemoLeaveItAsItIs) {
    OpenChecking();
    NewTransaction();
    Focus(Field::kMemo);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewEditMemo);
    Key(ui::VK_DOWN);  // empty: its only line is the last
    Key(ui::VK_UP);
    Type(L"first line");
    Key(ui::VK_RETURN);
    Type(L"second line");
    Key(ui::VK_DOWN);
    Key(ui::VK_UP);
    Key(ui::VK_UP);
    Type(L"> ");  // the caret went up a line and stayed in the field
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kMemo), L"first line> \nsecond line");
}

TEST_F(EditorViewTest, AnAmountConvertedFromAnotherCurrency) {
    CCurrencyList& currencies = Accounts().GetCurrencies();
    for (std::uint32_t i = 0; i < currencies.Count(); ++i) {
        if (currencies.At(i)->GetNumber() != currencies.GetBaseNumber()) {
            currencies.At(i)->SetRate(1.5);
        }
    }
    OpenChecking();
    NewTransaction();
    Fill(Field::kPayee, L"Abroad");
    Choose({L"Convert Currency"});
    ASSERT_EQ(CurrentView(), shell::kViewConvertCurrency);
    EXPECT_TRUE(Shows(L"1.500000000"));
    Type(L"10");
    EXPECT_TRUE(Shows(L"15.00"));
    Key(ui::VK_TSOFT1);
    ASSERT_EQ(CurrentView(), shell::kViewNewTransaction);
    EXPECT_EQ(FieldText(Field::kAmount), L"15.00");
    EXPECT_EQ(FieldText(Field::kPayee), L"Abroad");
}

}  // namespace
}  // namespace views_test
