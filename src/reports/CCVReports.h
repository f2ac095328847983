#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "reports/CCVReportItem.h"
#include "storage/CCVItemList.h"

// The rows of a report, in report order. The list owns its rows.
class CCVReports : public CCVItemList {
  public:
    static constexpr const char* kListName = "CCVReportItem";
    static constexpr std::uint16_t kListVersion = 0;

    // Where a bisection ends: the first row that does not come before the sought one, and
    // whether that row compares equal.
    struct Position {
        std::int64_t index = 0;
        bool found = false;
    };
    // <0 when the row comes before the sought one, 0 when it is the one, >0 when it comes after.
    using RowCompare = std::function<int(const CCVReportItem&)>;
    // Whether to keep a row, given the row that follows it among the rows kept so far (null for
    // the last).
    using KeepRow = std::function<bool(CCVReportItem& row, const CCVReportItem* next)>;

    CCVReports() : CCVItemList(kListName, kListVersion) {}

    CCVReportItem* At(std::int64_t index) const {
        return static_cast<CCVReportItem*>(GetAt(index));
    }

    // Bisection over the rows, which must be in the order `compare` describes.
    Position FindRow(const RowCompare& compare) const;
    // Puts the row at the index (0 = the head; Count() = the end); the list takes it.
    CCVReportItem& InsertRow(std::int64_t index, std::unique_ptr<CCVReportItem> row);
    CCVReportItem& AppendRow(std::unique_ptr<CCVReportItem> row);
    // Walks the rows from the last to the first and destroys every row `keep` refuses; the
    // others keep their order.
    void KeepRowsBackwards(const KeepRow& keep);
    // Puts the rows in the order of `before` (a strict weak order); equal rows keep their order.
    void SortStable(const std::function<bool(const CCVReportItem&, const CCVReportItem&)>& before);
    // Turns the order of the rows around.
    void Reverse();

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CCVReportItem>();
    }

  private:
    // Takes every row out of the list; the caller owns them until PutRows gives them back.
    std::vector<CCVReportItem*> TakeRows();
    void PutRows(const std::vector<CCVReportItem*>& rows);
};
