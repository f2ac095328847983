#pragma once

#include <string>

#include "platform/ui/CControl.h"

// An edit field ("EDIT"): one line of text with a caret. It stops at its length limit
// (EM_LIMITTEXT, 30000 unless set), shows '*' for every character when masked (ES_PASSWORD or
// EM_SETPASSWORDCHAR), takes only digits with ES_NUMBER and nothing with ES_READONLY. It refuses
// a typed character that Windows-1252, the code page of stored text, lacks ('€' and 'é' are
// taken, 'ł' and '中' are not); text set with WM_SETTEXT is kept as given. The Back
// key erases the character before the caret. Every change the user makes notifies the parent
// with WM_COMMAND EN_CHANGE and WM_CV_VALUE_CHANGED. The text is the window text.
namespace ui {

class CEdit : public CControl {
public:
    static constexpr int kDefaultLimit = 30000;
    static constexpr wchar_t kMaskChar = L'*';

    void SetLimit(int limit);
    int Limit() const { return m_limit; }
    void SetMasked(bool masked);
    bool IsMasked() const;
    int Caret() const { return m_caret; }

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    bool Insert(wchar_t ch);
    bool EraseAt(int index);  // and moves the caret with the text
    void Changed();

    int m_limit = kDefaultLimit;
    int m_caret = 0;
    int m_maskOverride = -1;  // -1: as the style says; 0 shown; 1 masked
};

}  // namespace ui
