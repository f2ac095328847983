#include "views/lists/CListEditorView.h"

#include <algorithm>
#include <unordered_set>

#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/StringTable.h"
#include "shell/SaveChanges.h"
#include "shell/ViewNumbers.h"
#include "views/lists/CCategoryListAdapter.h"
#include "views/lists/CClassListAdapter.h"
#include "views/lists/CCurrencyListAdapter.h"
#include "views/lists/CPayeeListAdapter.h"
#include "views/lists/CTransactionTypeListAdapter.h"

namespace views {
namespace {

// What the list held when it was left, so that coming back selects what the person worked on.
struct ListState : shell::CViewState {
    int selected = -1;
    const CCVItem* selectedRecord = nullptr;  // compared, never followed
    std::unordered_set<const CCVItem*> records;
};

std::unique_ptr<CListAdapter> MakeAdapter(int view, CCVAccountList& accounts) {
    switch (view) {
        case shell::kViewEditClasses:
            return std::make_unique<CClassListAdapter>(accounts.GetClasses());
        case shell::kViewEditPayees:
            return std::make_unique<CPayeeListAdapter>(accounts.GetPayees());
        case shell::kViewEditCategories:
            return std::make_unique<CCategoryListAdapter>(accounts.GetCategories());
        case shell::kViewEditCurrencies:
            return std::make_unique<CCurrencyListAdapter>(accounts.GetCurrencies(), accounts);
        case shell::kViewEditTransactionTypes:
            return std::make_unique<CTransactionTypeListAdapter>(accounts.GetTransactionTypes());
        default:
            return nullptr;
    }
}

}  // namespace

shell::CCVView::Frame CListEditorView::Describe(ui::LPARAM) {
    CCVAccountList* accounts = Model().GetAccountList();
    if (accounts != nullptr) m_adapter = MakeAdapter(ViewNumber(), *accounts);
    if (!m_adapter) return Frame{L"EditList", L"", res::IDM_LIST_EDITOR};
    return Frame{m_adapter->WindowClass(), std::wstring(res::LoadString(m_adapter->Title())),
                 m_adapter->MenuId()};
}

bool CListEditorView::OnCreate(ui::LPARAM) {
    if (!m_adapter || !CreateList(false)) return false;
    Refresh(0);
    ui::SetFocus(List());
    return true;
}

void CListEditorView::Refresh(int select) {
    const int count = m_adapter->Count();
    SetRowCount(count);
    if (count > 0) Select(std::clamp(select, 0, count - 1));
    Repaint();
}

bool CListEditorView::Show(const EditOutcome& outcome) {
    switch (outcome.result) {
        case EditOutcome::kRefused:
            Ask(outcome.message, ui::MB_OK | ui::MB_ICONWARNING);
            return false;
        case EditOutcome::kAsk:
            return Ask(outcome.message, ui::MB_YESNO | ui::MB_ICONQUESTION);
        case EditOutcome::kDone:
            return true;
    }
    return false;
}

bool CListEditorView::CheckSelected(int row) {
    if (m_adapter->Count() > 0 && row < 0) {
        Ask(res::IDS_SELECT_ITEM, ui::MB_OK | ui::MB_ICONINFORMATION);
        return false;
    }
    const EditOutcome check = m_adapter->CheckEdit(row);
    if (!check.IsDone()) {
        Show(check);
        return false;
    }
    return true;
}

void CListEditorView::Edit() {
    const int row = Selection();
    if (CheckSelected(row)) Navigate(m_adapter->EditCommand(), row);
}

void CListEditorView::Delete() {
    const int row = Selection();
    if (!CheckSelected(row)) return;
    if (!Ask(res::IDS_DELETE_ITEM_QUESTION,
             ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2)) {
        return;
    }
    const EditOutcome outcome = m_adapter->Delete(row);
    if (!outcome.IsDone()) {
        Show(outcome);
        return;
    }
    shell::SaveModelChanges(Window());
    Refresh(row > 0 ? row - 1 : 0);
}

bool CListEditorView::OnCommand(int id) {
    if (id == m_adapter->EditCommand()) {
        Edit();
        return true;
    }
    switch (id) {
        case res::IDC_LIST_DELETE:
            Delete();
            return true;
        case res::IDC_LIST_DONE:
            // Back to the screen that opened the list, which keeps its place.
            PostBack(0);
            return true;
        default:
            break;
    }
    bool handled = false;
    EditOutcome outcome = m_adapter->Command(id, Selection(), false, handled);
    if (!handled) return false;  // "New" navigates through its transition
    if (outcome.result == EditOutcome::kAsk) {
        if (!Show(outcome)) return true;
        outcome = m_adapter->Command(id, Selection(), true, handled);
    }
    if (!outcome.IsDone()) {
        Show(outcome);
        return true;
    }
    shell::SaveModelChanges(Window());
    Refresh(Selection());
    return true;
}

ui::LRESULT CListEditorView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Edit();
    return 0;
}

void CListEditorView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                              bool focused) {
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const CListAdapter::Row shown = m_adapter->RowAt(row);
    int left = rect.left + 1 + shown.indent;
    if (shown.icon != 0) {
        dc.TextOut(left, rect.top, std::wstring(1, shown.icon));
        left += 2;
    }
    const int detailWidth = static_cast<int>(shown.detail.size());
    ui::RECT detail{std::max(left, rect.right - 1 - detailWidth), rect.top, rect.right - 1,
                    rect.bottom};
    ui::RECT name{left, rect.top, std::max(left, detail.left - 1), rect.bottom};
    dc.DrawText(shown.name, name, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    if (!shown.detail.empty()) dc.DrawText(shown.detail, detail, ui::DT_SINGLELINE | ui::DT_RIGHT);
}

std::unique_ptr<shell::CViewState> CListEditorView::SaveState() const {
    auto state = std::make_unique<ListState>();
    const CCVItemList& list = m_adapter->List();
    state->selected = Selection();
    state->selectedRecord = list.GetAt(state->selected);
    for (std::uint32_t i = 0; i < list.Count(); ++i) state->records.insert(list.GetAt(i));
    return state;
}

void CListEditorView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const ListState*>(&state);
    if (saved == nullptr) return;
    const CCVItemList& list = m_adapter->List();
    int select = saved->selected;
    // A record added meanwhile (New) is selected; otherwise the edited one where it now stands.
    bool added = false;
    for (std::uint32_t i = 0; i < list.Count() && !added; ++i) {
        if (saved->records.count(list.GetAt(i)) == 0) {
            select = static_cast<int>(i);
            added = true;
        }
    }
    if (!added && saved->selectedRecord != nullptr) {
        const std::int64_t at = list.IndexOf(saved->selectedRecord);
        if (at >= 0) select = static_cast<int>(at);
    }
    Refresh(select);
}

}  // namespace views
