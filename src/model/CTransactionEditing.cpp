#include "model/CTransactionEditing.h"

#include <cstdlib>
#include <memory>

#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/CNewTransaction.h"
#include "model/TypedAmount.h"
#include "resources/ScreenIds.h"

namespace {

// The time of day of `time` on the calendar day of `day`.
DateTime OnDay(DateTime day, DateTime time) {
    DateParts parts = DateToParts(day);
    const DateParts clock = DateToParts(time);
    parts.hour = clock.hour;
    parts.minute = clock.minute;
    parts.second = clock.second;
    return PartsToDate(parts);
}

std::uint32_t ReadCheckNumber(const std::string& text) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < text.size() && i < CTransactionEditing::kCheckNumberDigits; ++i) {
        const char ch = text[i];
        if (ch < '0' || ch > '9') break;
        number = number * 10 + static_cast<std::uint32_t>(ch - '0');
    }
    return number;
}

}  // namespace

EditOutcome CTransactionEditing::ReadAmount(const std::string& text, Amount& amount) {
    Amount value = 0;
    if (const EditOutcome read = ReadEnteredAmount(text, AmountEntry::kRequired, value);
        !read.IsDone()) {
        return read;
    }
    if (value < 0) return EditOutcome::Refused(res::IDS_EDITOR_NEGATIVE_AMOUNT);
    amount = value;
    return EditOutcome::Done();
}

EditOutcome CTransactionEditing::ReadFields(const Fields& fields, CTransaction& working) const {
    Amount amount = 0;
    if (const EditOutcome read = ReadAmount(fields.amount, amount); !read.IsDone()) return read;
    working.SetAmount(amount);
    working.SetDate(OnDay(fields.date, working.GetDate() != 0 ? working.GetDate() : Now()));
    if (!fields.payeeIsAction) working.SetPayeeName(fields.payee.c_str());
    if (!fields.categoryIsAction) {
        working.SetCategoryId(m_accounts.GetCategoryId(fields.category.c_str()));
    }
    working.SetTypeId(fields.typeId);
    if (!fields.classIsAction) {
        RecordKey classId;
        if (fields.className.empty() ||
            m_accounts.GetClasses().KeyOfName(fields.className.c_str(), classId) == 0) {
            classId = RecordKey();
        }
        working.SetClassId(classId);
    }
    if (working.GetState() != fields.state) working.SetState(fields.state);
    working.SetCheckNumber(working.CarriesCheckNumber() ? ReadCheckNumber(fields.checkNumber) : 0);
    return EditOutcome::Done();
}

bool CTransactionEditing::PayeeMayFill(const std::string& amountText) {
    std::size_t at = 0;
    while (at < amountText.size() && amountText[at] == ' ') ++at;
    if (at < amountText.size() && amountText[at] == '-') ++at;
    for (; at < amountText.size(); ++at) {
        const char ch = amountText[at];
        if (ch == '.') break;
        if (ch >= '1' && ch <= '9') return false;
    }
    return true;
}

bool CTransactionEditing::FillFromPayee(const std::string& payee,
                                        PayeeMemoryFields& working) const {
    const CCVPayeeItem* item =
        payee.empty() ? nullptr : m_accounts.GetPayees().FindPayee(payee.c_str());
    if (item == nullptr) return false;
    item->ApplyToTransaction(working);
    return true;
}

EditOutcome CTransactionEditing::Failed(int code) {
    m_error = code;
    return EditOutcome::Refused(res::IDS_DATA_NOT_SAVED);
}

void CTransactionEditing::RememberPayee(const CTransaction& transaction) {
    const std::string name = transaction.GetPayeeName();
    if (name.empty()) return;
    CCVPayeeList& payees = m_accounts.GetPayees();
    if (payees.FindPayee(name.c_str()) == nullptr) payees.NewPayee(name.c_str());
    m_accounts.MemorizePayee(transaction);
}

EditOutcome CTransactionEditing::SaveNew(CCVAccount& target, const CTransaction& working) {
    m_error = 0;
    CNewTransaction::Request request;
    request.date = working.GetDate();
    request.typeId = working.GetTypeId();
    request.checkNumber = working.GetCheckNumber();
    request.payee = working.GetPayeeName();
    request.categoryId = working.GetCategoryId();
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        request.splits[static_cast<std::size_t>(line)] = working.GetSplit(line);
    }
    request.classId = working.GetClassId();
    request.memo = working.GetMemo();
    request.amount = working.GetAmount();
    request.state = working.GetState();
    request.payeeMemory = CNewTransaction::PayeeMemory::kAsEntered;
    CNewTransaction entering(m_accounts);
    const EditOutcome outcome = entering.Enter(target, request);
    m_error = entering.Error();
    return outcome;
}

EditOutcome CTransactionEditing::SaveEdit(CCVAccount& account, CTransaction& stored,
                                          const CTransaction& working, CCVAccount* target,
                                          EditMode mode, bool confirmed) {
    m_error = 0;
    if (const EditOutcome locked = CAccountOperations::CheckEditTransaction(stored);
        !locked.IsDone()) {
        return locked;
    }
    CAccountOperations operations(m_accounts);
    if (mode == EditMode::kRegister && target != nullptr && target != &account) {
        if (const EditOutcome check = CAccountOperations::CheckNewTransaction(*target, working);
            !check.IsDone()) {
            return check;
        }
        // A copy with an identifier of its own and no links: its twins are made afresh.
        auto copy = std::make_unique<CTransaction>(working, working.GetDate());
        copy->SetDate(working.GetDate());
        copy->SetLinkedTransactionId(RecordKey());
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (copy->SplitLineInUse(line)) copy->SetSplitLinkedTransactionId(line, RecordKey());
        }
        const CTransaction& added = *copy;
        if (const int rc = operations.AddTransactionWithTwins(*target, std::move(copy)); rc != 0) {
            return Failed(rc);
        }
        RememberPayee(added);
        // The original goes only now that its copy is in the other account.
        if (const int rc = operations.DeleteTransactionWithTwins(account, stored, false); rc != 0) {
            return Failed(rc);
        }
        return EditOutcome::Done();
    }
    if (const EditOutcome check = CAccountOperations::CheckNewTransaction(account, working);
        !check.IsDone()) {
        return check;
    }
    if (mode == EditMode::kRegister && !confirmed && stored.IsReconciled() &&
        (working.GetState() != stored.GetState() || working.GetAmount() != stored.GetAmount() ||
         working.GetTypeId() != stored.GetTypeId())) {
        return EditOutcome::Ask(res::IDS_RECONCILED_EDIT_QUESTION);
    }
    if (const int rc = operations.UpdateTransactionWithTwins(account, stored, working); rc != 0) {
        return Failed(rc);
    }
    RememberPayee(stored);
    return EditOutcome::Done();
}

EditOutcome CTransactionEditing::CheckRemove(const CTransaction& stored, bool keepBalance) {
    return CAccountOperations::CheckDeleteTransaction(stored, keepBalance);
}

EditOutcome CTransactionEditing::Remove(CCVAccount& account, const CTransaction& stored,
                                        bool keepBalance) {
    m_error = 0;
    if (stored.IsSplitTransferTwin()) return EditOutcome::Refused(res::IDS_SPLIT_TWIN_LOCKED);
    if (const int rc =
            CAccountOperations(m_accounts).DeleteTransactionWithTwins(account, stored, keepBalance);
        rc != 0) {
        return Failed(rc);
    }
    return EditOutcome::Done();
}
