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
// ---- texts of the report and budget screens (10610-10799) ----
inline constexpr StringId IDS_REPORTS_TITLE = static_cast<StringId>(10610);
inline constexpr StringId IDS_BUDGETS_TITLE = static_cast<StringId>(10611);
inline constexpr StringId IDS_REPORT_HEADING = static_cast<StringId>(10612);  // %s side, by, period
inline constexpr StringId IDS_REPORT_HEADING_ACCOUNT =
    static_cast<StringId>(10613);  // %s side, by, period, account
inline constexpr StringId IDS_BUDGET_HEADING = static_cast<StringId>(10614);  // %s by, %s period
inline constexpr StringId IDS_REPORT_SIDE_ALL = static_cast<StringId>(10615);
inline constexpr StringId IDS_REPORT_SIDE_INCOMES = static_cast<StringId>(10616);
inline constexpr StringId IDS_REPORT_SIDE_EXPENSES = static_cast<StringId>(10617);
inline constexpr StringId IDS_LABEL_TOTAL = static_cast<StringId>(10618);
inline constexpr StringId IDS_COLUMN_BUDGET = static_cast<StringId>(10619);
inline constexpr StringId IDS_COLUMN_ACTUAL = static_cast<StringId>(10620);
inline constexpr StringId IDS_COLUMN_DIFFERENCE = static_cast<StringId>(10621);
inline constexpr StringId IDS_COLUMN_DATE = static_cast<StringId>(10622);
inline constexpr StringId IDS_COLUMN_PAYEE = static_cast<StringId>(10623);
inline constexpr StringId IDS_COLUMN_ACCOUNT = static_cast<StringId>(10624);
inline constexpr StringId IDS_MENU_DEFINE = static_cast<StringId>(10625);
inline constexpr StringId IDS_MENU_CHART = static_cast<StringId>(10626);
inline constexpr StringId IDS_MENU_LIST_VIEW = static_cast<StringId>(10627);
inline constexpr StringId IDS_MENU_DETAILS = static_cast<StringId>(10628);
inline constexpr StringId IDS_MENU_SORT_NAME = static_cast<StringId>(10629);
inline constexpr StringId IDS_MENU_SORT_ICON = static_cast<StringId>(10630);
inline constexpr StringId IDS_MENU_INCOMES = static_cast<StringId>(10631);
inline constexpr StringId IDS_MENU_EXPENSES = static_cast<StringId>(10632);
inline constexpr StringId IDS_MENU_ALL_AMOUNTS = static_cast<StringId>(10633);
inline constexpr StringId IDS_MENU_BUDGET_AMOUNT = static_cast<StringId>(10635);
inline constexpr StringId IDS_DEFINE_REPORT_TITLE = static_cast<StringId>(10636);
inline constexpr StringId IDS_DEFINE_BUDGET_TITLE = static_cast<StringId>(10637);
inline constexpr StringId IDS_REPORT_PREFERENCES_TITLE = static_cast<StringId>(10638);
inline constexpr StringId IDS_BUDGET_PREFERENCES_TITLE = static_cast<StringId>(10639);
inline constexpr StringId IDS_BUDGET_AMOUNT_TITLE = static_cast<StringId>(10640);
inline constexpr StringId IDS_LABEL_BY = static_cast<StringId>(10641);
inline constexpr StringId IDS_LABEL_PERIOD = static_cast<StringId>(10642);
inline constexpr StringId IDS_LABEL_START_DATE = static_cast<StringId>(10643);
inline constexpr StringId IDS_LABEL_END_DATE = static_cast<StringId>(10644);
inline constexpr StringId IDS_LABEL_ACCOUNT = static_cast<StringId>(10645);
inline constexpr StringId IDS_LABEL_AMOUNTS = static_cast<StringId>(10646);
inline constexpr StringId IDS_ALL_ACCOUNTS = static_cast<StringId>(10647);
inline constexpr StringId IDS_SHOW_EMPTY_ITEMS = static_cast<StringId>(10648);
inline constexpr StringId IDS_BUDGET_SHOW_EMPTY = static_cast<StringId>(10649);
inline constexpr StringId IDS_PIE_LABELS = static_cast<StringId>(10650);
inline constexpr StringId IDS_PIE_LABEL_NAME = static_cast<StringId>(10651);
inline constexpr StringId IDS_PIE_LABEL_AMOUNT = static_cast<StringId>(10652);
inline constexpr StringId IDS_PIE_LABEL_PERCENT = static_cast<StringId>(10653);
inline constexpr StringId IDS_BUDGET_AMOUNT_PROMPT = static_cast<StringId>(10654);  // + the name
inline constexpr StringId IDS_LABEL_BUDGET_AMOUNT = static_cast<StringId>(10655);
inline constexpr StringId IDS_PERIOD_REVERSED = static_cast<StringId>(10656);
inline constexpr StringId IDS_ROW_HAS_NO_BUDGET = static_cast<StringId>(10657);
inline constexpr StringId IDS_CHART_NOTHING = static_cast<StringId>(10658);
inline constexpr StringId IDS_DETAILS_NONE = static_cast<StringId>(10659);
inline constexpr StringId IDS_CHART_SLICE_INFO =
    static_cast<StringId>(10660);  // %s name, %s amount, %d percent
