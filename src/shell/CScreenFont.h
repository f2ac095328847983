#pragma once

#include "platform/ui/CFont.h"
#include "platform/ui/WinTypes.h"
#include "preferences/CFontRecord.h"

class CCVPreferences;

// Which font record each kind of screen is drawn with, and the font it gives on the terminal:
// the accounts summary and the screens without a font of their own use "Default Font", the
// register the account's "Font", the report screens "Report Font" and the budget screens
// "Budget Font". A missing record is the screen's own font.
namespace shell {

class CScreenFont {
  public:
    enum class Target : int { kScreens, kRegister, kReports, kBudgets };

    static CFontRecord Read(const CCVPreferences& preferences, Target target);
    // False when the settings could not be written.
    static bool Write(const CCVPreferences& preferences, Target target, const CFontRecord& font);
    // The terminal font of a record: bold or underlined as its style says, over `base`.
    static ui::HFONT FontOf(const CFontRecord& font, ui::HFONT base = ui::CFont::Default());
    // Sets the font of `target` on a window (the list of a screen).
    static void Apply(const CCVPreferences& preferences, Target target, ui::HWND window);
};

}  // namespace shell
