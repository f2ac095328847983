#pragma once

#include <cstdint>
#include <memory>

#include "model/CCVCategoryItem.h"
#include "model/EditOutcome.h"
#include "model/YesNo.h"
#include "storage/Amount.h"
#include "storage/CCVItemList.h"

// The categories: a two-level tree kept in display order. Every top-level category is followed
// directly by its own sub-categories; top-level categories ascend by name, and so do the
// sub-categories of each (ASCII case ignored).
//
// File: the list file framing, then always (also for an empty list) a 19-byte trailer:
//   offset  size  field
//   0       2     zero
//   2       8     unassignedBudget (Amount): the budget of money without a category
//   10      1     budgetChanged
//   11      8     zero
class CCVCategoryList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0x0100;
    static constexpr const char* kListName = "CCategoryItem";
    static constexpr std::size_t kTrailerSize = 19;

    CCVCategoryList();

    // The 30 built-in categories, named from the string table.
    int CreateDefaults() override;
    // The framing, then the trailer. Load: 1 when the records or the trailer are damaged; the
    // records before the damage are kept, and a damaged trailer leaves the budget fields as they
    // were.
    int Serialize(RecordArchive& ar) override;

    CCVCategoryItem* At(std::int64_t index) const {
        return static_cast<CCVCategoryItem*>(GetAt(index));
    }

    // Places the category (the list takes it) where the order needs it. A sub-category goes among
    // its siblings (from the start of the list when its parent is missing). 1 for null, else 0.
    int InsertCategory(CCVCategoryItem* category);

    // The key of the category a path names: "name" for a top-level category, "parent:name" for a
    // sub-category (the part after the first ':' is the sub-category's name and may hold ':').
    // With create set, a missing parent and a missing sub-category are made and inserted. The
    // all-zero key for a missing or empty path, an empty part, or nothing found without create.
    RecordKey FindOrCreate(const char* path, bool create);

    // Position among the records not deleted of the top-level category of that name, or -1.
    std::int64_t IndexOfTopLevelName(const char* name) const;
    // The category's name, or the empty text.
    const char* NameOfKey(const RecordKey& key) const;
    YesNo KeyExists(const RecordKey& key) const;
    // Yes when the record right after the category is one of its sub-categories.
    YesNo HasSubCategories(const RecordKey& key) const;
    // With a parent name other than "None" that names a top-level category: whether that parent
    // has a sub-category of this name; otherwise whether a top-level category has it.
    bool NameExists(const char* parentName, const char* name) const;
    // -1 when a comes first in list order, 1 when b does, 0 when neither is in the list.
    int CompareOrder(const RecordKey& a, const RecordKey& b) const;

    // Budgets. The all-zero key stands for money without a category (unassignedBudget); a key
    // that is in no record reads 0 and changes nothing.
    Amount GetBudget(const RecordKey& key) const;
    void SetBudget(const RecordKey& key, Amount amount);
    Amount GetUnassignedBudget() const { return m_unassignedBudget; }
    bool BudgetChanged() const { return m_budgetChanged != 0; }

    // Rebuilds the order from scratch (after a rename or a new parent). Records marked deleted
    // leave the list and are destroyed.
    void Resort();

    // ---- Editing rules of the category screens ----
    // `parentChoice` is "None" for a top-level category or the name of the parent.
    EditOutcome NewCategory(const char* name, const char* parentChoice, std::uint16_t icon);
    EditOutcome EditCategory(std::int64_t index, const char* name, const char* parentChoice,
                             std::uint16_t icon);
    // Deletes the category and, for a top-level category, its sub-categories with it.
    EditOutcome DeleteCategory(std::int64_t index);

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CCVCategoryItem>();
    }

  private:
    RecordKey FindOrCreateTopLevel(const std::string& name, bool create);
    EditOutcome ResolveParent(const char* parentChoice, const CCVCategoryItem* edited,
                              RecordKey& parentKey);

    Amount m_unassignedBudget = 0;
    std::uint8_t m_budgetChanged = 0;
};
