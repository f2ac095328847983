#pragma once

#include "shell/CCVView.h"

class CCVAccount;

// The online summary (view 65), opened by the register after a download brought transactions:
// how many came in for the register's account, how many were matched with entered ones and how
// many are new. "Review" opens the review of the downloaded transactions; "Accept All" accepts
// them all; "Review Later" and the Back key leave them waiting.
namespace views {

class COnlineSummaryView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    CCVAccount* m_account = nullptr;
};

}  // namespace views
