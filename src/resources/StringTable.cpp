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

    // ---- 100-999: the data model ----
    {IDS_CLASS_BUSINESS, L"Business"},
    {IDS_CLASS_PERSONAL, L"Personal"},
    {IDS_CATEGORY_SALARY, L"Salary"},
    {IDS_CATEGORY_AUTO, L"Auto"},
    {IDS_CATEGORY_AUTO_FUEL, L"Fuel"},
    {IDS_CATEGORY_AUTO_INSURANCE, L"Insurance"},
    {IDS_CATEGORY_AUTO_PAYMENT, L"Payment"},
    {IDS_CATEGORY_CLOTHING, L"Clothing"},
    {IDS_CATEGORY_DINING, L"Dining"},
    {IDS_CATEGORY_EDUCATION, L"Education"},
    {IDS_CATEGORY_ENTERTAINMENT, L"Entertainment"},
    {IDS_CATEGORY_GIFTS, L"Gifts"},
    {IDS_CATEGORY_GROCERIES, L"Groceries"},
    {IDS_CATEGORY_HOUSEHOLD, L"Household"},
    {IDS_CATEGORY_INSURANCE, L"Insurance"},
    {IDS_CATEGORY_MEDICAL, L"Medical"},
    {IDS_CATEGORY_MISC, L"Misc"},
    {IDS_CATEGORY_RECREATION, L"Recreation"},
    {IDS_CATEGORY_SUBSCRIPTIONS, L"Subscriptions"},
    {IDS_CATEGORY_TAX, L"Tax"},
    {IDS_CATEGORY_UTILITIES_TELEPHONE, L"Telephone"},
    {IDS_CATEGORY_TRAVEL, L"Travel"},
    {IDS_CATEGORY_UTILITIES, L"Utilities"},
    {IDS_CATEGORY_UTILITIES_CABLE_TV, L"Cable TV"},
    {IDS_CATEGORY_UTILITIES_GAS, L"Gas"},
    {IDS_CATEGORY_UTILITIES_ELECTRIC, L"Electric"},
    {IDS_CATEGORY_UTILITIES_WATER, L"Water"},
    {IDS_CATEGORY_VACATION, L"Vacation"},
    {IDS_CATEGORY_TRAVEL_LODGING, L"Lodging"},
    {IDS_CATEGORY_TRAVEL_GROUND, L"Ground Transportation"},
    {IDS_CATEGORY_TRAVEL_AIR, L"Air Transportation"},
    {IDS_CATEGORY_TRAVEL_MEALS, L"Meals"},
    {IDS_CATEGORY_PARENT_NONE, L"None"},
    {IDS_CURRENCY_DOLLAR, L"$"},
    {IDS_CURRENCY_POUND, L"\u00A3"},
    {IDS_CURRENCY_EURO, L"\u20AC"},
    {IDS_CURRENCY_YEN, L"\u00A5"},
    {IDS_CURRENCY_MARK, L"DM"},
    {IDS_CURRENCY_FRANC, L"F"},
    {IDS_CURRENCY_CANADIAN_DOLLAR, L"C$"},
    {IDS_CURRENCY_AUSTRALIAN_DOLLAR, L"AU$"},
    {IDS_TYPE_CHECK, L"Check #"},
    {IDS_TYPE_WITHDRAWAL, L"Withdrawal"},
    {IDS_TYPE_DEPOSIT, L"Deposit"},
    {IDS_TYPE_CHARGE, L"Charge"},
    {IDS_TYPE_PAYMENT, L"Payment"},
    {IDS_TYPE_ATM, L"ATM"},
    {IDS_TYPE_EFT, L"EFT"},
    {IDS_INVALID_NAME, L"Invalid Name!"},
    {IDS_ITEM_NAME_EXISTS, L"An Item with this name already exists."},
    {IDS_PAYEE_NAME_EXISTS,
     L"A Payee with this name already exists. Please choose another Payee name."},
    {IDS_CLASS_NAME_EXISTS, L"A Class with this name exists. Please choose another Class name."},
    {IDS_CURRENCY_SYMBOL_EXISTS,
     L"A Currency with this symbol already exists. Please choose another currency symbol."},
    {IDS_BASE_RATE_NOT_ONE, L"The conversion rate of the base currency must be 1.0."},
    {IDS_MAKE_BASE_QUESTION,
     L"Are you sure you want to make the selected currency your base currency?"},
    {IDS_DELETE_BASE_CURRENCY,
     L"You can not delete base currency.\nSet another currency as base and try again."},
    {IDS_TYPE_BUILTIN, L"Cannot Edit Builtin types!"},
    {IDS_TYPE_LIST_EMPTY, L"There are no transaction type in list"},
    {IDS_TYPE_BAD_INDEX, L"Wrong Transaction Type index selected!"},
    {IDS_LIST_EMPTY, L"There are no items in list"},
    {IDS_BAD_ITEM_INDEX, L"Wrong Item Index Selected!"},
    {IDS_CURRENCY_RATE_INVALID, L"The conversion rate must be a number greater than 0."},
    {IDS_CURRENCY_LIST_FULL, L"No more currencies can be added: all 250 numbers are in use."},
    {IDS_CATEGORY_OWN_PARENT, L"A category cannot be a sub-category of itself."},
    {IDS_CATEGORY_PARENT_IS_SUB,
     L"A sub-category cannot have sub-categories. Please choose a top-level category."},
    {IDS_CATEGORY_HAS_SUBS, L"A category that has sub-categories cannot become a sub-category."},
    {IDS_ACCOUNT_TYPE_CHECKING, L"Checking"},
    {IDS_ACCOUNT_TYPE_SAVINGS, L"Savings"},
    {IDS_ACCOUNT_TYPE_CASH, L"Cash"},
    {IDS_ACCOUNT_TYPE_CREDIT, L"Credit"},
    {IDS_ACCOUNT_TYPE_ASSET, L"Asset"},
    {IDS_ACCOUNT_TYPE_LIABILITY, L"Liability"},
    {IDS_ACCOUNT_TYPE_MONEY_MARKET, L"Money Market"},
    {IDS_ACCOUNT_TYPE_LINE_OF_CREDIT, L"Line Of Credit"},
    {IDS_FILTER_ALL, L"All"},
    {IDS_FILTER_RECONCILED, L"Reconciled"},
    {IDS_FILTER_UNRECONCILED, L"Unreconciled"},
    {IDS_FILTER_CLEARED, L"Cleared"},
    {IDS_FILTER_UNCLEARED, L"Uncleared"},
    {IDS_FILTER_DOWNLOADED, L"Downloaded"},
    {IDS_FILTER_IMPORTED, L"Imported"},
    {IDS_SORT_CHECK, L"Check"},
    {IDS_SORT_ICON, L"Icon"},
    {IDS_SORT_DATE, L"Date"},
    {IDS_SORT_TYPE, L"Type"},
    {IDS_SORT_PAYEE, L"Payee"},
    {IDS_SORT_CATEGORY, L"Category"},
    {IDS_SORT_CLASS, L"Class"},
    {IDS_SORT_MEMO, L"Memo"},
    {IDS_SORT_AMOUNT, L"Amount"},
    {IDS_CATEGORY_SPLIT, L"-SPLIT-"},
    {IDS_BEGINNING_BALANCE_POSITIVE,
     L"The beginning balance for Credit, Liability and Line of Credit accounts is usually a "
     L"negative amount. Are you sure that's the right beginning balance?"},
    // ---- end of the data model ----

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
