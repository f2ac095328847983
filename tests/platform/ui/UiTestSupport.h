#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/CHeadlessScreen.h"
#include "platform/ui/WindowApi.h"

namespace ui_test {

// A message that reached a test window, with the notification details the tests look at.
struct Logged {
    ui::HWND hwnd = nullptr;
    ui::UINT message = 0;
    ui::WPARAM wParam = 0;
    ui::LPARAM lParam = 0;
    ui::UINT code = 0;  // WM_NOTIFY: the notification code
    int item = -1;      // WM_NOTIFY: the row or column; LVN_KEYDOWN: the key; WM_DRAWITEM: the row
};

// What a test window answers to LVN_GETDISPINFO for a cell: "Row 12.1".
std::wstring DisplayText(int item, int subItem);

// A headless screen of 40 x 12 and windows of class "TestView", which log every message they get
// and otherwise behave as plain windows.
class UiTest : public ::testing::Test {
protected:
    UiTest();
    ~UiTest() override;

    ui::HWND CreateView(const std::wstring& title = L"View");
    ui::HWND CreateChild(const wchar_t* className, ui::HWND parent, int id, ui::DWORD style,
                         const ui::RECT& rect, const std::wstring& text = L"");
    std::vector<Logged> Messages(ui::UINT message) const;
    void ClearLog();

    ui::CHeadlessScreen m_screen{40, 12};
};

}  // namespace ui_test
