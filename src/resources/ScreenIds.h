#pragma once

#include "resources/StringIds.h"

// The texts, menus and command ids of the program's screens. The numbers are the handheld's
// resource numbers, so that a command id names the same action everywhere: in a menu, in a
// screen's WM_COMMAND handler and in the navigation table.
namespace res {

// ---- texts of the screens (10000-) ----
inline constexpr StringId IDS_SCREEN_FIRST = static_cast<StringId>(10000);
inline constexpr StringId IDS_ACCOUNTS_SUMMARY_TITLE = static_cast<StringId>(10100);
inline constexpr StringId IDS_COLUMN_ACCOUNTS = static_cast<StringId>(10101);
inline constexpr StringId IDS_COLUMN_AMOUNT = static_cast<StringId>(10102);
inline constexpr StringId IDS_LABEL_BALANCE = static_cast<StringId>(10103);
inline constexpr StringId IDS_LABEL_CLEARED = static_cast<StringId>(10104);
inline constexpr StringId IDS_NEED_PASSWORD_FIRST = static_cast<StringId>(10105);
inline constexpr StringId IDS_SCHEDULED_DUE_QUESTION = static_cast<StringId>(10106);
inline constexpr StringId IDS_PENDING_IMPORT_QUESTION = static_cast<StringId>(10107);
inline constexpr StringId IDS_MENU_NEW = static_cast<StringId>(10110);
inline constexpr StringId IDS_MENU_ABOUT = static_cast<StringId>(10111);
inline constexpr StringId IDS_MENU_EDIT_ACCOUNTS = static_cast<StringId>(10112);
inline constexpr StringId IDS_MENU_TRANSFER = static_cast<StringId>(10113);
inline constexpr StringId IDS_MENU_REPORTS = static_cast<StringId>(10114);
inline constexpr StringId IDS_MENU_BUDGETS = static_cast<StringId>(10115);
inline constexpr StringId IDS_MENU_UPCOMING = static_cast<StringId>(10116);
inline constexpr StringId IDS_MENU_FONT = static_cast<StringId>(10117);
inline constexpr StringId IDS_MENU_SET_PASSWORD = static_cast<StringId>(10118);
inline constexpr StringId IDS_MENU_SECURITY_OPTIONS = static_cast<StringId>(10119);
inline constexpr StringId IDS_MENU_EDIT_PAYEES = static_cast<StringId>(10120);
inline constexpr StringId IDS_MENU_EDIT_CATEGORIES = static_cast<StringId>(10121);
inline constexpr StringId IDS_MENU_EDIT_CLASSES = static_cast<StringId>(10122);
inline constexpr StringId IDS_MENU_EDIT_CURRENCIES = static_cast<StringId>(10123);
inline constexpr StringId IDS_MENU_EDIT_TYPES = static_cast<StringId>(10124);
inline constexpr StringId IDS_MENU_EDIT_SCHEDULED = static_cast<StringId>(10125);
inline constexpr StringId IDS_MENU_EXIT = static_cast<StringId>(10126);
inline constexpr StringId IDS_MENU_BALANCE_TYPES = static_cast<StringId>(10127);
inline constexpr StringId IDS_MENU_BALANCE = static_cast<StringId>(10128);
inline constexpr StringId IDS_MENU_CLEARED = static_cast<StringId>(10129);
inline constexpr StringId IDS_MENU_SORT_BY = static_cast<StringId>(10130);
inline constexpr StringId IDS_MENU_LISTS = static_cast<StringId>(10133);
inline constexpr StringId IDS_MENU_SETTINGS = static_cast<StringId>(10134);
inline constexpr StringId IDS_MENU_ACCOUNT = static_cast<StringId>(10135);
inline constexpr StringId IDS_MENU_VIEW_TRANSACTION = static_cast<StringId>(10136);
inline constexpr StringId IDS_MENU_EDIT_TRANSACTION = static_cast<StringId>(10137);
inline constexpr StringId IDS_MENU_NEW_TRANSACTION = static_cast<StringId>(10138);
inline constexpr StringId IDS_MENU_FIND_TRANSACTIONS = static_cast<StringId>(10139);
inline constexpr StringId IDS_MENU_GOTO_TOP = static_cast<StringId>(10140);
inline constexpr StringId IDS_MENU_GOTO_BOTTOM = static_cast<StringId>(10141);
inline constexpr StringId IDS_MENU_ACCOUNT_INFO = static_cast<StringId>(10142);
inline constexpr StringId IDS_MENU_RECONCILE = static_cast<StringId>(10143);
inline constexpr StringId IDS_MENU_ADJUST_BALANCE = static_cast<StringId>(10144);
inline constexpr StringId IDS_MENU_PURGE = static_cast<StringId>(10145);
inline constexpr StringId IDS_MENU_PREFERENCES = static_cast<StringId>(10146);
inline constexpr StringId IDS_MENU_ROW_COLOR = static_cast<StringId>(10147);
inline constexpr StringId IDS_MENU_CLOSE = static_cast<StringId>(10148);
inline constexpr StringId IDS_MENU_FILTER_TYPES = static_cast<StringId>(10149);
inline constexpr StringId IDS_COLUMN_BALANCE = static_cast<StringId>(10166);
inline constexpr StringId IDS_UNACCEPTED_QUESTION = static_cast<StringId>(10167);  // %d: the count
inline constexpr StringId IDS_IMPORTED_QUESTION = static_cast<StringId>(10168);    // %d: the count
inline constexpr StringId IDS_FIND_TITLE = static_cast<StringId>(10170);
inline constexpr StringId IDS_NEEDS_TERMINAL = static_cast<StringId>(10180);
inline constexpr StringId IDS_DATA_NOT_SAVED_SCREEN =
    static_cast<StringId>(10181);  // %s the data folder
inline constexpr StringId IDS_DATA_NOT_LOADED_SCREEN =
    static_cast<StringId>(10182);  // %s the data folder
inline constexpr StringId IDS_FILE_DAMAGED_SCREEN =
    static_cast<StringId>(10183);  // %s the file, %s the copy

// ---- accounts, reference lists and account operations (10400-10599) ----
// the account list and the account editor
inline constexpr StringId IDS_EDIT_ACCOUNTS_TITLE = static_cast<StringId>(10400);
inline constexpr StringId IDS_ACCOUNT_INFO_TITLE = static_cast<StringId>(10401);
inline constexpr StringId IDS_NO_ACCOUNTS = static_cast<StringId>(10402);
inline constexpr StringId IDS_SELECT_ITEM = static_cast<StringId>(10403);
inline constexpr StringId IDS_BAD_ACCOUNT_INDEX = static_cast<StringId>(10404);
inline constexpr StringId IDS_DELETE_ITEM_QUESTION = static_cast<StringId>(10405);
inline constexpr StringId IDS_DELETE_SCHEDULED_QUESTION =
    static_cast<StringId>(10406);  // %u the scheduled transactions
inline constexpr StringId IDS_ACCOUNT_NUMBER_TOO_LONG = static_cast<StringId>(10407);
inline constexpr StringId IDS_ACCOUNT_NAME_TOO_LONG = static_cast<StringId>(10408);
inline constexpr StringId IDS_LABEL_NAME = static_cast<StringId>(10409);
inline constexpr StringId IDS_LABEL_TYPE = static_cast<StringId>(10410);
inline constexpr StringId IDS_LABEL_BANK = static_cast<StringId>(10411);
inline constexpr StringId IDS_LABEL_ACCOUNT_NUMBER = static_cast<StringId>(10412);
inline constexpr StringId IDS_LABEL_BEGINNING_BALANCE = static_cast<StringId>(10413);
inline constexpr StringId IDS_LABEL_CURRENCY = static_cast<StringId>(10414);
inline constexpr StringId IDS_LABEL_ICON = static_cast<StringId>(10415);
inline constexpr StringId IDS_LABEL_INCLUDE_IN_TOTAL = static_cast<StringId>(10416);
inline constexpr StringId IDS_MENU_EDIT = static_cast<StringId>(10417);
inline constexpr StringId IDS_MENU_DELETE = static_cast<StringId>(10418);
inline constexpr StringId IDS_MENU_ICONS = static_cast<StringId>(10419);
inline constexpr StringId IDS_MENU_OPTIONS = static_cast<StringId>(10420);
inline constexpr StringId IDS_ACCOUNT_NOT_SAVED = static_cast<StringId>(10421);    // %d the error
inline constexpr StringId IDS_ACCOUNT_NOT_DELETED = static_cast<StringId>(10422);  // %d the error
inline constexpr StringId IDS_CHOOSE_ICON_TITLE = static_cast<StringId>(10423);
inline constexpr StringId IDS_MENU_SELECT = static_cast<StringId>(10424);
// the list screens
inline constexpr StringId IDS_EDIT_PAYEES_TITLE = static_cast<StringId>(10430);
inline constexpr StringId IDS_EDIT_CLASSES_TITLE = static_cast<StringId>(10431);
inline constexpr StringId IDS_EDIT_CATEGORIES_TITLE = static_cast<StringId>(10432);
inline constexpr StringId IDS_EDIT_CURRENCIES_TITLE = static_cast<StringId>(10433);
inline constexpr StringId IDS_EDIT_TYPES_TITLE = static_cast<StringId>(10434);
inline constexpr StringId IDS_MENU_MAKE_BASE = static_cast<StringId>(10435);
inline constexpr StringId IDS_BASE_CURRENCY_MARK = static_cast<StringId>(10436);
inline constexpr StringId IDS_BUILT_IN_MARK = static_cast<StringId>(10437);
// the common add/edit screen
inline constexpr StringId IDS_EDIT_PAYEE_TITLE = static_cast<StringId>(10440);
inline constexpr StringId IDS_EDIT_CLASS_TITLE = static_cast<StringId>(10441);
inline constexpr StringId IDS_EDIT_CURRENCY_TITLE = static_cast<StringId>(10442);
inline constexpr StringId IDS_EDIT_CATEGORY_TITLE = static_cast<StringId>(10443);
inline constexpr StringId IDS_TRANSACTION_TYPE_TITLE = static_cast<StringId>(10444);
inline constexpr StringId IDS_LABEL_PAYEE_NAME = static_cast<StringId>(10445);
inline constexpr StringId IDS_LABEL_CLASS_NAME = static_cast<StringId>(10446);
inline constexpr StringId IDS_LABEL_SYMBOL = static_cast<StringId>(10447);
inline constexpr StringId IDS_LABEL_CONVERSION = static_cast<StringId>(10448);
inline constexpr StringId IDS_LABEL_CATEGORY_NAME = static_cast<StringId>(10449);
inline constexpr StringId IDS_LABEL_SUB_CATEGORY_OF = static_cast<StringId>(10450);
inline constexpr StringId IDS_LABEL_TYPE_NAME = static_cast<StringId>(10451);
inline constexpr StringId IDS_MENU_ICON = static_cast<StringId>(10452);
// the account operations
inline constexpr StringId IDS_TRANSFER_TITLE = static_cast<StringId>(10460);
inline constexpr StringId IDS_LABEL_DATE = static_cast<StringId>(10461);
inline constexpr StringId IDS_LABEL_FROM = static_cast<StringId>(10462);
inline constexpr StringId IDS_LABEL_TO = static_cast<StringId>(10463);
inline constexpr StringId IDS_LABEL_AMOUNT = static_cast<StringId>(10464);
inline constexpr StringId IDS_LABEL_CLEARED_MARK = static_cast<StringId>(10465);
inline constexpr StringId IDS_RECONCILE_SETUP_TITLE = static_cast<StringId>(10466);
inline constexpr StringId IDS_RECONCILE_HEADING = static_cast<StringId>(10467);
inline constexpr StringId IDS_LABEL_BEGINNING_BAL = static_cast<StringId>(10468);
inline constexpr StringId IDS_LABEL_ENDING_BAL = static_cast<StringId>(10469);
inline constexpr StringId IDS_LABEL_CLOSING_DATE = static_cast<StringId>(10470);
inline constexpr StringId IDS_MENU_CONTINUE = static_cast<StringId>(10471);
inline constexpr StringId IDS_RECONCILE_TITLE = static_cast<StringId>(10472);
inline constexpr StringId IDS_LABEL_DIFFERENCE = static_cast<StringId>(10473);
inline constexpr StringId IDS_MENU_MARK_ALL = static_cast<StringId>(10474);
inline constexpr StringId IDS_MENU_UNMARK_ALL = static_cast<StringId>(10475);
inline constexpr StringId IDS_PURGE_TITLE = static_cast<StringId>(10476);
inline constexpr StringId IDS_PURGE_BEFORE = static_cast<StringId>(10477);
inline constexpr StringId IDS_PURGE_CLEARED = static_cast<StringId>(10478);
inline constexpr StringId IDS_PURGE_RECONCILED = static_cast<StringId>(10479);
inline constexpr StringId IDS_MENU_PURGE_KEY = static_cast<StringId>(10480);
inline constexpr StringId IDS_ADJUST_TITLE = static_cast<StringId>(10481);
inline constexpr StringId IDS_LABEL_NEW_BALANCE = static_cast<StringId>(10482);
inline constexpr StringId IDS_LABEL_BALANCE_KIND = static_cast<StringId>(10483);
inline constexpr StringId IDS_MENU_MARK = static_cast<StringId>(10484);
// ---- the transaction editor, the split screens, the memo and currency conversion ----
inline constexpr StringId IDS_EDITOR_TITLE_DETAILS = static_cast<StringId>(10200);
inline constexpr StringId IDS_EDITOR_TITLE_NEW = static_cast<StringId>(10201);
inline constexpr StringId IDS_EDITOR_TITLE_EDIT = static_cast<StringId>(10202);
inline constexpr StringId IDS_EDITOR_TITLE_UPCOMING = static_cast<StringId>(10203);
inline constexpr StringId IDS_EDITOR_TITLE_NEW_SCHEDULED = static_cast<StringId>(10204);
inline constexpr StringId IDS_EDITOR_TITLE_EDIT_SCHEDULED = static_cast<StringId>(10205);
inline constexpr StringId IDS_EDITOR_TITLE_REPORT = static_cast<StringId>(10206);
inline constexpr StringId IDS_EDITOR_TITLE_REVIEW = static_cast<StringId>(10207);
inline constexpr StringId IDS_EDITOR_TITLE_BUDGET = static_cast<StringId>(10208);
inline constexpr StringId IDS_EDITOR_LABEL_DATE = static_cast<StringId>(10210);
inline constexpr StringId IDS_EDITOR_LABEL_PAYEE = static_cast<StringId>(10211);
inline constexpr StringId IDS_EDITOR_LABEL_TYPE = static_cast<StringId>(10212);
inline constexpr StringId IDS_EDITOR_LABEL_AMOUNT = static_cast<StringId>(10213);
inline constexpr StringId IDS_EDITOR_LABEL_CATEGORY = static_cast<StringId>(10214);
inline constexpr StringId IDS_EDITOR_LABEL_CLASS = static_cast<StringId>(10215);
inline constexpr StringId IDS_EDITOR_LABEL_MEMO = static_cast<StringId>(10216);
inline constexpr StringId IDS_EDITOR_LABEL_STATE = static_cast<StringId>(10217);
inline constexpr StringId IDS_EDITOR_LABEL_ACCOUNT = static_cast<StringId>(10218);
inline constexpr StringId IDS_EDITOR_LABEL_NUMBER = static_cast<StringId>(10219);
inline constexpr StringId IDS_EDITOR_LABEL_REPEAT = static_cast<StringId>(10220);
inline constexpr StringId IDS_EDITOR_EDIT_PAYEE = static_cast<StringId>(10225);
inline constexpr StringId IDS_EDITOR_EDIT_CATEGORY = static_cast<StringId>(10226);
inline constexpr StringId IDS_EDITOR_EDIT_CLASS = static_cast<StringId>(10227);
inline constexpr StringId IDS_EDITOR_STATE_UNCLEARED = static_cast<StringId>(10228);
inline constexpr StringId IDS_EDITOR_STATE_CLEARED = static_cast<StringId>(10229);
inline constexpr StringId IDS_EDITOR_STATE_RECONCILED = static_cast<StringId>(10230);
inline constexpr StringId IDS_EDITOR_STATE_VOID = static_cast<StringId>(10231);
inline constexpr StringId IDS_EDITOR_MENU_RECORD = static_cast<StringId>(10235);
inline constexpr StringId IDS_EDITOR_MENU_CONVERT = static_cast<StringId>(10236);
inline constexpr StringId IDS_EDITOR_MENU_PURGE = static_cast<StringId>(10237);
inline constexpr StringId IDS_EDITOR_MENU_DELETE = static_cast<StringId>(10238);
inline constexpr StringId IDS_SPLIT_MENU_EDIT = static_cast<StringId>(10239);
inline constexpr StringId IDS_SPLIT_MENU_CLEAR = static_cast<StringId>(10240);
inline constexpr StringId IDS_SPLIT_MENU_ADJUST = static_cast<StringId>(10241);
inline constexpr StringId IDS_RECONCILED_EDIT_QUESTION = static_cast<StringId>(10250);
inline constexpr StringId IDS_SCHEDULE_NEEDS_ACCOUNT = static_cast<StringId>(10251);
inline constexpr StringId IDS_EDITOR_NEGATIVE_AMOUNT = static_cast<StringId>(10252);
inline constexpr StringId IDS_REPEAT_NEEDS_TIMES = static_cast<StringId>(10253);
inline constexpr StringId IDS_SPLIT_LINE_SPLIT = static_cast<StringId>(10254);
inline constexpr StringId IDS_SPLIT_LINE_OWN_ACCOUNT = static_cast<StringId>(10255);
inline constexpr StringId IDS_MEMO_TOO_LONG = static_cast<StringId>(10256);
inline constexpr StringId IDS_CONVERT_RATE_INVALID = static_cast<StringId>(10257);
inline constexpr StringId IDS_SPLIT_TITLE = static_cast<StringId>(10260);
inline constexpr StringId IDS_SPLIT_LINE_TITLE = static_cast<StringId>(10261);
inline constexpr StringId IDS_SPLIT_COLUMN_CATEGORY = static_cast<StringId>(10262);
inline constexpr StringId IDS_SPLIT_COLUMN_CLASS = static_cast<StringId>(10263);
inline constexpr StringId IDS_SPLIT_COLUMN_AMOUNT = static_cast<StringId>(10264);
inline constexpr StringId IDS_SPLIT_COLUMN_MEMO = static_cast<StringId>(10265);
inline constexpr StringId IDS_SPLIT_TOTAL = static_cast<StringId>(10266);
inline constexpr StringId IDS_SPLIT_REMAINDER = static_cast<StringId>(10267);
inline constexpr StringId IDS_SPLIT_TRANSACTION_TOTAL = static_cast<StringId>(10268);
inline constexpr StringId IDS_CONVERT_TITLE = static_cast<StringId>(10270);
inline constexpr StringId IDS_CONVERT_LABEL_FROM = static_cast<StringId>(10271);
inline constexpr StringId IDS_CONVERT_LABEL_FROM_AMOUNT = static_cast<StringId>(10272);
inline constexpr StringId IDS_CONVERT_LABEL_RATE = static_cast<StringId>(10273);
inline constexpr StringId IDS_CONVERT_LABEL_AMOUNT = static_cast<StringId>(10274);
inline constexpr StringId IDS_MEMO_TITLE = static_cast<StringId>(10280);
inline constexpr StringId IDS_EDITOR_REPEAT_TEXT = static_cast<StringId>(10285);

// ---- menus of the screens ----
enum ScreenMenuId : int {
    IDM_ACCOUNTS_SUMMARY = 10002,
    IDM_COMMON_ADD_EDIT = 10008,
    IDM_REGISTER = 10034,
    IDM_FIND_RESULTS = 10040,
    // accounts, reference lists and account operations
    IDM_EDIT_ACCOUNTS = 10400,
    IDM_ACCOUNT_INFO = 10401,
    IDM_CHOOSE_ICON = 10402,
    IDM_LIST_EDITOR = 10403,
    IDM_CURRENCY_LIST_EDITOR = 10404,
    IDM_TRANSFER = 10405,
    IDM_RECONCILE_SETUP = 10406,
    IDM_RECONCILE_LIST = 10407,
    IDM_PURGE = 10408,
    IDM_ADJUST_BALANCE = 10409,
    IDM_CATEGORY_ADD_EDIT = 10646,
    // the transaction editor, the split screens, the memo and currency conversion
    IDM_EDITOR_DETAILS = 10300,
    IDM_EDITOR_NEW = 10301,
    IDM_EDITOR_EDIT = 10302,
    IDM_EDITOR_UPCOMING = 10303,
    IDM_EDITOR_SCHEDULED = 10304,
    IDM_SPLIT_LIST = 10305,
    IDM_SPLIT_LINE = 10306,
    IDM_MEMO = 10307,
    IDM_CONVERT = 10308,
};

// ---- command ids (WM_COMMAND ids of menu items, and navigation commands) ----
enum ScreenCommand : int {
    // the "Balance Types" items of the summary and the register
    IDC_BALANCE_TYPE_BALANCE = 100,
    IDC_BALANCE_TYPE_CLEARED = 101,
    // the accounts summary
    IDC_SUMMARY_LOCK_NOW = 102,
    IDC_SUMMARY_SORT_ACCOUNTS = 123,
    IDC_SUMMARY_SORT_AMOUNT = 124,
    IDC_ABOUT = 10370,
    IDC_EXIT = 10374,
    IDC_EDIT_ACCOUNTS = 10375,
    IDC_TRANSFER = 10376,
    IDC_GO_ONLINE = 10377,
    IDC_REPORTS = 10378,
    IDC_BUDGETS = 10379,
    IDC_UPCOMING = 10380,
    IDC_FONT = 10381,
    IDC_SET_PASSWORD = 10382,
    IDC_SECURITY_OPTIONS = 10383,
    IDC_EDIT_PAYEES = 10384,
    IDC_EDIT_CATEGORIES = 10385,
    IDC_EDIT_CLASSES = 10386,
    IDC_EDIT_CURRENCIES = 10387,
    IDC_EDIT_TYPES = 10388,
    IDC_EDIT_SCHEDULED = 10389,
    IDC_NEW_ACCOUNT = 10394,
    // the common add/edit screen
    IDC_ADD_EDIT_DONE = 10398,
    IDC_ADD_EDIT_CANCEL = 10399,
    // the register
    IDC_REG_FILTER_FIRST = 103,  // 103-109: the seven filters
    IDC_REG_SORT_FIRST = 110,    // 110-118: sort by column 0-8
    IDC_REG_VIEW_TRANSACTION = 125,
    IDC_REG_ABOUT = 10405,
    IDC_REG_CLOSE = 10409,
    IDC_REG_NEW_TRANSACTION = 10410,
    IDC_REG_GOTO_TOP = 10411,
    IDC_REG_GOTO_BOTTOM = 10412,
    IDC_REG_ACCOUNT_INFO = 10413,
    IDC_REG_GO_ONLINE = 10414,
    IDC_REG_RECONCILE = 10415,
    IDC_REG_ADJUST_BALANCE = 10416,
    IDC_REG_PURGE = 10417,
    IDC_REG_REPORTS = 10418,
    IDC_REG_BUDGETS = 10419,
    IDC_REG_UPCOMING = 10420,
    IDC_REG_EDIT_PAYEES = 10421,
    IDC_REG_EDIT_CATEGORIES = 10422,
    IDC_REG_EDIT_CLASSES = 10423,
    IDC_REG_EDIT_CURRENCIES = 10424,
    IDC_REG_EDIT_TYPES = 10425,
    IDC_REG_EDIT_SCHEDULED = 10426,
    IDC_REG_FONT = 10427,
    IDC_REG_PREFERENCES = 10428,
    IDC_REG_ROW_COLOR = 10429,
    IDC_REG_SET_PASSWORD = 10431,
    IDC_REG_SECURITY_OPTIONS = 10432,
    IDC_REG_CHANGE_ONLINE_PASSWORD = 10433,
    IDC_FIND_RESULTS_DONE = 10434,
    IDC_REG_DETAILS = 10445,
    IDC_REG_FIND = 10446,
    IDC_REG_EDIT_TRANSACTION = 10456,
    IDC_REG_REVIEW = 10555,
    // accounts, reference lists and account operations
    IDC_ACCOUNTS_DELETE = 300,
    IDC_LIST_DELETE = 301,
    IDC_CURRENCY_MAKE_BASE = 302,
    IDC_ICON_SELECT = 303,
    IDC_RECONCILE_MARK = 304,
    IDC_RECONCILE_MARK_ALL = 305,
    IDC_RECONCILE_UNMARK_ALL = 306,
    IDC_OPERATION_CANCEL = 307,
    IDC_OPERATION_DONE = 308,
    IDC_LIST_NEW = 10390,
    IDC_LIST_EDIT = 10391,
    IDC_LIST_DONE = 10396,
    IDC_ACCOUNTS_NEW = 10400,
    IDC_ACCOUNTS_EDIT = 10401,
    IDC_ACCOUNT_INFO_ONLINE = 10441,
    IDC_ACCOUNT_INFO_ICONS = 10442,
    IDC_RECONCILE_CONTINUE = 10453,
    IDC_RECONCILE_DONE = 10461,
    IDC_PURGE = 10466,
    IDC_CURRENCY_NEW = 10477,
    IDC_CURRENCY_EDIT = 10479,
    IDC_CATEGORY_ICON = 10644,
    // the transaction editor, the split screens, the memo and currency conversion
    IDC_EDITOR_DONE = 200,
    IDC_EDITOR_CANCEL = 201,
    IDC_EDITOR_PURGE = 202,
    IDC_EDITOR_DELETE = 203,
    IDC_EDITOR_RECORD = 204,
    IDC_SPLIT_DONE = 210,
    IDC_SPLIT_CLEAR = 211,
    IDC_SPLIT_ADJUST = 212,
    IDC_SPLIT_LINE_DONE = 213,
    IDC_SPLIT_LINE_CANCEL = 214,
    IDC_MEMO_DONE = 215,
    IDC_MEMO_CANCEL = 216,
    IDC_CONVERT_DONE = 217,
    IDC_CONVERT_CANCEL = 218,
    IDC_EDITOR_CONVERT = 10450,     // "Convert Currency" of the register's editor modes
    IDC_EDITOR_SPLITS = 10495,      // the split list
    IDC_SPLIT_EDIT = 10503,         // "Edit" of the split list
    IDC_SCHEDULED_CONVERT = 10692,  // "Convert Currency" of the scheduled modes
};

// ---- scheduled transactions and reminders (texts and menus 11400-11599, commands 700-799) ----
inline constexpr StringId IDS_SCHEDULED_TITLE = static_cast<StringId>(11400);
inline constexpr StringId IDS_UPCOMING_TITLE = static_cast<StringId>(11401);
inline constexpr StringId IDS_CHANGE_REPEAT_TITLE = static_cast<StringId>(11402);
inline constexpr StringId IDS_REPEAT_LABEL_NEXT_DATE = static_cast<StringId>(11403);
inline constexpr StringId IDS_REPEAT_LABEL_FREQUENCY = static_cast<StringId>(11404);
inline constexpr StringId IDS_REPEAT_LABEL_REPEAT = static_cast<StringId>(11405);
inline constexpr StringId IDS_REPEAT_LABEL_TIMES = static_cast<StringId>(11406);
inline constexpr StringId IDS_REPEAT_LABEL_ENTER = static_cast<StringId>(11407);
inline constexpr StringId IDS_REPEAT_LABEL_DAYS = static_cast<StringId>(11408);
inline constexpr StringId IDS_REPEAT_TIMES_INVALID = static_cast<StringId>(11409);
inline constexpr StringId IDS_REPEAT_DAYS_INVALID = static_cast<StringId>(11410);
inline constexpr StringId IDS_REPEAT_CHOOSE_FREQUENCY = static_cast<StringId>(11411);
inline constexpr StringId IDS_UPCOMING_THROUGH_LABEL = static_cast<StringId>(11412);
inline constexpr StringId IDS_MENU_RECORD_ALL = static_cast<StringId>(11413);
inline constexpr StringId IDS_MENU_SKIP = static_cast<StringId>(11414);
inline constexpr StringId IDS_MENU_THROUGH = static_cast<StringId>(11415);
inline constexpr StringId IDS_RECORD_ALL_QUESTION = static_cast<StringId>(11416);  // %u the count
inline constexpr StringId IDS_SKIP_QUESTION = static_cast<StringId>(11417);  // %s the payee
inline constexpr StringId IDS_RECORD_FAILED = static_cast<StringId>(11418);
inline constexpr StringId IDS_RECORD_ALL_FAILED = static_cast<StringId>(11419);
inline constexpr StringId IDS_NOTHING_UPCOMING = static_cast<StringId>(11420);
inline constexpr StringId IDS_SCHEDULED_NO_PAYEE = static_cast<StringId>(11422);
inline constexpr StringId IDS_REMINDER_TITLE = static_cast<StringId>(11430);
inline constexpr StringId IDS_REMINDER_TEXT = static_cast<StringId>(11431);
inline constexpr StringId IDS_MENU_SNOOZE = static_cast<StringId>(11432);
inline constexpr StringId IDS_MENU_GOTO = static_cast<StringId>(11433);

enum ScheduledMenuId : int {
    IDM_SCHEDULED_LIST = 11400,
    IDM_UPCOMING_LIST = 11401,
    IDM_CHANGE_REPEAT = 11402,
    IDM_REMINDER = 10678,
};

enum ScheduledCommand : int {
    IDC_SCHEDULED_DELETE = 700,
    IDC_UPCOMING_RECORD = 701,
    IDC_UPCOMING_RECORD_ALL = 702,
    IDC_UPCOMING_SKIP = 703,
    IDC_REPEAT_DONE = 704,
    IDC_REPEAT_CANCEL = 705,
    IDC_THROUGH_FIRST = 710,  // 710-718: the "Through" periods, in order
    IDC_THROUGH_LAST = 718,
    IDC_REMINDER_DONE = 10398,
    IDC_REMINDER_GOTO = 10675,
    IDC_REMINDER_SNOOZE = 10679,
};

}  // namespace res
