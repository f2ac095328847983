// The register as a person sees it: rows with running balances, the balance line, filters, the
// cleared mark and where the row goes, sorting from the menu and from the header, find and its
// results, the review offer, row colours.
#include "ScreenFixture.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CCVView.h"
#include "shell/CReviewRequest.h"
#include "shell/ViewNumbers.h"
#include "support/TempFolder.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;
using Column = CCVPreferences::Column;

constexpr int kHeaderRow = 1;  // under the title row
constexpr int kFirstRow = 2;

class RegisterViewTest : public ScreenFixture {
  protected:
    // Checking with four transactions, oldest first: a cleared salary, two uncleared payments and
    // a reconciled refund.
    void FillChecking() {
        Add("Checking", 4, 100000, "Salary", Type::kTypeDeposit, CTransaction::kCleared);
        Add("Checking", 3, 2500, "Bakery", Type::kTypeWithdrawal);
        Add("Checking", 2, 12000, "Grocer", Type::kTypeWithdrawal);
        Add("Checking", 1, 500, "Refund", Type::kTypeDeposit, CTransaction::kReconciled);
    }
    void ShowColumns(std::initializer_list<Column> shown) {
        CCVPreferences& preferences = Model().GetPreferences();
        preferences.SelectAccount(L"Checking");
        for (Column column :
             {Column::Clear, Column::Icon, Column::Date, Column::TransactionType, Column::Payee,
              Column::Category, Column::Class, Column::Amount, Column::Balance, Column::Memo}) {
            preferences.SetColumnShown(
                column, std::find(shown.begin(), shown.end(), column) != shown.end());
        }
    }
    void OpenChecking() {
        Start();
        Key(ui::VK_DOWN);
        Key(ui::VK_RETURN);
        ASSERT_EQ(CurrentView(), shell::kViewRegister);
    }
    // The screen rows of the list, top to bottom, that show a payee.
    std::vector<std::wstring> PayeesShown() const {
        std::vector<std::wstring> payees;
        for (int y = kFirstRow; y < 22; ++y) {
            for (const wchar_t* payee : {L"Salary", L"Bakery", L"Grocer", L"Refund"}) {
                if (Line(y).find(payee) != std::wstring::npos) payees.push_back(payee);
            }
        }
        return payees;
    }
};

TEST_F(RegisterViewTest, RowsRunningBalancesAndTheBalanceLine) {
    FillChecking();
    ShowColumns({Column::Clear, Column::Date, Column::Payee, Column::Amount, Column::Balance});
    OpenChecking();
    EXPECT_EQ(PayeesShown(),
              (std::vector<std::wstring>{L"Salary", L"Bakery", L"Grocer", L"Refund"}));
    const int grocer = LineOf(L"Grocer");
    EXPECT_NE(Line(grocer).find(L"12/4"), std::wstring::npos) << Utf8Line(grocer);
    EXPECT_NE(Line(grocer).find(L"-120.00"), std::wstring::npos);
    EXPECT_NE(Line(grocer).find(L"855.00"), std::wstring::npos);  // 1000 - 25 - 120
    EXPECT_NE(Line(LineOf(L"Balance:")).find(L"860.00"), std::wstring::npos);
    EXPECT_NE(Line(kHeaderRow).find(L"Payee"), std::wstring::npos);
    EXPECT_NE(Line(kHeaderRow).find(L"Balance"), std::wstring::npos);
    EXPECT_EQ(Line(kHeaderRow).find(L"Category"), std::wstring::npos);
}

TEST_F(RegisterViewTest, ClearingARowUnderTheUnclearedFilterRemovesItAndTheBalanceFollows) {
    FillChecking();
    OpenChecking();
    Choose({L"Filter Types", L"Uncleared"});
    EXPECT_EQ(PayeesShown(), (std::vector<std::wstring>{L"Bakery", L"Grocer"}));
    EXPECT_NE(Line(LineOf(L"Balance:")).find(L"-145.00"), std::wstring::npos)
        << Utf8Line(LineOf(L"Balance:"));
    const std::string file = Accounts().AccountFilePath("Checking");
    const auto before = testing_support::ReadBytes(file);

    Key(ui::VK_RETURN);  // Bakery, the first row, becomes cleared
    EXPECT_EQ(PayeesShown(), (std::vector<std::wstring>{L"Grocer"}));
    EXPECT_NE(Line(LineOf(L"Balance:")).find(L"-120.00"), std::wstring::npos);
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCleared), 97500 + 500);
    EXPECT_NE(testing_support::ReadBytes(file), before);  // saved at once
    EXPECT_EQ(Model().GetPreferences().GetTransactionFilter(), 4u);
}

