// The editor's other modes, reached as the screens that open them do (those screens stand in
// here as plain screens): the details of a register row, a transaction from a report or a
// budget (named by a request; without one the editor goes back at once), and the scheduled
// modes: a new scheduled transaction, an edited one, and "Record" of an upcoming occurrence.
#include "ScreenFixture.h"

#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CCVView.h"
#include "shell/CScheduledRequest.h"
#include "shell/CTransactionRequest.h"
#include "shell/ViewNumbers.h"
#include "views/editor/CEditorForm.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;
using Field = views::CEditorForm::Field;

// A screen that opens the editor: it only has to be there and to keep its place on the stack.
class CStandIn : public shell::CCVView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override {
        return std::make_unique<shell::CViewState>();
    }

  protected:
    Frame Describe(ui::LPARAM) override { return Frame{L"StandIn", L"Stand-in", 0}; }
    bool OnCreate(ui::LPARAM) override { return true; }
};

class EditorModesTest : public ScreenFixture {
  protected:
    EditorModesTest() {
        for (int view : {6, 7, 55, 57, 58, 64}) {
            shell::CCVApplication::Instance().Catalog().Register(
                view, [] { return std::make_unique<CStandIn>(); });
        }
    }
    void Go(int command, std::unique_ptr<shell::CNavigationPayload> payload = nullptr) {
        shell::CCVApplication::Instance().PostNavigate(command, 0, std::move(payload));
        Pump();
    }
    std::wstring FieldText(Field field) const {
        return ui::GetWindowText(
            ui::GetDlgItem(shell::CCVApplication::Instance().CurrentWindow(), field));
    }
    void Fill(Field field, const std::wstring& text) {
        ui::SetFocus(ui::GetDlgItem(shell::CCVApplication::Instance().CurrentWindow(), field));
        Pump();
        for (std::size_t i = FieldText(field).size(); i > 0; --i) Key(ui::VK_BACK);
        Type(text);
    }
    std::unique_ptr<shell::CTransactionRequest> RequestFor(const char* account) {
        CCVAccount& a = Account(account);
        return std::make_unique<shell::CTransactionRequest>(
            a.GetAccountId(), a.Transactions().At(0)->GetTransactionId());
    }
    CScheduledItem& AddScheduled() {
        auto item = std::make_unique<CScheduledItem>();
        item->Template().SetPayeeName("Rent");
        item->Template().SetAmount(70000);
        item->Template().SetTypeId(BuiltInKey(Type::kTypeWithdrawal));
        item->SetAccountId(Account("Checking").GetAccountId());
        item->SetNextDate(::Now() + 2 * kSecondsPerDay);  // not due: no start-of-day question
        item->SetFrequency(kFrequencyMonthly);
        item->SetRemainingCount(CScheduledItem::kIndefinitely);
        CScheduledList& list = *Accounts().GetScheduledTransactions();
        EXPECT_EQ(list.Append(item.get()), 0);
        return *item.release();
    }
};

TEST_F(EditorModesTest, DetailsOfARegisterRowAreReadOnly) {
    Add("Checking", 1, 1234, "Bakery", Type::kTypeWithdrawal);
    Start();
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    Choose({L"Account", L"View Transaction"});
    ASSERT_EQ(CurrentView(), shell::kViewTransactionDetails);
    EXPECT_TRUE(Shows(L"Transaction Details"));
    EXPECT_GE(LineOf(L"Bakery"), 0);
    EXPECT_NE(Line(LineOf(L"Amount:")).find(L"-12.34"), std::wstring::npos);
    EXPECT_NE(Line(LineOf(L"Account Name:")).find(L"Checking"), std::wstring::npos);
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
}

