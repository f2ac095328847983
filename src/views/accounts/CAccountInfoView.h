#pragma once

#include <cstdint>
#include <vector>

#include "model/CAccountEditing.h"
#include "shell/CLabelledFormView.h"
#include "storage/RecordKey.h"

class CCVAccount;

// The account editor ("Account Info"): a new account (view 14) or an existing one (view 15: the
// account at the navigation parameter's position, or the current account when there is none). Its
// fields: name, type, bank, account number, beginning balance, currency, icon and whether the
// account counts in the summary's total. "Done" checks the fields in order, saves and goes back;
// "Icons" opens the icon chooser; "Cancel" and Back go back without a change.
namespace views {

class CAccountInfoView : public shell::CLabelledFormView {
  public:
    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    CCVAccount* Edited() const;
    CAccountEditing::Fields ReadFields() const;
    void ShowFields(const CAccountEditing::Fields& fields);
    void ShowIcon();
    void Done();

    bool m_new = true;
    RecordKey m_accountId;                   // the edited account
    std::vector<std::uint8_t> m_currencies;  // currency number by spinner position
    std::uint16_t m_icon = 0;
    ui::HWND m_name = nullptr;
    ui::HWND m_type = nullptr;
    ui::HWND m_bank = nullptr;
    ui::HWND m_number = nullptr;
    ui::HWND m_balance = nullptr;
    ui::HWND m_currency = nullptr;
    ui::HWND m_iconValue = nullptr;
    ui::HWND m_include = nullptr;
};

}  // namespace views
