#include "views/summary/CAccountsSummaryView.h"

#include <algorithm>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CCurrencyItem.h"
#include "model/CCurrencyList.h"
#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "preferences/CCVTodayPlugIn.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CScreenFont.h"
#include "shell/CSyncRefreshScreen.h"
#include "shell/RegisteredMessages.h"
#include "shell/ViewNumbers.h"
#include "shell/online/COnlineActions.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kColumnName = 0;
constexpr int kColumnAmount = 1;
constexpr std::uint32_t kReminderTakesOver = 1;

// The two start-of-day questions, each asked once per run.
bool g_askScheduled = true;
bool g_askImports = true;
// Whether a summary of this run selected a row already.
bool g_selectedThisRun = false;

struct SummaryState : shell::CViewState {
    int selected = -1;
    shell::CListShapeView::BalanceType balanceType = shell::CListShapeView::BalanceType::kBalance;
    int focus = 0;
};

std::wstring Wide(const char* narrow) {
    return CCVUIUtility::WideCopy(narrow);
}

}  // namespace

void CAccountsSummaryView::ArmStartOfDayChecks(bool armed) {
    g_askScheduled = armed;
    g_askImports = armed;
    g_selectedThisRun = false;
}

CCVAccountList* CAccountsSummaryView::Accounts() const {
    return Model().GetAccountList();
}

shell::CCVView::Frame CAccountsSummaryView::Describe(ui::LPARAM) {
    return Frame{L"AccountsSummary", std::wstring(res::LoadString(res::IDS_ACCOUNTS_SUMMARY_TITLE)),
                 res::IDM_ACCOUNTS_SUMMARY};
}

bool CAccountsSummaryView::OnCreate(ui::LPARAM) {
    if (Accounts() == nullptr) return false;
    if (!CreateList(true)) return false;
    // ---- synchronisation ----
    // Opened on the reloaded data: the "Refreshing" screen is done.
    shell::CSyncRefreshScreen::Dismiss();
    shell::CScreenFont::Apply(Model().GetPreferences(), shell::CScreenFont::Target::kScreens, List());
    ui::CListView* list = ListControl();
    list->InsertColumn(kColumnName, std::wstring(res::LoadString(res::IDS_COLUMN_ACCOUNTS)), 10);
    list->InsertColumn(kColumnAmount, std::wstring(res::LoadString(res::IDS_COLUMN_AMOUNT)), 10,
                       ui::LVCFMT_RIGHT);
    CheckRadio(res::IDC_SUMMARY_SORT_ACCOUNTS, res::IDC_SUMMARY_SORT_AMOUNT,
               Accounts()->GetSortMode() == 1 ? res::IDC_SUMMARY_SORT_AMOUNT
                                              : res::IDC_SUMMARY_SORT_ACCOUNTS);
    BuildRows();
    SetBalanceType(BalanceType::kBalance);
    if (!g_selectedThisRun && RowCount() > 0) {
        Select(0);
        g_selectedThisRun = true;
    }
    ui::SetFocus(List());
    return true;
}

void CAccountsSummaryView::BuildRows() {
    CCVAccountList& accounts = *Accounts();
    const bool decimals = Model().GetPreferences().GetShowDecimal();
    m_rows.clear();
    m_amountWidth = static_cast<int>(res::LoadString(res::IDS_COLUMN_AMOUNT).size()) + 2;
    for (std::uint32_t i = 0; i < accounts.Count(); ++i) {
        const CCVAccount& account = *accounts.At(i);
        Row row;
        row.name = Wide(account.GetName());
        row.balance = account.GetBalance(CCVAccount::kBalanceCurrent);
        row.icon = account.Record().GetIcon();
        const CCurrencyItem* currency =
            accounts.GetCurrencies().FindByNumber(account.Record().GetCurrency());
        row.balanceText = CCVUIUtility::AmountText(
            row.balance, decimals, currency != nullptr ? Wide(currency->GetSymbol()) : L"");
        m_amountWidth = std::max(m_amountWidth, static_cast<int>(row.balanceText.size()));
        m_rows.push_back(std::move(row));
    }
    // Below the accounts, each account file that could not be read: not in the total.
    for (const std::string& path : accounts.AccountFilesLeftOut()) {
        Row row;
        row.name = CCVUIUtility::FormatString(res::IDS_SUMMARY_MISSING_FROM_TOTAL,
                                              path.substr(path.rfind('/') + 1).c_str());
        row.leftOut = true;
        m_rows.push_back(std::move(row));
    }
    m_amountWidth += 1;
    SetRowCount(static_cast<int>(m_rows.size()));
    LayoutColumns(ClientRect().right);
    Repaint();
}

