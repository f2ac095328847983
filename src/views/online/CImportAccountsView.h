#pragma once

#include "shell/CLabelledFormView.h"

// The import of the accounts a desktop companion left in the import folder (view 70): the
// pending item, the account its transactions go into (or "<NewAccount>", with the new account's
// name), "Now" and "Later". After an import the lists are filled again; the screen closes once
// nothing is left to import. The Back key erases in the name field and does not leave.
namespace views {

class CImportAccountsView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                          bool& handled) override;
    void OnBack() override {}

  private:
    void Fill();
    bool IntoNewAccount() const;
    void ShowNameField();
    void ImportNow();

    ui::HWND m_from = nullptr;
    ui::HWND m_into = nullptr;
    ui::HWND m_name = nullptr;
};

}  // namespace views
