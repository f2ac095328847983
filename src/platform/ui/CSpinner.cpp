#include "platform/ui/CSpinner.h"

#include <algorithm>
#include <cwctype>

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {
namespace {

constexpr wchar_t kLeftArrow[] = L"◄";
constexpr wchar_t kRightArrow[] = L"►";
constexpr int kArrowWidth = 1;

}  // namespace

int CSpinner::AddString(const std::wstring& text) { return InsertString(GetCount(), text); }

int CSpinner::InsertString(int index, const std::wstring& text) {
    const int at = (index < 0 || index > GetCount()) ? GetCount() : index;
    m_items.insert(m_items.begin() + at, text);
    if (m_selected >= at) ++m_selected;
    Invalidate();
    return at;
}

bool CSpinner::DeleteString(int index) {
    if (index < 0 || index >= GetCount()) return false;
    m_items.erase(m_items.begin() + index);
    if (m_selected == index) m_selected = std::min(index, GetCount() - 1);
    else if (m_selected > index) --m_selected;
    Invalidate();
    return true;
}

void CSpinner::ResetContent() {
    m_items.clear();
    m_selected = -1;
    Invalidate();
}

bool CSpinner::SetCurSel(int index) {
    if (index < -1 || index >= GetCount()) return false;
    m_selected = index;
    Invalidate();
    return true;
}

std::wstring CSpinner::GetText(int index) const {
    if (index < 0 || index >= GetCount()) return {};
    return m_items[static_cast<std::size_t>(index)];
}

int CSpinner::FindStringExact(const std::wstring& text) const {
    auto it = std::find(m_items.begin(), m_items.end(), text);
    return it == m_items.end() ? -1 : static_cast<int>(it - m_items.begin());
}

void CSpinner::Step(int delta) {
    if (GetCount() == 0) return;
    m_typed.clear();
    const int from = m_selected < 0 ? (delta > 0 ? -1 : 0) : m_selected;
    m_selected = ((from + delta) % GetCount() + GetCount()) % GetCount();
    Invalidate();
    CommandParent(LBN_SELCHANGE);
    ValueChanged();
}

void CSpinner::Select(int index) {
    if (index < 0 || index >= GetCount() || index == m_selected) return;
    m_selected = index;
    Invalidate();
    CommandParent(LBN_SELCHANGE);
    ValueChanged();
}

int CSpinner::FindPrefix(const std::wstring& prefix, int from) const {
    const int count = GetCount();
    for (int step = 1; step <= count; ++step) {
        const int index = ((from + step) % count + count) % count;
        const std::wstring& item = m_items[static_cast<std::size_t>(index)];
        if (item.size() < prefix.size()) continue;
        bool same = true;
        for (std::size_t i = 0; i < prefix.size() && same; ++i) {
            same = std::towlower(static_cast<wint_t>(item[i])) ==
                   std::towlower(static_cast<wint_t>(prefix[i]));
        }
        if (same) return index;
    }
    return -1;
}

void CSpinner::TypeToFind(wchar_t ch) {
    if (GetCount() == 0) return;
    // First the entry shown, as long as it goes on with the longer text; then the next ones.
    const std::wstring longer = m_typed + ch;
    int found = FindPrefix(longer, m_selected - 1);
    if (found >= 0) {
        m_typed = longer;
    } else {
        m_typed.assign(1, ch);
        found = FindPrefix(m_typed, m_selected);
    }
    if (found < 0) {
        m_typed.clear();
        return;
    }
    Select(found);
}

LRESULT CSpinner::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    handled = true;
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_LEFT) Step(-1);
            else if (wParam == VK_RIGHT) Step(1);
            else if (wParam == VK_HOME) { m_typed.clear(); Select(0); }
            else if (wParam == VK_END) { m_typed.clear(); Select(GetCount() - 1); }
            else if (wParam == VK_RETURN) CommandParent(LBN_DBLCLK);
            else handled = false;
            return 0;
        case WM_CHAR:
            if (wParam > L' ' && wParam != 0x7F) TypeToFind(static_cast<wchar_t>(wParam));
            else if (wParam == L' ' && !m_typed.empty()) TypeToFind(L' ');
            return 0;
        case WM_LBUTTONUP: {
            const int x = static_cast<int>(static_cast<std::int16_t>(LOWORD(lParam)));
            if (x < kArrowWidth) Step(-1);
            else if (x >= ClientRect().right - kArrowWidth) Step(1);
            return 0;
        }
        default: handled = false; return 0;
    }
}

void CSpinner::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, FieldColor());
    dc.SetBkColor(FieldColor());
    dc.SetTextColor(TextColor());
    dc.TextOut(0, 0, kLeftArrow);
    dc.TextOut(client.right - kArrowWidth, 0, kRightArrow);
    RECT text{kArrowWidth + 1, 0, client.right - kArrowWidth - 1, 1};
    dc.DrawText(GetText(m_selected), text, DT_CENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace ui
