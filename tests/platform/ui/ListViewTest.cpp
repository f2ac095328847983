#include <chrono>

#include "UiTestSupport.h"
#include "platform/ui/CListView.h"
#include "platform/ui/SysColors.h"

namespace ui_test {
namespace {

using namespace ui;

constexpr int kFieldId = 7;
constexpr int kVirtualId = 8;
constexpr int kLargeCount = 50000;
constexpr int kVisibleRows = 4;  // a list five cells high, under its header

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

    // A list of `count` rows that holds none of them, the size of the fixture's list.
    CListView* CreateVirtualList(DWORD style, int count) {
        m_virtual = CreateChild(L"SysListView32", m_view, kVirtualId, LVS_OWNERDATA | style,
                                RECT{0, 0, 30, 5});
        CListView* list = GetControl<CListView>(m_virtual);
        list->InsertColumn(0, L"Payee", 20);
        list->InsertColumn(1, L"Amount", 10, LVCFMT_RIGHT);
        EXPECT_TRUE(list->SetItemCount(count));
        ShowWindow(m_list, SW_HIDE);
        SetFocus(m_virtual);
        return list;
    }
    std::vector<int> DrawnRows() const {
        std::vector<int> rows;
        for (const Logged& entry : Messages(WM_DRAWITEM)) rows.push_back(entry.item);
        return rows;
    }
    int LastChangedRow() const {
        const auto changes = Notifications(LVN_ITEMCHANGED);
        return changes.empty() ? -2 : changes.back().item;
    }

    HWND m_view = nullptr;
    HWND m_list = nullptr;
    CListView* m_control = nullptr;
    HWND m_virtual = nullptr;
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

TEST_F(ListViewTest, VirtualListDrawsOnlyTheVisibleRowsWhereverTheSelectionGoes) {
    CListView* list = CreateVirtualList(LVS_OWNERDRAWFIXED, kLargeCount);
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetItemCount(), kLargeCount);
    EXPECT_EQ(list->GetCountPerPage(), kVisibleRows);
    EXPECT_EQ(DrawnRows(), (std::vector<int>{0, 1, 2, 3}));

    ClearLog();
    m_screen.TypeKey(VK_END);
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetSelection(), kLargeCount - 1);
    EXPECT_EQ(list->GetTopIndex(), kLargeCount - kVisibleRows);
    EXPECT_EQ(DrawnRows(), (std::vector<int>{49996, 49997, 49998, 49999}));
    EXPECT_EQ(LastChangedRow(), kLargeCount - 1);

    // One row up draws one page again, not the rows in between.
    ClearLog();
    m_screen.TypeKey(VK_UP);
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetSelection(), kLargeCount - 2);
    EXPECT_EQ(DrawnRows().size(), static_cast<std::size_t>(kVisibleRows));

    m_screen.TypeKey(VK_PRIOR);
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetSelection(), kLargeCount - 2 - kVisibleRows);
    m_screen.TypeKey(VK_NEXT);
    m_screen.TypeKey(VK_NEXT);  // stops at the last row
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetSelection(), kLargeCount - 1);
    m_screen.TypeKey(VK_HOME);
    m_screen.TypeKey(VK_DOWN);
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetSelection(), 1);
    EXPECT_EQ(list->GetTopIndex(), 0);

    // The rows belong to the parent: the list takes none of its own.
    EXPECT_EQ(list->InsertItem(0, L"x"), -1);
    EXPECT_FALSE(list->SetItemText(0, 0, L"x"));
    EXPECT_FALSE(list->DeleteItem(0));
    EXPECT_EQ(list->GetItemCount(), kLargeCount);
    EXPECT_EQ(list->GetItemData(1), 0);
}

TEST_F(ListViewTest, MovingTheSelectionOfAVirtualListCostsTheSameAtAnySize) {
    // The same moves on a list of 50 rows and of 50,000: each move paints only the visible rows,
    // and takes about as long at either size (compared with each other rather than with a fixed
    // time, so that a loaded machine slows both alike).
    constexpr int kMoves = 1000;
    const auto movesTake = [&](int count) {
        CListView* list = CreateVirtualList(LVS_OWNERDRAWFIXED, count);
        list->SetSelection(count / 2);
        UpdateWindow(m_virtual);
        ClearLog();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kMoves; ++i) {
            SendMessage(m_virtual, WM_KEYDOWN, i % 2 == 0 ? VK_DOWN : VK_UP, 0);
            UpdateWindow(m_virtual);  // and paints the page
        }
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(list->GetSelection(), count / 2);
        const std::vector<int> drawn = DrawnRows();
        EXPECT_LE(drawn.size(), static_cast<std::size_t>(kMoves * kVisibleRows));
        for (const int row : drawn) {
            EXPECT_GE(row, count / 2 - kVisibleRows);
            EXPECT_LE(row, count / 2 + kVisibleRows);
        }
        DestroyWindow(m_virtual);
        return elapsed;
    };
    const auto small = movesTake(50);
    const auto large = movesTake(kLargeCount);
    EXPECT_LT(large, small * 10 + std::chrono::milliseconds(100));
}

