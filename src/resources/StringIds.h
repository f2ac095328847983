#pragma once

// Ids of the string table. Ranges keep the areas apart:
//   1-99       the product and general texts
//   100-999    the data model: built-in names and the messages of its operations
//   1000-2999  the window system, controls and the shell
//   3000-      later areas (online banking, screens)
namespace res {

enum StringId : int {
    IDS_NONE = 0,
    IDS_APP_NAME = 1,  // "Coinvale": the title of every message box

    // ---- 100-999: the data model ----
    // Built-in classes and categories: the id is the number in the record's fixed key.
    IDS_CLASS_BUSINESS = 101,
    IDS_CLASS_PERSONAL = 102,
    IDS_CATEGORY_SALARY = 107,
    IDS_CATEGORY_AUTO = 108,
    IDS_CATEGORY_AUTO_FUEL = 109,
    IDS_CATEGORY_AUTO_INSURANCE = 110,
    IDS_CATEGORY_AUTO_PAYMENT = 111,
    IDS_CATEGORY_CLOTHING = 114,
    IDS_CATEGORY_DINING = 115,
    IDS_CATEGORY_EDUCATION = 116,
    IDS_CATEGORY_ENTERTAINMENT = 117,
    IDS_CATEGORY_GIFTS = 118,
    IDS_CATEGORY_GROCERIES = 119,
    IDS_CATEGORY_HOUSEHOLD = 120,
    IDS_CATEGORY_INSURANCE = 121,
    IDS_CATEGORY_MEDICAL = 124,
    IDS_CATEGORY_MISC = 127,
    IDS_CATEGORY_RECREATION = 129,
    IDS_CATEGORY_SUBSCRIPTIONS = 130,
    IDS_CATEGORY_TAX = 131,
    IDS_CATEGORY_UTILITIES_TELEPHONE = 138,
    IDS_CATEGORY_TRAVEL = 139,
    IDS_CATEGORY_UTILITIES = 140,
    IDS_CATEGORY_UTILITIES_CABLE_TV = 141,
    IDS_CATEGORY_UTILITIES_GAS = 142,
    IDS_CATEGORY_UTILITIES_ELECTRIC = 143,
    IDS_CATEGORY_UTILITIES_WATER = 144,
    IDS_CATEGORY_VACATION = 145,
    IDS_CATEGORY_TRAVEL_LODGING = 146,
    IDS_CATEGORY_TRAVEL_GROUND = 148,
    IDS_CATEGORY_TRAVEL_AIR = 149,
    IDS_CATEGORY_TRAVEL_MEALS = 150,
    IDS_CATEGORY_PARENT_NONE = 160,  // "None": the parent choice of a top-level category
    // Built-in currencies, by currency number.
    IDS_CURRENCY_DOLLAR = 171,
    IDS_CURRENCY_POUND = 172,
    IDS_CURRENCY_EURO = 173,
    IDS_CURRENCY_YEN = 174,
    IDS_CURRENCY_MARK = 175,
    IDS_CURRENCY_FRANC = 176,
    IDS_CURRENCY_CANADIAN_DOLLAR = 177,
    IDS_CURRENCY_AUSTRALIAN_DOLLAR = 178,
    // Built-in transaction types, by the type number in key byte 7.
    IDS_TYPE_CHECK = 181,
    IDS_TYPE_WITHDRAWAL = 182,
    IDS_TYPE_DEPOSIT = 183,
    IDS_TYPE_CHARGE = 184,
    IDS_TYPE_PAYMENT = 185,
    IDS_TYPE_ATM = 186,
    IDS_TYPE_EFT = 187,
    // Messages of the list-editing rules.
    IDS_INVALID_NAME = 200,
    IDS_ITEM_NAME_EXISTS = 201,
    IDS_PAYEE_NAME_EXISTS = 202,
    IDS_CLASS_NAME_EXISTS = 203,
    IDS_CURRENCY_SYMBOL_EXISTS = 204,
    IDS_BASE_RATE_NOT_ONE = 205,
    IDS_MAKE_BASE_QUESTION = 206,
    IDS_DELETE_BASE_CURRENCY = 207,
    IDS_TYPE_BUILTIN = 208,
    IDS_TYPE_LIST_EMPTY = 209,
    IDS_TYPE_BAD_INDEX = 210,
    IDS_LIST_EMPTY = 211,
    IDS_BAD_ITEM_INDEX = 212,
    IDS_CURRENCY_RATE_INVALID = 213,
    IDS_CURRENCY_LIST_FULL = 214,
    IDS_CATEGORY_OWN_PARENT = 215,
    IDS_CATEGORY_PARENT_IS_SUB = 216,
    IDS_CATEGORY_HAS_SUBS = 217,
    // Transactions and accounts (500-599).
    IDS_ACCOUNT_TYPE_CHECKING = 500,  // account types 0-7, in order
    IDS_ACCOUNT_TYPE_SAVINGS = 501,
    IDS_ACCOUNT_TYPE_CASH = 502,
    IDS_ACCOUNT_TYPE_CREDIT = 503,
    IDS_ACCOUNT_TYPE_ASSET = 504,
    IDS_ACCOUNT_TYPE_LIABILITY = 505,
    IDS_ACCOUNT_TYPE_MONEY_MARKET = 506,
    IDS_ACCOUNT_TYPE_LINE_OF_CREDIT = 507,
    IDS_FILTER_ALL = 510,  // register filters 0-6, in order
    IDS_FILTER_RECONCILED = 511,
    IDS_FILTER_UNRECONCILED = 512,
    IDS_FILTER_CLEARED = 513,
    IDS_FILTER_UNCLEARED = 514,
    IDS_FILTER_DOWNLOADED = 515,
    IDS_FILTER_IMPORTED = 516,
    IDS_SORT_CHECK = 520,  // register sort columns 0-8, in order
    IDS_SORT_ICON = 521,
    IDS_SORT_DATE = 522,
    IDS_SORT_TYPE = 523,
    IDS_SORT_PAYEE = 524,
    IDS_SORT_CATEGORY = 525,
    IDS_SORT_CLASS = 526,
    IDS_SORT_MEMO = 527,
    IDS_SORT_AMOUNT = 528,
    IDS_CATEGORY_SPLIT = 530,  // the category text of a split transaction
    IDS_BEGINNING_BALANCE_POSITIVE = 531,
    // Scheduled and upcoming transactions (800-899).
    IDS_FREQUENCY_ONCE = 800,  // frequencies 0-9, in order
    IDS_FREQUENCY_WEEKLY = 801,
    IDS_FREQUENCY_TWO_WEEKS = 802,
    IDS_FREQUENCY_TWICE_A_MONTH = 803,
    IDS_FREQUENCY_FOUR_WEEKS = 804,
    IDS_FREQUENCY_MONTHLY = 805,
    IDS_FREQUENCY_TWO_MONTHS = 806,
    IDS_FREQUENCY_QUARTERLY = 807,
    IDS_FREQUENCY_TWICE_A_YEAR = 808,
    IDS_FREQUENCY_ANNUALLY = 809,
    IDS_THROUGH_DUE = 810,  // the upcoming list's periods 0-8, in order
    IDS_THROUGH_ONE_WEEK = 811,
    IDS_THROUGH_TWO_WEEKS = 812,
    IDS_THROUGH_THREE_WEEKS = 813,
    IDS_THROUGH_ONE_MONTH = 814,
    IDS_THROUGH_TWO_MONTHS = 815,
    IDS_THROUGH_THREE_MONTHS = 816,
    IDS_THROUGH_SIX_MONTHS = 817,
    IDS_THROUGH_ONE_YEAR = 818,
    IDS_ENTER_MANUALLY = 820,  // enter modes 0-2, in order
    IDS_ENTER_AUTOMATICALLY = 821,
    IDS_ENTER_REMIND_ME = 822,
    IDS_REPEAT_INDEFINITELY = 823,
    IDS_REPEAT_TIMES = 824,
    IDS_SCHEDULE_OUT_OF_ORDER = 830,
    IDS_SCHEDULE_GONE = 831,
    // account operations: transfers, deleting and purging, reconciling
    IDS_TRANSFER_SAME_ACCOUNT = 900,
    IDS_PURGE_ONE_QUESTION = 901,
    IDS_DELETE_ONE_QUESTION = 902,
    IDS_SPLIT_TWIN_LOCKED = 903,
    IDS_PURGE_QUESTION = 904,
    IDS_RECONCILED = 905,
    IDS_RECONCILE_OFF_ASK = 906,        // %s: the difference as an amount text
    IDS_RECONCILE_OFF_ADJUST = 907,     // %s: the difference as an amount text
    IDS_RECONCILE_OFF_NO_ADJUST = 908,  // %s: the difference as an amount text
    IDS_ENDING_BALANCE_INVALID = 909,
    // ---- end of the data model ----

