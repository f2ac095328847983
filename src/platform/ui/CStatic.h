#pragma once

#include "platform/ui/CControl.h"

// Static text ("STATIC"): the window text, left, centred or right (SS_*), broken into lines when
// the control is more than one line high and cut with "..." otherwise.
namespace ui {

class CStatic : public CControl {
public:
    void SetTextColor(COLORREF color);

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    bool TakesFocus() const override { return false; }

private:
    bool m_hasColor = false;
    COLORREF m_color = 0;
};

}  // namespace ui
