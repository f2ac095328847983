#include "views/editor/CEditTransactionsView.h"

#include <algorithm>

#include "model/CCVAccountList.h"
#include "model/CScheduledEditing.h"
#include "model/CScheduledItem.h"
#include "model/CScheduledList.h"
#include "model/CSplitEditing.h"
#include "model/CTransaction.h"
#include "model/CUpcomingTransItem.h"
#include "model/CVModel.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CConversionRequest.h"
#include "shell/CMemoRequest.h"
#include "shell/CRepeatRequest.h"
#include "shell/CScheduledRequest.h"
#include "shell/CSplitRequest.h"
#include "shell/CTransactionRequest.h"
#include "shell/SaveChanges.h"
#include "shell/ViewNumbers.h"

namespace views {
namespace {

using Field = CEditorForm::Field;

constexpr int kMargin = 1;
constexpr std::size_t kScheduledSplitMemo = 161;

struct EditorState : shell::CViewState {
    CEditorSubject subject;
    CTransactionEditing::Fields fields;
    std::string accountName;
    int focus = 0;
};

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

res::StringId TitleOf(CEditTransactionsView::Mode mode) {
    return static_cast<res::StringId>(res::IDS_EDITOR_TITLE_DETAILS + static_cast<int>(mode));
}

}  // namespace

CEditTransactionsView::CEditTransactionsView() = default;
CEditTransactionsView::~CEditTransactionsView() = default;

CEditTransactionsView::Mode CEditTransactionsView::ModeOfView(int view) {
    switch (view) {
        case shell::kViewNewTransaction:
            return Mode::kNew;
        case shell::kViewEditTransaction:
            return Mode::kEdit;
        case shell::kViewEditUpcoming:
            return Mode::kUpcoming;
        case shell::kViewNewScheduled:
            return Mode::kNewScheduled;
        case shell::kViewEditScheduled:
            return Mode::kEditScheduled;
        case shell::kViewEditReport:
            return Mode::kReport;
        case shell::kViewEditReview:
            return Mode::kReview;
        case shell::kViewEditBudget:
            return Mode::kBudget;
        default:
            return Mode::kDetails;
    }
}

bool CEditTransactionsView::IsScheduled() const {
    return m_mode == Mode::kUpcoming || m_mode == Mode::kNewScheduled ||
           m_mode == Mode::kEditScheduled;
}

bool CEditTransactionsView::EditsStored() const {
    return m_mode == Mode::kEdit || m_mode == Mode::kReport || m_mode == Mode::kReview ||
           m_mode == Mode::kBudget;
}

shell::CCVView::Frame CEditTransactionsView::Describe(ui::LPARAM) {
    m_mode = ModeOfView(ViewNumber());
    int menu = res::IDM_EDITOR_EDIT;
    switch (m_mode) {
        case Mode::kDetails:
            menu = res::IDM_EDITOR_DETAILS;
            break;
        case Mode::kNew:
            menu = res::IDM_EDITOR_NEW;
            break;
        case Mode::kUpcoming:
            menu = res::IDM_EDITOR_UPCOMING;
            break;
        case Mode::kNewScheduled:
        case Mode::kEditScheduled:
            menu = res::IDM_EDITOR_SCHEDULED;
            break;
        default:
            break;
    }
    return Frame{L"EditTransactionsView", Text(TitleOf(m_mode)), menu};
}

void CEditTransactionsView::Load(ui::LPARAM param) {
    const CCVAccount* current = Model().GetCurrentAccount();
    auto payload = TakePayload();
    switch (m_mode) {
        case Mode::kNew:
            m_subject.NewTransaction(current);
            return;
        case Mode::kNewScheduled:
            // Opened where no account is current (the summary, the lists), the new item starts
            // on the account the Account field shows first, with that account's usual type, so
            // that a bill is not stored as a deposit because the Type was left empty.
            if (current == nullptr && m_accounts->Count() > 0) current = m_accounts->At(0);
            m_subject.NewScheduled(current);
            return;
        case Mode::kUpcoming:
        case Mode::kEditScheduled:
            m_subject.StoredScheduled(*m_accounts,
                                      dynamic_cast<const shell::CScheduledRequest*>(payload.get()),
                                      m_mode == Mode::kUpcoming);
            return;
        default:
            m_subject.StoredTransaction(
                *m_accounts, current,
                dynamic_cast<const shell::CTransactionRequest*>(payload.get()),
                static_cast<long long>(param));
            return;
    }
}

void CEditTransactionsView::BuildFields() {
    const int right = std::max(CEditorForm::kLabelWidth + 10, ClientRect().right - kMargin);
    const int left = kMargin + CEditorForm::kLabelWidth;
    struct Row {
        Field field;
        res::StringId label;
        const wchar_t* className;
        ui::DWORD style;
        int limit;
    };
    const Row rows[] = {
        {Field::kDate, res::IDS_EDITOR_LABEL_DATE, L"SysDateTimePick32", 0, 0},
        {Field::kAccount, res::IDS_EDITOR_LABEL_ACCOUNT, L"LISTBOX", 0, 0},
        {Field::kType, res::IDS_EDITOR_LABEL_TYPE, L"LISTBOX", 0, 0},
        {Field::kNumber, res::IDS_EDITOR_LABEL_NUMBER, L"EDIT", ui::ES_NUMBER,
         static_cast<int>(CTransactionEditing::kCheckNumberDigits)},
        {Field::kPayee, res::IDS_EDITOR_LABEL_PAYEE, L"COMBOBOX", 0,
         static_cast<int>(CTransaction::kPayeeCapacity)},
        {Field::kAmount, res::IDS_EDITOR_LABEL_AMOUNT, L"EDIT", 0, CEditorForm::kAmountLimit},
        {Field::kCategory, res::IDS_EDITOR_LABEL_CATEGORY, L"LISTBOX", 0, 0},
        {Field::kClass, res::IDS_EDITOR_LABEL_CLASS, L"LISTBOX", 0, 0},
        {Field::kState, res::IDS_EDITOR_LABEL_STATE, L"LISTBOX", 0, 0},
        {Field::kMemo, res::IDS_EDITOR_LABEL_MEMO, L"EDIT", ui::ES_READONLY, 0},
        {Field::kRepeat, res::IDS_EDITOR_LABEL_REPEAT, L"EDIT", ui::ES_READONLY, 0},
    };
    int y = 0;
    for (const Row& row : rows) {
        if (row.field == Field::kRepeat && m_mode != Mode::kNewScheduled &&
            m_mode != Mode::kEditScheduled) {
            continue;
        }
        m_form.Label(row.field) = AddLabel(Text(row.label), ui::RECT{kMargin, y, left - 1, y + 1});
        ui::HWND control = AddField(row.className, row.style, ui::RECT{left, y, right, y + 1},
                                    static_cast<int>(row.field));
        m_form.Control(row.field) = control;
        if (control != nullptr) ++m_fieldCount;
        if (row.limit > 0) {
            if (auto* edit = ui::GetControl<ui::CEdit>(control)) edit->SetLimit(row.limit);
            if (auto* combo = ui::GetControl<ui::CComboBox>(control)) combo->SetLimit(row.limit);
        }
        ++y;
    }
    // A transaction opened elsewhere than the register stays in its account.
    if (m_mode == Mode::kReport || m_mode == Mode::kReview || m_mode == Mode::kBudget) {
        ui::EnableWindow(m_form.Control(Field::kAccount), false);
    }
}

void CEditTransactionsView::ShowWorking() {
    if (!m_subject.IsLoaded()) return;
    const CCVAccount* account =
        IsScheduled() ? m_accounts->FindAccountById(m_subject.Scheduled().GetAccountId())
                      : m_accounts->FindAccountById(m_subject.AccountId());
    m_form.Show(*m_accounts, m_subject.Working(), account);
    if (m_mode == Mode::kNew || m_mode == Mode::kNewScheduled) {
        if (m_subject.Working().GetAmount() == 0)
            ui::SetWindowText(m_form.Control(Field::kAmount), L"");
    }
    if (m_form.Control(Field::kRepeat) != nullptr) {
        ui::SetWindowText(m_form.Control(Field::kRepeat), RepeatText());
    }
}

std::wstring CEditTransactionsView::RepeatText() const {
    if (!m_subject.IsScheduled() || m_subject.Scheduled().GetNextDate() == 0) return {};
    const DateParts next = DateToParts(m_subject.Scheduled().GetNextDate());
    const std::wstring frequency = Text(static_cast<res::StringId>(
        res::IDS_FREQUENCY_ONCE + std::min<int>(m_subject.Scheduled().GetFrequency(), 9)));
    return CCVUIUtility::FormatString(
        res::IDS_EDITOR_REPEAT_TEXT, sys::WideToUtf8(frequency).c_str(),
        sys::WideToUtf8(CCVUIUtility::DateText(next.month, next.day, next.year, true)).c_str());
}

bool CEditTransactionsView::OnCreate(ui::LPARAM param) {
    m_accounts = Model().GetAccountList();
    if (m_accounts == nullptr) return false;
    Load(param);
    if (m_mode == Mode::kDetails) return true;
    BuildFields();
    m_form.FillLists(*m_accounts);
    ShowWorking();
    ui::SetFocus(m_form.Control(m_mode == Mode::kNew ? Field::kPayee : Field::kDate));
    return true;
}

void CEditTransactionsView::OnShown() {
    // Nothing to edit (the transaction is gone, or no request named one): back at once.
    if (!m_subject.IsLoaded()) PostBack(0);
}

bool CEditTransactionsView::OnKey(unsigned vk) {
    if (m_mode == Mode::kDetails || (vk != ui::VK_UP && vk != ui::VK_DOWN)) return false;
    // The focus passes over the fields that are hidden or disabled (the check number of the
    // other types, the account of a transaction opened from a report): they do not take it.
    const int direction = vk == ui::VK_UP ? -1 : 1;
    const int start = FocusIndex();
    for (int step = 1; step < m_fieldCount; ++step) {
        const int index = ((start + direction * step) % m_fieldCount + m_fieldCount) % m_fieldCount;
        SetFocusIndex(index);
        const ui::HWND focus = ui::GetFocus();
        if (FocusIndex() == index && ui::IsWindowVisible(focus) && ui::IsWindowEnabled(focus)) {
            break;
        }
    }
    return true;
}

void CEditTransactionsView::OnControlCommand(int id, unsigned code) {
    if (m_mode == Mode::kDetails || !m_subject.IsLoaded()) return;
    switch (static_cast<Field>(id)) {
        case Field::kPayee:
            if (code == ui::CBN_SELCHANGE && !m_form.IsActionEntry(Field::kPayee)) PayeeChosen();
            if (code == ui::CBN_DBLCLK && m_form.IsActionEntry(Field::kPayee)) {
                Navigate(shell::kEventEditPayees);
            }
            return;
        case Field::kCategory:
            if (code != ui::LBN_DBLCLK) return;
            if (m_form.IsSplitEntry())
                OpenSplits();
            else if (m_form.IsActionEntry(Field::kCategory))
                Navigate(shell::kEventEditCategories);
            return;
        case Field::kClass:
            if (code == ui::LBN_DBLCLK && m_form.IsActionEntry(Field::kClass)) {
                Navigate(shell::kEventEditClasses);
            }
            return;
        case Field::kType:
            if (code == ui::LBN_SELCHANGE) {
                m_typeChosen = true;
                m_form.ShowNumberForType(*m_accounts);
            }
            return;
        case Field::kAccount:
            // A new scheduled transaction takes the usual type of the account chosen for it,
            // until the person chooses a type.
            if (code == ui::LBN_SELCHANGE && m_mode == Mode::kNewScheduled && !m_typeChosen) {
                const std::string name = m_form.AccountName();
                if (const CCVAccount* account = m_accounts->FindAccountByName(name.c_str())) {
                    m_form.ShowType(*m_accounts, account->GetDefaultTypeId());
                }
            }
            return;
        case Field::kMemo:
            if (code == ui::EN_RETURN) OpenMemo();
            return;
        case Field::kRepeat:
            if (code == ui::EN_RETURN) OpenRepeat();
            return;
        default:
            return;
    }
}

void CEditTransactionsView::PayeeChosen() {
    const std::string amount =
        CCVUIUtility::NarrowCopy(ui::GetWindowText(m_form.Control(Field::kAmount)));
    if (!CTransactionEditing::PayeeMayFill(amount)) return;
    const std::string payee =
        CCVUIUtility::NarrowCopy(ui::GetWindowText(m_form.Control(Field::kPayee)));
    if (!CTransactionEditing(*m_accounts).FillFromPayee(payee, m_subject.Memory())) return;
    m_form.ShowRemembered(*m_accounts, m_subject.Working());
}

void CEditTransactionsView::OpenSplits() {
    auto request = std::make_unique<shell::CSplitRequest>();
    const CTransaction& working = m_subject.Working();
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        request->lines[static_cast<std::size_t>(line)] = working.GetSplit(line);
    }
    Amount amount = working.GetAmount();
    if (CTransactionEditing::ReadAmount(
            CCVUIUtility::NarrowCopy(ui::GetWindowText(m_form.Control(Field::kAmount))), amount)
            .IsDone()) {
        request->amount = amount;
    } else {
        request->amount = working.GetAmount();
    }
    const CCVAccount* account = m_accounts->FindAccountByName(m_form.AccountName().c_str());
    request->ownAccountId = account != nullptr ? account->GetAccountId() : m_subject.AccountId();
    request->memoCapacity = IsScheduled() ? kScheduledSplitMemo : CSplitLine::kMemoCapacity;
    Navigate(shell::kEventSplitList, 0, std::move(request));
}

