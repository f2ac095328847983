#pragma once

#include "platform/ui/CControl.h"

// A check box ("BUTTON"): "[x]" or "[ ]" before the window text. The action key, the space bar or
// a tap toggles it and tells the parent with WM_COMMAND BN_CLICKED.
namespace ui {

class CCheckBox : public CControl {
public:
    bool IsChecked() const { return m_checked; }
    void SetChecked(bool checked);

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void Toggle();

    bool m_checked = false;
};

}  // namespace ui
