#include "platform/ui/CCheckBox.h"

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {

void CCheckBox::SetChecked(bool checked) {
    m_checked = checked;
    Invalidate();
}

void CCheckBox::Toggle() {
    SetChecked(!m_checked);
    CommandParent(BN_CLICKED);
}

LRESULT CCheckBox::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = true;
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) Toggle();
            else handled = false;
            return 0;
        case WM_LBUTTONUP: Toggle(); return 0;
        case BM_GETCHECK: return m_checked ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK: SetChecked(wParam == BST_CHECKED); return 0;
        default: handled = false; return 0;
    }
}

void CCheckBox::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, GetSysColor(COLOR_WINDOW));
    dc.SetTextColor(TextColor());
    dc.SetBkColor(FieldColor());
    dc.TextOut(0, 0, m_checked ? L"[x]" : L"[ ]");
    dc.SetBkColor(GetSysColor(COLOR_WINDOW));
    RECT label{4, 0, client.right, 1};
    dc.DrawText(GetWindowText(Handle()), label, DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS);
}

}  // namespace ui
