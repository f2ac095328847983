#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/EditOutcome.h"
#include "shell/CLabelledFormView.h"

// The small form that names one thing: a new or an edited payee, class, currency, category or
// transaction type (views 17-30, opened by the list screens), or the text to find in the active
// account's register (view 12). The kind and the mode follow from the view number; in edit mode
// the navigation parameter is the item's position in its list.
//
// "Done" applies the list's rule; a refusal shows its message and the screen stays, success goes
// back to the list (find opens its results). "Cancel" goes back. A category's "Icon" opens the
// icon chooser, whose choice comes back to this screen.
namespace views {

class CCommonAddEditView : public shell::CLabelledFormView {
  public:
    enum Kind : int {
        kPayee = 0,
        kClass = 1,
        kCurrency = 2,
        kCategory = 3,
        kTransactionType = 4,
        kFind = 5,
    };
    enum Mode : int { kNew = 0, kEdit = 1 };
    static constexpr int kFindLimit = 31;  // what an account keeps of its search text
    static constexpr int kNameLimit = 32;
    static constexpr int kSymbolLimit = 4;
    static constexpr int kTypeNameLimit = 15;
    static constexpr int kRateLimit = 20;

    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;

  private:
    bool CreateFind();
    bool CreateItemFields();
    std::vector<std::wstring> ParentChoices() const;
    void ShowIcon();
    bool Find();
    // Applies the kind's rule in its mode.
    EditOutcome Save();

    Kind m_kind = kFind;
    Mode m_mode = kEdit;
    std::int64_t m_index = 0;
    ui::HWND m_first = nullptr;
    ui::HWND m_second = nullptr;
    ui::HWND m_iconValue = nullptr;
    std::uint16_t m_icon = 0;
};

}  // namespace views
