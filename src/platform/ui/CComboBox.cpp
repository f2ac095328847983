#include "platform/ui/CComboBox.h"

#include <algorithm>
#include <cwctype>

#include "platform/sys/CodePage.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {
namespace {

constexpr wchar_t kLeftArrow[] = L"◄";
constexpr wchar_t kRightArrow[] = L"►";
constexpr int kArrowWidth = 1;

bool StartsWithNoCase(const std::wstring& text, const std::wstring& prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::towlower(static_cast<wint_t>(text[i])) !=
            std::towlower(static_cast<wint_t>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int CComboBox::AddString(const std::wstring& text) {
    m_items.push_back(text);
    Invalidate();
    return GetCount() - 1;
}

void CComboBox::ResetContent() {
    m_items.clear();
    m_selected = -1;
    Invalidate();
}

bool CComboBox::SetCurSel(int index) {
    if (index < -1 || index >= GetCount()) return false;
    m_selected = index;
    SetText(index < 0 ? std::wstring() : m_items[static_cast<std::size_t>(index)]);
    return true;
}

std::wstring CComboBox::GetText(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    return m_items[static_cast<std::size_t>(index)];
}

int CComboBox::FindStringExact(const std::wstring& text) const {
    for (int i = 0; i < GetCount(); ++i) {
        const std::wstring& item = m_items[static_cast<std::size_t>(i)];
        if (item.size() == text.size() && StartsWithNoCase(item, text)) return i;
    }
    return -1;
}

std::wstring CComboBox::Completion() const {
    const std::wstring text = GetWindowText(Handle());
    return m_typed < text.size() ? text.substr(m_typed) : std::wstring();
}

void CComboBox::SetText(const std::wstring& text) {
    DefWindowProc(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    m_typed = text.size();
    Invalidate();
}

void CComboBox::Notify(UINT code) {
    Invalidate();
    CommandParent(code);
    ValueChanged();
}

void CComboBox::Pick(int index) {
    if (index < 0 || index >= GetCount()) return;
    m_selected = index;
    SetText(m_items[static_cast<std::size_t>(index)]);
    Notify(CBN_SELCHANGE);
}

void CComboBox::Step(int delta) {
    if (GetCount() == 0) return;
    const int from = m_selected < 0 ? (delta > 0 ? -1 : 0) : m_selected;
    Pick(((from + delta) % GetCount() + GetCount()) % GetCount());
}

void CComboBox::Type(wchar_t ch) {
    if (!sys::IsAnsiChar(ch)) return;
    std::wstring typed = GetWindowText(Handle()).substr(0, m_typed);
    if (static_cast<int>(typed.size()) >= m_limit) return;
    typed += ch;
    for (int i = 0; i < GetCount(); ++i) {
        const std::wstring& item = m_items[static_cast<std::size_t>(i)];
        if (!item.empty() && StartsWithNoCase(item, typed) &&
            static_cast<int>(item.size()) <= m_limit) {
            // What was typed stays as typed; the entry completes it.
            m_selected = i;
            SetText(typed + item.substr(typed.size()));
            m_typed = typed.size();
            Notify(CBN_SELCHANGE);
            return;
        }
    }
    m_selected = -1;
    SetText(typed);
    Notify(CBN_EDITCHANGE);
}

void CComboBox::Erase() {
    const std::wstring text = GetWindowText(Handle());
    std::wstring typed = text.substr(0, m_typed);
    if (m_typed == text.size()) {
        if (typed.empty()) return;
        typed.pop_back();
    }
    SetText(typed);
    m_selected = FindStringExact(typed);
    Notify(m_selected >= 0 ? CBN_SELCHANGE : CBN_EDITCHANGE);
}

LRESULT CComboBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
        case WM_CHAR:
            if (wParam >= L' ' && wParam != 0x7F) Type(static_cast<wchar_t>(wParam));
            return 0;
        case WM_KEYDOWN:
            switch (wParam) {
                case VK_LEFT:
                    Step(-1);
                    return 0;
                case VK_RIGHT:
                    Step(1);
                    return 0;
                case VK_HOME:
                    Pick(0);
                    return 0;
                case VK_END:
                    Pick(GetCount() - 1);
                    return 0;
                case VK_BACK:
                case VK_TBACK:
                    Erase();
                    return 0;
                case VK_RETURN:
                    m_typed = GetWindowText(Handle()).size();
                    Notify(CBN_DBLCLK);
                    return 0;
                default:
                    handled = false;
                    return 0;
            }
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProc(Handle(), message, wParam, lParam);
            const std::wstring text = GetWindowText(Handle());
            m_typed = text.size();
            m_selected = FindStringExact(text);
            return result;
        }
        case WM_KILLFOCUS:
            // Leaving the field accepts the completion as typed text.
            m_typed = GetWindowText(Handle()).size();
            handled = false;
            return 0;
        case WM_LBUTTONUP: {
            const int x = static_cast<int>(static_cast<std::int16_t>(LOWORD(lParam)));
            if (x < kArrowWidth)
                Step(-1);
            else if (x >= ClientRect().right - kArrowWidth)
                Step(1);
            return 0;
        }
        default:
            handled = false;
            return 0;
    }
}

void CComboBox::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, FieldColor());
    dc.SetBkColor(FieldColor());
    dc.SetTextColor(TextColor());
    dc.TextOut(0, 0, kLeftArrow);
    dc.TextOut(client.right - kArrowWidth, 0, kRightArrow);
    const std::wstring text = GetWindowText(Handle());
    const int width = std::max(1, client.Width() - 2 * (kArrowWidth + 1));
    const int left = kArrowWidth + 1;
    const int caret = static_cast<int>(std::min(m_typed, text.size()));
    const int offset = std::max(0, static_cast<int>(text.size()) + 1 - width);
    const std::wstring shown =
        text.substr(static_cast<std::size_t>(std::min<int>(offset, static_cast<int>(text.size()))));
    dc.TextOut(left, 0, std::wstring_view(shown).substr(0, static_cast<std::size_t>(width)));
    if (!HasFocus()) return;
    // The completed part, then the caret after the text, in reverse.
    dc.SetTextColor(FieldColor());
    dc.SetBkColor(TextColor());
    for (int i = std::max(caret, offset); i < static_cast<int>(text.size()); ++i) {
        if (i - offset >= width) break;
        dc.TextOut(left + i - offset, 0, std::wstring(1, text[static_cast<std::size_t>(i)]));
    }
    const int end = static_cast<int>(text.size()) - offset;
    if (end < width) dc.TextOut(left + end, 0, L" ");
}

}  // namespace ui
