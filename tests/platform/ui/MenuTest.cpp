#include "platform/ui/CListView.h"
#include "platform/ui/CPopupMenu.h"
#include "platform/ui/CSoftKeyBar.h"
#include "resources/MenuIds.h"
#include "UiTestSupport.h"

namespace ui_test {
namespace {

using namespace ui;

class MenuTest : public UiTest {
protected:
    void SetUp() override {
        m_view = CreateView(L"Menus");
        m_bar = CreateSoftKeyBar(m_view, res::IDM_GALLERY_LIST);
        ASSERT_NE(m_bar, nullptr);
        m_menu = GetControl<CSoftKeyBar>(m_bar)->GetMenu();
    }
    std::vector<UINT> Commands() const {
        std::vector<UINT> ids;
        for (const Logged& entry : Messages(WM_COMMAND)) ids.push_back(LOWORD(entry.wParam));
        return ids;
    }

    HWND m_view = nullptr;
    HWND m_bar = nullptr;
    CMenu* m_menu = nullptr;
};

TEST_F(MenuTest, SoftKeysSendCommandsAndOpenTheMenu) {
    m_screen.RunUntilIdle();
    EXPECT_EQ(m_screen.Line(11).substr(0, 10), L"F1/^L Back");
    EXPECT_EQ(m_screen.Line(11).substr(30), L"Menu F2/^R");

    m_screen.TypeKey(VK_TSOFT1);
    m_screen.RunUntilIdle();
    EXPECT_EQ(Commands(), (std::vector<UINT>{res::IDC_GALLERY_BACK}));

    m_screen.TypeKey(VK_TSOFT2);
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetClassName(GetFocus()), L"PopupMenu");
    EXPECT_TRUE(m_screen.Shows(L"1  Add Row"));
    EXPECT_TRUE(m_screen.Shows(L"3  Sort By"));
    // The soft key again closes the menu and gives the focus back.
    m_screen.TypeKey(VK_TSOFT2);
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetFocus(), m_view);
    EXPECT_FALSE(m_screen.Shows(L"Add Row"));
}

TEST_F(MenuTest, BarShowsTheControlKeysWhereEveryLabelHasRoom) {
    GetControl<CSoftKeyBar>(m_bar)->SetKeyLabel(0, L"Previous Screen");
    m_screen.RunUntilIdle();
    // "F1/^L Previous Screen" is one cell wider than half the bar: both keys show F1 and F2 only.
    EXPECT_EQ(m_screen.Line(11).substr(0, 19), L"F1 Previous Screen ");
    EXPECT_EQ(m_screen.Line(11).substr(33), L"Menu F2");
    m_screen.Resize(80, 12);
    m_screen.RunUntilIdle();
    EXPECT_EQ(m_screen.Line(11).substr(0, 22), L"F1/^L Previous Screen ");
    EXPECT_EQ(m_screen.Line(11).substr(70), L"Menu F2/^R");
}

TEST_F(MenuTest, ItemsArePickedByNumberAndByArrows) {
    m_screen.TypeKey(VK_TSOFT2);
    m_screen.TypeText(L"2");  // Delete Row
    m_screen.TypeKey(VK_TSOFT2);
    m_screen.TypeKey(VK_DOWN);
    m_screen.TypeKey(VK_DOWN);
    m_screen.TypeKey(VK_DOWN);  // Next Screen
    m_screen.TypeKey(VK_RETURN);
    m_screen.RunUntilIdle();
    EXPECT_EQ(Commands(),
              (std::vector<UINT>{res::IDC_GALLERY_DELETE_ROW, res::IDC_GALLERY_NEXT}));
    EXPECT_EQ(GetFocus(), m_view);
}

TEST_F(MenuTest, SubMenusRadioMarksAndDisabledItems) {
    // Screens change the menu while they run.
    ASSERT_TRUE(m_menu->CheckRadioItem(res::IDC_GALLERY_SORT_NAME, res::IDC_GALLERY_SORT_AMOUNT,
                                       res::IDC_GALLERY_SORT_AMOUNT, MF_BYCOMMAND));
    ASSERT_TRUE(m_menu->EnableItem(res::IDC_GALLERY_ADD_ROW, MF_BYCOMMAND, false));
    CMenu* popup = m_menu->GetSubMenu(1);
    popup->InsertItem(0, res::IDC_GALLERY_EXIT, L"Inserted");

    m_screen.TypeKey(VK_TSOFT2);
    m_screen.TypeText(L"2");  // now the disabled "Add Row": nothing happens
    m_screen.TypeText(L"4");  // "Sort By" opens its sub-menu
    m_screen.RunUntilIdle();
    EXPECT_TRUE(m_screen.Shows(L"2 •Amount"));
    EXPECT_TRUE(m_screen.Shows(L"1  Name"));
    m_screen.TypeKey(VK_TBACK);  // closes the sub-menu only
    m_screen.TypeText(L"1");
    m_screen.RunUntilIdle();
    EXPECT_EQ(Commands(), (std::vector<UINT>{res::IDC_GALLERY_EXIT}));
    EXPECT_EQ(GetFocus(), m_view);
}

