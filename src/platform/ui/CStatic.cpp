#include "platform/ui/CStatic.h"

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {

void CStatic::SetTextColor(COLORREF color) {
    m_hasColor = true;
    m_color = color;
    Invalidate();
}

void CStatic::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, GetSysColor(COLOR_WINDOW));
    dc.SetTextColor(m_hasColor ? m_color : TextColor());
    unsigned format = DT_LEFT;
    const DWORD align = Style() & (SS_CENTER | SS_RIGHT);
    if (align == SS_CENTER) format = DT_CENTER;
    else if (align == SS_RIGHT) format = DT_RIGHT;
    format |= client.Height() > 1 ? DT_WORDBREAK : (DT_SINGLELINE | DT_END_ELLIPSIS);
    RECT area = client;
    dc.DrawText(GetWindowText(Handle()), area, format);
}

}  // namespace ui
