#pragma once

#include <memory>

#include "platform/ui/CCellSurface.h"
#include "platform/ui/CDeviceContext.h"
#include "platform/ui/WinTypes.h"

// Drawing into a window: the stand-in for BeginPaint/EndPaint and GetDC/ReleaseDC.
//
// A window paints into a private surface; when the CPaintDC ends, the surface becomes the
// window's picture, which the screen is composed from under the window system's lock. So a thread
// can paint while another composes. In paint mode (the answer to WM_PAINT) the surface starts
// blank in the window colour and the window is validated; in update mode (drawing at another
// time) it starts from the window's current picture.
namespace ui {

class CPaintDC {
public:
    enum class Mode { Paint, Update };

    explicit CPaintDC(HWND hwnd, Mode mode = Mode::Paint);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    CDeviceContext& Context() { return *m_dc; }
    CDeviceContext* operator->() { return m_dc.get(); }
    const RECT& ClientRect() const { return m_client; }

private:
    HWND m_hwnd;
    RECT m_client;
    CCellSurface m_surface;
    std::unique_ptr<CDeviceContext> m_dc;
};

}  // namespace ui
