#pragma once

#include "resources/MenuTable.h"

// The menu definitions of the program's screens (ids from ScreenMenuId); FindMenu answers them
// too.
namespace res {

const MenuDef* FindScreenMenu(int id);

}  // namespace res
