#include "model/CCVCategoryList.h"

#include <cstring>
#include <string>
#include <vector>

#include "model/BuiltInKey.h"
#include "model/ListEditing.h"
#include "model/ModelText.h"
#include "storage/Coding.h"
#include "storage/RecordArchive.h"
#include "storage/Text.h"

namespace {

// Offsets in the trailer.
constexpr std::size_t kTrailerBudget = 2;
constexpr std::size_t kTrailerChanged = 10;

struct BuiltInCategory {
    std::uint16_t number;  // the key number; also the string id of its name
    res::StringId name;
    std::uint16_t parent;  // 0 for a top-level category
    std::uint16_t icon;
};

// In the order they are inserted: a parent always before its sub-categories.
constexpr BuiltInCategory kBuiltIns[] = {
    {107, res::IDS_CATEGORY_SALARY, 0, 27},
    {108, res::IDS_CATEGORY_AUTO, 0, 14},
    {109, res::IDS_CATEGORY_AUTO_FUEL, 108, 14},
    {110, res::IDS_CATEGORY_AUTO_INSURANCE, 108, 14},
    {111, res::IDS_CATEGORY_AUTO_PAYMENT, 108, 14},
    {114, res::IDS_CATEGORY_CLOTHING, 0, 29},
    {115, res::IDS_CATEGORY_DINING, 0, 54},
    {116, res::IDS_CATEGORY_EDUCATION, 0, 41},
    {117, res::IDS_CATEGORY_ENTERTAINMENT, 0, 63},
    {118, res::IDS_CATEGORY_GIFTS, 0, 53},
    {119, res::IDS_CATEGORY_GROCERIES, 0, 44},
    {120, res::IDS_CATEGORY_HOUSEHOLD, 0, 13},
    {121, res::IDS_CATEGORY_INSURANCE, 0, 34},
    {124, res::IDS_CATEGORY_MEDICAL, 0, 9},
    {127, res::IDS_CATEGORY_MISC, 0, 46},
    {129, res::IDS_CATEGORY_RECREATION, 0, 60},
    {130, res::IDS_CATEGORY_SUBSCRIPTIONS, 0, 31},
    {131, res::IDS_CATEGORY_TAX, 0, 45},
    {139, res::IDS_CATEGORY_TRAVEL, 0, 21},
    {148, res::IDS_CATEGORY_TRAVEL_GROUND, 139, 57},
    {149, res::IDS_CATEGORY_TRAVEL_AIR, 139, 16},
    {150, res::IDS_CATEGORY_TRAVEL_MEALS, 139, 54},
    {140, res::IDS_CATEGORY_UTILITIES, 0, 38},
    {141, res::IDS_CATEGORY_UTILITIES_CABLE_TV, 140, 43},
    {142, res::IDS_CATEGORY_UTILITIES_GAS, 140, 59},
    {143, res::IDS_CATEGORY_UTILITIES_ELECTRIC, 140, 30},
    {144, res::IDS_CATEGORY_UTILITIES_WATER, 140, 58},
    {138, res::IDS_CATEGORY_UTILITIES_TELEPHONE, 140, 15},
    {145, res::IDS_CATEGORY_VACATION, 0, 48},
    {146, res::IDS_CATEGORY_TRAVEL_LODGING, 139, 13},
};

bool IsTopLevel(const CCVCategoryItem* category) {
    return category->IsSubCategory() == kNo;
}

// The parent choice "None" (or none at all) stands for the top level.
bool IsNoParent(const char* parentChoice) {
    return parentChoice == nullptr ||
           LoadNarrowString(res::IDS_CATEGORY_PARENT_NONE) == parentChoice;
}

}  // namespace

CCVCategoryList::CCVCategoryList() : CCVItemList(kListName, kListVersion) {}

int CCVCategoryList::CreateDefaults() {
    for (const BuiltInCategory& b : kBuiltIns) {
        const RecordKey parent = b.parent == 0 ? RecordKey{} : BuiltInKey(b.parent);
        InsertCategory(new CCVCategoryItem(LoadNarrowString(b.name).c_str(), BuiltInKey(b.number),
                                           parent, b.icon));
    }
    return 0;
}

int CCVCategoryList::Serialize(RecordArchive& ar) {
    // Damaged records leave the trailer's place unknown: it is not read then.
    if (const int rc = CCVItemList::Serialize(ar); rc != 0) return rc;
    std::uint8_t trailer[kTrailerSize] = {};
    if (!ar.IsLoading()) {
        coding::EncodeFixed64(trailer + kTrailerBudget,
                              static_cast<std::uint64_t>(m_unassignedBudget));
        trailer[kTrailerChanged] = m_budgetChanged;
    }
    if (ar.TransferBytes(trailer, sizeof trailer) != 0) return 1;
    if (ar.IsLoading()) {
        m_unassignedBudget = static_cast<Amount>(coding::DecodeFixed64(trailer + kTrailerBudget));
        m_budgetChanged = trailer[kTrailerChanged];
    }
    return 0;
}

