#pragma once

#include <cstdint>

#include "preferences/CCVPreferences.h"
#include "reports/ReportChoices.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

// What the report screens and the budget screen keep between runs, and its place in the
// preferences: the report screens in "Report Data" (what the report is) and "Report Setting"
// (how it is shown), the budget screen in "Budget Setting". Each record has a fixed size; a
// record that is missing (or of another size) reads as its first contents.
//
// "Report Data", 132 bytes, little-endian:
//   offset  size  field
//   0       1     by: 0 payee, 1 category, 2 class
//   1       1     period: 0-8 (report::Period)
//   2       1     direction: 0 all amounts, 1 incomes, 2 expenses
//   3       1     zero
//   4       4     startDate (DateTime): the first day of a custom period
//   8       4     endDate (DateTime): its last day
//   12      8     account (RecordKey): the one account reported on; all-zero for all accounts
//   20      100   zero
//   120     4     definitionColour (COLORREF)
//   124     8     zero
//
// "Report Setting" and "Budget Setting", 92 bytes each:
//   offset  size  field
//   0       1     by      } the budget's; zero in "Report Setting", whose report
//   1       1     period  } is defined by "Report Data"
//   2       7     zero
//   9       1     showEmpty: 1 keeps the rows without amount
//   10      1     chart label: the row's name
//   11      1     chart label: the row's percentage
//   12      1     chart label: the row's amount
//   13      71    zero
//   84      4     screenColour (COLORREF)
//   88      4     zero
//
// Reading is forgiving: a field whose byte is out of its range (a grouping above 2, a period
// above 8 or, for the budget, whose dates follow from its period, above 7; a direction above 2;
// a flag other than 0 or 1) takes the value of the record's first contents, and a custom period
// whose end lies before its start falls back to "Last 30 Days".
// Writing stores zero in every byte the tables leave zero.
struct CReportSettings {
    std::uint8_t by = report::kByPayee;
    std::uint8_t period = report::kLast30Days;
    std::uint8_t direction = report::kAllAmounts;
    bool showEmpty = false;
    DateTime startDate = 0;
    DateTime endDate = 0;
    RecordKey account{};  // the report's one account; all-zero for all accounts
    bool labelName = false;
    bool labelPercent = false;
    bool labelAmount = false;
    std::uint32_t definitionColour = 0;
    std::uint32_t screenColour = 0;

    // ---- the report screens ----
    static CReportSettings FromReportRecords(const CCVPreferences::ReportData& data,
                                             const CCVPreferences::ReportSetting& setting);
    void ToReportRecords(CCVPreferences::ReportData& data,
                         CCVPreferences::ReportSetting& setting) const;
    static CReportSettings ReadReport(const CCVPreferences& preferences);
    // Both records; false when either could not be written.
    bool WriteReport(const CCVPreferences& preferences) const;

    // ---- the budget screen: by, period, show empty and the colour ----
    static CReportSettings FromBudgetRecord(const CCVPreferences::BudgetSetting& setting);
    void ToBudgetRecord(CCVPreferences::BudgetSetting& setting) const;
    static CReportSettings ReadBudget(const CCVPreferences& preferences);
    bool WriteBudget(const CCVPreferences& preferences) const;

    bool operator==(const CReportSettings&) const = default;
};
