#include "UiTestSupport.h"
#include "platform/ui/CDatePicker.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinner.h"

namespace ui_test {
namespace {

using namespace ui;

constexpr int kFieldId = 7;

class ControlsTest : public UiTest {};

TEST_F(ControlsTest, EditStopsAtItsLimitMasksAndNotifiesEveryChange) {
    const HWND view = CreateView();
    const HWND edit = CreateChild(L"EDIT", view, kFieldId, ES_PASSWORD, RECT{2, 2, 12, 3});
    SendMessage(edit, EM_LIMITTEXT, 4, 0);
    SetFocus(edit);
    m_screen.TypeText(L"abcdef");
    m_screen.RunUntilIdle();

    EXPECT_EQ(GetWindowText(edit), L"abcd");
    // The work area starts on the second row of the screen.
    EXPECT_EQ(m_screen.Line(3).substr(2, 5), L"**** ");
    const auto changes = Messages(WM_CV_VALUE_CHANGED);
    ASSERT_EQ(changes.size(), 4u);
    EXPECT_EQ(changes[0].wParam, static_cast<WPARAM>(kFieldId));
    EXPECT_EQ(changes[0].lParam, reinterpret_cast<LPARAM>(edit));
    EXPECT_EQ(Messages(WM_COMMAND).size(), 4u);

    // Masking can be turned off at run time.
    SendMessage(edit, EM_SETPASSWORDCHAR, 0, 0);
    m_screen.RunUntilIdle();
    EXPECT_EQ(m_screen.Line(3).substr(2, 4), L"abcd");
}

TEST_F(ControlsTest, DigitsOnlyFieldRefusesOtherCharactersAndBackErases) {
    const HWND view = CreateView();
    const HWND edit = CreateChild(L"EDIT", view, kFieldId, ES_NUMBER, RECT{0, 0, 10, 1});
    SetFocus(edit);
    m_screen.TypeText(L"a1-2 3");
    m_screen.TypeKey(VK_TBACK);  // no soft-key bar overrides it: the field erases
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(edit), L"12");
    EXPECT_EQ(GetControl<CEdit>(edit)->Caret(), 2);

    // Erasing an empty field changes nothing and tells nobody.
    SetWindowText(edit, L"");
    ClearLog();
    m_screen.TypeKey(VK_TBACK);
    m_screen.RunUntilIdle();
    EXPECT_TRUE(Messages(WM_CV_VALUE_CHANGED).empty());
}

TEST_F(ControlsTest, EditRefusesTypedCharactersTheStoredCodePageLacks) {
    const HWND view = CreateView();
    const HWND edit = CreateChild(L"EDIT", view, kFieldId, 0, RECT{0, 0, 20, 1});
    SetFocus(edit);
    m_screen.TypeText(L"Zürich€");
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(edit), L"Zürich€");

    SetWindowText(edit, L"");
    ClearLog();
    m_screen.TypeText(L"Łódź 中");  // Windows-1252 has ó, d and the blank, not Ł, ź or 中
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(edit), L"ód ");
    EXPECT_EQ(GetControl<CEdit>(edit)->Caret(), 3);
    EXPECT_EQ(Messages(WM_CV_VALUE_CHANGED).size(), 3u);  // a refused character tells nobody
    EXPECT_EQ(m_screen.Line(1).substr(0, 3), L"ód ");

    // Text a screen sets is its own business.
    SetWindowText(edit, L"Łódź");
    EXPECT_EQ(GetWindowText(edit), L"Łódź");
}

// A multi-line field three rows high at the top of a view, focused, its caret at the end.
class MultiLineEditTest : public UiTest {
  protected:
    void Open(int width, const std::wstring& text) {
        m_view = CreateView();
        m_edit = CreateChild(L"EDIT", m_view, kFieldId, ES_MULTILINE, RECT{0, 0, width, 3});
        SetWindowText(m_edit, text);
        SetFocus(m_edit);
        m_screen.RunUntilIdle();
        m_width = width;
    }
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        for (int y = 1; y <= 3; ++y) {
            rows.push_back(m_screen.Line(y).substr(0, static_cast<std::size_t>(m_width)));
        }
        return rows;
    }
    // Types each key and checks where the caret went.
    void ExpectCarets(const std::vector<std::pair<unsigned, int>>& steps) {
        for (const auto& [key, caret] : steps) {
            m_screen.TypeKey(key);
            m_screen.RunUntilIdle();
            EXPECT_EQ(GetControl<CEdit>(m_edit)->Caret(), caret) << "after key " << key;
        }
    }

    HWND m_view = nullptr;
    HWND m_edit = nullptr;
    int m_width = 0;
};

TEST_F(MultiLineEditTest, WrapsAtBlanksAndMovesBetweenLines) {
    // Five lines: "Groceries", "for the", "week", "and a", "gift"; the caret at the end shows
    // the last three.
    Open(10, L"Groceries for the week\nand a gift");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"week      ", L"and a     ", L"gift      "}));

    ClearLog();
    // Column 4 of each line up, or the end of a shorter one.
    ExpectCarets({{VK_UP, 27}, {VK_UP, 22}, {VK_UP, 14}, {VK_UP, 4}});
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"Groceries ", L"for the   ", L"week      "}));
    EXPECT_TRUE(Messages(WM_KEYDOWN).empty()) << "the field kept the keys";
    // Past the first line and past the last the keys go to the parent, to move between fields.
    ExpectCarets(
        {{VK_UP, 4}, {VK_DOWN, 14}, {VK_DOWN, 22}, {VK_DOWN, 27}, {VK_DOWN, 33}, {VK_DOWN, 33}});
    const auto passed = Messages(WM_KEYDOWN);
    ASSERT_EQ(passed.size(), 2u);
    EXPECT_EQ(passed[0].hwnd, m_view);
    EXPECT_EQ(passed[0].wParam, static_cast<WPARAM>(VK_UP));
    EXPECT_EQ(passed[1].wParam, static_cast<WPARAM>(VK_DOWN));
}