TEST_F(ListViewTest, VirtualListAsksTheParentForTheTextsOfVisibleCells) {
    CListView* list = CreateVirtualList(0, 1000);
    list->SetTopIndex(500);
    m_screen.RunUntilIdle();
    EXPECT_EQ(m_screen.Line(2).substr(0, 9), L"Row 500.0");
    EXPECT_EQ(m_screen.Line(5).substr(24, 5), L"503.1");  // the amount column, right-aligned
    const auto asked = Notifications(LVN_GETDISPINFO);
    ASSERT_EQ(asked.size(), 2u * kVisibleRows);  // each cell once
    for (const Logged& entry : asked) {
        EXPECT_GE(entry.item, 500);
        EXPECT_LT(entry.item, 500 + kVisibleRows);
    }
    EXPECT_EQ(list->GetItemText(999, 1), L"Row 999.1");
    EXPECT_EQ(list->GetItemText(1000, 0), L"");  // past the count: nobody is asked
    EXPECT_EQ(list->GetItemText(-1, 0), L"");
}

TEST_F(ListViewTest, ShrinkingTheCountClampsTheSelectionAndTheTopRow) {
    CListView* list = CreateVirtualList(0, 100);
    ASSERT_TRUE(list->SetSelection(80));
    ASSERT_EQ(list->GetTopIndex(), 80 - kVisibleRows + 1);

    ClearLog();
    ASSERT_TRUE(list->SetItemCount(50));
    EXPECT_EQ(list->GetSelection(), 49);
    EXPECT_EQ(list->GetTopIndex(), 50 - kVisibleRows);
    ASSERT_EQ(Notifications(LVN_ITEMCHANGED).size(), 1u);
    EXPECT_EQ(LastChangedRow(), 49);

    // Still in range: the selection stays and nobody is told.
    ClearLog();
    ASSERT_TRUE(list->SetItemCount(50));
    ASSERT_TRUE(list->SetItemCount(60));
    EXPECT_EQ(list->GetSelection(), 49);
    EXPECT_TRUE(Notifications(LVN_ITEMCHANGED).empty());

    // Exactly the selected row goes.
    ASSERT_TRUE(list->SetItemCount(49));
    EXPECT_EQ(list->GetSelection(), 48);
    ASSERT_TRUE(list->SetItemCount(0));
    EXPECT_EQ(list->GetSelection(), -1);
    EXPECT_EQ(list->GetTopIndex(), 0);
    EXPECT_EQ(LastChangedRow(), -1);
    m_screen.TypeKey(VK_DOWN);  // an empty list has nothing to select
    m_screen.RunUntilIdle();
    EXPECT_EQ(list->GetSelection(), -1);

    EXPECT_FALSE(list->SetItemCount(-1));
    EXPECT_FALSE(m_control->SetItemCount(3));  // a list that holds its rows keeps its count
    EXPECT_EQ(m_control->GetItemCount(), 6);
}

TEST_F(ListViewTest, VirtualListTakesTapsOnRowsAndHeaders) {
    CListView* list = CreateVirtualList(0, kLargeCount);
    ASSERT_TRUE(list->SetTopIndex(1000));
    m_screen.Tap(22, 1);  // the "Amount" header
    m_screen.Tap(3, 3);   // the second row shown
    m_screen.Tap(3, 3);   // again: activates
    m_screen.Tap(3, 4);   // the third row
    m_screen.RunUntilIdle();
    const auto clicks = Notifications(LVN_COLUMNCLICK);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0].item, 1);
    const auto activated = Notifications(LVN_ITEMACTIVATE);
    ASSERT_EQ(activated.size(), 1u);
    EXPECT_EQ(activated[0].item, 1001);
    EXPECT_EQ(list->GetSelection(), 1002);
}

TEST_F(ListViewTest, TopIndexStaysWhereAFullLastPageShows) {
    EXPECT_TRUE(m_control->SetTopIndex(1));
    EXPECT_EQ(m_control->GetTopIndex(), 1);
    EXPECT_TRUE(m_control->SetTopIndex(5));  // six rows, four shown: row 2 is the last top
    EXPECT_EQ(m_control->GetTopIndex(), 2);
    EXPECT_FALSE(m_control->SetTopIndex(6));
    EXPECT_FALSE(m_control->SetTopIndex(-1));
    EXPECT_EQ(m_control->GetTopIndex(), 2);
    m_screen.RunUntilIdle();
    EXPECT_EQ(m_screen.Line(2).substr(0, 9), L"Account 2");
}

}  // namespace
}  // namespace ui_test
