#include "views/register/CRegisterView.h"

#include <algorithm>

#include "model/CCVAccountList.h"
#include "model/CClearedMark.h"
#include "model/CRegisterText.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReviewRequest.h"
#include "shell/CScreenFont.h"
#include "shell/RegisteredMessages.h"
#include "shell/SaveChanges.h"
#include "shell/ViewNumbers.h"
#include "shell/online/COnlineActions.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kLastSortColumn = kColumnAmount;
constexpr int kFilterCount = CTransaction::kFilterCount;
// The "Sort By" pop-up stands after "Balance Types" and "Filter Types".
constexpr int kSortMenuPosition = 3;

// State glyphs of the cleared-mark column.
constexpr int kGlyphUncleared = 1;
constexpr int kGlyphCleared = 2;
constexpr int kGlyphReconciled = 4;
constexpr int kGlyphVoid = 5;
constexpr int kGlyphAwaitingReview = 6;

struct RegisterState : shell::CViewState {
    int selected = -1;
    int top = 0;
    int filter = 0;
    shell::CListShapeView::BalanceType balanceType = shell::CListShapeView::BalanceType::kBalance;
    int focus = 0;
};

std::wstring Wide(const std::string& narrow) {
    return CCVUIUtility::WideCopy(narrow);
}

int StateGlyph(const CRegisterText::Fields& fields) {
    if (fields.state == CTransaction::kReconciled) return kGlyphReconciled;
    if (fields.state == CTransaction::kVoid) return kGlyphVoid;
    if (fields.awaitingReview) return kGlyphAwaitingReview;
    return fields.state == CTransaction::kCleared ? kGlyphCleared : kGlyphUncleared;
}

}  // namespace

CRegisterView::CRegisterView() = default;
CRegisterView::~CRegisterView() = default;

bool CRegisterView::IsFindResults() const {
    return ViewNumber() == shell::kViewFindResults;
}

shell::CCVView::Frame CRegisterView::Describe(ui::LPARAM) {
    const CCVAccount* account = Model().GetCurrentAccount();
    const std::wstring title = account != nullptr ? Wide(account->GetName()) : std::wstring{};
    if (IsFindResults()) return Frame{L"FindResults", title, res::IDM_FIND_RESULTS};
    return Frame{L"StatementsReport", title, res::IDM_REGISTER};
}

bool CRegisterView::OnCreate(ui::LPARAM) {
    m_account = Model().GetCurrentAccount();
    CCVAccountList* accounts = Model().GetAccountList();
    if (m_account == nullptr || accounts == nullptr) return false;
    m_text = std::make_unique<CRegisterText>(*accounts, *m_account);
    const CCVPreferences& preferences = Model().GetPreferences();
    m_columns.ReadShown(preferences);
    m_showYear = preferences.GetShowYear();
    m_showDecimal = preferences.GetShowDecimal();
    m_rowColour = m_account->GetRowColor();
    m_filter = std::clamp<int>(m_account->GetFilter(), CTransaction::kFilterAll,
                               CTransaction::kFilterCount - 1);
    if (!CreateList(true)) return false;
    shell::CScreenFont::Apply(preferences, shell::CScreenFont::Target::kRegister, List());
    for (int column : m_columns.Visible()) {
        ListControl()->InsertColumn(
            ListControl()->GetColumnCount(),
            std::wstring(res::LoadString(CRegisterColumns::HeaderId(column))), 1,
            CRegisterColumns::IsRightAligned(column) ? ui::LVCFMT_RIGHT : ui::LVCFMT_LEFT);
    }
    LayoutColumns(ClientRect().right);
    if (!IsFindResults()) {
        if (ui::CMenu* menu = Menu()) {
            AddSortMenu();
            menu->CheckRadioItem(
                res::IDC_REG_FILTER_FIRST, res::IDC_REG_FILTER_FIRST + kFilterCount - 1,
                static_cast<ui::UINT>(res::IDC_REG_FILTER_FIRST + m_filter), ui::MF_BYCOMMAND);
        }
        ui::PostMessage(Window(), shell::RegisteredMessage(shell::kCheckUnacceptedMessage), 0, 0);
    }
    Rebuild();
    if (RowCount() > 0) Select(0);
    ui::SetFocus(List());
    return true;
}

void CRegisterView::AddSortMenu() {
    ui::CMenu* menu = Menu();
    ui::CMenu* options = menu != nullptr ? menu->GetSubMenu(1) : nullptr;
    if (options == nullptr) return;
    auto sortBy = std::make_unique<ui::CMenu>();
    for (int column : m_columns.Visible()) {
        if (!CRegisterColumns::IsSortColumn(column)) continue;
        const ui::UINT flags =
            ui::MFT_RADIOCHECK |
            (column == m_account->GetSortColumn() ? ui::MF_CHECKED : ui::MF_STRING);
        sortBy->InsertItem(sortBy->GetItemCount(),
                           static_cast<ui::UINT>(res::IDC_REG_SORT_FIRST + column),
                           std::wstring(res::LoadString(
                               res::NthStringId(res::IDS_SORT_CHECK, column, kLastSortColumn + 1))),
                           flags);
    }
    options->InsertPopup(kSortMenuPosition, std::wstring(res::LoadString(res::IDS_MENU_SORT_BY)),
                         std::move(sortBy));
}