int CCVCategoryList::InsertCategory(CCVCategoryItem* category) {
    if (category == nullptr) return 1;
    const auto live = static_cast<std::int64_t>(Count());
    const char* name = category->GetName();
    std::int64_t position = 0;
    if (category->IsSubCategory() == kYes) {
        // Among the siblings: after the parent (from the start when it is missing), in front of
        // the next top-level category or the first sibling not below the name.
        position = IndexOfKey(category->GetParentKey()) + 1;
        while (position < live) {
            const CCVCategoryItem* other = At(position);
            if (IsTopLevel(other) || CompareNoCase(other->GetName(), name) >= 0) break;
            ++position;
        }
    } else {
        while (position < live) {
            const CCVCategoryItem* other = At(position);
            if (IsTopLevel(other) && CompareNoCase(other->GetName(), name) >= 0) break;
            ++position;
        }
        if (position == live) return Append(category);
    }
    InsertAt(position, category);
    return 0;
}

RecordKey CCVCategoryList::FindOrCreateTopLevel(const std::string& name, bool create) {
    const CCVCategoryItem* found = At(IndexOfTopLevelName(name.c_str()));
    if (found != nullptr) return *found->GetKey();
    if (!create) return {};
    auto* category = new CCVCategoryItem(name.c_str());
    InsertCategory(category);
    return *category->GetKey();
}

RecordKey CCVCategoryList::FindOrCreate(const char* path, bool create) {
    if (IsEmptyText(path)) return {};
    const char* separator = std::strchr(path, CCVCategoryItem::kPathSeparator);
    if (separator == nullptr) return FindOrCreateTopLevel(StoredName(path), create);

    const std::string parentName = StoredName(std::string(path, separator).c_str());
    const std::string childName = StoredName(separator + 1);
    if (parentName.empty() || childName.empty()) return {};
    const RecordKey parentKey = FindOrCreateTopLevel(parentName, create);
    if (parentKey.IsNull()) return {};

    const auto live = static_cast<std::int64_t>(Count());
    for (std::int64_t i = IndexOfKey(parentKey) + 1; i < live && !IsTopLevel(At(i)); ++i) {
        const CCVCategoryItem* child = At(i);
        if (child->GetParentKey() == parentKey &&
            CompareNoCase(child->GetName(), childName.c_str()) == 0) {
            return *child->GetKey();
        }
    }
    if (!create) return {};
    auto* child = new CCVCategoryItem(childName.c_str(), parentKey);
    InsertCategory(child);
    return *child->GetKey();
}

std::int64_t CCVCategoryList::IndexOfTopLevelName(const char* name) const {
    const auto live = static_cast<std::int64_t>(Count());
    for (std::int64_t i = 0; i < live; ++i) {
        const CCVCategoryItem* category = At(i);
        if (IsTopLevel(category) && CompareNoCase(category->GetName(), name) == 0) return i;
    }
    return -1;
}

const char* CCVCategoryList::NameOfKey(const RecordKey& key) const {
    const CCVItem* category = FindByKey(key);
    return category != nullptr ? category->GetName() : "";
}

YesNo CCVCategoryList::KeyExists(const RecordKey& key) const {
    return ToYesNo(IndexOfKey(key) >= 0);
}

YesNo CCVCategoryList::HasSubCategories(const RecordKey& key) const {
    if (key.IsNull()) return kNo;
    const std::int64_t index = IndexOfKey(key);
    const CCVCategoryItem* next = index < 0 ? nullptr : At(index + 1);
    return ToYesNo(next != nullptr && next->GetParentKey() == key);
}

bool CCVCategoryList::NameExists(const char* parentName, const char* name) const {
    const std::string wanted = StoredName(name);
    const std::int64_t parentIndex = IsNoParent(parentName) ? -1 : IndexOfTopLevelName(parentName);
    const auto live = static_cast<std::int64_t>(Count());
    if (parentIndex >= 0) {
        const RecordKey& parentKey = *At(parentIndex)->GetKey();
        for (std::int64_t i = 0; i < live; ++i) {
            const CCVCategoryItem* category = At(i);
            if (category->GetParentKey() == parentKey &&
                CompareNoCase(category->GetName(), wanted.c_str()) == 0) {
                return true;
            }
        }
        return false;
    }
    return IndexOfTopLevelName(wanted.c_str()) >= 0;
}

int CCVCategoryList::CompareOrder(const RecordKey& a, const RecordKey& b) const {
    const auto live = static_cast<std::int64_t>(Count());
    for (std::int64_t i = 0; i < live; ++i) {
        const RecordKey& key = *At(i)->GetKey();
        if (key == a) return -1;
        if (key == b) return 1;
    }
    return 0;
}

