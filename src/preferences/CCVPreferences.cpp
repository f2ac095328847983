#include "preferences/CCVPreferences.h"

#include "platform/sys/Registry.h"
#include "platform/sys/RegistryFile.h"

#include <iterator>
#include <new>

#include "platform/sys/CodePage.h"
#include "platform/sys/KnownFolders.h"
#include "platform/sys/Registry.h"
#include "platform/sys/RegistryFile.h"
#include "preferences/CCVRegistry.h"

namespace {

constexpr sys::HKEY kRoot = sys::HKEY_CURRENT_USER;

constexpr std::wstring_view kProgramKey = L"Software\\Brightmoor\\Coinvale HandHeld";
constexpr std::wstring_view kProductPrefix = L"HandHeld";
constexpr std::wstring_view kProfileName = L"Generic";
constexpr std::wstring_view kGeneralSettingsName = L"Preferences";
constexpr std::wstring_view kAccountPrefix = L"CV_";

constexpr const char* kDataFolder = "Brightmoor/Coinvale/";
constexpr const char* kImportFolder = "Brightmoor/Coinvale/Import/";

// Values of the user key.
constexpr std::wstring_view kLastActiveAccount = L"Last Active Account";
constexpr std::wstring_view kPasswordCrib = L"Password Crib";
constexpr std::wstring_view kLockSecurityTime = L"LockSecurityTime Crib";
constexpr std::wstring_view kLockTime = L"LockTime";
constexpr std::wstring_view kUserPath = L"User Path";
constexpr std::wstring_view kImportPath = L"Import Path";
constexpr std::wstring_view kShowYear = L"Show Year";
constexpr std::wstring_view kShowDecimal = L"Show Decimal";
constexpr std::wstring_view kDefaultFont = L"Default Font";
constexpr std::wstring_view kReportData = L"Report Data";
constexpr std::wstring_view kBudgetSetting = L"Budget Setting";
constexpr std::wstring_view kReportSetting = L"Report Setting";
constexpr std::wstring_view kLastReportType = L"Last Report Type";
constexpr std::wstring_view kUpcomingThroughMode = L"Upcoming Through Mode";
constexpr std::wstring_view kInstitutionDirectory = L"Institution Directory";

// Values of a settings key.
constexpr std::wstring_view kFont = L"Font";
constexpr std::wstring_view kTransactionFilter = L"Transaction Filter";
constexpr std::wstring_view kRowColor = L"Row Color";

struct ColumnSetting {
    std::wstring_view name;
    std::uint32_t shownAtFirst;
};

// By CCVPreferences::Column; the names are stored as they are, spelling included.
constexpr ColumnSetting kColumns[] = {
    {L"Clear Coloumn", 1},   {L"Icon Coloumn", 1},
    {L"Date Coloumn", 0},    {L"Acc Type Coloumn", 0},
    {L"Payee Coloumn", 1},   {L"Category Coloumn", 0},
    {L"Class Coloumn", 0},   {L"Amount Coloumn", 1},
    {L"Balance Coloumn", 0}, {L"Memo", 0},
};

// The colour the report records start with: the system's application-workspace colour (system
// colour 12) of the standard scheme.
constexpr std::uint32_t kAppWorkspaceColour = 0x00ABABAB;
constexpr std::size_t kReportDataColourOffset = 120;
constexpr std::size_t kSettingColourOffset = 84;
// Flags of the budget and report screen settings that start at 1.
constexpr std::size_t kSettingFlagA = 9;
constexpr std::size_t kSettingFlagB = 10;
constexpr std::size_t kSettingFlagC = 11;

template <std::size_t N>
void PutColour(std::array<std::uint8_t, N>& record, std::size_t offset, std::uint32_t colour) {
    static_assert(N >= sizeof colour);
    for (std::size_t i = 0; i < sizeof colour; ++i) {
        record.at(offset + i) = static_cast<std::uint8_t>(colour >> (8 * i));  // little-endian
    }
}

static_assert(std::size(kColumns) == static_cast<std::size_t>(CCVPreferences::Column::Memo) + 1);

const ColumnSetting& SettingOf(CCVPreferences::Column column) {
    return kColumns[static_cast<std::size_t>(column)];
}

template <std::size_t N>
bool ReadRecord(const std::wstring& key, std::wstring_view name, std::array<std::uint8_t, N>& out) {
    return CCVRegistry::ReadBinary(kRoot, key, name, out.data(), N);
}

template <std::size_t N>
bool WriteRecord(const std::wstring& key, std::wstring_view name,
                 const std::array<std::uint8_t, N>& record) {
    return CCVRegistry::WriteBinary(kRoot, key, name, record.data(), N);
}

std::wstring FolderBelowDocuments(const char* folder) {
    return sys::Utf8ToWide(sys::DocumentsFolder() + folder);
}

}  // namespace