CTransaction* CRegisterView::TransactionAt(int row) const {
    if (row < 0 || row >= static_cast<int>(m_rows.size())) return nullptr;
    return m_rows[static_cast<std::size_t>(row)].transaction;
}

void CRegisterView::Rebuild() {
    const int selected = Selection();
    if (IsFindResults()) {
        m_rows.clear();
        const CCVTxnList& found = m_account->FindResults();
        m_rows.reserve(found.Count());
        for (std::uint32_t i = 0; i < found.Count(); ++i) {
            m_rows.push_back(CCVAccount::RegisterRow{found.At(i), 0});
        }
    } else {
        m_rows = m_account->GetRegisterRows(m_filter);
    }
    SetRowCount(static_cast<int>(m_rows.size()));
    if (selected >= static_cast<int>(m_rows.size())) Select(static_cast<int>(m_rows.size()) - 1);
    ShowBalance();
}

void CRegisterView::ShowBalance() {
    if (IsFindResults()) return;
    ShowBalanceLine(GetBalanceType() == BalanceType::kCleared
                        ? m_account->GetBalance(CCVAccount::kBalanceCleared)
                        : m_account->GetFilteredBalance(m_filter),
                    m_showDecimal);
}

void CRegisterView::LayoutColumns(int width) {
    ui::CListView* list = ListControl();
    if (list == nullptr) return;
    m_columns.Layout(width);
    int position = 0;
    for (int column : m_columns.Visible())
        list->SetColumnWidth(position++, m_columns.Width(column));
}

void CRegisterView::SetFilter(int filter) {
    if (filter < CTransaction::kFilterAll || filter >= CTransaction::kFilterCount) return;
    m_filter = filter;
    m_account->SetFilter(filter);
    Model().GetPreferences().SetTransactionFilter(static_cast<std::uint32_t>(filter));
    CheckRadio(res::IDC_REG_FILTER_FIRST, res::IDC_REG_FILTER_FIRST + kFilterCount - 1,
               res::IDC_REG_FILTER_FIRST + filter);
    Rebuild();
}

void CRegisterView::SortBy(int column) {
    if (!CRegisterColumns::IsSortColumn(column)) return;
    // Every request turns the direction round, also when the column changes.
    m_account->SetSortColumn(static_cast<std::uint16_t>(column));
    m_account->SetSortAscending(!m_account->GetSortAscending());
    m_account->Resort();
    CheckRadio(res::IDC_REG_SORT_FIRST, res::IDC_REG_SORT_FIRST + kLastSortColumn,
               res::IDC_REG_SORT_FIRST + column);
    Rebuild();
}

void CRegisterView::SaveAccount() {
    shell::SaveModelChanges(Window());
}

void CRegisterView::ToggleCleared(int row) {
    CTransaction* transaction = TransactionAt(row);
    if (transaction == nullptr) return;
    if (CClearedMark::Toggle(*m_account, *transaction) != CClearedMark::kToggled) return;
    Rebuild();
    // The person sees the new mark before the account file reaches the disk.
    ui::RefreshScreen();
    SaveAccount();
}

void CRegisterView::EditTransaction() {
    CTransaction* transaction = TransactionAt(Selection());
    if (transaction == nullptr) return;
    if (m_text->Of(*transaction).awaitingReview) {
        const bool downloaded = transaction->IsDownloaded();
        const int filter =
            downloaded ? CTransaction::kFilterDownloaded : CTransaction::kFilterImported;
        const auto position = static_cast<std::int32_t>(
            m_account->IndexOfId(filter, transaction->GetTransactionId()));
        Navigate(
            res::IDC_REG_REVIEW, 0,
            std::make_unique<shell::CReviewRequest>(std::max<std::int32_t>(0, position),
                                                    downloaded ? shell::CReviewRequest::kDownloaded
                                                               : shell::CReviewRequest::kImported));
        return;
    }
    Navigate(shell::kEventEditTransaction, Selection());
}