Amount CCVCategoryList::GetBudget(const RecordKey& key) const {
    if (key.IsNull()) return m_unassignedBudget;
    const auto* category = static_cast<const CCVCategoryItem*>(FindByKey(key));
    return category != nullptr ? category->GetBudget() : 0;
}

void CCVCategoryList::SetBudget(const RecordKey& key, Amount amount) {
    if (key.IsNull()) {
        if (amount != m_unassignedBudget) {
            m_unassignedBudget = amount;
            m_budgetChanged = 1;
        }
        return;
    }
    if (auto* category = static_cast<CCVCategoryItem*>(FindByKey(key))) category->SetBudget(amount);
}

void CCVCategoryList::Resort() {
    // Parents first, so that every sub-category finds its parent in place.
    CCVCategoryList sorted;
    sorted.SetBorrowing();
    const auto live = static_cast<std::int64_t>(Count());
    for (const bool topLevel : {true, false}) {
        for (std::int64_t i = 0; i < live; ++i) {
            if (IsTopLevel(At(i)) == topLevel) sorted.InsertCategory(At(i));
        }
    }
    std::vector<CCVItem*> deleted;
    for (std::int64_t i = live; i < static_cast<std::int64_t>(Count(true)); ++i) {
        deleted.push_back(GetAtAny(i));
    }
    Clear(true, false);
    for (std::int64_t i = 0; i < live; ++i) Append(sorted.At(i));
    sorted.Clear(true, false);
    if (OwnsRecords()) {
        for (CCVItem* record : deleted) delete record;
    }
}

// ---- Editing rules ----

EditOutcome CCVCategoryList::ResolveParent(const char* parentChoice, const CCVCategoryItem* edited,
                                           RecordKey& parentKey) {
    parentKey = RecordKey{};
    if (!IsNoParent(parentChoice)) parentKey = FindOrCreate(parentChoice, false);
    if (parentKey.IsNull()) return EditOutcome::Done();
    if (edited != nullptr && parentKey == *edited->GetKey()) {
        return EditOutcome::Refused(res::IDS_CATEGORY_OWN_PARENT);
    }
    // One level of nesting: the parent must be a top-level category, and a category that has
    // sub-categories stays at the top level.
    if (static_cast<const CCVCategoryItem*>(FindByKey(parentKey))->IsSubCategory() == kYes) {
        return EditOutcome::Refused(res::IDS_CATEGORY_PARENT_IS_SUB);
    }
    if (edited != nullptr && HasSubCategories(*edited->GetKey()) == kYes) {
        return EditOutcome::Refused(res::IDS_CATEGORY_HAS_SUBS);
    }
    return EditOutcome::Done();
}

EditOutcome CCVCategoryList::NewCategory(const char* name, const char* parentChoice,
                                         std::uint16_t icon) {
    if (IsEmptyText(name) || IsEmptyText(parentChoice)) {
        return EditOutcome::Refused(res::IDS_INVALID_NAME);
    }
    RecordKey parentKey;
    if (const EditOutcome parent = ResolveParent(parentChoice, nullptr, parentKey);
        !parent.IsDone()) {
        return parent;
    }
    if (NameExists(parentChoice, name)) return EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS);
    auto* category = new CCVCategoryItem(name, parentKey);
    category->SetIcon(icon);
    InsertCategory(category);
    return EditOutcome::Done();
}

EditOutcome CCVCategoryList::EditCategory(std::int64_t index, const char* name,
                                          const char* parentChoice, std::uint16_t icon) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    if (IsEmptyText(name) || IsEmptyText(parentChoice)) {
        return EditOutcome::Refused(res::IDS_INVALID_NAME);
    }
    CCVCategoryItem* category = At(index);
    RecordKey parentKey;
    if (const EditOutcome parent = ResolveParent(parentChoice, category, parentKey);
        !parent.IsDone()) {
        return parent;
    }
    // A category moved under another parent is tested too, even with its name unchanged: it
    // must not meet a namesake there.
    const bool moved = parentKey != category->GetParentKey();
    if ((moved || NameChanged(category->GetName(), name)) && NameExists(parentChoice, name)) {
        return EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS);
    }
    category->SetName(name);
    category->SetIcon(icon);
    category->SetParentKey(parentKey);
    Resort();
    return EditOutcome::Done();
}

EditOutcome CCVCategoryList::DeleteCategory(std::int64_t index) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    CCVCategoryItem* category = At(index);
    std::vector<CCVCategoryItem*> doomed = {category};
    if (IsTopLevel(category)) {
        const auto live = static_cast<std::int64_t>(Count());
        for (std::int64_t i = 0; i < live; ++i) {
            if (At(i)->GetParentKey() == *category->GetKey()) doomed.push_back(At(i));
        }
    }
    for (CCVCategoryItem* record : doomed) MarkDeleted(record);
    return EditOutcome::Done();
}
