#include "UiTestSupport.h"

#include <mutex>

namespace ui_test {
namespace {

std::mutex g_mutex;
std::vector<Logged> g_log;

ui::LRESULT LoggingProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
    Logged entry{hwnd, message, wParam, lParam};
    if (message == ui::WM_NOTIFY) {
        const auto* header = reinterpret_cast<const ui::NMHDR*>(lParam);
        entry.code = header->code;
        if (header->code == ui::LVN_KEYDOWN) {
            entry.item = static_cast<int>(reinterpret_cast<const ui::NMLVKEYDOWN*>(lParam)->wVKey);
        } else if (header->code == ui::LVN_ITEMACTIVATE) {
            entry.item = reinterpret_cast<const ui::NMITEMACTIVATE*>(lParam)->iItem;
        } else if (header->code == ui::LVN_COLUMNCLICK) {
            entry.item = reinterpret_cast<const ui::NMLISTVIEW*>(lParam)->iSubItem;
        } else if (header->code == ui::LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const ui::NMLISTVIEW*>(lParam);
            entry.item = (change->uNewState & ui::LVIS_SELECTED) != 0 ? change->iItem : -1;
        } else if (header->code == ui::LVN_GETDISPINFO) {
            auto* info = reinterpret_cast<ui::NMLVDISPINFO*>(lParam);
            entry.item = info->iItem;
            info->text = DisplayText(info->iItem, info->iSubItem);
        }
    } else if (message == ui::WM_DRAWITEM) {
        entry.item = static_cast<int>(reinterpret_cast<const ui::DRAWITEMSTRUCT*>(lParam)->itemID);
    }
    {
        std::lock_guard lock(g_mutex);
        g_log.push_back(entry);
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace

std::wstring DisplayText(int item, int subItem) {
    return L"Row " + std::to_wstring(item) + L"." + std::to_wstring(subItem);
}

UiTest::UiTest() {
    static const bool registered = ui::RegisterClass(L"TestView", LoggingProc);
    (void)registered;
    ClearLog();
}

UiTest::~UiTest() { ui::CWindowManager::Instance().ResetForTests(); }

ui::HWND UiTest::CreateView(const std::wstring& title) {
    return ui::CreateWindow(L"TestView", title, ui::WS_VISIBLE, ui::CW_USEDEFAULT,
                            ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr);
}

ui::HWND UiTest::CreateChild(const wchar_t* className, ui::HWND parent, int id, ui::DWORD style,
                             const ui::RECT& rect, const std::wstring& text) {
    return ui::CreateWindow(className, text, ui::WS_CHILD | ui::WS_VISIBLE | style, rect.left,
                            rect.top, rect.Width(), rect.Height(), parent, id);
}

std::vector<Logged> UiTest::Messages(ui::UINT message) const {
    std::lock_guard lock(g_mutex);
    std::vector<Logged> found;
    for (const Logged& entry : g_log) {
        if (entry.message == message) found.push_back(entry);
    }
    return found;
}

void UiTest::ClearLog() {
    std::lock_guard lock(g_mutex);
    g_log.clear();
}

}  // namespace ui_test