    // The window system, controls and the shell (1000-2999).
    IDS_OK = 1000,
    IDS_CANCEL = 1001,
    IDS_YES = 1002,
    IDS_NO = 1003,
    IDS_MENU = 1004,
    IDS_DONE = 1005,
    IDS_PLEASE_WAIT = 1006,
    IDS_KEY_LEFT_SOFT = 1007,
    IDS_KEY_RIGHT_SOFT = 1008,
    IDS_ENTER_VALID_AMOUNT = 1009,
    IDS_KEY_LEFT_SOFT_BOTH = 1050,  // the soft keys' two keys each, where the bar has room
    IDS_KEY_RIGHT_SOFT_BOTH = 1051,
    IDS_GALLERY_TITLE_CONTROLS = 2000,
    IDS_GALLERY_TITLE_LIST = 2001,
    IDS_GALLERY_TITLE_DRAWING = 2002,
    IDS_GALLERY_NEXT = 2003,
    IDS_GALLERY_BACK = 2004,
    IDS_GALLERY_NEXT_SCREEN = 2005,
    IDS_GALLERY_PREVIOUS_SCREEN = 2006,
    IDS_GALLERY_MESSAGE_BOXES = 2007,
    IDS_GALLERY_MESSAGE_OK = 2008,
    IDS_GALLERY_MESSAGE_YESNO = 2009,
    IDS_GALLERY_MESSAGE_OKCANCEL = 2010,
    IDS_GALLERY_DOWNLOAD = 2011,
    IDS_GALLERY_WAIT = 2012,
    IDS_GALLERY_DISABLED_ITEM = 2013,
    IDS_GALLERY_EXIT = 2014,
    IDS_GALLERY_SORT_BY = 2015,
    IDS_GALLERY_SORT_NAME = 2016,
    IDS_GALLERY_SORT_AMOUNT = 2017,
    IDS_GALLERY_ADD_ROW = 2018,
    IDS_GALLERY_DELETE_ROW = 2019,
    IDS_GALLERY_NAME = 2020,
    IDS_GALLERY_PIN = 2021,
    IDS_GALLERY_AMOUNT = 2022,
    IDS_GALLERY_TYPE = 2023,
    IDS_GALLERY_DATE = 2024,
    IDS_GALLERY_INCLUDE = 2025,
    IDS_GALLERY_HEADING = 2026,
    IDS_GALLERY_HINT = 2027,
    IDS_GALLERY_OK_TEXT = 2028,
    IDS_GALLERY_YESNO_TEXT = 2029,
    IDS_GALLERY_OKCANCEL_TEXT = 2030,
    IDS_GALLERY_ANSWER = 2031,
    IDS_GALLERY_DOWNLOADING = 2032,
    IDS_GALLERY_CANCELLED = 2033,
    IDS_GALLERY_FINISHED = 2034,
    IDS_GALLERY_COLUMN_ACCOUNT = 2035,
    IDS_GALLERY_COLUMN_AMOUNT = 2036,
    IDS_GALLERY_CHART = 2037,
    IDS_GALLERY_PROGRESS = 2038,
    IDS_GALLERY_NEW_ROW = 2039,
    IDS_GALLERY_ACTIVATED = 2040,
    IDS_GALLERY_TYPE_CHECKING = 2041,
    IDS_GALLERY_TYPE_SAVINGS = 2042,
    IDS_GALLERY_TYPE_CASH = 2043,
    IDS_GALLERY_TYPE_CREDIT = 2044,

