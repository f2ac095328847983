#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "storage/Amount.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class RecordArchive;

// The fixed 360-byte record of an account, kept as its bytes so that the reserved bytes survive
// unchanged. Numbers little-endian; texts zero-terminated within their field (a field holds one
// character less than its size). Each setter sets the change bit the table gives.
//
//   offset  size  field                        change bit
//   0       4     recordVersion (9)
//   4       26    name (copy of the account name)   0
//   30      1     accountType                       1
//   31      1     reserved
//   32      8     beginningBalance                  2
//   40      8     clearedBalance
//   48      8     currentBalance
//   56      1     includeInTotal                    20
//   57      21    accountNumber                     3
//   78      34    bankName                          4
//   112     4     lastCheckNumber
//   116     4     reserved
//   120     8     accountId
//   128     2     reserved
//   130     2     icon                              6
//   132     1     reserved
//   133     1     currency                          19
//   134     22    reserved
//   156     4     changeBits
//   160     12    reserved
//   172     1     onlineEnabled                     7
//   173     1     reserved
//   174     33    customerId                        9    } the protected part
//   207     41    onlinePassword                    10   } (offsets 174-246)
//   248     4     fiId                              11
//   252     10    routingNumber                     12
//   262     66    downloadMarker                    13
//   328     8     lastStatementEndingBalance
//   336     4     lastStatementDate
//   340     8     statementBeginningBalance         16
//   348     8     statementEndingBalance            17
//   356     4     statementDate                     18
class CCVAccountRecord {
  public:
    static constexpr std::size_t kSize = 360;
    static constexpr std::uint32_t kRecordVersion = 9;
    static constexpr std::size_t kProtectedOffset = 174;
    static constexpr std::size_t kProtectedSize = 73;

    enum ChangeBit : int {
        kChangeName = 0,
        kChangeAccountType = 1,
        kChangeBeginningBalance = 2,
        kChangeAccountNumber = 3,
        kChangeBankName = 4,
        kChangeIcon = 6,
        kChangeOnlineEnabled = 7,
        kChangeCustomerId = 9,
        kChangeOnlinePassword = 10,
        kChangeFiId = 11,
        kChangeRoutingNumber = 12,
        kChangeDownloadMarker = 13,
        kChangeStatementBeginningBalance = 16,
        kChangeStatementEndingBalance = 17,
        kChangeStatementDate = 18,
        kChangeCurrency = 19,
        kChangeIncludeInTotal = 20,
    };

    // All 360 bytes zero.
    CCVAccountRecord() = default;

    // The stored bytes, for the account file.
    std::uint8_t* Data() { return m_bytes.data(); }
    const std::uint8_t* Data() const { return m_bytes.data(); }
    // Moves the 360 bytes in the archive's direction; a load that runs short changes nothing.
    int Serialize(RecordArchive& ar);

    std::uint32_t GetRecordVersion() const { return Get32(kRecordVersionAt); }
    void SetRecordVersion(std::uint32_t version) { Set32(kRecordVersionAt, version); }
    std::string GetName() const { return GetText(kNameAt, kNameSize); }
    void SetName(const char* name) { SetText(kNameAt, kNameSize, name, kChangeName); }
    std::uint8_t GetAccountType() const { return m_bytes[kAccountTypeAt]; }
    void SetAccountType(std::uint8_t type) { Set8(kAccountTypeAt, type, kChangeAccountType); }
    Amount GetBeginningBalance() const { return GetAmount(kBeginningBalanceAt); }
    void SetBeginningBalance(Amount amount) {
        SetAmount(kBeginningBalanceAt, amount, kChangeBeginningBalance);
    }
    Amount GetClearedBalance() const { return GetAmount(kClearedBalanceAt); }
    void SetClearedBalance(Amount amount) { SetAmount(kClearedBalanceAt, amount); }
    Amount GetCurrentBalance() const { return GetAmount(kCurrentBalanceAt); }
    void SetCurrentBalance(Amount amount) { SetAmount(kCurrentBalanceAt, amount); }
    bool GetIncludeInTotal() const { return m_bytes[kIncludeInTotalAt] != 0; }
    void SetIncludeInTotal(bool include) {
        Set8(kIncludeInTotalAt, include ? 1 : 0, kChangeIncludeInTotal);
    }
    std::string GetAccountNumber() const { return GetText(kAccountNumberAt, kAccountNumberSize); }
    void SetAccountNumber(const char* number) {
        SetText(kAccountNumberAt, kAccountNumberSize, number, kChangeAccountNumber);
    }
    std::string GetBankName() const { return GetText(kBankNameAt, kBankNameSize); }
    void SetBankName(const char* name) {
        SetText(kBankNameAt, kBankNameSize, name, kChangeBankName);
    }
    std::uint32_t GetLastCheckNumber() const { return Get32(kLastCheckNumberAt); }
    void SetLastCheckNumber(std::uint32_t number) { Set32(kLastCheckNumberAt, number); }
    RecordKey GetAccountId() const;
    void SetAccountId(const RecordKey& key);
    std::uint16_t GetIcon() const;
    void SetIcon(std::uint16_t icon);
    std::uint8_t GetCurrency() const { return m_bytes[kCurrencyAt]; }
    void SetCurrency(std::uint8_t currency) { Set8(kCurrencyAt, currency, kChangeCurrency); }
    std::uint32_t GetChangeBits() const { return Get32(kChangeBitsAt); }
    void SetChangeBits(std::uint32_t bits) { Set32(kChangeBitsAt, bits); }
    bool GetOnlineEnabled() const { return m_bytes[kOnlineEnabledAt] != 0; }
    void SetOnlineEnabled(bool enabled) {
        Set8(kOnlineEnabledAt, enabled ? 1 : 0, kChangeOnlineEnabled);
    }
    std::string GetCustomerId() const { return GetText(kCustomerIdAt, kCustomerIdSize); }
    void SetCustomerId(const char* id) {
        SetText(kCustomerIdAt, kCustomerIdSize, id, kChangeCustomerId);
    }
    std::string GetOnlinePassword() const {
        return GetText(kOnlinePasswordAt, kOnlinePasswordSize);
    }
    void SetOnlinePassword(const char* password) {
        SetText(kOnlinePasswordAt, kOnlinePasswordSize, password, kChangeOnlinePassword);
    }
    std::uint32_t GetFiId() const { return Get32(kFiIdAt); }
    void SetFiId(std::uint32_t id) { Set32(kFiIdAt, id, kChangeFiId); }
    std::string GetRoutingNumber() const { return GetText(kRoutingNumberAt, kRoutingNumberSize); }
    void SetRoutingNumber(const char* number) {
        SetText(kRoutingNumberAt, kRoutingNumberSize, number, kChangeRoutingNumber);
    }
    std::string GetDownloadMarker() const {
        return GetText(kDownloadMarkerAt, kDownloadMarkerSize);
    }
    void SetDownloadMarker(const char* marker) {
        SetText(kDownloadMarkerAt, kDownloadMarkerSize, marker, kChangeDownloadMarker);
    }
    Amount GetLastStatementEndingBalance() const {
        return GetAmount(kLastStatementEndingBalanceAt);
    }
    void SetLastStatementEndingBalance(Amount amount) {
        SetAmount(kLastStatementEndingBalanceAt, amount);
    }
    DateTime GetLastStatementDate() const { return Get32(kLastStatementDateAt); }
    void SetLastStatementDate(DateTime date) { Set32(kLastStatementDateAt, date); }
    Amount GetStatementBeginningBalance() const { return GetAmount(kStatementBeginningBalanceAt); }
    void SetStatementBeginningBalance(Amount amount) {
        SetAmount(kStatementBeginningBalanceAt, amount, kChangeStatementBeginningBalance);
    }
    Amount GetStatementEndingBalance() const { return GetAmount(kStatementEndingBalanceAt); }
    void SetStatementEndingBalance(Amount amount) {
        SetAmount(kStatementEndingBalanceAt, amount, kChangeStatementEndingBalance);
    }
    DateTime GetStatementDate() const { return Get32(kStatementDateAt); }
    void SetStatementDate(DateTime date) { Set32(kStatementDateAt, date, kChangeStatementDate); }

