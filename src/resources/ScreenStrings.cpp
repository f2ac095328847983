#include "resources/ScreenStrings.h"

#include <algorithm>
#include <iterator>

#include "resources/ScreenIds.h"

#include "resources/SortedById.h"

namespace res {
namespace {

struct Entry {
    StringId id;
    std::wstring_view text;
};

// Sorted by id.
constexpr Entry kScreenStrings[] = {
    {IDS_ACCOUNTS_SUMMARY_TITLE, L"Accounts Summary"},
    {IDS_COLUMN_ACCOUNTS, L"Accounts"},
    {IDS_COLUMN_AMOUNT, L"Amount"},
    {IDS_LABEL_BALANCE, L"Balance:"},
    {IDS_LABEL_CLEARED, L"Cleared:"},
    {IDS_NEED_PASSWORD_FIRST, L"You need to set password first."},
    {IDS_SCHEDULED_DUE_QUESTION,
     L"There are one or more Scheduled Transactions due.Would you like to view them now ?"},
    {IDS_PENDING_IMPORT_QUESTION,
     L"You have pending Items to import.Would you like to view them now ?"},
    {IDS_MENU_NEW, L"New"},
    {IDS_MENU_ABOUT, L"About"},
    {IDS_MENU_EDIT_ACCOUNTS, L"Edit Accounts"},
    {IDS_MENU_TRANSFER, L"Transfer"},
    {IDS_MENU_REPORTS, L"Reports"},
    {IDS_MENU_BUDGETS, L"Budgets"},
    {IDS_MENU_UPCOMING, L"Upcoming Transactions"},
    {IDS_MENU_FONT, L"Font"},
    {IDS_MENU_SET_PASSWORD, L"Set Password"},
    {IDS_MENU_SECURITY_OPTIONS, L"Security Options"},
    {IDS_MENU_EDIT_PAYEES, L"Edit Payees"},
    {IDS_MENU_EDIT_CATEGORIES, L"Edit Categories"},
    {IDS_MENU_EDIT_CLASSES, L"Edit Classes"},
    {IDS_MENU_EDIT_CURRENCIES, L"Edit Currencies"},
    {IDS_MENU_EDIT_TYPES, L"Edit Transaction Types"},
    {IDS_MENU_EDIT_SCHEDULED, L"Edit Scheduled Transactions"},
    {IDS_MENU_EXIT, L"Exit"},
    {IDS_MENU_BALANCE_TYPES, L"Balance Types"},
    {IDS_MENU_BALANCE, L"Balance"},
    {IDS_MENU_CLEARED, L"Cleared"},
    {IDS_MENU_SORT_BY, L"Sort By"},
    {IDS_MENU_LISTS, L"Lists"},
    {IDS_MENU_SETTINGS, L"Settings"},
    {IDS_MENU_ACCOUNT, L"Account"},
    {IDS_MENU_VIEW_TRANSACTION, L"View Transaction"},
    {IDS_MENU_EDIT_TRANSACTION, L"Edit Transaction"},
    {IDS_MENU_NEW_TRANSACTION, L"New Transaction"},
    {IDS_MENU_FIND_TRANSACTIONS, L"Find Transactions"},
    {IDS_MENU_GOTO_TOP, L"Goto Top"},
    {IDS_MENU_GOTO_BOTTOM, L"Goto Bottom"},
    {IDS_MENU_ACCOUNT_INFO, L"Account  Info"},
    {IDS_MENU_RECONCILE, L"Reconcile"},
    {IDS_MENU_ADJUST_BALANCE, L"Adjust Ending Balance"},
    {IDS_MENU_PURGE, L"Purge Transactions"},
    {IDS_MENU_PREFERENCES, L"Preferences"},
    {IDS_MENU_ROW_COLOR, L"Row Color"},
    {IDS_MENU_CLOSE, L"Close"},
    {IDS_MENU_FILTER_TYPES, L"Filter Types"},
    {IDS_COLUMN_BALANCE, L"Balance"},
    {IDS_UNACCEPTED_QUESTION,
     L"There are %d unaccepted txns for this account.  Would you like to review them now?"},
    {IDS_IMPORTED_QUESTION,
     L"There are %d imported transactions for this account.  Would you like to review them "
     L"now?"},
    {IDS_FIND_TITLE, L"Find"},
    {IDS_NEEDS_TERMINAL,
     L"coinvale: the interactive program needs a terminal. Without one, use its commands: "
     L"\"coinvale accounts\" lists the accounts and \"coinvale --help\" lists every command."},
    {IDS_DATA_NOT_SAVED_SCREEN,
     L"Your changes could not be saved in %s. Check that the disk has room and the folder can "
     L"be written; nothing was lost in memory."},
    {IDS_DATA_NOT_LOADED_SCREEN,
     L"Some of your data in %s could not be read. Coinvale shows what it could read."},
    {IDS_FILE_DAMAGED_SCREEN, L"%s was damaged. Coinvale kept a copy of it as %s."},
};

static_assert(IsSortedById(kScreenStrings),
              "the screens' string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadScreenString(StringId id) {
    const Entry* entry = FindById(kScreenStrings, id);
    return entry != nullptr ? entry->text : std::wstring_view{};
}

}  // namespace res
