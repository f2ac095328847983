#pragma once

#include <cstdint>

#include "shell/CCVView.h"

// The currency conversion screen ("ConvertCurrency", view 46): an amount in another currency
// ("From:", "From Amount:") turned into the currency of the account being edited at the rate
// shown ("Conversion:", which the person may change); "Amount:" shows the result as it is typed.
// "Done" hands the amount back to the transaction editor; "Cancel" leaves its amount as it was.
namespace views {

class CConvertCurrencyView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnControlCommand(int id, unsigned code) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;

  private:
    void ShowRate();
    std::uint8_t FromCurrency() const;

    std::uint8_t m_target = 0;
    ui::HWND m_from = nullptr;
    ui::HWND m_amount = nullptr;
    ui::HWND m_rate = nullptr;
};

}  // namespace views
