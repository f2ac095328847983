#include "platform/ui/CPaintDC.h"

#include "platform/ui/CControl.h"
#include "platform/ui/CWindowManager.h"
#include "platform/ui/SysColors.h"

namespace ui {

CPaintDC::CPaintDC(HWND hwnd, Mode mode) : m_hwnd(hwnd) {
    HFONT font = nullptr;
    CWindowManager::Instance().Update(hwnd, [&](WindowRecord& record) {
        m_client = RECT{0, 0, record.rect.Width(), record.rect.Height()};
        font = record.font;
        if (mode == Mode::Paint) record.invalid = false;
        if (mode == Mode::Update && record.surface.Width() == m_client.right &&
            record.surface.Height() == m_client.bottom) {
            m_surface = record.surface;
        }
    });
    if (m_surface.Width() != m_client.right || m_surface.Height() != m_client.bottom) {
        m_surface.Resize(m_client.right, m_client.bottom,
                         Cell{L' ', GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW)});
    }
    m_dc = std::make_unique<CDeviceContext>(m_surface, m_client, POINT{0, 0});
    m_dc->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
    m_dc->SetBkColor(GetSysColor(COLOR_WINDOW));
    if (font != nullptr) m_dc->SelectFont(font);
}

CPaintDC::~CPaintDC() {
    m_dc.reset();
    CWindowManager::Instance().Update(m_hwnd, [&](WindowRecord& record) {
        if (m_surface.Width() == record.rect.Width() &&
            m_surface.Height() == record.rect.Height()) {
            record.surface = std::move(m_surface);
        }
    });
}

}  // namespace ui
