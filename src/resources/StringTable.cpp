#include "resources/StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

#include "resources/ScreenIds.h"
#include "resources/ScreenStrings.h"
#include "resources/SortedById.h"

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
    {IDS_FREQUENCY_ONCE, L"Once"},
    {IDS_FREQUENCY_WEEKLY, L"Weekly"},
    {IDS_FREQUENCY_TWO_WEEKS, L"Every two weeks"},
    {IDS_FREQUENCY_TWICE_A_MONTH, L"Twice a month"},
    {IDS_FREQUENCY_FOUR_WEEKS, L"Every four weeks"},
    {IDS_FREQUENCY_MONTHLY, L"Monthly"},
    {IDS_FREQUENCY_TWO_MONTHS, L"Every two months"},
    {IDS_FREQUENCY_QUARTERLY, L"Quarterly"},
    {IDS_FREQUENCY_TWICE_A_YEAR, L"Twice a year"},
    {IDS_FREQUENCY_ANNUALLY, L"Annually"},
    {IDS_THROUGH_DUE, L"Due"},
    {IDS_THROUGH_ONE_WEEK, L"1 Week"},
    {IDS_THROUGH_TWO_WEEKS, L"2 Weeks"},
    {IDS_THROUGH_THREE_WEEKS, L"3 Weeks"},
    {IDS_THROUGH_ONE_MONTH, L"1 Month"},
    {IDS_THROUGH_TWO_MONTHS, L"2 Months"},
    {IDS_THROUGH_THREE_MONTHS, L"3 Months"},
    {IDS_THROUGH_SIX_MONTHS, L"6 Months"},
    {IDS_THROUGH_ONE_YEAR, L"1 Year"},
    {IDS_ENTER_MANUALLY, L"Manually"},
    {IDS_ENTER_AUTOMATICALLY, L"Automatically"},
    {IDS_ENTER_REMIND_ME, L"Remind me"},
    {IDS_REPEAT_INDEFINITELY, L"Indefinitely"},
    {IDS_REPEAT_TIMES, L"# of times"},
    {IDS_SCHEDULE_OUT_OF_ORDER,
     L"You cannot edit a scheduled transaction that is out of order.You may only edit the first "
     L"transaction in the series"},
    {IDS_SCHEDULE_GONE, L"This scheduled transaction no longer exists."},
    {IDS_TRANSFER_SAME_ACCOUNT, L"You cant transfer to and from the same account."},
    {IDS_PURGE_ONE_QUESTION,
     L"This action will purge the transaction from the account.If the transaction hasnt been "
     L"marked as clear it will clear the transaction before purging.Are you sure you want to do "
     L"this?"},
    {IDS_DELETE_ONE_QUESTION,
     L"This action will delete the transaction as if it never took place.Are you sure you want to "
     L"do this?"},
    {IDS_SPLIT_TWIN_LOCKED,
     L"This transaction was created as a transfer from a split transaction. In order to change or "
     L"delete it, you must go to the source transaction."},
    {IDS_PURGE_QUESTION,
     L"This action will permanently delete all the specified transactions. Are you sure you want "
     L"to do this?"},
    {IDS_RECONCILED, L"Congratulations, your account has been reconciled."},
    {IDS_RECONCILE_OFF_ASK,
     L"Your account is off by %s. Do you want to create an adjustment to resolve the "
     L"descrepancy?"},
    {IDS_RECONCILE_OFF_ADJUST,
     L"Your account is off by %s. It will create an adjustment to resolve the descrepancy."},
    {IDS_RECONCILE_OFF_NO_ADJUST,
     L"Your account is off by %s. It will not create any adjustment to resolve the descrepancy."},
    {IDS_ENDING_BALANCE_INVALID, L"You must enter a valid amount for the ending balance."},
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
    {IDS_KEY_LEFT_SOFT_BOTH, L"F1/^L"},
    {IDS_KEY_RIGHT_SOFT_BOTH, L"F2/^R"},
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

    // ---- the online-banking library ----
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
    // statement files as banks write them
    {IDS_OFX_LINES_ASTRAY, L"%u statement lines stand outside a statement's transaction list."},
    {IDS_OFX_DATE_OUT_OF_RANGE,
     L"The transaction \"%s\" is dated %s, past the last day the data files can hold "
     L"(2040-02-06)."},
    {IDS_OFX_AMOUNT_TOO_LARGE,
     L"The amount %s of the transaction \"%s\" is more than an account can hold."},
    // ---- end of the online-banking library ----

    // ---- 4500-4999: the account list, the account files and the model's start-up ----
    {IDS_ACCOUNT_NAME_EMPTY, L"Enter a valid Account Name"},
    {IDS_ACCOUNT_NAME_EXISTS,
     L"An account with that name already exists. Please choose another account name."},
    {IDS_ACCOUNT_NAME_CHARACTERS,
     L"The account name cannot contain following characters \\/:*?\"<>|"},
    {IDS_FIRST_ACCOUNT_CHECKING, L"Checking"},
    {IDS_FIRST_ACCOUNT_SAVINGS, L"Savings"},
    {IDS_FIRST_ACCOUNT_MASTER_CARD, L"Master Card"},
    {IDS_FIRST_ACCOUNT_AMERICAN_EXPRESS, L"American Express"},
    {IDS_FIRST_ACCOUNT_VISA, L"Visa"},
    {IDS_MODEL_INIT_FAIL, L"CVModelInit fail"},
    {IDS_MODEL_REINIT_EXCEPTION, L"CVModelReinit Exception"},
    {IDS_FILE_DAMAGED,
     L"The file %s is damaged. What could be read was loaded; the file itself was kept as %s."},
    {IDS_DATA_NOT_LOADED, L"The data in %s could not be loaded (error %d)."},
    {IDS_DATA_NOT_SAVED, L"The data in %s could not all be saved (error %d)."},
    {IDS_SETTINGS_NOT_WRITTEN, L"The settings could not be written to %s."},
    {IDS_ACCOUNTS_TOTAL, L"Total"},
    {IDS_ENTER_PASSWORD, L"Please enter the password:"},
    {IDS_PASSWORD_INCORRECT, L"That password is incorrect."},
    // balances at their limit
    {IDS_BALANCE_LIMIT, L"That would take the account's balance past what it can hold."},
    // ---- end of the account list and the model ----

    // ---- 5000-5099: reports and budgets ----
    {IDS_REPORT_BY_PAYEE, L"Payee"},
    {IDS_REPORT_BY_CATEGORY, L"Category"},
    {IDS_REPORT_BY_CLASS, L"Class"},
    {IDS_PERIOD_LAST_30_DAYS, L"Last 30 Days"},
    {IDS_PERIOD_LAST_90_DAYS, L"Last 90 Days"},
    {IDS_PERIOD_LAST_MONTH, L"Last Month"},
    {IDS_PERIOD_LAST_QUARTER, L"Last Quarter"},
    {IDS_PERIOD_LAST_YEAR, L"Last Year"},
    {IDS_PERIOD_THIS_MONTH, L"This Month"},
    {IDS_PERIOD_THIS_QUARTER, L"This Quarter"},
    {IDS_PERIOD_THIS_YEAR, L"This Year"},
    {IDS_PERIOD_CUSTOM, L"Custom"},
    {IDS_REPORT_UNASSIGNED, L"<Unassigned>"},
    {IDS_REPORT_OTHER, L"Other"},
    {IDS_REPORT_TOTAL, L"Total %s"},
    // ---- end of reports and budgets ----
    // ---- 5100-5199: statement download, review, account import and statement files ----
    {IDS_OFX_ERROR_CAPTION, L"OFX Error"},
    {IDS_ONLINE_SUMMARY_CAPTION, L"Online Summary"},
    {IDS_ONLINE_ERROR_MEMORY, L"There's not enough memory to complete the operation."},
    {IDS_ONLINE_ERROR_PARSE, L"The Data could not be parsed."},
    {IDS_ONLINE_ERROR_PARSE_DETAIL, L"The Data could not be parsed. (%s)"},
    {IDS_ONLINE_ERROR_ACCOUNT,
     L"The account type and/or the account # for this account is invalid."},
    {IDS_ONLINE_ERROR_TIMEOUT, L"The connection timed out."},
    {IDS_ONLINE_ERROR_NO_INTERNET, L"You need to have an internet connection to use this command."},
    {IDS_ONLINE_ERROR_SIGN_ON, L"The Customer ID or Password for this account is invalid."},
    {IDS_ONLINE_ERROR_CONNECTION_SETTINGS,
     L"Your Internet connection is not configured properly.  Please verify your settings in "
     L"Connections."},
    {IDS_ONLINE_ERROR_CODE, L"Error %d %s"},
    {IDS_ONLINE_ERROR_UNEXPECTED, L"An unexpected error ocurred (%d)."},
    {IDS_ACCOUNT_NOT_ONLINE, L"This account is not setup for online access."},
    {IDS_NO_NEW_TRANSACTIONS, L"No new transactions were available at this time"},
    {IDS_NO_ACCOUNT_ONLINE, L"None of your accounts are setup for online access."},
    {IDS_ONE_TRANSACTION_DOWNLOADED,
     L"1 transaction was downloaded from %d bank%s.\n\nSelect an online banking account to "
     L"review the downloaded transactions"},
    {IDS_TRANSACTIONS_DOWNLOADED,
     L"%d transactions were downloaded from %d banks.\n\nSelect an online banking account to "
     L"review the downloaded transactions"},
    {IDS_BANK_NOT_LISTED,
     L"The bank of the account \"%s\" no longer offers online access here. Set the account up "
     L"for online access again."},
    {IDS_UNACCEPTED_DOWNLOADED,
     L"There are %d unaccepted txns for this account.  Would you like to review them now?"},
    {IDS_UNACCEPTED_IMPORTED,
     L"There are %d imported transactions for this account.  Would you like to review them "
     L"now?"},
    {IDS_ACCEPT_NEW_QUESTION, L"Do you want to accept the new Transaction?"},
    {IDS_ACCEPT_MATCH_QUESTION, L"Do you want to accept the Match Transaction?"},
    {IDS_IMPORT_ENTER_NAME, L"Please enter the account name"},
    {IDS_IMPORT_NAME_EXISTS, L"That Account Name alreaday exists,Enter Again!"},
    {IDS_IMPORT_DONE, L"Account Imported Successfully"},
    {IDS_IMPORT_NOT_SAVED,
     L"The account file could not be written, so nothing was imported; the item stays in the "
     L"import folder."},
    {IDS_STATEMENT_FILE_IMPORTED,
     L"%u new transactions (%u of them matched with entered ones), %u already in the account."},
    {IDS_STATEMENT_FILE_UNREADABLE, L"The file %s could not be read."},
    {IDS_STATEMENT_FILE_DAMAGED, L"The file %s is not a statement that can be imported: %s"},
    {IDS_STATEMENT_FILE_NO_STATEMENT, L"The file %s holds no account statement."},
    {IDS_STATEMENT_FILE_SEVERAL_FIT,
     L"Several statements in the file %s are for the account number \"%s\"."},
    {IDS_STATEMENT_FILE_NOT_ADDED,
     L"The transactions of the file %s could not all be added (error %d)."},
    // statement files: choosing a statement, text changed, limits
    {IDS_STATEMENT_FILE_CHOOSE,
     L"The file %s holds statements of several accounts (%s); choose the one to import."},
    {IDS_STATEMENT_FILE_NO_SUCH,
     L"The file %s holds no statement of the account number \"%s\"; it holds %s."},
    {IDS_STATEMENT_FILE_ONLY_WITH_LINES,
     L"The file holds statements of the accounts %s; only that of %s has transactions, and it "
     L"was taken."},
    {IDS_STATEMENT_FILE_TEXT_CHANGED,
     L"Transactions whose texts were changed to be stored (characters the data files cannot "
     L"hold, control characters, texts too long for their field): %u."},
    {IDS_STATEMENT_FILE_BALANCE_LIMIT,
     L"The transactions of the file %s would take the account's balance past what it can hold; "
     L"nothing was imported."},
    // ---- end of statement download, review, account import and statement files ----

    // ---- the command line ----
    {IDS_CLI_HELP,
     L"Usage: coinvale [COMMAND [ARGUMENTS]] [--data DIR] [--json]\n"
     L"\n"
     L"Without a command coinvale starts the interactive program. A command works on the data\n"
     L"folder without it, for scripts:\n"
     L"\n"
     L"  accounts   every account with its balances, and the total\n"
     L"  register   the transactions of an account with their running balance\n"
     L"  add        enter a transaction\n"
     L"  transfer   move money from one account to another\n"
     L"  upcoming   the coming occurrences of the scheduled transactions\n"
     L"  export     an account's register as CSV\n"
     L"  report     the transactions of a period by payee, category or class\n"
     L"  budget     the budgets of a period against what was spent\n"
     L"  import     take a statement file from the bank into an account\n"
     L"  check      read every file of the data folder and report what looks wrong\n"
     L"  init       make a data folder with the first accounts\n"
     L"  backup     list the automatic backups of the data folder, or restore one\n"
     L"\n"
     L"Options of every command:\n"
     L"  --data DIR  the data folder (else the one of the settings)\n"
     L"  --json      machine-readable output\n"
     L"  --help      what a command does and takes: coinvale COMMAND --help\n"
     L"\n"
     L"Dates are written YYYY-MM-DD and amounts with \".\" before the cents. A command that\n"
     L"changes the data refuses to while the interactive program runs, waits a few seconds\n"
     L"for another command changing the same folder, and never makes a data folder.\n"
     L"Exit status: 0 done, 1 refused or problems found, 2 wrong usage."},
    {IDS_CLI_HELP_ACCOUNTS,
     L"Usage: coinvale accounts [--data DIR] [--json]\n"
     L"\n"
     L"Every account with its type, currency, current and cleared balance and whether it counts\n"
     L"in the total; then the totals of the accounts counted in them, each converted to the\n"
     L"home currency at its currency's rate."},
    {IDS_CLI_HELP_REGISTER,
     L"Usage: coinvale register ACCOUNT [--filter F] [--sort COLUMN] [--descending]\n"
     L"                                 [--data DIR] [--json]\n"
     L"\n"
     L"The transactions of the account in register order: date, check number or type, payee,\n"
     L"category, class, memo, amount, state and running balance.\n"
     L"\n"
     L"  --filter F       All, Reconciled, Unreconciled, Cleared, Uncleared, Downloaded or\n"
     L"                   Imported (default All)\n"
     L"  --sort COLUMN    Check, Icon, Date, Type, Payee, Category, Class, Memo or Amount\n"
     L"                   (default: the account's own order)\n"
     L"  --descending     the sort from the newest (largest) end"},
    {IDS_CLI_HELP_ADD,
     L"Usage: coinvale add ACCOUNT --amount A [--date D] [--type T] [--payee P]\n"
     L"                    [--category C] [--class K] [--memo M] [--state S] [--check N]\n"
     L"                    [--data DIR] [--json]\n"
     L"\n"
     L"Enters one transaction into the account and saves the data.\n"
     L"\n"
     L"  --amount A    negative takes money out, positive puts it in (-25.40, 1200)\n"
     L"  --date D      YYYY-MM-DD (default today)\n"
     L"  --type T      a transaction type such as \"Check #\", Withdrawal, Deposit, Charge,\n"
     L"                Payment, ATM or EFT; its direction must match the amount's sign\n"
     L"                (default: the account's own type, or Withdrawal or Deposit)\n"
     L"  --payee P     a payee; a new one joins the payee list, a known one fills in the\n"
     L"                category, class and memo left out, and the payee remembers the\n"
     L"                transaction\n"
     L"  --category C  a category (\"Auto:Fuel\" for a sub-category), or an account in square\n"
     L"                brackets (\"[Savings]\") for a transfer, whose twin goes into that account\n"
     L"  --class K     a class\n"
     L"  --memo M      a memo\n"
     L"  --state S     Uncleared (default), Cleared, Reconciled or Void\n"
     L"  --check N     the check number (at most eight digits); the type is then \"Check #\""},
    {IDS_CLI_HELP_TRANSFER,
     L"Usage: coinvale transfer FROM TO AMOUNT [--date D] [--cleared] [--data DIR] [--json]\n"
     L"\n"
     L"Moves the amount out of account FROM into account TO: a withdrawal \"Transfer\" in FROM\n"
     L"and its twin deposit in TO, converted when their currencies differ, and saves the data.\n"
     L"\n"
     L"  --date D    YYYY-MM-DD (default today)\n"
     L"  --cleared   both transactions are entered as cleared"},
    {IDS_CLI_HELP_UPCOMING,
     L"Usage: coinvale upcoming [--through PERIOD] [--data DIR] [--json]\n"
     L"\n"
     L"The occurrences of the scheduled transactions up to the end of the period, by date.\n"
     L"\n"
     L"  --through PERIOD  Due, \"1 Week\", \"2 Weeks\", \"3 Weeks\", \"1 Month\", \"2 Months\",\n"
     L"                    \"3 Months\", \"6 Months\" or \"1 Year\" (default: the setting of the\n"
     L"                    upcoming-transactions screen)"},
    {IDS_CLI_HELP_EXPORT,
     L"Usage: coinvale export ACCOUNT [--format csv] [--filter F] [--sort COLUMN]\n"
     L"                       [--descending] [--data DIR]\n"
     L"\n"
     L"The account's register as CSV (RFC 4180) on standard output: a header line, then one\n"
     L"line per transaction with the date (YYYY-MM-DD), check number, type, payee, category,\n"
     L"class, memo, signed amount, state and running balance. The options choose the rows and\n"
     L"their order as for register.\n"
     L"\n"
     L"coinvale export [ACCOUNT] --format qif   the account, or every account, as QIF\n"
     L"coinvale export --format ledger          the data folder as a plain-text journal\n"
     L"coinvale export --format json            the data folder as JSON"},
    {IDS_CLI_HELP_CHECK,
     L"Usage: coinvale check [--data DIR] [--json]\n"
     L"\n"
     L"Reads every file of the data folder, changing nothing, and reports what it could not read\n"
     L"or what looks wrong: a missing, unreadable or damaged file, a transfer whose twin points\n"
     L"nowhere, stored balances that do not add up. Exit status 1 when it found anything."},
    {IDS_CLI_HELP_REPORT,
     L"Usage: coinvale report --by payee|category|class [--period NAME | --from D --to D]\n"
     L"                       [--account A] [--incomes | --expenses] [--show-empty]\n"
     L"                       [--data DIR] [--json]\n"
     L"\n"
     L"The transactions of the period summed by payee, category or class, each amount in the\n"
     L"home currency, with the total; by category each category with sub-categories also has\n"
     L"its total row.\n"
     L"\n"
     L"  --period NAME   \"Last 30 Days\" (default), \"Last 90 Days\", \"Last Month\",\n"
     L"                  \"Last Quarter\", \"Last Year\", \"This Month\", \"This Quarter\" or\n"
     L"                  \"This Year\"\n"
     L"  --from D --to D a period of your own, YYYY-MM-DD, both days included\n"
     L"  --account A     one account only (default: all accounts)\n"
     L"  --incomes       only the rows of money in\n"
     L"  --expenses      only the rows of money out; with either, a report on all accounts\n"
     L"                  leaves out the transfers between them\n"
     L"  --show-empty    keep the rows without an amount"},
    {IDS_CLI_HELP_BUDGET,
     L"Usage: coinvale budget --by payee|category|class --period NAME [--show-empty]\n"
     L"                       [--data DIR] [--json]\n"
     L"\n"
     L"The monthly budgets of the payees, categories or classes over the period (times 3 for a\n"
     L"quarter, 12 for a year) against what the transactions of all accounts came to, and the\n"
     L"difference (actual less budget), with the totals. The periods are those of report but\n"
     L"\"Custom\"; a row with a budget stays even without an amount."},
    {IDS_CLI_HELP_IMPORT,
     L"Usage: coinvale import FILE --account A [--statement NUMBER] [--format F] [CSV options]\n"
     L"       [--data DIR] [--json]\n"
     L"\n"
     L"Takes a statement file saved from the bank's web site (OFX or QFX) into account A as a\n"
     L"download would: lines the account already holds (by the bank's identifier, or by date,\n"
     L"amount, payee and number for lines without one) are skipped, the others are matched\n"
     L"with entered transactions where one fits and await review in the register. Of a file\n"
     L"with several statements, --statement NUMBER takes that account number's; without it,\n"
     L"the one whose account number is A's, else the only one with transactions. Prints how\n"
     L"many lines were new, matched and skipped, and how many had texts changed to be stored;\n"
     L"nothing is saved unless the whole file went in.\n"
     L"\n"
     L"QIF and CSV files (by --format ofx|qif|csv, else by the file's extension) go in the\n"
     L"same way; importing the same file again adds nothing. A CSV file needs its columns:\n"
     L"  --rules FILE        a bank's rules file (columns, date-format, header-lines,\n"
     L"                      separator, decimal; one \"key = value\" a line)\n"
     L"  --columns LIST      e.g. \"date,payee,-,debit,credit\" (date, amount, debit, credit,\n"
     L"                      payee, memo, category, class, number, state, - for none)\n"
     L"  --date-format F     e.g. DD.MM.YYYY (also day-first QIF dates)\n"
     L"  --header-lines N    --separator , ; | tab    --decimal . ,"},
    {IDS_CLI_UNKNOWN_COMMAND, L"coinvale: there is no command \"%s\". See coinvale --help."},
    {IDS_CLI_UNKNOWN_OPTION, L"coinvale %s: %s is not an option here. See coinvale %s --help."},
    {IDS_CLI_MISSING_VALUE, L"coinvale %s: %s needs a value."},
    {IDS_CLI_ARGUMENT_COUNT, L"coinvale %s: wrong arguments. See coinvale %s --help."},
    {IDS_CLI_MISSING_OPTION, L"coinvale %s: %s is required."},
    {IDS_CLI_REPEATED_OPTION, L"coinvale %s: %s is given twice."},
    {IDS_CLI_EXCLUSIVE_OPTIONS, L"coinvale %s: %s and %s exclude each other."},
    {IDS_CLI_NO_ACCOUNT, L"There is no account named \"%s\"."},
    {IDS_CLI_BAD_DATE, L"\"%s\" is not a date: write it YYYY-MM-DD, from 1904 to 2040."},
    {IDS_CLI_NO_TYPE, L"There is no transaction type named \"%s\"."},
    {IDS_CLI_NO_CATEGORY, L"There is no category or account named \"%s\"."},
    {IDS_CLI_NO_CLASS, L"There is no class named \"%s\"."},
    {IDS_CLI_BAD_STATE, L"\"%s\" is not a state; use one of: %s."},
    {IDS_CLI_BAD_CHECK_NUMBER, L"\"%s\" is not a check number: use at most eight digits."},
    {IDS_CLI_CHECK_NEEDS_TYPE, L"The type \"%s\" carries no check number."},
    {IDS_CLI_SIGN_AGAINST_TYPE,
     L"The type \"%s\" goes the other way: a negative amount takes money out, a positive one "
     L"puts it in."},
    {IDS_CLI_SPLIT_REFUSED, L"A split transaction cannot be entered from the command line."},
    {IDS_CLI_BAD_FILTER, L"\"%s\" is not a register filter; use one of: %s."},
    {IDS_CLI_BAD_SORT, L"\"%s\" is not a column to sort by; use one of: %s."},
    {IDS_CLI_BAD_PERIOD, L"\"%s\" is not a period; use one of: %s."},
    {IDS_CLI_BAD_FORMAT, L"\"%s\" is not an export format; use csv, qif, ledger or json."},
    {IDS_CLI_BAD_GROUPING, L"\"%s\" is not a grouping; use one of: %s."},
    {IDS_CLI_CUSTOM_NEEDS_DATES, L"A period of your own needs both --from and --to."},
    {IDS_CLI_PERIOD_REVERSED, L"The period ends (%s) before it starts (%s)."},
    {IDS_CLI_DATA_IN_USE,
     L"Coinvale is running and holds the data. Close it before changing the data from the "
     L"command line; nothing was changed."},
    {IDS_CLI_LOCK_UNAVAILABLE,
     L"The data could not be locked: no lock file can be made in the runtime folder "
     L"($XDG_RUNTIME_DIR/coinvale or /tmp/coinvale-UID). Nothing was changed."},
    {IDS_CLI_NO_DATA_FOLDER, L"There is no data folder at %s."},
    {IDS_CLI_FILE_PROBLEM_MISSING, L"%s is missing; the program would write it anew."},
    {IDS_CLI_FILE_PROBLEM_UNREADABLE, L"%s could not be read."},
    {IDS_CLI_FILE_PROBLEM_DAMAGED, L"%s is damaged; only what comes before the damage is read."},
    {IDS_ALREADY_RUNNING, L"Coinvale is already running."},
    {IDS_CLI_ADDED, L"Entered in %s:"},
    {IDS_CLI_TRANSFERRED, L"Transferred %s from %s to %s."},
    {IDS_CLI_REPORT_PERIOD, L"%s: %s to %s"},
    {IDS_CLI_IMPORTED, L"Imported into %s: %u new (%u matched), %u skipped."},
    {IDS_CLI_CHECK_TRANSFER_NOWHERE,
     L"%s: the transfer of %s (%s, %s) names an account that does not exist."},
    {IDS_CLI_CHECK_TWIN_MISSING, L"%s: the twin of the transfer of %s (%s, %s) is not in %s."},
    {IDS_CLI_CHECK_TWIN_ASTRAY,
     L"%s: the twin of the transfer of %s (%s, %s) in %s does not point back to it."},
    {IDS_CLI_CHECK_BALANCE,
     L"%s: the stored balance %s does not add up; the transactions give %s."},
    {IDS_CLI_CHECK_CLEAN, L"%s: no problems found (%d files, %d accounts, %d transactions)."},
    {IDS_CLI_CHECK_FOUND, L"%d problems found in %s."},
    {IDS_CLI_CHECK_CLEARED_BALANCE,
     L"%s: the stored cleared balance %s does not add up; the transactions give %s."},
    {IDS_CLI_COLUMN_ACCOUNT, L"Account"},
    {IDS_CLI_COLUMN_TYPE, L"Type"},
    {IDS_CLI_COLUMN_CURRENCY, L"Currency"},
    {IDS_CLI_COLUMN_BALANCE, L"Balance"},
    {IDS_CLI_COLUMN_CLEARED, L"Cleared"},
    {IDS_CLI_COLUMN_IN_TOTAL, L"In total"},
    {IDS_CLI_COLUMN_DATE, L"Date"},
    {IDS_CLI_COLUMN_NUMBER, L"Num"},
    {IDS_CLI_COLUMN_PAYEE, L"Payee"},
    {IDS_CLI_COLUMN_CATEGORY, L"Category"},
    {IDS_CLI_COLUMN_CLASS, L"Class"},
    {IDS_CLI_COLUMN_MEMO, L"Memo"},
    {IDS_CLI_COLUMN_AMOUNT, L"Amount"},
    {IDS_CLI_COLUMN_STATE, L"State"},
    {IDS_CLI_COLUMN_CHECK_NUMBER, L"Check number"},
    {IDS_CLI_COLUMN_BUDGET, L"Budget"},
    {IDS_CLI_COLUMN_ACTUAL, L"Actual"},
    {IDS_CLI_COLUMN_DIFFERENCE, L"Difference"},
    {IDS_CLI_TOTAL, L"Total"},
    {IDS_CLI_YES, L"yes"},
    {IDS_CLI_NO, L"no"},
    {IDS_CLI_STATE_UNCLEARED, L"Uncleared"},
    {IDS_CLI_STATE_CLEARED, L"Cleared"},
    {IDS_CLI_STATE_RECONCILED, L"Reconciled"},
    {IDS_CLI_STATE_VOID, L"Void"},
    // typed values and text
    {IDS_CLI_AMOUNT_NOT_AN_AMOUNT,
     L"\"%s\" is not an amount: write it with \".\" before the cents and \",\" only "
     L"between groups of three digits (1,234.50)."},
    {IDS_CLI_AMOUNT_TOO_PRECISE, L"\"%s\" has more than two decimals."},
    {IDS_CLI_AMOUNT_TOO_LARGE, L"\"%s\" is more than an account can hold."},
    {IDS_CLI_TEXT_CONTROL, L"The %s text holds a control character, which cannot be stored."},
    {IDS_CLI_TEXT_CODE_PAGE,
     L"The %s text holds \"%s\", which the data files (Windows-1252) cannot hold."},
    {IDS_CLI_TEXT_TOO_LONG, L"The %s text is longer than the %u characters it can have."},
    {IDS_CLI_CHOOSE_STATEMENT, L"Choose one with --statement NUMBER."},
    // ---- end of the command line ----
    // ---- interchange (QIF, CSV, journals) ----
    {IDS_INTERCHANGE_BAD_DATE, L"%s, line %u: \"%s\" is not a date."},
    {IDS_INTERCHANGE_BAD_AMOUNT, L"%s, line %u: \"%s\" is not an amount."},
    {IDS_INTERCHANGE_NO_DATE, L"%s, line %u: the transaction has no date."},
    {IDS_INTERCHANGE_NO_END, L"%s, line %u: the file ends inside a transaction (no \"^\" line)."},
    {IDS_INTERCHANGE_BAD_SECTION,
     L"%s, line %u: \"%s\" is not a section that can be imported; bank, cash and credit-card "
     L"sections can."},
    {IDS_INTERCHANGE_NO_SECTION, L"%s, line %u: a transaction stands before any \"!Type:\" line."},
    {IDS_INTERCHANGE_NO_ACCOUNT, L"%s, line %u: no account is named \"%s\"."},
    {IDS_INTERCHANGE_SHORTENED, L"%s, line %u: \"%s\" was shortened to \"%s\"."},
    {IDS_INTERCHANGE_NOT_TEXT, L"%s, line %u: the file holds bytes that are not text."},
    {IDS_INTERCHANGE_MISSING_COLUMN, L"%s, line %u: the line has no column %u."},
    {IDS_INTERCHANGE_BAD_MAPPING,
     L"The CSV columns need a date column and an amount column (or a debit and a credit "
     L"column); see --columns."},
    {IDS_INTERCHANGE_BAD_RULE,
     L"%s, line %u: \"%s\" is not a rule (columns, date-format, header-lines, separator, "
     L"decimal)."},
    {IDS_INTERCHANGE_UNCLOSED_QUOTE, L"%s, line %u: a quoted field is not closed."},
    {IDS_INTERCHANGE_SAME_ACCOUNT, L"%s, line %u: a transfer from \"%s\" to itself."},
    {IDS_INTERCHANGE_TOO_MANY_SPLITS, L"%s, line %u: a transaction has more than 10 split lines."},
    {IDS_INTERCHANGE_SPLIT_ORDER,
     L"%s, line %u: \"%s\" stands before the \"S\" line of its split line."},
    {IDS_INTERCHANGE_BAD_IMPORT_FORMAT, L"\"%s\" is not an import format; use ofx, qif or csv."},
    {IDS_INTERCHANGE_NEEDS_ACCOUNT, L"The %s format exports one account: name it."},
    {IDS_INTERCHANGE_WHOLE_FOLDER,
     L"The %s format exports the whole data folder: name no account."},
    {IDS_INTERCHANGE_NOT_ADDED, L"%s, line %u: the transaction could not be added (error %d)."},
    {IDS_INTERCHANGE_BAD_OPTION, L"\"%s\" is not a value for %s."},
    {IDS_INTERCHANGE_UNREADABLE, L"Cannot read \"%s\"."},
    {IDS_INTERCHANGE_BAD_COLUMN_WORD,
     L"\"%s\" is not a column (date, amount, debit, credit, payee, memo, category, class, "
     L"number, state or -)."},
    // ---- end of interchange ----
};

static_assert(IsSortedById(kStrings),
              "the string table must be sorted by id, without duplicates");

}  // namespace

std::wstring_view LoadString(StringId id) {
    if (id >= IDS_SCREEN_FIRST) return LoadScreenString(id);
    const Entry* entry = FindById(kStrings, id);
    return entry != nullptr ? entry->text : std::wstring_view{};
}

}  // namespace res
