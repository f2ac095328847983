#pragma once

#include "platform/ui/CCellSurface.h"
#include "platform/ui/WinTypes.h"

// What the window system needs from a screen: its size, a way to show a composed screen, and
// (for backends that hold input until the program is ready for it) the next input event.
namespace ui {

struct InputEvent {
    enum class Kind { Key, Tap, Resize };
    Kind kind = Kind::Key;
    unsigned vk = 0;    // the virtual key; VK_PACKET for a key that only carries a character
    wchar_t ch = 0;     // the character the key types, or 0
    POINT point;        // the cell of a tap
};

class IScreenBackend {
public:
    virtual ~IScreenBackend() = default;

    virtual SIZE ScreenSize() const = 0;

    // Shows the composed screen. Called under the window system's lock.
    virtual void Present(const CCellSurface& screen) = 0;

    // Input held back until the thread that owns the focus is idle (the headless backend's typed
    // keys). A backend that delivers input itself (ui::DeliverInput) has none.
    virtual bool TakeHeldInput(InputEvent& event) {
        (void)event;
        return false;
    }
};

}  // namespace ui
