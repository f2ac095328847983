#include "online/CPasswordCriteria.h"

#include "platform/sys/CodePage.h"
#include "resources/ScreenIds.h"

namespace {

enum Byte : std::size_t {
    kMinimum = 0,
    kMaximum = 1,
    kCharacters = 2,
    kSpecialAllowed = 4,
    kSpacesAllowed = 5,
};

struct Classes {
    bool letter = false;
    bool digit = false;
    bool space = false;
    bool special = false;
};

Classes Classify(std::wstring_view password) {
    Classes classes;
    for (wchar_t ch : password) {
        if ((ch >= L'A' && ch <= L'Z') || (ch >= L'a' && ch <= L'z')) {
            classes.letter = true;
        } else if (ch >= L'0' && ch <= L'9') {
            classes.digit = true;
        } else if (ch == L' ') {
            classes.space = true;
        } else {
            classes.special = true;
        }
    }
    return classes;
}

}  // namespace

CPasswordCriteria::Refusal CPasswordCriteria::Check(const Bytes& criteria,
                                                    std::wstring_view newPassword,
                                                    std::wstring_view confirmation) {
    if (newPassword != confirmation) return {res::IDS_ONLINE_PASSWORD_MISMATCH};
    const int minimum = criteria[kMinimum];
    const int maximum = criteria[kMaximum];
    const auto length = static_cast<int>(newPassword.size());
    if (length < minimum || length > maximum) {
        if (minimum == maximum) return {res::IDS_PASSWORD_EXACT_LENGTH, maximum};
        return {res::IDS_PASSWORD_LENGTH_RANGE, minimum, maximum};
    }
    for (wchar_t ch : newPassword) {
        if (!sys::IsAnsiChar(ch)) return {res::IDS_PASSWORD_UNSENDABLE};
    }
    const Classes classes = Classify(newPassword);
    switch (criteria[kCharacters]) {
        case kLettersOnly:
            if (classes.digit) return {res::IDS_PASSWORD_NO_DIGITS};
            break;
        case kDigitsOnly:
            if (classes.letter) return {res::IDS_PASSWORD_NO_LETTERS};
            break;
        case kLettersAndDigits:
            if (!classes.letter || !classes.digit) return {res::IDS_PASSWORD_BOTH};
            break;
        default:
            break;
    }
    if (criteria[kSpecialAllowed] == 0 && classes.special) return {res::IDS_PASSWORD_NO_SPECIAL};
    if (criteria[kSpacesAllowed] == 0 && classes.space) return {res::IDS_PASSWORD_NO_SPACES};
    return {};
}
