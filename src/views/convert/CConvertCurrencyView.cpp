#include "views/convert/CConvertCurrencyView.h"

#include "model/CCVAccountList.h"
#include "model/CCurrencyConversion.h"
#include "model/CVModel.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CConversionRequest.h"

namespace views {
namespace {

enum FieldId : int { kFromId = 1, kAmountId, kRateId };
constexpr int kAmountLimit = 24;
constexpr int kRateLimit = 24;
constexpr int kResultRow = 10;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

std::string Narrow(ui::HWND hwnd) {
    return CCVUIUtility::NarrowCopy(ui::GetWindowText(hwnd));
}

}  // namespace

shell::CCVView::Frame CConvertCurrencyView::Describe(ui::LPARAM) {
    return Frame{L"ConvertCurrency", Text(res::IDS_CONVERT_TITLE), res::IDM_CONVERT};
}

bool CConvertCurrencyView::OnCreate(ui::LPARAM) {
    CCVAccountList* accounts = Model().GetAccountList();
    if (accounts == nullptr) return false;
    auto payload = TakePayload();
    const auto* request = dynamic_cast<const shell::CConversionRequest*>(payload.get());
    m_target =
        request != nullptr ? request->TargetCurrency() : accounts->GetCurrencies().GetBaseNumber();
    const int right = ClientRect().right - 1;
    AddLabel(Text(res::IDS_CONVERT_LABEL_FROM), ui::RECT{1, 0, right, 1});
    m_from = AddField(L"LISTBOX", 0, ui::RECT{1, 1, right, 2}, kFromId);
    AddLabel(Text(res::IDS_CONVERT_LABEL_FROM_AMOUNT), ui::RECT{1, 3, right, 4});
    m_amount = AddField(L"EDIT", 0, ui::RECT{1, 4, right, 5}, kAmountId);
    AddLabel(Text(res::IDS_CONVERT_LABEL_RATE), ui::RECT{1, 6, right, 7});
    m_rate = AddField(L"EDIT", 0, ui::RECT{1, 7, right, 8}, kRateId);
    if (auto* edit = ui::GetControl<ui::CEdit>(m_amount)) edit->SetLimit(kAmountLimit);
    if (auto* edit = ui::GetControl<ui::CEdit>(m_rate)) edit->SetLimit(kRateLimit);
    if (auto* from = ui::GetControl<ui::CSpinner>(m_from)) {
        CCurrencyList& currencies = accounts->GetCurrencies();
        int chosen = 0;
        for (std::uint32_t i = 0; i < currencies.Count(); ++i) {
            from->AddString(CCVUIUtility::WideCopy(currencies.At(i)->GetSymbol()));
            // Another currency than the account's is what one converts from.
            if (chosen == 0 && currencies.At(i)->GetNumber() != m_target) {
                chosen = static_cast<int>(i);
            }
        }
        from->SetCurSel(currencies.Count() > 0 ? chosen : -1);
    }
    ShowRate();
    ui::SetFocus(m_amount);
    return true;
}

std::uint8_t CConvertCurrencyView::FromCurrency() const {
    const auto* from = ui::GetControl<ui::CSpinner>(m_from);
    CCurrencyList& currencies = Model().GetAccountList()->GetCurrencies();
    const CCurrencyItem* item =
        from != nullptr && from->GetCurSel() >= 0 ? currencies.At(from->GetCurSel()) : nullptr;
    return item != nullptr ? item->GetNumber() : m_target;
}

void CConvertCurrencyView::ShowRate() {
    const std::string rate =
        CCurrencyConversion(*Model().GetAccountList()).RateText(FromCurrency(), m_target);
    ui::SetWindowText(m_rate, CCVUIUtility::WideCopy(rate));
    Repaint();
}

void CConvertCurrencyView::OnControlCommand(int id, unsigned code) {
    if (id == kFromId && code == ui::LBN_SELCHANGE) ShowRate();
    if ((id == kAmountId || id == kRateId) && code == ui::EN_CHANGE) Repaint();
}

void CConvertCurrencyView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    dc.TextOut(1, kResultRow - 1, Text(res::IDS_CONVERT_LABEL_AMOUNT));
    Amount converted = 0;
    if (CCurrencyConversion::Convert(Narrow(m_amount), Narrow(m_rate), converted).IsDone()) {
        std::wstring text = CCVUIUtility::AmountText(converted, true);
        ui::RECT value{1, kResultRow, client.right - 1, kResultRow + 1};
        dc.DrawText(text, value, ui::DT_SINGLELINE | ui::DT_LEFT);
    }
}

bool CConvertCurrencyView::OnCommand(int id) {
    switch (id) {
        case res::IDC_CONVERT_DONE: {
            Amount converted = 0;
            const EditOutcome outcome =
                CCurrencyConversion::Convert(Narrow(m_amount), Narrow(m_rate), converted);
            if (!outcome.IsDone()) {
                Ask(outcome.message, ui::MB_OK | ui::MB_ICONEXCLAMATION);
                ui::SetFocus(outcome.message == res::IDS_CONVERT_RATE_INVALID ? m_rate : m_amount);
                return true;
            }
            shell::CCVApplication::Instance().HandBack().Give(
                shell::HandBackKind::kConvertedAmount,
                std::make_unique<shell::CHandBackOf<Amount>>(converted));
            PostBack(0);
            return true;
        }
        case res::IDC_CONVERT_CANCEL:
            PostBack(0);
            return true;
        default:
            return false;
    }
}

}  // namespace views
