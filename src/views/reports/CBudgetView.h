#pragma once

#include <memory>
#include <string>
#include <vector>

#include "reports/CReportRowRef.h"
#include "shell/CReportShapeView.h"
#include "storage/Amount.h"

class CCVReportList;

// The budgets (view 7): for the period of "Budget Setting", a row per payee, category or class
// with its budget (the monthly amount times the months of the period), the actual amount and the
// difference, and their totals below. "Budget Amount" sets the selected row's monthly amount;
// the action key (or "Details") opens the transactions behind it; "Define" chooses the grouping
// and the period. Built afresh whenever the screen is made.
namespace views {

class CBudgetView : public shell::CReportShapeView {
  public:
    CBudgetView() : CReportShapeView(report::Screen::kBudget) {}

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;
    int NavigationCommandOf(int id) const override;

  private:
    static constexpr int kAmountColumns = 3;  // budget, actual, difference

    struct Row {
        std::wstring name;
        Amount amounts[kAmountColumns] = {};
        std::wstring texts[kAmountColumns];
        bool canSetBudget = false;
        CReportRowRef ref;
    };

    void Rebuild() override;
    void OpenDetails(int row);
    void SetBudgetAmount(int row);
    // The cells of the amount columns on a line of the list's width.
    void DrawAmounts(ui::CDeviceContext& dc, const ui::RECT& rect, const Amount* amounts,
                     const std::wstring* texts, bool colour) const;

    std::vector<Row> m_rows;
    Amount m_totals[kAmountColumns] = {};
    std::wstring m_totalTexts[kAmountColumns];
    int m_amountWidth = 0;
};

}  // namespace views
