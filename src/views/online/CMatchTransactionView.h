#pragma once

#include <memory>

#include "model/CCVTxnList.h"
#include "shell/CCVView.h"

class CCVAccount;
class CTransactionReview;

// The match screen (view 67), for the transaction at the navigation parameter's position in the
// review: the bank's entry, and the entered transactions it can be matched with, by date. "Match"
// (or the action key on a row) matches it with the selected one; "No Match" unmatches it;
// "Cancel" and the Back key leave it as it was.
namespace views {

class CMatchTransactionView : public shell::CCVView {
  public:
    CMatchTransactionView();
    ~CMatchTransactionView() override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnNotify(const ui::NMHDR& header) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    void Match();

    CCVAccount* m_account = nullptr;
    std::unique_ptr<CTransactionReview> m_review;
    CCVTxnList m_candidates;
    ui::HWND m_list = nullptr;
};

}  // namespace views
