#include "model/CCVPayeeLookUpList.h"

#include "model/ModelText.h"

CCVPayeeLookUpItem* CCVPayeeLookUpList::FindByBankName(const char* text) const {
    if (text == nullptr) return nullptr;
    const std::string wanted = StoredName(text);
    const auto live = static_cast<std::int64_t>(Count());
    for (std::int64_t i = 0; i < live; ++i) {
        if (wanted == At(i)->GetBankName()) return At(i);
    }
    return nullptr;
}

CCVPayeeLookUpItem* CCVPayeeLookUpList::AddLookUp(const char* bankName, const char* payeeName) {
    auto* lookUp = new CCVPayeeLookUpItem(bankName, payeeName);
    lookUp->MarkModified();
    Append(lookUp);
    return lookUp;
}
