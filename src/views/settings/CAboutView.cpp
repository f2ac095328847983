#include "views/settings/CAboutView.h"

#include <algorithm>

#include "Version.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Registry.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

constexpr int kMargin = 1;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

}  // namespace

shell::CCVView::Frame CAboutView::Describe(ui::LPARAM) {
    return Frame{L"CVAboutViewWndClass", Text(res::IDS_ABOUT_TITLE), res::IDM_ABOUT};
}

bool CAboutView::OnCreate(ui::LPARAM) {
    return true;
}

bool CAboutView::OnCommand(int id) {
    if (id != res::IDC_ABOUT_OK) return false;
    PostBack();
    return true;
}

void CAboutView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    CCVUIUtility& utility = CCVUIUtility::Instance();
    utility.DrawHeading(dc, CCVUIUtility::FormatString(res::IDS_ABOUT_VERSION, COINVALE_VERSION));
    const int width = std::max(1, client.Width() - 2 * kMargin);
    int row = 3;
    auto paragraph = [&](const std::wstring& text, int rows) {
        ui::RECT area{kMargin, row, kMargin + width, row + rows};
        dc.DrawText(text, area, ui::DT_WORDBREAK);
        row += rows;
    };
    paragraph(Text(res::IDS_ABOUT_SUMMARY), 2);
    paragraph(Text(res::IDS_ABOUT_DATA_FOLDER), 1);
    paragraph(L"  " + sys::Utf8ToWide(Model().GetDataFolder()), 3);
    paragraph(Text(res::IDS_ABOUT_SETTINGS_FILE), 1);
    paragraph(L"  " + sys::Utf8ToWide(sys::RegistryFilePath()), 3);
    paragraph(Text(res::IDS_ABOUT_LICENCE), 3);
}

}  // namespace views