TEST_F(RegisterViewTest, ReconciledAndVoidRowsKeepTheirMark) {
    Add("Checking", 2, 500, "Refund", Type::kTypeDeposit, CTransaction::kReconciled);
    Add("Checking", 1, 700, "Bakery", Type::kTypeWithdrawal, CTransaction::kVoid);
    OpenChecking();
    Key(ui::VK_RETURN);
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    CCVAccount& checking = Account("Checking");
    EXPECT_EQ(checking.GetFiltered(0, 0)->GetState(), CTransaction::kReconciled);
    EXPECT_EQ(checking.GetFiltered(0, 1)->GetState(), CTransaction::kVoid);
    EXPECT_EQ(checking.GetBalance(CCVAccount::kBalanceCleared), 500);
}

TEST_F(RegisterViewTest, SortedByTheClearedMarkAToggledRowMovesWithItsMark) {
    FillChecking();
    OpenChecking();
    Choose({L"Sort By", L"Check"});
    const std::vector<std::wstring> before = PayeesShown();
    ASSERT_EQ(before.size(), 4u);
    // The two uncleared rows stand together at the top or at the bottom.
    const bool unclearedFirst = before.front() == L"Bakery" || before.front() == L"Grocer";
    const std::wstring end = unclearedFirst ? before.front() : before.back();
    const std::wstring other = end == L"Bakery" ? L"Grocer" : L"Bakery";
    Key(unclearedFirst ? ui::VK_HOME : ui::VK_END);
    Key(ui::VK_RETURN);  // the uncleared row at that end becomes cleared and leaves it
    const std::vector<std::wstring> after = PayeesShown();
    EXPECT_EQ(unclearedFirst ? after.front() : after.back(), other);
    EXPECT_NE(unclearedFirst ? after.front() : after.back(), end);
}

TEST_F(RegisterViewTest, SortByOffersTheShownColumnsAndTheHeaderSortsByItsColumn) {
    FillChecking();
    ShowColumns({Column::Clear, Column::Icon, Column::Date, Column::Payee, Column::Amount});
    OpenChecking();
    Key(ui::VK_TSOFT2);
    Key(ui::VK_ESCAPE);
    CCVAccount& checking = Account("Checking");
    Choose({L"Sort By", L"Payee"});
    EXPECT_EQ(checking.GetSortColumn(), 4);
    const std::vector<std::wstring> first = PayeesShown();
    EXPECT_TRUE(first == (std::vector<std::wstring>{L"Bakery", L"Grocer", L"Refund", L"Salary"}) ||
                first == (std::vector<std::wstring>{L"Salary", L"Refund", L"Grocer", L"Bakery"}));
    // The fourth shown column is the payee: its header sorts by the payee again, the other way.
    const std::size_t payeeHeader = Line(kHeaderRow).find(L"Payee");
    ASSERT_NE(payeeHeader, std::wstring::npos);
    m_screen.Tap(static_cast<int>(payeeHeader), kHeaderRow);
    Pump();
    std::vector<std::wstring> reversed(first.rbegin(), first.rend());
    EXPECT_EQ(PayeesShown(), reversed);
    EXPECT_EQ(checking.GetSortColumn(), 4);
}

