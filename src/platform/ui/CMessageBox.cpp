#include "platform/ui/CMessageBox.h"

#include <algorithm>

#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/StringTable.h"

namespace ui {
namespace {

constexpr wchar_t kBoxClass[] = L"MessageBox";
constexpr int kMinimumWidth = 24;
constexpr int kMargin = 2;      // frame and a blank on each side
constexpr int kIconWidth = 2;   // the icon and a blank
constexpr int kExtraRows = 4;   // frame, blank above the text, blank below, frame

wchar_t IconGlyph(UINT style) {
    switch (style & MB_ICONMASK) {
        case MB_ICONERROR: return L'✖';
        case MB_ICONQUESTION: return L'?';
        case MB_ICONWARNING: return L'!';
        case MB_ICONINFORMATION: return L'i';
        default: return 0;
    }
}

std::wstring Text(res::StringId id) { return std::wstring(res::LoadString(id)); }

std::unique_ptr<CMenu> ButtonsFor(UINT style) {
    auto menu = std::make_unique<CMenu>();
    const UINT type = style & MB_TYPEMASK;
    const bool second = (style & MB_DEFMASK) == MB_DEFBUTTON2;
    if (type == MB_YESNO) {
        menu->InsertItem(0, IDYES, Text(res::IDS_YES), second ? 0 : MF_DEFAULT);
        menu->InsertItem(1, IDNO, Text(res::IDS_NO), second ? MF_DEFAULT : 0);
    } else if (type == MB_OKCANCEL) {
        menu->InsertItem(0, IDOK, Text(res::IDS_OK), second ? 0 : MF_DEFAULT);
        menu->InsertItem(1, IDCANCEL, Text(res::IDS_CANCEL), second ? MF_DEFAULT : 0);
    } else {
        menu->InsertItem(0, IDOK, Text(res::IDS_OK), MF_DEFAULT);
    }
    return menu;
}

}  // namespace

int CMessageBox::Run(HWND owner, const std::wstring& text, const std::wstring& caption,
                     UINT style) {
    const HWND box = CreateWindowEx(0, kBoxClass, caption, WS_POPUP | WS_BORDER, 0, 0, 1, 1,
                                    GetAncestorRoot(owner));
    CMessageBox* control = GetControl<CMessageBox>(box);
    if (control == nullptr) return IDCANCEL;
    control->m_text = text;
    control->m_caption = caption;
    control->m_style = style;
    control->Place();
    CSoftKeyBar::CreateFromMenu(box, ButtonsFor(style));
    ShowWindow(box, SW_SHOW);
    const int answer = RunModalLoop(box);
    DestroyWindow(box);
    return answer;
}

void CMessageBox::Place() {
    const RECT work = CWindowManager::Instance().WorkArea();
    const int maxWidth = std::max(1, work.Width());
    int textWidth = 0;
    for (const std::wstring& line : WrapText(m_text, maxWidth - 2 * kMargin - kIconWidth)) {
        textWidth = std::max(textWidth, static_cast<int>(line.size()));
    }
    const int width = std::min(maxWidth, std::max({kMinimumWidth,
                                                   textWidth + 2 * kMargin + kIconWidth,
                                                   static_cast<int>(m_caption.size()) + 6}));
    const int lines = static_cast<int>(
        WrapText(m_text, width - 2 * kMargin - kIconWidth).size());
    const int height = std::min(work.Height(), lines + kExtraRows);
    MoveWindow(Handle(), work.left + (work.Width() - width) / 2,
               work.top + (work.Height() - height) / 2, width, height);
}

int CMessageBox::DefaultAnswer() const {
    const UINT type = m_style & MB_TYPEMASK;
    const bool second = (m_style & MB_DEFMASK) == MB_DEFBUTTON2;
    if (type == MB_YESNO) return second ? IDNO : IDYES;
    if (type == MB_OKCANCEL) return second ? IDCANCEL : IDOK;
    return IDOK;
}

int CMessageBox::BackAnswer() const {
    const UINT type = m_style & MB_TYPEMASK;
    if (type == MB_YESNO) return IDNO;
    if (type == MB_OKCANCEL) return IDCANCEL;
    return IDOK;
}

LRESULT CMessageBox::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = true;
    switch (message) {
        case WM_COMMAND: EndDialog(Handle(), static_cast<int>(LOWORD(wParam))); return 0;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) EndDialog(Handle(), DefaultAnswer());
            else if (wParam == VK_TBACK || wParam == VK_BACK) EndDialog(Handle(), BackAnswer());
            return 0;
        case WM_SETTINGCHANGE: Place(); return 0;
        default: handled = false; return 0;
    }
}

void CMessageBox::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, GetSysColor(COLOR_WINDOW));
    dc.FrameRect(client, GetSysColor(COLOR_WINDOWTEXT));
    if (!m_caption.empty()) {
        RECT caption{2, 0, client.right - 2, 1};
        const HFONT previous = dc.SelectFont(CFont::Create(LOGFONT{0, 0, FW_BOLD, false, false, L""}));
        dc.DrawText(L" " + m_caption + L" ", caption, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.SelectFont(previous);
    }
    int left = kMargin;
    if (const wchar_t icon = IconGlyph(m_style)) {
        dc.SetTextColor((m_style & MB_ICONMASK) == MB_ICONERROR ? RGB(192, 0, 0)
                                                                 : GetSysColor(COLOR_HIGHLIGHT));
        dc.TextOut(kMargin, 2, std::wstring(1, icon));
        left += kIconWidth;
    }
    dc.SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    RECT text{left, 2, client.right - kMargin, client.bottom - 1};
    dc.DrawText(m_text, text, DT_LEFT | DT_WORDBREAK);
}

}  // namespace ui
