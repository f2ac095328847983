#pragma once

#include "CGalleryScreen.h"

// The first screen: a heading, labels, a plain, a masked digits-only and an amount field, a
// spinner, a date picker and a check box; the menu opens message boxes, the download with its
// progress window on a second thread, and the wait indicator.
class CControlsScreen : public CGalleryScreen {
protected:
    void Build() override;
    bool Command(int id) override;
    void Paint(ui::CDeviceContext& dc, const ui::RECT& client) override;

private:
    void ShowStatus(const std::wstring& text);

    ui::HWND m_amount = nullptr;
    ui::HWND m_status = nullptr;
};
