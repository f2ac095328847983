#include "shell/CCVUIUtility.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

#include "model/CVModel.h"
#include "model/DataFolderText.h"
#include "model/TypedAmount.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace {

constexpr int kHeadingHeight = 16;
constexpr int kHeadingWidth = 8;
constexpr wchar_t kHeadingFace[] = L"Times New Roman";
constexpr int kDotsPerInch = 96;

constexpr char kDecimalSeparator = '.';

std::wstring Cut(std::wstring_view text, std::size_t limit) {
    return std::wstring(text.substr(0, std::min(text.size(), limit)));
}

}  // namespace

CCVUIUtility& CCVUIUtility::Instance() {
    static CCVUIUtility utility;
    return utility;
}

int CCVUIUtility::Initialise() {
    m_currentFont = ui::CFont::Default();
    m_headingColor = 0;
    ui::ShowWaitIndicator(false);
    return 0;
}

ui::HWND CCVUIUtility::CreateSoftKeyBar(int menuId, ui::HWND window, unsigned flags) {
    const ui::HWND bar = (flags & kMenuBarEmpty) != 0
                             ? ui::CSoftKeyBar::CreateFromMenu(window, std::make_unique<ui::CMenu>())
                             : ui::CreateSoftKeyBar(window, menuId);
    if (bar != nullptr) ui::OverrideBackKey(bar, true);
    return bar;
}

void CCVUIUtility::ShowWaitCursor() {
    if (!ui::IsWaitIndicatorShown()) ui::ShowWaitIndicator(true);
}

bool CCVUIUtility::HideWaitCursor() {
    if (!ui::IsWaitIndicatorShown()) return false;
    ui::ShowWaitIndicator(false);
    return true;
}

bool CCVUIUtility::MessageBox(ui::HWND owner, res::StringId textId, ui::UINT style,
                              res::StringId captionId, std::wstring_view text) {
    const std::wstring shown = Cut(text.empty() ? res::LoadString(textId) : text, kMaxMessageText);
    if (shown.empty()) return false;
    const std::wstring caption = Cut(res::LoadString(captionId), kMaxCaption);
    const bool waitWasShown = HideWaitCursor();
    const int answer = ui::MessageBox(owner, shown, caption, style);
    if (waitWasShown) ShowWaitCursor();
    return answer == ui::IDOK || answer == ui::IDYES;
}

ui::HWND CCVUIUtility::StaticLabel(res::StringId textId, std::wstring_view text,
                                   const ui::RECT& rect, ui::HWND parent) {
    const std::wstring label(text.empty() ? res::LoadString(textId) : text);
    return ui::CreateWindow(L"STATIC", label, ui::WS_CHILD | ui::WS_VISIBLE, rect.left, rect.top,
                            rect.Width(), rect.Height(), parent);
}

ui::HFONT CCVUIUtility::HeadingFont(ui::HWND window) {
    const ui::HFONT font = ui::CFont::Create(
        ui::LOGFONT{kHeadingHeight, kHeadingWidth, ui::FW_SEMIBOLD, false, false, kHeadingFace});
    ui::SendFont(window, font);
    return font;
}

ui::HFONT CCVUIUtility::SetFont(const ui::LOGFONT& description, ui::HWND window) {
    m_currentFont = ui::CFont::Create(description);
    ui::SendFont(window, m_currentFont);
    return m_currentFont;
}

ui::SIZE CCVUIUtility::ScreenResolution(ui::HWND) const {
    return ui::SIZE{kDotsPerInch, kDotsPerInch};
}

void CCVUIUtility::DrawHeading(ui::CDeviceContext& dc, res::StringId textId) {
    DrawHeadingAt(dc, res::LoadString(textId), 0);
}

void CCVUIUtility::DrawHeading(ui::CDeviceContext& dc, std::wstring_view text) {
    DrawHeadingAt(dc, text, 1);
}

void CCVUIUtility::DrawHeadingAt(ui::CDeviceContext& dc, std::wstring_view text, int row) {
    ui::LOGFONT bold = m_currentFont->Description();
    bold.lfWeight = ui::FW_SEMIBOLD;
    const ui::HFONT previous = dc.SelectFont(ui::CFont::Create(bold));
    const ui::COLORREF color = m_headingColor != 0 ? m_headingColor
                                                   : ui::GetSysColor(ui::COLOR_ACTIVECAPTION);
    const ui::COLORREF previousColor = dc.SetTextColor(color);
    const int previousMode = dc.SetBkMode(ui::TRANSPARENT);
    dc.TextOut(0, row, text);
    dc.SetBkMode(previousMode);
    dc.SetTextColor(previousColor);
    dc.SelectFont(previous);
}

