#include "model/CClearedMark.h"

#include "model/AmountMath.h"
#include "model/CCVAccount.h"
#include "model/CTransaction.h"

namespace {

constexpr std::uint16_t kSortByClearedMark = 0;

}  // namespace

CClearedMark::Result CClearedMark::Toggle(CCVAccount& account, CTransaction& transaction) {
    const CTransaction::State state = transaction.GetState();
    if (state != CTransaction::kUncleared && state != CTransaction::kCleared) return kKept;
    const bool clearing = state == CTransaction::kUncleared;
    transaction.SetState(clearing ? CTransaction::kCleared : CTransaction::kUncleared);
    CCVAccountRecord& record = account.Record();
    const Amount signedAmount = transaction.GetSignedAmount();
    record.SetClearedBalance(clearing ? AddAmounts(record.GetClearedBalance(), signedAmount)
                                      : AddAmounts(record.GetClearedBalance(), -signedAmount));
    if (account.GetSortColumn() == kSortByClearedMark) account.Resort();
    return kToggled;
}
