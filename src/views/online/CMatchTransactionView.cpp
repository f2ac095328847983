#include "views/online/CMatchTransactionView.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CRegisterText.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "online/CTransactionReview.h"
#include "platform/sys/DateFormat.h"
#include "platform/ui/CListView.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/SaveChanges.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kListId = 1;
constexpr int kListTop = 4;  // under the bank's entry and "Your Entry :"

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

CMatchTransactionView::CMatchTransactionView() = default;
CMatchTransactionView::~CMatchTransactionView() = default;

shell::CCVView::Frame CMatchTransactionView::Describe(ui::LPARAM) {
    return Frame{L"MatchTransaction", Text(res::IDS_MATCH_TITLE), res::IDM_MATCH_TRANSACTION};
}

bool CMatchTransactionView::OnCreate(ui::LPARAM param) {
    m_account = Model().GetCurrentAccount();
    if (m_account == nullptr) return false;
    m_review = std::make_unique<CTransactionReview>(*m_account, static_cast<std::int64_t>(param),
                                                    m_account->GetReviewFilter());
    if (m_review->Current() == nullptr) return false;
    m_review->Candidates(m_candidates);

    const ui::RECT client = ClientRect();
    m_list =
        AddField(L"SysListView32", 0, ui::RECT{0, kListTop, client.right, client.bottom}, kListId);
    auto* list = ui::GetControl<ui::CListView>(m_list);
    if (list == nullptr) return false;
    const int quarter = std::max(4, client.Width() / 4);
    list->InsertColumn(0, Text(res::IDS_MATCH_COLUMN_DATE), quarter);
    list->InsertColumn(1, Text(res::IDS_MATCH_COLUMN_TYPE), quarter);
    list->InsertColumn(2, Text(res::IDS_MATCH_COLUMN_PAYEE), quarter);
    list->InsertColumn(3, Text(res::IDS_MATCH_COLUMN_AMOUNT), client.Width() - 3 * quarter,
                       ui::LVCFMT_RIGHT);
    const CRegisterText texts(*Model().GetAccountList(), *m_account);
    for (std::uint32_t i = 0; i < m_candidates.Count(); ++i) {
        const CTransaction& candidate = *m_candidates.At(i);
        const CRegisterText::Fields fields = texts.Of(candidate);
        const int row = list->InsertItem(static_cast<int>(i),
                                         FormatDate(candidate.GetDate(), sys::kDateShortDate));
        list->SetItemText(row, 1,
                          candidate.CarriesCheckNumber() ? std::to_wstring(fields.checkNumber)
                                                         : CCVUIUtility::WideCopy(fields.type));
        list->SetItemText(row, 2, CCVUIUtility::WideCopy(fields.payee));
        list->SetItemText(row, 3, CCVUIUtility::AmountText(fields.signedAmount, true));
    }
    // The entry it is matched with now is where the list opens.
    const CTransaction* partner = m_review->Partner();
    int selected = m_candidates.Count() > 0 ? 0 : -1;
    for (std::uint32_t i = 0; partner != nullptr && i < m_candidates.Count(); ++i) {
        if (m_candidates.At(i) == partner) selected = static_cast<int>(i);
    }
    list->SetSelection(selected);
    ui::SetFocus(m_list);
    return true;
}

void CMatchTransactionView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    const CTransaction* current = m_review ? m_review->Current() : nullptr;
    if (current == nullptr) return;
    const CRegisterText::Fields fields =
        CRegisterText(*Model().GetAccountList(), *m_account).Of(*current);
    dc.TextOut(client.left + 1, client.top, Text(res::IDS_BANK_ENTRY));
    std::wstring line = FormatDate(current->GetDate(), sys::kDateShortDate) + L"   " +
                        CCVUIUtility::WideCopy(fields.payee) + L"   " +
                        CCVUIUtility::AmountText(fields.signedAmount, true);
    dc.TextOut(client.left + 2, client.top + 1,
               CCVUIUtility::FitText(dc, line, client.Width() - 3));
    dc.TextOut(client.left + 1, client.top + kListTop - 1, Text(res::IDS_YOUR_ENTRY));
}

void CMatchTransactionView::Match() {
    const auto* list = ui::GetControl<ui::CListView>(m_list);
    const int row = list != nullptr ? list->GetSelection() : -1;
    if (row < 0 || static_cast<std::uint32_t>(row) >= m_candidates.Count()) return;
    if (m_review->Match(*m_candidates.At(row)) == CTransactionReview::kNotMatchable) {
        Ask(res::IDS_MATCH_NOT_ALLOWED, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    shell::SaveModelChanges(Window());
    PostBack(0);
}

bool CMatchTransactionView::OnCommand(int id) {
    switch (id) {
        case res::IDC_MATCH_MATCH:
            Match();
            return true;
        case res::IDC_MATCH_NO_MATCH:
            m_review->NoMatch();
            shell::SaveModelChanges(Window());
            PostBack(0);
            return true;
        case res::IDC_OPERATION_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CMatchTransactionView::OnNotify(const ui::NMHDR& header) {
    if (header.code == ui::LVN_ITEMACTIVATE) Match();
    return 0;
}

}  // namespace views
