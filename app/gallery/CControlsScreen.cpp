#include "CControlsScreen.h"

#include <chrono>
#include <thread>

#include "CProgressDemo.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CSpinner.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace {

constexpr int kLabelWidth = 8;
constexpr int kFieldLeft = 9;
constexpr int kNameLimit = 20;
constexpr int kPinLimit = 4;
constexpr int kWaitDemoMs = 1500;

enum FieldId : int { kName = 1, kPin, kAmount, kType, kDate, kInclude };

std::wstring Text(res::StringId id) { return std::wstring(res::LoadString(id)); }

}  // namespace

void CControlsScreen::Build() {
    ui::RECT client;
    ui::GetClientRect(m_window, client);
    const int width = std::max(4, client.right - kFieldLeft - 1);
    AddLabel(res::IDS_GALLERY_NAME, 0, 2, kLabelWidth);
    ui::SendMessage(AddField(L"EDIT", 0, kFieldLeft, 2, width, 1, kName), ui::EM_LIMITTEXT,
                    kNameLimit, 0);
    AddLabel(res::IDS_GALLERY_PIN, 0, 3, kLabelWidth);
    ui::SendMessage(AddField(L"EDIT", ui::ES_PASSWORD | ui::ES_NUMBER, kFieldLeft, 3, kPinLimit + 1,
                             1, kPin),
                    ui::EM_LIMITTEXT, kPinLimit, 0);
    AddLabel(res::IDS_GALLERY_AMOUNT, 0, 4, kLabelWidth);
    m_amount = AddField(L"EDIT", 0, kFieldLeft, 4, width, 1, kAmount);
    AddLabel(res::IDS_GALLERY_TYPE, 0, 5, kLabelWidth);
    const ui::HWND spin = AddField(L"LISTBOX", 0, kFieldLeft, 5, width, 1, kType);
    if (auto* spinner = ui::GetControl<ui::CSpinner>(spin)) {
        for (res::StringId id : {res::IDS_GALLERY_TYPE_CHECKING, res::IDS_GALLERY_TYPE_SAVINGS,
                                 res::IDS_GALLERY_TYPE_CASH, res::IDS_GALLERY_TYPE_CREDIT}) {
            spinner->AddString(Text(id));
        }
        spinner->SetCurSel(0);
    }
    AddLabel(res::IDS_GALLERY_DATE, 0, 6, kLabelWidth);
    AddField(L"SysDateTimePick32", 0, kFieldLeft, 6, width, 1, kDate);
    AddField(L"BUTTON", ui::BS_AUTOCHECKBOX, 0, 7, client.right, 1, kInclude,
             Text(res::IDS_GALLERY_INCLUDE));
    ui::CreateWindow(L"STATIC", Text(res::IDS_GALLERY_HINT), ui::WS_CHILD | ui::WS_VISIBLE, 0, 9,
                     client.right, 1, m_window);
    m_status = ui::CreateWindow(L"STATIC", L"", ui::WS_CHILD | ui::WS_VISIBLE, 0, 10,
                                client.right, 2, m_window);
}

void CControlsScreen::Paint(ui::CDeviceContext& dc, const ui::RECT&) {
    CCVUIUtility::Instance().DrawHeading(dc, res::IDS_GALLERY_HEADING);
}

void CControlsScreen::ShowStatus(const std::wstring& text) { ui::SetWindowText(m_status, text); }

bool CControlsScreen::Command(int id) {
    CCVUIUtility& utility = CCVUIUtility::Instance();
    switch (id) {
        case res::IDC_GALLERY_NEXT:
            // A typed amount must be valid before the screen is left.
            if (!ui::GetWindowText(m_amount).empty() &&
                !utility.AmountCheck(ui::GetWindowText(m_amount), true)) {
                ui::SetFocus(m_amount);
                return true;
            }
            return false;
        case res::IDC_GALLERY_MSG_OK:
        case res::IDC_GALLERY_MSG_YESNO:
        case res::IDC_GALLERY_MSG_OKCANCEL: {
            const ui::UINT style = id == res::IDC_GALLERY_MSG_OK      ? ui::MB_OK | ui::MB_ICONINFORMATION
                                   : id == res::IDC_GALLERY_MSG_YESNO ? ui::MB_YESNO | ui::MB_ICONQUESTION
                                                                      : ui::MB_OKCANCEL | ui::MB_ICONWARNING;
            const res::StringId text = id == res::IDC_GALLERY_MSG_OK      ? res::IDS_GALLERY_OK_TEXT
                                       : id == res::IDC_GALLERY_MSG_YESNO ? res::IDS_GALLERY_YESNO_TEXT
                                                                          : res::IDS_GALLERY_OKCANCEL_TEXT;
            const bool yes = utility.MessageBox(m_window, text, style);
            std::wstring status(res::LoadString(res::IDS_GALLERY_ANSWER));
            status.replace(status.find(L"%s"), 2, yes ? L"yes/OK" : L"no/Cancel");
            ShowStatus(status);
            return true;
        }
        case res::IDC_GALLERY_DOWNLOAD:
            ShowStatus(Text(CProgressDemo::Run() ? res::IDS_GALLERY_FINISHED
                                                 : res::IDS_GALLERY_CANCELLED));
            return true;
        case res::IDC_GALLERY_WAIT:
            utility.ShowWaitCursor();
            std::this_thread::sleep_for(std::chrono::milliseconds(kWaitDemoMs));
            utility.HideWaitCursor();
            return true;
        default: return false;
    }
}
