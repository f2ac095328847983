#include "platform/ui/CMenu.h"

#include <algorithm>

#include "resources/MenuTable.h"
#include "resources/StringTable.h"

namespace ui {

std::unique_ptr<CMenu> CMenu::FromDefinition(const res::MenuItemDef* items, std::size_t count) {
    auto menu = std::make_unique<CMenu>();
    for (std::size_t i = 0; i < count; ++i) {
        const res::MenuItemDef& def = items[i];
        const std::wstring text(res::LoadString(def.text));
        if (def.flags & res::kMenuSeparator) {
            menu->InsertSeparator(menu->GetItemCount());
        } else if (def.popupCount > 0) {
            menu->InsertPopup(menu->GetItemCount(), text, FromDefinition(def.popup, def.popupCount));
        } else {
            UINT flags = MF_STRING;
            if (def.flags & res::kMenuGrayed) flags |= MF_GRAYED;
            if (def.flags & res::kMenuChecked) flags |= MF_CHECKED;
            if (def.flags & res::kMenuRadio) flags |= MFT_RADIOCHECK;
            menu->InsertItem(menu->GetItemCount(), static_cast<UINT>(def.command), text, flags);
        }
    }
    return menu;
}

CMenu::Item* CMenu::GetItem(int position) {
    if (position < 0 || position >= GetItemCount()) return nullptr;
    return &m_items[static_cast<std::size_t>(position)];
}

const CMenu::Item* CMenu::GetItem(int position) const {
    return const_cast<CMenu*>(this)->GetItem(position);
}

CMenu* CMenu::GetSubMenu(int position) {
    Item* item = GetItem(position);
    return item != nullptr ? item->popup.get() : nullptr;
}

int CMenu::InsertItem(int position, UINT id, const std::wstring& text, UINT flags) {
    const int at = (position < 0 || position > GetItemCount()) ? GetItemCount() : position;
    Item item;
    item.id = id;
    item.text = text;
    item.flags = flags & ~MF_POPUP;
    m_items.insert(m_items.begin() + at, std::move(item));
    return at;
}

int CMenu::InsertSeparator(int position) { return InsertItem(position, 0, L"", MF_SEPARATOR); }

int CMenu::InsertPopup(int position, const std::wstring& text, std::unique_ptr<CMenu> popup) {
    const int at = InsertItem(position, 0, text);
    m_items[static_cast<std::size_t>(at)].flags |= MF_POPUP;
    m_items[static_cast<std::size_t>(at)].popup = std::move(popup);
    return at;
}

CMenu::Item* CMenu::FindCommand(UINT id) {
    for (Item& item : m_items) {
        if (item.popup) {
            if (Item* found = item.popup->FindCommand(id)) return found;
        } else if (!item.IsSeparator() && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

CMenu::Item* CMenu::Resolve(UINT item, UINT how) {
    if (how & MF_BYPOSITION) return GetItem(static_cast<int>(item));
    return FindCommand(item);
}

bool CMenu::DeleteItem(UINT item, UINT how) {
    if (how & MF_BYPOSITION) {
        if (GetItem(static_cast<int>(item)) == nullptr) return false;
        m_items.erase(m_items.begin() + item);
        return true;
    }
    for (auto it = m_items.begin(); it != m_items.end(); ++it) {
        if (it->popup) {
            if (it->popup->DeleteItem(item, how)) return true;
        } else if (!it->IsSeparator() && it->id == item) {
            m_items.erase(it);
            return true;
        }
    }
    return false;
}

bool CMenu::EnableItem(UINT item, UINT how, bool enabled) {
    Item* found = Resolve(item, how);
    if (found == nullptr) return false;
    if (enabled) found->flags &= ~(MF_GRAYED | MF_DISABLED);
    else found->flags |= MF_GRAYED;
    return true;
}

bool CMenu::CheckItem(UINT item, UINT how, bool checked) {
    Item* found = Resolve(item, how);
    if (found == nullptr) return false;
    if (checked) found->flags |= MF_CHECKED;
    else found->flags &= ~MF_CHECKED;
    return true;
}

bool CMenu::SetItemText(UINT item, UINT how, const std::wstring& text) {
    Item* found = Resolve(item, how);
    if (found == nullptr) return false;
    found->text = text;
    return true;
}

bool CMenu::CheckRadioItem(UINT first, UINT last, UINT check, UINT how) {
    if ((how & MF_BYPOSITION) == 0) {
        // By command, the items may sit in a pop-up: the pop-up that holds `check` is meant.
        bool here = false;
        for (const Item& item : m_items) here = here || (!item.popup && item.id == check);
        if (!here) {
            for (Item& item : m_items) {
                if (item.popup && item.popup->CheckRadioItem(first, last, check, how)) return true;
            }
            return false;
        }
    }
    bool checked = false;
    for (int position = 0; position < GetItemCount(); ++position) {
        Item& item = m_items[static_cast<std::size_t>(position)];
        const UINT key = (how & MF_BYPOSITION) ? static_cast<UINT>(position) : item.id;
        if (item.IsSeparator() || item.popup || key < std::min(first, last) ||
            key > std::max(first, last)) {
            continue;
        }
        if (key == check) {
            item.flags |= MF_CHECKED | MFT_RADIOCHECK;
            checked = true;
        } else {
            item.flags &= ~MF_CHECKED;
        }
    }
    return checked;
}

}  // namespace ui
