#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "storage/Amount.h"
#include "storage/CCVItem.h"
#include "storage/RecordKey.h"

class CCVAccountList;
class CTransaction;

// One row of a report: a payee, a category (or the other account of a transfer) or a class, the
// sum that went into it in the home currency, and the transactions behind that sum.
//
// The row refers to the transactions, it does not own them: a report is rebuilt after the
// registers change. Each transaction appears once per row, with its part: the whole converted
// amount, or the converted amounts of its split lines (and of their unassigned remainder) that
// went into this row. A row's Amount is the sum of its parts.
//
// Rows are never stored; the CCVItem part only lets them live in a CCVItemList.
class CCVReportItem : public CCVItem {
  public:
    // The report's grouping.
    enum Kind : std::int32_t { kPayee = 0, kCategory = 1, kClass = 2 };
    // What the row stands for.
    enum Role : std::uint8_t {
        kItemRow = 0,        // a payee, category, class or the other account of a transfer
        kUnassignedRow = 1,  // "<Unassigned>": money without a payee, category or class
        kTotalRow = 2,       // "Total %s": a category with its sub-categories
        kOtherRow = 3,       // "Other": the small rows of a chart
    };
    // The split line index that stands for the whole transaction.
    static constexpr std::uint8_t kWholeTransaction = 255;

    struct Entry {
        CTransaction* transaction = nullptr;
        Amount part = 0;
    };

    CCVReportItem() = default;
    CCVReportItem(std::int32_t kind, std::string name, const RecordKey& key = {},
                  const RecordKey& parentKey = {}, Role role = kItemRow);
    // A row made from a transaction: named after its payee (kPayee), the category of the
    // transaction or of split line `splitIndex` (kCategory: the category's full name, or "[name]"
    // for a transfer) or their class (kClass); the transaction with `amount` is its first entry.
    CCVReportItem(CCVAccountList& accounts, std::int32_t kind, CTransaction& transaction,
                  std::uint8_t splitIndex, Amount amount);
    ~CCVReportItem() override;
    CCVReportItem(const CCVReportItem&) = default;
    CCVReportItem& operator=(const CCVReportItem&) = default;

    const char* GetName() const override { return m_name.c_str(); }
    // The category, class or account of the row; all-zero for payee, "<Unassigned>", "Other"
    // and total rows.
    const RecordKey* GetKey() const override { return &m_key; }
    const std::string& Name() const { return m_name; }
    std::int32_t GetKind() const { return m_kind; }
    const RecordKey& GetParentKey() const { return m_parentKey; }
    Amount GetAmount() const { return m_amount; }
    void SetAmount(Amount amount) { m_amount = amount; }

    // A total row's ParentKey is the category it sums up.
    Role GetRole() const { return m_role; }
    void SetRole(Role role) { m_role = role; }
    bool IsTotalRow() const { return m_role == kTotalRow; }
    bool IsUnassigned() const { return m_role == kUnassignedRow; }

    // ---- the transactions behind the row ----
    std::size_t TransactionCount() const { return m_entries.size(); }
    CTransaction* TransactionAt(std::size_t index) const;
    const std::vector<Entry>& Entries() const { return m_entries; }
    // Adds the part to the Amount and the transaction to the entries; a transaction that is
    // already the last entry (another split line of it) has its part grown instead.
    void AddPart(CTransaction& transaction, Amount part);
    // Appends the other row's entries (not its Amount).
    void AppendEntries(const CCVReportItem& other);
    // Makes one entry of the entries of one transaction, where it first stood, adding the parts.
    void MergeEntries();
    // The sum of the parts.
    Amount SumOfParts() const;

  private:
    std::int32_t m_kind = kPayee;
    std::string m_name;
    RecordKey m_key;
    RecordKey m_parentKey;
    Amount m_amount = 0;
    std::vector<Entry> m_entries;
    Role m_role = kItemRow;
};
