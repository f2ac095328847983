#pragma once

#include <cstddef>
#include <string>

#include "storage/Amount.h"
#include "storage/RecordKey.h"

class RecordArchive;

// One of the ten split lines of a transaction: a part of its amount with its own category, class
// and memo. The amount is a magnitude; its direction is the transaction's. A line whose category
// is an account has a twin transaction in that account (linkedTransactionId). The memo is held in
// its own block, absent when empty.
//
// Stored form (inside the transaction's record), little-endian:
//   offset  size  field
//   0       8     categoryId
//   8       8     classId
//   16      8     amount
//   24      8     linkedTransactionId
//   32      1+n   memo: length byte n (0-255), then n bytes; an absent memo is the single byte 0
class CSplitLine {
  public:
    static constexpr std::size_t kMemoCapacity = 255;
    static constexpr std::size_t kFixedSize = 32;

    const RecordKey& GetCategoryId() const { return m_categoryId; }
    void SetCategoryId(const RecordKey& key) { m_categoryId = key; }
    const RecordKey& GetClassId() const { return m_classId; }
    void SetClassId(const RecordKey& key) { m_classId = key; }
    Amount GetAmount() const { return m_amount; }
    void SetAmount(Amount amount) { m_amount = amount; }
    const RecordKey& GetLinkedTransactionId() const { return m_linkedTransactionId; }
    void SetLinkedTransactionId(const RecordKey& key) { m_linkedTransactionId = key; }
    const char* GetMemo() const { return m_memo.c_str(); }
    // Keeps at most kMemoCapacity characters; null or empty leaves no memo.
    void SetMemo(const char* memo);

    // In use when it carries an amount or a category.
    bool InUse() const { return m_amount != 0 || !m_categoryId.IsNull(); }

    // Moves the stored form in the archive's direction; 0, or 1 when the archive runs out.
    int Serialize(RecordArchive& ar);
    // While loading: moves past a stored line that is blank (every fixed byte zero and no memo)
    // and answers true; otherwise moves nothing and answers false.
    static bool SkipBlank(RecordArchive& ar);
    // Moves the kFixedSize bytes before the memo (offsets 0-31 above).
    int SerializeFixedFields(RecordArchive& ar);

    bool operator==(const CSplitLine&) const = default;

  private:
    RecordKey m_categoryId;
    RecordKey m_classId;
    Amount m_amount = 0;
    RecordKey m_linkedTransactionId;
    std::string m_memo;
};
