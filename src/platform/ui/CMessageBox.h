#pragma once

#include <string>

#include "platform/ui/CControl.h"

// A message box ("MessageBox"): a framed pop-up with the caption, an icon and the text, over its
// owner, with its buttons on the soft keys: "OK"; "OK" and "Cancel"; or "Yes" and "No". The action
// key answers with the default button, the Back key with Cancel or No ("OK" for a box that has
// only that). Run shows it modally and returns the answer.
namespace ui {

class CMessageBox : public CControl {
public:
    static int Run(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void Place();
    int DefaultAnswer() const;
    int BackAnswer() const;

    std::wstring m_text;
    std::wstring m_caption;
    UINT m_style = 0;
};

}  // namespace ui
