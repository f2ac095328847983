#pragma once

#include "platform/ui/CDeviceContext.h"

// What the two password prompts show (the one at start-up and the one over a locked screen): the
// coin logo, the product line, "Please enter the password:" and under it the masked field.
namespace views {

class CUnlockLayout {
  public:
    static constexpr int kFieldId = 1;
    static constexpr int kLimit = 32;

    // Where the password field stands in a client area.
    static ui::RECT FieldRect(const ui::RECT& client);
    // Draws everything but the field.
    static void Paint(ui::CDeviceContext& dc, const ui::RECT& client);
    // The action key in the password field does what "Done" does: it sends `command` to the
    // field's parent window.
    static void SubmitOnActionKey(ui::HWND field, int command);
};

}  // namespace views