std::wstring CCVPreferences::ProgramKey() {
    return std::wstring(kProgramKey);
}

std::wstring CCVPreferences::UserKey() {
    return ProgramKey() + L"\\" + std::wstring(kProductPrefix) + L" - " +
           std::wstring(kProfileName);
}

std::wstring CCVPreferences::GeneralSettingsKey() {
    return UserKey() + L"\\" + std::wstring(kGeneralSettingsName);
}

std::wstring CCVPreferences::AccountSettingsKey(std::wstring_view accountName) {
    return UserKey() + L"\\" + std::wstring(kAccountPrefix) + L" " + std::wstring(accountName);
}

std::wstring CCVPreferences::DefaultUserPath() {
    return FolderBelowDocuments(kDataFolder);
}

std::wstring CCVPreferences::DefaultImportPath() {
    return FolderBelowDocuments(kImportFolder);
}

CCVPreferences::ReportData CCVPreferences::DefaultReportData() {
    ReportData data{};
    PutColour(data, kReportDataColourOffset, kAppWorkspaceColour);
    return data;
}

CCVPreferences::BudgetSetting CCVPreferences::DefaultBudgetSetting() {
    BudgetSetting setting{};
    setting[kSettingFlagA] = 1;
    setting[kSettingFlagB] = 1;
    setting[kSettingFlagC] = 0;
    PutColour(setting, kSettingColourOffset, kAppWorkspaceColour);
    return setting;
}

CCVPreferences::ReportSetting CCVPreferences::DefaultReportSetting() {
    ReportSetting setting{};
    setting[kSettingFlagA] = 0;
    setting[kSettingFlagB] = 1;
    setting[kSettingFlagC] = 1;
    PutColour(setting, kSettingColourOffset, kAppWorkspaceColour);
    return setting;
}

int CCVPreferences::SelectUser() {
    try {
        CCVRegistry program(kRoot, ProgramKey());
        if (!program.Open() && !program.Create()) return kKeyNotCreated;
        CCVRegistry user(kRoot, UserKey());
        if (!user.Open()) {
            if (WriteUserDefaults() != 0) return kKeyNotCreated;
        } else if (!user.QueryString(kUserPath)) {
            // Every user key is made with its data folder: a key without one lost it (a settings
            // file cut short). The file is kept as it is before the default goes in.
            sys::RegistryFile(sys::RegistryFilePath()).KeepDamagedCopyNow();
            if (!SetUserPath(DefaultUserPath())) return kKeyNotCreated;
        }
        const std::wstring last = GetLastActiveAccount();
        m_currentKey = last.empty() ? GeneralSettingsKey() : AccountSettingsKey(last);
        return 0;
    } catch (const std::bad_alloc&) {
        return kOutOfMemory;
    }
}

int CCVPreferences::WriteUserDefaults() const {
    CCVRegistry user(kRoot, UserKey());
    if (!user.Create()) return kKeyNotCreated;
    const FontRecord font{};
    bool written = SetDefaultFont(font) && SetReportData(DefaultReportData()) &&
                   SetBudgetSetting(DefaultBudgetSetting()) &&
                   SetReportSetting(DefaultReportSetting()) && SetLastReportType(0) &&
                   SetUserPath(DefaultUserPath()) && SetImportPath(DefaultImportPath());
    CCVRegistry general(kRoot, GeneralSettingsKey());
    written = written && general.Create() && SetShowDecimal(true) && SetShowYear(true);
    return written ? 0 : kKeyNotCreated;
}