    bool operator==(const CCVAccountRecord&) const = default;

  private:
    static constexpr int kNoChangeBit = -1;

    static constexpr std::size_t kRecordVersionAt = 0;
    static constexpr std::size_t kNameAt = 4, kNameSize = 26;
    static constexpr std::size_t kAccountTypeAt = 30;
    static constexpr std::size_t kBeginningBalanceAt = 32;
    static constexpr std::size_t kClearedBalanceAt = 40;
    static constexpr std::size_t kCurrentBalanceAt = 48;
    static constexpr std::size_t kIncludeInTotalAt = 56;
    static constexpr std::size_t kAccountNumberAt = 57, kAccountNumberSize = 21;
    static constexpr std::size_t kBankNameAt = 78, kBankNameSize = 34;
    static constexpr std::size_t kLastCheckNumberAt = 112;
    static constexpr std::size_t kAccountIdAt = 120;
    static constexpr std::size_t kIconAt = 130;
    static constexpr std::size_t kCurrencyAt = 133;
    static constexpr std::size_t kChangeBitsAt = 156;
    static constexpr std::size_t kOnlineEnabledAt = 172;
    static constexpr std::size_t kCustomerIdAt = 174, kCustomerIdSize = 33;
    static constexpr std::size_t kOnlinePasswordAt = 207, kOnlinePasswordSize = 41;
    static constexpr std::size_t kFiIdAt = 248;
    static constexpr std::size_t kRoutingNumberAt = 252, kRoutingNumberSize = 10;
    static constexpr std::size_t kDownloadMarkerAt = 262, kDownloadMarkerSize = 66;
    static constexpr std::size_t kLastStatementEndingBalanceAt = 328;
    static constexpr std::size_t kLastStatementDateAt = 336;
    static constexpr std::size_t kStatementBeginningBalanceAt = 340;
    static constexpr std::size_t kStatementEndingBalanceAt = 348;
    static constexpr std::size_t kStatementDateAt = 356;
    static_assert(kStatementDateAt + 4 == kSize);
    static_assert(kCustomerIdAt + kCustomerIdSize + kOnlinePasswordSize - 1 ==
                  kProtectedOffset + kProtectedSize);

    void MarkChange(int bit);
    std::uint32_t Get32(std::size_t at) const;
    void Set32(std::size_t at, std::uint32_t value, int bit = kNoChangeBit);
    Amount GetAmount(std::size_t at) const;
    void SetAmount(std::size_t at, Amount value, int bit = kNoChangeBit);
    void Set8(std::size_t at, std::uint8_t value, int bit);
    // At most size - 1 characters, up to the first zero.
    std::string GetText(std::size_t at, std::size_t size) const;
    // Zero-fills the field and copies at most size - 1 characters.
    void SetText(std::size_t at, std::size_t size, const char* text, int bit);

    std::array<std::uint8_t, kSize> m_bytes{};
};
