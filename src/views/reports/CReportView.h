#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reports/CReportRowRef.h"
#include "reports/CReportSettings.h"
#include "shell/CReportShapeView.h"
#include "storage/Amount.h"

class CCVReportList;

// The report as a list (view 6): a row per payee, category or class of the report that "Report
// Data" defines, with its amount, and the total below. The action key (or "Details") opens the
// transactions behind the selected row; "Define" changes the report, "Chart" shows it as a pie,
// "Sort By" orders the rows (choosing the same key again turns the order round), and the side
// (incomes, expenses or all amounts) is chosen from the menu. The report is built afresh
// whenever the screen is made, so it never shows rows of transactions that changed meanwhile.
namespace views {

class CReportView : public shell::CReportShapeView {
  public:
    CReportView() : CReportShapeView(report::Screen::kList) {}

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;
    int NavigationCommandOf(int id) const override;

  private:
    struct Row {
        std::wstring name;
        std::wstring amountText;
        Amount amount = 0;
        bool indented = false;
        bool total = false;
        CReportRowRef ref;
    };

    void Rebuild() override;
    void ChooseSide(int direction);
    void OpenDetails(int row);
    void CheckMenus();

    CReportSettings m_settings;
    std::vector<Row> m_rows;
    int m_amountWidth = 0;
};

}  // namespace views
