#pragma once

// An account list in memory with the built-in categories, classes, currencies and types, the
// clock fixed on a chosen day, and helpers that enter transactions by their signed amount.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model/CCVAccountList.h"
#include "reports/CCVReportList.h"

namespace report_fixture {

struct Line {
    RecordKey category;
    Amount amount;  // signed, like the transaction
};

// A row as a test reads it: its name and amount.
using Row = std::pair<std::string, Amount>;
std::vector<Row> Rows(const CCVReportList& report);
const CCVReportItem* FindRow(const CCVReportList& report, const std::string& name);

class ReportTest : public ::testing::Test {
  protected:
    ReportTest();
    ~ReportTest() override;

    CCVAccount& AddAccount(const char* name, std::uint8_t currency = 1);
    // A withdrawal for a negative amount, a deposit otherwise.
    CTransaction& Add(CCVAccount& account, DateTime date, Amount amount, const char* payee = "",
                      const RecordKey& category = {}, const RecordKey& classKey = {});
    CTransaction& AddSplit(CCVAccount& account, DateTime date, Amount amount,
                           const std::vector<Line>& lines, const char* payee = "");
    // A transfer of `amount` out of `from` into `to`, with its twin.
    void AddTransfer(CCVAccount& from, CCVAccount& to, DateTime date, Amount amount);
    // The key of a category path ("Auto:Fuel"), made when missing.
    RecordKey Category(const char* path);
    RecordKey ClassKey(const char* name);

    // The report, in report mode, of this month (March 2027), built.
    CCVReportList& Report(int by, bool showEmpty = false, int direction = report::kAllAmounts);

    CCVAccountList list;
    CCVReportList report{list};
};

}  // namespace report_fixture
