#include "views/splits/CSplitTransactionView.h"

#include <algorithm>

#include "model/CCVAccountList.h"
#include "model/CSplitEditing.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CSplitLineRequest.h"
#include "shell/ViewNumbers.h"

namespace views {
namespace {

constexpr int kTotalRows = 3;
constexpr int kColumns = 4;

struct SplitState : shell::CViewState {
    shell::CSplitRequest split;
    bool loaded = false;
    int selected = 0;
};

std::wstring AmountText(Amount amount) {
    std::wstring text = CCVUIUtility::AmountText(amount, true);
    while (!text.empty() && text.back() == L' ') text.pop_back();
    return text;
}

void Copy(const shell::CSplitRequest& from, shell::CSplitRequest& to) {
    to.lines = from.lines;
    to.amount = from.amount;
    to.ownAccountId = from.ownAccountId;
    to.memoCapacity = from.memoCapacity;
}

}  // namespace

CSplitTransactionView::CSplitTransactionView() = default;
CSplitTransactionView::~CSplitTransactionView() = default;

shell::CCVView::Frame CSplitTransactionView::Describe(ui::LPARAM) {
    return Frame{L"SplitTransaction", std::wstring(res::LoadString(res::IDS_SPLIT_TITLE)),
                 res::IDM_SPLIT_LIST};
}

bool CSplitTransactionView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    if (const auto* request = dynamic_cast<const shell::CSplitRequest*>(payload.get())) {
        Copy(*request, m_split);
        m_loaded = true;
    }
    if (!CreateList(true)) return false;
    for (int column = 0; column < kColumns; ++column) {
        ListControl()->InsertColumn(column,
                                    std::wstring(res::LoadString(static_cast<res::StringId>(
                                        res::IDS_SPLIT_COLUMN_CATEGORY + column))),
                                    1, column == 2 ? ui::LVCFMT_RIGHT : ui::LVCFMT_LEFT);
    }
    SetRowCount(CTransaction::kSplitLines);
    OnSize(ClientRect().right, ClientRect().bottom);
    Select(0);
    ui::SetFocus(List());
    return true;
}

void CSplitTransactionView::OnShown() {
    if (!m_loaded) PostBack(0);
}

void CSplitTransactionView::OnSize(int width, int height) {
    CListShapeView::OnSize(width, height);
    if (List() != nullptr)
        ui::MoveWindow(List(), 0, 0, width, std::max(1, height - kTotalRows - 1));
}

void CSplitTransactionView::LayoutColumns(int width) {
    ui::CListView* list = ListControl();
    if (list == nullptr || list->GetColumnCount() < kColumns) return;
    const int amount = 14;
    const int rest = std::max(12, width - amount);
    list->SetColumnWidth(0, rest * 2 / 5);
    list->SetColumnWidth(1, rest / 5);
    list->SetColumnWidth(2, amount);
    list->SetColumnWidth(3, rest - rest * 2 / 5 - rest / 5);
}

void CSplitTransactionView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                    bool selected, bool focused) {
    if (row < 0 || row >= CTransaction::kSplitLines) return;
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    CCVAccountList& accounts = *Model().GetAccountList();
    const CSplitLine& line = m_split.lines[static_cast<std::size_t>(row)];
    std::string className;
    accounts.GetClasses().NameOfKey(line.GetClassId(), className);
    const std::wstring cells[kColumns] = {
        CCVUIUtility::WideCopy(accounts.GetCategoryText()->GetCategoryText(line.GetCategoryId())),
        CCVUIUtility::WideCopy(className),
        line.InUse() ? AmountText(line.GetAmount()) : std::wstring(),
        CCVUIUtility::WideCopy(line.GetMemo()),
    };
    const ui::CListView* list = ListControl();
    int left = rect.left;
    for (int column = 0; column < kColumns; ++column) {
        const int width = list->GetColumnWidth(column);
        ui::RECT cell{left, rect.top, std::min(rect.right, left + width - 1), rect.bottom};
        if (!cell.IsEmpty()) {
            dc.DrawText(cells[column], cell,
                        ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS |
                            (column == 2 ? unsigned{ui::DT_RIGHT} : 0U));
        }
        left += width;
    }
}

void CSplitTransactionView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    const Amount values[kTotalRows] = {CSplitEditing::Total(m_split.lines),
                                       CSplitEditing::Remainder(m_split.amount, m_split.lines),
                                       m_split.amount};
    for (int i = 0; i < kTotalRows; ++i) {
        const int y = client.bottom - kTotalRows + i;
        dc.TextOut(1, y, res::LoadString(static_cast<res::StringId>(res::IDS_SPLIT_TOTAL + i)));
        ui::RECT value{20, y, client.right - 1, y + 1};
        dc.SetTextColor(AmountColour(values[i]));
        dc.DrawText(AmountText(values[i]), value, ui::DT_SINGLELINE | ui::DT_RIGHT);
        dc.SetTextColor(ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    }
}

void CSplitTransactionView::EditLine() {
    const int row = Selection();
    if (row < 0 || row >= CTransaction::kSplitLines) return;
    auto request = std::make_unique<shell::CSplitLineRequest>();
    request->index = row;
    request->line = m_split.lines[static_cast<std::size_t>(row)];
    request->ownAccountId = m_split.ownAccountId;
    request->memoCapacity = m_split.memoCapacity;
    Navigate(res::IDC_SPLIT_EDIT, 0, std::move(request));
}

void CSplitTransactionView::HandBackAndClose() {
    auto value = std::make_unique<shell::CSplitRequest>();
    Copy(m_split, *value);
    shell::CCVApplication::Instance().HandBack().Give(shell::HandBackKind::kSplitLines,
                                                      std::move(value));
    PostBack(0);
}

bool CSplitTransactionView::OnCommand(int id) {
    switch (id) {
        case res::IDC_SPLIT_DONE:
            HandBackAndClose();
            return true;
        case res::IDC_SPLIT_EDIT:
            EditLine();
            return true;
        case res::IDC_SPLIT_CLEAR:
            CSplitEditing::Clear(m_split.lines);
            m_split.amount = 0;
            Repaint();
            ui::InvalidateRect(List());
            return true;
        case res::IDC_SPLIT_ADJUST:
            m_split.amount = CSplitEditing::Adjust(m_split.lines);
            Repaint();
            return true;
        default:
            return false;
    }
}

ui::LRESULT CSplitTransactionView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_KEYDOWN &&
        reinterpret_cast<const ui::NMLVKEYDOWN&>(header).wVKey == ui::VK_RETURN) {
        EditLine();
    }
    return 0;
}

void CSplitTransactionView::OnBack() {
    HandBackAndClose();
}

std::unique_ptr<shell::CViewState> CSplitTransactionView::SaveState() const {
    auto state = std::make_unique<SplitState>();
    Copy(m_split, state->split);
    state->loaded = m_loaded;
    state->selected = Selection();
    return state;
}

void CSplitTransactionView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const SplitState*>(&state);
    if (saved == nullptr) return;
    Copy(saved->split, m_split);
    m_loaded = saved->loaded;
    shell::CHandBack& handBack = shell::CCVApplication::Instance().HandBack();
    if (auto line = handBack.TakeAs<shell::CSplitLineRequest>(shell::HandBackKind::kSplitLines)) {
        if (line->index >= 0 && line->index < CTransaction::kSplitLines) {
            m_split.lines[static_cast<std::size_t>(line->index)] = line->line;
        }
    }
    if (saved->selected >= 0) Select(saved->selected);
    Repaint();
}

}  // namespace views