void CEditTransactionsView::OpenMemo() {
    auto request = std::make_unique<shell::CMemoRequest>();
    request->memo = m_subject.Working().GetMemo();
    request->capacity = CTransaction::kMemoCapacity;
    Navigate(shell::kEventEditMemo, 0, std::move(request));
}

void CEditTransactionsView::OpenRepeat() {
    const DateTime day = m_form.Read(*m_accounts).date;
    Navigate(shell::kEventChangeRepeat, 0,
             std::make_unique<shell::CRepeatRequest>(
                 CRepeatSetting::Of(m_subject.Scheduled(), day != 0 ? day : Now())));
}

void CEditTransactionsView::OpenConversion() {
    // The fields must read as for "Done"; an empty amount is what the conversion is for.
    CTransactionEditing::Fields fields = m_form.Read(*m_accounts);
    if (!fields.amount.empty()) {
        Amount amount = 0;
        const EditOutcome read = CTransactionEditing::ReadAmount(fields.amount, amount);
        if (!read.IsDone()) {
            ShowOutcome(read, 0);
            return;
        }
    }
    const CCVAccount* account = m_accounts->FindAccountByName(m_form.AccountName().c_str());
    if (account == nullptr) account = m_accounts->FindAccountById(m_subject.AccountId());
    const std::uint8_t currency = account != nullptr ? account->Record().GetCurrency()
                                                     : m_accounts->GetCurrencies().GetBaseNumber();
    Navigate(IsScheduled() ? res::IDC_SCHEDULED_CONVERT : res::IDC_EDITOR_CONVERT, 0,
             std::make_unique<shell::CConversionRequest>(currency));
}

