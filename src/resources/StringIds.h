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
    // ---- end of the data model ----
};

}  // namespace res
