#pragma once

#include <memory>
#include <string>

#include "model/CTransactionEditing.h"
#include "shell/CCVView.h"
#include "storage/RecordKey.h"
#include "views/editor/CEditorForm.h"
#include "views/editor/CEditorSubject.h"

class CCVAccount;
class CCVAccountList;
class CScheduledItem;
class CTransaction;

// The transaction editor ("EditTransactionsView"), one object per view number, each number a
// mode: 40 the details of a transaction (read only), 41 a new transaction, 42 the register's
// edit, 43 an upcoming occurrence ("Record"), 44 a new and 45 an edited scheduled transaction,
// 73 a transaction under review, 74 one opened from a report, 76 one from a budget.
//
// The screen works on a copy: "Done" (or "Record") reads the fields and hands the copy to the
// editor's rules of the model; "Cancel" and the Back key throw it away. The memo, the split
// lines, the list editors and the currency conversion are screens of their own: the copy travels
// in the saved state and their results come back through the hand-back slots. Spinner entries
// that open a screen ("-SPLIT-", "Edit Category...", "Edit Payee...", "Edit Class...") act on
// the action key only.
namespace views {

class CEditTransactionsView : public shell::CCVView {
  public:
    enum class Mode : int {
        kDetails = 0,
        kNew = 1,
        kEdit = 2,
        kUpcoming = 3,
        kNewScheduled = 4,
        kEditScheduled = 5,
        kReport = 6,
        kReview = 7,
        kBudget = 8,
    };

    CEditTransactionsView();
    ~CEditTransactionsView() override;

    std::unique_ptr<shell::CViewState> SaveState() const override;
    void RestoreState(const shell::CViewState& state) override;
    void OnShown() override;

    static Mode ModeOfView(int view);

  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    bool OnKey(unsigned vk) override;
    void OnControlCommand(int id, unsigned code) override;
    void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) override;
    void OnBack() override;

  private:
    bool IsScheduled() const;
    bool EditsStored() const;
    // Finds what the screen edits: the register's row, a request's transaction, a scheduled one.
    void Load(ui::LPARAM param);
    void BuildFields();
    void ShowWorking();
    void Save();
    void Remove(bool keepBalance);
    void OpenSplits();
    void OpenMemo();
    void OpenConversion();
    void OpenRepeat();
    void PayeeChosen();
    void TakeHandBacks();
    void Finish();
    std::wstring RepeatText() const;
    bool ShowOutcome(const EditOutcome& outcome, int errorCode);

    Mode m_mode = Mode::kDetails;
    bool m_typeChosen = false;  // the person changed the Type field
    CCVAccountList* m_accounts = nullptr;
    CEditorSubject m_subject;
    CEditorForm m_form;
    int m_fieldCount = 0;  // the fields in the focus ring
};

}  // namespace views
