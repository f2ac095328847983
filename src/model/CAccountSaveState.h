#pragma once

#include <cstdint>

#include "model/CCVAccountRecord.h"

class CCVAccount;

// What an account's file held when it was last written or read whole, kept so that a save can
// pass over an account whose file would not change. The file holds the record, a few view
// settings, the register and the deleted transactions, and a change shows thus:
//   - the record differs byte for byte from the copy taken then (any setter, the balances kept in
//     step with the register, a new name, a whole record assigned);
//   - the account itself is unsaved (CCVItem::IsUnsaved): the view settings of the file mark it,
//     and so may anything else that changes the file;
//   - the edit count of the register or of the deleted transactions moved (a transaction added,
//     removed, deleted or put in another order);
//   - a transaction of either list is unsaved (every setter marks it).
// Before the first Take the account counts as changed.
class CAccountSaveState {
  public:
    bool Differs(const CCVAccount& account) const;
    // Remembers the account as its file now holds it: the account and its transactions are
    // marked saved.
    void Take(CCVAccount& account);

  private:
    CCVAccountRecord m_record;
    std::uint64_t m_registerEdits = 0;
    std::uint64_t m_deletedEdits = 0;
    bool m_taken = false;
};
