#pragma once

#include <string>

#include "platform/sys/Clock.h"
#include "platform/ui/CControl.h"

// A date picker ("SysDateTimePick32"): month/day/year with one part selected. Left and right
// select the part; digits type it, '+' and '-' step it. The day follows the month's length. A
// change the user makes notifies the parent with WM_NOTIFY DTN_DATETIMECHANGE and
// WM_CV_VALUE_CHANGED.
namespace ui {

struct NMDATETIMECHANGE {
    NMHDR hdr;
    DWORD dwFlags = 0;
    sys::SystemTime st;
};

class CDatePicker : public CControl {
public:
    CDatePicker();

    sys::SystemTime GetSystemTime() const { return m_date; }
    // False (and no change) for a date that does not exist.
    bool SetSystemTime(const sys::SystemTime& date);

    enum Part { kMonth = 0, kDay = 1, kYear = 2 };
    Part SelectedPart() const { return m_part; }

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void TypeDigit(int digit);
    void StepPart(int delta);
    void Apply(int month, int day, int year);

    sys::SystemTime m_date;
    Part m_part = kMonth;
    std::wstring m_typed;  // digits typed into the selected part so far
};

}  // namespace ui
