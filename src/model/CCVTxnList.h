#pragma once

#include <cstdint>
#include <memory>

#include "model/CTransaction.h"
#include "storage/CCVItemList.h"

class CTxnSortOrder;

// A list of transactions: an account's register, its deleted transactions, or a borrowing list
// (find results, match candidates, the transactions of a download). The file form is the list
// file framing with CTransaction records.
class CCVTxnList : public CCVItemList {
  public:
    static constexpr std::uint16_t kListVersion = 0;
    static constexpr const char* kListName = "CTransaction";

    CCVTxnList() : CCVItemList(kListName, kListVersion) {}

    CTransaction* At(std::int64_t index) const { return static_cast<CTransaction*>(GetAt(index)); }
    CTransaction* FindById(const RecordKey& transactionId) const {
        return static_cast<CTransaction*>(FindByKey(transactionId));
    }

    // Inserts the transaction (a record not deleted) where the order puts it, found by bisection
    // and after every transaction that compares equal. 1 for null, else 0.
    int InsertInOrder(CTransaction* transaction, const CTxnSortOrder& order);

    // Puts the records not deleted in the order, keeping the order they had among equals, as
    // inserting each again in list order would. The deleted tail stays as it is.
    void Resort(const CTxnSortOrder& order);
    // Puts back in order one transaction whose sort fields changed, the others being in order:
    // where Resort would put it (among the transactions equal to it, by its former place), at the
    // cost of one bisection instead of a sort. 1 when it is not among the records not deleted.
    int Reposition(CTransaction* transaction, const CTxnSortOrder& order);

  protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return CTransaction::NewForLoading(); }
};
