#include "views/chart/CReportChartView.h"

#include <algorithm>

#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/CCellSurface.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "reports/CCVReportList.h"
#include "reports/ReportScreens.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CReportRowRequest.h"
#include "shell/ViewNumbers.h"
#include "views/reports/ReportHeading.h"

namespace views {
namespace {

constexpr std::uint16_t kLastTypeList = 0;
constexpr int kInfoLines = 1;  // the selected slice, under the pie

struct ChartState : shell::CViewState {
    int selected = -1;
};

}  // namespace

shell::CCVView::Frame CReportChartView::Describe(ui::LPARAM) {
    return Frame{L"ReportChartView", std::wstring(res::LoadString(res::IDS_REPORTS_TITLE)),
                 res::IDM_REPORT_CHART};
}

bool CReportChartView::OnCreate(ui::LPARAM) {
    m_report = CCVReportList::FromModel(Model());
    if (m_report == nullptr) return false;
    Rebuild();
    Select(m_slices.empty() ? -1 : 0);
    ui::SetFocus(Window());
    return true;
}

void CReportChartView::Rebuild() {
    CCVPreferences& preferences = Model().GetPreferences();
    m_settings = report::ReadSettings(report::Screen::kChart, preferences);
    report::BuildFor(*m_report, report::Screen::kChart, m_settings);
    const bool decimals = preferences.GetShowDecimal();
    const chart::LabelFlags flags{m_settings.labelName, m_settings.labelAmount,
                                  m_settings.labelPercent};
    std::vector<Amount> amounts;
    amounts.reserve(m_report->Count());
    for (std::uint32_t i = 0; i < m_report->Count(); ++i) {
        amounts.push_back(m_report->At(i)->GetAmount());
    }
    m_slices = chart::MakeSlices(amounts);
    m_rows.clear();
    for (std::uint32_t i = 0; i < m_report->Count(); ++i) {
        const CCVReportItem& item = *m_report->At(i);
        const chart::Slice& slice = m_slices[i];
        SliceRow row;
        row.name = CCVUIUtility::WideCopy(item.Name());
        row.label = CCVUIUtility::WideCopy(
            chart::LabelText(item.Name(), slice.amount, slice.percent, flags));
        row.amountText = CCVUIUtility::AmountText(slice.amount, decimals);
        row.ref = CReportRowRef::Of(item);
        m_rows.push_back(std::move(row));
    }
    m_sliceOfDegree.fill(-1);
    for (std::size_t i = 0; i < m_slices.size(); ++i) {
        const chart::Slice& slice = m_slices[i];
        for (int d = slice.start; d < slice.end; ++d) {
            m_sliceOfDegree[static_cast<std::size_t>(d % chart::kFullCircle)] = static_cast<int>(i);
        }
    }
    if (m_selected >= static_cast<int>(m_slices.size())) {
        m_selected = static_cast<int>(m_slices.size()) - 1;
    }
    CheckRadio(
        res::IDC_RPT_INCOMES, res::IDC_RPT_EXPENSES,
        m_settings.direction == report::kIncomes ? res::IDC_RPT_INCOMES : res::IDC_RPT_EXPENSES);
    ui::SetWindowText(Window(), ReportHeading(*m_report, report::Screen::kChart));
    Layout();
}

void CReportChartView::Layout() {
    const ui::RECT client = ClientRect();
    const int rows = std::max(1, client.bottom - kInfoLines);
    m_geometry =
        chart::MakeGeometry(0, 0, client.right * ui::kDotsPerCellX, rows * ui::kDotsPerCellY);
    std::vector<int> widths;
    widths.reserve(m_rows.size());
    for (const SliceRow& row : m_rows) widths.push_back(static_cast<int>(row.label.size()));
    m_labels =
        chart::PlaceLabels(m_slices, m_geometry, widths, chart::CellArea{0, 0, client.right, rows});
    Repaint();
}

void CReportChartView::OnSize(int, int) {
    Layout();
}

bool CReportChartView::HasAmounts() const {
    return std::any_of(m_slices.begin(), m_slices.end(),
                       [](const chart::Slice& slice) { return slice.span > 0; });
}

void CReportChartView::Select(int slice) {
    m_selected = slice;
    Repaint();
}

void CReportChartView::DrillDown(int slice) {
    if (slice < 0 || slice >= static_cast<int>(m_rows.size()) || !HasAmounts()) return;
    Navigate(shell::kEventChartDetails, slice,
             std::make_unique<shell::CReportRowRequest>(
                 report::Screen::kChart, m_rows[static_cast<std::size_t>(slice)].ref));
}

void CReportChartView::ChooseSide(int direction) {
    m_settings.direction = static_cast<std::uint8_t>(direction);
    if (!m_settings.WriteReport(Model().GetPreferences())) {
        Ask(res::IDS_SETTINGS_NOT_SAVED, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    }
    Rebuild();
    Select(m_slices.empty() ? -1 : 0);
}

int CReportChartView::SliceAt(int x, int y) const {
    // The dot in the middle of the tapped cell.
    const chart::Dot dot{x * ui::kDotsPerCellX + ui::kDotsPerCellX / 2,
                         y * ui::kDotsPerCellY + ui::kDotsPerCellY / 2};
    return HasAmounts() ? chart::HitTest(m_slices, m_geometry, dot) : -1;
}

bool CReportChartView::OnKey(unsigned vk) {
    const int count = static_cast<int>(m_slices.size());
    switch (vk) {
        case ui::VK_UP:
            // No wrap; with nothing selected there is nothing before.
            if (m_selected > 0) Select(m_selected - 1);
            return true;
        case ui::VK_DOWN:
            if (m_selected < count - 1) Select(m_selected + 1);
            return true;
        case ui::VK_RETURN:
            DrillDown(m_selected);
            return true;
        default:
            return false;
    }
}

ui::LRESULT CReportChartView::OnMessage(ui::UINT message, ui::WPARAM, ui::LPARAM lParam,
                                        bool& handled) {
    handled = false;
    if (message != ui::WM_LBUTTONDOWN && message != ui::WM_LBUTTONUP) return 0;
    handled = true;
    const int slice = SliceAt(static_cast<std::int16_t>(ui::LOWORD(lParam)),
                              static_cast<std::int16_t>(ui::HIWORD(lParam)));
    if (slice < 0) return 0;
    if (message == ui::WM_LBUTTONDOWN) {
        // As in a list: a tap selects, a tap on the selection opens it.
        m_tapOnSelected = slice == m_selected;
        Select(slice);
    } else if (m_tapOnSelected && slice == m_selected) {
        m_tapOnSelected = false;
        DrillDown(slice);
    }
    return 0;
}

bool CReportChartView::OnCommand(int id) {
    switch (id) {
        case res::IDC_RPT_DONE:
            PostBack(0);
            return true;
        case res::IDC_RPT_INCOMES:
            ChooseSide(report::kIncomes);
            return true;
        case res::IDC_RPT_EXPENSES:
            ChooseSide(report::kExpenses);
            return true;
        case res::IDC_CHART_LIST_VIEW: {
            // "Reports" opens the list from now on.
            Model().GetPreferences().SetLastReportType(kLastTypeList);
            // Opened from the list: back to it rather than another list on top.
            return BackIfBeneathIs(shell::kViewReports);
        }
        default:
            return false;
    }
}

void CReportChartView::PaintPie(ui::CDeviceContext& dc) const {
    const chart::Dot centre = m_geometry.centre;
    const int radius = m_geometry.radius;
    for (int y = centre.y - radius; y <= centre.y + radius; ++y) {
        for (int x = centre.x - radius; x <= centre.x + radius; ++x) {
            const chart::Dot dot{x, y};
            if (!chart::Inside(m_geometry, dot)) continue;
            const int slice =
                m_sliceOfDegree[static_cast<std::size_t>(chart::AngleOf(m_geometry, dot))];
            if (slice < 0) continue;
            dc.SetPixel(x, y, m_slices[static_cast<std::size_t>(slice)].colour);
        }
    }
    if (m_selected < 0 || m_selected >= static_cast<int>(m_slices.size())) return;
    const chart::Slice& selected = m_slices[static_cast<std::size_t>(m_selected)];
    if (selected.span <= 0) return;
    // The outline: centre, the arc, centre again, in the text colour, which no slice has.
    std::vector<ui::POINT> path;
    path.push_back(ui::POINT{centre.x, centre.y});
    for (int d = selected.start; d <= selected.end; ++d) {
        const chart::Dot& point = m_geometry.PointAt(d);
        path.push_back(ui::POINT{point.x, point.y});
    }
    path.push_back(ui::POINT{centre.x, centre.y});
    dc.SelectPen(ui::LOGPEN{ui::PS_SOLID, 1, ui::GetSysColor(ui::COLOR_WINDOWTEXT)});
    dc.Polyline(path.data(), static_cast<int>(path.size()));
}

void CReportChartView::PaintLabels(ui::CDeviceContext& dc) const {
    dc.SetBkMode(ui::TRANSPARENT);
    dc.SetTextColor(ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    for (const chart::LabelPlace& place : m_labels) {
        const std::wstring text =
            ui::FitTextToWidth(m_rows[static_cast<std::size_t>(place.slice)].label, place.width);
        const int width = static_cast<int>(text.size());
        const int left = place.alignRight ? place.left + place.width - width : place.left;
        dc.TextOut(left, place.row, text);
    }
}

void CReportChartView::PaintInfoLine(ui::CDeviceContext& dc, const ui::RECT& client) const {
    ui::RECT line{client.left, client.bottom - kInfoLines, client.right, client.bottom};
    dc.FillRect(line, ui::GetSysColor(ui::COLOR_BTNFACE));
    dc.SetBkMode(ui::OPAQUE);
    dc.SetBkColor(ui::GetSysColor(ui::COLOR_BTNFACE));
    dc.SetTextColor(ui::GetSysColor(ui::COLOR_WINDOWTEXT));
    std::wstring text;
    if (!HasAmounts()) {
        text = res::LoadString(res::IDS_CHART_NOTHING);
    } else if (m_selected >= 0 && m_selected < static_cast<int>(m_rows.size())) {
        const SliceRow& row = m_rows[static_cast<std::size_t>(m_selected)];
        text =
            CCVUIUtility::FormatString(res::IDS_CHART_SLICE_INFO, sys::WideToUtf8(row.name).c_str(),
                                       sys::WideToUtf8(row.amountText).c_str(),
                                       m_slices[static_cast<std::size_t>(m_selected)].percent);
    }
    ui::RECT inside{line.left + 1, line.top, line.right - 1, line.bottom};
    dc.DrawText(text, inside, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
}

void CReportChartView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    if (HasAmounts()) {
        PaintPie(dc);
        PaintLabels(dc);
    }
    PaintInfoLine(dc, client);
}

std::unique_ptr<shell::CViewState> CReportChartView::SaveState() const {
    auto state = std::make_unique<ChartState>();
    state->selected = m_selected;
    return state;
}

void CReportChartView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const ChartState*>(&state);
    if (saved == nullptr || m_slices.empty()) return;
    Select(std::clamp(saved->selected, 0, static_cast<int>(m_slices.size()) - 1));
}

}  // namespace views