inline constexpr StringId IDS_SETTINGS_NOT_SAVED = static_cast<StringId>(10661);

// ---- online banking: download, review, set-up, password change, import (11200-11399) ----
inline constexpr StringId IDS_ONLINE_PROGRESS_TITLE = static_cast<StringId>(11200);
inline constexpr StringId IDS_ONLINE_DOWNLOADING = static_cast<StringId>(11201);
inline constexpr StringId IDS_ONLINE_PASSWORD_TITLE = static_cast<StringId>(11202);
inline constexpr StringId IDS_ONLINE_ENTER_PASSWORD = static_cast<StringId>(11203);
inline constexpr StringId IDS_MENU_GO_ONLINE = static_cast<StringId>(11204);
inline constexpr StringId IDS_MENU_REG_GO_ONLINE = static_cast<StringId>(11205);
inline constexpr StringId IDS_MENU_CHANGE_ONLINE_PASSWORD = static_cast<StringId>(11206);
inline constexpr StringId IDS_MENU_ONLINE = static_cast<StringId>(11207);
inline constexpr StringId IDS_DOWNLOAD_COMPLETED = static_cast<StringId>(11210);
inline constexpr StringId IDS_SUMMARY_DOWNLOADED = static_cast<StringId>(11211);
inline constexpr StringId IDS_SUMMARY_MATCH = static_cast<StringId>(11212);
inline constexpr StringId IDS_SUMMARY_NEW = static_cast<StringId>(11213);
inline constexpr StringId IDS_MENU_REVIEW = static_cast<StringId>(11214);
inline constexpr StringId IDS_MENU_ACCEPT_ALL = static_cast<StringId>(11215);
inline constexpr StringId IDS_MENU_REVIEW_LATER = static_cast<StringId>(11216);
inline constexpr StringId IDS_REVIEW_TITLE = static_cast<StringId>(11220);
inline constexpr StringId IDS_BANK_ENTRY = static_cast<StringId>(11221);
inline constexpr StringId IDS_YOUR_ENTRY = static_cast<StringId>(11222);
inline constexpr StringId IDS_NO_MATCH_LINE = static_cast<StringId>(11223);
inline constexpr StringId IDS_REVIEW_POSITION = static_cast<StringId>(11224);
inline constexpr StringId IDS_MENU_ACCEPT = static_cast<StringId>(11225);
inline constexpr StringId IDS_MENU_CHANGE_MATCH = static_cast<StringId>(11226);
inline constexpr StringId IDS_MENU_NO_MATCH = static_cast<StringId>(11227);
inline constexpr StringId IDS_MENU_NEXT = static_cast<StringId>(11228);
inline constexpr StringId IDS_MENU_PREV = static_cast<StringId>(11229);
inline constexpr StringId IDS_MENU_REVIEW_CLOSE = static_cast<StringId>(11230);
inline constexpr StringId IDS_MENU_REVIEW_EDIT = static_cast<StringId>(11231);
inline constexpr StringId IDS_MATCH_TITLE = static_cast<StringId>(11232);
inline constexpr StringId IDS_MENU_MATCH = static_cast<StringId>(11233);
inline constexpr StringId IDS_MATCH_COLUMN_DATE = static_cast<StringId>(11234);
inline constexpr StringId IDS_MATCH_COLUMN_TYPE = static_cast<StringId>(11235);
inline constexpr StringId IDS_MATCH_COLUMN_PAYEE = static_cast<StringId>(11236);
inline constexpr StringId IDS_MATCH_COLUMN_AMOUNT = static_cast<StringId>(11237);
inline constexpr StringId IDS_MATCH_NOT_ALLOWED = static_cast<StringId>(11238);
inline constexpr StringId IDS_ONLINE_SETUP_TITLE = static_cast<StringId>(11240);
inline constexpr StringId IDS_ENABLE_ACCESS = static_cast<StringId>(11241);
inline constexpr StringId IDS_LABEL_SETUP_BANK = static_cast<StringId>(11242);
inline constexpr StringId IDS_LABEL_CUSTOMER_ID = static_cast<StringId>(11243);
inline constexpr StringId IDS_LABEL_SETUP_PASSWORD = static_cast<StringId>(11244);
inline constexpr StringId IDS_LABEL_SETUP_ACCOUNT = static_cast<StringId>(11245);
inline constexpr StringId IDS_SELECT_PLACEHOLDER = static_cast<StringId>(11246);
inline constexpr StringId IDS_WILL_PROMPT = static_cast<StringId>(11247);
inline constexpr StringId IDS_MENU_SELECT_BANK = static_cast<StringId>(11248);
inline constexpr StringId IDS_MENU_SET_ONLINE_PASSWORD = static_cast<StringId>(11249);
inline constexpr StringId IDS_MENU_SELECT_ACCOUNT = static_cast<StringId>(11250);
inline constexpr StringId IDS_PLEASE_SELECT_BANK = static_cast<StringId>(11251);
inline constexpr StringId IDS_PLEASE_ENTER_CUSTOMER_ID = static_cast<StringId>(11252);
inline constexpr StringId IDS_PLEASE_ASSIGN_ACCOUNT = static_cast<StringId>(11253);
inline constexpr StringId IDS_SELECT_BANK_TITLE = static_cast<StringId>(11254);
inline constexpr StringId IDS_COLUMN_BANK_NAME = static_cast<StringId>(11255);
inline constexpr StringId IDS_SELECT_ACCOUNT_TITLE = static_cast<StringId>(11256);
inline constexpr StringId IDS_COLUMN_ACCOUNT_TYPE = static_cast<StringId>(11257);
inline constexpr StringId IDS_COLUMN_ONLINE_ACCOUNT_NUMBER = static_cast<StringId>(11258);
inline constexpr StringId IDS_ACCOUNT_IN_USE = static_cast<StringId>(11259);
inline constexpr StringId IDS_ONLINE_ACCOUNT_INFO_TITLE = static_cast<StringId>(11260);
inline constexpr StringId IDS_LABEL_ONLINE_TYPE = static_cast<StringId>(11261);
inline constexpr StringId IDS_LABEL_ONLINE_ACCOUNT_NUMBER = static_cast<StringId>(11262);
inline constexpr StringId IDS_LABEL_ROUTING_NUMBER = static_cast<StringId>(11263);
inline constexpr StringId IDS_ACCOUNT_NUMBER_EMPTY = static_cast<StringId>(11264);
inline constexpr StringId IDS_ROUTING_NUMBER_LENGTH = static_cast<StringId>(11265);
inline constexpr StringId IDS_ONLINE_TYPE_CHECKING = static_cast<StringId>(11266);
inline constexpr StringId IDS_ONLINE_TYPE_SAVINGS = static_cast<StringId>(11267);
inline constexpr StringId IDS_ONLINE_TYPE_CREDIT = static_cast<StringId>(11268);
inline constexpr StringId IDS_ONLINE_TYPE_MONEY_MARKET = static_cast<StringId>(11269);
inline constexpr StringId IDS_ONLINE_TYPE_LINE_OF_CREDIT = static_cast<StringId>(11270);
inline constexpr StringId IDS_CHANGE_PASSWORD_TITLE = static_cast<StringId>(11280);
inline constexpr StringId IDS_CHANGE_PASSWORD_INTRO = static_cast<StringId>(11281);
inline constexpr StringId IDS_CHANGE_PASSWORD_NOTE = static_cast<StringId>(11282);
inline constexpr StringId IDS_LABEL_OLD_PASSWORD = static_cast<StringId>(11283);
inline constexpr StringId IDS_LABEL_NEW_PASSWORD = static_cast<StringId>(11284);
inline constexpr StringId IDS_LABEL_CONFIRM_PASSWORD = static_cast<StringId>(11285);
inline constexpr StringId IDS_ONLINE_PASSWORD_MISMATCH = static_cast<StringId>(11286);
inline constexpr StringId IDS_PASSWORD_EXACT_LENGTH = static_cast<StringId>(11287);
inline constexpr StringId IDS_PASSWORD_LENGTH_RANGE = static_cast<StringId>(11288);
inline constexpr StringId IDS_PASSWORD_NO_DIGITS = static_cast<StringId>(11289);
inline constexpr StringId IDS_PASSWORD_NO_LETTERS = static_cast<StringId>(11290);
inline constexpr StringId IDS_PASSWORD_BOTH = static_cast<StringId>(11291);
inline constexpr StringId IDS_PASSWORD_NO_SPECIAL = static_cast<StringId>(11292);
inline constexpr StringId IDS_PASSWORD_NO_SPACES = static_cast<StringId>(11293);
inline constexpr StringId IDS_PASSWORD_CHANGED = static_cast<StringId>(11294);
inline constexpr StringId IDS_PASSWORD_UNSENDABLE = static_cast<StringId>(11295);
inline constexpr StringId IDS_IMPORT_TITLE = static_cast<StringId>(11300);
inline constexpr StringId IDS_IMPORT_FROM = static_cast<StringId>(11301);
inline constexpr StringId IDS_IMPORT_INTO = static_cast<StringId>(11302);
inline constexpr StringId IDS_IMPORT_NAME = static_cast<StringId>(11303);
inline constexpr StringId IDS_IMPORT_NEW_ACCOUNT = static_cast<StringId>(11304);
inline constexpr StringId IDS_MENU_IMPORT_NOW = static_cast<StringId>(11305);
inline constexpr StringId IDS_MENU_IMPORT_LATER = static_cast<StringId>(11306);
// ---- data safety: the writer's lock, all-or-nothing saves, damage, backups (11000-11099) ----
inline constexpr StringId IDS_DATA_FOLDER_IN_USE = static_cast<StringId>(11000);  // %s the folder
inline constexpr StringId IDS_DATA_FOLDER_IN_USE_SCREEN =
    static_cast<StringId>(11001);  // %s the folder
