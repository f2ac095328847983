#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <unordered_map>

#include "storage/RecordKey.h"

class CCVAccountList;
class CCVReportItem;
class CTransaction;

// The order a report keeps its rows in while transactions are added, so that the row of a
// transaction (or of a split line) is found by bisection:
//
//   by payee      payees by name, ASCII case ignored; then the "<Unassigned>" row (no payee)
//   by category   categories in the category list's order; "<Unassigned>"; then the other
//                 accounts of transfers, in the account list's order
//   by class      classes in the class list's order (by name); then "<Unassigned>"
//
// A category or class that is in no list (one deleted since) counts as none and goes to
// "<Unassigned>", so every key has exactly one place and no row is ever made twice.
class CReportRowOrder {
  public:
    // Where a row, or the row a transaction belongs in, stands.
    struct Place {
        std::int64_t rank = 0;
        const char* name = nullptr;  // by payee, for rank kNamed only
        bool unassigned = false;
    };

    CReportRowOrder(CCVAccountList& accounts, int by);

    // The place of the transaction's payee, or of the category or class of the transaction or of
    // split line `splitIndex` (CCVReportItem::kWholeTransaction for the whole transaction).
    Place PlaceOf(const CTransaction& transaction, std::uint8_t splitIndex) const;
    // The place of "<Unassigned>".
    Place UnassignedPlace() const { return {m_unassignedRank, nullptr, true}; }
    // <0 when the row stands before the place, 0 when it is its row, >0 when it stands after.
    int Compare(const CCVReportItem& row, const Place& place) const;

  private:
    struct KeyHash {
        std::size_t operator()(const RecordKey& key) const {
            std::uint64_t value = 0;
            std::memcpy(&value, key.bytes.data(), sizeof value);
            return std::hash<std::uint64_t>{}(value);
        }
    };

    static constexpr std::int64_t kNamed = 0;

    Place PlaceOfKey(const RecordKey& key) const;
    Place PlaceOfRow(const CCVReportItem& row) const;

    int m_by;
    std::int64_t m_unassignedRank = 0;
    std::unordered_map<RecordKey, std::int64_t, KeyHash> m_ranks;
};
