#pragma once

#include <cstdint>
#include <span>

#include "platform/ui/WinTypes.h"
#include "resources/StringIds.h"

class CVModel;

// The colours the colour chooser offers, and where the colour it chooses is kept. The chooser is
// opened with one of the targets as its navigation parameter; the screen that opened it reads
// its colour again when it is shown.
namespace shell {

class CColourSetting {
  public:
    enum Target : int {
        kReportRows = 6,     // every other row of the report screens ("Report Setting")
        kBudgetRows = 7,     // every other row of the budget screens ("Budget Setting")
        kRegisterRows = 12,  // every other row of the current account's register ("Row Color")
    };

    struct Swatch {
        ui::COLORREF colour;  // 0: the screen's own colour
        res::StringId name;
    };

    // "Default" (0), then the sixteen colours every terminal has.
    static std::span<const Swatch> Palette();
    static bool IsTarget(int value);

    static ui::COLORREF Read(CVModel& model, Target target);
    // Stores the colour (and saves the account for the register's); false when it could not be
    // stored.
    static bool Write(CVModel& model, Target target, ui::COLORREF colour);
};

}  // namespace shell
