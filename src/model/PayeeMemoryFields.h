#pragma once

#include "storage/Amount.h"
#include "storage/RecordKey.h"

// The fields of a register entry that a payee remembers from the last transaction entered for it
// and pre-fills into a new one. Transactions and scheduled transactions give a payee access to
// them through this interface, so the payee list needs neither.
class PayeeMemoryFields {
  public:
    static constexpr int kSplitLines = 10;

    // The part of a split line that a payee remembers.
    struct SplitLine {
        RecordKey categoryKey;
        RecordKey classKey;
        Amount amount = 0;
        bool operator==(const SplitLine&) const = default;
    };

    virtual const char* GetPayeeName() const = 0;
    virtual Amount GetAmount() const = 0;
    virtual RecordKey GetTypeId() const = 0;
    virtual RecordKey GetCategoryId() const = 0;
    virtual RecordKey GetClassId() const = 0;
    virtual const char* GetMemo() const = 0;
    // Line 0 to kSplitLines - 1.
    virtual SplitLine GetSplitLine(int line) const = 0;

    virtual void SetAmount(Amount amount) = 0;
    virtual void SetTypeId(const RecordKey& key) = 0;
    virtual void SetCategoryId(const RecordKey& key) = 0;
    virtual void SetClassId(const RecordKey& key) = 0;
    virtual void SetMemo(const char* memo) = 0;
    // Replaces the line with these fields and clears its other fields (link, memo).
    virtual void SetSplitLine(int line, const SplitLine& value) = 0;

  protected:
    ~PayeeMemoryFields() = default;
};