TEST_F(EditorModesTest, AReportTransactionIsEditedWithoutTheReconciledQuestion) {
    Add("Savings", 3, 5000, "Interest", Type::kTypeDeposit, CTransaction::kReconciled);
    Start();
    Go(10378);  // the report list
    Go(11);     // its details
    ASSERT_EQ(CurrentView(), 55);
    Go(shell::kEventEditTransaction, RequestFor("Savings"));
    ASSERT_EQ(CurrentView(), shell::kViewEditReport);
    EXPECT_TRUE(Shows(L"Edit Report Transaction"));
    EXPECT_EQ(FieldText(Field::kPayee), L"Interest");
    EXPECT_FALSE(ui::IsWindowEnabled(
        ui::GetDlgItem(shell::CCVApplication::Instance().CurrentWindow(), Field::kAccount)));
    Fill(Field::kAmount, L"60");
    // Had the question come, the Back key would answer No and the editor stay.
    m_screen.TypeKey(ui::VK_TSOFT1);
    m_screen.TypeKey(ui::VK_ESCAPE);
    Pump();
    EXPECT_NE(CurrentView(), shell::kViewEditReport);
    EXPECT_EQ(Account("Savings").Transactions().At(0)->GetAmount(), 6000);
}

TEST_F(EditorModesTest, ABudgetTransactionCanBeDeletedAndNoRequestGoesBack) {
    Add("Visa", 2, 900, "Cinema", Type::kTypeCharge);
    Start();
    Go(10379);  // budgets
    Go(12);     // budget details
    ASSERT_EQ(CurrentView(), 64);
    Go(shell::kEventEditTransaction);  // no request: nothing to edit
    EXPECT_EQ(CurrentView(), 64);
    Go(shell::kEventEditTransaction, RequestFor("Visa"));
    ASSERT_EQ(CurrentView(), shell::kViewEditBudget);
    Choose({L"Delete Transaction"}, {ui::VK_RETURN});
    EXPECT_EQ(CurrentView(), 64);
    EXPECT_EQ(Account("Visa").Transactions().Count(), 0u);
}

TEST_F(EditorModesTest, NewScheduledTransactionOccursOnTheDayShown) {
    Start();
    Go(10389);  // scheduled transactions
    ASSERT_EQ(CurrentView(), 57);
    Go(10390);
    ASSERT_EQ(CurrentView(), shell::kViewNewScheduled);
    EXPECT_TRUE(Shows(L"New Scheduled Transaction"));
    Fill(Field::kPayee, L"Gym");
    Fill(Field::kAmount, L"30");
    // Opened from the lists no account is current: it starts on the first account the Account
    // field shows, so it is stored there.
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), 57);
    CScheduledList& list = *Accounts().GetScheduledTransactions();
    ASSERT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.At(0)->GetRemainingCount(), 1);
    EXPECT_EQ(DayBoundary(list.At(0)->GetNextDate(), kDayStart), DayBoundary(::Now(), kDayStart));
    EXPECT_EQ(list.At(0)->Template().GetAmount(), 3000);
    EXPECT_EQ(list.At(0)->GetAccountId(), Account("American Express").GetAccountId());
}

TEST_F(EditorModesTest, EditedScheduledAndRecordedUpcoming) {
    CScheduledItem& rent = AddScheduled();
    const DateTime next = rent.GetNextDate();
    Start();
    Go(10389);
    Go(10391, std::make_unique<shell::CScheduledRequest>(rent.Template().GetTransactionId()));
    ASSERT_EQ(CurrentView(), shell::kViewEditScheduled);
    EXPECT_EQ(FieldText(Field::kPayee), L"Rent");
    EXPECT_NE(FieldText(Field::kRepeat).find(L"Monthly"), std::wstring::npos);
    Fill(Field::kAmount, L"750");
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), 57);
    EXPECT_EQ(rent.Template().GetAmount(), 75000);
    shell::CCVApplication::Instance().PostBack(0);  // back to the summary
    Pump();

    Go(10380);  // upcoming transactions
    ASSERT_EQ(CurrentView(), 58);
    Go(10391, std::make_unique<shell::CScheduledRequest>(rent.Template().GetTransactionId(), next));
    ASSERT_EQ(CurrentView(), shell::kViewEditUpcoming);
    EXPECT_TRUE(Shows(L"Record"));
    Fill(Field::kAmount, L"760");
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), 58);
    ASSERT_EQ(Account("Checking").Transactions().Count(), 1u);
    EXPECT_EQ(Account("Checking").Transactions().At(0)->GetAmount(), 76000);
    EXPECT_EQ(rent.Template().GetAmount(), 75000);  // the series keeps its own amount
    EXPECT_GT(rent.GetNextDate(), next);
}

}  // namespace
}  // namespace views_test
