#include "model/CCVPayeeList.h"

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
    if (const EditOutcome check = CheckName(*this, nullptr, name, res::IDS_PAYEE_NAME_EXISTS);
        !check.IsDone()) {
        return check;
    }
    auto* payee = new CCVPayeeItem(name);
    payee->MarkModified();
    AddPayee(payee);
    return EditOutcome::Done();
}

EditOutcome CCVPayeeList::RenamePayee(std::int64_t index, const char* name) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    CCVPayeeItem* payee = At(index);
    if (const EditOutcome check =
            CheckName(*this, payee->GetName(), name, res::IDS_PAYEE_NAME_EXISTS);
        !check.IsDone()) {
        return check;
    }
    // Keep the list in name order: a renamed payee moves to its new place.
    Remove(payee);
    payee->SetName(name);
    AddPayee(payee);
    return EditOutcome::Done();
}

EditOutcome CCVPayeeList::DeletePayee(std::int64_t index) {
    if (const EditOutcome selection = CheckSelection(*this, index); !selection.IsDone()) {
        return selection;
    }
    DeletePayeeAt(index);
    return EditOutcome::Done();
}
