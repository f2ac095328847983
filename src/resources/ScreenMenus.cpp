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
    {IDC_ABOUT, IDS_MENU_ABOUT},
};

// Ten items: the number keys 1-9 and 0 reach every one.
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
};

constexpr auto kScreenMenus = SortById(kScreenMenusByArea);
static_assert(IsSortedById(kScreenMenus),
              "the screens' menu table must be sorted by id, without duplicates");

}  // namespace

const MenuDef* FindScreenMenu(int id) {
    return FindById(kScreenMenus, id);
}

}  // namespace res
