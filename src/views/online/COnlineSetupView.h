#pragma once

#include <string>

#include "online/COnlineSetup.h"
#include "shell/CLabelledFormView.h"

// The online set-up of the account being edited (view 60): "Enable account access", the bank,
// the customer id, the password (none stored: asked at every download) and the account at the
// bank. It works on the account editor's working copy, which "Done" hands back to the editor
// (whose save writes it) and "Cancel" drops. "Select bank" updates the bank list and opens it;
// "Select Account" asks the bank for the customer's accounts and opens their list, or the
// details screen when the bank listed none; the action key on the bank or the account field does
// the same. The fields below the tick are shown only while it is ticked. The Back key erases in a
// field and does not leave.
namespace views {

class COnlineSetupView : public shell::CLabelledFormView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    bool OnKey(unsigned vk) override;
    void OnControlCommand(int id, unsigned code) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;
    void OnBack() override {}

  private:
    void ShowCopy();
    void UpdateMenu();
    void ClearWillPrompt();
    bool WillPrompt() const;
    void Say(res::StringId id);
    void SelectBank();
    void SelectAccount();
    void Done();

    COnlineSetup::WorkingCopy m_copy;
    ui::HWND m_enabled = nullptr;
    ui::HWND m_bank = nullptr;
    ui::HWND m_customerId = nullptr;
    ui::HWND m_password = nullptr;
    ui::HWND m_account = nullptr;
};

}  // namespace views
