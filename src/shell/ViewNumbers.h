#pragma once

// The screens by number, and the private navigation events that are not menu commands. A view
// number names one screen object; a command number is what a screen posts to the controller,
// which looks (current view, command) up in the transition table.
namespace shell {

enum ViewNumber : int {
    kNoView = 0,
    kViewAccountsSummary = 2,
    kViewAbout = 3,
    kViewReports = 6,
    kViewBudgets = 7,
    kViewSetPassword = 8,
    kViewSecurityOptions = 9,
    kViewReportChart = 10,
    kViewFont = 11,
    kViewFind = 12,
    kViewEditAccounts = 13,
    kViewNewAccount = 14,
    kViewAccountInfo = 15,
    kViewRegister = 31,
    kViewFindResults = 32,
    kViewPreferences = 33,
    kViewColumns = 39,
    kViewReportFont = 50,
    kViewBudgetFont = 54,
    kViewUpcoming = 58,
    kViewPasswordPrompt = 68,
    kViewImportAccounts = 70,
    kViewChooseColour = 71,
    kViewReminder = 72,
    // accounts, reference lists and account operations
    kViewEditClasses = 16,
    kViewAddClass = 17,
    kViewEditClass = 18,
    kViewEditPayees = 19,
    kViewAddPayee = 20,
    kViewEditPayee = 21,
    kViewEditCategories = 22,
    kViewAddCategory = 23,
    kViewEditCategory = 24,
    kViewEditCurrencies = 25,
    kViewAddCurrency = 26,
    kViewEditCurrency = 27,
    kViewEditTransactionTypes = 28,
    kViewAddTransactionType = 29,
    kViewEditTransactionType = 30,
    kViewReconcileSetup = 34,
    kViewReconcileList = 35,
    kViewPurge = 36,
    kViewTransfer = 37,
    kViewAdjustBalance = 38,
    kViewChooseIcon = 49,
    // reports and budgets
    kViewDefineReport = 48,
    kViewDefineBudget = 51,
    kViewReportPreferences = 52,
    kViewBudgetAmount = 53,
    kViewReportDetails = 55,
    kViewBudgetDetails = 64,
    // online banking: download, review, set-up, password change, import
    kViewOnlineSetup = 60,
    kViewSelectBank = 61,
    kViewSelectAccount = 62,
    kViewOnlineAccountInfo = 63,
    kViewOnlineSummary = 65,
    kViewReviewTransaction = 66,
    kViewMatchTransaction = 67,
    kViewChangeOnlinePassword = 69,
    kViewEditReview = 73,
    kFirstViewNumber = 1,
    kLastViewNumber = 76,
    // the transaction editor in its nine modes, the split screens, the memo, conversion
    kViewTransactionDetails = 40,
    kViewNewTransaction = 41,
    kViewEditTransaction = 42,
    kViewEditUpcoming = 43,
    kViewNewScheduled = 44,
    kViewEditScheduled = 45,
    kViewConvertCurrency = 46,
    kViewSplitList = 47,
    kViewSplitLine = 56,
    kViewEditReport = 74,
    kViewEditMemo = 75,
    kViewEditBudget = 76,
    // scheduled transactions and reminders
    kViewScheduled = 57,
    kViewChangeRepeat = 59,
};

// Navigation events that views post besides their menu commands.
enum NavigationEvent : int {
    kEventPasswordPrompt = 2,
    kEventAccountsSummary = 3,
    kEventEditTransaction = 4,
    kEventChooseColour = 14,
    kEventReminder = 17,
    kEventImportAccounts = 18,
    kEventEditAccounts = 1000,
    kEventScheduledFromSummary = 1006,
    kEventUpcomingFromRegister = 2004,
    kEventReportChartFromSummary = 20756,
    kEventReportChartFromRegister = 20836,
    kEventOpenRegister = -10010,
    // from the transaction editor
    kEventEditCategories = 7,
    kEventEditClasses = 8,
    kEventEditPayees = 9,
    kEventChangeRepeat = 15,
    kEventSplitList = 16,
    kEventEditMemo = 19,
    // reports and budgets: a budget row's amount, and the transactions behind a row of the
    // report list, of the budget and of the chart
    kEventBudgetAmount = 10,
    kEventReportDetails = 11,
    kEventBudgetDetails = 12,
    kEventChartDetails = 13,
    // online banking: from the set-up screen, the bank's account list or the typed details
    kEventSelectOnlineAccount = 5,
    kEventEnterOnlineAccount = 6,
};

// The navigation stack's depth.
constexpr int kNavigationStackSize = 10;

}  // namespace shell