TEST_F(MenuTest, BackKeyReachesTheWindowAsHotKeyWhereTheBarOverridesIt) {
    const HWND edit = CreateChild(L"EDIT", m_view, 5, 0, RECT{0, 0, 10, 1}, L"abc");
    SetFocus(edit);
    m_screen.TypeKey(VK_TBACK);
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(edit), L"ab");  // no override yet: the field erases
    EXPECT_TRUE(Messages(WM_HOTKEY).empty());

    OverrideBackKey(m_bar, true);
    m_screen.TypeKey(VK_TBACK);
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetWindowText(edit), L"ab");
    const auto hotKeys = Messages(WM_HOTKEY);
    ASSERT_EQ(hotKeys.size(), 2u);
    EXPECT_EQ(hotKeys[0].hwnd, m_view);
    EXPECT_EQ(HIWORD(hotKeys[1].lParam), VK_ESCAPE);
    EXPECT_EQ(LOWORD(hotKeys[1].lParam), MOD_KEYUP);

    // The window hands it on to the focused field, as the shell's standard handling does.
    for (const Logged& key : hotKeys) SendBackToFocusWindow(key.message, key.wParam, key.lParam);
    EXPECT_EQ(GetWindowText(edit), L"a");
}

TEST_F(MenuTest, UpAndDownMoveFromAFieldToItsParent) {
    const HWND edit = CreateChild(L"EDIT", m_view, 5, 0, RECT{0, 0, 10, 1});
    MSG up{edit, WM_KEYDOWN, VK_UP, 0, 0, POINT{}};
    EXPECT_TRUE(MoveArrowKeyToParent(up));
    EXPECT_EQ(up.hwnd, m_view);
    MSG left{edit, WM_KEYDOWN, VK_LEFT, 0, 0, POINT{}};
    EXPECT_FALSE(MoveArrowKeyToParent(left));
    MSG top{m_view, WM_KEYDOWN, VK_DOWN, 0, 0, POINT{}};
    EXPECT_FALSE(MoveArrowKeyToParent(top));  // a window without a parent keeps it
}

class MessageBoxTest : public UiTest {};

TEST_F(MessageBoxTest, AnswersFromWithinTheModalLoop) {
    const HWND view = CreateView();
    const HWND edit = CreateChild(L"EDIT", view, 5, 0, RECT{0, 0, 10, 1});
    SetFocus(edit);

    // Regression: a tap on a list under the box selected a row while the box was up.
    const HWND list = CreateChild(L"SysListView32", view, 6, 0, RECT{0, 7, 20, 10});
    GetControl<CListView>(list)->InsertColumn(0, L"Accounts", 20);
    GetControl<CListView>(list)->InsertItem(0, L"Cash");
    m_screen.Tap(2, 9);
    m_screen.TypeKey(VK_TSOFT1);
    EXPECT_EQ(MessageBox(view, L"Keep it?", L"Coinvale", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(GetControl<CListView>(list)->GetSelection(), -1);
    m_screen.TypeKey(VK_TSOFT2);
    EXPECT_EQ(MessageBox(view, L"Keep it?", L"Coinvale", MB_YESNO), IDNO);
    m_screen.TypeKey(VK_RETURN);  // the default button
    EXPECT_EQ(MessageBox(view, L"Delete?", L"Coinvale", MB_YESNO | MB_DEFBUTTON2), IDNO);
    m_screen.TypeKey(VK_TBACK);
    EXPECT_EQ(MessageBox(view, L"Proceed?", L"Coinvale", MB_OKCANCEL), IDCANCEL);
    m_screen.TypeKey(VK_RETURN);
    EXPECT_EQ(MessageBox(view, L"Proceed?", L"Coinvale", MB_OKCANCEL), IDOK);
    m_screen.TypeKey(VK_TBACK);
    EXPECT_EQ(MessageBox(view, L"Done.", L"Coinvale", MB_OK), IDOK);

    // The focus is back where it was, the owner enabled again, the box gone.
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_TRUE(IsWindowEnabled(view));
    m_screen.RunUntilIdle();
    EXPECT_FALSE(m_screen.Shows(L"Done."));
}

TEST_F(MessageBoxTest, ShowsCaptionIconTextAndButtons) {
    const HWND view = CreateView();
    m_screen.TypeKey(VK_TSOFT1);
    EXPECT_EQ(MessageBox(view, L"Enter a valid amount.", L"Coinvale", MB_OK | MB_ICONWARNING),
              IDOK);
    const std::wstring shown = m_screen.TextBeforeLastInput();
    EXPECT_NE(shown.find(L"Coinvale"), std::wstring::npos);
    EXPECT_NE(shown.find(L"! Enter a valid amount."), std::wstring::npos);
    EXPECT_NE(shown.find(L"F1/^L OK"), std::wstring::npos);
}

}  // namespace
}  // namespace ui_test