int CCVPreferences::SelectAccount(std::wstring_view accountName) {
    if (!accountName.empty()) {
        SetLastActiveAccount(accountName);
        m_currentKey = AccountSettingsKey(accountName);
    } else {
        m_currentKey = GeneralSettingsKey();
    }
    CCVRegistry settings(kRoot, m_currentKey);
    if (settings.Open()) return 0;
    return CreateSettingsKey();
}

int CCVPreferences::CreateSettingsKey() const {
    CCVRegistry settings(kRoot, m_currentKey);
    if (!settings.Create()) return kKeyNotCreated;
    const FontRecord font{};
    bool written = settings.SetBinary(kFont, font.data(), kFontSize);
    for (const ColumnSetting& column : kColumns) {
        written = settings.SetDword(column.name, column.shownAtFirst) && written;
    }
    return written ? 0 : kKeyNotCreated;
}

std::wstring CCVPreferences::GetLastActiveAccount() const {
    return CCVRegistry::ReadString(kRoot, UserKey(), kLastActiveAccount, L"");
}

bool CCVPreferences::SetLastActiveAccount(std::wstring_view name) const {
    return CCVRegistry::WriteString(kRoot, UserKey(), kLastActiveAccount, name);
}

bool CCVPreferences::GetPasswordCrib(PasswordCrib& crib) const {
    crib.fill(0);
    return ReadRecord(UserKey(), kPasswordCrib, crib);
}

bool CCVPreferences::SetPasswordCrib(const PasswordCrib& crib) const {
    return WriteRecord(UserKey(), kPasswordCrib, crib);
}

std::uint32_t CCVPreferences::GetLockSecurityTime() const {
    return CCVRegistry::ReadDword(kRoot, UserKey(), kLockSecurityTime);
}

bool CCVPreferences::SetLockSecurityTime(std::uint32_t time) const {
    return CCVRegistry::WriteDword(kRoot, UserKey(), kLockSecurityTime, time);
}

std::uint32_t CCVPreferences::GetLockTime() const {
    return CCVRegistry::ReadDword(kRoot, UserKey(), kLockTime);
}

bool CCVPreferences::SetLockTime(std::uint32_t index) const {
    return CCVRegistry::WriteDword(kRoot, UserKey(), kLockTime, index);
}

std::wstring CCVPreferences::GetUserPath() const {
    return CCVRegistry::ReadString(kRoot, UserKey(), kUserPath, DefaultUserPath());
}

bool CCVPreferences::SetUserPath(std::wstring_view path) const {
    return CCVRegistry::WriteString(kRoot, UserKey(), kUserPath, path);
}

std::wstring CCVPreferences::GetImportPath() const {
    return CCVRegistry::ReadString(kRoot, UserKey(), kImportPath, DefaultImportPath());
}

bool CCVPreferences::SetImportPath(std::wstring_view path) const {
    return CCVRegistry::WriteString(kRoot, UserKey(), kImportPath, path);
}

std::wstring CCVPreferences::GetInstitutionDirectory() const {
    return CCVRegistry::ReadString(kRoot, UserKey(), kInstitutionDirectory, L"");
}

bool CCVPreferences::SetInstitutionDirectory(std::wstring_view location) const {
    return CCVRegistry::WriteString(kRoot, UserKey(), kInstitutionDirectory, location);
}

bool CCVPreferences::GetShowYear() const {
    return CCVRegistry::ReadDword(kRoot, UserKey(), kShowYear) != 0;
}

bool CCVPreferences::SetShowYear(bool show) const {
    return CCVRegistry::WriteDword(kRoot, UserKey(), kShowYear, show ? 1 : 0);
}

bool CCVPreferences::GetShowDecimal() const {
    return CCVRegistry::ReadDword(kRoot, UserKey(), kShowDecimal) != 0;
}

bool CCVPreferences::SetShowDecimal(bool show) const {
    return CCVRegistry::WriteDword(kRoot, UserKey(), kShowDecimal, show ? 1 : 0);
}

