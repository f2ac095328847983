#pragma once

#include <cstdint>

#include "model/ModelText.h"
#include "model/YesNo.h"
#include "storage/CCVItem.h"
#include "storage/RecordKey.h"

// A transaction type ("Check #", "Withdrawal", ...): whether money leaves or enters the account,
// and whether the entry carries a check number. Both live in byte 6 of the key, so a type's key
// changes with its direction; byte 7 numbers the built-in types.
//
// Stored form, after the CCVItem part (51 bytes in all):
//   offset  size  field
//   5       8     key: byte 6 the flag byte (0x80 debit, 0x40 check number)
//   13      33    name
//   46      5     reserved, zero (read and ignored)
class CTransactionTypeItem : public CCVItem {
  public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 41 + 5;
    static constexpr std::size_t kFlagByte = 6;
    static constexpr std::uint8_t kDebitFlag = 0x80;
    static constexpr std::uint8_t kCheckNumberFlag = 0x40;

    CTransactionTypeItem() = default;
    // A type with this key; the record is not marked modified.
    CTransactionTypeItem(const char* name, const RecordKey& key);

    const char* GetName() const override { return m_name.c_str(); }
    const RecordKey* GetKey() const override { return &m_key; }
    int Serialize(RecordArchive& ar) override;

    // Setters mark the record modified; the name keeps at most 32 characters.
    void SetName(const char* name);
    void SetKey(const RecordKey& key);

    // Yes when money of this type leaves the account.
    YesNo IsDebit() const { return ToYesNo((m_key.bytes[kFlagByte] & kDebitFlag) != 0); }
    // Sets or clears the debit bit of the key.
    void SetDebit(bool debit);
    // Yes when an entry of this type carries a check number.
    YesNo HasCheckNumber() const {
        return ToYesNo((m_key.bytes[kFlagByte] & kCheckNumberFlag) != 0);
    }

  private:
    RecordKey m_key;
    NameField m_name;
};
