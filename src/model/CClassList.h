#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/CClassItem.h"
#include "model/EditOutcome.h"
#include "storage/Amount.h"
#include "storage/CCVItemList.h"

// The classes, ascending by name (ASCII case ignored). The budget of money without a class
// (unassignedBudget) is held in memory only; the file is the plain list file framing.
class CClassList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kListName = "CClassItem";

    CClassList() : CCVItemList(kListName, kListVersion) {}

    // "Business" (key number 101) and "Personal" (102), named from the string table.
    int CreateDefaults() override;

    CClassItem* At(std::int64_t index) const { return static_cast<CClassItem*>(GetAt(index)); }

    // 1 and the class's name, or 0 and the empty text.
    int NameOfKey(const RecordKey& key, std::string& name) const;
    // 1 and the key of the class of that name (ASCII case ignored), or 0 (key unchanged).
    int KeyOfName(const char* name, RecordKey& key) const;
    // The key of the class of that name; when there is none and create is set, a new class of
    // that name (fresh key, inserted in name order). The all-zero key for an empty name or when
    // nothing is found without create. `key` receives the result too.
    RecordKey KeyForName(const char* name, RecordKey& key, bool create);

    // Budgets. The all-zero key stands for money without a class; a key that is in no class reads
    // 0 and changes nothing.
    Amount GetBudget(const RecordKey& key) const;
    void SetBudget(const RecordKey& key, Amount amount);

    // ---- Editing rules of the class screens ----
    EditOutcome NewClass(const char* name);
    // Renames the class and moves it to its place in name order.
    EditOutcome RenameClass(std::int64_t index, const char* name);
    EditOutcome DeleteClass(std::int64_t index);

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return std::make_unique<CClassItem>(); }

  private:
    Amount m_unassignedBudget = 0;
};
