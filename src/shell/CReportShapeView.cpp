#include "shell/CReportShapeView.h"

#include "model/CVModel.h"
#include "reports/CCVReportList.h"
#include "resources/ScreenIds.h"

namespace shell {
namespace {

struct ReportListState : CViewState {
    int selected = -1;
    int sortKey = CCVReportList::kSortName;
    bool ascending = true;
};

struct SortItem {
    int id;
    int key;
};
constexpr SortItem kSortItems[] = {
    {res::IDC_RPT_SORT_NAME, CCVReportList::kSortName},
    {res::IDC_RPT_SORT_AMOUNT, CCVReportList::kSortAmount},
    {res::IDC_RPT_SORT_ICON, CCVReportList::kSortIcon},
    {res::IDC_RPT_SORT_BUDGET, CCVReportList::kSortBudget},
    {res::IDC_RPT_SORT_DIFFERENCE, CCVReportList::kSortDifference},
};

}  // namespace

int CReportShapeView::SortKeyOfItem(int id) {
    for (const SortItem& item : kSortItems) {
        if (item.id == id) return item.key;
    }
    return CCVReportList::kSortName;
}

int CReportShapeView::SortItemOfKey(int key) {
    for (const SortItem& item : kSortItems) {
        if (item.key == key) return item.id;
    }
    return res::IDC_RPT_SORT_NAME;
}

bool CReportShapeView::CreateReportList() {
    m_report = CCVReportList::FromModel(Model());
    m_sortKey = CCVReportList::kSortName;
    m_ascending = true;
    return m_report != nullptr && CreateList(true);
}

CReportSettings CReportShapeView::BuildReport() {
    const CReportSettings settings = report::ReadSettings(m_screen, Model().GetPreferences());
    report::BuildFor(*m_report, m_screen, settings);
    if (m_sortKey != CCVReportList::kSortName || !m_ascending) {
        m_report->SortRows(m_sortKey, m_ascending ? CCVReportList::kSortAscending : 0);
    }
    return settings;
}

void CReportShapeView::Sort(int key) {
    m_ascending = key == m_sortKey ? !m_ascending : true;
    m_sortKey = key;
    Rebuild();
}

std::unique_ptr<CViewState> CReportShapeView::SaveState() const {
    auto state = std::make_unique<ReportListState>();
    state->selected = Selection();
    state->sortKey = m_sortKey;
    state->ascending = m_ascending;
    return state;
}

void CReportShapeView::RestoreState(const CViewState& state) {
    const auto* saved = dynamic_cast<const ReportListState*>(&state);
    if (saved == nullptr) return;
    if (saved->sortKey != m_sortKey || saved->ascending != m_ascending) {
        m_sortKey = saved->sortKey;
        m_ascending = saved->ascending;
        Rebuild();
    }
    if (saved->selected >= 0 && saved->selected < RowCount()) Select(saved->selected);
}

}  // namespace shell