inline constexpr StringId IDS_DATA_FOLDER_NOT_LOCKABLE =
    static_cast<StringId>(11002);  // %s the folder
inline constexpr StringId IDS_NO_DATA_FOR_CHANGE =
    static_cast<StringId>(11003);  // %s the folder, %s the folder
inline constexpr StringId IDS_INIT_DONE = static_cast<StringId>(11004);  // %s the folder
inline constexpr StringId IDS_INIT_ALREADY = static_cast<StringId>(11005);  // %s the folder
inline constexpr StringId IDS_INIT_FAILED = static_cast<StringId>(11006);  // %s the folder
inline constexpr StringId IDS_SAVE_CHANGED_ELSEWHERE = static_cast<StringId>(11007);  // %s the file
inline constexpr StringId IDS_SAVE_WRITE_FAILED =
    static_cast<StringId>(11008);  // %s the file, %s the cause
inline constexpr StringId IDS_SAVE_PENDING =
    static_cast<StringId>(11009);  // %s the file, %s the cause
inline constexpr StringId IDS_CAUSE_DISK_FULL = static_cast<StringId>(11010);
inline constexpr StringId IDS_CAUSE_PERMISSION = static_cast<StringId>(11011);
inline constexpr StringId IDS_CAUSE_IO_ERROR = static_cast<StringId>(11012);
inline constexpr StringId IDS_CAUSE_NOT_FOUND = static_cast<StringId>(11013);
inline constexpr StringId IDS_CAUSE_OTHER = static_cast<StringId>(11014);  // %ld the error code
inline constexpr StringId IDS_FILE_NOT_AN_ACCOUNT = static_cast<StringId>(11015);  // %s the file
inline constexpr StringId IDS_FILE_NOT_A_FILE = static_cast<StringId>(11016);  // %s the path
inline constexpr StringId IDS_UNFINISHED_SAVE = static_cast<StringId>(11017);  // %s the record
inline constexpr StringId IDS_MISSING_FROM_TOTAL = static_cast<StringId>(11018);  // %s the file
inline constexpr StringId IDS_CHECK_DAMAGED_COPY = static_cast<StringId>(11019);  // %s the copy
inline constexpr StringId IDS_CHECK_CATEGORY_MISSING =
    static_cast<StringId>(11020);  // %s account, %s date, %s payee, %s amount