    // ---- 3000-3099: the online-banking library ----
    // The details it gives with an error code, shown inside the online error message;
    // printf-style arguments, narrow text.
    IDS_OFX_CANCELLED = 3000,
    IDS_OFX_TIMEOUT = 3001,
    IDS_OFX_UNREACHABLE = 3002,            // %s: the transfer's own detail
    IDS_OFX_CONNECTION_BROKEN = 3003,      // %s
    IDS_OFX_NO_NETWORK = 3004,             // %s
    IDS_OFX_INSECURE_ADDRESS = 3005,
    IDS_OFX_BAD_ADDRESS = 3006,
    IDS_OFX_SECURE_CHANNEL = 3007,         // %s
    IDS_OFX_CERTIFICATE = 3008,            // %s
    IDS_OFX_HTTP_STATUS = 3009,            // %ld: the HTTP status
    IDS_OFX_REPLY_TOO_LARGE = 3010,
    IDS_OFX_TRANSFER_FAILED = 3011,        // %s
    IDS_OFX_NO_SERVER = 3012,
    IDS_OFX_UNSUPPORTED_VERSION = 3013,    // %s: the version text
    IDS_OFX_NOT_OFX = 3014,
    IDS_OFX_INCOMPLETE = 3015,
    IDS_OFX_TOO_DEEP = 3016,
    IDS_OFX_MISSING_ELEMENT = 3017,        // %s: the element's name
    IDS_OFX_BAD_STATUS = 3018,
    IDS_OFX_BANK_ERROR = 3019,             // %d: the bank's status code
    IDS_OFX_BAD_DATE = 3020,               // %s: the transaction's id
    IDS_OFX_BAD_AMOUNT = 3021,             // %s: the transaction's id
    IDS_OFX_BAD_BALANCE = 3022,            // %s: the balance text
    IDS_OFX_NO_PASSWORD_RULES = 3023,
    IDS_OFX_BAD_ACCOUNT = 3024,
    IDS_FIDB_UNREADABLE = 3025,            // %s: the directory's location
    IDS_FIDB_DAMAGED = 3026,               // %d: the line number
    IDS_FIDB_UNKNOWN_INSTITUTION = 3027,   // %u: the institution id
    // statement files as banks write them
    IDS_OFX_LINES_ASTRAY = 3040,           // %u: the lines outside a transaction list
    IDS_OFX_DATE_OUT_OF_RANGE = 3041,      // %s: the line, %s: its date
    IDS_OFX_AMOUNT_TOO_LARGE = 3042,       // %s: the amount, %s: the line
    // ---- end of the online-banking library ----

