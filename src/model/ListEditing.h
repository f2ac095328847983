#pragma once

#include <cstdint>

#include "model/EditOutcome.h"
#include "storage/CCVItemList.h"

// Checks and steps shared by the editing rules of the reference lists.

// The check of a selected position before it is edited or deleted: refused with `emptyMessage`
// when the list has no record, with `badIndexMessage` when the position is outside the list.
EditOutcome CheckSelection(const CCVItemList& list, std::int64_t index,
                           res::StringId emptyMessage = res::IDS_LIST_EMPTY,
                           res::StringId badIndexMessage = res::IDS_BAD_ITEM_INDEX);

// True when a name given to an edited record counts as a new name: it differs from the old one
// other than in ASCII letter case.
bool NameChanged(const char* oldName, const char* newName);

// The name checks of a record that its list finds by name (FindByName): an empty name is refused
// with "Invalid Name!"; a name that another record has is refused with `existsMessage`. A renamed
// record (`oldName` set) is tested only when its name changed; a new one (`oldName` null) always.
// Names are compared as a name field stores them (at most 32 characters).
EditOutcome CheckName(const CCVItemList& list, const char* oldName, const char* name,
                      res::StringId existsMessage);

// Marks the selected record deleted, after the selection check.
EditOutcome DeleteSelected(CCVItemList& list, std::int64_t index);

// The rules of a list kept in name order whose names are unique (payees, classes): a new record
// of that name, and a rename that moves the record to its new place in name order.
template <typename Item>
EditOutcome NewInNameOrder(CCVItemList& list, const char* name, res::StringId existsMessage) {
    if (const EditOutcome check = CheckName(list, nullptr, name, existsMessage); !check.IsDone()) {
        return check;
    }
    auto* item = new Item(name);
    item->MarkModified();
    list.InsertSorted(item);
    return EditOutcome::Done();
}

template <typename Item>
EditOutcome RenameInNameOrder(CCVItemList& list, std::int64_t index, const char* name,
                              res::StringId existsMessage) {
    if (const EditOutcome selection = CheckSelection(list, index); !selection.IsDone()) {
        return selection;
    }
    auto* item = static_cast<Item*>(list.GetAt(index));
    if (const EditOutcome check = CheckName(list, item->GetName(), name, existsMessage);
        !check.IsDone()) {
        return check;
    }
    list.Remove(item);
    item->SetName(name);
    list.InsertSorted(item);
    return EditOutcome::Done();
}
