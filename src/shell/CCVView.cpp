#include "shell/CCVView.h"

#include <algorithm>
#include <set>

#include "model/CVModel.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CTransitionTable.h"
#include "storage/CCVPassword.h"

namespace shell {

CCVView::~CCVView() {
    if (m_window != nullptr) {
        ui::SetWindowLongPtr(m_window, ui::GWLP_USERDATA, 0);
        ui::DestroyWindow(m_window);
    }
}

CVModel& CCVView::Model() {
    return *CVModel::GetModel();
}

bool CCVView::RegisterWindowClass(const std::wstring& name) {
    static std::set<std::wstring> registered;
    if (registered.count(name) != 0) return true;
    const bool made = ui::RegisterClass(
        name, [](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            if (message == ui::WM_CREATE) {
                const auto* create = reinterpret_cast<const ui::CREATESTRUCT*>(lParam);
                ui::SetWindowLongPtr(hwnd, ui::GWLP_USERDATA,
                                     static_cast<std::intptr_t>(create->lpCreateParams));
            }
            auto* view = reinterpret_cast<CCVView*>(ui::GetWindowLongPtr(hwnd, ui::GWLP_USERDATA));
            return view != nullptr ? view->WindowProc(hwnd, message, wParam, lParam)
                                   : ui::DefWindowProc(hwnd, message, wParam, lParam);
        });
    if (made) registered.insert(name);
    return made;
}

ui::HWND CCVView::Create(int view, ui::LPARAM param) {
    m_view = view;
    const Frame frame = Describe(param);
    if (!RegisterWindowClass(frame.windowClass)) return nullptr;
    m_window = ui::CreateWindow(frame.windowClass, frame.title, ui::WS_VISIBLE, ui::CW_USEDEFAULT,
                                ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr, 0,
                                reinterpret_cast<ui::LPARAM>(this));
    if (m_window == nullptr) return nullptr;
    if (frame.menuId != 0) {
        m_bar = CCVUIUtility::Instance().CreateSoftKeyBar(frame.menuId, m_window);
        if (m_bar == nullptr) {
            ui::DestroyWindow(m_window);
            m_window = nullptr;
            return nullptr;
        }
    }
    if (!OnCreate(param)) {
        ui::DestroyWindow(m_window);
        m_window = nullptr;
        return nullptr;
    }
    // Menu items whose command leads to a screen the program does not have yet are grey.
    if (ui::CMenu* menu = Menu()) GreyItems(*menu);
    if (!m_focusRing.empty() && ui::GetFocus() != m_focusRing.front() &&
        std::find(m_focusRing.begin(), m_focusRing.end(), ui::GetFocus()) == m_focusRing.end()) {
        ui::SetFocus(m_focusRing.front());
    }
    return m_window;
}

void CCVView::OnBack() {
    PostBack(0);
}

void CCVView::Navigate(int command, ui::LPARAM param, std::unique_ptr<CNavigationPayload> payload) {
    CCVApplication::Instance().PostNavigate(command, param, std::move(payload));
}

void CCVView::PostBack(ui::LPARAM param) {
    CCVApplication::Instance().PostBack(param);
}

bool CCVView::BackIfBeneathIs(int view) {
    const CCVApplication& app = CCVApplication::Instance();
    if (app.StackDepth() == 0 || app.StackAt(app.StackDepth() - 1).view != view) return false;
    PostBack(0);
    return true;
}

bool CCVView::CanNavigate(int command) const {
    return CCVApplication::Instance().CanNavigate(m_view, command);
}

std::unique_ptr<CNavigationPayload> CCVView::TakePayload() {
    return CCVApplication::Instance().TakePayload();
}

void CCVView::NavigateIfPasswordSet(int command) {
    if (Model().PasswordState() != CCVPassword::kPasswordSet) {
        Ask(res::IDS_NEED_PASSWORD_FIRST, ui::MB_OK | ui::MB_ICONINFORMATION);
        return;
    }
    Navigate(command);
}

bool CCVView::Ask(int textId, ui::UINT style, const std::wstring& text) {
    return CCVUIUtility::Instance().MessageBox(m_window, static_cast<res::StringId>(textId), style,
                                               res::IDS_APP_NAME, text);
}

ui::HWND CCVView::AddField(const wchar_t* className, ui::DWORD style, const ui::RECT& rect, int id,
                           const std::wstring& text) {
    const ui::HWND field =
        ui::CreateWindow(className, text, ui::WS_CHILD | ui::WS_VISIBLE | ui::WS_TABSTOP | style,
                         rect.left, rect.top, rect.Width(), rect.Height(), m_window, id);
    if (field != nullptr) m_focusRing.push_back(field);
    return field;
}

ui::HWND CCVView::AddLabel(const std::wstring& text, const ui::RECT& rect) {
    return CCVUIUtility::Instance().StaticLabel(res::IDS_NONE, text, rect, m_window);
}

void CCVView::MoveFocus(int direction) {
    if (m_focusRing.empty()) return;
    const int count = static_cast<int>(m_focusRing.size());
    const int at = FocusIndex();
    // A field that is greyed or hidden (the repeat count while "Indefinitely" is chosen) takes
    // no focus: the step goes on to the next one that does.
    int next = at < 0 ? 0 : at;
    for (int step = 0; step < count; ++step) {
        if (at >= 0 || step > 0) next = ((next + direction) % count + count) % count;
        const ui::HWND field = m_focusRing[static_cast<std::size_t>(next)];
        if (ui::IsWindowEnabled(field) && ui::IsWindowVisible(field)) {
            ui::SetFocus(field);
            return;
        }
    }
}

int CCVView::FocusIndex() const {
    const auto it = std::find(m_focusRing.begin(), m_focusRing.end(), ui::GetFocus());
    return it == m_focusRing.end() ? -1 : static_cast<int>(it - m_focusRing.begin());
}

void CCVView::SetFocusIndex(int index) {
    if (index >= 0 && index < static_cast<int>(m_focusRing.size())) {
        ui::SetFocus(m_focusRing[static_cast<std::size_t>(index)]);
    }
}

ui::CMenu* CCVView::Menu() const {
    auto* bar = ui::GetControl<ui::CSoftKeyBar>(m_bar);
    return bar != nullptr ? bar->GetMenu() : nullptr;
}

void CCVView::GreyItems(ui::CMenu& menu) {
    for (int i = 0; i < menu.GetItemCount(); ++i) {
        ui::CMenu::Item* item = menu.GetItem(i);
        if (item == nullptr || item->IsSeparator()) continue;
        if (item->popup) {
            GreyItems(*item->popup);
            continue;
        }
        const int command = NavigationCommandOf(static_cast<int>(item->id));
        const int target = CTransitionTable::Find(m_view, command);
        if (target != kNoView && !CCVApplication::Instance().Catalog().Has(target)) {
            menu.EnableItem(static_cast<ui::UINT>(i), ui::MF_BYPOSITION, false);
        }
    }
}

void CCVView::CheckRadio(int first, int last, int checked) {
    if (ui::CMenu* menu = Menu()) {
        menu->CheckRadioItem(static_cast<ui::UINT>(first), static_cast<ui::UINT>(last),
                             static_cast<ui::UINT>(checked), ui::MF_BYCOMMAND);
    }
}

ui::RECT CCVView::ClientRect() const {
    ui::RECT rect;
    ui::GetClientRect(m_window, rect);
    return rect;
}

void CCVView::Repaint() const {
    ui::InvalidateRect(m_window);
}

void CCVView::HandleBackKey(ui::LPARAM lParam) {
    const bool released = (ui::LOWORD(lParam) & ui::MOD_KEYUP) != 0;
    if (!released) {
        // Decided when the key goes down: a field that holds text erases with it, and the
        // release that follows is the field's too, also when that erased its last character.
        const ui::HWND focus = ui::GetFocus();
        const bool takesText = ui::GetControl<ui::CEdit>(focus) != nullptr ||
                               ui::GetControl<ui::CComboBox>(focus) != nullptr;
        m_backErases = takesText && !ui::GetWindowText(focus).empty();
        // The Back key erases in a field that holds text, as the handheld does.
        if (m_backErases) ui::SendBackToFocusWindow(ui::WM_HOTKEY, ui::VK_TBACK, lParam);
        return;
    }
    if (m_backErases) {
        m_backErases = false;
        return;
    }
    OnBack();
}

ui::LRESULT CCVView::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_PAINT: {
            ui::CPaintDC dc(hwnd);
            OnPaint(dc.Context(), dc.ClientRect());
            return 0;
        }
        case ui::WM_COMMAND:
            if (lParam == 0) {
                // A command the screen does not take itself goes where the table sends it.
                const int id = static_cast<int>(ui::LOWORD(wParam));
                if (!OnCommand(id) && CTransitionTable::Find(m_view, id) != kNoView) Navigate(id);
            } else {
                OnControlCommand(static_cast<int>(ui::LOWORD(wParam)), ui::HIWORD(wParam));
            }
            return 0;
        case ui::WM_KEYDOWN: {
            const auto vk = static_cast<unsigned>(wParam);
            if (OnKey(vk)) return 0;
            if (vk == ui::VK_UP || vk == ui::VK_DOWN) {
                // A field that wants the arrows gets them first. One that hands the key back
                // while it has it (its caret on its first or last line) lets the focus move on,
                // instead of being handed the key again without end.
                ui::MSG msg{hwnd, message, wParam, lParam, 0, ui::POINT{}};
                bool routed = false;
                if (!m_routingArrow) {
                    m_routingArrow = true;
                    routed = CCVUIUtility::Instance().RouteKey(ui::GetFocus(), msg);
                    m_routingArrow = false;
                }
                if (!routed) MoveFocus(vk == ui::VK_UP ? -1 : 1);
                return 0;
            }
            break;
        }
        case ui::WM_HOTKEY:
            if (ui::HIWORD(lParam) == ui::VK_TBACK) {
                HandleBackKey(lParam);
                return 0;
            }
            break;
        case ui::WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const ui::NMHDR*>(lParam));
        case ui::WM_SIZE:
            OnSize(static_cast<int>(ui::LOWORD(lParam)), static_cast<int>(ui::HIWORD(lParam)));
            return 0;
        case ui::WM_ACTIVATE:
            OnActivate(ui::LOWORD(wParam) != ui::WA_INACTIVE);
            return 0;
        case ui::WM_MEASUREITEM:
            OnMeasureItem(*reinterpret_cast<ui::MEASUREITEMSTRUCT*>(lParam));
            return 1;
        case ui::WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const ui::DRAWITEMSTRUCT*>(lParam));
            return 1;
        default: {
            bool handled = false;
            const ui::LRESULT result = OnMessage(message, wParam, lParam, handled);
            if (handled) return result;
            break;
        }
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace shell
