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

bool CEdit::IsMultiLine() const {
    return (Style() & ES_MULTILINE) != 0;
}

std::vector<CEdit::Line> CEdit::Lines(const std::wstring& text) const {
    // The last column is left for the caret after the last character of a line.
    const int capacity = std::max(1, ClientRect().Width() - 1);
    const int length = static_cast<int>(text.size());
    std::vector<Line> lines;
    int start = 0;
    while (true) {
        const std::size_t newline = text.find(L'\n', static_cast<std::size_t>(start));
        const int end = newline == std::wstring::npos ? length : static_cast<int>(newline);
        while (end - start > capacity) {
            int blank = start + capacity;
            while (blank > start && text[static_cast<std::size_t>(blank)] != L' ') --blank;
            const int next = blank > start ? blank + 1 : start + capacity;
            lines.push_back(Line{start, blank > start ? blank : next});
            start = next;
        }
        lines.push_back(Line{start, end});
        if (end == length) return lines;
        start = end + 1;
    }
}

int CEdit::LineOfCaret(const std::vector<Line>& lines, int caret) {
    int found = 0;
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        if (lines[static_cast<std::size_t>(i)].start <= caret) found = i;
    }
    return found;
}

int CEdit::LineEnd(const std::vector<Line>& lines, int line) {
    const auto index = static_cast<std::size_t>(line);
    const bool wrapsInWord = index + 1 < lines.size() && lines[index + 1].start == lines[index].end;
    return wrapsInWord ? lines[index].end - 1 : lines[index].end;
}

bool CEdit::MoveInLines(unsigned vk, LPARAM lParam) {
    if (vk != VK_UP && vk != VK_DOWN && vk != VK_HOME && vk != VK_END) return false;
    const std::vector<Line> lines = Lines(GetWindowText(Handle()));
    const int current = LineOfCaret(lines, m_caret);
    const Line line = lines[static_cast<std::size_t>(current)];
    switch (vk) {
        case VK_HOME:
            m_caret = line.start;
            break;
        case VK_END:
            m_caret = LineEnd(lines, current);
            break;
        case VK_UP:
        case VK_DOWN: {
            const int target = current + (vk == VK_UP ? -1 : 1);
            if (target < 0 || target >= static_cast<int>(lines.size())) {
                SendMessage(GetParent(Handle()), WM_KEYDOWN, vk, lParam);
                return true;
            }
            const int start = lines[static_cast<std::size_t>(target)].start;
            m_caret = std::min(start + (m_caret - line.start), LineEnd(lines, target));
            break;
        }
        default:
            return false;
    }
    Invalidate();
    return true;
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
        case WM_GETDLGCODE:
            handled = IsMultiLine();
            return handled ? DLGC_WANTARROWS : 0;
        case WM_KEYDOWN:
            if (IsMultiLine() && MoveInLines(static_cast<unsigned>(wParam), lParam)) return 0;
            if (wParam == VK_RETURN) {
                if (IsMultiLine() && (Style() & ES_WANTRETURN) != 0) {
                    if (Insert(L'\n')) Changed();
                } else {
                    CommandParent(EN_RETURN);
                }
                return 0;
            }
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
    const std::wstring text = GetWindowText(Handle());
    std::wstring shown = text;
    if (IsMasked()) shown.assign(text.size(), kMaskChar);
    m_caret = std::clamp(m_caret, 0, static_cast<int>(text.size()));
    if (IsMultiLine()) {
        PaintLines(dc, text, shown);
        return;
    }
    const int width = std::max(1, client.Width());
    // Scrolled so that the caret stays in view.
    const int offset = std::max(0, m_caret - (width - 1));
    dc.TextOut(0, 0,
               std::wstring_view(shown).substr(static_cast<std::size_t>(offset),
                                               static_cast<std::size_t>(width)));
    PaintCaret(
        dc, m_caret - offset, 0,
        m_caret < static_cast<int>(shown.size()) ? shown[static_cast<std::size_t>(m_caret)] : L' ');
}

void CEdit::PaintLines(CDeviceContext& dc, const std::wstring& text, const std::wstring& shown) {
    const std::vector<Line> lines = Lines(text);
    const int rows = std::max(1, ClientRect().Height());
    const int caretLine = LineOfCaret(lines, m_caret);
    // Scrolled so that the caret's line stays in view.
    m_topLine = std::max(std::min(m_topLine, caretLine), caretLine - rows + 1);
    for (int row = 0; row < rows && m_topLine + row < static_cast<int>(lines.size()); ++row) {
        const Line& line = lines[static_cast<std::size_t>(m_topLine + row)];
        dc.TextOut(
            0, row,
            std::wstring_view(shown).substr(static_cast<std::size_t>(line.start),
                                            static_cast<std::size_t>(line.end - line.start)));
    }
    const bool onText =
        m_caret < static_cast<int>(text.size()) && text[static_cast<std::size_t>(m_caret)] != L'\n';
    PaintCaret(dc, m_caret - lines[static_cast<std::size_t>(caretLine)].start,
               caretLine - m_topLine, onText ? shown[static_cast<std::size_t>(m_caret)] : L' ');
}

void CEdit::PaintCaret(CDeviceContext& dc, int x, int y, wchar_t under) const {
    if (!HasFocus()) return;
    dc.SetTextColor(FieldColor());
    dc.SetBkColor(TextColor());
    dc.TextOut(x, y, std::wstring(1, under));
}

}  // namespace ui
