#include "views/online/COnlineSummaryView.h"

#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "online/CTransactionReview.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReviewRequest.h"
#include "shell/SaveChanges.h"

namespace views {

shell::CCVView::Frame COnlineSummaryView::Describe(ui::LPARAM) {
    return Frame{L"OnlineSummary", std::wstring(res::LoadString(res::IDS_ONLINE_SUMMARY_CAPTION)),
                 res::IDM_ONLINE_SUMMARY};
}

bool COnlineSummaryView::OnCreate(ui::LPARAM) {
    m_account = Model().GetCurrentAccount();
    return m_account != nullptr;
}

void COnlineSummaryView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    if (m_account == nullptr) return;
    const CTransactionReview::Summary summary = CTransactionReview::DownloadSummary(*m_account);
    const std::wstring lines[] = {
        std::wstring(res::LoadString(res::IDS_DOWNLOAD_COMPLETED)),
        CCVUIUtility::FormatString(res::IDS_SUMMARY_DOWNLOADED,
                                   static_cast<int>(summary.downloaded)),
        CCVUIUtility::FormatString(res::IDS_SUMMARY_MATCH, static_cast<int>(summary.matched)),
        CCVUIUtility::FormatString(res::IDS_SUMMARY_NEW, static_cast<int>(summary.added)),
    };
    int y = client.top + 1;
    for (const std::wstring& line : lines) {
        dc.TextOut(client.left + (y == client.top + 1 ? 1 : 3), y, line);
        y += 2;
    }
}

bool COnlineSummaryView::OnCommand(int id) {
    switch (id) {
        case res::IDC_REG_REVIEW:
            Navigate(
                id, 0,
                std::make_unique<shell::CReviewRequest>(0, shell::CReviewRequest::kDownloaded));
            return true;
        case res::IDC_REVIEW_ACCEPT_ALL:
            if (m_account != nullptr) CTransactionReview::AcceptAllDownloaded(*m_account);
            shell::SaveModelChanges(Window());
            PostBack(0);
            return true;
        case res::IDC_REVIEW_LATER:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
