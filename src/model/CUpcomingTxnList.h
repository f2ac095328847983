#pragma once

#include <cstdint>
#include <memory>

#include "model/CUpcomingTransItem.h"
#include "storage/CCVItemList.h"

// The occurrences of scheduled transactions up to a horizon, ascending by occurrence date. Built
// on demand and never written to a file.
class CUpcomingTxnList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kListName = "CUpcomingTxnItemItem";

    CUpcomingTxnList() : CCVItemList(kListName, kListVersion) {}

    CUpcomingTransItem* At(std::int64_t index) const {
        return static_cast<CUpcomingTransItem*>(GetAt(index));
    }

    // Takes the item and puts it before the first item whose occurrence date is the same or
    // later, so of two occurrences at the same moment the later inserted stands first.
    void InsertByDate(std::unique_ptr<CUpcomingTransItem> item);

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CUpcomingTransItem>();
    }
};
