// The controls the transaction editor needs: the combo box (typing, completion from its entries,
// stepping, the Back key, the action key), type-to-find and Home/End in spinners with the action
// key told apart from stepping, and the action key as a line break in a multi-line field.
#include "UiTestSupport.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinner.h"

namespace ui_test {
namespace {

using namespace ui;

constexpr int kFieldId = 9;

class EditorControlsTest : public UiTest {
  protected:
    std::vector<UINT> Codes() const {
        std::vector<UINT> codes;
        for (const Logged& logged : Messages(WM_COMMAND)) {
            codes.push_back(HIWORD(logged.wParam));
        }
        return codes;
    }
    void Keys(std::initializer_list<unsigned> keys) {
        for (unsigned key : keys) m_screen.TypeKey(key);
        m_screen.RunUntilIdle();
    }
};

TEST_F(EditorControlsTest, ComboBoxCompletesFromItsEntriesAndTakesNewText) {
    const HWND view = CreateView();
    const HWND hwnd = CreateChild(L"COMBOBOX", view, kFieldId, 0, RECT{0, 0, 30, 1});
    CComboBox* combo = GetControl<CComboBox>(hwnd);
    ASSERT_NE(combo, nullptr);
    for (const wchar_t* payee : {L"Bakery", L"Bank", L"Corner Shop"}) combo->AddString(payee);
    SetFocus(hwnd);

    m_screen.TypeText(L"ba");
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(hwnd), L"bakery");  // typed as typed, completed from "Bakery"
    EXPECT_EQ(combo->Completion(), L"kery");
    EXPECT_EQ(combo->GetCurSel(), 0);
    m_screen.TypeText(L"n");
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(hwnd), L"bank");
    EXPECT_EQ(combo->GetCurSel(), 1);
    // The Back key takes the completion first, then what was typed.
    m_screen.TypeText(L"x");
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(hwnd), L"banx");
    EXPECT_EQ(combo->GetCurSel(), -1);
    Keys({VK_BACK});
    EXPECT_EQ(GetWindowText(hwnd), L"ban");
    EXPECT_EQ(combo->GetCurSel(), -1);
    ClearLog();
    m_screen.TypeText(L"k");
    m_screen.RunUntilIdle();
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_EQ(Codes(), (std::vector<UINT>{CBN_SELCHANGE}));

    // A character the stored code page lacks is refused; the limit holds.
    combo->SetLimit(5);
    m_screen.TypeText(L"ł12");
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(hwnd), L"bank1");
}

TEST_F(EditorControlsTest, ComboBoxStepsThroughEntriesAndTellsTheActionKeyApart) {
    const HWND view = CreateView();
    const HWND hwnd = CreateChild(L"COMBOBOX", view, kFieldId, 0, RECT{0, 0, 30, 1});
    CComboBox* combo = GetControl<CComboBox>(hwnd);
    for (const wchar_t* payee : {L"Bakery", L"Bank", L"Edit Payee..."}) combo->AddString(payee);
    SetFocus(hwnd);
    Keys({VK_LEFT});  // wraps to the last entry
    EXPECT_EQ(GetWindowText(hwnd), L"Edit Payee...");
    Keys({VK_HOME});
    EXPECT_EQ(GetWindowText(hwnd), L"Bakery");
    Keys({VK_END, VK_RIGHT});
    EXPECT_EQ(GetWindowText(hwnd), L"Bakery");
    EXPECT_EQ(Codes(),
              (std::vector<UINT>{CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE, CBN_SELCHANGE}));
    ClearLog();
    Keys({VK_RETURN});
    EXPECT_EQ(Codes(), (std::vector<UINT>{CBN_DBLCLK}));
    // Text set from code takes the entry it names, whatever its letter case.
    SetWindowText(hwnd, L"bank");
    EXPECT_EQ(combo->GetCurSel(), 1);
    EXPECT_TRUE(combo->SetCurSel(-1));
    EXPECT_EQ(GetWindowText(hwnd), L"");
}

TEST_F(EditorControlsTest, SpinnerFindsByTypingAndGoesToTheEnds) {
    const HWND view = CreateView();
    const HWND spin = CreateChild(L"LISTBOX", view, kFieldId, 0, RECT{0, 0, 30, 1});
    CSpinner* spinner = GetControl<CSpinner>(spin);
    for (const wchar_t* text :
         {L"", L"-SPLIT-", L"Auto", L"Auto:Fuel", L"Groceries", L"Gifts", L"[Savings]"}) {
        spinner->AddString(text);
    }
    spinner->SetCurSel(0);
    SetFocus(spin);
    m_screen.TypeText(L"g");
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 4);  // "Groceries"
    m_screen.TypeText(L"g");
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 5);  // the next entry with "g"
    m_screen.TypeText(L"AUTO:");
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 3);  // the typed text goes on as one search
    m_screen.TypeText(L"[");
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 6);
    m_screen.TypeText(L"z");  // no entry: nothing moves
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 6);
    Keys({VK_HOME});
    EXPECT_EQ(spinner->GetCurSel(), 0);
    Keys({VK_END});
    EXPECT_EQ(spinner->GetCurSel(), 6);

    // Stepping notifies a change of selection; only the action key a choice.
    ClearLog();
    Keys({VK_LEFT, VK_LEFT});
    EXPECT_EQ(Codes(), (std::vector<UINT>{LBN_SELCHANGE, LBN_SELCHANGE}));
    ClearLog();
    Keys({VK_RETURN});
    EXPECT_EQ(Codes(), (std::vector<UINT>{LBN_DBLCLK}));
    EXPECT_EQ(spinner->GetCurSel(), 4);
}

TEST_F(EditorControlsTest, ActionKeyBreaksALineOnlyWhereTheFieldWantsIt) {
    const HWND view = CreateView();
    const HWND memo =
        CreateChild(L"EDIT", view, kFieldId, ES_MULTILINE | ES_WANTRETURN, RECT{0, 0, 20, 4});
    SendMessage(memo, EM_LIMITTEXT, 5, 0);
    SetFocus(memo);
    m_screen.TypeText(L"ab");
    Keys({VK_RETURN});
    m_screen.TypeText(L"cdef");
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(memo), L"ab\ncd");  // the break counts against the limit
    EXPECT_EQ(m_screen.Line(2).substr(0, 2), L"cd");

    const HWND line = CreateChild(L"EDIT", view, kFieldId + 1, 0, RECT{0, 5, 20, 6});
    SetFocus(line);
    ClearLog();
    Keys({VK_RETURN});
    EXPECT_EQ(GetWindowText(line), L"");
    EXPECT_EQ(Codes(), (std::vector<UINT>{EN_RETURN}));
}

}  // namespace
}  // namespace ui_test
