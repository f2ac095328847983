#include "model/CNewTransaction.h"

#include <memory>

#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/ModelText.h"

void CNewTransaction::FillFromPayee(const CCVPayeeItem& payee, CTransaction& transaction) {
    if (transaction.GetCategoryId().IsNull()) {
        transaction.SetCategoryId(payee.GetCategoryKey());
        if (transaction.IsSplit()) {
            for (int line = 0; line < CTransaction::kSplitLines; ++line) {
                transaction.SetSplitLine(line, payee.GetSplitLine(line));
            }
        }
    }
    if (transaction.GetClassId().IsNull()) transaction.SetClassId(payee.GetClassKey());
    if (IsEmptyText(transaction.GetMemo())) transaction.SetMemo(payee.GetMemo());
}

EditOutcome CNewTransaction::Enter(CCVAccount& account, const Request& request) {
    m_entered = nullptr;
    m_error = 0;
    auto transaction = std::make_unique<CTransaction>();
    transaction->SetDate(WithCurrentTime(request.date));
    transaction->SetTypeId(request.typeId);
    if (transaction->CarriesCheckNumber()) transaction->SetCheckNumber(request.checkNumber);
    transaction->SetAmount(request.amount);
    transaction->SetPayeeName(request.payee.c_str());
    transaction->SetCategoryId(request.categoryId);
    if (transaction->IsSplit()) transaction->SetSplits(request.splits);
    transaction->SetClassId(request.classId);
    transaction->SetMemo(request.memo.c_str());
    transaction->SetState(request.state);

    CCVPayeeList& payees = m_accounts.GetPayees();
    const std::string payeeName = transaction->GetPayeeName();
    const CCVPayeeItem* payee = payeeName.empty() ? nullptr : payees.FindPayee(payeeName.c_str());
    if (payee != nullptr && request.payeeMemory == PayeeMemory::kFillEmptyFields) {
        FillFromPayee(*payee, *transaction);
    }
    if (const EditOutcome check = CAccountOperations::CheckNewTransaction(account, *transaction);
        !check.IsDone()) {
        return check;
    }
    if (const EditOutcome twins =
            CAccountOperations(m_accounts).CheckTwinBalances(account, *transaction);
        !twins.IsDone()) {
        return twins;
    }

    const CTransaction& added = *transaction;
    const std::uint32_t checkNumber = added.GetCheckNumber();
    if (const int rc =
            CAccountOperations(m_accounts).AddTransactionWithTwins(account, std::move(transaction));
        rc != 0) {
        m_error = rc;
        return EditOutcome::Refused(res::IDS_DATA_NOT_SAVED);
    }
    m_entered = &added;
    if (payee == nullptr && !payeeName.empty()) payees.NewPayee(payeeName.c_str());
    m_accounts.MemorizePayee(added);
    CCVAccountRecord& record = account.Record();
    if (checkNumber > record.GetLastCheckNumber()) record.SetLastCheckNumber(checkNumber);
    return EditOutcome::Done();
}
