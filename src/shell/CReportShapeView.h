#pragma once

#include <memory>

#include "reports/CReportSettings.h"
#include "reports/ReportScreens.h"
#include "shell/CListShapeView.h"

class CCVReportList;

namespace shell {

// A list over the rows of the report engine (the report list and the budgets): the report is
// built for one screen's settings and put in the screen's sort order, which a second choice of
// the same sort key turns round. The selection and the sort order outlive a visit to another
// screen; the report is built afresh whenever the screen is made.
class CReportShapeView : public CListShapeView {
  public:
    std::unique_ptr<CViewState> SaveState() const override;
    void RestoreState(const CViewState& state) override;

  protected:
    explicit CReportShapeView(report::Screen screen) : m_screen(screen) {}

    // Takes the report of the model and makes the list; false when either fails.
    bool CreateReportList();
    // Builds the report for the screen's settings and sorts its rows; returns the settings.
    CReportSettings BuildReport();
    // Fills the rows from the built report (BuildReport) and shows them.
    virtual void Rebuild() = 0;
    // Sorts by the key: the same key again turns the order round.
    void Sort(int key);
    // The sort key of a "Sort By" item (by name for any other id), and the item of a key.
    static int SortKeyOfItem(int id);
    static int SortItemOfKey(int key);

    CCVReportList* Report() const { return m_report; }
    report::Screen ReportScreen() const { return m_screen; }
    int SortKey() const { return m_sortKey; }

  private:
    report::Screen m_screen;
    CCVReportList* m_report = nullptr;
    int m_sortKey = 0;
    bool m_ascending = true;
};

}  // namespace shell
