#pragma once

#include <string>

#include "model/CTransactionEditing.h"
#include "platform/ui/CDeviceContext.h"
#include "platform/ui/WinMessages.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CCVAccountList;
class CTransaction;

// The fields of the transaction editor and what they show: the spinners filled from the lists,
// the fields filled from a transaction, and the field texts read back for the editor's rules.
namespace views {

class CEditorForm {
  public:
    // The controls' ids, in the order of the rows.
    enum Field : int {
        kDate = 1,
        kAccount,
        kType,
        kNumber,
        kPayee,
        kAmount,
        kCategory,
        kClass,
        kState,
        kMemo,
        kRepeat,
        kFieldCount = kRepeat,
    };

    static constexpr int kLabelWidth = 15;
    static constexpr int kAmountLimit = 24;

    ui::HWND& Control(Field field) { return m_controls[field - 1]; }
    ui::HWND Control(Field field) const { return m_controls[field - 1]; }
    ui::HWND& Label(Field field) { return m_labels[field - 1]; }

    // The accounts, payees (then "Edit Payee..."), "-SPLIT-", categories, accounts in brackets
    // (then "Edit Category..."), types, classes (then "Edit Class..."), states.
    void FillLists(CCVAccountList& accounts) const;
    // Every field from the transaction; the account spinner on `account`.
    void Show(CCVAccountList& accounts, const CTransaction& transaction,
              const CCVAccount* account) const;
    // What payee memory fills: the amount, type, category, class and memo.
    void ShowRemembered(CCVAccountList& accounts, const CTransaction& transaction) const;
    void ShowMemo(const std::string& memo) const;
    void ShowAmount(Amount amount) const;
    // The check number row only for a type that carries one.
    void ShowNumberForType(CCVAccountList& accounts) const;
    // Selects the type and shows or hides the number field for it.
    void ShowType(CCVAccountList& accounts, const RecordKey& typeId) const;

    CTransactionEditing::Fields Read(CCVAccountList& accounts) const;
    // Puts read fields back (after a return from another screen).
    void Restore(CCVAccountList& accounts, const CTransactionEditing::Fields& fields,
                 const std::string& accountName) const;
    std::string AccountName() const;
    std::string SelectedText(Field field) const;
    // Whether the spinner's entry is its action entry ("Edit ...") or "-SPLIT-".
    bool IsActionEntry(Field field) const;
    bool IsSplitEntry() const;
    void SelectCategory(const std::string& text) const;

    static std::wstring AmountText(Amount amount);
    // The read-only details of a transaction: label and value on each row, the memo's lines
    // under its label.
    static void PaintDetails(ui::CDeviceContext& dc, const ui::RECT& client,
                             CCVAccountList& accounts, const CTransaction& transaction,
                             const CCVAccount* account);

  private:
    ui::HWND m_controls[kFieldCount] = {};
    ui::HWND m_labels[kFieldCount] = {};
};

}  // namespace views