TEST_F(MultiLineEditTest, BreaksAWordLongerThanTheField) {
    // Three characters a row: the fourth column is the caret's, after the last one.
    Open(4, L"abcdefgh");
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"abc ", L"def ", L"gh  "}));
    ExpectCarets({
        {VK_UP, 5},    // column 2 of "def"
        {VK_HOME, 3},  // its first character
        {VK_END, 5},   // its last: 6 would be the start of "gh"
        {VK_UP, 2},    // column 2 of "abc"
        {VK_DOWN, 5},
        {VK_DOWN, 8},  // the end of the text
    });
}

TEST_F(ControlsTest, ArrowRuleLeavesTheArrowsWithControlsThatKeepThem) {
    static const bool registered = RegisterClass(
        L"ArrowKeeper", [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_GETDLGCODE) return DLGC_WANTARROWS;
            return DefWindowProc(hwnd, message, wParam, lParam);
        });
    ASSERT_TRUE(registered);
    const HWND view = CreateView();
    const RECT rect{0, 0, 10, 1};
    const auto moved = [](HWND hwnd, unsigned vk) {
        MSG msg{hwnd, WM_KEYDOWN, vk, 0, 0, POINT{}};
        return MoveArrowKeyToParent(msg) && msg.hwnd != hwnd;
    };
    EXPECT_TRUE(moved(CreateChild(L"EDIT", view, 1, 0, rect), VK_DOWN));
    EXPECT_TRUE(moved(CreateChild(L"LISTBOX", view, 2, 0, rect), VK_UP));  // no drop-down
    EXPECT_TRUE(moved(CreateChild(L"BUTTON", view, 3, BS_AUTOCHECKBOX, rect), VK_DOWN));
    const HWND multiLine = CreateChild(L"EDIT", view, 4, ES_MULTILINE, RECT{0, 0, 10, 3});
    EXPECT_FALSE(moved(multiLine, VK_DOWN));
    EXPECT_FALSE(moved(multiLine, VK_UP));
    EXPECT_FALSE(moved(CreateChild(L"SysListView32", view, 5, 0, rect), VK_DOWN));
    // Decided by asking the window, whatever its class.
    EXPECT_FALSE(moved(CreateChild(L"ArrowKeeper", view, 6, 0, rect), VK_UP));
}

TEST_F(ControlsTest, SpinnerStepsWithLeftAndRightWrapsAndNotifies) {
    const HWND view = CreateView();
    const HWND spin = CreateChild(L"LISTBOX", view, kFieldId, 0, RECT{0, 0, 16, 1});
    CSpinner* spinner = GetControl<CSpinner>(spin);
    ASSERT_NE(spinner, nullptr);
    for (const wchar_t* text : {L"Checking", L"Savings", L"Cash"}) spinner->AddString(text);
    spinner->SetCurSel(0);
    SetFocus(spin);

    m_screen.TypeKey(VK_RIGHT);
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 1);
    EXPECT_NE(m_screen.Line(1).find(L"Savings"), std::wstring::npos);
    m_screen.TypeKey(VK_LEFT);
    m_screen.TypeKey(VK_LEFT);  // wraps round to the last entry
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 2);
    const auto changes = Messages(WM_APP + 103);
    ASSERT_EQ(changes.size(), 3u);
    EXPECT_EQ(changes.back().wParam, static_cast<WPARAM>(kFieldId));

    // Setting the value from code tells nobody; up and down are not the spinner's.
    ClearLog();
    spinner->SetCurSel(0);
    m_screen.TypeKey(VK_DOWN);
    m_screen.RunUntilIdle();
    EXPECT_EQ(spinner->GetCurSel(), 0);
    EXPECT_TRUE(Messages(WM_CV_VALUE_CHANGED).empty());
}

TEST_F(ControlsTest, DatePickerTypesPartsAndKeepsTheDayInTheMonth) {
    const HWND view = CreateView();
    const HWND picker = CreateChild(L"SysDateTimePick32", view, kFieldId, 0, RECT{0, 0, 12, 1});
    CDatePicker* control = GetControl<CDatePicker>(picker);
    sys::SystemTime date;
    date.year = 2024;
    date.month = 1;
    date.day = 31;
    ASSERT_TRUE(control->SetSystemTime(date));
    sys::SystemTime impossible = date;
    impossible.month = 2;
    impossible.day = 30;
    EXPECT_FALSE(control->SetSystemTime(impossible));

    SetFocus(picker);
    m_screen.TypeText(L"02");  // month 2: day 31 becomes 29 in a leap year
    m_screen.TypeText(L"+");   // the day part is selected next
    m_screen.RunUntilIdle();
    EXPECT_EQ(control->GetSystemTime().month, 2);
    EXPECT_EQ(control->GetSystemTime().day, 1);  // 29 stepped on wraps to 1
    EXPECT_EQ(m_screen.Line(1).substr(0, 8), L"2/1/2024");
    EXPECT_FALSE(Messages(WM_CV_VALUE_CHANGED).empty());
}

}  // namespace
}  // namespace ui_test
