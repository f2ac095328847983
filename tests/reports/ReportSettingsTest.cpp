// The report and budget screens' settings in their preference records: exact bytes, first
// contents, damaged records, the registry; and the model's report object.
#include <gtest/gtest.h>

#include <vector>

#include "model/CVModel.h"
#include "preferences/PreferencesHome.h"
#include "reports/CCVReportList.h"
#include "reports/CReportSettings.h"

namespace {

constexpr std::uint32_t kWorkspaceColour = 0x00ABABAB;

template <std::size_t N>
std::vector<std::uint8_t> Bytes(const std::array<std::uint8_t, N>& record) {
    return {record.begin(), record.end()};
}

// A record of zeros with runs of bytes set at their offsets.
using ByteRun = std::pair<std::size_t, std::vector<std::uint8_t>>;
template <std::size_t N>
std::vector<std::uint8_t> Expected(const std::vector<ByteRun>& runs) {
    std::vector<std::uint8_t> bytes(N, 0);
    for (const auto& [offset, run] : runs) {
        for (std::size_t i = 0; i < run.size(); ++i) bytes.at(offset + i) = run[i];
    }
    return bytes;
}

CReportSettings Sample() {
    CReportSettings s;
    s.by = report::kByCategory;
    s.period = report::kCustom;
    s.direction = report::kExpenses;
    s.showEmpty = true;
    s.startDate = 0x11223344;
    s.endDate = 0x55667788;
    s.account.bytes = {1, 2, 3, 4, 5, 6, 7, 8};
    s.labelName = false;
    s.labelPercent = true;
    s.labelAmount = true;
    s.definitionColour = 0x00102030;
    s.screenColour = 0x00405060;
    return s;
}

TEST(ReportSettings, RecordsByteForByte) {
    CCVPreferences::ReportData data{};
    CCVPreferences::ReportSetting setting{};
    data.fill(0xEE);  // nothing of what was there before stays
    setting.fill(0xEE);
    Sample().ToReportRecords(data, setting);
    // by, period, direction, 0, startDate, endDate, account ... definitionColour
    const std::vector<ByteRun> definition = {
        {0, {1, 8, 2, 0, 0x44, 0x33, 0x22, 0x11, 0x88, 0x77, 0x66, 0x55}},
        {12, {1, 2, 3, 4, 5, 6, 7, 8}},
        {120, {0x30, 0x20, 0x10, 0}}};
    EXPECT_EQ(Bytes(data), Expected<CCVPreferences::kReportDataSize>(definition));
    // showEmpty, the name, percentage and amount labels ... screenColour
    std::vector<std::uint8_t> expected = Expected<CCVPreferences::kReportSettingSize>(
        {{9, {1, 0, 1, 1}}, {84, {0x60, 0x50, 0x40, 0}}});
    EXPECT_EQ(Bytes(setting), expected);
    EXPECT_EQ(CReportSettings::FromReportRecords(data, setting), Sample());

    // The budget's record has the same layout, with its grouping and period in front.
    CReportSettings budget = Sample();
    budget.period = report::kThisQuarter;
    CCVPreferences::BudgetSetting budgetSetting{};
    budget.ToBudgetRecord(budgetSetting);
    expected[0] = 1;
    expected[1] = 6;
    EXPECT_EQ(Bytes(budgetSetting), expected);
    const CReportSettings back = CReportSettings::FromBudgetRecord(budgetSetting);
    EXPECT_EQ(back.by, report::kByCategory);
    EXPECT_EQ(back.period, report::kThisQuarter);
    EXPECT_TRUE(back.showEmpty);
    EXPECT_EQ(back.screenColour, 0x00405060u);
}

TEST(ReportSettings, FirstContentsReadAsSoundDefaultsAndWriteBackUnchanged) {
    const CReportSettings shown = CReportSettings::FromReportRecords(
        CCVPreferences::DefaultReportData(), CCVPreferences::DefaultReportSetting());
    EXPECT_EQ(shown.by, report::kByPayee);
    EXPECT_EQ(shown.period, report::kLast30Days);
    EXPECT_EQ(shown.direction, report::kAllAmounts);
    EXPECT_FALSE(shown.showEmpty);
    EXPECT_TRUE(shown.labelName);
    EXPECT_TRUE(shown.labelPercent);
    EXPECT_FALSE(shown.labelAmount);
    EXPECT_EQ(shown.definitionColour, kWorkspaceColour);
    EXPECT_EQ(shown.screenColour, kWorkspaceColour);
    CCVPreferences::ReportData data{};
    CCVPreferences::ReportSetting setting{};
    shown.ToReportRecords(data, setting);
    EXPECT_EQ(data, CCVPreferences::DefaultReportData());
    EXPECT_EQ(setting, CCVPreferences::DefaultReportSetting());

    const CReportSettings budget =
        CReportSettings::FromBudgetRecord(CCVPreferences::DefaultBudgetSetting());
    EXPECT_EQ(budget.by, report::kByPayee);
    EXPECT_EQ(budget.period, report::kLast30Days);
    EXPECT_TRUE(budget.showEmpty);
    CCVPreferences::BudgetSetting budgetSetting{};
    budget.ToBudgetRecord(budgetSetting);
    EXPECT_EQ(budgetSetting, CCVPreferences::DefaultBudgetSetting());
}

TEST(ReportSettings, DamagedFieldsTakeTheirFirstValues) {
    CCVPreferences::ReportData data{};
    CCVPreferences::ReportSetting setting{};
    Sample().ToReportRecords(data, setting);
    data[0] = 3;     // no such grouping
    data[2] = 0xFF;  // no such direction
    data[8] = 0;     // the custom period now ends before it starts
    data[9] = data[10] = data[11] = 0;
    setting[9] = 2;  // flags other than 0 and 1
    setting[10] = 0x80;
    setting[12] = 0xFF;
    const CReportSettings read = CReportSettings::FromReportRecords(data, setting);
    EXPECT_EQ(read.by, report::kByPayee);
    EXPECT_EQ(read.direction, report::kAllAmounts);
    EXPECT_EQ(read.period, report::kLast30Days);
    EXPECT_FALSE(read.showEmpty);
    EXPECT_TRUE(read.labelName);
    EXPECT_TRUE(read.labelPercent);  // intact
    EXPECT_FALSE(read.labelAmount);
    data[1] = report::kPeriodCount;
    EXPECT_EQ(CReportSettings::FromReportRecords(data, setting).period, report::kLast30Days);

    // A budget has no dates to keep: a custom period is as bad as an unknown one.
    CCVPreferences::BudgetSetting budget = CCVPreferences::DefaultBudgetSetting();
    budget[0] = report::kByClass;
    budget[1] = report::kCustom;
    budget[9] = 7;
    const CReportSettings readBudget = CReportSettings::FromBudgetRecord(budget);
    EXPECT_EQ(readBudget.by, report::kByClass);
    EXPECT_EQ(readBudget.period, report::kLast30Days);
    EXPECT_TRUE(readBudget.showEmpty);
}

TEST(ReportSettings, ThroughTheRegistry) {
    testing_support::PreferencesHome home;
    CCVPreferences preferences;
    // Before the user's key exists nothing is written, and the first contents are read.
    EXPECT_FALSE(Sample().WriteReport(preferences));
    EXPECT_FALSE(Sample().WriteBudget(preferences));
    EXPECT_EQ(CReportSettings::ReadReport(preferences).labelName, true);
    ASSERT_EQ(preferences.SelectUser(), 0);
    EXPECT_EQ(CReportSettings::ReadBudget(preferences).showEmpty, true);

    ASSERT_TRUE(Sample().WriteReport(preferences));
    EXPECT_EQ(CReportSettings::ReadReport(preferences), Sample());
    CReportSettings budget = Sample();
    budget.period = report::kLastYear;
    ASSERT_TRUE(budget.WriteBudget(preferences));
    const CReportSettings read = CReportSettings::ReadBudget(preferences);
    EXPECT_EQ(read.by, budget.by);
    EXPECT_EQ(read.period, report::kLastYear);
    // The report's records are the report's, the budget's the budget's.
    EXPECT_EQ(CReportSettings::ReadReport(preferences).period, report::kCustom);
}

TEST(ModelReportObject, MadeOverTheAccountListAtStartUpAndAfterAReload) {
    testing_support::PreferencesHome home;
    {
        CVModel model;
        ASSERT_EQ(model.PreparePreferences(), 0);
        ASSERT_EQ(model.Init(), 0);
        EXPECT_EQ(model.GetReports(), nullptr);  // nobody installed the maker
    }
    CVModel model;
    model.SetReportMaker(&CCVReportList::MakeForModel);
    ASSERT_EQ(model.PreparePreferences(), 0);
    EXPECT_EQ(CCVReportList::FromModel(model), nullptr);
    ASSERT_EQ(model.Init(), 0);
    CCVReportList* reports = CCVReportList::FromModel(model);
    ASSERT_NE(reports, nullptr);
    reports->SetAccount(model.GetAccountList()->At(0));
    EXPECT_EQ(reports->Build(), 0);
    EXPECT_EQ(reports->GetAccount(), model.GetAccountList()->At(0));

    ASSERT_EQ(model.Reinit(), 0);
    reports = CCVReportList::FromModel(model);
    ASSERT_NE(reports, nullptr);
    EXPECT_EQ(reports->GetAccount(), nullptr);  // a new report over the new list
    EXPECT_EQ(reports->Build(), 0);

    EXPECT_EQ(model.SaveAndRelease(), 0);
    EXPECT_EQ(model.GetReports(), nullptr);
}

}  // namespace
