#pragma once

#include <string>
#include <vector>

#include "shell/CListShapeView.h"
#include "storage/Amount.h"

class CCVAccountList;

// The home screen: every account with its balance, and the total of the accounts that count
// towards it, as balance or as cleared balance. The action key opens an account's register; the
// menu reaches the lists, reports and settings; "Exit" ends the program. The first summary of a
// run asks whether to show due scheduled transactions, then whether to import pending accounts.
namespace views {

class CAccountsSummaryView : public shell::CListShapeView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

    // The start-of-day questions are asked once per run: a new run (or a test) arms them again;
    // disarmed, the summary opens without them (the screen benchmarks).
    static void ArmStartOfDayChecks(bool armed = true);

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;
    void LayoutColumns(int width) override;
    int NavigationCommandOf(int id) const override;
    void ShowBalance() override;

  private:
    struct Row {
        std::wstring name;
        Amount balance = 0;
        int icon = 0;
        std::wstring balanceText;
        bool leftOut = false;  // an account file that could not be read: no icon, no amount
    };

    CCVAccountList* Accounts() const;
    void BuildRows();
    void Sort(int column);
    void OpenRegister(int row);
    void Exit();
    int ReportsCommand() const;
    void RunStartOfDayChecks();
    // "Go Online": every account set up for online access downloads its statement.
    void GoOnline();

    std::vector<Row> m_rows;
    int m_amountWidth = 0;
};

}  // namespace views
