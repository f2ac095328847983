#include "platform/sys/DateFormat.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <ctime>
#include <cwchar>

namespace sys {
namespace {

// The user's time locale, opened once; the C locale when the environment names none that exists.
locale_t UserTimeLocale() {
    static const locale_t locale = [] {
        locale_t l = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(0));
        if (l == static_cast<locale_t>(0)) {
            l = ::newlocale(LC_TIME_MASK | LC_CTYPE_MASK, "C", static_cast<locale_t>(0));
        }
        return l;
    }();
    return locale;
}

}  // namespace

std::wstring GetDateFormat(const SystemTime& time, unsigned flags) {
    FileTime ft = 0;
    if (!SystemTimeToFileTime(time, ft)) return {};
    const SystemTime t = FileTimeToSystemTime(ft);  // fills in the day of the week

    std::tm tm{};
    tm.tm_year = t.year - 1900;
    tm.tm_mon = t.month - 1;
    tm.tm_mday = t.day;
    tm.tm_wday = t.dayOfWeek;

    const locale_t locale = UserTimeLocale();
    const char* format = "%x";
    if (flags & kDateLongDate) {
        format = "%A, %d %B %Y";
    } else if (flags & kDateYearMonth) {
        format = "%B %Y";
    } else if (locale != static_cast<locale_t>(0)) {
        format = ::nl_langinfo_l(D_FMT, locale);
    }

    // Format as multibyte text of the locale, then widen it under the same locale.
    char narrow[256];
    std::size_t length = 0;
    const locale_t previous = ::uselocale(locale);
    length = ::strftime(narrow, sizeof narrow, format, &tm);
    std::wstring wide(length, L'\0');
    std::mbstate_t state{};
    const char* source = narrow;
    narrow[length] = '\0';
    const std::size_t converted = std::mbsrtowcs(wide.data(), &source, length, &state);
    ::uselocale(previous);
    if (converted == static_cast<std::size_t>(-1)) return {};
    wide.resize(converted);
    return wide;
}

}  // namespace sys
