#include "platform/ui/CDatePicker.h"

#include <algorithm>
#include <string>

#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"

namespace ui {
namespace {

constexpr int kFirstYear = 1904;  // the data model's dates start here
constexpr int kLastYear = 2040;
constexpr int kPartCount = 3;
constexpr std::size_t kYearDigits = 4;
constexpr std::size_t kShortDigits = 2;

bool IsValid(const sys::SystemTime& date) {
    sys::FileTime ignored = 0;
    return date.year >= kFirstYear && date.year <= kLastYear &&
           sys::SystemTimeToFileTime(date, ignored);
}

}  // namespace

CDatePicker::CDatePicker() : m_date(sys::GetLocalTime()) {
    m_date.hour = m_date.minute = m_date.second = m_date.milliseconds = 0;
}

bool CDatePicker::SetSystemTime(const sys::SystemTime& date) {
    if (!IsValid(date)) return false;
    m_date = date;
    m_typed.clear();
    Invalidate();
    return true;
}

void CDatePicker::Apply(int month, int day, int year) {
    year = std::clamp(year, kFirstYear, kLastYear);
    month = std::clamp(month, 1, 12);
    day = std::clamp(day, 1, sys::DaysInMonth(month, year));
    sys::SystemTime date = m_date;
    date.year = static_cast<std::uint16_t>(year);
    date.month = static_cast<std::uint16_t>(month);
    date.day = static_cast<std::uint16_t>(day);
    sys::FileTime time = 0;
    sys::SystemTimeToFileTime(date, time);
    date = sys::FileTimeToSystemTime(time);  // fills in the day of the week
    if (date.year == m_date.year && date.month == m_date.month && date.day == m_date.day) return;
    m_date = date;
    Invalidate();
    NMDATETIMECHANGE change;
    change.hdr.code = DTN_DATETIMECHANGE;
    change.st = m_date;
    NotifyParent(change.hdr);
    ValueChanged();
}

void CDatePicker::StepPart(int delta) {
    m_typed.clear();
    int month = m_date.month;
    int day = m_date.day;
    int year = m_date.year;
    if (m_part == kMonth) month = (month - 1 + delta + 12) % 12 + 1;
    else if (m_part == kDay) day = (day - 1 + delta + sys::DaysInMonth(month, year)) %
                                       sys::DaysInMonth(month, year) + 1;
    else year += delta;
    Apply(month, day, year);
}

void CDatePicker::TypeDigit(int digit) {
    m_typed.push_back(static_cast<wchar_t>(L'0' + digit));
    const int value = std::stoi(m_typed);
    const std::size_t needed = m_part == kYear ? kYearDigits : kShortDigits;
    if (m_part == kMonth) Apply(std::max(1, value), m_date.day, m_date.year);
    else if (m_part == kDay) Apply(m_date.month, std::max(1, value), m_date.year);
    else if (m_typed.size() == needed) Apply(m_date.month, m_date.day, value);
    Invalidate();
    if (m_typed.size() >= needed) {
        m_typed.clear();
        if (m_part != kYear) m_part = static_cast<Part>(m_part + 1);  // on to the next part
    }
}

LRESULT CDatePicker::OnMessage(UINT message, WPARAM wParam, LPARAM, bool& handled) {
    handled = true;
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_LEFT || wParam == VK_RIGHT) {
                const int step = wParam == VK_LEFT ? kPartCount - 1 : 1;
                m_part = static_cast<Part>((m_part + step) % kPartCount);
                m_typed.clear();
                Invalidate();
            } else {
                handled = false;
            }
            return 0;
        case WM_CHAR:
            if (wParam >= L'0' && wParam <= L'9') TypeDigit(static_cast<int>(wParam - L'0'));
            else if (wParam == L'+') StepPart(1);
            else if (wParam == L'-') StepPart(-1);
            return 0;
        case WM_KILLFOCUS: m_typed.clear(); return 0;
        default: handled = false; return 0;
    }
}

void CDatePicker::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, FieldColor());
    const std::wstring parts[kPartCount] = {std::to_wstring(m_date.month),
                                            std::to_wstring(m_date.day),
                                            std::to_wstring(m_date.year)};
    int x = 0;
    for (int part = 0; part < kPartCount; ++part) {
        const bool selected = HasFocus() && part == m_part;
        dc.SetTextColor(selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : TextColor());
        dc.SetBkColor(selected ? GetSysColor(COLOR_HIGHLIGHT) : FieldColor());
        x += dc.TextOut(x, 0, parts[part]);
        dc.SetTextColor(TextColor());
        dc.SetBkColor(FieldColor());
        if (part + 1 < kPartCount) x += dc.TextOut(x, 0, L"/");
    }
}

}  // namespace ui
