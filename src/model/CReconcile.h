#pragma once

#include <cstdint>
#include <string>

#include "resources/StringIds.h"
#include "storage/Amount.h"
#include "storage/DateTime.h"

class CCVAccount;
class CTransaction;

// Reconciling an account against a bank statement. The statement under way lives in the
// account's record (beginning balance, ending balance, closing date; a date of 0 means none):
//
//   set-up     GetStatementDefaults fills the screen; the statement setters store what the user
//              entered (beginning balance, ending balance, then the date). A balance text that
//              is not an amount is refused by the screen's amount check ("Enter a valid
//              amount."), for the ending balance followed by IDS_ENDING_BALANCE_INVALID
//   list       the uncleared and cleared transactions dated before the closing date, in register
//              order; the user marks them (SetReconcileMark)
//   finishing  GetMarkedDifference; FinishMessage says what to show; with the user's choice
//              AddReconcileAdjustment, then FinishReconcile
class CReconcile {
  public:
    // What GetStatementDefaults found.
    enum DefaultsSource : int {
        kFromAccount = 0,        // never reconciled: beginning and current balance
        kUnderWay = 1,           // the statement under way
        kFromLastStatement = 2,  // the last statement's ending balance and the current balance
    };
    struct StatementDefaults {
        Amount beginningBalance = 0;
        Amount endingBalance = 0;
        DateTime date = 0;
    };

    explicit CReconcile(CCVAccount& account) : m_account(account) {}

    // The values of the set-up screen; answers their DefaultsSource.
    int GetStatementDefaults(StatementDefaults& defaults) const;
    // Now when the account was never reconciled; otherwise the last statement's date one month
    // later at the same time, on the month's last day when the day does not exist there.
    DateTime GetNextStatementDate() const;

    void SetStatementBeginningBalance(Amount amount);
    void SetStatementEndingBalance(Amount amount);
    void SetStatementDate(DateTime date);

    // The reconcile list: the uncleared and cleared transactions dated before the statement date.
    std::uint32_t CountUnreconciledBefore() const;
    CTransaction* GetUnreconciledBefore(std::int64_t index) const;
    // Marks or unmarks one transaction of the list (1 for an index out of range), or all of them.
    int SetReconcileMark(std::int64_t index, bool marked);
    void SetAllReconcileMarks(bool marked);

    // Statement beginning balance - ending balance + the signed amounts of the marked transactions
    // of the list that are not void.
    Amount GetMarkedDifference() const;
    // What the finishing step shows for the difference: IDS_RECONCILED for 0 (then finish),
    // otherwise the Yes/No question IDS_RECONCILE_OFF_ASK.
    static res::StringId FinishMessage(Amount difference);
    // The OK/Cancel confirmation after the user's answer to IDS_RECONCILE_OFF_ASK.
    static res::StringId AdjustmentConfirmation(bool createAdjustment);
    // The message's text with the difference as an amount text in place of its "%s".
    static std::wstring MessageText(res::StringId message, Amount difference);

    // A reconciled "Reconcile Adjustment" dated now, without category: a withdrawal of the
    // difference when it is positive, otherwise a deposit of its opposite.
    int AddReconcileAdjustment(Amount difference);
    // The marked transactions become reconciled; the statement becomes the last statement and the
    // one under way is cleared.
    void FinishReconcile();

  private:
    bool InList(const CTransaction& transaction) const;

    CCVAccount& m_account;
};
