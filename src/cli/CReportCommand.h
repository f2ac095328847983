#pragma once

#include <nlohmann/json.hpp>

#include "cli/CCommand.h"

class CCVReportList;

namespace cli {

// report --by payee|category|class [--period NAME | --from D --to D] [--account A]
// [--incomes | --expenses] [--show-empty]: the rows, amounts and total as the report engine
// builds them.
class CReportCommand : public CCommand {
  public:
    std::string_view Name() const override { return "report"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_REPORT; }
    std::size_t ArgumentCount() const override { return 0; }
    std::vector<std::string_view> Options() const override {
        return {"--json",    "--by",      "--period",   "--from",      "--to",
                "--account", "--incomes", "--expenses", "--show-empty"};
    }
    std::vector<std::string_view> RequiredOptions() const override { return {"--by"}; }
    std::vector<std::pair<std::string_view, std::string_view>> ExclusiveOptions() const override {
        return {{"--period", "--from"}, {"--period", "--to"}, {"--incomes", "--expenses"}};
    }
    int Run(Context& context) override;

    // --by: 0 with the grouping, or kExitRefused after saying what was wrong.
    static int ReadBy(Context& context, int& by);
    // --period among the first `count` periods; 0 with it, or kExitRefused.
    static int ReadPeriod(Context& context, int count, int& period);
    // The period's line for people and its fields for programs.
    static std::string PeriodLine(const CCVReportList& report);
    static void AddPeriod(const CCVReportList& report, nlohmann::ordered_json& json);

  private:
    static int ReadSettings(Context& context, CCVReportList& report);
};

}  // namespace cli
