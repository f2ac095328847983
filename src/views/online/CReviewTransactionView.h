#pragma once

#include <memory>
#include <string>

#include "shell/CCVView.h"

class CCVAccount;
class CTransaction;
class CTransactionReview;

// The review of the register account's transactions awaiting review (view 66), one at a time:
// the question, the bank's entry, the entered transaction it is matched with (or "(No Match)")
// and its place among them. "Accept" accepts it and shows the next; the menu accepts all,
// changes the match (view 67), edits it (the editor's review mode), and steps with "Next" and
// "Prev" (also the right and left keys). "Close" and the Back key leave the rest waiting.
namespace views {

class CReviewTransactionView : public shell::CCVView {
  public:
    CReviewTransactionView();
    ~CReviewTransactionView() override;

    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    bool OnKey(unsigned vk) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    void Open(std::int64_t position, int filter);
    void UpdateMenu();
    std::wstring LineOf(ui::CDeviceContext& dc, const CTransaction& transaction, int width) const;
    void Save();

    CCVAccount* m_account = nullptr;
    std::unique_ptr<CTransactionReview> m_review;
    int m_filter = 0;
};

}  // namespace views
