#pragma once

#include <cstdint>

#include "reports/CReportSettings.h"
#include "resources/StringIds.h"

class CCVPreferences;
class CCVReportList;

// How each report screen builds its report from the settings it keeps, so that a screen, the
// screens it opens and the screens it returns to build the same rows:
//
//   list     the report of "Report Data" and "Report Setting": its one account (or all accounts
//            when none is chosen or the chosen one is gone), its direction, the category totals
//   chart    the same report with the small rows gathered into "Other", on one side only: a
//            report of all amounts is charted as expenses, and its settings say so from then on
//   budget   the report of "Budget Setting" in budget mode, on all accounts
namespace report {

enum class Screen : std::uint8_t { kList = 0, kChart = 1, kBudget = 2 };

// The settings the screen builds its report with, from the preferences; for the chart, a
// report of all amounts is turned into one of expenses and written back.
CReportSettings ReadSettings(Screen screen, const CCVPreferences& preferences);
// A chart shows one side: all amounts become expenses. True when the settings changed.
bool ChooseChartSide(CReportSettings& settings);
// Sets the report up for the screen and builds it. 0, or 1 for settings out of range.
int BuildFor(CCVReportList& report, Screen screen, const CReportSettings& settings);
// Whether a report definition can be kept: IDS_NONE, or the message that says what is wrong (a
// custom period that ends before it starts).
res::StringId CheckDefinition(const CReportSettings& settings);

}  // namespace report