TEST_F(RegisterViewTest, SortByListsOnlyTheShownColumns) {
    ShowColumns({Column::Clear, Column::Icon, Column::Date, Column::Payee, Column::Amount});
    OpenChecking();
    Choose({L"Sort By"});
    // Menu items stand two blanks after their number.
    for (const wchar_t* shown : {L"  Check ", L"  Icon ", L"•Date ", L"  Payee ", L"  Amount "}) {
        EXPECT_TRUE(Shows(shown)) << sys::WideToUtf8(shown);
    }
    for (const wchar_t* hidden : {L"  Type ", L"  Category ", L"  Class ", L"  Memo "}) {
        EXPECT_FALSE(Shows(hidden)) << sys::WideToUtf8(hidden);
    }
}

TEST_F(RegisterViewTest, FindShowsTheMatchesAndDoneReturnsToTheRegister) {
    FillChecking();
    OpenChecking();
    Key(ui::VK_DOWN);  // the second row stays selected across the find
    Choose({L"Account", L"Find Transactions"});
    EXPECT_EQ(CurrentView(), shell::kViewFind);
    m_screen.TypeKey(ui::VK_TSOFT1);  // "Find" with nothing typed
    m_screen.TypeKey(ui::VK_RETURN);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Invalid Name!"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewFind);

    Type(L"er");
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewFindResults);
    EXPECT_EQ(PayeesShown(), (std::vector<std::wstring>{L"Bakery", L"Grocer"}));
    EXPECT_FALSE(Shows(L"Balance:"));
    Key(ui::VK_TSOFT1);  // Done
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_EQ(PayeesShown().size(), 4u);
    const int bakery = LineOf(L"Bakery");
    EXPECT_EQ(m_screen.CellAt(5, bakery).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
}

TEST_F(RegisterViewTest, GotoBottomAndTopAndRowColours) {
    FillChecking();
    OpenChecking();
    Choose({L"Account", L"Goto Bottom"});
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Refund")).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
    Choose({L"Account", L"Goto Top"});
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Salary")).bg, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
    // Rows alternate: the row colour first, then the list's background.
    const ui::COLORREF rowColour = Account("Checking").GetRowColor();
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Grocer")).bg, rowColour);
    EXPECT_EQ(m_screen.CellAt(5, LineOf(L"Bakery")).bg, ui::GetSysColor(ui::COLOR_WINDOW));
}

// Stands in for the review screen, which is not part of this program yet.
class ReviewStandIn : public shell::CCVView {
  public:
    static inline int s_position = -1;
    static inline int s_kind = 0;

  protected:
    Frame Describe(ui::LPARAM) override { return Frame{L"ReviewStandIn", L"Review", 0}; }
    bool OnCreate(ui::LPARAM) override {
        auto payload = TakePayload();
        if (auto* request = dynamic_cast<shell::CReviewRequest*>(payload.get())) {
            s_position = request->Position();
            s_kind = request->GetKind();
        }
        return true;
    }
};

TEST_F(RegisterViewTest, TheReviewOfferIsMadeOnceAfterADownload) {
    Add("Checking", 2, 4000, "Bank Line", Type::kTypeWithdrawal);
    CTransaction* line = Account("Checking").GetFiltered(0, 0);
    line->SetOnlineOrigin(CTransaction::kAwaitingReview);
    line->SetOnlineId("FIT-1");
    Account("Checking").SetDownloadReviewPending(true);
    shell::CCVApplication::Instance().Catalog().Register(
        66, [] { return std::make_unique<ReviewStandIn>(); });

    Start();
    Key(ui::VK_DOWN);
    m_screen.TypeKey(ui::VK_RETURN);  // open the register ...
    m_screen.TypeKey(ui::VK_TSOFT2);  // ... and answer No
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"There are 1 unaccepted txns"),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_FALSE(Account("Checking").GetDownloadReviewPending());

    Key(ui::VK_ESCAPE);
    Key(ui::VK_RETURN);  // a second opening asks nothing
    EXPECT_EQ(CurrentView(), shell::kViewRegister);
    EXPECT_FALSE(Shows(L"unaccepted"));

    Choose({L"Account", L"Edit Transaction"});  // an unaccepted line opens the review
    EXPECT_EQ(CurrentView(), 66);
    EXPECT_EQ(ReviewStandIn::s_position, 0);
    EXPECT_EQ(ReviewStandIn::s_kind, shell::CReviewRequest::kDownloaded);
}

}  // namespace
}  // namespace views_test
