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

    // The window system, controls and the shell (1000-2999).
    {IDS_OK, L"OK"},
    {IDS_CANCEL, L"Cancel"},
    {IDS_YES, L"Yes"},
    {IDS_NO, L"No"},
    {IDS_MENU, L"Menu"},
    {IDS_DONE, L"Done"},
    {IDS_PLEASE_WAIT, L"Please wait..."},
    {IDS_KEY_LEFT_SOFT, L"F1"},
    {IDS_KEY_RIGHT_SOFT, L"F2"},
    {IDS_ENTER_VALID_AMOUNT, L"Enter a valid amount."},
    {IDS_GALLERY_TITLE_CONTROLS, L"Gallery: Controls"},
    {IDS_GALLERY_TITLE_LIST, L"Gallery: List View"},
    {IDS_GALLERY_TITLE_DRAWING, L"Gallery: Drawing"},
    {IDS_GALLERY_NEXT, L"Next"},
    {IDS_GALLERY_BACK, L"Back"},
    {IDS_GALLERY_NEXT_SCREEN, L"Next Screen"},
    {IDS_GALLERY_PREVIOUS_SCREEN, L"Previous Screen"},
    {IDS_GALLERY_MESSAGE_BOXES, L"Message Boxes"},
    {IDS_GALLERY_MESSAGE_OK, L"OK Box"},
    {IDS_GALLERY_MESSAGE_YESNO, L"Yes/No Box"},
    {IDS_GALLERY_MESSAGE_OKCANCEL, L"OK/Cancel Box"},
    {IDS_GALLERY_DOWNLOAD, L"Download"},
    {IDS_GALLERY_WAIT, L"Wait Indicator"},
    {IDS_GALLERY_DISABLED_ITEM, L"Disabled Item"},
    {IDS_GALLERY_EXIT, L"Exit"},
    {IDS_GALLERY_SORT_BY, L"Sort By"},
    {IDS_GALLERY_SORT_NAME, L"Name"},
    {IDS_GALLERY_SORT_AMOUNT, L"Amount"},
    {IDS_GALLERY_ADD_ROW, L"Add Row"},
    {IDS_GALLERY_DELETE_ROW, L"Delete Row"},
    {IDS_GALLERY_NAME, L"Name:"},
    {IDS_GALLERY_PIN, L"PIN:"},
    {IDS_GALLERY_AMOUNT, L"Amount:"},
    {IDS_GALLERY_TYPE, L"Type:"},
    {IDS_GALLERY_DATE, L"Date:"},
    {IDS_GALLERY_INCLUDE, L"Include in total"},
    {IDS_GALLERY_HEADING, L"Every control"},
    {IDS_GALLERY_HINT, L"Up/Down: fields  Left/Right: spin"},
    {IDS_GALLERY_OK_TEXT, L"This is a message box with one button."},
    {IDS_GALLERY_YESNO_TEXT, L"Do you want to keep this answer?"},
    {IDS_GALLERY_OKCANCEL_TEXT, L"Proceed with the operation?"},
    {IDS_GALLERY_ANSWER, L"Answer: %s"},
    {IDS_GALLERY_DOWNLOADING, L"Downloading..."},
    {IDS_GALLERY_CANCELLED, L"The download was cancelled."},
    {IDS_GALLERY_FINISHED, L"The download finished."},
    {IDS_GALLERY_COLUMN_ACCOUNT, L"Account"},
    {IDS_GALLERY_COLUMN_AMOUNT, L"Amount"},
    {IDS_GALLERY_CHART, L"Lines on the dot layer"},
    {IDS_GALLERY_PROGRESS, L"Online Progress"},
    {IDS_GALLERY_NEW_ROW, L"New row %d"},
    {IDS_GALLERY_ACTIVATED, L"Opened %s"},
    {IDS_GALLERY_TYPE_CHECKING, L"Checking"},
    {IDS_GALLERY_TYPE_SAVINGS, L"Savings"},
    {IDS_GALLERY_TYPE_CASH, L"Cash"},
    {IDS_GALLERY_TYPE_CREDIT, L"Credit"},
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
