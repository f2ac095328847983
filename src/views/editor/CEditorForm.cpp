#include "views/editor/CEditorForm.h"

#include "model/CCVAccountList.h"
#include "model/CMemoText.h"
#include "model/CTransaction.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDatePicker.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "storage/DateTime.h"

namespace views {
namespace {

constexpr int kStates = 4;
constexpr int kMargin = 1;

std::wstring Wide(const std::string& narrow) {
    return CCVUIUtility::WideCopy(narrow);
}

std::string Narrow(const std::wstring& wide) {
    return CCVUIUtility::NarrowCopy(wide);
}

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

ui::CSpinner* Spinner(ui::HWND hwnd) {
    return ui::GetControl<ui::CSpinner>(hwnd);
}

void SelectText(ui::HWND hwnd, const std::wstring& text) {
    if (ui::CSpinner* spinner = Spinner(hwnd)) {
        spinner->SetCurSel(spinner->FindStringExact(text));
    }
}

}  // namespace

std::wstring CEditorForm::AmountText(Amount amount) {
    std::string text = FormatAmount(amount);
    if (!text.empty() && text[0] == '.') text = std::string(1, '0') + text;
    return Wide(text);
}

void CEditorForm::FillLists(CCVAccountList& accounts) const {
    if (ui::CSpinner* list = Spinner(Control(kAccount))) {
        list->ResetContent();
        for (std::uint32_t i = 0; i < accounts.Count(); ++i) {
            list->AddString(Wide(accounts.At(i)->GetName()));
        }
    }
    if (auto* payees = ui::GetControl<ui::CComboBox>(Control(kPayee))) {
        payees->ResetContent();
        CCVPayeeList& list = accounts.GetPayees();
        for (std::uint32_t i = 0; i < list.Count(); ++i) {
            payees->AddString(Wide(list.At(i)->GetName()));
        }
        payees->AddString(Text(res::IDS_EDITOR_EDIT_PAYEE));
    }
    if (ui::CSpinner* categories = Spinner(Control(kCategory))) {
        categories->ResetContent();
        categories->AddString(L"");
        categories->AddString(Text(res::IDS_CATEGORY_SPLIT));
        CCVCategoryList& list = accounts.GetCategories();
        for (std::uint32_t i = 0; i < list.Count(); ++i) {
            categories->AddString(
                Wide(accounts.GetCategoryText()->GetCategoryText(*list.At(i)->GetKey())));
        }
        for (std::uint32_t i = 0; i < accounts.Count(); ++i) {
            categories->AddString(
                Wide(accounts.GetAccountNameById(accounts.At(i)->GetAccountId(), true)));
        }
        categories->AddString(Text(res::IDS_EDITOR_EDIT_CATEGORY));
    }
    if (ui::CSpinner* types = Spinner(Control(kType))) {
        types->ResetContent();
        CTransactionTypeList& list = accounts.GetTransactionTypes();
        for (std::uint32_t i = 0; i < list.Count(); ++i)
            types->AddString(Wide(list.At(i)->GetName()));
    }
    if (ui::CSpinner* classes = Spinner(Control(kClass))) {
        classes->ResetContent();
        classes->AddString(L"");
        CClassList& list = accounts.GetClasses();
        for (std::uint32_t i = 0; i < list.Count(); ++i) {
            classes->AddString(Wide(list.At(i)->GetName()));
        }
        classes->AddString(Text(res::IDS_EDITOR_EDIT_CLASS));
    }
    if (ui::CSpinner* states = Spinner(Control(kState))) {
        states->ResetContent();
        for (int state = 0; state < kStates; ++state) {
            states->AddString(
                Text(static_cast<res::StringId>(res::IDS_EDITOR_STATE_UNCLEARED + state)));
        }
    }
}

void CEditorForm::ShowAmount(Amount amount) const {
    ui::SetWindowText(Control(kAmount), AmountText(amount));
}

void CEditorForm::ShowMemo(const std::string& memo) const {
    ui::SetWindowText(Control(kMemo), Wide(CMemoText::ToField(memo)));
}

void CEditorForm::SelectCategory(const std::string& text) const {
    SelectText(Control(kCategory), Wide(text));
}

void CEditorForm::ShowType(CCVAccountList& accounts, const RecordKey& typeId) const {
    SelectText(Control(kType), Wide(accounts.GetTransactionTypes().NameOfKey(typeId)));
    ShowNumberForType(accounts);
}

void CEditorForm::ShowRemembered(CCVAccountList& accounts, const CTransaction& transaction) const {
    ShowAmount(transaction.GetAmount());
    SelectText(Control(kType),
               Wide(accounts.GetTransactionTypes().NameOfKey(transaction.GetTypeId())));
    SelectCategory(accounts.GetCategoryText()->GetCategoryText(transaction.GetCategoryId()));
    std::string className;
    accounts.GetClasses().NameOfKey(transaction.GetClassId(), className);
    SelectText(Control(kClass), Wide(className));
    ShowMemo(transaction.GetMemo());
    ShowNumberForType(accounts);
}

void CEditorForm::Show(CCVAccountList& accounts, const CTransaction& transaction,
                       const CCVAccount* account) const {
    if (auto* date = ui::GetControl<ui::CDatePicker>(Control(kDate))) {
        date->SetSystemTime(
            DateToSystemTime(transaction.GetDate() != 0 ? transaction.GetDate() : Now()));
    }
    if (account != nullptr) SelectText(Control(kAccount), Wide(account->GetName()));
    ui::SetWindowText(Control(kPayee), Wide(transaction.GetPayeeName()));
    ShowRemembered(accounts, transaction);
    if (ui::CSpinner* states = Spinner(Control(kState))) states->SetCurSel(transaction.GetState());
    ui::SetWindowText(Control(kNumber), transaction.GetCheckNumber() != 0
                                            ? std::to_wstring(transaction.GetCheckNumber())
                                            : std::wstring());
}

void CEditorForm::ShowNumberForType(CCVAccountList& accounts) const {
    RecordKey typeId;
    const bool carries =
        accounts.GetTransactionTypes().FindKeyByName(SelectedText(kType).c_str(), typeId) != 0 &&
        CTransaction::TypeCarriesCheckNumber(typeId);
    for (ui::HWND hwnd : {Control(kNumber), m_labels[kNumber - 1]}) {
        ui::ShowWindow(hwnd, carries ? ui::SW_SHOW : ui::SW_HIDE);
        ui::EnableWindow(hwnd, carries);
    }
}

std::string CEditorForm::SelectedText(Field field) const {
    const ui::CSpinner* spinner = Spinner(Control(field));
    return spinner != nullptr ? Narrow(spinner->GetText(spinner->GetCurSel())) : std::string();
}

bool CEditorForm::IsActionEntry(Field field) const {
    if (field == kPayee) {
        return ui::GetWindowText(Control(kPayee)) == Text(res::IDS_EDITOR_EDIT_PAYEE);
    }
    const ui::CSpinner* spinner = Spinner(Control(field));
    return spinner != nullptr && spinner->GetCount() > 0 &&
           spinner->GetCurSel() == spinner->GetCount() - 1;
}

bool CEditorForm::IsSplitEntry() const {
    return SelectedText(kCategory) == Narrow(Text(res::IDS_CATEGORY_SPLIT));
}

std::string CEditorForm::AccountName() const {
    return SelectedText(kAccount);
}

CTransactionEditing::Fields CEditorForm::Read(CCVAccountList& accounts) const {
    CTransactionEditing::Fields fields;
    fields.amount = Narrow(ui::GetWindowText(Control(kAmount)));
    if (const auto* date = ui::GetControl<ui::CDatePicker>(Control(kDate))) {
        fields.date = SystemTimeToDate(date->GetSystemTime());
    }
    fields.payeeIsAction = IsActionEntry(kPayee);
    fields.payee = Narrow(ui::GetWindowText(Control(kPayee)));
    fields.categoryIsAction = IsActionEntry(kCategory);
    fields.category = SelectedText(kCategory);
    accounts.GetTransactionTypes().FindKeyByName(SelectedText(kType).c_str(), fields.typeId);
    fields.classIsAction = IsActionEntry(kClass);
    fields.className = SelectedText(kClass);
    const ui::CSpinner* states = Spinner(Control(kState));
    fields.state = static_cast<std::uint8_t>(
        states != nullptr && states->GetCurSel() > 0 ? states->GetCurSel() : 0);
    fields.checkNumber = Narrow(ui::GetWindowText(Control(kNumber)));
    return fields;
}

void CEditorForm::Restore(CCVAccountList& accounts, const CTransactionEditing::Fields& fields,
                          const std::string& accountName) const {
    if (auto* date = ui::GetControl<ui::CDatePicker>(Control(kDate))) {
        date->SetSystemTime(DateToSystemTime(fields.date));
    }
    SelectText(Control(kAccount), Wide(accountName));
    ui::SetWindowText(Control(kPayee), Wide(fields.payee));
    ui::SetWindowText(Control(kAmount), Wide(fields.amount));
    if (fields.categoryIsAction) {
        if (ui::CSpinner* categories = Spinner(Control(kCategory))) {
            categories->SetCurSel(categories->GetCount() - 1);
        }
    } else {
        SelectCategory(fields.category);
    }
    SelectText(Control(kType), Wide(accounts.GetTransactionTypes().NameOfKey(fields.typeId)));
    SelectText(Control(kClass), Wide(fields.className));
    if (ui::CSpinner* states = Spinner(Control(kState))) states->SetCurSel(fields.state);
    ui::SetWindowText(Control(kNumber), Wide(fields.checkNumber));
    ShowNumberForType(accounts);
}

void CEditorForm::PaintDetails(ui::CDeviceContext& dc, const ui::RECT& client,
                               CCVAccountList& accounts, const CTransaction& t,
                               const CCVAccount* account) {
    const DateParts date = DateToParts(t.GetDate());
    std::string className;
    accounts.GetClasses().NameOfKey(t.GetClassId(), className);
    const Amount signedAmount = t.GetSignedAmount();
    const std::pair<res::StringId, std::wstring> rows[] = {
        {res::IDS_EDITOR_LABEL_DATE, CCVUIUtility::DateText(date.month, date.day, date.year, true)},
        {res::IDS_EDITOR_LABEL_PAYEE, Wide(t.GetPayeeName())},
        {res::IDS_EDITOR_LABEL_TYPE, Wide(accounts.GetTransactionTypes().NameOfKey(t.GetTypeId()))},
        {res::IDS_EDITOR_LABEL_AMOUNT, AmountText(signedAmount)},
        {res::IDS_EDITOR_LABEL_CATEGORY,
         Wide(accounts.GetCategoryText()->GetCategoryText(t.GetCategoryId()))},
        {res::IDS_EDITOR_LABEL_CLASS, Wide(className)},
        {res::IDS_EDITOR_LABEL_STATE,
         Text(static_cast<res::StringId>(res::IDS_EDITOR_STATE_UNCLEARED +
                                         static_cast<int>(t.GetState())))},
        {res::IDS_EDITOR_LABEL_ACCOUNT, account != nullptr ? Wide(account->GetName()) : L""},
        {res::IDS_EDITOR_LABEL_MEMO, L""},
    };
    const int left = kMargin + kLabelWidth;
    int y = 0;
    for (const auto& [label, value] : rows) {
        dc.TextOut(kMargin, y, Text(label));
        dc.TextOut(left, y,
                   value.substr(0, static_cast<std::size_t>(std::max(0, client.right - left))));
        ++y;
    }
    // The memo's lines under its label.
    std::wstring memo = Wide(CMemoText::ToField(t.GetMemo()));
    --y;
    std::size_t start = 0;
    while (y < client.bottom && start <= memo.size()) {
        const std::size_t end = std::min(memo.find(L'\n', start), memo.size());
        dc.TextOut(
            left, y++,
            memo.substr(start, std::min<std::size_t>(end - start, static_cast<std::size_t>(std::max(
                                                                      0, client.right - left)))));
        start = end + 1;
    }
}

}  // namespace views
