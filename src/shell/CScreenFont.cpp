#include "shell/CScreenFont.h"

#include "platform/ui/WindowApi.h"
#include "preferences/CCVPreferences.h"

namespace shell {

CFontRecord CScreenFont::Read(const CCVPreferences& preferences, Target target) {
    CCVPreferences::FontRecord bytes{};
    bool read = false;
    switch (target) {
        case Target::kScreens:
            read = preferences.GetDefaultFont(bytes);
            break;
        case Target::kRegister:
            read = preferences.GetFont(bytes);
            break;
        case Target::kReports:
            read = preferences.GetReportFont(bytes);
            break;
        case Target::kBudgets:
            read = preferences.GetBudgetFont(bytes);
            break;
    }
    return read ? CFontRecord::Decode(bytes) : CFontRecord{};
}

bool CScreenFont::Write(const CCVPreferences& preferences, Target target, const CFontRecord& font) {
    const CCVPreferences::FontRecord bytes = font.Encode();
    switch (target) {
        case Target::kScreens:
            return preferences.SetDefaultFont(bytes);
        case Target::kRegister:
            return preferences.SetFont(bytes);
        case Target::kReports:
            return preferences.SetReportFont(bytes);
        case Target::kBudgets:
            return preferences.SetBudgetFont(bytes);
    }
    return false;
}

ui::HFONT CScreenFont::FontOf(const CFontRecord& font, ui::HFONT base) {
    ui::LOGFONT description = base != nullptr ? base->Description() : ui::LOGFONT{};
    description.lfWeight = font.GetStyle() == CFontRecord::kBold ? ui::FW_BOLD : ui::FW_NORMAL;
    description.lfUnderline = font.GetStyle() == CFontRecord::kUnderlined;
    return ui::CFont::Create(description);
}

void CScreenFont::Apply(const CCVPreferences& preferences, Target target, ui::HWND window) {
    ui::SendFont(window, FontOf(Read(preferences, target)));
}

}  // namespace shell
