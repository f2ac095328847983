#pragma once

#include <array>
#include <cstdint>

#include "model/ModelText.h"
#include "model/PayeeMemoryFields.h"
#include "storage/Amount.h"
#include "storage/CCVItem.h"
#include "storage/FixedText.h"
#include "storage/RecordKey.h"

// A payee. It remembers the details of the last transaction entered for it, so that choosing the
// payee again pre-fills a new transaction, and it carries a monthly budget.
//
// Stored form, after the CCVItem part (493 bytes in all), little-endian:
//   offset  size  field
//   5       8     key: always all-zero (payees are referred to by name)
//   13      33    name
//   46      1     reserved, zero
//   47      8     amount of the remembered transaction
//   55      8     typeKey of the remembered transaction
//   63      8     categoryKey of the remembered transaction
//   71      8     classKey of the remembered transaction
//   79      8     budget (Amount, monthly)
//   87      162   memo of the remembered transaction
//   249     240   10 split lines of 24 bytes: categoryKey 8, classKey 8, amount 8
//   489     4     reserved, zero (read and ignored)
class CCVPayeeItem : public CCVItem {
  public:
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + 484 + 4;
    static constexpr std::size_t kMemoSize = 162;
    using SplitLine = PayeeMemoryFields::SplitLine;

    CCVPayeeItem() = default;
    explicit CCVPayeeItem(const char* name) { m_name.Set(name); }

    const char* GetName() const override { return m_name.c_str(); }
    // Payees have no identity key (the stored key is all-zero), so no key look-up finds one.
    const RecordKey* GetKey() const override { return nullptr; }
    int Serialize(RecordArchive& ar) override;

    // Setters mark the record modified. The name keeps at most 32 characters.
    void SetName(const char* name);
    Amount GetBudget() const { return m_budget; }
    void SetBudget(Amount budget);

    // The remembered transaction.
    Amount GetAmount() const { return m_amount; }
    const RecordKey& GetTypeKey() const { return m_typeKey; }
    const RecordKey& GetCategoryKey() const { return m_categoryKey; }
    const RecordKey& GetClassKey() const { return m_classKey; }
    const char* GetMemo() const { return m_memo.c_str(); }
    const SplitLine& GetSplitLine(int line) const {
        return m_splitLines.at(static_cast<std::size_t>(line));
    }

    // Copies the transaction's payee name, amount, type, category and class keys, memo and the
    // remembered part of its ten split lines; marks the payee modified.
    void RememberTransaction(const PayeeMemoryFields& transaction);
    // Pre-fills a transaction from the payee: amount, type, category and class keys, memo and the
    // ten split lines (each line's other fields cleared). The name is the caller's.
    void ApplyToTransaction(PayeeMemoryFields& transaction) const;
    // The same for a scheduled transaction.
    void ApplyToScheduled(PayeeMemoryFields& scheduled) const { ApplyToTransaction(scheduled); }

  private:
    RecordKey m_key;
    NameField m_name;
    Amount m_amount = 0;
    RecordKey m_typeKey;
    RecordKey m_categoryKey;
    RecordKey m_classKey;
    Amount m_budget = 0;
    FixedText<kMemoSize> m_memo;
    std::array<SplitLine, PayeeMemoryFields::kSplitLines> m_splitLines{};
};
