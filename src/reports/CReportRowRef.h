#pragma once

#include <cstdint>
#include <string>

#include "reports/CCVReportItem.h"
#include "storage/RecordKey.h"

class CCVReports;

// What names a report row across builds of the report: its kind and role, the category, class or
// account of an item row, the category of a total row, or the payee of a payee row. A report
// built again after the registers changed finds the row by it, or finds that it is gone.
struct CReportRowRef {
    std::int32_t kind = CCVReportItem::kPayee;
    CCVReportItem::Role role = CCVReportItem::kItemRow;
    RecordKey key;
    RecordKey parentKey;
    std::string name;

    static CReportRowRef Of(const CCVReportItem& row);
    bool Matches(const CCVReportItem& row) const;
    // The index of the row in the report, or -1 when it has none.
    std::int64_t FindIn(const CCVReports& rows) const;
};