void CRegisterView::ReviewOffer() {
    // Asked only where the review screen can be opened; the flags stay for when it can.
    if (IsFindResults() || !CanNavigate(res::IDC_REG_REVIEW)) return;
    const std::uint32_t downloaded = m_account->CountFiltered(CTransaction::kFilterDownloaded);
    if (m_account->GetDownloadReviewPending() && downloaded > 0) {
        const bool yes = Ask(
            res::IDS_NONE, ui::MB_YESNO | ui::MB_ICONQUESTION,
            CCVUIUtility::FormatString(res::IDS_UNACCEPTED_QUESTION, static_cast<int>(downloaded)));
        m_account->SetDownloadReviewPending(false);
        if (yes) {
            Navigate(
                res::IDC_REG_REVIEW, 0,
                std::make_unique<shell::CReviewRequest>(0, shell::CReviewRequest::kDownloaded));
            return;
        }
    }
    const std::uint32_t imported = m_account->CountFiltered(CTransaction::kFilterImported);
    if (m_account->GetImportReviewPending() && imported > 0) {
        const bool yes =
            Ask(res::IDS_NONE, ui::MB_YESNO | ui::MB_ICONQUESTION,
                CCVUIUtility::FormatString(res::IDS_IMPORTED_QUESTION, static_cast<int>(imported)));
        m_account->SetImportReviewPending(false);
        if (yes) {
            Navigate(res::IDC_REG_REVIEW, 0,
                     std::make_unique<shell::CReviewRequest>(0, shell::CReviewRequest::kImported));
        }
    }
}

void CRegisterView::GoOnline() {
    const bool review = shell::COnlineActions::DownloadAccount(Window(), *m_account);
    Rebuild();
    if (review) Navigate(res::IDC_REG_GO_ONLINE);
}

void CRegisterView::ChangeOnlinePassword() {
    if (auto criteria = shell::COnlineActions::PasswordCriteria(Window(), *m_account)) {
        Navigate(res::IDC_REG_CHANGE_ONLINE_PASSWORD, 0, std::move(criteria));
    }
}

int CRegisterView::ReportsCommand() const {
    return (Model().GetPreferences().GetLastReportType() + 1) * res::IDC_REG_REPORTS;
}

int CRegisterView::NavigationCommandOf(int id) const {
    switch (id) {
        case res::IDC_REG_REPORTS:
            return ReportsCommand();
        case res::IDC_REG_VIEW_TRANSACTION:
            return res::IDC_REG_DETAILS;
        case res::IDC_REG_EDIT_TRANSACTION:
            // The editor, or the review for a line awaiting it.
            return CanNavigate(shell::kEventEditTransaction) ? int{shell::kEventEditTransaction}
                                                             : int{res::IDC_REG_REVIEW};
        case res::IDC_REG_ROW_COLOR:
            return shell::kEventChooseColour;
        case res::IDC_REG_DETAILS:
            return res::IDC_REG_NEW_TRANSACTION;
        default:
            return id;
    }
}

bool CRegisterView::OnCommand(int id) {
    if (IsFindResults()) {
        if (id != res::IDC_FIND_RESULTS_DONE) return false;
        PostBack(0);
        return true;
    }
    if (OnBalanceTypeCommand(id)) return true;
    if (id >= res::IDC_REG_FILTER_FIRST && id < res::IDC_REG_FILTER_FIRST + kFilterCount) {
        SetFilter(id - res::IDC_REG_FILTER_FIRST);
        return true;
    }
    if (id >= res::IDC_REG_SORT_FIRST && id <= res::IDC_REG_SORT_FIRST + kLastSortColumn) {
        SortBy(id - res::IDC_REG_SORT_FIRST);
        return true;
    }
    switch (id) {
        case res::IDC_REG_DETAILS:
        case res::IDC_REG_NEW_TRANSACTION:
            Navigate(res::IDC_REG_NEW_TRANSACTION);
            return true;
        case res::IDC_REG_VIEW_TRANSACTION:
            if (Selection() >= 0) Navigate(res::IDC_REG_DETAILS, Selection());
            return true;
        case res::IDC_REG_EDIT_TRANSACTION:
            EditTransaction();
            return true;
        case res::IDC_REG_GOTO_TOP:
            if (RowCount() > 0) Select(0);
            return true;
        case res::IDC_REG_GOTO_BOTTOM:
            if (RowCount() > 0) Select(RowCount() - 1);
            return true;
        case res::IDC_REG_ACCOUNT_INFO:
            Navigate(id,
                     static_cast<ui::LPARAM>(Model().GetAccountList()->GetCurrentAccountIndex()));
            return true;
        case res::IDC_REG_REPORTS:
            Navigate(ReportsCommand());
            return true;
        case res::IDC_REG_ROW_COLOR:
            Navigate(shell::kEventChooseColour, 12);
            return true;
        case res::IDC_REG_SECURITY_OPTIONS:
            NavigateIfPasswordSet(id);
            return true;
        case res::IDC_REG_CLOSE:
            PostBack(0);
            return true;
        case res::IDC_REG_GO_ONLINE:
            GoOnline();
            return true;
        case res::IDC_REG_CHANGE_ONLINE_PASSWORD:
            ChangeOnlinePassword();
            return true;
        default:
            return false;
    }
}

