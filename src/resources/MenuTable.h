#pragma once

#include <cstddef>

#include "resources/MenuIds.h"
#include "resources/StringIds.h"

// Menu definitions by id: what a soft-key bar is built from. A definition has two soft keys; a key
// either sends its command or opens its pop-up. Pop-up items have a command and a label, or are
// separators or nested pop-ups; items can start checked, as radio items, or disabled.
namespace res {

enum MenuItemFlags : unsigned {
    kMenuSeparator = 0x1,
    kMenuGrayed = 0x2,
    kMenuChecked = 0x4,
    kMenuRadio = 0x8,
};

struct MenuItemDef {
    int command = 0;
    StringId text = IDS_NONE;
    unsigned flags = 0;
    const MenuItemDef* popup = nullptr;
    std::size_t popupCount = 0;
};

constexpr std::size_t kSoftKeyCount = 2;

struct MenuDef {
    MenuId id;
    MenuItemDef keys[kSoftKeyCount];
};

// The definition of a menu id, or null for an id the table does not hold.
const MenuDef* FindMenu(int id);

}  // namespace res
