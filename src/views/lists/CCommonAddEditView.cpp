#include "views/lists/CCommonAddEditView.h"

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/IconGlyphs.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CHandBack.h"
#include "shell/SaveChanges.h"
#include "shell/ViewNumbers.h"

namespace views {
namespace {

constexpr int kFirstFieldId = 100;
constexpr int kSecondFieldId = 101;
constexpr int kLeftSoftKey = 0;
constexpr int kCategoryIconSet = 2;

struct KindOfView {
    int view;
    CCommonAddEditView::Kind kind;
    CCommonAddEditView::Mode mode;
};

constexpr KindOfView kKinds[] = {
    {shell::kViewFind, CCommonAddEditView::kFind, CCommonAddEditView::kEdit},
    {shell::kViewAddClass, CCommonAddEditView::kClass, CCommonAddEditView::kNew},
    {shell::kViewEditClass, CCommonAddEditView::kClass, CCommonAddEditView::kEdit},
    {shell::kViewAddPayee, CCommonAddEditView::kPayee, CCommonAddEditView::kNew},
    {shell::kViewEditPayee, CCommonAddEditView::kPayee, CCommonAddEditView::kEdit},
    {shell::kViewAddCategory, CCommonAddEditView::kCategory, CCommonAddEditView::kNew},
    {shell::kViewEditCategory, CCommonAddEditView::kCategory, CCommonAddEditView::kEdit},
    {shell::kViewAddCurrency, CCommonAddEditView::kCurrency, CCommonAddEditView::kNew},
    {shell::kViewEditCurrency, CCommonAddEditView::kCurrency, CCommonAddEditView::kEdit},
    {shell::kViewAddTransactionType, CCommonAddEditView::kTransactionType,
     CCommonAddEditView::kNew},
    {shell::kViewEditTransactionType, CCommonAddEditView::kTransactionType,
     CCommonAddEditView::kEdit},
};

// The title of each kind, by kind.
constexpr res::StringId kTitles[] = {res::IDS_EDIT_PAYEE_TITLE,       res::IDS_EDIT_CLASS_TITLE,
                                     res::IDS_EDIT_CURRENCY_TITLE,    res::IDS_EDIT_CATEGORY_TITLE,
                                     res::IDS_TRANSACTION_TYPE_TITLE, res::IDS_FIND_TITLE};

// What a category screen keeps while the icon chooser is open.
struct AddEditState : shell::CViewState {
    std::int64_t index = 0;
    std::wstring first;
    std::wstring parent;
    std::uint16_t icon = 0;
};

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

std::string Narrow(const std::wstring& text) {
    return CCVUIUtility::NarrowCopy(text);
}

CCVAccountList& Lists() {
    return *CVModel::GetModel()->GetAccountList();
}

}  // namespace

shell::CCVView::Frame CCommonAddEditView::Describe(ui::LPARAM) {
    for (const KindOfView& entry : kKinds) {
        if (entry.view == ViewNumber()) {
            m_kind = entry.kind;
            m_mode = entry.mode;
        }
    }
    return Frame{L"CommonAddEdit", Text(kTitles[m_kind]),
                 m_kind == kCategory ? res::IDM_CATEGORY_ADD_EDIT : res::IDM_COMMON_ADD_EDIT};
}

bool CCommonAddEditView::OnCreate(ui::LPARAM param) {
    m_index = static_cast<std::int64_t>(param);
    if (m_kind == kFind) return CreateFind();
    if (Model().GetAccountList() == nullptr || !CreateItemFields()) return false;
    ui::SetFocus(m_first);
    return true;
}

bool CCommonAddEditView::CreateFind() {
    const CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return false;
    m_first = AddEditRow(Text(res::IDS_FIND_TITLE), kFirstFieldId, kFindLimit, 0,
                         CCVUIUtility::WideCopy(account->GetSearchText()));
    if (m_first == nullptr) return false;
    if (auto* bar = ui::GetControl<ui::CSoftKeyBar>(ui::GetSoftKeyBar(Window()))) {
        bar->SetKeyLabel(kLeftSoftKey, Text(res::IDS_FIND_TITLE));
    }
    ui::SetFocus(m_first);
    return true;
}

std::vector<std::wstring> CCommonAddEditView::ParentChoices() const {
    // Only a top-level category can hold sub-categories, and none is its own parent.
    const CCVCategoryList& categories = Lists().GetCategories();
    const CCVCategoryItem* edited = m_mode == kEdit ? categories.At(m_index) : nullptr;
    std::vector<std::wstring> choices{Text(res::IDS_CATEGORY_PARENT_NONE)};
    for (std::uint32_t i = 0; i < categories.Count(); ++i) {
        const CCVCategoryItem* category = categories.At(i);
        if (category->IsSubCategory() == kNo && category != edited) {
            choices.push_back(CCVUIUtility::WideCopy(category->GetName()));
        }
    }
    return choices;
}

bool CCommonAddEditView::CreateItemFields() {
    CCVAccountList& lists = Lists();
    const bool edit = m_mode == kEdit;
    switch (m_kind) {
        case kPayee: {
            const CCVPayeeItem* payee = edit ? lists.GetPayees().At(m_index) : nullptr;
            if (edit && payee == nullptr) return false;
            m_first = AddEditRow(Text(res::IDS_LABEL_PAYEE_NAME), kFirstFieldId, kNameLimit, 0,
                                 payee ? CCVUIUtility::WideCopy(payee->GetName()) : L"");
            return m_first != nullptr;
        }
        case kClass: {
            const CClassItem* item = edit ? lists.GetClasses().At(m_index) : nullptr;
            if (edit && item == nullptr) return false;
            m_first = AddEditRow(Text(res::IDS_LABEL_CLASS_NAME), kFirstFieldId, kNameLimit, 0,
                                 item ? CCVUIUtility::WideCopy(item->GetName()) : L"");
            return m_first != nullptr;
        }
        case kCurrency: {
            const CCurrencyItem* currency = edit ? lists.GetCurrencies().At(m_index) : nullptr;
            if (edit && currency == nullptr) return false;
            m_first = AddEditRow(Text(res::IDS_LABEL_SYMBOL), kFirstFieldId, kSymbolLimit, 0,
                                 currency ? CCVUIUtility::WideCopy(currency->GetSymbol()) : L"");
            const double rate = currency ? currency->GetRate() : CCurrencyList::kBaseRate;
            m_second = AddEditRow(Text(res::IDS_LABEL_CONVERSION), kSecondFieldId, kRateLimit, 0,
                                  sys::Utf8ToWide(sys::FormatText("%.9f", rate)));
            return m_first != nullptr && m_second != nullptr;
        }
        case kCategory: {
            const CCVCategoryList& categories = lists.GetCategories();
            const CCVCategoryItem* category = edit ? categories.At(m_index) : nullptr;
            if (edit && category == nullptr) return false;
            m_first = AddEditRow(Text(res::IDS_LABEL_CATEGORY_NAME), kFirstFieldId, kNameLimit, 0,
                                 category ? CCVUIUtility::WideCopy(category->GetName()) : L"");
            const std::vector<std::wstring> choices = ParentChoices();
            int parent = 0;
            if (category != nullptr && category->IsSubCategory() == kYes) {
                const std::wstring name =
                    CCVUIUtility::WideCopy(categories.NameOfKey(category->GetParentKey()));
                for (std::size_t i = 1; i < choices.size(); ++i) {
                    if (choices[i] == name) parent = static_cast<int>(i);
                }
            }
            m_second = AddSpinnerRow(Text(res::IDS_LABEL_SUB_CATEGORY_OF), kSecondFieldId, choices,
                                     parent);
            m_icon = category ? category->GetIcon() : 0;
            m_iconValue = AddValueRow(Text(res::IDS_LABEL_ICON), L"");
            ShowIcon();
            return m_first != nullptr && m_second != nullptr;
        }
        case kTransactionType: {
            const CTransactionTypeItem* type =
                edit ? lists.GetTransactionTypes().At(m_index) : nullptr;
            if (edit && type == nullptr) return false;
            m_first = AddEditRow(Text(res::IDS_LABEL_TYPE_NAME), kFirstFieldId, kTypeNameLimit, 0,
                                 type ? CCVUIUtility::WideCopy(type->GetName()) : L"");
            if (edit) {
                // An edited type keeps its direction: shown, not offered.
                AddValueRow(Text(res::IDS_LABEL_TYPE),
                            Text(type->IsDebit() == kYes ? res::IDS_TYPE_WITHDRAWAL
                                                         : res::IDS_TYPE_DEPOSIT));
            } else {
                m_second =
                    AddSpinnerRow(Text(res::IDS_LABEL_TYPE), kSecondFieldId,
                                  {Text(res::IDS_TYPE_DEPOSIT), Text(res::IDS_TYPE_WITHDRAWAL)}, 0);
            }
            return m_first != nullptr;
        }
        case kFind:
            break;
    }
    return false;
}

void CCommonAddEditView::ShowIcon() {
    if (m_iconValue != nullptr) {
        SetValue(m_iconValue, std::wstring(1, res::IconGlyph(kCategoryIconSet, m_icon)));
    }
}

EditOutcome CCommonAddEditView::Save() {
    CCVAccountList& lists = Lists();
    const std::string first = Narrow(FieldText(m_first));
    const bool edit = m_mode == kEdit;
    switch (m_kind) {
        case kPayee:
            return edit ? lists.GetPayees().RenamePayee(m_index, first.c_str())
                        : lists.GetPayees().NewPayee(first.c_str());
        case kClass:
            return edit ? lists.GetClasses().RenameClass(m_index, first.c_str())
                        : lists.GetClasses().NewClass(first.c_str());
        case kCurrency: {
            const std::string rate = Narrow(FieldText(m_second));
            return edit ? lists.GetCurrencies().EditCurrency(m_index, first.c_str(), rate.c_str())
                        : lists.GetCurrencies().NewCurrency(first.c_str(), rate.c_str());
        }
        case kCategory: {
            auto* spinner = ui::GetControl<ui::CSpinner>(m_second);
            const std::string parent =
                spinner != nullptr ? Narrow(spinner->GetText(spinner->GetCurSel())) : "";
            return edit ? lists.GetCategories().EditCategory(m_index, first.c_str(), parent.c_str(),
                                                             m_icon)
                        : lists.GetCategories().NewCategory(first.c_str(), parent.c_str(), m_icon);
        }
        case kTransactionType:
            return edit ? lists.GetTransactionTypes().RenameType(m_index, first.c_str())
                        : lists.GetTransactionTypes().NewType(first.c_str(),
                                                              SpinnerIndex(m_second) == 1);
        case kFind:
            break;
    }
    return EditOutcome::Done();
}

bool CCommonAddEditView::Find() {
    const std::wstring text = FieldText(m_first);
    if (text.empty()) {
        Ask(res::IDS_INVALID_NAME, ui::MB_OK | ui::MB_ICONWARNING);
        return false;
    }
    CCVAccount* account = Model().GetCurrentAccount();
    if (account == nullptr) return false;
    account->Find(account->GetFilter(), Narrow(text).c_str());
    return true;
}

bool CCommonAddEditView::OnCommand(int id) {
    switch (id) {
        case res::IDC_ADD_EDIT_DONE:
            if (m_kind == kFind) {
                if (Find()) Navigate(res::IDC_ADD_EDIT_DONE);
                return true;
            }
            if (const EditOutcome outcome = Save(); !outcome.IsDone()) {
                Ask(outcome.message, ui::MB_OK | ui::MB_ICONWARNING);
                return true;
            }
            shell::SaveModelChanges(Window());
            PostBack(0);
            return true;
        case res::IDC_ADD_EDIT_CANCEL:
            PostBack(0);
            return true;
        case res::IDC_CATEGORY_ICON:
            Navigate(res::IDC_CATEGORY_ICON, m_icon);
            return true;
        default:
            return false;
    }
}

std::unique_ptr<shell::CViewState> CCommonAddEditView::SaveState() const {
    // Only a category leaves for another screen (the icon chooser) and comes back.
    if (m_kind != kCategory) return nullptr;
    auto state = std::make_unique<AddEditState>();
    state->index = m_index;
    state->first = FieldText(m_first);
    if (const auto* spinner = ui::GetControl<ui::CSpinner>(m_second)) {
        state->parent = spinner->GetText(spinner->GetCurSel());
    }
    state->icon = m_icon;
    return state;
}

void CCommonAddEditView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const AddEditState*>(&state);
    if (saved == nullptr || m_kind != kCategory) return;
    m_index = saved->index;
    ui::SetWindowText(m_first, saved->first);
    if (auto* spinner = ui::GetControl<ui::CSpinner>(m_second)) {
        spinner->ResetContent();
        for (const std::wstring& choice : ParentChoices()) spinner->AddString(choice);
        spinner->SetCurSel(std::max(0, spinner->FindStringExact(saved->parent)));
    }
    m_icon = saved->icon;
    ShowIcon();
}

void CCommonAddEditView::OnShown() {
    auto chosen = shell::CCVApplication::Instance().HandBack().TakeAs<shell::CHandBackOf<int>>(
        shell::HandBackKind::kIcon);
    if (chosen && m_kind == kCategory) {
        m_icon = static_cast<std::uint16_t>(chosen->Value());
        ShowIcon();
    }
}

}  // namespace views