inline constexpr StringId IDS_CHECK_CLASS_MISSING =
    static_cast<StringId>(11021);  // %s account, %s date, %s payee, %s amount
inline constexpr StringId IDS_CHECK_PAYEE_MISSING =
    static_cast<StringId>(11022);  // %s account, %s date, %s payee, %s amount
inline constexpr StringId IDS_SETTINGS_DAMAGED =
    static_cast<StringId>(11023);  // %s the settings file, %s the copy
inline constexpr StringId IDS_SAVE_NOT_SAVED_SCREEN =
    static_cast<StringId>(11024);  // %s the reason
inline constexpr StringId IDS_FILES_LEFT_OUT_SCREEN = static_cast<StringId>(11025);  // %s the files
inline constexpr StringId IDS_SUMMARY_MISSING_FROM_TOTAL =
    static_cast<StringId>(11026);  // %s the file name
inline constexpr StringId IDS_CLI_HELP_INIT = static_cast<StringId>(11027);
inline constexpr StringId IDS_CLI_HELP_BACKUP = static_cast<StringId>(11028);
inline constexpr StringId IDS_BACKUP_LIST_EMPTY = static_cast<StringId>(11030);  // %s the folder
inline constexpr StringId IDS_BACKUP_RESTORED = static_cast<StringId>(11031);  // %s name, %s folder
inline constexpr StringId IDS_BACKUP_NOT_FOUND = static_cast<StringId>(11032);  // %s the name
inline constexpr StringId IDS_BACKUP_FAILED = static_cast<StringId>(11033);  // %s the folder, %s cause
inline constexpr StringId IDS_BACKUP_USAGE = static_cast<StringId>(11034);
inline constexpr StringId IDS_BACKUP_COLUMN_NAME = static_cast<StringId>(11035);
inline constexpr StringId IDS_BACKUP_COLUMN_FILES = static_cast<StringId>(11036);
inline constexpr StringId IDS_BACKUP_COLUMN_BYTES = static_cast<StringId>(11037);

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
    // the report and budget screens
    IDM_REPORT_LIST = 10690,
    IDM_REPORT_CHART = 10691,
    IDM_BUDGET = 10692,
    IDM_REPORT_FORM = 10693,
    IDM_REPORT_DETAILS = 10694,
    IDM_BUDGET_DETAILS = 10695,
    // online banking: download, review, set-up, password change, import
    IDM_REVIEW_TRANSACTION = 10237,
    IDM_ONLINE_SUMMARY = 10239,
    IDM_MATCH_TRANSACTION = 10241,
    IDM_SELECT_DONE_CANCEL = 10243,
    IDM_ONLINE_PROGRESS = 10245,
    IDM_ONLINE_SETUP = 10322,
    IDM_DONE_CANCEL_PROMPT = 10667,
    IDM_IMPORT_ACCOUNTS = 10681,
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
    // the report and budget screens
    IDC_RPT_SORT_NAME = 400,
    IDC_RPT_SORT_AMOUNT = 401,
    IDC_RPT_SORT_ICON = 402,
    IDC_RPT_SORT_BUDGET = 403,
    IDC_RPT_SORT_DIFFERENCE = 404,
    IDC_RPT_INCOMES = 405,
    IDC_RPT_EXPENSES = 406,
    IDC_RPT_ALL_AMOUNTS = 407,
    IDC_RPT_DETAILS = 408,
    IDC_RPT_DONE = 409,
    IDC_RPT_EDIT_TRANSACTION = 410,
    IDC_RPT_BUDGET_AMOUNT = 411,
    IDC_RPT_FORM_DONE = 412,
    IDC_RPT_FORM_CANCEL = 413,
    IDC_RPT_DEFINE = 10562,
    IDC_RPT_CHARTS = 10564,
    IDC_CHART_LIST_VIEW = 10572,
    IDC_BUDGET_PREFERENCES = 10585,
    IDC_RPT_PREFERENCES = 10590,
    IDC_BUDGET_DETAILS_PREFERENCES = 10596,
    IDC_CHART_PREFERENCES = 10651,
};

}  // namespace res

