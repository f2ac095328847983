#include "model/CReconcile.h"

#include <memory>

#include "model/AmountMath.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CTransactionTypeList.h"
#include "resources/StringTable.h"

namespace {

constexpr const char* kAdjustmentPayee = "Reconcile Adjustment";
constexpr std::wstring_view kAmountField = L"%s";
constexpr std::uint16_t kMonthsPerYear = 12;

}  // namespace

int CReconcile::GetStatementDefaults(StatementDefaults& defaults) const {
    const CCVAccountRecord& record = m_account.Record();
    if (record.GetStatementDate() != 0) {
        defaults = {record.GetStatementBeginningBalance(), record.GetStatementEndingBalance(),
                    record.GetStatementDate()};
        return kUnderWay;
    }
    const bool reconciledBefore = record.GetLastStatementDate() != 0;
    defaults.beginningBalance =
        reconciledBefore ? record.GetLastStatementEndingBalance() : record.GetBeginningBalance();
    defaults.endingBalance = record.GetCurrentBalance();
    defaults.date = GetNextStatementDate();
    return reconciledBefore ? kFromLastStatement : kFromAccount;
}

DateTime CReconcile::GetNextStatementDate() const {
    const DateTime last = m_account.Record().GetLastStatementDate();
    if (last == 0) return Now();
    DateParts parts = DateToParts(last);
    if (parts.month == kMonthsPerYear) {
        parts.month = 1;
        ++parts.year;
    } else {
        ++parts.month;
    }
    return PartsToDate(parts);  // a day past the month's end becomes its last day
}

void CReconcile::SetStatementBeginningBalance(Amount amount) {
    m_account.Record().SetStatementBeginningBalance(amount);
}

void CReconcile::SetStatementEndingBalance(Amount amount) {
    m_account.Record().SetStatementEndingBalance(amount);
}

void CReconcile::SetStatementDate(DateTime date) {
    m_account.Record().SetStatementDate(date);
}

bool CReconcile::InList(const CTransaction& transaction) const {
    return transaction.MatchesFilter(CTransaction::kFilterUnreconciled) &&
           transaction.GetDate() < m_account.Record().GetStatementDate();
}

std::uint32_t CReconcile::CountUnreconciledBefore() const {
    std::uint32_t count = 0;
    const CCVTxnList& transactions = m_account.Transactions();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(transactions.Count()); ++i) {
        if (InList(*transactions.At(i))) ++count;
    }
    return count;
}

CTransaction* CReconcile::GetUnreconciledBefore(std::int64_t index) const {
    if (index < 0) return nullptr;
    const CCVTxnList& transactions = m_account.Transactions();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(transactions.Count()); ++i) {
        CTransaction* t = transactions.At(i);
        if (InList(*t) && index-- == 0) return t;
    }
    return nullptr;
}

int CReconcile::SetReconcileMark(std::int64_t index, bool marked) {
    CTransaction* t = GetUnreconciledBefore(index);
    if (t == nullptr) return 1;
    t->SetReconcileMark(marked);
    return 0;
}

void CReconcile::SetAllReconcileMarks(bool marked) {
    const CCVTxnList& transactions = m_account.Transactions();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(transactions.Count()); ++i) {
        CTransaction* t = transactions.At(i);
        if (InList(*t)) t->SetReconcileMark(marked);
    }
}

Amount CReconcile::GetMarkedDifference() const {
    const CCVAccountRecord& record = m_account.Record();
    Amount difference =
        SubtractAmounts(record.GetStatementBeginningBalance(), record.GetStatementEndingBalance());
    const CCVTxnList& transactions = m_account.Transactions();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(transactions.Count()); ++i) {
        const CTransaction& t = *transactions.At(i);
        if (InList(t) && t.GetReconcileMark()) {
            difference = AddAmounts(difference, t.GetSignedAmount());
        }
    }
    return difference;
}

res::StringId CReconcile::FinishMessage(Amount difference) {
    return difference == 0 ? res::IDS_RECONCILED : res::IDS_RECONCILE_OFF_ASK;
}

res::StringId CReconcile::AdjustmentConfirmation(bool createAdjustment) {
    return createAdjustment ? res::IDS_RECONCILE_OFF_ADJUST : res::IDS_RECONCILE_OFF_NO_ADJUST;
}

std::wstring CReconcile::MessageText(res::StringId message, Amount difference) {
    std::wstring text(res::LoadString(message));
    const std::string amount = FormatAmount(difference);
    const std::size_t at = text.find(kAmountField);
    if (at != std::wstring::npos) {
        text.replace(at, kAmountField.size(), std::wstring(amount.begin(), amount.end()));
    }
    return text;
}

int CReconcile::AddReconcileAdjustment(Amount difference) {
    auto adjustment = std::make_unique<CTransaction>();
    adjustment->SetPayeeName(kAdjustmentPayee);
    adjustment->SetDate(Now());
    adjustment->SetState(CTransaction::kReconciled);
    if (difference > 0) {
        adjustment->SetAmount(difference);
        adjustment->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeWithdrawal));
    } else {
        adjustment->SetAmount(NegateAmount(difference));
        adjustment->SetTypeId(BuiltInKey(CTransactionTypeList::kTypeDeposit));
    }
    return m_account.AddTransaction(std::move(adjustment));
}

void CReconcile::FinishReconcile() {
    const CCVTxnList& transactions = m_account.Transactions();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(transactions.Count()); ++i) {
        CTransaction* t = transactions.At(i);
        if (t->GetReconcileMark()) t->SetReconciled();
    }
    // Marked uncleared transactions now count in the cleared balance.
    m_account.RecomputeBalances();
    CCVAccountRecord& record = m_account.Record();
    record.SetLastStatementEndingBalance(record.GetStatementEndingBalance());
    record.SetLastStatementDate(record.GetStatementDate());
    record.SetStatementBeginningBalance(0);
    record.SetStatementEndingBalance(0);
    record.SetStatementDate(0);
}
