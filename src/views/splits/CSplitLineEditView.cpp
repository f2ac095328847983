#include "views/splits/CSplitLineEditView.h"

#include "model/CCVAccountList.h"
#include "model/CSplitEditing.h"
#include "model/CVModel.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

enum FieldId : int { kCategoryId = 1, kClassId, kAmountId, kMemoId };
constexpr int kAmountLimit = 24;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

std::wstring Wide(const std::string& narrow) {
    return CCVUIUtility::WideCopy(narrow);
}

void Select(ui::HWND hwnd, const std::wstring& text) {
    if (auto* spinner = ui::GetControl<ui::CSpinner>(hwnd)) {
        spinner->SetCurSel(std::max(0, spinner->FindStringExact(text)));
    }
}

std::string Selected(ui::HWND hwnd) {
    const auto* spinner = ui::GetControl<ui::CSpinner>(hwnd);
    return spinner != nullptr ? CCVUIUtility::NarrowCopy(spinner->GetText(spinner->GetCurSel()))
                              : std::string();
}

}  // namespace

shell::CCVView::Frame CSplitLineEditView::Describe(ui::LPARAM) {
    return Frame{L"SplitTransactionEdit", Text(res::IDS_SPLIT_LINE_TITLE), res::IDM_SPLIT_LINE};
}

ui::HWND CSplitLineEditView::AddSpinner(const std::wstring& label, int id) {
    // The label on one row, the spinner under it, a blank row: the form's rhythm.
    const int rows = (id - 1) * 3 + 1;
    AddLabel(label, ui::RECT{1, rows, ClientRect().right - 1, rows + 1});
    return AddField(L"LISTBOX", 0, ui::RECT{1, rows + 1, ClientRect().right - 1, rows + 2}, id);
}

bool CSplitLineEditView::OnCreate(ui::LPARAM) {
    auto payload = TakePayload();
    if (const auto* request = dynamic_cast<const shell::CSplitLineRequest*>(payload.get())) {
        m_request.index = request->index;
        m_request.line = request->line;
        m_request.ownAccountId = request->ownAccountId;
        m_request.memoCapacity = request->memoCapacity;
        m_loaded = true;
    }
    CCVAccountList* accounts = Model().GetAccountList();
    if (accounts == nullptr) return false;
    m_category = AddSpinner(Text(res::IDS_EDITOR_LABEL_CATEGORY), kCategoryId);
    m_class = AddSpinner(Text(res::IDS_EDITOR_LABEL_CLASS), kClassId);
    const int top = 7;
    AddLabel(Text(res::IDS_EDITOR_LABEL_AMOUNT), ui::RECT{1, top, ClientRect().right - 1, top + 1});
    m_amount =
        AddField(L"EDIT", 0, ui::RECT{1, top + 1, ClientRect().right - 1, top + 2}, kAmountId);
    AddLabel(Text(res::IDS_EDITOR_LABEL_MEMO),
             ui::RECT{1, top + 3, ClientRect().right - 1, top + 4});
    m_memo = AddField(L"EDIT", 0, ui::RECT{1, top + 4, ClientRect().right - 1, top + 5}, kMemoId);
    if (auto* edit = ui::GetControl<ui::CEdit>(m_amount)) edit->SetLimit(kAmountLimit);
    if (auto* edit = ui::GetControl<ui::CEdit>(m_memo)) {
        edit->SetLimit(static_cast<int>(m_request.memoCapacity));
    }
    if (auto* categories = ui::GetControl<ui::CSpinner>(m_category)) {
        categories->AddString(L"");
        CCVCategoryList& list = accounts->GetCategories();
        for (std::uint32_t i = 0; i < list.Count(); ++i) {
            categories->AddString(
                Wide(accounts->GetCategoryText()->GetCategoryText(*list.At(i)->GetKey())));
        }
        // Every account but the transaction's own: a line may transfer to another account.
        for (std::uint32_t i = 0; i < accounts->Count(); ++i) {
            if (accounts->At(i)->GetAccountId() == m_request.ownAccountId) continue;
            categories->AddString(
                Wide(accounts->GetAccountNameById(accounts->At(i)->GetAccountId(), true)));
        }
    }
    if (auto* classes = ui::GetControl<ui::CSpinner>(m_class)) {
        classes->AddString(L"");
        CClassList& list = accounts->GetClasses();
        for (std::uint32_t i = 0; i < list.Count(); ++i)
            classes->AddString(Wide(list.At(i)->GetName()));
    }
    const CSplitLine& line = m_request.line;
    Select(m_category, Wide(accounts->GetCategoryText()->GetCategoryText(line.GetCategoryId())));
    std::string className;
    accounts->GetClasses().NameOfKey(line.GetClassId(), className);
    Select(m_class, Wide(className));
    std::string amount = line.InUse() ? FormatAmount(line.GetAmount()) : std::string();
    if (!amount.empty() && amount[0] == '.') amount = std::string(1, '0') + amount;
    ui::SetWindowText(m_amount, Wide(amount));
    ui::SetWindowText(m_memo, Wide(line.GetMemo()));
    ui::SetFocus(m_category);
    return true;
}

void CSplitLineEditView::OnShown() {
    if (!m_loaded) PostBack(0);
}

void CSplitLineEditView::Done() {
    CCVAccountList& accounts = *Model().GetAccountList();
    const RecordKey categoryId = accounts.GetCategoryId(Selected(m_category).c_str());
    RecordKey classId;
    const std::string className = Selected(m_class);
    if (className.empty() || accounts.GetClasses().KeyOfName(className.c_str(), classId) == 0) {
        classId = RecordKey();
    }
    CSplitLine line = m_request.line;
    const EditOutcome outcome =
        CSplitEditing::ReadLine(CCVUIUtility::NarrowCopy(ui::GetWindowText(m_amount)), categoryId,
                                classId, CCVUIUtility::NarrowCopy(ui::GetWindowText(m_memo)),
                                m_request.ownAccountId, m_request.memoCapacity, line);
    if (!outcome.IsDone()) {
        Ask(outcome.message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        if (outcome.message != res::IDS_SPLIT_LINE_SPLIT &&
            outcome.message != res::IDS_SPLIT_LINE_OWN_ACCOUNT) {
            ui::SetFocus(m_amount);
        }
        return;
    }
    auto value = std::make_unique<shell::CSplitLineRequest>();
    value->index = m_request.index;
    value->line = line;
    value->ownAccountId = m_request.ownAccountId;
    value->memoCapacity = m_request.memoCapacity;
    shell::CCVApplication::Instance().HandBack().Give(shell::HandBackKind::kSplitLines,
                                                      std::move(value));
    PostBack(0);
}

bool CSplitLineEditView::OnCommand(int id) {
    switch (id) {
        case res::IDC_SPLIT_LINE_DONE:
            Done();
            return true;
        case res::IDC_SPLIT_LINE_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