bool CEditTransactionsView::ShowOutcome(const EditOutcome& outcome, int errorCode) {
    if (outcome.IsDone()) return true;
    if (outcome.message == res::IDS_DATA_NOT_SAVED) {
        Ask(res::IDS_NONE, ui::MB_OK | ui::MB_ICONERROR,
            CCVUIUtility::FormatString(res::IDS_DATA_NOT_SAVED, Model().GetDataFolder().c_str(),
                                       errorCode));
    } else {
        Ask(outcome.message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    }
    if (outcome.message == res::IDS_ENTER_VALID_AMOUNT ||
        outcome.message == res::IDS_EDITOR_NEGATIVE_AMOUNT) {
        ui::SetFocus(m_form.Control(Field::kAmount));
    }
    Repaint();
    return false;
}

void CEditTransactionsView::Finish() {
    shell::SaveModelChanges(Window());
    PostBack(0);
}

void CEditTransactionsView::Save() {
    if (m_mode == Mode::kDetails || !m_subject.IsLoaded()) {
        PostBack(0);
        return;
    }
    const CTransactionEditing::Fields fields = m_form.Read(*m_accounts);
    if (IsScheduled()) {
        CScheduledList* list = m_accounts->GetScheduledTransactions();
        if (list == nullptr) return;
        CScheduledEditing editing(*m_accounts, *list, *m_accounts);
        if (!ShowOutcome(editing.ReadFields(fields, m_form.AccountName(), m_subject.Scheduled()),
                         0))
            return;
        auto* stored = static_cast<CScheduledItem*>(list->FindByKey(m_subject.ScheduledKey()));
        EditOutcome outcome = EditOutcome::Refused(res::IDS_SCHEDULE_GONE);
        if (m_mode == Mode::kNewScheduled) {
            outcome = editing.SaveNew(m_subject.Scheduled(), fields.date);
        } else if (stored != nullptr && m_mode == Mode::kEditScheduled) {
            outcome = editing.SaveEdit(*stored, m_subject.Scheduled());
        } else if (stored != nullptr) {
            outcome = editing.Record(CUpcomingTransItem(m_subject.Occurrence(), *stored),
                                     m_subject.Scheduled(), fields.date);
        }
        if (ShowOutcome(outcome, 0)) Finish();
        return;
    }
    CTransactionEditing editing(*m_accounts);
    if (!ShowOutcome(editing.ReadFields(fields, m_subject.Working()), 0)) return;
    CCVAccount* account = m_accounts->FindAccountById(m_subject.AccountId());
    const CCVAccount* byName = m_accounts->FindAccountByName(m_form.AccountName().c_str());
    CCVAccount* named =
        byName != nullptr ? m_accounts->FindAccountById(byName->GetAccountId()) : nullptr;
    if (m_mode == Mode::kNew) {
        CCVAccount* target = named != nullptr ? named : account;
        if (target == nullptr) return;
        if (ShowOutcome(editing.SaveNew(*target, m_subject.Working()), editing.Error())) Finish();
        return;
    }
    CTransaction* stored = account != nullptr ? account->FindById(m_subject.OriginalId()) : nullptr;
    if (stored == nullptr) {
        PostBack(0);
        return;
    }
    const auto mode = m_mode == Mode::kEdit ? CTransactionEditing::EditMode::kRegister
                                            : CTransactionEditing::EditMode::kElsewhere;
    EditOutcome outcome =
        editing.SaveEdit(*account, *stored, m_subject.Working(), named, mode, false);
    if (outcome.result == EditOutcome::kAsk) {
        if (!Ask(outcome.message, ui::MB_YESNO | ui::MB_ICONQUESTION)) return;
        outcome = editing.SaveEdit(*account, *stored, m_subject.Working(), named, mode, true);
    }
    if (ShowOutcome(outcome, editing.Error())) Finish();
}

void CEditTransactionsView::Remove(bool keepBalance) {
    if (!EditsStored()) return;
    CCVAccount* account = m_accounts->FindAccountById(m_subject.AccountId());
    CTransaction* stored = account != nullptr ? account->FindById(m_subject.OriginalId()) : nullptr;
    if (stored == nullptr) return;
    const EditOutcome check = CTransactionEditing::CheckRemove(*stored, keepBalance);
    if (check.result == EditOutcome::kRefused) {
        ShowOutcome(check, 0);
        return;
    }
    if (!Ask(check.message, ui::MB_OKCANCEL | ui::MB_ICONQUESTION)) return;
    CTransactionEditing editing(*m_accounts);
    if (ShowOutcome(editing.Remove(*account, *stored, keepBalance), editing.Error())) Finish();
}

bool CEditTransactionsView::OnCommand(int id) {
    switch (id) {
        case res::IDC_EDITOR_DONE:
        case res::IDC_EDITOR_RECORD:
            Save();
            return true;
        case res::IDC_EDITOR_CANCEL:
            PostBack(0);
            return true;
        case res::IDC_EDITOR_PURGE:
            Remove(true);
            return true;
        case res::IDC_EDITOR_DELETE:
            Remove(false);
            return true;
        case res::IDC_EDITOR_CONVERT:
        case res::IDC_SCHEDULED_CONVERT:
            if (m_subject.IsLoaded() && m_mode != Mode::kDetails) OpenConversion();
            return true;
        case res::IDC_EDITOR_SPLITS:
            if (m_subject.IsLoaded() && m_mode != Mode::kDetails) OpenSplits();
            return true;
        default:
            return false;
    }
}

void CEditTransactionsView::OnBack() {
    PostBack(0);
}

void CEditTransactionsView::TakeHandBacks() {
    shell::CHandBack& handBack = shell::CCVApplication::Instance().HandBack();
    CTransaction& working = m_subject.Working();
    if (auto memo = handBack.TakeAs<shell::CMemoRequest>(shell::HandBackKind::kMemo)) {
        working.SetMemo(memo->memo.c_str());
        m_form.ShowMemo(working.GetMemo());
    }
    if (auto splits = handBack.TakeAs<shell::CSplitRequest>(shell::HandBackKind::kSplitLines)) {
        working.SetSplits(splits->lines);
        if (CSplitEditing::AnyInUse(splits->lines)) {
            m_form.SelectCategory(CCVUIUtility::NarrowCopy(Text(res::IDS_CATEGORY_SPLIT)));
            working.SetCategoryId(CTransaction::SplitCategoryId());
        }
        m_form.ShowAmount(splits->amount);
    }
    if (auto converted =
            handBack.TakeAs<shell::CHandBackOf<Amount>>(shell::HandBackKind::kConvertedAmount)) {
        m_form.ShowAmount(converted->Value());
    }
    if (auto repeat = handBack.TakeAs<shell::CRepeatRequest>(shell::HandBackKind::kRepeat)) {
        if (m_subject.IsScheduled()) repeat->repeat.ApplyTo(m_subject.Scheduled());
        if (m_form.Control(Field::kRepeat) != nullptr) {
            ui::SetWindowText(m_form.Control(Field::kRepeat), RepeatText());
        }
    }
}

std::unique_ptr<shell::CViewState> CEditTransactionsView::SaveState() const {
    auto state = std::make_unique<EditorState>();
    state->subject = m_subject;
    if (m_mode != Mode::kDetails && m_accounts != nullptr) {
        state->fields = m_form.Read(*m_accounts);
        state->accountName = m_form.AccountName();
    }
    state->focus = FocusIndex();
    return state;
}

void CEditTransactionsView::RestoreState(const shell::CViewState& state) {
    const auto* saved = dynamic_cast<const EditorState*>(&state);
    if (saved == nullptr) return;
    m_subject = saved->subject;
    if (!m_subject.IsLoaded() || m_mode == Mode::kDetails) return;
    // The lists may have changed on the screens in between (a new payee or category).
    m_form.FillLists(*m_accounts);
    ShowWorking();
    m_form.Restore(*m_accounts, saved->fields, saved->accountName);
    TakeHandBacks();
    SetFocusIndex(saved->focus);
}

void CEditTransactionsView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    if (m_mode != Mode::kDetails || !m_subject.IsLoaded()) return;
    CEditorForm::PaintDetails(dc, client, *m_accounts, m_subject.Working(),
                              m_accounts->FindAccountById(m_subject.AccountId()));
}

}  // namespace views
