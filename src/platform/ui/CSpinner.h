#pragma once

#include <string>
#include <vector>

#include "platform/ui/CControl.h"

// A spinner: the handheld's one-line list box ("LISTBOX") joined to an up-down control. It shows
// the selected entry between two arrows; left and right (or a tap on an arrow) step through the
// entries, wrapping round at the ends. A change the user makes notifies the parent with
// WM_CV_VALUE_CHANGED and WM_COMMAND LBN_SELCHANGE.
namespace ui {

class CSpinner : public CControl {
public:
    int AddString(const std::wstring& text);
    int InsertString(int index, const std::wstring& text);  // at the end when past it
    bool DeleteString(int index);
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_items.size()); }
    int GetCurSel() const { return m_selected; }
    bool SetCurSel(int index);  // -1 clears; no notification
    std::wstring GetText(int index) const;
    int FindStringExact(const std::wstring& text) const;  // -1 when absent

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void Step(int delta);

    std::vector<std::wstring> m_items;
    int m_selected = -1;
};

}  // namespace ui
