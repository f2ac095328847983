#pragma once

#include <cstdint>

#include "model/ModelText.h"
#include "storage/CCVItem.h"
#include "storage/RecordKey.h"

// One payee look-up: the payee text a bank sends in a downloaded statement, and the payee name the
// user wants to see for it (empty: the bank's text is used unchanged).
//
// Stored form, after the CCVItem part (83 bytes in all):
//   offset  size  field
//   5       8     key
//   13      33    bankName (the record's name)
//   46      33    payeeName
//   79      4     reserved, zero (read and ignored)
class CCVPayeeLookUpItem : public CCVItem {
  public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 74 + 4;

    CCVPayeeLookUpItem() = default;
    // A new look-up with a fresh key.
    CCVPayeeLookUpItem(const char* bankName, const char* payeeName);

    const char* GetName() const override { return m_bankName.c_str(); }
    const RecordKey* GetKey() const override { return &m_key; }
    int Serialize(RecordArchive& ar) override;

    const char* GetBankName() const { return m_bankName.c_str(); }
    const char* GetPayeeName() const { return m_payeeName.c_str(); }
    // Setters mark the record modified; texts keep at most 32 characters.
    void SetBankName(const char* bankName);
    void SetPayeeName(const char* payeeName);

  private:
    RecordKey m_key;
    NameField m_bankName;
    NameField m_payeeName;
};
