#pragma once

#include <string>
#include <vector>

#include "platform/ui/CControl.h"

// A spinner: the handheld's one-line list box ("LISTBOX") joined to an up-down control. It shows
// the selected entry between two arrows; left and right (or a tap on an arrow) step through the
// entries, wrapping round at the ends; Home and End go to the first and the last entry; a typed
// character finds the next entry that starts with what was typed (letter case ignored; a
// character that continues no entry starts a new search). A change the user makes notifies the
// parent with WM_CV_VALUE_CHANGED and WM_COMMAND LBN_SELCHANGE. The action key chooses the entry
// shown: WM_COMMAND LBN_DBLCLK, so that a screen acts on a choice, never on mere stepping.
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
    void Select(int index);  // and notifies, when it changes
    // The next entry from `from` (wrapping, `from` itself last) starting with `prefix`, or -1.
    int FindPrefix(const std::wstring& prefix, int from) const;
    void TypeToFind(wchar_t ch);

    std::vector<std::wstring> m_items;
    int m_selected = -1;
    std::wstring m_typed;  // what type-to-find has gathered
};

}  // namespace ui
