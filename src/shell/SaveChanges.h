#pragma once

#include "platform/ui/WinTypes.h"

// What a screen does when a change the user confirmed is complete: the model saves what changed,
// and a save that fails is said over the screen (nothing is lost in memory). True when saved.
namespace shell {

bool SaveModelChanges(ui::HWND owner);

}  // namespace shell
