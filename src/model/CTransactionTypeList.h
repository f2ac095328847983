#pragma once

#include <cstdint>
#include <memory>

#include "model/CTransactionTypeItem.h"
#include "model/EditOutcome.h"
#include "storage/CCVItemList.h"

// The transaction types, in order of creation: the seven built-in types first (positions 0 to 6,
// which cannot be edited or deleted), then those the user added.
class CTransactionTypeList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kListName = "CTransactionType";
    static constexpr std::int64_t kBuiltInCount = 7;

    // Key bytes 6-7 of the built-in types (BuiltInKey makes the key).
    enum BuiltInType : std::uint16_t {
        kTypeCheck = 0xC001,
        kTypeWithdrawal = 0x8002,
        kTypeDeposit = 0x0003,
        kTypeCharge = 0x8004,
        kTypePayment = 0x0005,
        kTypeAtm = 0x8006,
        kTypeEft = 0x8007,
    };

    CTransactionTypeList() : CCVItemList(kListName, kListVersion) {}

    // The seven built-in types, named from the string table.
    int CreateDefaults() override;

    CTransactionTypeItem* At(std::int64_t index) const {
        return static_cast<CTransactionTypeItem*>(GetAt(index));
    }

    // 1 and the key of the first type not deleted of that name (ASCII case ignored), else 0.
    int FindKeyByName(const char* name, RecordKey& key) const;
    // The name of the first type not deleted with that key, or the empty text.
    const char* NameOfKey(const RecordKey& key) const;

    // A key for a type the user adds: never all-zero, the direction in the flag byte, and unique
    // among all types (deleted ones included) whatever their flag bytes.
    RecordKey NewTypeKey(bool debit) const;

    // ---- Editing rules of the transaction type screens ----
    // `debit` is the screen's direction choice.
    EditOutcome NewType(const char* name, bool debit);
    // Renames a type the user added (the direction stays).
    EditOutcome RenameType(std::int64_t index, const char* name);
    EditOutcome DeleteType(std::int64_t index);
    // The check before a type is edited or deleted: the selection, and the built-in types refused.
    EditOutcome CheckUserType(std::int64_t index) const;

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override {
        return std::make_unique<CTransactionTypeItem>();
    }
};
