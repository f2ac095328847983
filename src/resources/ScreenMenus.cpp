#include "resources/ScreenMenus.h"

#include <iterator>

#include "resources/ScreenIds.h"

#include "resources/SortedById.h"

namespace res {
namespace {

// ---- the accounts summary: "New" and "Menu" ----
// The balance the total line shows, on the summary and in the register.
constexpr MenuItemDef kBalanceTypes[] = {
    {IDC_BALANCE_TYPE_BALANCE, IDS_MENU_BALANCE, kMenuChecked | kMenuRadio},
    {IDC_BALANCE_TYPE_CLEARED, IDS_MENU_CLEARED, kMenuRadio},
};

constexpr MenuItemDef kSummarySortBy[] = {
    // named after the summary's columns
    {IDC_SUMMARY_SORT_ACCOUNTS, IDS_COLUMN_ACCOUNTS, kMenuChecked | kMenuRadio},
    {IDC_SUMMARY_SORT_AMOUNT, IDS_COLUMN_AMOUNT, kMenuRadio},
};

constexpr MenuItemDef kSummaryLists[] = {
    {IDC_EDIT_PAYEES, IDS_MENU_EDIT_PAYEES},   {IDC_EDIT_CATEGORIES, IDS_MENU_EDIT_CATEGORIES},
    {IDC_EDIT_CLASSES, IDS_MENU_EDIT_CLASSES}, {IDC_EDIT_CURRENCIES, IDS_MENU_EDIT_CURRENCIES},
    {IDC_EDIT_TYPES, IDS_MENU_EDIT_TYPES},     {IDC_EDIT_SCHEDULED, IDS_MENU_EDIT_SCHEDULED},
};

constexpr MenuItemDef kSummarySettings[] = {
    {IDC_FONT, IDS_MENU_FONT},
    {IDC_SET_PASSWORD, IDS_MENU_SET_PASSWORD},
    {IDC_SECURITY_OPTIONS, IDS_MENU_SECURITY_OPTIONS},
    {IDC_SUMMARY_LOCK_NOW, IDS_MENU_LOCK_NOW},
    {IDC_ABOUT, IDS_MENU_ABOUT},
};

// The number keys 1-9 and 0 reach the first ten items, "Exit" the tenth.
constexpr MenuItemDef kSummaryMenu[] = {
    {IDC_EDIT_ACCOUNTS, IDS_MENU_EDIT_ACCOUNTS},
    {IDC_TRANSFER, IDS_MENU_TRANSFER},
    {IDC_REPORTS, IDS_MENU_REPORTS},
    {IDC_BUDGETS, IDS_MENU_BUDGETS},
    {IDC_UPCOMING, IDS_MENU_UPCOMING},
    {0, IDS_MENU_BALANCE_TYPES, 0, kBalanceTypes, std::size(kBalanceTypes)},
    {0, IDS_MENU_SORT_BY, 0, kSummarySortBy, std::size(kSummarySortBy)},
    {0, IDS_MENU_LISTS, 0, kSummaryLists, std::size(kSummaryLists)},
    {0, IDS_MENU_SETTINGS, 0, kSummarySettings, std::size(kSummarySettings)},
    {IDC_EXIT, IDS_MENU_EXIT},
    // online banking: after "Exit", which keeps the key 0
    {IDC_GO_ONLINE, IDS_MENU_GO_ONLINE},
};

// ---- the register: "New" and "Menu"; "Sort By" follows the visible columns and is added when
// the bar is made, as the fourth item: ten items in all ----
constexpr MenuItemDef kRegisterAccount[] = {
    {IDC_REG_VIEW_TRANSACTION, IDS_MENU_VIEW_TRANSACTION},
    {IDC_REG_EDIT_TRANSACTION, IDS_MENU_EDIT_TRANSACTION},
    {IDC_REG_NEW_TRANSACTION, IDS_MENU_NEW_TRANSACTION},
    {IDC_REG_FIND, IDS_MENU_FIND_TRANSACTIONS},
    {IDC_REG_GOTO_TOP, IDS_MENU_GOTO_TOP},
    {IDC_REG_GOTO_BOTTOM, IDS_MENU_GOTO_BOTTOM},
    {IDC_REG_ACCOUNT_INFO, IDS_MENU_ACCOUNT_INFO},
    {IDC_REG_RECONCILE, IDS_MENU_RECONCILE},
    {IDC_REG_ADJUST_BALANCE, IDS_MENU_ADJUST_BALANCE},
    {IDC_REG_PURGE, IDS_MENU_PURGE},
    {IDC_REG_GO_ONLINE, IDS_MENU_REG_GO_ONLINE},
    {IDC_REG_CHANGE_ONLINE_PASSWORD, IDS_MENU_CHANGE_ONLINE_PASSWORD},
};

constexpr MenuItemDef kRegisterFilters[] = {
    {IDC_REG_FILTER_FIRST + 0, IDS_FILTER_ALL, kMenuChecked | kMenuRadio},
    {IDC_REG_FILTER_FIRST + 1, IDS_FILTER_RECONCILED, kMenuRadio},
    {IDC_REG_FILTER_FIRST + 2, IDS_FILTER_UNRECONCILED, kMenuRadio},
    {IDC_REG_FILTER_FIRST + 3, IDS_FILTER_CLEARED, kMenuRadio},
    {IDC_REG_FILTER_FIRST + 4, IDS_FILTER_UNCLEARED, kMenuRadio},
    {IDC_REG_FILTER_FIRST + 5, IDS_FILTER_DOWNLOADED, kMenuRadio},
    {IDC_REG_FILTER_FIRST + 6, IDS_FILTER_IMPORTED, kMenuRadio},
};

constexpr MenuItemDef kRegisterLists[] = {
    {IDC_REG_EDIT_PAYEES, IDS_MENU_EDIT_PAYEES},
    {IDC_REG_EDIT_CATEGORIES, IDS_MENU_EDIT_CATEGORIES},
    {IDC_REG_EDIT_CLASSES, IDS_MENU_EDIT_CLASSES},
    {IDC_REG_EDIT_CURRENCIES, IDS_MENU_EDIT_CURRENCIES},
    {IDC_REG_EDIT_TYPES, IDS_MENU_EDIT_TYPES},
    {IDC_REG_EDIT_SCHEDULED, IDS_MENU_EDIT_SCHEDULED},
};

constexpr MenuItemDef kRegisterSettings[] = {
    {IDC_REG_FONT, IDS_MENU_FONT},
    {IDC_REG_PREFERENCES, IDS_MENU_PREFERENCES},
    {IDC_REG_ROW_COLOR, IDS_MENU_ROW_COLOR},
    {IDC_REG_SET_PASSWORD, IDS_MENU_SET_PASSWORD},
    {IDC_REG_SECURITY_OPTIONS, IDS_MENU_SECURITY_OPTIONS},
    {IDC_REG_ABOUT, IDS_MENU_ABOUT},
};

constexpr MenuItemDef kRegisterMenu[] = {
    {0, IDS_MENU_ACCOUNT, 0, kRegisterAccount, std::size(kRegisterAccount)},
    {0, IDS_MENU_BALANCE_TYPES, 0, kBalanceTypes, std::size(kBalanceTypes)},
    {0, IDS_MENU_FILTER_TYPES, 0, kRegisterFilters, std::size(kRegisterFilters)},
    {IDC_REG_REPORTS, IDS_MENU_REPORTS},
    {IDC_REG_BUDGETS, IDS_MENU_BUDGETS},
    {IDC_REG_UPCOMING, IDS_MENU_UPCOMING},
    {0, IDS_MENU_LISTS, 0, kRegisterLists, std::size(kRegisterLists)},
    {0, IDS_MENU_SETTINGS, 0, kRegisterSettings, std::size(kRegisterSettings)},
    {IDC_REG_CLOSE, IDS_MENU_CLOSE},
};

// ---- accounts, reference lists and account operations ----
constexpr MenuItemDef kEditAccountsMenu[] = {
    {IDC_ACCOUNTS_NEW, IDS_MENU_NEW},
    {IDC_ACCOUNTS_EDIT, IDS_MENU_EDIT},
    {IDC_ACCOUNTS_DELETE, IDS_MENU_DELETE},
};

constexpr MenuItemDef kAccountInfoOptions[] = {
    {IDC_ACCOUNT_INFO_ONLINE, IDS_MENU_ONLINE},
    {IDC_ACCOUNT_INFO_ICONS, IDS_MENU_ICONS},
    {IDC_OPERATION_CANCEL, IDS_CANCEL},
};

constexpr MenuItemDef kListEditorMenu[] = {
    {IDC_LIST_NEW, IDS_MENU_NEW},
    {IDC_LIST_EDIT, IDS_MENU_EDIT},
    {IDC_LIST_DELETE, IDS_MENU_DELETE},
};

constexpr MenuItemDef kCurrencyListEditorMenu[] = {
    {IDC_CURRENCY_NEW, IDS_MENU_NEW},
    {IDC_CURRENCY_EDIT, IDS_MENU_EDIT},
    {IDC_LIST_DELETE, IDS_MENU_DELETE},
    {IDC_CURRENCY_MAKE_BASE, IDS_MENU_MAKE_BASE},
};

constexpr MenuItemDef kReconcileListMenu[] = {
    {IDC_RECONCILE_MARK, IDS_MENU_MARK},
    {IDC_RECONCILE_MARK_ALL, IDS_MENU_MARK_ALL},
    {IDC_RECONCILE_UNMARK_ALL, IDS_MENU_UNMARK_ALL},
    {IDC_OPERATION_CANCEL, IDS_CANCEL},
};

constexpr MenuItemDef kCategoryAddEditMenu[] = {
    {IDC_CATEGORY_ICON, IDS_MENU_ICON},
    {IDC_ADD_EDIT_CANCEL, IDS_CANCEL},
};

// ---- the transaction editor, the split screens, the memo and currency conversion ----
constexpr MenuItemDef kEditorNewMenu[] = {
    {IDC_EDITOR_CONVERT, IDS_EDITOR_MENU_CONVERT},
    {IDC_EDITOR_CANCEL, IDS_CANCEL},
};

constexpr MenuItemDef kEditorEditMenu[] = {
    {IDC_EDITOR_PURGE, IDS_EDITOR_MENU_PURGE},
    {IDC_EDITOR_DELETE, IDS_EDITOR_MENU_DELETE},
    {IDC_EDITOR_CONVERT, IDS_EDITOR_MENU_CONVERT},
    {IDC_EDITOR_CANCEL, IDS_CANCEL},
};

constexpr MenuItemDef kEditorScheduledMenu[] = {
    {IDC_SCHEDULED_CONVERT, IDS_EDITOR_MENU_CONVERT},
    {IDC_EDITOR_CANCEL, IDS_CANCEL},
};

constexpr MenuItemDef kSplitListMenu[] = {
    {IDC_SPLIT_EDIT, IDS_SPLIT_MENU_EDIT},
    {IDC_SPLIT_CLEAR, IDS_SPLIT_MENU_CLEAR},
    {IDC_SPLIT_ADJUST, IDS_SPLIT_MENU_ADJUST},
};

// ---- the report and budget screens ----
constexpr MenuItemDef kReportSortBy[] = {
    {IDC_RPT_SORT_NAME, IDS_MENU_SORT_NAME, kMenuChecked | kMenuRadio},
    {IDC_RPT_SORT_AMOUNT, IDS_COLUMN_AMOUNT, kMenuRadio},
    {IDC_RPT_SORT_ICON, IDS_MENU_SORT_ICON, kMenuRadio},
};

constexpr MenuItemDef kReportListMenu[] = {
    {IDC_RPT_DETAILS, IDS_MENU_DETAILS},
    {IDC_RPT_CHARTS, IDS_MENU_CHART},
    {0, IDS_MENU_SORT_BY, 0, kReportSortBy, std::size(kReportSortBy)},
    {IDC_RPT_INCOMES, IDS_MENU_INCOMES, kMenuRadio},
    {IDC_RPT_EXPENSES, IDS_MENU_EXPENSES, kMenuRadio},
    {IDC_RPT_ALL_AMOUNTS, IDS_MENU_ALL_AMOUNTS, kMenuChecked | kMenuRadio},
    {IDC_RPT_PREFERENCES, IDS_MENU_PREFERENCES},
    {IDC_RPT_DONE, IDS_MENU_CLOSE},
};

constexpr MenuItemDef kReportChartMenu[] = {
    {IDC_RPT_DEFINE, IDS_MENU_DEFINE},         {IDC_CHART_LIST_VIEW, IDS_MENU_LIST_VIEW},
    {IDC_CHART_PREFERENCES, IDS_MENU_PREFERENCES}, {IDC_RPT_INCOMES, IDS_MENU_INCOMES, kMenuRadio},
    {IDC_RPT_EXPENSES, IDS_MENU_EXPENSES, kMenuChecked | kMenuRadio},
};

constexpr MenuItemDef kBudgetSortBy[] = {
    {IDC_RPT_SORT_NAME, IDS_MENU_SORT_NAME, kMenuChecked | kMenuRadio},
    {IDC_RPT_SORT_BUDGET, IDS_COLUMN_BUDGET, kMenuRadio},
    {IDC_RPT_SORT_AMOUNT, IDS_COLUMN_ACTUAL, kMenuRadio},
    {IDC_RPT_SORT_DIFFERENCE, IDS_COLUMN_DIFFERENCE, kMenuRadio},
};

constexpr MenuItemDef kBudgetMenu[] = {
    {IDC_RPT_BUDGET_AMOUNT, IDS_MENU_BUDGET_AMOUNT},
    {IDC_RPT_DETAILS, IDS_MENU_DETAILS},
    {0, IDS_MENU_SORT_BY, 0, kBudgetSortBy, std::size(kBudgetSortBy)},
    {IDC_BUDGET_PREFERENCES, IDS_MENU_PREFERENCES},
    {IDC_RPT_DONE, IDS_MENU_CLOSE},
};

constexpr MenuItemDef kReportDetailsMenu[] = {
    {IDC_RPT_EDIT_TRANSACTION, IDS_MENU_EDIT_TRANSACTION},
    {IDC_RPT_DONE, IDS_MENU_CLOSE},
};

constexpr MenuItemDef kBudgetDetailsMenu[] = {
    {IDC_RPT_EDIT_TRANSACTION, IDS_MENU_EDIT_TRANSACTION},
    {IDC_BUDGET_DETAILS_PREFERENCES, IDS_MENU_PREFERENCES},
    {IDC_RPT_DONE, IDS_MENU_CLOSE},
};

// In blocks by area; put in id order when compiled.
// ---- scheduled transactions and reminders ----
constexpr MenuItemDef kScheduledListMenu[] = {
    {IDC_LIST_NEW, IDS_MENU_NEW},
    {IDC_LIST_EDIT, IDS_MENU_EDIT},
    {IDC_SCHEDULED_DELETE, IDS_MENU_DELETE},
};

constexpr MenuItemDef kThroughMenu[] = {
    {IDC_THROUGH_FIRST + 0, IDS_THROUGH_DUE, kMenuChecked | kMenuRadio},
    {IDC_THROUGH_FIRST + 1, IDS_THROUGH_ONE_WEEK, kMenuRadio},
    {IDC_THROUGH_FIRST + 2, IDS_THROUGH_TWO_WEEKS, kMenuRadio},
    {IDC_THROUGH_FIRST + 3, IDS_THROUGH_THREE_WEEKS, kMenuRadio},
    {IDC_THROUGH_FIRST + 4, IDS_THROUGH_ONE_MONTH, kMenuRadio},
    {IDC_THROUGH_FIRST + 5, IDS_THROUGH_TWO_MONTHS, kMenuRadio},
    {IDC_THROUGH_FIRST + 6, IDS_THROUGH_THREE_MONTHS, kMenuRadio},
    {IDC_THROUGH_FIRST + 7, IDS_THROUGH_SIX_MONTHS, kMenuRadio},
    {IDC_THROUGH_FIRST + 8, IDS_THROUGH_ONE_YEAR, kMenuRadio},
};

constexpr MenuItemDef kUpcomingListMenu[] = {
    {IDC_LIST_EDIT, IDS_MENU_EDIT},
    {IDC_UPCOMING_RECORD_ALL, IDS_MENU_RECORD_ALL},
    {IDC_UPCOMING_SKIP, IDS_MENU_SKIP},
    {0, IDS_MENU_THROUGH, 0, kThroughMenu, std::size(kThroughMenu)},
    {IDC_LIST_DONE, IDS_DONE},
};

constexpr MenuItemDef kReminderMenu[] = {
    {IDC_REMINDER_SNOOZE, IDS_MENU_SNOOZE},
    {IDC_REMINDER_GOTO, IDS_MENU_GOTO},
};

constexpr MenuDef kScreenMenusByArea[] = {
    {static_cast<MenuId>(IDM_ACCOUNTS_SUMMARY),
     {{IDC_NEW_ACCOUNT, IDS_MENU_NEW}, {0, IDS_MENU, 0, kSummaryMenu, std::size(kSummaryMenu)}}},
    {static_cast<MenuId>(IDM_COMMON_ADD_EDIT),
     {{IDC_ADD_EDIT_DONE, IDS_DONE}, {IDC_ADD_EDIT_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_REGISTER),
     {{IDC_REG_DETAILS, IDS_MENU_NEW}, {0, IDS_MENU, 0, kRegisterMenu, std::size(kRegisterMenu)}}},
    {static_cast<MenuId>(IDM_FIND_RESULTS), {{IDC_FIND_RESULTS_DONE, IDS_DONE}, {}}},
    // accounts, reference lists and account operations
    {static_cast<MenuId>(IDM_EDIT_ACCOUNTS),
     {{IDC_LIST_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kEditAccountsMenu, std::size(kEditAccountsMenu)}}},
    {static_cast<MenuId>(IDM_ACCOUNT_INFO),
     {{IDC_OPERATION_DONE, IDS_DONE},
      {0, IDS_MENU_OPTIONS, 0, kAccountInfoOptions, std::size(kAccountInfoOptions)}}},
    {static_cast<MenuId>(IDM_CHOOSE_ICON),
     {{IDC_ICON_SELECT, IDS_MENU_SELECT}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_LIST_EDITOR),
     {{IDC_LIST_DONE, IDS_DONE}, {0, IDS_MENU, 0, kListEditorMenu, std::size(kListEditorMenu)}}},
    {static_cast<MenuId>(IDM_CURRENCY_LIST_EDITOR),
     {{IDC_LIST_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kCurrencyListEditorMenu, std::size(kCurrencyListEditorMenu)}}},
    {static_cast<MenuId>(IDM_TRANSFER),
     {{IDC_OPERATION_DONE, IDS_DONE}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_RECONCILE_SETUP),
     {{IDC_RECONCILE_CONTINUE, IDS_MENU_CONTINUE}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_RECONCILE_LIST),
     {{IDC_RECONCILE_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kReconcileListMenu, std::size(kReconcileListMenu)}}},
    {static_cast<MenuId>(IDM_PURGE),
     {{IDC_PURGE, IDS_MENU_PURGE_KEY}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_ADJUST_BALANCE),
     {{IDC_OPERATION_DONE, IDS_DONE}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    // the report and budget screens
    {static_cast<MenuId>(IDM_REPORT_LIST),
     {{IDC_RPT_DEFINE, IDS_MENU_DEFINE},
      {0, IDS_MENU, 0, kReportListMenu, std::size(kReportListMenu)}}},
    {static_cast<MenuId>(IDM_REPORT_CHART),
     {{IDC_RPT_DONE, IDS_DONE}, {0, IDS_MENU, 0, kReportChartMenu, std::size(kReportChartMenu)}}},
    {static_cast<MenuId>(IDM_BUDGET),
     {{IDC_RPT_DEFINE, IDS_MENU_DEFINE}, {0, IDS_MENU, 0, kBudgetMenu, std::size(kBudgetMenu)}}},
    {static_cast<MenuId>(IDM_REPORT_FORM),
     {{IDC_RPT_FORM_DONE, IDS_DONE}, {IDC_RPT_FORM_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_REPORT_DETAILS),
     {{IDC_RPT_EDIT_TRANSACTION, IDS_MENU_EDIT},
      {0, IDS_MENU, 0, kReportDetailsMenu, std::size(kReportDetailsMenu)}}},
    {static_cast<MenuId>(IDM_BUDGET_DETAILS),
     {{IDC_RPT_EDIT_TRANSACTION, IDS_MENU_EDIT},
      {0, IDS_MENU, 0, kBudgetDetailsMenu, std::size(kBudgetDetailsMenu)}}},
    {static_cast<MenuId>(IDM_CATEGORY_ADD_EDIT),
     {{IDC_ADD_EDIT_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kCategoryAddEditMenu, std::size(kCategoryAddEditMenu)}}},
    // the transaction editor, the split screens, the memo and currency conversion
    {static_cast<MenuId>(IDM_EDITOR_DETAILS), {{IDC_EDITOR_DONE, IDS_DONE}, {}}},
    {static_cast<MenuId>(IDM_EDITOR_NEW),
     {{IDC_EDITOR_DONE, IDS_DONE}, {0, IDS_MENU, 0, kEditorNewMenu, std::size(kEditorNewMenu)}}},
    {static_cast<MenuId>(IDM_EDITOR_EDIT),
     {{IDC_EDITOR_DONE, IDS_DONE}, {0, IDS_MENU, 0, kEditorEditMenu, std::size(kEditorEditMenu)}}},
    {static_cast<MenuId>(IDM_EDITOR_UPCOMING),
     {{IDC_EDITOR_RECORD, IDS_EDITOR_MENU_RECORD},
      {0, IDS_MENU, 0, kEditorScheduledMenu, std::size(kEditorScheduledMenu)}}},
    {static_cast<MenuId>(IDM_EDITOR_SCHEDULED),
     {{IDC_EDITOR_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kEditorScheduledMenu, std::size(kEditorScheduledMenu)}}},
    {static_cast<MenuId>(IDM_SPLIT_LIST),
     {{IDC_SPLIT_DONE, IDS_DONE}, {0, IDS_MENU, 0, kSplitListMenu, std::size(kSplitListMenu)}}},
    {static_cast<MenuId>(IDM_SPLIT_LINE),
     {{IDC_SPLIT_LINE_DONE, IDS_DONE}, {IDC_SPLIT_LINE_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_MEMO), {{IDC_MEMO_DONE, IDS_DONE}, {IDC_MEMO_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_CONVERT),
     {{IDC_CONVERT_DONE, IDS_DONE}, {IDC_CONVERT_CANCEL, IDS_CANCEL}}},
    // ---- security, settings, appearance, about and help ----
    {static_cast<MenuId>(IDM_SET_PASSWORD),
     {{IDC_SET_PASSWORD_DONE, IDS_DONE}, {IDC_SET_PASSWORD_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_SECURITY_OPTIONS),
     {{IDC_SECURITY_OK, IDS_OK}, {IDC_SECURITY_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_UNLOCK), {{IDC_UNLOCK_DONE, IDS_DONE}, {}}},
    {static_cast<MenuId>(IDM_PASSWORD_PROMPT), {{IDC_PASSWORD_PROMPT_DONE, IDS_DONE}, {}}},
    {static_cast<MenuId>(IDM_HELP_VIEWER),
     {{IDC_HELP_CONTENTS, IDS_MENU_CONTENTS}, {IDC_HELP_CLOSE, IDS_MENU_CLOSE}}},
    {static_cast<MenuId>(IDM_SETTINGS_FORM),
     {{IDC_SETTINGS_DONE, IDS_DONE}, {IDC_SETTINGS_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_ABOUT), {{IDC_ABOUT_OK, IDS_OK}, {}}},
    // scheduled transactions and reminders
    {static_cast<MenuId>(IDM_SCHEDULED_LIST),
     {{IDC_LIST_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kScheduledListMenu, std::size(kScheduledListMenu)}}},
    {static_cast<MenuId>(IDM_UPCOMING_LIST),
     {{IDC_UPCOMING_RECORD, IDS_EDITOR_MENU_RECORD},
      {0, IDS_MENU, 0, kUpcomingListMenu, std::size(kUpcomingListMenu)}}},
    {static_cast<MenuId>(IDM_CHANGE_REPEAT),
     {{IDC_REPEAT_DONE, IDS_DONE}, {IDC_REPEAT_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_REMINDER),
     {{IDC_REMINDER_DONE, IDS_DONE}, {0, IDS_MENU, 0, kReminderMenu, std::size(kReminderMenu)}}},
    // ---- synchronisation ----
    {static_cast<MenuId>(IDM_SYNC_REFRESH), {{IDC_SYNC_REFRESH_OK, IDS_OK}, {}}},
};

constexpr auto kScreenMenus = SortById(kScreenMenusByArea);
static_assert(IsSortedById(kScreenMenus),
              "the screens' menu table must be sorted by id, without duplicates");

// ---- online banking: download, review, set-up, password change, import ----
constexpr MenuItemDef kOnlineSummaryMenu[] = {
    {IDC_REVIEW_ACCEPT_ALL, IDS_MENU_ACCEPT_ALL},
    {IDC_REVIEW_LATER, IDS_MENU_REVIEW_LATER},
};

constexpr MenuItemDef kReviewMenu[] = {
    {IDC_REVIEW_ACCEPT_ALL, IDS_MENU_ACCEPT_ALL},  {IDC_REVIEW_CHANGE_MATCH, IDS_MENU_CHANGE_MATCH},
    {IDC_REVIEW_EDIT, IDS_MENU_REVIEW_EDIT},       {IDC_REVIEW_NEXT, IDS_MENU_NEXT},
    {IDC_REVIEW_PREV, IDS_MENU_PREV},              {IDC_REVIEW_CLOSE, IDS_MENU_REVIEW_CLOSE},
};

constexpr MenuItemDef kMatchMenu[] = {
    {IDC_MATCH_NO_MATCH, IDS_MENU_NO_MATCH},
    {IDC_OPERATION_CANCEL, IDS_CANCEL},
};

constexpr MenuItemDef kOnlineSetupMenu[] = {
    {IDC_SETUP_SELECT_BANK, IDS_MENU_SELECT_BANK},
    {IDC_SETUP_SET_PASSWORD, IDS_MENU_SET_ONLINE_PASSWORD},
    {IDC_SETUP_SELECT_ACCOUNT, IDS_MENU_SELECT_ACCOUNT},
    {IDC_OPERATION_CANCEL, IDS_CANCEL},
};

// Sorted by id.
constexpr MenuDef kOnlineMenus[] = {
    {static_cast<MenuId>(IDM_REVIEW_TRANSACTION),
     {{IDC_REVIEW_ACCEPT, IDS_MENU_ACCEPT}, {0, IDS_MENU, 0, kReviewMenu, std::size(kReviewMenu)}}},
    {static_cast<MenuId>(IDM_ONLINE_SUMMARY),
     {{IDC_REG_REVIEW, IDS_MENU_REVIEW},
      {0, IDS_MENU, 0, kOnlineSummaryMenu, std::size(kOnlineSummaryMenu)}}},
    {static_cast<MenuId>(IDM_MATCH_TRANSACTION),
     {{IDC_MATCH_MATCH, IDS_MENU_MATCH}, {0, IDS_MENU, 0, kMatchMenu, std::size(kMatchMenu)}}},
    {static_cast<MenuId>(IDM_SELECT_DONE_CANCEL),
     {{IDC_OPERATION_DONE, IDS_DONE}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_ONLINE_PROGRESS), {{}, {IDC_ONLINE_PROGRESS_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_ONLINE_SETUP),
     {{IDC_OPERATION_DONE, IDS_DONE},
      {0, IDS_MENU, 0, kOnlineSetupMenu, std::size(kOnlineSetupMenu)}}},
    {static_cast<MenuId>(IDM_DONE_CANCEL_PROMPT),
     {{IDC_OPERATION_DONE, IDS_DONE}, {IDC_OPERATION_CANCEL, IDS_CANCEL}}},
    {static_cast<MenuId>(IDM_IMPORT_ACCOUNTS),
     {{IDC_IMPORT_NOW, IDS_MENU_IMPORT_NOW}, {IDC_IMPORT_LATER, IDS_MENU_IMPORT_LATER}}},
};

static_assert(IsSortedById(kOnlineMenus),
              "the online screens' menu table must be sorted by id, without duplicates");

}  // namespace

const MenuDef* FindScreenMenu(int id) {
    if (const MenuDef* menu = FindById(kScreenMenus, id)) return menu;
    return FindById(kOnlineMenus, id);
}

}  // namespace res
