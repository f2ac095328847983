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
    // ---- accounts, reference lists and account operations ----
    {IDS_EDIT_ACCOUNTS_TITLE, L"Edit Accounts"},
    {IDS_ACCOUNT_INFO_TITLE, L"Account Info"},
    {IDS_NO_ACCOUNTS, L"There are no accounts in list"},
    {IDS_SELECT_ITEM, L"Please select an item"},
    {IDS_BAD_ACCOUNT_INDEX, L"Wrong Account Index Selected!"},
    {IDS_DELETE_ITEM_QUESTION, L"Are you sure you want to delete the selected item?"},
    {IDS_DELETE_SCHEDULED_QUESTION,
     L"%u scheduled transactions belong to this account or transfer into it. They cannot be "
     L"entered once the account is gone. Delete them too?"},
    {IDS_ACCOUNT_NUMBER_TOO_LONG, L"The account number can have at most 20 characters."},
    {IDS_ACCOUNT_NAME_TOO_LONG, L"The account name can have at most 32 characters."},
    {IDS_LABEL_NAME, L"Name:"},
    {IDS_LABEL_TYPE, L"Type:"},
    {IDS_LABEL_BANK, L"Bank:"},
    {IDS_LABEL_ACCOUNT_NUMBER, L"Account #:"},
    {IDS_LABEL_BEGINNING_BALANCE, L"Beg. Bal.:"},
    {IDS_LABEL_CURRENCY, L"Currency:"},
    {IDS_LABEL_ICON, L"Icon:"},
    {IDS_LABEL_INCLUDE_IN_TOTAL, L"Include in Account View Total."},
    {IDS_MENU_EDIT, L"Edit"},
    {IDS_MENU_DELETE, L"Delete"},
    {IDS_MENU_ICONS, L"Icons"},
    {IDS_MENU_OPTIONS, L"Options"},
    {IDS_ACCOUNT_NOT_SAVED,
     L"The account could not be saved (error %d). Check that the data folder can be written; "
     L"the account is as it was."},
    {IDS_ACCOUNT_NOT_DELETED,
     L"The account could not be deleted (error %d). Check that the data folder can be written; "
     L"the account is still there."},
    {IDS_CHOOSE_ICON_TITLE, L"Choose Icon"},
    {IDS_MENU_SELECT, L"Select"},
    {IDS_EDIT_PAYEES_TITLE, L"Edit Payees"},
    {IDS_EDIT_CLASSES_TITLE, L"Edit Classes"},
    {IDS_EDIT_CATEGORIES_TITLE, L"Edit Categories"},
    {IDS_EDIT_CURRENCIES_TITLE, L"Edit Currencies"},
    {IDS_EDIT_TYPES_TITLE, L"Edit Transaction Types"},
    {IDS_MENU_MAKE_BASE, L"Make base"},
    {IDS_BASE_CURRENCY_MARK, L"Base"},
    {IDS_BUILT_IN_MARK, L"Built-in"},
    {IDS_EDIT_PAYEE_TITLE, L"Edit Payee"},
    {IDS_EDIT_CLASS_TITLE, L"Edit Class"},
    {IDS_EDIT_CURRENCY_TITLE, L"Edit Currency"},
    {IDS_EDIT_CATEGORY_TITLE, L"Edit Category"},
    {IDS_TRANSACTION_TYPE_TITLE, L"Transaction Type"},
    {IDS_LABEL_PAYEE_NAME, L"Payee Name:"},
    {IDS_LABEL_CLASS_NAME, L"Class Name:"},
    {IDS_LABEL_SYMBOL, L"Symbol:"},
    {IDS_LABEL_CONVERSION, L"Conversion:"},
    {IDS_LABEL_CATEGORY_NAME, L"Category Name:"},
    {IDS_LABEL_SUB_CATEGORY_OF, L"Sub Category of:"},
    {IDS_LABEL_TYPE_NAME, L"Type Name:"},
    {IDS_MENU_ICON, L"Icon"},
    {IDS_TRANSFER_TITLE, L"Transfer Funds"},
    {IDS_LABEL_DATE, L"Date :"},
    {IDS_LABEL_FROM, L"From :"},
    {IDS_LABEL_TO, L"To :"},
    {IDS_LABEL_AMOUNT, L"Amount :"},
    {IDS_LABEL_CLEARED_MARK, L"Cleared :"},
    {IDS_RECONCILE_SETUP_TITLE, L"Reconcile Setup"},
    {IDS_RECONCILE_HEADING, L"Enter the following from your bank statement :"},
    {IDS_LABEL_BEGINNING_BAL, L"Beginning Bal :"},
    {IDS_LABEL_ENDING_BAL, L"Ending Bal :"},
    {IDS_LABEL_CLOSING_DATE, L"Closing Date :"},
    {IDS_MENU_CONTINUE, L"Continue"},
    {IDS_RECONCILE_TITLE, L"Reconcile"},
    {IDS_LABEL_DIFFERENCE, L"Difference :"},
    {IDS_MENU_MARK_ALL, L"Mark All"},
    {IDS_MENU_UNMARK_ALL, L"Unmark All"},
    {IDS_PURGE_TITLE, L"Purge Transactions"},
    {IDS_PURGE_BEFORE, L"Purge all transactions before :"},
    {IDS_PURGE_CLEARED, L"Purge all cleared transactions."},
    {IDS_PURGE_RECONCILED, L"Purge all reconciled transactions."},
    {IDS_MENU_PURGE_KEY, L"Purge"},
    {IDS_ADJUST_TITLE, L"Adjust Ending Balance"},
    {IDS_LABEL_NEW_BALANCE, L"Enter new balance :"},
    {IDS_LABEL_BALANCE_KIND, L"Adjust :"},
    {IDS_MENU_MARK, L"Mark"},
};

static_assert(IsSortedById(kScreenStrings),
              "the screens' string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadScreenString(StringId id) {
    const Entry* entry = FindById(kScreenStrings, id);
    return entry != nullptr ? entry->text : std::wstring_view{};
}

}  // namespace res
