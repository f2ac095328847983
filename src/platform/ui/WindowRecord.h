#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/CCellSurface.h"
#include "platform/ui/CFont.h"
#include "platform/ui/WinTypes.h"

// What the window manager keeps about one window.
namespace ui {

class CControl;

struct WindowRecord {
    HWND handle = nullptr;
    std::wstring className;
    std::wstring title;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;
    HWND parent = nullptr;  // the parent of a child window
    HWND owner = nullptr;   // the owner of a top-level window (pop-ups, soft-key bars)
    std::vector<HWND> children;
    RECT rect;              // in the parent's client coordinates; on the screen for top-level
    bool fillsWorkArea = false;
    bool visible = false;
    bool enabled = true;
    bool invalid = true;
    bool destroying = false;
    bool isSoftKeyBar = false;
    bool overridesBack = false;  // a soft-key bar that hands the Back key to its owner
    HWND softKeyBar = nullptr;   // the bar of a top-level window
    HWND lastFocus = nullptr;    // the focus to give back when a top-level window is activated
    int modalResult = 0;
    bool modalEnded = false;
    DWORD thread = 0;
    std::shared_ptr<const WNDPROC> proc;
    std::unique_ptr<CControl> control;
    std::intptr_t userData = 0;
    HFONT font = nullptr;
    CCellSurface surface;
};

}  // namespace ui