    // ---- 4500-4999: the account list, the account files and the model's start-up ----
    IDS_ACCOUNT_NAME_EMPTY = 4500,
    IDS_ACCOUNT_NAME_EXISTS = 4501,
    IDS_ACCOUNT_NAME_CHARACTERS = 4502,
    IDS_FIRST_ACCOUNT_CHECKING = 4510,  // the five first accounts of an empty data folder
    IDS_FIRST_ACCOUNT_SAVINGS = 4511,
    IDS_FIRST_ACCOUNT_MASTER_CARD = 4512,
    IDS_FIRST_ACCOUNT_AMERICAN_EXPRESS = 4513,
    IDS_FIRST_ACCOUNT_VISA = 4514,
    IDS_MODEL_INIT_FAIL = 4520,         // shown (empty caption) when a reload fails
    IDS_MODEL_REINIT_EXCEPTION = 4521,  // shown (empty caption) when a reload runs out of memory
    IDS_FILE_DAMAGED = 4530,            // %s the file, %s the copy kept of it
    IDS_DATA_NOT_LOADED = 4531,         // %s the data folder, %d the error
    IDS_DATA_NOT_SAVED = 4532,          // %s the data folder, %d the error
    IDS_SETTINGS_NOT_WRITTEN = 4533,    // %s the registry file
    IDS_ACCOUNTS_TOTAL = 4534,
    IDS_ENTER_PASSWORD = 4535,
    IDS_PASSWORD_INCORRECT = 4536,
    // balances at their limit
    IDS_BALANCE_LIMIT = 4590,
    // ---- end of the account list and the model ----

