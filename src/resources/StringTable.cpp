#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

namespace res {
namespace {

struct Entry {
    StringId id;
    std::wstring_view text;
};

// Sorted by id.
constexpr Entry kStrings[] = {
    {IDS_APP_NAME, L"Coinvale"},

    // The online-banking library.
    {IDS_OFX_CANCELLED, L"The operation was cancelled."},
    {IDS_OFX_TIMEOUT, L"The bank's server did not answer in time."},
    {IDS_OFX_UNREACHABLE, L"The bank's server could not be reached: %s"},
    {IDS_OFX_CONNECTION_BROKEN, L"The connection to the bank's server was broken off: %s"},
    {IDS_OFX_NO_NETWORK, L"No usable internet connection: %s"},
    {IDS_OFX_INSECURE_ADDRESS, L"The bank's address must begin with https://."},
    {IDS_OFX_BAD_ADDRESS, L"The bank's address is not valid."},
    {IDS_OFX_SECURE_CHANNEL, L"The secure connection to the bank's server failed: %s"},
    {IDS_OFX_CERTIFICATE, L"The bank's certificate could not be verified: %s"},
    {IDS_OFX_HTTP_STATUS, L"The bank's server answered with HTTP status %ld."},
    {IDS_OFX_REPLY_TOO_LARGE, L"The bank's reply is too large."},
    {IDS_OFX_TRANSFER_FAILED, L"The transfer failed: %s"},
    {IDS_OFX_NO_SERVER, L"The bank has no server address."},
    {IDS_OFX_UNSUPPORTED_VERSION, L"The OFX version \"%s\" is not supported."},
    {IDS_OFX_NOT_OFX, L"The reply holds no OFX data."},
    {IDS_OFX_INCOMPLETE, L"The reply is incomplete."},
    {IDS_OFX_TOO_DEEP, L"The reply is nested too deeply."},
    {IDS_OFX_MISSING_ELEMENT, L"The reply has no %s element."},
    {IDS_OFX_BAD_STATUS, L"The reply carries an unreadable status code."},
    {IDS_OFX_BANK_ERROR, L"The bank reported error %d."},
    {IDS_OFX_BAD_DATE, L"The transaction \"%s\" has no valid date."},
    {IDS_OFX_BAD_AMOUNT, L"The transaction \"%s\" has no valid amount."},
    {IDS_OFX_BAD_BALANCE, L"The ledger balance \"%s\" is not a valid amount."},
    {IDS_OFX_NO_PASSWORD_RULES, L"The bank's profile holds no password rules."},
    {IDS_OFX_BAD_ACCOUNT, L"The account type and number are not valid for a statement."},
    {IDS_FIDB_UNREADABLE, L"The institution directory could not be read: %s"},
    {IDS_FIDB_DAMAGED, L"The institution directory is damaged at line %d."},
    {IDS_FIDB_UNKNOWN_INSTITUTION, L"The institution %u is not in the institution directory."},
};

constexpr bool IsSorted() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i) {
        if (kStrings[i - 1].id >= kStrings[i].id) return false;
    }
    return true;
}
static_assert(IsSorted(), "the string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadString(StringId id) {
    const auto* end = std::end(kStrings);
    const auto* it = std::lower_bound(std::begin(kStrings), end, id,
                                      [](const Entry& e, StringId value) { return e.id < value; });
    return (it != end && it->id == id) ? it->text : std::wstring_view{};
}

}  // namespace res
