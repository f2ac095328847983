#pragma once

#include <cstdint>
#include <memory>

#include "reports/CCVReports.h"
#include "reports/CReportSettings.h"
#include "reports/ReportChoices.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"

class CCVAccount;
class CCVAccountList;
class CReportRowOrder;
class CVModel;
class CTransaction;

// A report: the transactions of one account or of all accounts over a period, summed by payee,
// category or class into rows (the list itself), each amount in the home currency. The same
// report, in budget mode, is the budget screen: every row then has a monthly budget, kept in the
// payee, category or class it stands for.
//
// Build, in steps:
//   1. the rows are emptied; budget mode neither groups small rows nor filters a direction
//   2. prefill: a row (amount 0) per payee, category or class in list order; by category and by
//      class also "<Unassigned>". BudgetTotal is the sum of their monthly budgets
//   3. every transaction of the account (or of every account) dated within the period, void ones
//      excepted, goes to its row (see Add below)
//   4. by category, outside budget mode and without grouping: after the sub-categories of a
//      category a row "Total %s" sums the category and its sub-categories
//   5. unless ShowEmpty: rows of amount 0 go, except a top-level category followed by one of its
//      sub-categories and, in budget mode, a row with a budget
//   6. with a direction, the rows on the other side of zero go (total rows stay) and Total sums
//      the rest
//   7. with grouping (the chart), rows below 0.5 % of |Total| give their transactions to "Other"
//
// Add: by category or class a split transaction adds each split line in use to the row of the
// line's category or class, and the rest of its amount (the amount less its lines) to
// "<Unassigned>"; otherwise the whole transaction goes to the row of its payee, category or
// class. Amounts are converted from the account's currency to the home currency. With a
// direction, an amount on the other side of zero adds nothing, and on all accounts a transfer
// (or a split line to an account) is left out, since its twin would cancel it. Total is the sum
// of what was added.
//
// The rows refer to the transactions of the registers: build the report again after the
// registers change, and not after the account list is gone. Return codes: 0 success, 1 for an
// argument out of range or a chosen account no longer in the account list.
class CCVReportList : public CCVReports {
  public:
    enum SortKey : int {
        kSortIcon = 20,
        kSortName = 21,
        kSortBudget = 22,
        kSortAmount = 23,
        kSortDifference = 24,
    };
    static constexpr int kSortAscending = 1;
    static constexpr int kAccountGone = 1;

    // The model's report object (see CVModel::SetReportMaker), and the way back to it.
    static std::unique_ptr<CCVItemList> MakeForModel(CCVAccountList& accounts);
    static CCVReportList* FromModel(CVModel& model);

    // A report on all accounts with ShowEmpty set and everything else zero or none.
    explicit CCVReportList(CCVAccountList& accounts);
    ~CCVReportList() override;

    // ---- what the report is ----
    // The one account to report on; null for all accounts.
    void SetAccount(CCVAccount* account) { m_account = account; }
    CCVAccount* GetAccount() const { return m_account; }
    CCVAccountList& GetAccountList() const { return m_accountList; }
    // Report mode with the chart's grouping and a direction (report::Direction).
    int SetReportOptions(bool groupSmall, int direction);
    // Budget mode: no grouping, all amounts.
    void SetBudgetMode();
    // The report screens' settings: by, period, show empty, direction and the dates, which a
    // period other than custom takes from today's date.
    int ApplySettings(const CReportSettings& settings);
    // The budget screen's: by, period (custom excepted) and show empty; the dates follow from
    // the period.
    int ApplySettings(int by, int period, bool showEmpty);
    // StartDate and EndDate of the period on today's date; 1 and no change for custom or an
    // unknown period.
    int GetPeriodDates(int period);

    // ---- building ----
    int Build();
    // Sorts the rows by a SortKey, ascending for kSortAscending and descending otherwise; equal
    // rows keep their order. By category, the name order is the category list's: the report is
    // built again (and turned round for descending). 1 for an unknown key.
    int SortRows(int key, int direction);
    // A new row like the row at the index, its amount the sum of its parts, for the detail
    // screen to keep; null out of range.
    std::unique_ptr<CCVReportItem> CopyRow(std::int64_t index) const;

    // ---- budgets ----
    // The row's monthly budget, times the period's factor with `scale`. A payee row reads the
    // payee of its name, a category or class row its category or class, "<Unassigned>" the
    // list's own budget (none for payees), a total row the sum of its category's; others 0.
    Amount GetBudget(const CCVReportItem& row, bool scale) const;
    // Gives the row's payee (made again when it is gone), category, class or "<Unassigned>" its
    // monthly budget; BudgetTotal follows. 1 for a row that has no budget of its own.
    int SetBudget(const CCVReportItem& row, Amount monthly);
    // Whether the row has a budget of its own that SetBudget can set: a payee row, a category or
    // class that is in its list, or "<Unassigned>" by category or class (not a transfer's
    // account, a total or "Other").
    bool CanSetBudget(const CCVReportItem& row) const;
    // BudgetTotal times the period's factor.
    Amount GetBudgetTotal() const;

    // ---- state ----
    DateTime GetStartDate() const { return m_startDate; }
    DateTime GetEndDate() const { return m_endDate; }
    bool IsBudgetMode() const { return m_budgetMode; }
    std::uint8_t GetBy() const { return m_by; }
    std::uint8_t GetPeriod() const { return m_period; }
    bool GetGroupSmall() const { return m_groupSmall; }
    std::uint8_t GetDirection() const { return m_direction; }
    Amount GetTotal() const { return m_total; }
    bool GetShowEmpty() const { return m_showEmpty; }

  private:
    void Prefill();
    void AddAccount(const CCVAccount& account, const CReportRowOrder& order);
    void AddTransaction(CTransaction& transaction, std::uint8_t currency,
                        const CReportRowOrder& order);
    // Adds one part (the whole transaction, a split line, or the remainder of a split when
    // `unassigned`); the amount added, 0 when the direction refuses it.
    Amount AddPart(CTransaction& transaction, std::uint8_t splitIndex, bool unassigned,
                   Amount amount, const CReportRowOrder& order);
    // On all accounts a report with a direction leaves transfers out.
    bool LeavesOut(const RecordKey& categoryId) const;
    void AddCategoryTotals();
    void RemoveEmptyRows();
    void KeepDirection();
    void GroupSmallRows();
    Amount MonthlyBudget(const CCVReportItem& row) const;
    // The value a sort key orders a row by (keys other than the name).
    Amount SortValue(int key, const CCVReportItem& row) const;

    DateTime m_startDate = 0;
    DateTime m_endDate = 0;
    CCVAccountList& m_accountList;
    CCVAccount* m_account = nullptr;
    bool m_budgetMode = false;
    std::uint8_t m_by = report::kByPayee;
    std::uint8_t m_period = report::kLast30Days;
    bool m_groupSmall = false;
    std::uint8_t m_direction = report::kAllAmounts;
    Amount m_total = 0;
    Amount m_budgetTotal = 0;
    bool m_showEmpty = true;
};
