#include "ofx/OfxReply.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdlib>

namespace ofx {

namespace {

constexpr std::string_view kProfilePath = "PROFMSGSRSV1/PROFTRNRS/PROFRS";
constexpr std::string_view kBankRealmPath =
    "MSGSETLIST/BANKMSGSET/BANKMSGSETV1/MSGSETCORE/SIGNONREALM";
constexpr int kMaxStatusDigits = 9;

// Criteria that impose nothing: the lengths the password field allows, any characters.
constexpr std::uint8_t kAnyMinimum = 1;
constexpr std::uint8_t kAnyMaximum = 32;
constexpr std::uint8_t kLettersOnly = 0;
constexpr std::uint8_t kDigitsOnly = 1;
constexpr std::uint8_t kLettersOrDigits = 2;
constexpr std::uint8_t kLettersAndDigits = 3;
constexpr std::uint8_t kMaxLength = UINT8_MAX;

enum CriteriaByte {
    kMinimum = 0,
    kMaximum = 1,
    kCharacters = 2,
    kCase = 3,
    kSpecial = 4,
    kSpaces = 5
};

bool IsNumber(const std::string& text) {
    return !text.empty() && text.size() <= kMaxStatusDigits &&
           std::all_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

std::uint8_t Length(const std::string& text, std::uint8_t fallback) {
    if (!IsNumber(text)) return fallback;
    return static_cast<std::uint8_t>(std::min(std::atoi(text.c_str()), int{kMaxLength}));
}

std::uint8_t YesNo(const std::string& text, std::uint8_t fallback) {
    if (text == "Y") return 1;
    if (text == "N") return 0;
    return fallback;
}

std::uint8_t Characters(const std::string& text) {
    if (text == "ALPHAONLY") return kLettersOnly;
    if (text == "NUMERICONLY") return kDigitsOnly;
    if (text == "ALPHAANDNUMERIC") return kLettersAndDigits;
    return kLettersOrDigits;
}

}  // namespace

OfxStatus MissingElement(std::string_view name) {
    return Failure(kErrorUnreadable, res::IDS_OFX_MISSING_ELEMENT, std::string(name).c_str());
}

OfxStatus ReadStatus(const OfxElement* status) {
    if (status == nullptr) return MissingElement("STATUS");
    const std::string& codeText = status->TextAt("CODE");
    if (!IsNumber(codeText)) return Failure(kErrorUnreadable, res::IDS_OFX_BAD_STATUS);
    const int code = std::atoi(codeText.c_str());
    if (code == kOk || status->TextAt("SEVERITY") == "INFO") return {};
    const std::string& message = status->TextAt("MESSAGE");
    if (message.empty()) return Failure(code, res::IDS_OFX_BANK_ERROR, code);
    return OfxStatus{code, message};
}

OfxStatus CheckSignOn(const OfxElement& root) {
    const OfxElement* signOn = root.Find("SIGNONMSGSRSV1/SONRS");
    if (signOn == nullptr) return MissingElement("SONRS");
    return ReadStatus(signOn->Child("STATUS"));
}

OfxStatus FindTransaction(const OfxElement& root, std::string_view path,
                          const OfxElement*& wrapper) {
    wrapper = root.Find(path);
    if (wrapper == nullptr) return MissingElement(path.substr(path.rfind('/') + 1));
    return ReadStatus(wrapper->Child("STATUS"));
}

std::string ProfileUpdated(const OfxElement& root) {
    return root.TextAt(std::string(kProfilePath) + "/DTPROFUP");
}

OfxStatus ReadPasswordCriteria(const OfxElement& root, PasswordCriteria& criteria) {
    const OfxElement* profile = root.Find(kProfilePath);
    const OfxElement* list = profile != nullptr ? profile->Child("SIGNONINFOLIST") : nullptr;
    const OfxElement* info = nullptr;
    if (list != nullptr) {
        const std::string& realm = profile->TextAt(kBankRealmPath);
        for (const OfxElement& candidate : list->children) {
            if (candidate.name != "SIGNONINFO") continue;
            if (info == nullptr) info = &candidate;
            if (!realm.empty() && candidate.TextAt("SIGNONREALM") == realm) {
                info = &candidate;
                break;
            }
        }
    }
    if (info == nullptr) return Failure(kErrorUnreadable, res::IDS_OFX_NO_PASSWORD_RULES);
    criteria[kMinimum] = Length(info->TextAt("MIN"), kAnyMinimum);
    criteria[kMaximum] = Length(info->TextAt("MAX"), kAnyMaximum);
    criteria[kCharacters] = Characters(info->TextAt("CHARTYPE"));
    criteria[kCase] = YesNo(info->TextAt("CASESEN"), 0);
    criteria[kSpecial] = YesNo(info->TextAt("SPECIAL"), 1);
    criteria[kSpaces] = YesNo(info->TextAt("SPACES"), 1);
    return {};
}

}  // namespace ofx