// ---- security, settings, appearance, about and help ----
namespace res {

// texts (10800-10999)
inline constexpr StringId IDS_PASSWORD_MISMATCH = static_cast<StringId>(10800);
inline constexpr StringId IDS_PASSWORD_RULE = static_cast<StringId>(10801);
inline constexpr StringId IDS_OLD_PASSWORD_WRONG = static_cast<StringId>(10802);
inline constexpr StringId IDS_PASSWORD_NOT_STORED = static_cast<StringId>(10803);
inline constexpr StringId IDS_SET_PASSWORD_TITLE = static_cast<StringId>(10804);
inline constexpr StringId IDS_OLD_PASSWORD = static_cast<StringId>(10805);
inline constexpr StringId IDS_NEW_PASSWORD = static_cast<StringId>(10806);
inline constexpr StringId IDS_CONFIRM_PASSWORD = static_cast<StringId>(10807);
inline constexpr StringId IDS_UNLOCK_TITLE = static_cast<StringId>(10808);
inline constexpr StringId IDS_PRODUCT_LINE = static_cast<StringId>(10809);
inline constexpr StringId IDS_SECURITY_TITLE = static_cast<StringId>(10810);
inline constexpr StringId IDS_LOCK_ON_EXIT = static_cast<StringId>(10811);
inline constexpr StringId IDS_LOCK_DELAY_FIRST = static_cast<StringId>(10812);  // 10812-10820
inline constexpr StringId IDS_MENU_LOCK_NOW = static_cast<StringId>(10821);
inline constexpr StringId IDS_LOCK_NOT_STORED = static_cast<StringId>(10822);
inline constexpr StringId IDS_IDLE_LOCK_NOTE = static_cast<StringId>(10823);
inline constexpr StringId IDS_HELP_TITLE = static_cast<StringId>(10830);
inline constexpr StringId IDS_MENU_CONTENTS = static_cast<StringId>(10831);
inline constexpr StringId IDS_HELP_MISSING = static_cast<StringId>(10832);  // %s the topic
inline constexpr StringId IDS_PREFERENCES_TITLE = static_cast<StringId>(10840);
inline constexpr StringId IDS_SHOW_YEAR = static_cast<StringId>(10841);
inline constexpr StringId IDS_SHOW_DECIMAL = static_cast<StringId>(10842);
inline constexpr StringId IDS_USER_PATH = static_cast<StringId>(10843);
inline constexpr StringId IDS_IMPORT_PATH = static_cast<StringId>(10844);
inline constexpr StringId IDS_INSTITUTION_DIRECTORY = static_cast<StringId>(10845);
inline constexpr StringId IDS_FOLDER_NOT_USABLE = static_cast<StringId>(10846);  // %s the folder
inline constexpr StringId IDS_PREFERENCES_NOT_STORED = static_cast<StringId>(10847);
inline constexpr StringId IDS_FOLDER_NOT_ABSOLUTE = static_cast<StringId>(10848);
inline constexpr StringId IDS_DIRECTORY_NOT_USABLE = static_cast<StringId>(10849);
inline constexpr StringId IDS_DATA_FOLDER_RELOADED = static_cast<StringId>(10850);  // %s
inline constexpr StringId IDS_ABOUT_TITLE = static_cast<StringId>(10860);
inline constexpr StringId IDS_ABOUT_VERSION = static_cast<StringId>(10861);  // %s the version
inline constexpr StringId IDS_ABOUT_DATA_FOLDER = static_cast<StringId>(10862);
inline constexpr StringId IDS_ABOUT_SETTINGS_FILE = static_cast<StringId>(10863);
inline constexpr StringId IDS_ABOUT_LICENCE = static_cast<StringId>(10864);
inline constexpr StringId IDS_ABOUT_SUMMARY = static_cast<StringId>(10865);
inline constexpr StringId IDS_FONT_TITLE = static_cast<StringId>(10870);
inline constexpr StringId IDS_FONT_STYLE = static_cast<StringId>(10871);
inline constexpr StringId IDS_FONT_STYLE_FIRST = static_cast<StringId>(10872);  // 10872-10874
inline constexpr StringId IDS_FONT_COLUMNS = static_cast<StringId>(10875);
inline constexpr StringId IDS_COLUMN_LABEL_FIRST = static_cast<StringId>(10876);  // 10876-10885
inline constexpr StringId IDS_FONT_FOR_SUMMARY = static_cast<StringId>(10886);
inline constexpr StringId IDS_FONT_FOR_REGISTER = static_cast<StringId>(10887);
inline constexpr StringId IDS_FONT_FOR_REPORTS = static_cast<StringId>(10888);
inline constexpr StringId IDS_FONT_FOR_BUDGETS = static_cast<StringId>(10889);
inline constexpr StringId IDS_FONT_SAMPLE = static_cast<StringId>(10890);
inline constexpr StringId IDS_FONT_NOT_STORED = static_cast<StringId>(10891);
inline constexpr StringId IDS_FONT_NO_COLUMN = static_cast<StringId>(10892);
inline constexpr StringId IDS_COLOR_TITLE = static_cast<StringId>(10895);
inline constexpr StringId IDS_COLOR_FOR_REGISTER = static_cast<StringId>(10896);
inline constexpr StringId IDS_COLOR_FOR_REPORTS = static_cast<StringId>(10897);
inline constexpr StringId IDS_COLOR_FOR_BUDGETS = static_cast<StringId>(10898);
inline constexpr StringId IDS_COLOR_NAME_FIRST = static_cast<StringId>(10900);  // 10900-10916
inline constexpr StringId IDS_COLOR_NOT_STORED = static_cast<StringId>(10917);
inline constexpr StringId IDS_COLOR_CURRENT = static_cast<StringId>(10918);

// menus: the handheld's numbers where it has them, the others from 10950
enum SettingsMenuId : int {
    IDM_SET_PASSWORD = 10601,
    IDM_SECURITY_OPTIONS = 10602,
    IDM_UNLOCK = 10744,
    IDM_PASSWORD_PROMPT = 10792,
    IDM_HELP_VIEWER = 10950,
    IDM_SETTINGS_FORM = 10951,
    IDM_ABOUT = 10952,
};

// command ids
enum SettingsCommand : int {
    IDC_SET_PASSWORD_DONE = 10603,
    IDC_SET_PASSWORD_CANCEL = 10604,
    IDC_SECURITY_OK = 10605,
    IDC_SECURITY_CANCEL = 10606,
    IDC_UNLOCK_DONE = 10744,
    IDC_PASSWORD_PROMPT_DONE = 10793,
    IDC_HELP_CONTENTS = 500,
    IDC_HELP_CLOSE = 501,
    IDC_SETTINGS_DONE = 502,
    IDC_SETTINGS_CANCEL = 503,
    IDC_ABOUT_OK = 504,
    // online banking: download, review, set-up, password change, import
    IDC_REVIEW_ACCEPT = 600,
    IDC_REVIEW_ACCEPT_ALL = 601,
    IDC_REVIEW_LATER = 602,
    IDC_REVIEW_NEXT = 603,
    IDC_REVIEW_PREV = 604,
    IDC_REVIEW_CLOSE = 605,
    IDC_MATCH_MATCH = 606,
    IDC_MATCH_NO_MATCH = 607,
    IDC_SETUP_SET_PASSWORD = 608,
    IDC_SETUP_SELECT_ACCOUNT = 609,
    IDC_IMPORT_NOW = 610,
    IDC_IMPORT_LATER = 611,
    IDC_ONLINE_PROGRESS_CANCEL = 10518,
    IDC_SETUP_SELECT_BANK = 10528,
    IDC_REVIEW_CHANGE_MATCH = 10540,
    IDC_REVIEW_EDIT = 10542,
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

// ---- reminder companion (texts 11650-11699) ----
inline constexpr StringId IDS_COMPANION_SUMMARY_ONE = static_cast<StringId>(11650);
inline constexpr StringId IDS_COMPANION_SUMMARY_MANY = static_cast<StringId>(11651);
inline constexpr StringId IDS_COMPANION_SUMMARY_DUE = static_cast<StringId>(11652);
inline constexpr StringId IDS_COMPANION_LINE = static_cast<StringId>(11653);
inline constexpr StringId IDS_COMPANION_MORE = static_cast<StringId>(11654);
inline constexpr StringId IDS_COMPANION_LOCKED = static_cast<StringId>(11655);
inline constexpr StringId IDS_COMPANION_NOT_READ = static_cast<StringId>(11656);
inline constexpr StringId IDS_COMPANION_OPEN = static_cast<StringId>(11657);
inline constexpr StringId IDS_COMPANION_ALREADY_RUNNING = static_cast<StringId>(11658);
inline constexpr StringId IDS_COMPANION_DATA_UNREADABLE = static_cast<StringId>(11659);
inline constexpr StringId IDS_COMPANION_HELP = static_cast<StringId>(11660);
inline constexpr StringId IDS_COMPANION_BAD_OPTION = static_cast<StringId>(11661);
inline constexpr StringId IDS_COMPANION_BAD_NOW = static_cast<StringId>(11662);
inline constexpr StringId IDS_COMPANION_NO_TERMINAL = static_cast<StringId>(11663);
inline constexpr StringId IDS_COMPANION_NO_PROGRAM = static_cast<StringId>(11664);
inline constexpr StringId IDS_COMPANION_NOT_STARTED = static_cast<StringId>(11665);
inline constexpr StringId IDS_COMPANION_NO_PAYEE = static_cast<StringId>(11666);
// ---- synchronisation ----
// The "Refreshing" screen after a desktop synchronisation, the notice that holds the screens
// still while a synchronisation runs, and the messages of coinvale-sync.
inline constexpr StringId IDS_SYNC_REFRESHING = static_cast<StringId>(11600);
inline constexpr StringId IDS_SYNC_REFRESH_TEXT = static_cast<StringId>(11601);
inline constexpr StringId IDS_SYNC_RELOAD_FAILED = static_cast<StringId>(11602);  // %s the folder
inline constexpr StringId IDS_SYNC_NOTICE_TITLE = static_cast<StringId>(11603);
inline constexpr StringId IDS_SYNC_NOTICE_TEXT = static_cast<StringId>(11604);
inline constexpr StringId IDS_SYNC_SAVE_REFUSED = static_cast<StringId>(11605);  // %s the cause
inline constexpr StringId IDS_SYNC_HELP = static_cast<StringId>(11610);
inline constexpr StringId IDS_SYNC_USAGE = static_cast<StringId>(11611);
inline constexpr StringId IDS_SYNC_PUSHED = static_cast<StringId>(11612);  // %d files, %s, %s
inline constexpr StringId IDS_SYNC_PULLED = static_cast<StringId>(11613);  // %d files, %s, %s
inline constexpr StringId IDS_SYNC_DIR_MISSING = static_cast<StringId>(11614);     // %s
inline constexpr StringId IDS_SYNC_DIR_NOT_FOLDER = static_cast<StringId>(11615);  // %s
inline constexpr StringId IDS_SYNC_DIR_NOT_WRITABLE = static_cast<StringId>(11616);  // %s %s
inline constexpr StringId IDS_SYNC_DIR_NO_DATA = static_cast<StringId>(11617);       // %s
inline constexpr StringId IDS_SYNC_DIR_FOREIGN = static_cast<StringId>(11618);       // %s %s
inline constexpr StringId IDS_SYNC_NO_DATA_FOLDER = static_cast<StringId>(11619);    // %s
inline constexpr StringId IDS_SYNC_NO_ANSWER = static_cast<StringId>(11620);         // %d
inline constexpr StringId IDS_SYNC_BUSY = static_cast<StringId>(11621);
inline constexpr StringId IDS_SYNC_FOLDER_IN_USE = static_cast<StringId>(11622);  // %s
inline constexpr StringId IDS_SYNC_WRITE_FAILED = static_cast<StringId>(11623);   // %s %s
inline constexpr StringId IDS_SYNC_READ_FAILED = static_cast<StringId>(11624);    // %s %s
inline constexpr StringId IDS_SYNC_SAME_FOLDER = static_cast<StringId>(11625);    // %s
inline constexpr StringId IDS_SYNC_BAD_TIMEOUT = static_cast<StringId>(11626);    // %s
inline constexpr StringId IDS_SYNC_PULL_PENDING = static_cast<StringId>(11627);   // %s
inline constexpr StringId IDS_SYNC_NO_EVENT = static_cast<StringId>(11628);

enum SyncMenuId : int {
    IDM_SYNC_REFRESH = 10669,
};

enum SyncCommand : int {
    IDC_SYNC_REFRESH_OK = 10671,
};

// ---- data safety: the data folder change, screen imports, online set-up ----
inline constexpr StringId IDS_START_NEW_DATA_FOLDER =
    static_cast<StringId>(11730);  // %s the folder
// ---- typed amounts on the screens ----
inline constexpr StringId IDS_AMOUNT_TOO_PRECISE = static_cast<StringId>(11700);
inline constexpr StringId IDS_AMOUNT_TOO_LARGE = static_cast<StringId>(11701);

}  // namespace res
