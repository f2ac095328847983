#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reports/CReportDetails.h"
#include "reports/CReportRowRef.h"
#include "reports/ReportScreens.h"
#include "shell/CListShapeView.h"
#include "storage/Amount.h"

// The transactions behind one row of a report, of the chart or of the budget (view 55, report
// details; view 64, budget details): date, account, payee and the part of each that went into the
// row, and their total. "Edit" (or the action key) opens the transaction in the editor.
//
// The report the row belongs to is built again, the same way its screen builds it, every time
// this screen is made, and the row is found in it by name: coming back from the editor after an
// edit, a delete or a purge, the screen lists what the registers now hold, never a transaction
// that is gone (a row that no longer exists lists nothing).
namespace views {

class CReportDetailsView : public shell::CListShapeView {
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
        std::wstring date;
        std::wstring account;
        std::wstring payee;
        std::wstring amountText;
        Amount amount = 0;
    };

    void Rebuild();
    void EditTransaction(int row);

    bool m_haveRow = false;
    report::Screen m_screen = report::Screen::kList;
    CReportRowRef m_ref;
    // The lines of the report as it was built last; they stay valid until the screen is left.
    std::vector<CReportDetails::Line> m_lines;
    std::vector<Row> m_rows;
    int m_amountWidth = 0;
    int m_dateWidth = 0;
};

}  // namespace views
