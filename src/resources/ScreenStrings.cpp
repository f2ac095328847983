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
    // the transaction editor, the split screens, the memo and currency conversion
    {IDS_EDITOR_TITLE_DETAILS, L"Transaction Details"},
    {IDS_EDITOR_TITLE_NEW, L"New Transaction"},
    {IDS_EDITOR_TITLE_EDIT, L"Edit Transaction"},
    {IDS_EDITOR_TITLE_UPCOMING, L"Edit Upcoming Transaction"},
    {IDS_EDITOR_TITLE_NEW_SCHEDULED, L"New Scheduled Transaction"},
    {IDS_EDITOR_TITLE_EDIT_SCHEDULED, L"Edit Scheduled Transaction"},
    {IDS_EDITOR_TITLE_REPORT, L"Edit Report Transaction"},
    {IDS_EDITOR_TITLE_REVIEW, L"Edit Review Transaction"},
    {IDS_EDITOR_TITLE_BUDGET, L"Edit Budget Transaction"},
    {IDS_EDITOR_LABEL_DATE, L"Date:"},
    {IDS_EDITOR_LABEL_PAYEE, L"Payee:"},
    {IDS_EDITOR_LABEL_TYPE, L"Type:"},
    {IDS_EDITOR_LABEL_AMOUNT, L"Amount:"},
    {IDS_EDITOR_LABEL_CATEGORY, L"Category:"},
    {IDS_EDITOR_LABEL_CLASS, L"Class:"},
    {IDS_EDITOR_LABEL_MEMO, L"Memo:"},
    {IDS_EDITOR_LABEL_STATE, L"State:"},
    {IDS_EDITOR_LABEL_ACCOUNT, L"Account Name:"},
    {IDS_EDITOR_LABEL_NUMBER, L"Number:"},
    {IDS_EDITOR_LABEL_REPEAT, L"Repeat:"},
    {IDS_EDITOR_EDIT_PAYEE, L"Edit Payee..."},
    {IDS_EDITOR_EDIT_CATEGORY, L"Edit Category..."},
    {IDS_EDITOR_EDIT_CLASS, L"Edit Class..."},
    {IDS_EDITOR_STATE_UNCLEARED, L"Uncleared"},
    {IDS_EDITOR_STATE_CLEARED, L"Cleared"},
    {IDS_EDITOR_STATE_RECONCILED, L"Reconciled"},
    {IDS_EDITOR_STATE_VOID, L"Void"},
    {IDS_EDITOR_MENU_RECORD, L"Record"},
    {IDS_EDITOR_MENU_CONVERT, L"Convert Currency"},
    {IDS_EDITOR_MENU_PURGE, L"Purge Transaction"},
    {IDS_EDITOR_MENU_DELETE, L"Delete Transaction"},
    {IDS_SPLIT_MENU_EDIT, L"Edit"},
    {IDS_SPLIT_MENU_CLEAR, L"Clear"},
    {IDS_SPLIT_MENU_ADJUST, L"Adjust"},
    {IDS_RECONCILED_EDIT_QUESTION,
     L"You have edited a transaction that has already been reconciled. If you "
     L"proceed it may impact the reconcilation balance. Do you want to record "
     L"your changes?"},
    {IDS_SCHEDULE_NEEDS_ACCOUNT, L"You need to select Account for this scheduled Transaction."},
    {IDS_EDITOR_NEGATIVE_AMOUNT,
     L"Enter the amount without a minus sign: the type (a withdrawal or a "
     L"deposit, say) gives its direction."},
    {IDS_REPEAT_NEEDS_TIMES, L"Enter how many times the transaction repeats: at least 1."},
    {IDS_SPLIT_LINE_SPLIT,
     L"A split line cannot itself be split. Choose a category or an account."},
    {IDS_SPLIT_LINE_OWN_ACCOUNT,
     L"A split line cannot transfer to the account of its own transaction."},
    {IDS_MEMO_TOO_LONG,
     L"The memo is too long to keep. Shorten it (a line break counts as two "
     L"characters)."},
    {IDS_CONVERT_RATE_INVALID, L"Enter a valid conversion rate: a number such as 1.25."},
    {IDS_SPLIT_TITLE, L"Split Transaction"},
    {IDS_SPLIT_LINE_TITLE, L"Split Transaction - Edit"},
    {IDS_SPLIT_COLUMN_CATEGORY, L"Category"},
    {IDS_SPLIT_COLUMN_CLASS, L"Class"},
    {IDS_SPLIT_COLUMN_AMOUNT, L"Amount"},
    {IDS_SPLIT_COLUMN_MEMO, L"Memo"},
    {IDS_SPLIT_TOTAL, L"Splits Total :"},
    {IDS_SPLIT_REMAINDER, L"Remainder :"},
    {IDS_SPLIT_TRANSACTION_TOTAL, L"Transaction Total :"},
    {IDS_CONVERT_TITLE, L"Convert Currency"},
    {IDS_CONVERT_LABEL_FROM, L"From:"},
    {IDS_CONVERT_LABEL_FROM_AMOUNT, L"From Amount:"},
    {IDS_CONVERT_LABEL_RATE, L"Conversion:"},
    {IDS_CONVERT_LABEL_AMOUNT, L"Amount:"},
    {IDS_MEMO_TITLE, L"Memo"},
    {IDS_EDITOR_REPEAT_TEXT, L"%s, next %s"},
};

static_assert(IsSortedById(kScreenStrings),
              "the screens' string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadScreenString(StringId id) {
    const Entry* entry = FindById(kScreenStrings, id);
    return entry != nullptr ? entry->text : std::wstring_view{};
}

}  // namespace res
