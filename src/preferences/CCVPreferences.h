#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The program's settings in the registry, under HKEY_CURRENT_USER:
//
//   program key            "Software\Brightmoor\Coinvale HandHeld"
//   user key               program key + "\HandHeld - Generic"
//   general settings key   user key + "\Preferences"
//   account settings key   user key + "\CV_ " + account name   (one per account)
//
// The user key holds the program-wide values; the current settings key (the account settings key
// of the last active account, or the general settings key when there is none) holds the
// register's settings. Nothing is cached: every getter reads the registry and every setter writes
// at once. A missing value reads as 0, as the default text, or as not read (binary values, whose
// buffer is then left alone); a binary value of another size counts as missing. Setters write
// only into keys that exist and return false otherwise; only SelectUser and SelectAccount create
// keys.
class CCVPreferences {
  public:
    static constexpr std::size_t kPasswordCribSize = 40;
    static constexpr std::size_t kFontSize = 72;
    static constexpr std::size_t kReportDataSize = 132;
    static constexpr std::size_t kBudgetSettingSize = 92;
    static constexpr std::size_t kReportSettingSize = 92;

    using PasswordCrib = std::array<std::uint8_t, kPasswordCribSize>;
    using FontRecord = std::array<std::uint8_t, kFontSize>;
    // The report and budget screens' records; their layouts belong to those screens.
    using ReportData = std::array<std::uint8_t, kReportDataSize>;
    using BudgetSetting = std::array<std::uint8_t, kBudgetSettingSize>;
    using ReportSetting = std::array<std::uint8_t, kReportSettingSize>;

    // The register's columns, each shown or not per account.
    enum class Column {
        Clear,
        Icon,
        Date,
        TransactionType,
        Payee,
        Category,
        Class,
        Amount,
        Balance,
        Memo
    };

    static constexpr int kOutOfMemory = 5;
    static constexpr int kKeyNotCreated = 1;

    // Where the settings are; the name of an account's settings key is "CV_ " and the name.
    static std::wstring ProgramKey();
    static std::wstring UserKey();
    static std::wstring GeneralSettingsKey();
    static std::wstring AccountSettingsKey(std::wstring_view accountName);

    // Makes sure the program key and the user key exist, the latter with its first values and
    // an empty general settings key, then selects the settings of "Last Active Account". Returns
    // 0; kKeyNotCreated when the keys could not be created (the registry cannot be written);
    // kOutOfMemory.
    int SelectUser();

    // Selects the settings of the account whose register opens (and remembers it as
    // "Last Active Account"), or the general settings for the empty name. A settings key that
    // does not exist yet is created with the register's defaults. Returns 0, or kKeyNotCreated.
    int SelectAccount(std::wstring_view accountName);

    const std::wstring& CurrentSettingsKey() const { return m_currentKey; }

    // The default folders: the documents folder + "Brightmoor/Coinvale/" and + ".../Import/".
    static std::wstring DefaultUserPath();
    static std::wstring DefaultImportPath();

    // The records' first contents.
    static ReportData DefaultReportData();
    static BudgetSetting DefaultBudgetSetting();
    static ReportSetting DefaultReportSetting();

    // Values of the user key.
    std::wstring GetLastActiveAccount() const;
    bool SetLastActiveAccount(std::wstring_view name) const;
    // Zero-filled first, so a missing or wrong-sized crib reads as no password.
    bool GetPasswordCrib(PasswordCrib& crib) const;
    bool SetPasswordCrib(const PasswordCrib& crib) const;
    std::uint32_t GetLockSecurityTime() const;
    bool SetLockSecurityTime(std::uint32_t time) const;
    std::uint32_t GetLockTime() const;
    bool SetLockTime(std::uint32_t index) const;
    std::wstring GetUserPath() const;  // the default folder when missing
    bool SetUserPath(std::wstring_view path) const;
    std::wstring GetImportPath() const;  // the default folder when missing
    bool SetImportPath(std::wstring_view path) const;
    bool GetShowYear() const;
    bool SetShowYear(bool show) const;
    bool GetShowDecimal() const;
    bool SetShowDecimal(bool show) const;
    bool GetDefaultFont(FontRecord& font) const;
    bool SetDefaultFont(const FontRecord& font) const;
    bool GetReportData(ReportData& data) const;
    bool SetReportData(const ReportData& data) const;
    bool GetBudgetSetting(BudgetSetting& setting) const;
    bool SetBudgetSetting(const BudgetSetting& setting) const;
    bool GetReportSetting(ReportSetting& setting) const;
    bool SetReportSetting(const ReportSetting& setting) const;
    std::uint16_t GetLastReportType() const;
    bool SetLastReportType(std::uint16_t type) const;
    std::uint32_t GetUpcomingThroughMode() const;
    bool SetUpcomingThroughMode(std::uint32_t mode) const;
    // Where the institution directory is read from: a file path or an https:// URL; empty (the
    // default) for the directory that ships with the program. The online-banking library takes
    // it through CFidbClient::SetDirectoryLocation.
    std::wstring GetInstitutionDirectory() const;
    bool SetInstitutionDirectory(std::wstring_view location) const;

    // Values of the current settings key.
    bool GetColumnShown(Column column) const;
    bool SetColumnShown(Column column, bool shown) const;
    bool GetFont(FontRecord& font) const;
    bool SetFont(const FontRecord& font) const;
    std::uint32_t GetTransactionFilter() const;
    bool SetTransactionFilter(std::uint32_t filter) const;
    // The stored colour, or `defaultColour` when it is missing or 0.
    std::uint32_t GetRowColor(std::uint32_t defaultColour) const;
    bool SetRowColor(std::uint32_t colour) const;

    // ---- the fonts of the report and budget screens (user key, "Report Font" and "Budget Font",
    // 72 bytes each like "Font"; missing until chosen) ----
    bool GetReportFont(FontRecord& font) const;
    bool SetReportFont(const FontRecord& font) const;
    bool GetBudgetFont(FontRecord& font) const;
    bool SetBudgetFont(const FontRecord& font) const;

  private:
    int WriteUserDefaults() const;
    int CreateSettingsKey() const;

    std::wstring m_currentKey = GeneralSettingsKey();
};
