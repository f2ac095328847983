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
    // ---- data safety ----
    {IDS_DATA_FOLDER_IN_USE,
     L"Another program (Coinvale or one of its commands) is changing the data in %s. Nothing "
     L"was changed; try again when it has finished."},
    {IDS_DATA_FOLDER_IN_USE_SCREEN,
     L"Another program is changing the data in %s. Close it, then start Coinvale again."},
    {IDS_DATA_FOLDER_NOT_LOCKABLE,
     L"The data in %s could not be locked for changing (no lock file can be made there). "
     L"Nothing was changed."},
    {IDS_NO_DATA_FOR_CHANGE,
     L"There is no Coinvale data at %s; nothing was changed. To start a data folder there: "
     L"coinvale init --data %s"},
    {IDS_INIT_DONE, L"Created a data folder at %s with the first accounts."},
    {IDS_INIT_ALREADY, L"%s already holds Coinvale data; nothing was changed."},
    {IDS_INIT_FAILED, L"No data folder could be made at %s; nothing was written."},
    {IDS_SAVE_CHANGED_ELSEWHERE,
     L"Nothing was saved: %s was changed by another program since Coinvale read it. Run the "
     L"command again (in Coinvale: end it and start it again) to work on the new data."},
    {IDS_SAVE_WRITE_FAILED, L"Nothing was saved: %s could not be written (%s)."},
    {IDS_SAVE_PENDING,
     L"The change is saved, but %s is still to be put in place (%s); the next start of "
     L"Coinvale or of a command that changes data finishes it."},
    {IDS_CAUSE_DISK_FULL, L"the disk is full"},
    {IDS_CAUSE_PERMISSION, L"permission denied"},
    {IDS_CAUSE_IO_ERROR, L"an input/output error"},
    {IDS_CAUSE_NOT_FOUND, L"the folder is gone"},
    {IDS_CAUSE_OTHER, L"error %ld"},
    {IDS_FILE_NOT_AN_ACCOUNT,
     L"%s holds no account (it is too short or not an account file); it is left as it is "
     L"and its account is not shown."},
    {IDS_FILE_NOT_A_FILE,
     L"%s is not a file; it is left as it is and no account is read from it."},
    {IDS_UNFINISHED_SAVE,
     L"A save was interrupted (%s); it is read as finished, and the next start of Coinvale or "
     L"of a command that changes data finishes it."},
    {IDS_MISSING_FROM_TOTAL, L"%s could not be read: its account is missing from the total."},
    {IDS_CHECK_DAMAGED_COPY,
     L"%s is the copy Coinvale kept of a damaged file; what it holds is not in the data."},
    {IDS_CHECK_CATEGORY_MISSING, L"%s: the category of %s (%s, %s) is not in the category list."},
    {IDS_CHECK_CLASS_MISSING, L"%s: the class of %s (%s, %s) is not in the class list."},
    {IDS_CHECK_PAYEE_MISSING, L"%s: the payee of %s (%s, %s) is not in the payee look-up list."},
    {IDS_SETTINGS_DAMAGED, L"The settings file %s had lost values; Coinvale kept it as %s."},
    {IDS_SAVE_NOT_SAVED_SCREEN, L"%s Nothing was lost in memory."},
    {IDS_FILES_LEFT_OUT_SCREEN,
     L"These files could not be read and are left as they are: %s. Their accounts are not "
     L"shown."},
    {IDS_SUMMARY_MISSING_FROM_TOTAL, L"Missing from the total: %s"},
    {IDS_CLI_HELP_INIT,
     L"Usage: coinvale init [--data DIR]\n"
     L"\n"
     L"Makes a data folder (DIR, else the folder of the settings) with its list files and the\n"
     L"first accounts. The commands that change data never make one; they refuse where there\n"
     L"is none. Refused where the folder holds data already."},
    {IDS_CLI_HELP_BACKUP,
     L"Usage: coinvale backup list [--data DIR] [--json]\n"
     L"       coinvale backup restore NAME [--data DIR]\n"
     L"\n"
     L"Before the first save of a day, and before an import, Coinvale keeps a copy of the data\n"
     L"folder in the folder \"<data folder>.backups\" beside it, named by the day\n"
     L"(2026-12-06, ...). The last 7 daily and 4 weekly ones are kept.\n"
     L"\n"
     L"  list           the backups, newest first\n"
     L"  restore NAME   puts the data files of that backup back, all together; the data as it\n"
     L"                 was is kept as a backup first"},
    {IDS_BACKUP_LIST_EMPTY, L"There are no backups of %s yet."},
    {IDS_BACKUP_RESTORED, L"Restored the backup %s into %s."},
    {IDS_BACKUP_NOT_FOUND, L"There is no backup named \"%s\"; coinvale backup list shows them."},
    {IDS_BACKUP_FAILED, L"No backup of %s could be made (%s); nothing was changed."},
    {IDS_BACKUP_USAGE,
     L"coinvale backup takes \"list\" or \"restore NAME\"; see coinvale backup --help."},
    {IDS_BACKUP_COLUMN_NAME, L"Backup"},
    {IDS_BACKUP_COLUMN_FILES, L"Files"},
    {IDS_BACKUP_COLUMN_BYTES, L"Bytes"},
};

static_assert(IsSortedById(kScreenStrings),
              "the screens' string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadScreenString(StringId id) {
    const Entry* entry = FindById(kScreenStrings, id);
    return entry != nullptr ? entry->text : std::wstring_view{};
}

}  // namespace res
