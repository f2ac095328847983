#pragma once

#include <string>
#include <string_view>

#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "platform/ui/CDeviceContext.h"
#include "platform/ui/CFont.h"
#include "platform/ui/WinMessages.h"
#include "resources/StringIds.h"
#include "resources/StringTable.h"
#include "storage/Amount.h"

// The chores every screen shares: soft-key bars whose Back key comes to the window, message boxes
// by string id, the wait indicator, fonts and headings, icons and state glyphs, the text of
// amounts and dates, text cut to a width, wide and narrow copies, and keeping the arrow keys with
// an open list. One object, created on first use by its getter.
class CVModel;

class CCVUIUtility {
  public:
    // Soft-key bar flags; a terminal has no input-panel button and no bar colours, so only
    // kMenuBarEmpty (a bar without keys) changes anything.
    enum MenuBarFlags : unsigned {
        kMenuBarEmpty = 0x1,
        kMenuBarHideInputPanel = 0x4,
        kMenuBarColorBackground = 0x8,
    };

    // Limits of the amount check (see ::IsValidAmountText).
    static constexpr Amount kMaxAmount = kMaxAmountMagnitude;
    static constexpr std::size_t kMaxAmountDigits = ::kMaxAmountDigits;
    static constexpr std::size_t kMaxMessageText = 512;
    static constexpr std::size_t kMaxCaption = 64;

    static CCVUIUtility& Instance();

    // Starts from the default font and the caption colour for headings, with the wait indicator
    // hidden. 0 on success.
    int Initialise();

    // The soft-key bar of a screen from a menu definition, with the Back key handed to the window
    // as WM_HOTKEY. Null when the menu is unknown or the window cannot have a bar.
    ui::HWND CreateSoftKeyBar(int menuId, ui::HWND window, unsigned flags = 0);

    // A terminal has no software input panel: there is nothing to hide.
    void HideInputPanel() {}

    void ShowWaitCursor();
    // Hides the wait indicator; answers whether it was shown.
    bool HideWaitCursor();

    // Shows `text`, or else string `textId` (cut to 512 characters), with string `captionId` as
    // caption (cut to 64). Nothing is shown, and the answer is false, when there is no text. The
    // wait indicator is hidden while the box is up and shown again afterwards if it was shown.
    // True when the answer is OK or Yes.
    bool MessageBox(ui::HWND owner, res::StringId textId, ui::UINT style,
                    res::StringId captionId = res::IDS_APP_NAME, std::wstring_view text = {});

    // A "STATIC" child showing string `textId`, or `text` when given, or nothing.
    ui::HWND StaticLabel(res::StringId textId, std::wstring_view text, const ui::RECT& rect,
                         ui::HWND parent);

    // The bold heading font, set on the window.
    ui::HFONT HeadingFont(ui::HWND window);
    // Creates a font, sets it on the window and makes it the current font.
    ui::HFONT SetFont(const ui::LOGFONT& description, ui::HWND window);
    ui::HFONT CurrentFont() const { return m_currentFont; }
    // Cells have no size in inches; sizes scaled by "pixels per inch / 96" stay as given.
    ui::SIZE ScreenResolution(ui::HWND window) const;
    // The height of a list row.
    int RowHeight() const { return 1; }

    // Draws a heading in bold in the heading colour: the string form on the top row, the text
    // form on the row below it.
    void DrawHeading(ui::CDeviceContext& dc, res::StringId textId);
    void DrawHeading(ui::CDeviceContext& dc, std::wstring_view text);
    void SetHeadingColor(ui::COLORREF color) { m_headingColor = color; }

    // Icon n of icon set 0, 1 or 2, and state glyph n, drawn with a transparent background.
    void DrawIcon(int set, int n, ui::CDeviceContext& dc, int x, int y);
    void DrawStateGlyph(int n, ui::CDeviceContext& dc, const ui::RECT& rect);

    // "1234.56 " or "EUR 1234.56 "; without decimals the whole units, "1234 ".
    static std::wstring AmountText(Amount amount, bool showDecimals,
                                   std::wstring_view currencyName = {});
    // "3/5" or, with the year, "3/5/07".
    static std::wstring DateText(int month, int day, int year, bool withYear);
    // The text cut to `width` cells with "..." (see ui::FitTextToWidth).
    static std::wstring FitText(ui::CDeviceContext& dc, std::wstring_view text, int width);

    // Whether the text is an amount the data model can hold (the typed-amount rule of
    // ReadEnteredAmount); an empty text is valid only when not required. A required text that is
    // not valid shows why: "Enter a valid amount.", too many decimals, or too large.
    bool AmountCheck(std::wstring_view text, bool required);
    static bool IsValidAmountText(std::wstring_view text, bool required);

    // String `id` filled with printf arguments (numbers, and C strings in UTF-8).
    template <typename... Args>
    static std::wstring FormatString(res::StringId id, Args... args) {
        return sys::Utf8ToWide(sys::FormatText(sys::WideToUtf8(res::LoadString(id)), args...));
    }

    // What a screen says when CVModel::SaveChanges failed: the file and the cause when the model
    // knows them, else that the data in the folder could not all be written.
    static std::wstring SaveFailureMessage(CVModel& model);

    // Copies between screen text and stored text (Windows-1252).
    static std::wstring WideCopy(std::string_view narrow);
    static std::string NarrowCopy(std::wstring_view wide);

    // Up and down for a focused list that keeps them: handed to it, and true. Otherwise false:
    // the screen moves the focus itself.
    bool RouteKey(ui::HWND focused, const ui::MSG& msg);

    // Finds a top-level window by class and title and brings it to the front. False when none.
    bool BringUpExistingWindow(const std::wstring& className, const std::wstring& title);

    // Drops the current font (on "Exit").
    void Release();

  private:
    CCVUIUtility() = default;
    void DrawHeadingAt(ui::CDeviceContext& dc, std::wstring_view text, int row);

    ui::HFONT m_currentFont = ui::CFont::Default();
    ui::COLORREF m_headingColor = 0;  // 0: the caption colour
};
