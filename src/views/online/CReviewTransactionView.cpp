#include "views/online/CReviewTransactionView.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CRegisterText.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "online/CTransactionReview.h"
#include "platform/sys/DateFormat.h"
#include "platform/ui/CMenu.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReviewRequest.h"
#include "shell/SaveChanges.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kParts = 4;
constexpr wchar_t kPartGap[] = L"   ";
constexpr int kNoPayeeBlanks = 7;

struct ReviewState : shell::CViewState {
    std::int64_t position = 0;
    int filter = 0;
};

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

CReviewTransactionView::CReviewTransactionView() = default;
CReviewTransactionView::~CReviewTransactionView() = default;

shell::CCVView::Frame CReviewTransactionView::Describe(ui::LPARAM) {
    return Frame{L"ReviewTransaction", Text(res::IDS_REVIEW_TITLE), res::IDM_REVIEW_TRANSACTION};
}

void CReviewTransactionView::Open(std::int64_t position, int filter) {
    m_filter = filter;
    m_review = std::make_unique<CTransactionReview>(*m_account, position, filter);
    UpdateMenu();
    Repaint();
}

bool CReviewTransactionView::OnCreate(ui::LPARAM) {
    m_account = Model().GetCurrentAccount();
    if (m_account == nullptr) return false;
    std::int64_t position = 0;
    int filter = CTransaction::kFilterDownloaded;
    auto payload = TakePayload();
    if (const auto* request = dynamic_cast<const shell::CReviewRequest*>(payload.get())) {
        position = request->Position();
        filter = request->GetKind();
    }
    Open(position, filter);
    return true;
}

std::unique_ptr<shell::CViewState> CReviewTransactionView::SaveState() const {
    auto state = std::make_unique<ReviewState>();
    state->position = m_review ? m_review->Position() : 0;
    state->filter = m_filter;
    return state;
}

void CReviewTransactionView::RestoreState(const shell::CViewState& state) {
    if (const auto* saved = dynamic_cast<const ReviewState*>(&state)) {
        Open(saved->position, saved->filter);
    }
}

void CReviewTransactionView::OnShown() {
    // Back from the match screen or the editor: the transactions may have changed.
    if (m_review && m_review->Count() == 0) {
        PostBack(0);
        return;
    }
    if (m_review) Open(m_review->Position(), m_filter);
}

void CReviewTransactionView::UpdateMenu() {
    ui::CMenu* menu = Menu();
    if (menu == nullptr || !m_review) return;
    menu->EnableItem(res::IDC_REVIEW_PREV, ui::MF_BYCOMMAND, m_review->HasPrevious());
    menu->EnableItem(res::IDC_REVIEW_NEXT, ui::MF_BYCOMMAND, m_review->HasNext());
}

std::wstring CReviewTransactionView::LineOf(ui::CDeviceContext& dc, const CTransaction& transaction,
                                            int width) const {
    const CRegisterText::Fields fields =
        CRegisterText(*Model().GetAccountList(), *m_account).Of(transaction);
    std::wstring kind = fields.checkNumber != 0 || transaction.CarriesCheckNumber()
                            ? std::to_wstring(fields.checkNumber)
                            : CCVUIUtility::WideCopy(fields.type);
    std::wstring payee = fields.payee.empty() ? std::wstring(kNoPayeeBlanks, L' ')
                                              : CCVUIUtility::WideCopy(fields.payee);
    const std::wstring parts[kParts] = {FormatDate(transaction.GetDate(), sys::kDateShortDate),
                                        kind, payee,
                                        CCVUIUtility::AmountText(fields.signedAmount, true)};
    const int quarter = std::max(1, width / kParts - 3);
    std::wstring line;
    for (int i = 0; i < kParts; ++i) {
        if (i > 0) line += kPartGap;
        line += CCVUIUtility::FitText(dc, parts[i], quarter);
    }
    return line;
}

void CReviewTransactionView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    if (!m_review) return;
    const CTransaction* current = m_review->Current();
    if (current == nullptr) return;
    const int left = client.left + 1;
    const int width = client.Width() - 2;
    int y = client.top + 1;
    dc.TextOut(left, y, Text(m_review->Question()));
    y += 2;
    dc.TextOut(left, y++, Text(res::IDS_BANK_ENTRY));
    dc.TextOut(left + 1, y, LineOf(dc, *current, width - 1));
    y += 2;
    dc.TextOut(left, y++, Text(res::IDS_YOUR_ENTRY));
    const CTransaction* partner = m_review->Partner();
    dc.TextOut(left + 1, y,
               partner != nullptr ? LineOf(dc, *partner, width - 1) : Text(res::IDS_NO_MATCH_LINE));
    y += 2;
    const std::wstring position = CCVUIUtility::FormatString(
        res::IDS_REVIEW_POSITION, static_cast<int>(m_review->Position() + 1),
        static_cast<int>(m_review->Count()));
    dc.TextOut(client.left + std::max(0, (client.Width() - static_cast<int>(position.size())) / 2),
               y, position);
}

void CReviewTransactionView::Save() {
    shell::SaveModelChanges(Window());
}

bool CReviewTransactionView::OnCommand(int id) {
    if (!m_review) return false;
    switch (id) {
        case res::IDC_REVIEW_ACCEPT: {
            const bool more = m_review->Accept();
            Save();
            if (!more) {
                PostBack(0);
                return true;
            }
            Open(m_review->Position(), m_filter);
            return true;
        }
        case res::IDC_REVIEW_ACCEPT_ALL:
            m_review->AcceptAll();
            Save();
            PostBack(0);
            return true;
        case res::IDC_REVIEW_CHANGE_MATCH:
            Navigate(id, static_cast<ui::LPARAM>(m_review->Position()));
            return true;
        case res::IDC_REVIEW_EDIT:
            Navigate(id, static_cast<ui::LPARAM>(m_review->Position()),
                     std::make_unique<shell::CReviewRequest>(
                         static_cast<std::int32_t>(m_review->Position()),
                         static_cast<shell::CReviewRequest::Kind>(m_filter)));
            return true;
        case res::IDC_REVIEW_NEXT:
            if (m_review->Next()) Open(m_review->Position(), m_filter);
            return true;
        case res::IDC_REVIEW_PREV:
            if (m_review->Previous()) Open(m_review->Position(), m_filter);
            return true;
        case res::IDC_REVIEW_CLOSE:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

bool CReviewTransactionView::OnKey(unsigned vk) {
    if (vk == ui::VK_RIGHT) return OnCommand(res::IDC_REVIEW_NEXT);
    if (vk == ui::VK_LEFT) return OnCommand(res::IDC_REVIEW_PREV);
    return false;
}

}  // namespace views
