#include "views/scheduled/CUpcomingListView.h"

#include <algorithm>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CUpcomingTxnList.h"
#include "model/CVModel.h"
#include "model/ScheduleDates.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "preferences/CCVPreferences.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CScheduledRequest.h"
#include "shell/SaveChanges.h"
#include "shell/ViewNumbers.h"

namespace views {
namespace {

struct UpcomingState : shell::CViewState {
    int selected = 0;
    RecordKey accountFilter;
};

constexpr int kDateWidth = 9;
constexpr int kAccountWidth = 18;
constexpr int kAmountWidth = 13;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

CUpcomingListView::CUpcomingListView() : m_upcoming(std::make_unique<CUpcomingTxnList>()) {}
CUpcomingListView::~CUpcomingListView() = default;

CScheduledList* CUpcomingListView::Scheduled() const {
    CCVAccountList* accounts = Model().GetAccountList();
    return accounts != nullptr ? accounts->GetScheduledTransactions() : nullptr;
}

shell::CCVView::Frame CUpcomingListView::Describe(ui::LPARAM) {
    return Frame{L"UpcomingTransactions", Text(res::IDS_UPCOMING_TITLE), res::IDM_UPCOMING_LIST};
}

bool CUpcomingListView::OnCreate(ui::LPARAM) {
    if (Scheduled() == nullptr || !CreateList(false)) return false;
    const std::uint32_t stored = Model().GetPreferences().GetUpcomingThroughMode();
    m_period = stored < kThroughCount ? static_cast<int>(stored) : kThroughDue;
    // From a register the list keeps to the register's account; elsewhere it lists them all.
    // (While the screen is made, the screen it is opened from is still the current one.)
    const CCVAccount* current = Model().GetCurrentAccount();
    m_accountFilter = shell::CCVApplication::Instance().CurrentView() == shell::kViewRegister &&
                              current != nullptr
                          ? current->GetAccountId()
                          : CScheduledList::AllAccounts();
    CheckRadio(res::IDC_THROUGH_FIRST, res::IDC_THROUGH_LAST, res::IDC_THROUGH_FIRST + m_period);
    Rebuild(0);
    ui::SetFocus(List());
    return true;
}

void CUpcomingListView::Rebuild(int select) {
    Scheduled()->BuildUpcoming(m_accountFilter, m_period, *m_upcoming);
    const int count = static_cast<int>(m_upcoming->Count());
    SetRowCount(count);
    if (count > 0) Select(std::clamp(select, 0, count - 1));
    ShowTextLine(Text(res::IDS_UPCOMING_THROUGH_LABEL), Text(ThroughNameId(m_period)));
    Repaint();
}

void CUpcomingListView::SetPeriod(int period) {
    m_period = period;
    CheckRadio(res::IDC_THROUGH_FIRST, res::IDC_THROUGH_LAST, res::IDC_THROUGH_FIRST + period);
    Model().GetPreferences().SetUpcomingThroughMode(static_cast<std::uint32_t>(period));
    Rebuild(0);
}

const CUpcomingTransItem* CUpcomingListView::SelectedEditable() {
    const int row = Selection();
    const CUpcomingTransItem* item = row >= 0 ? m_upcoming->At(row) : nullptr;
    if (item == nullptr) {
        Ask(res::IDS_SELECT_ITEM, ui::MB_OK | ui::MB_ICONINFORMATION);
        return nullptr;
    }
    if (const EditOutcome check = Scheduled()->CheckEditable(*item); !check.IsDone()) {
        Ask(check.message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        Rebuild(row);
        return nullptr;
    }
    return item;
}

void CUpcomingListView::Done(int select) {
    shell::SaveModelChanges(Window());
    Rebuild(select);
}

void CUpcomingListView::Record() {
    const CUpcomingTransItem* item = SelectedEditable();
    if (item == nullptr) return;
    const int row = Selection();
    if (Scheduled()->RecordOccurrence(*item, *Model().GetAccountList()) != 0) {
        Ask(res::IDS_RECORD_FAILED, ui::MB_OK | ui::MB_ICONERROR);
    }
    Done(row);
}

void CUpcomingListView::Skip() {
    const CUpcomingTransItem* item = SelectedEditable();
    if (item == nullptr) return;
    const int row = Selection();
    const std::string payee = Scheduled()->Find(*item)->GetPayeeName();
    if (!Ask(res::IDS_NONE, ui::MB_YESNO | ui::MB_ICONQUESTION | ui::MB_DEFBUTTON2,
             CCVUIUtility::FormatString(res::IDS_SKIP_QUESTION, payee.c_str()))) {
        return;
    }
    Scheduled()->SkipOccurrence(*item, *Model().GetAccountList());
    Done(row);
}

void CUpcomingListView::RecordAll() {
    const std::uint32_t count = m_upcoming->Count();
    if (count == 0) {
        Ask(res::IDS_NOTHING_UPCOMING, ui::MB_OK | ui::MB_ICONINFORMATION);
        return;
    }
    if (!Ask(res::IDS_NONE, ui::MB_YESNO | ui::MB_ICONQUESTION,
             CCVUIUtility::FormatString(res::IDS_RECORD_ALL_QUESTION, count))) {
        return;
    }
    if (Scheduled()->RecordAll(*m_upcoming, *Model().GetAccountList()) != 0) {
        Ask(res::IDS_RECORD_ALL_FAILED, ui::MB_OK | ui::MB_ICONERROR);
    }
    Done(0);
}

void CUpcomingListView::Edit() {
    if (const CUpcomingTransItem* item = SelectedEditable()) {
        Navigate(res::IDC_LIST_EDIT, 0,
                 std::make_unique<shell::CScheduledRequest>(item->GetScheduledKey(),
                                                            item->GetOccurrenceDate()));
    }
}

bool CUpcomingListView::OnCommand(int id) {
    if (id >= res::IDC_THROUGH_FIRST && id <= res::IDC_THROUGH_LAST) {
        SetPeriod(id - res::IDC_THROUGH_FIRST);
        return true;
    }
    switch (id) {
        case res::IDC_UPCOMING_RECORD:
            Record();
            return true;
        case res::IDC_UPCOMING_RECORD_ALL:
            RecordAll();
            return true;
        case res::IDC_UPCOMING_SKIP:
            Skip();
            return true;
        case res::IDC_LIST_EDIT:
            Edit();
            return true;
        case res::IDC_LIST_DONE:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CUpcomingListView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Edit();
    return 0;
}

void CUpcomingListView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                bool selected, bool focused) {
    const CUpcomingTransItem* item = m_upcoming->At(row);
    if (item == nullptr) return;
    const CScheduledItem* scheduled = Scheduled()->Find(*item);
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const DateParts day = DateToParts(item->GetOccurrenceDate());
    ui::RECT date{rect.left + 1, rect.top, rect.left + 1 + kDateWidth, rect.bottom};
    dc.DrawText(CCVUIUtility::DateText(day.month, day.day, day.year, true), date,
                ui::DT_SINGLELINE);
    if (scheduled == nullptr) return;
    ui::RECT amount{std::max(date.right, rect.right - 1 - kAmountWidth), rect.top, rect.right - 1,
                    rect.bottom};
    ui::RECT account{std::max(date.right, amount.left - kAccountWidth), rect.top, amount.left - 1,
                     rect.bottom};
    ui::RECT payee{date.right + 1, rect.top, std::max(date.right + 1, account.left - 1),
                   rect.bottom};
    const char* name = scheduled->GetPayeeName();
    dc.DrawText(name[0] != '\0' ? CCVUIUtility::WideCopy(name) : Text(res::IDS_SCHEDULED_NO_PAYEE),
                payee, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    if (const CCVAccount* target =
            Model().GetAccountList()->FindAccountById(scheduled->GetAccountId())) {
        dc.DrawText(CCVUIUtility::WideCopy(target->GetName()), account,
                    ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    }
    if (!selected || !focused)
        dc.SetTextColor(AmountColour(scheduled->Template().GetSignedAmount()));
    dc.DrawText(CCVUIUtility::AmountText(scheduled->Template().GetSignedAmount(), true), amount,
                ui::DT_SINGLELINE | ui::DT_RIGHT);
}

std::unique_ptr<shell::CViewState> CUpcomingListView::SaveState() const {
    auto state = std::make_unique<UpcomingState>();
    state->selected = Selection();
    state->accountFilter = m_accountFilter;
    return state;
}

void CUpcomingListView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const UpcomingState*>(&state);
    if (saved != nullptr) m_accountFilter = saved->accountFilter;
    // The editor may have recorded the occurrence: the list is made again.
    Rebuild(saved != nullptr ? saved->selected : 0);
}

}  // namespace views
