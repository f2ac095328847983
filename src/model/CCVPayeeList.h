#pragma once

#include <cstdint>
#include <memory>

#include "model/CCVPayeeItem.h"
#include "model/EditOutcome.h"
#include "storage/Amount.h"
#include "storage/CCVItemList.h"

// The payees, ascending by name (ASCII case ignored). There are no built-in payees, so the file of
// a fresh list is its two count bytes.
class CCVPayeeList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0x0100;
    static constexpr const char* kListName = "CPayeeItem";

    CCVPayeeList() : CCVItemList(kListName, kListVersion) {}

    CCVPayeeItem* At(std::int64_t index) const { return static_cast<CCVPayeeItem*>(GetAt(index)); }
    // The payee of that name (ASCII case ignored), or null.
    CCVPayeeItem* FindPayee(const char* name) const {
        return static_cast<CCVPayeeItem*>(FindByName(name));
    }

    // Inserts in name order (the list takes the payee). 1 for null, else 0.
    int AddPayee(CCVPayeeItem* payee) { return InsertSorted(payee); }
    // Marks the payee at that position deleted; 1 when there is none.
    int DeletePayeeAt(std::int64_t index);

    // The budget of the payee of that name, or 0.
    Amount GetBudgetByName(const char* name) const;
    // Sets the budget of the payee of that name, adding the payee when there is none. 1 (nothing
    // changed) for an empty name, else 0.
    int SetBudgetByName(const char* name, Amount amount);

    // ---- Editing rules of the payee screens ----
    EditOutcome NewPayee(const char* name);
    // Renames the payee and moves it to its place in name order.
    EditOutcome RenamePayee(std::int64_t index, const char* name);
    EditOutcome DeletePayee(std::int64_t index);

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return std::make_unique<CCVPayeeItem>(); }
};