bool CCVPreferences::GetDefaultFont(FontRecord& font) const {
    return ReadRecord(UserKey(), kDefaultFont, font);
}

bool CCVPreferences::SetDefaultFont(const FontRecord& font) const {
    return WriteRecord(UserKey(), kDefaultFont, font);
}

bool CCVPreferences::GetReportData(ReportData& data) const {
    return ReadRecord(UserKey(), kReportData, data);
}

bool CCVPreferences::SetReportData(const ReportData& data) const {
    return WriteRecord(UserKey(), kReportData, data);
}

bool CCVPreferences::GetBudgetSetting(BudgetSetting& setting) const {
    return ReadRecord(UserKey(), kBudgetSetting, setting);
}

bool CCVPreferences::SetBudgetSetting(const BudgetSetting& setting) const {
    return WriteRecord(UserKey(), kBudgetSetting, setting);
}

bool CCVPreferences::GetReportSetting(ReportSetting& setting) const {
    return ReadRecord(UserKey(), kReportSetting, setting);
}

bool CCVPreferences::SetReportSetting(const ReportSetting& setting) const {
    return WriteRecord(UserKey(), kReportSetting, setting);
}

std::uint16_t CCVPreferences::GetLastReportType() const {
    return static_cast<std::uint16_t>(CCVRegistry::ReadDword(kRoot, UserKey(), kLastReportType));
}

bool CCVPreferences::SetLastReportType(std::uint16_t type) const {
    return CCVRegistry::WriteDword(kRoot, UserKey(), kLastReportType, type);
}

std::uint32_t CCVPreferences::GetUpcomingThroughMode() const {
    return CCVRegistry::ReadDword(kRoot, UserKey(), kUpcomingThroughMode);
}

bool CCVPreferences::SetUpcomingThroughMode(std::uint32_t mode) const {
    return CCVRegistry::WriteDword(kRoot, UserKey(), kUpcomingThroughMode, mode);
}

bool CCVPreferences::GetColumnShown(Column column) const {
    return CCVRegistry::ReadDword(kRoot, m_currentKey, SettingOf(column).name) != 0;
}

bool CCVPreferences::SetColumnShown(Column column, bool shown) const {
    return CCVRegistry::WriteDword(kRoot, m_currentKey, SettingOf(column).name, shown ? 1 : 0);
}

bool CCVPreferences::GetFont(FontRecord& font) const {
    return ReadRecord(m_currentKey, kFont, font);
}

bool CCVPreferences::SetFont(const FontRecord& font) const {
    return WriteRecord(m_currentKey, kFont, font);
}

std::uint32_t CCVPreferences::GetTransactionFilter() const {
    return CCVRegistry::ReadDword(kRoot, m_currentKey, kTransactionFilter);
}

bool CCVPreferences::SetTransactionFilter(std::uint32_t filter) const {
    return CCVRegistry::WriteDword(kRoot, m_currentKey, kTransactionFilter, filter);
}

std::uint32_t CCVPreferences::GetRowColor(std::uint32_t defaultColour) const {
    const std::uint32_t colour = CCVRegistry::ReadDword(kRoot, m_currentKey, kRowColor);
    return colour != 0 ? colour : defaultColour;
}

bool CCVPreferences::SetRowColor(std::uint32_t colour) const {
    return CCVRegistry::WriteDword(kRoot, m_currentKey, kRowColor, colour);
}

// ---- the fonts of the report and budget screens ----
namespace {
constexpr std::wstring_view kReportFont = L"Report Font";
constexpr std::wstring_view kBudgetFont = L"Budget Font";
}  // namespace

bool CCVPreferences::GetReportFont(FontRecord& font) const {
    return ReadRecord(UserKey(), kReportFont, font);
}

bool CCVPreferences::SetReportFont(const FontRecord& font) const {
    return WriteRecord(UserKey(), kReportFont, font);
}

bool CCVPreferences::GetBudgetFont(FontRecord& font) const {
    return ReadRecord(UserKey(), kBudgetFont, font);
}

bool CCVPreferences::SetBudgetFont(const FontRecord& font) const {
    return WriteRecord(UserKey(), kBudgetFont, font);
}
