#include "platform/ui/CDatePicker.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListView.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/SysColors.h"
#include "UiTestSupport.h"

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

class ListViewTest : public UiTest {
protected:
    void SetUp() override {
        m_view = CreateView();
        m_list = CreateChild(L"SysListView32", m_view, kFieldId, 0, RECT{0, 0, 30, 5});
        m_control = GetControl<CListView>(m_list);
        m_control->InsertColumn(0, L"Account", 20);
        m_control->InsertColumn(1, L"Amount", 10, LVCFMT_RIGHT);
        for (int i = 0; i < 6; ++i) {
            const int row = m_control->InsertItem(i, L"Account " + std::to_wstring(i), i * 10);
            m_control->SetItemText(row, 1, std::to_wstring(i * 100));
        }
        SetFocus(m_list);
        ClearLog();
    }
    std::vector<Logged> Notifications(UINT code) const {
        std::vector<Logged> found;
        for (const Logged& entry : Messages(WM_NOTIFY)) {
            if (entry.code == code) found.push_back(entry);
        }
        return found;
    }

    HWND m_view = nullptr;
    HWND m_list = nullptr;
    CListView* m_control = nullptr;
};

TEST_F(ListViewTest, KeysSelectScrollAndActivateWithNotifications) {
    for (int i = 0; i < 5; ++i) m_screen.TypeKey(VK_DOWN);
    m_screen.TypeKey(VK_RETURN);
    m_screen.RunUntilIdle();

    EXPECT_EQ(m_control->GetSelection(), 4);
    // Four rows fit under the header, so the list has scrolled by one.
    EXPECT_EQ(m_control->GetTopIndex(), 1);
    const auto keys = Notifications(LVN_KEYDOWN);
    ASSERT_EQ(keys.size(), 6u);
    EXPECT_EQ(keys.back().item, static_cast<int>(VK_RETURN));
    const auto activated = Notifications(LVN_ITEMACTIVATE);
    ASSERT_EQ(activated.size(), 1u);
    EXPECT_EQ(activated[0].item, 4);
    std::vector<int> selected;
    for (const Logged& change : Notifications(LVN_ITEMCHANGED)) {
        if (change.item >= 0) selected.push_back(change.item);
    }
    EXPECT_EQ(selected, (std::vector<int>{0, 1, 2, 3, 4}));
    // The list keeps up and down: the main loop's rule leaves them with it.
    MSG down{m_list, WM_KEYDOWN, VK_DOWN, 0, 0, POINT{}};
    EXPECT_FALSE(MoveArrowKeyToParent(down));
    EXPECT_EQ(down.hwnd, m_list);
    // The selected row is highlighted, the amount right-aligned.
    const std::wstring row = m_screen.Line(1 + 1 + 3);
    EXPECT_EQ(row.substr(0, 9), L"Account 4");
    EXPECT_EQ(row.substr(26, 3), L"400");
    EXPECT_EQ(m_screen.CellAt(0, 5).bg, GetSysColor(COLOR_HIGHLIGHT));
}

TEST_F(ListViewTest, TapsOnHeaderAndRows) {
    m_screen.Tap(22, 1);  // the "Amount" header
    m_screen.Tap(3, 3);   // the second row: selects
    m_screen.Tap(3, 3);   // again: activates
    m_screen.RunUntilIdle();
    const auto clicks = Notifications(LVN_COLUMNCLICK);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].item, 1);
    EXPECT_EQ(m_control->GetSelection(), 1);
    ASSERT_EQ(Notifications(LVN_ITEMACTIVATE).size(), 1u);
    EXPECT_EQ(m_control->GetItemData(1), 10);
}

TEST_F(ListViewTest, OwnerDrawnRowsAreMeasuredAndDrawnByTheParent) {
    const HWND list = CreateChild(L"SysListView32", m_view, kFieldId + 1,
                                  LVS_OWNERDRAWFIXED | LVS_NOCOLUMNHEADER, RECT{0, 6, 30, 9});
    GetControl<CListView>(list)->InsertItem(0, L"x");
    GetControl<CListView>(list)->InsertItem(1, L"y");
    m_screen.RunUntilIdle();
    ASSERT_EQ(Messages(WM_MEASUREITEM).size(), 1u);
    const auto drawn = Messages(WM_DRAWITEM);
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].wParam, static_cast<WPARAM>(kFieldId + 1));
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
