#pragma once

class CCVAccount;
class CTransaction;

// The cleared mark of a register transaction, as the action key flips it in the register.
class CClearedMark {
  public:
    enum Result : int {
        kToggled = 0,
        kKept = 1,  // reconciled or void: the mark stays
    };

    // Flips uncleared and cleared, marks the transaction changed and keeps the account's cleared
    // balance in step. A register sorted by the cleared mark is sorted again, in its direction.
    static Result Toggle(CCVAccount& account, CTransaction& transaction);
};
