#include "model/CClassList.h"

#include "model/BuiltInKey.h"
#include "model/ListEditing.h"
#include "model/ModelText.h"

namespace {

constexpr std::uint16_t kBusinessNumber = 101;
constexpr std::uint16_t kPersonalNumber = 102;

}  // namespace

int CClassList::CreateDefaults() {
    Append(new CClassItem(LoadNarrowString(res::IDS_CLASS_BUSINESS).c_str(),
                          BuiltInKey(kBusinessNumber)));
    Append(new CClassItem(LoadNarrowString(res::IDS_CLASS_PERSONAL).c_str(),
                          BuiltInKey(kPersonalNumber)));
    return 0;
}

int CClassList::NameOfKey(const RecordKey& key, std::string& name) const {
    const CCVItem* found = FindByKey(key);
    name = found != nullptr ? found->GetName() : "";
    return found != nullptr ? 1 : 0;
}

int CClassList::KeyOfName(const char* name, RecordKey& key) const {
    const CCVItem* found = FindByName(StoredName(name).c_str());
    if (found == nullptr) return 0;
    key = *found->GetKey();
    return 1;
}

RecordKey CClassList::KeyForName(const char* name, RecordKey& key, bool create) {
    key = RecordKey{};
    if (IsEmptyText(name)) return key;
    if (KeyOfName(name, key) == 1 || !create) return key;
    auto* added = new CClassItem(name);
    added->MarkModified();
    InsertSorted(added);
    key = *added->GetKey();
    return key;
}

Amount CClassList::GetBudget(const RecordKey& key) const {
    if (key.IsNull()) return m_unassignedBudget;
    const auto* found = static_cast<const CClassItem*>(FindByKey(key));
    return found != nullptr ? found->GetBudget() : 0;
}

void CClassList::SetBudget(const RecordKey& key, Amount amount) {
    if (key.IsNull()) {
        m_unassignedBudget = amount;
    } else if (auto* found = static_cast<CClassItem*>(FindByKey(key))) {
        found->SetBudget(amount);
    }
}

EditOutcome CClassList::NewClass(const char* name) {
    return NewInNameOrder<CClassItem>(*this, name, res::IDS_CLASS_NAME_EXISTS);
}

EditOutcome CClassList::RenameClass(std::int64_t index, const char* name) {
    return RenameInNameOrder<CClassItem>(*this, index, name, res::IDS_CLASS_NAME_EXISTS);
}

EditOutcome CClassList::DeleteClass(std::int64_t index) {
    return DeleteSelected(*this, index);
}
