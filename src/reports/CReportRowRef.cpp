#include "reports/CReportRowRef.h"

#include "reports/CCVReports.h"
#include "storage/Text.h"

CReportRowRef CReportRowRef::Of(const CCVReportItem& row) {
    return CReportRowRef{row.GetKind(), row.GetRole(), *row.GetKey(), row.GetParentKey(),
                         row.Name()};
}

bool CReportRowRef::Matches(const CCVReportItem& row) const {
    if (row.GetKind() != kind || row.GetRole() != role) return false;
    switch (role) {
        case CCVReportItem::kTotalRow:
            return row.GetParentKey() == parentKey;
        case CCVReportItem::kItemRow:
            // Payee rows have no key: the payee is its name, whatever the case of its letters.
            return kind == CCVReportItem::kPayee ? CompareNoCase(row.GetName(), name.c_str()) == 0
                                                 : *row.GetKey() == key;
        default:  // "<Unassigned>" and "Other": one of each at most
            return true;
    }
}

std::int64_t CReportRowRef::FindIn(const CCVReports& rows) const {
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(rows.Count()); ++i) {
        if (Matches(*rows.At(i))) return i;
    }
    return -1;
}
