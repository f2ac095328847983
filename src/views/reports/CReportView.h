#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reports/CReportRowRef.h"
#include "reports/CReportSettings.h"
#include "shell/CListShapeView.h"
#include "storage/Amount.h"

class CCVReportList;

// The report as a list (view 6): a row per payee, category or class of the report that "Report
// Data" defines, with its amount, and the total below. The action key (or "Details") opens the
// transactions behind the selected row; "Define" changes the report, "Chart" shows it as a pie,
// "Sort By" orders the rows (choosing the same key again turns the order round), and the side
// (incomes, expenses or all amounts) is chosen from the menu. The report is built afresh
// whenever the screen is made, so it never shows rows of transactions that changed meanwhile.
namespace views {

class CReportView : public shell::CListShapeView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;

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

    void Rebuild();
    void Sort(int key);
    void ChooseSide(int direction);
    void OpenDetails(int row);
    void CheckMenus();

    CCVReportList* m_report = nullptr;
    CReportSettings m_settings;
    std::vector<Row> m_rows;
    int m_sortKey = 0;
    bool m_ascending = true;
    int m_amountWidth = 0;
};

}  // namespace views
