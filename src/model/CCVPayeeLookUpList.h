#pragma once

#include <cstdint>
#include <memory>

#include "model/CCVPayeeLookUpItem.h"
#include "storage/CCVItemList.h"

// The payee look-ups of statement download, in order of creation. No built-in records.
class CCVPayeeLookUpList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0x0100;
    static constexpr const char* kListName = "CPayeeLookupItem";

    CCVPayeeLookUpList() : CCVItemList(kListName, kListVersion) {}

    CCVPayeeLookUpItem* At(std::int64_t index) const {
        return static_cast<CCVPayeeLookUpItem*>(GetAt(index));
    }

    // The first look-up not deleted whose bank text equals the text exactly (letter case counts),
    // or null. The text is compared as the look-up stores it (its first 32 characters), so a
    // longer bank text finds the look-up made from it.
    CCVPayeeLookUpItem* FindByBankName(const char* text) const;
    // Appends a new look-up with a fresh key and returns it.
    CCVPayeeLookUpItem* AddLookUp(const char* bankName, const char* payeeName);
    // The payee name of a look-up; the empty text for null.
    static const char* GetPayeeName(const CCVPayeeLookUpItem* record) {
        return record != nullptr ? record->GetPayeeName() : "";
    }

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CCVPayeeLookUpItem>();
    }
};