ui::LRESULT CRegisterView::OnNotify(const ui::NMHDR& header) {
    switch (header.code) {
        case ui::LVN_KEYDOWN:
            if (!IsFindResults() &&
                reinterpret_cast<const ui::NMLVKEYDOWN&>(header).wVKey == ui::VK_RETURN) {
                ToggleCleared(Selection());
            }
            return 0;
        case ui::LVN_COLUMNCLICK: {
            const auto& click = reinterpret_cast<const ui::NMLISTVIEW&>(header);
            // The header names a column by its place among the shown ones.
            if (!IsFindResults() && click.iItem == -1) SortBy(m_columns.VisibleAt(click.iSubItem));
            return 0;
        }
        default:
            return 0;
    }
}

ui::LRESULT CRegisterView::OnMessage(ui::UINT message, ui::WPARAM, ui::LPARAM, bool& handled) {
    handled = message >= ui::kFirstRegisteredMessage &&
              message == shell::RegisteredMessage(shell::kCheckUnacceptedMessage);
    if (handled) ReviewOffer();
    return 0;
}

void CRegisterView::DrawCell(ui::CDeviceContext& dc, int column, const ui::RECT& row,
                             const std::wstring& text) {
    const int left = row.left + m_columns.Left(column);
    ui::RECT cell{left, row.top, std::min(row.right, left + m_columns.Width(column) - 1),
                  row.bottom};
    if (cell.IsEmpty()) return;
    unsigned format = ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS;
    if (CRegisterColumns::IsRightAligned(column)) format |= ui::DT_RIGHT;
    dc.DrawText(text, cell, format);
}

void CRegisterView::DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                            bool focused) {
    const CTransaction* transaction = TransactionAt(row);
    if (transaction == nullptr) return;
    // Rows 0, 2, 4 ... in the row colour, the others in the list's background.
    const ui::COLORREF background =
        (row % 2 == 0 && m_rowColour != 0) ? m_rowColour : ui::GetSysColor(ui::COLOR_WINDOW);
    PaintRowBackground(dc, rect, selected, focused, background);
    const ui::COLORREF text = dc.GetTextColor();
    const CRegisterText::Fields fields = m_text->Of(*transaction);
    for (int column : m_columns.Visible()) {
        std::wstring cell;
        switch (column) {
            case kColumnCheck:
                cell.assign(1, res::StateGlyph(StateGlyph(fields)));
                break;
            case kColumnIcon:
                if (fields.hasCategoryIcon) cell.assign(1, res::IconGlyph(0, fields.categoryIcon));
                break;
            case kColumnDate: {
                const DateParts date = DateToParts(transaction->GetDate());
                cell = CCVUIUtility::DateText(date.month, date.day, date.year, m_showYear);
                break;
            }
            case kColumnType:
                cell = fields.checkNumber != 0 ? std::to_wstring(fields.checkNumber)
                                               : Wide(fields.type);
                break;
            case kColumnPayee:
                cell = Wide(fields.payee);
                break;
            case kColumnCategory:
                cell = Wide(fields.category);
                break;
            case kColumnClass:
                cell = Wide(fields.className);
                break;
            case kColumnMemo:
                cell = Wide(fields.memo);
                break;
            case kColumnAmount:
                cell = CCVUIUtility::AmountText(fields.signedAmount, m_showDecimal);
                if (!(selected && focused)) dc.SetTextColor(AmountColour(fields.signedAmount));
                break;
            case kColumnBalance: {
                if (IsFindResults()) break;
                const Amount balance = m_rows[static_cast<std::size_t>(row)].runningBalance;
                cell = CCVUIUtility::AmountText(balance, m_showDecimal);
                if (!(selected && focused)) dc.SetTextColor(AmountColour(balance));
                break;
            }
            default:
                break;
        }
        DrawCell(dc, column, rect, cell);
        dc.SetTextColor(text);
    }
}

std::unique_ptr<shell::CViewState> CRegisterView::SaveState() const {
    auto state = std::make_unique<RegisterState>();
    state->selected = Selection();
    state->top = ListControl() != nullptr ? ListControl()->GetTopIndex() : 0;
    state->filter = m_filter;
    state->balanceType = GetBalanceType();
    state->focus = FocusIndex();
    return state;
}

void CRegisterView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const RegisterState*>(&state);
    if (saved == nullptr) return;
    if (saved->filter != m_filter) SetFilter(saved->filter);
    SetBalanceType(saved->balanceType);
    if (ui::CListView* list = ListControl()) list->SetTopIndex(saved->top);
    if (saved->selected >= 0 && saved->selected < RowCount()) Select(saved->selected);
    SetFocusIndex(saved->focus);
}

}  // namespace views
