#pragma once

#include <cstdint>

#include "model/ModelText.h"
#include "storage/Amount.h"
#include "storage/CCVItem.h"
#include "storage/RecordKey.h"

// A class: a free tag a transaction or split line can carry, with a monthly budget.
//
// Stored form, after the CCVItem part (59 bytes in all):
//   offset  size  field
//   5       8     key
//   13      33    name
//   46      1     reserved, zero
//   47      8     budget (Amount, monthly)
//   55      4     reserved, zero (read and ignored)
class CClassItem : public CCVItem {
  public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 50 + 4;

    CClassItem() = default;
    // A new class with a fresh key.
    explicit CClassItem(const char* name);
    // A built-in class with a fixed key; the record is not marked modified.
    CClassItem(const char* name, const RecordKey& key);

    const char* GetName() const override { return m_name.c_str(); }
    const RecordKey* GetKey() const override { return &m_key; }
    int Serialize(RecordArchive& ar) override;

    // Setters mark the record modified; the name keeps at most 32 characters.
    void SetName(const char* name);
    void SetKey(const RecordKey& key);
    Amount GetBudget() const { return m_budget; }
    void SetBudget(Amount budget);

  private:
    RecordKey m_key;
    NameField m_name;
    Amount m_budget = 0;
};
