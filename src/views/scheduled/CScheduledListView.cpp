#include "views/scheduled/CScheduledListView.h"

#include <algorithm>

#include "model/CCVAccountList.h"
#include "model/CScheduledEditing.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CScheduledRequest.h"
#include "shell/SaveChanges.h"

namespace views {
namespace {

// The row to select again after Back: the scheduled transaction worked on, by its key.
struct ScheduledState : shell::CViewState {
    int selected = -1;
    RecordKey selectedKey;
    std::int64_t count = 0;
};

constexpr int kDateWidth = 9;
constexpr int kFrequencyWidth = 16;
constexpr int kAmountWidth = 13;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

CScheduledList* CScheduledListView::Scheduled() const {
    CCVAccountList* accounts = Model().GetAccountList();
    return accounts != nullptr ? accounts->GetScheduledTransactions() : nullptr;
}

shell::CCVView::Frame CScheduledListView::Describe(ui::LPARAM) {
    return Frame{L"ScheduledTransactions", Text(res::IDS_SCHEDULED_TITLE), res::IDM_SCHEDULED_LIST};
}

bool CScheduledListView::OnCreate(ui::LPARAM) {
    if (Scheduled() == nullptr || !CreateList(false)) return false;
    Refresh(0);
    ui::SetFocus(List());
    return true;
}

void CScheduledListView::Refresh(int select) {
    const int count = static_cast<int>(Scheduled()->Count());
    SetRowCount(count);
    if (count > 0) Select(std::clamp(select, 0, count - 1));
    Repaint();
}

CScheduledItem* CScheduledListView::Selected() {
    const int row = Selection();
    CScheduledItem* item = row >= 0 ? Scheduled()->At(row) : nullptr;
    if (item == nullptr) Ask(res::IDS_SELECT_ITEM, ui::MB_OK | ui::MB_ICONINFORMATION);
    return item;
}

void CScheduledListView::Edit() {
    if (CScheduledItem* item = Selected()) {
        Navigate(res::IDC_LIST_EDIT, 0,
                 std::make_unique<shell::CScheduledRequest>(*item->GetKey()));
    }
}

void CScheduledListView::Delete() {
    CScheduledItem* item = Selected();
    if (item == nullptr) return;
    if (!Ask(res::IDS_DELETE_ITEM_QUESTION,
             ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2)) {
        return;
    }
    const int row = Selection();
    CCVAccountList& accounts = *Model().GetAccountList();
    CScheduledEditing(accounts, *Scheduled(), accounts).Delete(*item);
    shell::SaveModelChanges(Window());
    Refresh(row > 0 ? row - 1 : 0);
}

bool CScheduledListView::OnCommand(int id) {
    switch (id) {
        case res::IDC_LIST_EDIT:
            Edit();
            return true;
        case res::IDC_SCHEDULED_DELETE:
            Delete();
            return true;
        case res::IDC_LIST_DONE:
            PostBack(0);
            return true;
        default:
            return false;  // "New" opens the editor through its transition
    }
}

ui::LRESULT CScheduledListView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Edit();
    return 0;
}

void CScheduledListView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                 bool selected, bool focused) {
    const CScheduledItem* item = Scheduled()->At(row);
    if (item == nullptr) return;
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const DateParts next = DateToParts(item->GetNextDate());
    ui::RECT date{rect.left + 1, rect.top, rect.left + 1 + kDateWidth, rect.bottom};
    dc.DrawText(CCVUIUtility::DateText(next.month, next.day, next.year, true), date,
                ui::DT_SINGLELINE);
    ui::RECT amount{std::max(date.right, rect.right - 1 - kAmountWidth), rect.top, rect.right - 1,
                    rect.bottom};
    ui::RECT frequency{std::max(date.right, amount.left - kFrequencyWidth), rect.top, amount.left,
                       rect.bottom};
    ui::RECT payee{date.right + 1, rect.top, std::max(date.right + 1, frequency.left - 1),
                   rect.bottom};
    const char* name = item->GetPayeeName();
    dc.DrawText(name[0] != '\0' ? CCVUIUtility::WideCopy(name) : Text(res::IDS_SCHEDULED_NO_PAYEE),
                payee, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    dc.DrawText(Text(FrequencyNameId(item->GetFrequency())), frequency,
                ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    if (!selected || !focused) dc.SetTextColor(AmountColour(item->Template().GetSignedAmount()));
    dc.DrawText(CCVUIUtility::AmountText(item->Template().GetSignedAmount(), true), amount,
                ui::DT_SINGLELINE | ui::DT_RIGHT);
}

std::unique_ptr<shell::CViewState> CScheduledListView::SaveState() const {
    auto state = std::make_unique<ScheduledState>();
    state->selected = Selection();
    state->count = static_cast<std::int64_t>(Scheduled()->Count());
    if (const CScheduledItem* item = Scheduled()->At(state->selected)) {
        state->selectedKey = *item->GetKey();
    }
    return state;
}

void CScheduledListView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const ScheduledState*>(&state);
    if (saved == nullptr) return;
    const CScheduledList& list = *Scheduled();
    int select = saved->selected;
    // A new scheduled transaction is the last; otherwise the one that was selected.
    if (static_cast<std::int64_t>(list.Count()) > saved->count) {
        select = static_cast<int>(list.Count()) - 1;
    } else {
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(list.Count()); ++i) {
            if (*list.At(i)->GetKey() == saved->selectedKey) select = static_cast<int>(i);
        }
    }
    Refresh(select);
}

}  // namespace views
