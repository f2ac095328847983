#include "model/CTransactionTypeList.h"

#include <set>

#include "model/BuiltInKey.h"
#include "model/ListEditing.h"
#include "model/ModelText.h"

namespace {

// Type numbers have 7 bytes.
constexpr std::uint64_t kMaxTypeNumber = (std::uint64_t{1} << 56) - 1;

struct BuiltInTypeEntry {
    CTransactionTypeList::BuiltInType key;
    res::StringId name;
};

constexpr BuiltInTypeEntry kBuiltIns[] = {
    {CTransactionTypeList::kTypeCheck, res::IDS_TYPE_CHECK},
    {CTransactionTypeList::kTypeWithdrawal, res::IDS_TYPE_WITHDRAWAL},
    {CTransactionTypeList::kTypeDeposit, res::IDS_TYPE_DEPOSIT},
    {CTransactionTypeList::kTypeCharge, res::IDS_TYPE_CHARGE},
    {CTransactionTypeList::kTypePayment, res::IDS_TYPE_PAYMENT},
    {CTransactionTypeList::kTypeAtm, res::IDS_TYPE_ATM},
    {CTransactionTypeList::kTypeEft, res::IDS_TYPE_EFT},
};

// A type's number: the key without its flag byte, bytes 0-5 and 7 read as one number, most
// significant byte first. Built-in types have the numbers 1 to 7.
std::uint64_t TypeNumber(const RecordKey& key) {
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < RecordKey::kSize; ++i) {
        if (i != CTransactionTypeItem::kFlagByte) number = (number << 8) | key.bytes[i];
    }
    return number;
}

RecordKey KeyOfTypeNumber(std::uint64_t number) {
    RecordKey key;
    for (std::size_t i = RecordKey::kSize; i-- > 0;) {
        if (i == CTransactionTypeItem::kFlagByte) continue;
        key.bytes[i] = static_cast<std::uint8_t>(number);
        number >>= 8;
    }
    return key;
}

}  // namespace

int CTransactionTypeList::CreateDefaults() {
    for (const BuiltInTypeEntry& b : kBuiltIns) {
        Append(new CTransactionTypeItem(LoadNarrowString(b.name).c_str(), BuiltInKey(b.key)));
    }
    return 0;
}

int CTransactionTypeList::FindKeyByName(const char* name, RecordKey& key) const {
    const CCVItem* found = FindByName(StoredName(name).c_str());
    if (found == nullptr) return 0;
    key = *found->GetKey();
    return 1;
}

const char* CTransactionTypeList::NameOfKey(const RecordKey& key) const {
    const CCVItem* found = FindByKey(key);
    return found != nullptr ? found->GetName() : "";
}

RecordKey CTransactionTypeList::NewTypeKey(bool debit) const {
    // One past the highest number in use, so that neither a flag byte nor a deleted type (which
    // old transactions may still name) can make two keys equal; after the very last number, the
    // lowest free one.
    std::set<std::uint64_t> used;
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(Count(true)); ++i) {
        used.insert(TypeNumber(*GetAtAny(i)->GetKey()));
    }
    std::uint64_t number = used.empty() ? 1 : *used.rbegin() + 1;
    if (number > kMaxTypeNumber) {
        for (number = 1; used.count(number) != 0; ++number) {
        }
    }
    RecordKey key = KeyOfTypeNumber(number);
    if (debit) key.bytes[CTransactionTypeItem::kFlagByte] = CTransactionTypeItem::kDebitFlag;
    return key;
}

// ---- Editing rules ----

EditOutcome CTransactionTypeList::NewType(const char* name, bool debit) {
    if (const EditOutcome check = CheckName(*this, nullptr, name, res::IDS_ITEM_NAME_EXISTS);
        !check.IsDone()) {
        return check;
    }
    auto* type = new CTransactionTypeItem(name, NewTypeKey(false));
    type->SetDebit(debit);
    Append(type);
    return EditOutcome::Done();
}

EditOutcome CTransactionTypeList::CheckUserType(std::int64_t index) const {
    const EditOutcome selection =
        CheckSelection(*this, index, res::IDS_TYPE_LIST_EMPTY, res::IDS_TYPE_BAD_INDEX);
    if (!selection.IsDone()) return selection;
    if (index < kBuiltInCount) return EditOutcome::Refused(res::IDS_TYPE_BUILTIN);
    return EditOutcome::Done();
}

EditOutcome CTransactionTypeList::RenameType(std::int64_t index, const char* name) {
    if (const EditOutcome check = CheckUserType(index); !check.IsDone()) return check;
    CTransactionTypeItem* type = At(index);
    if (const EditOutcome check =
            CheckName(*this, type->GetName(), name, res::IDS_ITEM_NAME_EXISTS);
        !check.IsDone()) {
        return check;
    }
    type->SetName(name);
    return EditOutcome::Done();
}

EditOutcome CTransactionTypeList::DeleteType(std::int64_t index) {
    if (const EditOutcome check = CheckUserType(index); !check.IsDone()) return check;
    MarkDeleted(At(index));
    return EditOutcome::Done();
}
