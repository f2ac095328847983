#include "views/security/CUnlockLayout.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/ui/CControl.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace views {
namespace {

constexpr const wchar_t* kLogo[] = {L" .----. ", L"( CV $ )", L" '----' "};
constexpr int kLogoRows = static_cast<int>(std::size(kLogo));
constexpr int kFieldWidth = 34;  // the 32 characters, with room for the caret

// The first row of the block, which stands in the middle of the client area.
int TopRow(const ui::RECT& client) {
    constexpr int kBlockRows = kLogoRows + 5;
    return std::max(0, (client.Height() - kBlockRows) / 2);
}

void Centre(ui::CDeviceContext& dc, const ui::RECT& client, int row, std::wstring_view text) {
    ui::RECT line{client.left, row, client.right, row + 1};
    dc.DrawText(std::wstring(text), line, ui::DT_SINGLELINE | ui::DT_CENTER);
}

}  // namespace

ui::RECT CUnlockLayout::FieldRect(const ui::RECT& client) {
    const int width = std::min(kFieldWidth, std::max(1, client.Width() - 2));
    const int left = client.left + (client.Width() - width) / 2;
    const int row = TopRow(client) + kLogoRows + 3;
    return ui::RECT{left, row, left + width, row + 1};
}

void CUnlockLayout::Paint(ui::CDeviceContext& dc, const ui::RECT& client) {
    int row = TopRow(client);
    for (const wchar_t* line : kLogo) Centre(dc, client, row++, line);
    row += 1;
    Centre(dc, client, row++, res::LoadString(res::IDS_PRODUCT_LINE));
    Centre(dc, client, row, res::LoadString(res::IDS_ENTER_PASSWORD));
}

}  // namespace views

namespace views {

void CUnlockLayout::SubmitOnActionKey(ui::HWND field, int command) {
    ui::SetWindowProc(field,
                      [command](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                ui::LPARAM lParam) -> ui::LRESULT {
                          if (message == ui::WM_KEYDOWN && wParam == ui::VK_RETURN) {
                              ui::PostMessage(ui::GetParent(hwnd), ui::WM_COMMAND,
                                              static_cast<ui::WPARAM>(command), 0);
                              return 0;
                          }
                          ui::CControl* control = ui::GetControlObject(hwnd);
                          return control != nullptr
                                     ? control->WindowProc(hwnd, message, wParam, lParam)
                                     : ui::DefWindowProc(hwnd, message, wParam, lParam);
                      });
}

}  // namespace views
