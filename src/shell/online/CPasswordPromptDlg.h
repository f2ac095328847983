#pragma once

#include <string>

#include "platform/ui/WinTypes.h"

// The online password prompt: a modal box titled "Online Password" with "Please enter your
// password.", the bank's name, a second line chosen by the caller, and a masked field of at most
// kMaxPassword characters; "Done" and "Cancel". "Done" with an empty field says so and stays.
// The Back key erases in the field.
namespace shell {

class CPasswordPromptDlg {
  public:
    static constexpr int kMaxPassword = 99;

    // True with the password typed (narrow text, never empty); false, with `password` emptied,
    // when the person cancelled.
    static bool Ask(ui::HWND owner, const std::wstring& bankName, const std::wstring& secondLine,
                    std::string& password);
};

}  // namespace shell