    // ---- 5000-5099: reports and budgets ----
    IDS_REPORT_BY_PAYEE = 5000,  // the groupings 0-2 of the "By" list, in order
    IDS_REPORT_BY_CATEGORY = 5001,
    IDS_REPORT_BY_CLASS = 5002,
    IDS_PERIOD_LAST_30_DAYS = 5010,  // the periods 0-8 of the "Period:" list, in order
    IDS_PERIOD_LAST_90_DAYS = 5011,
    IDS_PERIOD_LAST_MONTH = 5012,
    IDS_PERIOD_LAST_QUARTER = 5013,
    IDS_PERIOD_LAST_YEAR = 5014,
    IDS_PERIOD_THIS_MONTH = 5015,
    IDS_PERIOD_THIS_QUARTER = 5016,
    IDS_PERIOD_THIS_YEAR = 5017,
    IDS_PERIOD_CUSTOM = 5018,
    IDS_REPORT_UNASSIGNED = 5020,  // the row of money without a payee, category or class
    IDS_REPORT_OTHER = 5021,       // the row that gathers the small rows of a chart
    IDS_REPORT_TOTAL = 5022,       // %s: the category a total row sums up
    // ---- end of reports and budgets ----
    // ---- 5100-5199: statement download, review, account import and statement files ----
    IDS_OFX_ERROR_CAPTION = 5100,
    IDS_ONLINE_SUMMARY_CAPTION = 5101,
    IDS_ONLINE_ERROR_MEMORY = 5102,
    IDS_ONLINE_ERROR_PARSE = 5103,
    IDS_ONLINE_ERROR_PARSE_DETAIL = 5104,        // %s: the library's message
    IDS_ONLINE_ERROR_ACCOUNT = 5105,
    IDS_ONLINE_ERROR_TIMEOUT = 5106,
    IDS_ONLINE_ERROR_NO_INTERNET = 5107,
    IDS_ONLINE_ERROR_SIGN_ON = 5108,
    IDS_ONLINE_ERROR_CONNECTION_SETTINGS = 5109,
    IDS_ONLINE_ERROR_CODE = 5110,                // %d the code, %s the library's message
    IDS_ONLINE_ERROR_UNEXPECTED = 5111,          // %d the code
    IDS_ACCOUNT_NOT_ONLINE = 5115,
    IDS_NO_NEW_TRANSACTIONS = 5116,
    IDS_NO_ACCOUNT_ONLINE = 5117,
    IDS_ONE_TRANSACTION_DOWNLOADED = 5118,       // %d the accounts tried, %s "s" or ""
    IDS_TRANSACTIONS_DOWNLOADED = 5119,          // %d the transactions, %d the accounts tried
    IDS_BANK_NOT_LISTED = 5120,                  // %s the account's name
    IDS_UNACCEPTED_DOWNLOADED = 5125,            // %d the transactions
    IDS_UNACCEPTED_IMPORTED = 5126,              // %d the transactions
    IDS_ACCEPT_NEW_QUESTION = 5127,
    IDS_ACCEPT_MATCH_QUESTION = 5128,
    IDS_IMPORT_ENTER_NAME = 5135,
    IDS_IMPORT_NAME_EXISTS = 5136,
    IDS_IMPORT_DONE = 5137,
    IDS_IMPORT_NOT_SAVED = 5138,
    IDS_STATEMENT_FILE_IMPORTED = 5145,          // %u new, %u of them matched, %u already there
    IDS_STATEMENT_FILE_UNREADABLE = 5146,        // %s the file
    IDS_STATEMENT_FILE_DAMAGED = 5147,           // %s the file, %s what is wrong
    IDS_STATEMENT_FILE_NO_STATEMENT = 5148,      // %s the file
    IDS_STATEMENT_FILE_SEVERAL_FIT = 5150,       // %s the file, %s the account number
    IDS_STATEMENT_FILE_NOT_ADDED = 5151,         // %s the file, %d the error
    // statement files: choosing a statement, text changed, limits
    IDS_STATEMENT_FILE_CHOOSE = 5160,            // %s the file, %s the account numbers
    IDS_STATEMENT_FILE_NO_SUCH = 5161,           // %s the file, %s the number, %s the numbers
    IDS_STATEMENT_FILE_ONLY_WITH_LINES = 5162,   // %s the account numbers, %s the one taken
    IDS_STATEMENT_FILE_TEXT_CHANGED = 5163,      // %u the lines
    IDS_STATEMENT_FILE_BALANCE_LIMIT = 5164,     // %s the file
    // ---- end of statement download, review, account import and statement files ----

