#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "reports/CReportRowRef.h"
#include "reports/CReportSettings.h"
#include "reports/PieChart.h"
#include "shell/CCVView.h"

class CCVReportList;

// The report as a pie chart (view 10): one slice per row of the report, its share of the circle
// the row's share of the amounts, each slice in a colour of the terminal's own that differs from
// its neighbours', with labels (name, amount, percentage, as the report preferences choose)
// beside the pie, and the selected slice outlined and described on the bottom line. Up and Down
// select the previous and the next slice; the action key opens the transactions behind the
// selected slice; a tap selects a slice and a tap on the selected one opens it. A chart shows one
// side: incomes or expenses (a report of all amounts is charted as expenses), and rows below half
// a percent of the total are gathered into "Other". The pie is drawn in dots of the terminal's dot
// layer and fits the window from 40 x 20 up.
namespace views {

class CReportChartView : public shell::CCVView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    bool OnKey(unsigned vk) override;
    void OnSize(int width, int height) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;

  private:
    struct SliceRow {
        std::wstring name;
        std::wstring label;
        std::wstring amountText;
        CReportRowRef ref;
    };

    void Rebuild();
    void Layout();
    void Select(int slice);
    void DrillDown(int slice);
    void ChooseSide(int direction);
    // The slice under a tap at cell (x, y) of the client area, or -1.
    int SliceAt(int x, int y) const;
    bool HasAmounts() const;
    void PaintPie(ui::CDeviceContext& dc) const;
    void PaintLabels(ui::CDeviceContext& dc) const;
    void PaintInfoLine(ui::CDeviceContext& dc, const ui::RECT& client) const;

    CCVReportList* m_report = nullptr;
    CReportSettings m_settings;
    std::vector<chart::Slice> m_slices;
    std::vector<SliceRow> m_rows;
    // The slice each whole degree belongs to (-1 for none).
    std::array<int, chart::kFullCircle> m_sliceOfDegree{};
    chart::Geometry m_geometry;
    std::vector<chart::LabelPlace> m_labels;
    int m_selected = -1;
    bool m_tapOnSelected = false;
};

}  // namespace views
