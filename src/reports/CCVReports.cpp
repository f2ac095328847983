#include "reports/CCVReports.h"

#include <algorithm>

CCVReports::Position CCVReports::FindRow(const RowCompare& compare) const {
    std::int64_t low = 0;
    std::int64_t high = Count();
    while (low < high) {
        const std::int64_t middle = low + (high - low) / 2;
        const int order = compare(*At(middle));
        if (order == 0) return {middle, true};
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return {low, false};
}

CCVReportItem& CCVReports::InsertRow(std::int64_t index, std::unique_ptr<CCVReportItem> row) {
    CCVReportItem& inserted = *row;
    if (index >= static_cast<std::int64_t>(Count())) {
        Append(row.release());
    } else {
        InsertAt(index, row.release());
    }
    return inserted;
}

CCVReportItem& CCVReports::AppendRow(std::unique_ptr<CCVReportItem> row) {
    CCVReportItem& appended = *row;
    Append(row.release());
    return appended;
}

std::vector<CCVReportItem*> CCVReports::TakeRows() {
    std::vector<CCVReportItem*> rows;
    rows.reserve(Count());
    for (std::uint32_t i = 0; i < Count(); ++i) rows.push_back(At(i));
    Clear(true, false);
    return rows;
}

void CCVReports::PutRows(const std::vector<CCVReportItem*>& rows) {
    for (CCVReportItem* row : rows) Append(row);
}

void CCVReports::KeepRowsBackwards(const KeepRow& keep) {
    std::vector<std::unique_ptr<CCVReportItem>> rows;
    for (CCVReportItem* row : TakeRows()) rows.emplace_back(row);
    std::vector<CCVReportItem*> kept;  // from the last row to the first
    for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
        const CCVReportItem* next = kept.empty() ? nullptr : kept.back();
        if (keep(**it, next)) kept.push_back(it->release());
    }
    std::reverse(kept.begin(), kept.end());
    PutRows(kept);
}

void CCVReports::SortStable(
    const std::function<bool(const CCVReportItem&, const CCVReportItem&)>& before) {
    std::vector<CCVReportItem*> rows = TakeRows();
    std::stable_sort(rows.begin(), rows.end(), [&](const CCVReportItem* a, const CCVReportItem* b) {
        return before(*a, *b);
    });
    PutRows(rows);
}

void CCVReports::Reverse() {
    std::vector<CCVReportItem*> rows = TakeRows();
    std::reverse(rows.begin(), rows.end());
    PutRows(rows);
}
