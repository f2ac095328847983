#include "reports/CReportSettings.h"

#include <algorithm>
#include <cstddef>

#include "storage/Coding.h"

namespace {

// "Report Data"
constexpr std::size_t kDataBy = 0;
constexpr std::size_t kDataPeriod = 1;
constexpr std::size_t kDataDirection = 2;
constexpr std::size_t kDataStartDate = 4;
constexpr std::size_t kDataEndDate = 8;
constexpr std::size_t kDataAccount = 12;
constexpr std::size_t kDataColour = 120;

// "Report Setting" and "Budget Setting"
constexpr std::size_t kScreenBy = 0;
constexpr std::size_t kScreenPeriod = 1;
constexpr std::size_t kScreenShowEmpty = 9;
constexpr std::size_t kScreenLabelName = 10;
constexpr std::size_t kScreenLabelPercent = 11;
constexpr std::size_t kScreenLabelAmount = 12;
constexpr std::size_t kScreenColour = 84;

static_assert(kDataColour + sizeof(std::uint32_t) <= CCVPreferences::kReportDataSize);
static_assert(kScreenColour + sizeof(std::uint32_t) <= CCVPreferences::kReportSettingSize);
static_assert(CCVPreferences::kReportSettingSize == CCVPreferences::kBudgetSettingSize);

using ScreenRecord = CCVPreferences::ReportSetting;

// A choice byte, or the first contents' byte when it is out of range.
template <typename Record>
std::uint8_t Choice(const Record& record, const Record& first, std::size_t offset, int count) {
    return record[offset] < count ? record[offset] : first[offset];
}

template <typename Record>
bool Flag(const Record& record, const Record& first, std::size_t offset) {
    const std::uint8_t byte = record[offset] <= 1 ? record[offset] : first[offset];
    return byte == 1;
}

void DecodeScreenFlags(const ScreenRecord& record, const ScreenRecord& first,
                       CReportSettings& settings) {
    settings.showEmpty = Flag(record, first, kScreenShowEmpty);
    settings.labelName = Flag(record, first, kScreenLabelName);
    settings.labelPercent = Flag(record, first, kScreenLabelPercent);
    settings.labelAmount = Flag(record, first, kScreenLabelAmount);
    settings.screenColour = coding::DecodeFixed32(&record[kScreenColour]);
}

void EncodeScreenFlags(const CReportSettings& settings, ScreenRecord& record) {
    record.fill(0);
    record[kScreenShowEmpty] = settings.showEmpty ? 1 : 0;
    record[kScreenLabelName] = settings.labelName ? 1 : 0;
    record[kScreenLabelPercent] = settings.labelPercent ? 1 : 0;
    record[kScreenLabelAmount] = settings.labelAmount ? 1 : 0;
    coding::EncodeFixed32(&record[kScreenColour], settings.screenColour);
}

// A custom period needs its dates in order.
void CheckCustomDates(CReportSettings& settings, std::uint8_t firstPeriod) {
    if (settings.period == report::kCustom && settings.endDate < settings.startDate) {
        settings.period = firstPeriod;
    }
}

}  // namespace

CReportSettings CReportSettings::FromReportRecords(const CCVPreferences::ReportData& data,
                                                   const CCVPreferences::ReportSetting& setting) {
    const CCVPreferences::ReportData firstData = CCVPreferences::DefaultReportData();
    CReportSettings settings;
    settings.by = Choice(data, firstData, kDataBy, report::kByCount);
    settings.period = Choice(data, firstData, kDataPeriod, report::kPeriodCount);
    settings.direction = Choice(data, firstData, kDataDirection, report::kDirectionCount);
    settings.startDate = coding::DecodeFixed32(&data[kDataStartDate]);
    settings.endDate = coding::DecodeFixed32(&data[kDataEndDate]);
    std::copy_n(&data[kDataAccount], settings.account.bytes.size(),
                settings.account.bytes.begin());
    settings.definitionColour = coding::DecodeFixed32(&data[kDataColour]);
    CheckCustomDates(settings, firstData[kDataPeriod]);
    DecodeScreenFlags(setting, CCVPreferences::DefaultReportSetting(), settings);
    return settings;
}

void CReportSettings::ToReportRecords(CCVPreferences::ReportData& data,
                                      CCVPreferences::ReportSetting& setting) const {
    data.fill(0);
    data[kDataBy] = by;
    data[kDataPeriod] = period;
    data[kDataDirection] = direction;
    coding::EncodeFixed32(&data[kDataStartDate], startDate);
    coding::EncodeFixed32(&data[kDataEndDate], endDate);
    std::copy(account.bytes.begin(), account.bytes.end(), &data[kDataAccount]);
    coding::EncodeFixed32(&data[kDataColour], definitionColour);
    EncodeScreenFlags(*this, setting);
}

CReportSettings CReportSettings::ReadReport(const CCVPreferences& preferences) {
    CCVPreferences::ReportData data = CCVPreferences::DefaultReportData();
    CCVPreferences::ReportSetting setting = CCVPreferences::DefaultReportSetting();
    preferences.GetReportData(data);  // left as it is when missing
    preferences.GetReportSetting(setting);
    return FromReportRecords(data, setting);
}

bool CReportSettings::WriteReport(const CCVPreferences& preferences) const {
    CCVPreferences::ReportData data{};
    CCVPreferences::ReportSetting setting{};
    ToReportRecords(data, setting);
    const bool dataWritten = preferences.SetReportData(data);
    const bool settingWritten = preferences.SetReportSetting(setting);
    return dataWritten && settingWritten;
}

CReportSettings CReportSettings::FromBudgetRecord(const CCVPreferences::BudgetSetting& setting) {
    const CCVPreferences::BudgetSetting first = CCVPreferences::DefaultBudgetSetting();
    CReportSettings settings;
    settings.by = Choice(setting, first, kScreenBy, report::kByCount);
    // A budget's dates follow from its period: a custom period, which has no dates here, is
    // out of range too.
    settings.period = Choice(setting, first, kScreenPeriod, report::kCustom);
    DecodeScreenFlags(setting, first, settings);
    return settings;
}

void CReportSettings::ToBudgetRecord(CCVPreferences::BudgetSetting& setting) const {
    EncodeScreenFlags(*this, setting);
    setting[kScreenBy] = by;
    setting[kScreenPeriod] = period;
}

CReportSettings CReportSettings::ReadBudget(const CCVPreferences& preferences) {
    CCVPreferences::BudgetSetting setting = CCVPreferences::DefaultBudgetSetting();
    preferences.GetBudgetSetting(setting);
    return FromBudgetRecord(setting);
}

bool CReportSettings::WriteBudget(const CCVPreferences& preferences) const {
    CCVPreferences::BudgetSetting setting{};
    ToBudgetRecord(setting);
    return preferences.SetBudgetSetting(setting);
}
