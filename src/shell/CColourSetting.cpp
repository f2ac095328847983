#include "shell/CColourSetting.h"

#include <iterator>

#include "model/CCVAccount.h"
#include "model/CVModel.h"
#include "reports/CReportSettings.h"
#include "resources/ScreenIds.h"

namespace shell {
namespace {

constexpr res::StringId Name(int index) {
    return static_cast<res::StringId>(res::IDS_COLOR_NAME_FIRST + index);
}

constexpr CColourSetting::Swatch kPalette[] = {
    {0, Name(0)},
    {ui::RGB(0, 0, 0), Name(1)},
    {ui::RGB(128, 0, 0), Name(2)},
    {ui::RGB(0, 128, 0), Name(3)},
    {ui::RGB(128, 128, 0), Name(4)},
    {ui::RGB(0, 0, 128), Name(5)},
    {ui::RGB(128, 0, 128), Name(6)},
    {ui::RGB(0, 128, 128), Name(7)},
    {ui::RGB(192, 192, 192), Name(8)},
    {ui::RGB(128, 128, 128), Name(9)},
    {ui::RGB(255, 0, 0), Name(10)},
    {ui::RGB(0, 255, 0), Name(11)},
    {ui::RGB(255, 255, 0), Name(12)},
    {ui::RGB(0, 0, 255), Name(13)},
    {ui::RGB(255, 0, 255), Name(14)},
    {ui::RGB(0, 255, 255), Name(15)},
    {ui::RGB(255, 255, 255), Name(16)},
};

}  // namespace

std::span<const CColourSetting::Swatch> CColourSetting::Palette() {
    return kPalette;
}

bool CColourSetting::IsTarget(int value) {
    return value == kReportRows || value == kBudgetRows || value == kRegisterRows;
}

ui::COLORREF CColourSetting::Read(CVModel& model, Target target) {
    switch (target) {
        case kRegisterRows: {
            CCVAccount* account = model.GetCurrentAccount();
            return account != nullptr ? account->GetRowColor() : 0;
        }
        case kReportRows:
            return CReportSettings::ReadReport(model.GetPreferences()).screenColour;
        case kBudgetRows:
            return CReportSettings::ReadBudget(model.GetPreferences()).screenColour;
    }
    return 0;
}

bool CColourSetting::Write(CVModel& model, Target target, ui::COLORREF colour) {
    const CCVPreferences& preferences = model.GetPreferences();
    switch (target) {
        case kRegisterRows: {
            CCVAccount* account = model.GetCurrentAccount();
            if (account == nullptr) return false;
            if (!preferences.SetRowColor(colour)) return false;
            account->SetRowColor(colour);  // kept in the account file too
            return model.SaveChanges() == 0;
        }
        case kReportRows: {
            CReportSettings settings = CReportSettings::ReadReport(preferences);
            settings.screenColour = colour;
            return settings.WriteReport(preferences);
        }
        case kBudgetRows: {
            CReportSettings settings = CReportSettings::ReadBudget(preferences);
            settings.screenColour = colour;
            return settings.WriteBudget(preferences);
        }
    }
    return false;
}

}  // namespace shell
