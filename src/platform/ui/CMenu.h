#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/WinTypes.h"

namespace res {
struct MenuItemDef;
}

// A menu at run time: items with command ids, pop-ups, separators, check and radio marks and
// disabled items. The soft-key bar's menu holds one item per soft key; a key's pop-up is the
// menu that opens on it. Screens insert, check, enable and relabel items while they run.
namespace ui {

enum MenuFlags : UINT {
    MF_STRING = 0x0000,
    MF_GRAYED = 0x0001,
    MF_DISABLED = 0x0002,
    MF_CHECKED = 0x0008,
    MF_POPUP = 0x0010,
    MF_SEPARATOR = 0x0800,
    MF_BYCOMMAND = 0x0000,
    MF_BYPOSITION = 0x0400,
    MFT_RADIOCHECK = 0x0200,
};

class CMenu {
public:
    struct Item {
        UINT id = 0;
        std::wstring text;
        UINT flags = MF_STRING;  // MF_GRAYED, MF_CHECKED, MFT_RADIOCHECK, MF_SEPARATOR
        std::unique_ptr<CMenu> popup;

        bool IsSeparator() const { return (flags & MF_SEPARATOR) != 0; }
        bool IsEnabled() const { return (flags & (MF_GRAYED | MF_DISABLED)) == 0; }
        bool IsChecked() const { return (flags & MF_CHECKED) != 0; }
    };

    // Builds a menu from resource items.
    static std::unique_ptr<CMenu> FromDefinition(const res::MenuItemDef* items, std::size_t count);

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    Item* GetItem(int position);
    const Item* GetItem(int position) const;
    CMenu* GetSubMenu(int position);

    // Inserts before `position` (at the end when it is past the end). Returns the new position.
    int InsertItem(int position, UINT id, const std::wstring& text, UINT flags = MF_STRING);
    int InsertSeparator(int position);
    int InsertPopup(int position, const std::wstring& text, std::unique_ptr<CMenu> popup);
    bool DeleteItem(UINT item, UINT how);

    // `item` is a command id (MF_BYCOMMAND, searched in pop-ups too) or a position. False when
    // there is no such item.
    bool EnableItem(UINT item, UINT how, bool enabled);
    bool CheckItem(UINT item, UINT how, bool checked);
    bool SetItemText(UINT item, UINT how, const std::wstring& text);

    // Checks `check` as a radio item and clears the marks of the other items from `first` to
    // `last` (commands or positions of this menu; by command, of the pop-up that holds `check`).
    bool CheckRadioItem(UINT first, UINT last, UINT check, UINT how);

    // The item with a command id, in this menu or its pop-ups; null when absent.
    Item* FindCommand(UINT id);

private:
    Item* Resolve(UINT item, UINT how);

    std::vector<Item> m_items;
};

using HMENU = CMenu*;

}  // namespace ui
