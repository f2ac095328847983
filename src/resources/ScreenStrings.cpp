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
    // ---- the report and budget screens ----
    {IDS_REPORTS_TITLE, L"Reports"},
    {IDS_BUDGETS_TITLE, L"Budgets"},
    {IDS_REPORT_HEADING, L"%s by %s: %s"},
    {IDS_REPORT_HEADING_ACCOUNT, L"%s by %s: %s, %s"},
    {IDS_BUDGET_HEADING, L"Budget by %s: %s"},
    {IDS_REPORT_SIDE_ALL, L"All Amounts"},
    {IDS_REPORT_SIDE_INCOMES, L"Incomes"},
    {IDS_REPORT_SIDE_EXPENSES, L"Expenses"},
    {IDS_LABEL_TOTAL, L"Total:"},
    {IDS_COLUMN_BUDGET, L"Budget"},
    {IDS_COLUMN_ACTUAL, L"Actual"},
    {IDS_COLUMN_DIFFERENCE, L"Difference"},
    {IDS_COLUMN_DATE, L"Date"},
    {IDS_COLUMN_PAYEE, L"Payee"},
    {IDS_COLUMN_ACCOUNT, L"Account"},
    {IDS_MENU_DEFINE, L"Define"},
    {IDS_MENU_CHART, L"Chart"},
    {IDS_MENU_LIST_VIEW, L"List View"},
    {IDS_MENU_DETAILS, L"Details"},
    {IDS_MENU_SORT_NAME, L"Name"},
    {IDS_MENU_SORT_ICON, L"Icon"},
    {IDS_MENU_INCOMES, L"Incomes"},
    {IDS_MENU_EXPENSES, L"Expenses"},
    {IDS_MENU_ALL_AMOUNTS, L"All Amounts"},
    {IDS_MENU_EDIT, L"Edit"},
    {IDS_MENU_BUDGET_AMOUNT, L"Budget Amount"},
    {IDS_DEFINE_REPORT_TITLE, L"Define Report"},
    {IDS_DEFINE_BUDGET_TITLE, L"Define Budget"},
    {IDS_REPORT_PREFERENCES_TITLE, L"Report Preferences"},
    {IDS_BUDGET_PREFERENCES_TITLE, L"Budget Preferences"},
    {IDS_BUDGET_AMOUNT_TITLE, L"Budget Amount"},
    {IDS_LABEL_BY, L"By :"},
    {IDS_LABEL_PERIOD, L"Period :"},
    {IDS_LABEL_START_DATE, L"Start Date :"},
    {IDS_LABEL_END_DATE, L"End Date :"},
    {IDS_LABEL_ACCOUNT, L"Account :"},
    {IDS_LABEL_AMOUNTS, L"Amounts :"},
    {IDS_ALL_ACCOUNTS, L"All Accounts"},
    {IDS_SHOW_EMPTY_ITEMS, L"Show Empty Items"},
    {IDS_BUDGET_SHOW_EMPTY, L"Show empty items"},
    {IDS_PIE_LABELS, L"Pie Chart Labels :"},
    {IDS_PIE_LABEL_NAME, L"Name"},
    {IDS_PIE_LABEL_AMOUNT, L"Amount"},
    {IDS_PIE_LABEL_PERCENT, L"Percent"},
    {IDS_BUDGET_AMOUNT_PROMPT, L"Enter Monthly Budget Amount for "},
    {IDS_LABEL_BUDGET_AMOUNT, L"Budget Amount :"},
    {IDS_PERIOD_REVERSED,
     L"The End Date is before the Start Date. Choose an End Date on or after it."},
    {IDS_ROW_HAS_NO_BUDGET,
     L"This row has no budget of its own: transfers and the Other row take none."},
    {IDS_CHART_NOTHING, L"Nothing to chart: no amounts in this period."},
    {IDS_DETAILS_NONE, L"No transactions."},
    {IDS_CHART_SLICE_INFO, L"%s  %s  %d%%"},
    {IDS_SETTINGS_NOT_SAVED, L"The settings could not be saved."},
    {IDS_ROW_GONE, L"That row is no longer in the report."},
};

static_assert(IsSortedById(kScreenStrings),
              "the screens' string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadScreenString(StringId id) {
    const Entry* entry = FindById(kScreenStrings, id);
    return entry != nullptr ? entry->text : std::wstring_view{};
}

}  // namespace res
