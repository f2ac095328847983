#pragma once

#include <memory>

#include "shell/CListShapeView.h"
#include "storage/RecordKey.h"

class CScheduledList;
class CUpcomingTransItem;
class CUpcomingTxnList;

// The upcoming transactions (view 58, "UpcomingTransactions"): every occurrence of every
// scheduled transaction up to the "Through" period (kept in the settings), by date: the date, the
// payee, the account and the amount. "Record" enters the selected occurrence into its account,
// "Skip" passes it over, "Record All" enters every listed one, "Edit" (or Enter on a row) opens it
// in the editor to record it changed. Only a series' next occurrence may be recorded, skipped or
// edited. The list is built again after each of them and whenever the screen is shown.
namespace views {

class CUpcomingListView : public shell::CListShapeView {
  public:
    CUpcomingListView();
    ~CUpcomingListView() override;

    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void DrawRow(ui::CDeviceContext& dc, int row, const ui::RECT& rect, bool selected,
                 bool focused) override;

  private:
    CScheduledList* Scheduled() const;
    // The selected occurrence when it may be acted on; otherwise says why and answers null.
    const CUpcomingTransItem* SelectedEditable();
    void Record();
    void RecordAll();
    void Skip();
    void Edit();
    void SetPeriod(int period);
    // Builds the list again and selects `select` (kept within the list).
    void Rebuild(int select);
    void Done(int select);

    std::unique_ptr<CUpcomingTxnList> m_upcoming;
    int m_period = 0;
    // The register's account when opened from a register, else every account.
    RecordKey m_accountFilter;
};

}  // namespace views