    // ---- 5200-5399: the command line ----
    IDS_CLI_HELP = 5200,
    IDS_CLI_HELP_ACCOUNTS = 5201,
    IDS_CLI_HELP_REGISTER = 5202,
    IDS_CLI_HELP_ADD = 5203,
    IDS_CLI_HELP_TRANSFER = 5204,
    IDS_CLI_HELP_UPCOMING = 5205,
    IDS_CLI_HELP_EXPORT = 5206,
    IDS_CLI_HELP_CHECK = 5207,
    IDS_CLI_HELP_REPORT = 5208,
    IDS_CLI_HELP_BUDGET = 5209,
    IDS_CLI_HELP_IMPORT = 5210,
    IDS_CLI_UNKNOWN_COMMAND = 5220,     // %s the command
    IDS_CLI_UNKNOWN_OPTION = 5221,      // %s the command, %s the option, %s the command
    IDS_CLI_MISSING_VALUE = 5222,       // %s the command, %s the option
    IDS_CLI_ARGUMENT_COUNT = 5223,      // %s the command, %s the command
    IDS_CLI_MISSING_OPTION = 5224,      // %s the command, %s the option
    IDS_CLI_REPEATED_OPTION = 5225,     // %s the command, %s the option
    IDS_CLI_EXCLUSIVE_OPTIONS = 5226,   // %s the command, %s and %s the options
    IDS_CLI_NO_ACCOUNT = 5230,          // %s the name
    IDS_CLI_BAD_DATE = 5231,            // %s the text
    IDS_CLI_NO_TYPE = 5232,             // %s the name
    IDS_CLI_NO_CATEGORY = 5233,         // %s the text
    IDS_CLI_NO_CLASS = 5234,            // %s the name
    IDS_CLI_BAD_STATE = 5235,           // %s the text, %s the states
    IDS_CLI_BAD_CHECK_NUMBER = 5236,    // %s the text
    IDS_CLI_CHECK_NEEDS_TYPE = 5237,    // %s the type
    IDS_CLI_SIGN_AGAINST_TYPE = 5238,   // %s the type
    IDS_CLI_SPLIT_REFUSED = 5239,
    IDS_CLI_BAD_FILTER = 5240,          // %s the text, %s the filters
    IDS_CLI_BAD_SORT = 5241,            // %s the text, %s the columns
    IDS_CLI_BAD_PERIOD = 5242,          // %s the text, %s the periods
    IDS_CLI_BAD_FORMAT = 5243,          // %s the text
    IDS_CLI_BAD_GROUPING = 5244,        // %s the text, %s the groupings
    IDS_CLI_CUSTOM_NEEDS_DATES = 5245,
    IDS_CLI_PERIOD_REVERSED = 5246,     // %s the end, %s the start
    IDS_CLI_DATA_IN_USE = 5250,
    IDS_CLI_LOCK_UNAVAILABLE = 5251,
    IDS_CLI_NO_DATA_FOLDER = 5252,      // %s the folder
    IDS_CLI_FILE_PROBLEM_MISSING = 5253,     // %s the file
    IDS_CLI_FILE_PROBLEM_UNREADABLE = 5254,  // %s the file
    IDS_CLI_FILE_PROBLEM_DAMAGED = 5255,     // %s the file
    IDS_ALREADY_RUNNING = 5256,
    IDS_CLI_ADDED = 5257,               // %s the account
    IDS_CLI_TRANSFERRED = 5258,         // %s the amount, %s from, %s to
    IDS_CLI_REPORT_PERIOD = 5259,       // %s the period, %s its first day, %s its last
    IDS_CLI_IMPORTED = 5260,            // %s the account, %u new, %u matched, %u skipped
    IDS_CLI_CHECK_TRANSFER_NOWHERE = 5270,  // %s account, %s date, %s payee, %s amount
    IDS_CLI_CHECK_TWIN_MISSING = 5271,      // %s account, %s date, %s payee, %s amount, %s other
    IDS_CLI_CHECK_TWIN_ASTRAY = 5272,       // %s account, %s date, %s payee, %s amount, %s other
    IDS_CLI_CHECK_BALANCE = 5273,           // %s account, %s stored, %s computed
    IDS_CLI_CHECK_CLEAN = 5274,             // %s folder, %d files, %d accounts, %d transactions
    IDS_CLI_CHECK_FOUND = 5275,             // %d problems, %s folder
    IDS_CLI_CHECK_CLEARED_BALANCE = 5276,   // %s account, %s stored, %s computed
    IDS_CLI_COLUMN_ACCOUNT = 5300,
    IDS_CLI_COLUMN_TYPE = 5301,
    IDS_CLI_COLUMN_CURRENCY = 5302,
    IDS_CLI_COLUMN_BALANCE = 5303,
    IDS_CLI_COLUMN_CLEARED = 5304,
    IDS_CLI_COLUMN_IN_TOTAL = 5305,
    IDS_CLI_COLUMN_DATE = 5306,
    IDS_CLI_COLUMN_NUMBER = 5307,
    IDS_CLI_COLUMN_PAYEE = 5308,
    IDS_CLI_COLUMN_CATEGORY = 5309,
    IDS_CLI_COLUMN_CLASS = 5310,
    IDS_CLI_COLUMN_MEMO = 5311,
    IDS_CLI_COLUMN_AMOUNT = 5312,
    IDS_CLI_COLUMN_STATE = 5313,
    IDS_CLI_COLUMN_CHECK_NUMBER = 5314,
    IDS_CLI_COLUMN_BUDGET = 5315,
    IDS_CLI_COLUMN_ACTUAL = 5316,
    IDS_CLI_COLUMN_DIFFERENCE = 5317,
    IDS_CLI_TOTAL = 5320,
    IDS_CLI_YES = 5321,
    IDS_CLI_NO = 5322,
    IDS_CLI_STATE_UNCLEARED = 5330,
    IDS_CLI_STATE_CLEARED = 5331,
    IDS_CLI_STATE_RECONCILED = 5332,
    IDS_CLI_STATE_VOID = 5333,
    // typed values and text
    IDS_CLI_AMOUNT_NOT_AN_AMOUNT = 5380,  // %s the text
    IDS_CLI_AMOUNT_TOO_PRECISE = 5381,    // %s the text
    IDS_CLI_AMOUNT_TOO_LARGE = 5382,      // %s the text
    IDS_CLI_TEXT_CONTROL = 5383,          // %s the option
    IDS_CLI_TEXT_CODE_PAGE = 5384,        // %s the option, %s the character
    IDS_CLI_TEXT_TOO_LONG = 5385,         // %s the option, %u the most characters
    IDS_CLI_CHOOSE_STATEMENT = 5386,
    // ---- end of the command line ----
    // ---- interchange (QIF, CSV, journals) ----
    IDS_INTERCHANGE_BAD_DATE = 5400,  // %s file, %u line, %s the text
    IDS_INTERCHANGE_BAD_AMOUNT = 5401,  // %s file, %u line, %s the text
    IDS_INTERCHANGE_NO_DATE = 5402,  // %s file, %u line
    IDS_INTERCHANGE_NO_END = 5403,  // %s file, %u line
    IDS_INTERCHANGE_BAD_SECTION = 5404,  // %s file, %u line, %s the header
    IDS_INTERCHANGE_NO_SECTION = 5405,  // %s file, %u line
    IDS_INTERCHANGE_NO_ACCOUNT = 5406,  // %s file, %u line, %s the name
    IDS_INTERCHANGE_SHORTENED = 5407,  // %s file, %u line, %s text, %s kept
    IDS_INTERCHANGE_NOT_TEXT = 5408,  // %s file, %u line
    IDS_INTERCHANGE_MISSING_COLUMN = 5409,  // %s file, %u line, %u column
    IDS_INTERCHANGE_BAD_MAPPING = 5410,
    IDS_INTERCHANGE_BAD_RULE = 5411,  // %s file, %u line, %s the text
    IDS_INTERCHANGE_UNCLOSED_QUOTE = 5412,  // %s file, %u line
    IDS_INTERCHANGE_SAME_ACCOUNT = 5413,  // %s file, %u line, %s account
    IDS_INTERCHANGE_TOO_MANY_SPLITS = 5414,  // %s file, %u line
    IDS_INTERCHANGE_SPLIT_ORDER = 5415,  // %s file, %u line, %s the line
    IDS_INTERCHANGE_BAD_IMPORT_FORMAT = 5416,  // %s the text
    IDS_INTERCHANGE_NEEDS_ACCOUNT = 5417,  // %s the format
    IDS_INTERCHANGE_WHOLE_FOLDER = 5418,  // %s the format
    IDS_INTERCHANGE_NOT_ADDED = 5419,  // %s file, %u line, %d code
    IDS_INTERCHANGE_BAD_OPTION = 5420,  // %s the value, %s the option
    IDS_INTERCHANGE_UNREADABLE = 5421,  // %s the file
    IDS_INTERCHANGE_BAD_COLUMN_WORD = 5422,  // %s the word
    // ---- end of interchange ----
};

}  // namespace res
