#include "model/CCVPayeeList.h"

#include "model/ListEditing.h"
#include "model/ModelText.h"

int CCVPayeeList::DeletePayeeAt(std::int64_t index) {
    CCVItem* payee = GetAt(index);
    return payee == nullptr ? 1 : MarkDeleted(payee);
}

Amount CCVPayeeList::GetBudgetByName(const char* name) const {
    const CCVPayeeItem* payee = FindPayee(StoredName(name).c_str());
    return payee != nullptr ? payee->GetBudget() : 0;
}

int CCVPayeeList::SetBudgetByName(const char* name, Amount amount) {
    if (IsEmptyText(name)) return 1;
    CCVPayeeItem* payee = FindPayee(StoredName(name).c_str());
    if (payee == nullptr) {
        payee = new CCVPayeeItem(name);
        AddPayee(payee);
    }
    payee->SetBudget(amount);
    return 0;
}

EditOutcome CCVPayeeList::NewPayee(const char* name) {
    return NewInNameOrder<CCVPayeeItem>(*this, name, res::IDS_PAYEE_NAME_EXISTS);
}

EditOutcome CCVPayeeList::RenamePayee(std::int64_t index, const char* name) {
    return RenameInNameOrder<CCVPayeeItem>(*this, index, name, res::IDS_PAYEE_NAME_EXISTS);
}

EditOutcome CCVPayeeList::DeletePayee(std::int64_t index) {
    return DeleteSelected(*this, index);
}
