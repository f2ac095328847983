#include "platform/ui/CEdit.h"

#include <algorithm>

#include "platform/sys/CodePage.h"
#include "platform/ui/WindowApi.h"

namespace ui {

void CEdit::SetLimit(int limit) { m_limit = limit > 0 ? limit : kDefaultLimit; }

void CEdit::SetMasked(bool masked) {
    m_maskOverride = masked ? 1 : 0;
    Invalidate();
}

bool CEdit::IsMasked() const {
    if (m_maskOverride >= 0) return m_maskOverride == 1;
    return (Style() & ES_PASSWORD) != 0;
}

void CEdit::Changed() {
    Invalidate();
    CommandParent(EN_CHANGE);
    ValueChanged();
}

bool CEdit::Insert(wchar_t ch) {
    if ((Style() & ES_READONLY) != 0) return false;
    if ((Style() & ES_NUMBER) != 0 && (ch < L'0' || ch > L'9')) return false;
    // Text is stored in Windows-1252: what it cannot hold would come back as '?'.
    if (!sys::IsAnsiChar(ch)) return false;
    std::wstring text = GetWindowText(Handle());
    if (static_cast<int>(text.size()) >= m_limit) return false;
    m_caret = std::clamp(m_caret, 0, static_cast<int>(text.size()));
    text.insert(text.begin() + m_caret, ch);
    const int caret = m_caret + 1;
    DefWindowProc(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    m_caret = caret;
    return true;
}

bool CEdit::EraseAt(int index) {
    if ((Style() & ES_READONLY) != 0) return false;
    std::wstring text = GetWindowText(Handle());
    if (index < 0 || index >= static_cast<int>(text.size())) return false;
    text.erase(static_cast<std::size_t>(index), 1);
    const int caret = index < m_caret ? m_caret - 1 : m_caret;
    DefWindowProc(Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    m_caret = caret;
    return true;
}

LRESULT CEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    const int length = static_cast<int>(GetWindowText(Handle()).size());
    switch (message) {
        case WM_CHAR:
            // Control characters (the Back key's 0x08 and 0x1B among them) type nothing.
            if (wParam >= L' ' && wParam != 0x7F && Insert(static_cast<wchar_t>(wParam))) {
                Changed();
            }
            return 0;
        case WM_KEYDOWN:
            switch (wParam) {
                case VK_BACK:
                case VK_TBACK:
                    if (EraseAt(m_caret - 1)) Changed();
                    return 0;
                case VK_DELETE:
                    if (EraseAt(m_caret)) Changed();
                    return 0;
                case VK_LEFT: m_caret = std::max(0, m_caret - 1); break;
                case VK_RIGHT: m_caret = std::min(length, m_caret + 1); break;
                case VK_HOME: m_caret = 0; break;
                case VK_END: m_caret = length; break;
                default: handled = false; return 0;
            }
            Invalidate();
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProc(Handle(), message, wParam, lParam);
            m_caret = static_cast<int>(GetWindowText(Handle()).size());
            return result;
        }
        case EM_LIMITTEXT: SetLimit(static_cast<int>(wParam)); return 0;
        case EM_SETPASSWORDCHAR: SetMasked(wParam != 0); return 0;
        case WM_SETFOCUS:
            m_caret = length;
            return 0;
        default: handled = false; return 0;
    }
}

void CEdit::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, FieldColor());
    dc.SetBkColor(FieldColor());
    dc.SetTextColor(TextColor());
    std::wstring text = GetWindowText(Handle());
    if (IsMasked()) text.assign(text.size(), kMaskChar);
    const int width = std::max(1, client.Width());
    m_caret = std::clamp(m_caret, 0, static_cast<int>(text.size()));
    // Scrolled so that the caret stays in view.
    const int offset = std::max(0, m_caret - (width - 1));
    dc.TextOut(0, 0, std::wstring_view(text).substr(static_cast<std::size_t>(offset),
                                                     static_cast<std::size_t>(width)));
    if (HasFocus()) {
        const wchar_t under = m_caret < static_cast<int>(text.size())
                                  ? text[static_cast<std::size_t>(m_caret)]
                                  : L' ';
        dc.SetTextColor(FieldColor());
        dc.SetBkColor(TextColor());
        dc.TextOut(m_caret - offset, 0, std::wstring(1, under));
    }
}

}  // namespace ui