void CAccountsSummaryView::LayoutColumns(int width) {
    ui::CListView* list = ListControl();
    if (list == nullptr || list->GetColumnCount() < 2) return;
    const int amount = std::min(m_amountWidth, std::max(1, width / 2));
    list->SetColumnWidth(kColumnName, std::max(1, width - amount));
    list->SetColumnWidth(kColumnAmount, amount);
}

void CAccountsSummaryView::ShowBalance() {
    const Amount total = Accounts()->GetTotalBalance(GetBalanceType() == BalanceType::kCleared
                                                         ? CCVAccount::kBalanceCleared
                                                         : CCVAccount::kBalanceCurrent);
    ShowBalanceLine(total, Model().GetPreferences().GetShowDecimal());
}

void CAccountsSummaryView::Sort(int column) {
    Accounts()->SortAccounts(column == kColumnAmount ? 1 : 0);
    CheckRadio(
        res::IDC_SUMMARY_SORT_ACCOUNTS, res::IDC_SUMMARY_SORT_AMOUNT,
        column == kColumnAmount ? res::IDC_SUMMARY_SORT_AMOUNT : res::IDC_SUMMARY_SORT_ACCOUNTS);
    BuildRows();
}

void CAccountsSummaryView::OpenRegister(int row) {
    CCVAccountList& accounts = *Accounts();
    if (row < 0 || row >= static_cast<int>(accounts.Count())) return;
    // The register's account becomes the last active one now, not on every move of the selection.
    const std::wstring name = Wide(accounts.At(row)->GetName());
    CCVPreferences& preferences = Model().GetPreferences();
    preferences.SetLastActiveAccount(name);
    preferences.SelectAccount(name);
    Model().SetCurrentAccount(row);
    Navigate(shell::kEventOpenRegister, row);
}

int CAccountsSummaryView::ReportsCommand() const {
    return (Model().GetPreferences().GetLastReportType() + 1) * res::IDC_REPORTS;
}

int CAccountsSummaryView::NavigationCommandOf(int id) const {
    return id == res::IDC_REPORTS ? ReportsCommand() : id;
}

void CAccountsSummaryView::Exit() {
    CCVPreferences& preferences = Model().GetPreferences();
    // With a password set, the next start asks for it at once.
    preferences.SetLockSecurityTime(::Now());
    CCVTodayPlugIn::WriteReminderStatus(kReminderTakesOver);
    ui::PostMessage(ui::HWND_BROADCAST, shell::RegisteredMessage(shell::kStartReminderMessage), 0,
                    0);
    CCVUIUtility::Instance().Release();
    ui::PostQuitMessage(0);  // the program saves everything on its way out
}