void CCVUIUtility::DrawIcon(int set, int n, ui::CDeviceContext& dc, int x, int y) {
    const int previousMode = dc.SetBkMode(ui::TRANSPARENT);
    dc.TextOut(x, y, std::wstring(1, res::IconGlyph(set, n)));
    dc.SetBkMode(previousMode);
}

void CCVUIUtility::DrawStateGlyph(int n, ui::CDeviceContext& dc, const ui::RECT& rect) {
    const int previousMode = dc.SetBkMode(ui::TRANSPARENT);
    ui::RECT area = rect;
    dc.DrawText(std::wstring(1, res::StateGlyph(n)), area,
                ui::DT_CENTER | ui::DT_VCENTER | ui::DT_SINGLELINE);
    dc.SetBkMode(previousMode);
}

std::wstring CCVUIUtility::AmountText(Amount amount, bool showDecimals,
                                      std::wstring_view currencyName) {
    std::string number = FormatAmount(
        amount, showDecimals ? kAmountPlain : kAmountWholeUnits, kDecimalSeparator);
    // An amount under one unit has no units digit (".05", "-.05", or nothing at all for 0):
    // people read "0.05" and "0.00", and "0" without decimals.
    const std::size_t units = !number.empty() && number.front() == '-' ? 1 : 0;
    if (number.size() == units || number[units] == kDecimalSeparator) {
        number.insert(units, 1, '0');
    }
    if (showDecimals && number.find(kDecimalSeparator) == std::string::npos) number += ".00";
    if (number == "-0" || number == "-0.00") number.erase(0, 1);
    std::wstring text;
    if (!currencyName.empty()) {
        text += currencyName;
        text += L' ';
    }
    text += sys::AnsiToWide(number);
    text += L' ';
    return text;
}

std::wstring CCVUIUtility::DateText(int month, int day, int year, bool withYear) {
    std::wstring text = std::to_wstring(month);
    text += L'/';
    text += std::to_wstring(day);
    if (withYear) {
        const int lastTwo = std::abs(year) % 100;
        text += L'/';
        text += static_cast<wchar_t>(L'0' + lastTwo / 10);
        text += static_cast<wchar_t>(L'0' + lastTwo % 10);
    }
    return text;
}

std::wstring CCVUIUtility::FitText(ui::CDeviceContext& dc, std::wstring_view text, int width) {
    (void)dc;  // every character is one cell wide on the terminal
    return ui::FitTextToWidth(text, width);
}

bool CCVUIUtility::IsValidAmountText(std::wstring_view text, bool required) {
    // A character the stored code page lacks becomes '?', which no amount holds.
    return ::IsValidAmountText(NarrowCopy(text), required);
}

bool CCVUIUtility::AmountCheck(std::wstring_view text, bool required) {
    Amount amount = 0;
    const EditOutcome read = ReadEnteredAmount(
        NarrowCopy(text), required ? AmountEntry::kRequired : AmountEntry::kOptional, amount);
    if (read.IsDone()) return true;
    if (required) MessageBox(ui::GetActiveWindow(), read.message, ui::MB_OK | ui::MB_ICONWARNING);
    return false;
}

std::wstring CCVUIUtility::WideCopy(std::string_view narrow) { return sys::AnsiToWide(narrow); }
std::string CCVUIUtility::NarrowCopy(std::wstring_view wide) { return sys::WideToAnsi(wide); }

bool CCVUIUtility::RouteKey(ui::HWND focused, const ui::MSG& msg) {
    if (focused == nullptr || ui::GetParent(focused) == nullptr) return false;
    if ((ui::SendMessage(focused, ui::WM_GETDLGCODE, 0, 0) & ui::DLGC_WANTARROWS) == 0) {
        return false;
    }
    ui::SendMessage(focused, msg.message, msg.wParam, msg.lParam);
    return true;
}

bool CCVUIUtility::BringUpExistingWindow(const std::wstring& className, const std::wstring& title) {
    const ui::HWND window = ui::FindWindow(className, title);
    if (window == nullptr) return false;
    return ui::SetForegroundWindow(window);
}

void CCVUIUtility::Release() { m_currentFont = ui::CFont::Default(); }

std::wstring CCVUIUtility::SaveFailureMessage(CVModel& model) {
    const CCVAccountList* accounts = model.GetAccountList();
    const std::string reason =
        accounts != nullptr ? SaveFailureText(accounts->LastSaveFailure()) : std::string();
    if (reason.empty()) {
        return FormatString(res::IDS_DATA_NOT_SAVED_SCREEN, model.GetDataFolder().c_str());
    }
    return FormatString(res::IDS_SAVE_NOT_SAVED_SCREEN, reason.c_str());
}
