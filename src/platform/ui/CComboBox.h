#pragma once

#include <string>
#include <vector>

#include "platform/ui/CControl.h"

// An editable drop-down ("COMBOBOX"): a field that takes typed text, with a list of entries to
// pick from. Left and right (or a tap on an arrow) step through the entries, wrapping round, and
// Home and End go to the first and the last; the entry becomes the text. Typing adds to the text
// and completes it with the first entry that starts with what was typed (letter case ignored);
// the completed part is shown marked and the Back key removes it first. A character Windows-1252
// lacks is refused, as in an edit field. The text is the window text.
//
// Notifications (WM_COMMAND with the control's id): CBN_SELCHANGE when the text becomes an entry
// (stepping, or a completion), CBN_EDITCHANGE when typing leaves it no entry, CBN_DBLCLK on the
// action key (the entry or the text is chosen). Every change also sends WM_CV_VALUE_CHANGED.
namespace ui {

class CComboBox : public CControl {
  public:
    static constexpr int kDefaultLimit = 30000;

    int AddString(const std::wstring& text);
    void ResetContent();
    int GetCount() const { return static_cast<int>(m_items.size()); }
    // The entry the text is, or -1 for a text of its own.
    int GetCurSel() const { return m_selected; }
    // The text becomes that entry (no notification); -1 empties the text.
    bool SetCurSel(int index);
    std::wstring GetText(int index) const;
    // The entry equal to the text, letter case ignored, or -1.
    int FindStringExact(const std::wstring& text) const;
    void SetLimit(int limit) { m_limit = limit > 0 ? limit : kDefaultLimit; }
    // The completed part of the text, which the typed part does not hold.
    std::wstring Completion() const;

  protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

  private:
    void Step(int delta);
    void Pick(int index);  // the text becomes the entry, and the parent hears of it
    void Type(wchar_t ch);
    void Erase();
    void SetText(const std::wstring& text);
    void Notify(UINT code);

    std::vector<std::wstring> m_items;
    int m_selected = -1;
    std::size_t m_typed = 0;  // the typed part: the first m_typed characters of the text
    int m_limit = kDefaultLimit;
};

}  // namespace ui