bool CAccountsSummaryView::OnCommand(int id) {
    if (OnBalanceTypeCommand(id)) return true;
    switch (id) {
        case res::IDC_SUMMARY_SORT_ACCOUNTS:
            Sort(kColumnName);
            return true;
        case res::IDC_SUMMARY_SORT_AMOUNT:
            Sort(kColumnAmount);
            return true;
        case res::IDC_EXIT:
            Exit();
            return true;
        case res::IDC_REPORTS:
            Navigate(ReportsCommand());
            return true;
        case res::IDC_SECURITY_OPTIONS:
            NavigateIfPasswordSet(id);
            return true;
        case res::IDC_SUMMARY_LOCK_NOW:
            if (!shell::CCVApplication::Instance().LockNow()) {
                Ask(res::IDS_NEED_PASSWORD_FIRST, ui::MB_OK | ui::MB_ICONINFORMATION);
            }
            return true;
        case res::IDC_GO_ONLINE:
            GoOnline();
            return true;
        default:
            return false;
    }
}

void CAccountsSummaryView::GoOnline() {
    shell::COnlineActions::DownloadAll(Window());
    BuildRows();
}

ui::LRESULT CAccountsSummaryView::OnNotify(const ui::NMHDR& header) {
    switch (header.code) {
        case ui::LVN_ITEMACTIVATE:
            OpenRegister(reinterpret_cast<const ui::NMITEMACTIVATE&>(header).iItem);
            return 0;
        case ui::LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const ui::NMLISTVIEW&>(header);
            if (click.iItem == -1) Sort(click.iSubItem);
            return 0;
        }
        default:
            return 0;
    }
}

void CAccountsSummaryView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect,
                                   bool selected, bool focused) {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return;
    const Row& shown = m_rows[static_cast<std::size_t>(row)];
    PaintRowBackground(dc, rect, selected, focused, ui::GetSysColor(ui::COLOR_WINDOW));
    const ui::CListView* list = ListControl();
    const int nameWidth = list->GetColumnWidth(kColumnName);
    if (!shown.leftOut) {
        dc.TextOut(rect.left, rect.top, std::wstring(1, res::IconGlyph(0, shown.icon)));
    }
    ui::RECT name{rect.left + 2, rect.top, rect.left + nameWidth - 1, rect.bottom};
    dc.DrawText(shown.name, name, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    if (!(selected && focused)) dc.SetTextColor(AmountColour(shown.balance));
    ui::RECT amount{rect.left + nameWidth, rect.top, rect.right - 1, rect.bottom};
    dc.DrawText(shown.balanceText, amount, ui::DT_SINGLELINE | ui::DT_RIGHT);
}

std::unique_ptr<shell::CViewState> CAccountsSummaryView::SaveState() const {
    auto state = std::make_unique<SummaryState>();
    state->selected = Selection();
    state->balanceType = GetBalanceType();
    state->focus = FocusIndex();
    return state;
}

void CAccountsSummaryView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const SummaryState*>(&state);
    if (saved == nullptr) return;
    SetBalanceType(saved->balanceType);
    if (saved->selected >= 0 && saved->selected < RowCount()) Select(saved->selected);
    SetFocusIndex(saved->focus);
}

void CAccountsSummaryView::OnShown() {
    RunStartOfDayChecks();
}

void CAccountsSummaryView::RunStartOfDayChecks() {
    if (g_askScheduled) {
        g_askScheduled = false;
        CScheduledList* scheduled = Accounts()->GetScheduledTransactions();
        if (scheduled != nullptr && scheduled->AnyDue() && CanNavigate(res::IDC_UPCOMING) &&
            Ask(res::IDS_SCHEDULED_DUE_QUESTION, ui::MB_YESNO | ui::MB_ICONQUESTION)) {
            Navigate(res::IDC_UPCOMING);
            return;
        }
    }
    if (g_askImports) {
        g_askImports = false;
        CCVAccountList* imports = Model().GetImportList();
        if (imports != nullptr && imports->Count() > 0 &&
            CanNavigate(shell::kEventImportAccounts) &&
            Ask(res::IDS_PENDING_IMPORT_QUESTION, ui::MB_YESNO | ui::MB_ICONQUESTION)) {
            Navigate(shell::kEventImportAccounts);
        }
    }
}

}  // namespace views
