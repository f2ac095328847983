#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "resources/StringIds.h"
#include "storage/RecordKey.h"

class CCVCategoryText;
class CClassList;
class CTransaction;

// The order of a register: a column names a sequence of keys, and two transactions compare key
// by key until one differs; a descending order negates the whole comparison.
//
//   column        keys in order
//   0 Check       state, date, type, payee, amount
//   1 Icon        category, payee, amount, state, date, type
//   2 Date        date, type, payee, amount, state
//   3 Type        type, payee, amount, state, date
//   4 Payee       payee, amount, state, date, type
//   5 Category    category, payee, amount, state, date, type
//   6 Class       class, payee, amount, state, date, type, category
//   7 Memo        memo, date, type, payee, amount
//   8 Amount      amount, state, date, type, payee
// Keys: state reconciled < cleared < uncleared < void; date earlier first; type by check number
// when both types carry one, else by type key bytes; payee and memo by text, ASCII case ignored;
// amount by signed amount; category: a named category or account < none < split, two named ones
// by their register text (case ignored); class: a named class < none, two by class name.
// A column outside 0-8 orders as the date column.
//
// Category texts and class names are looked up once per order object, so build one per
// operation: the names must not change while it is in use.
class CTxnSortOrder {
  public:
    enum Column : int {
        kColumnCheck = 0,
        kColumnIcon = 1,
        kColumnDate = 2,
        kColumnType = 3,
        kColumnPayee = 4,
        kColumnCategory = 5,
        kColumnClass = 6,
        kColumnMemo = 7,
        kColumnAmount = 8,
        kColumnCount = 9,
    };

    // The name of the column in the register's "Sort By" list; IDS_NONE outside 0-8.
    static res::StringId ColumnNameId(int column);

    // Without a category text or class list every named category (class) compares equal.
    CTxnSortOrder(int column, bool ascending, const CCVCategoryText* categoryText = nullptr,
                  const CClassList* classes = nullptr);

    // <0 when a goes before b, 0 when they are equal, >0 when a goes after b.
    int Compare(const CTransaction& a, const CTransaction& b) const;
    bool Before(const CTransaction& a, const CTransaction& b) const { return Compare(a, b) < 0; }

    // Puts the transactions in this order; equal ones keep their order, as inserting each in turn
    // after its equals would. The same comparison as Compare, on keys read once per transaction.
    void StableSort(std::vector<CTransaction*>& transactions) const;

  private:
    enum Key : std::uint8_t { kState, kDate, kType, kPayee, kAmount, kCategory, kClass, kMemo };
    static constexpr std::size_t kKeyCount = 8;
    struct SortValues;

    static const std::vector<Key>& KeysOf(int column);
    int CompareKey(Key key, const CTransaction& a, const CTransaction& b) const;
    int CompareValues(const SortValues& a, const SortValues& b) const;
    // For each transaction, its key as a number that orders as the key does.
    std::vector<std::int64_t> Project(Key key,
                                      const std::vector<CTransaction*>& transactions) const;
    int CompareCategory(const RecordKey& a, const RecordKey& b) const;
    int CompareClass(const RecordKey& a, const RecordKey& b) const;
    const std::string& CategoryText(const RecordKey& key) const;
    const std::string& ClassName(const RecordKey& key) const;

    int m_column;
    bool m_ascending;
    const CCVCategoryText* m_categoryText;
    const CClassList* m_classes;
    mutable std::map<RecordKey, std::string> m_categoryTexts;
    mutable std::map<RecordKey, std::string> m_classNames;
};
