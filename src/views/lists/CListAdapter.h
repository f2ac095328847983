#pragma once

#include <cstdint>
#include <string>

#include "model/EditOutcome.h"
#include "model/ListEditing.h"
#include "resources/ScreenIds.h"
#include "storage/CCVItemList.h"

// What the list editor needs of one reference list: its screen's class, title and commands, the
// text of each row, and the list's own rules for editing and deleting. One small adapter per list;
// the editor is the same screen for all of them.
namespace views {

class CListAdapter {
  public:
    struct Row {
        wchar_t icon = 0;  // 0: none
        int indent = 0;    // cells before the name
        std::wstring name;
        std::wstring detail;  // shown on the right
    };

    virtual ~CListAdapter() = default;

    virtual const wchar_t* WindowClass() const = 0;
    virtual res::StringId Title() const = 0;
    virtual int MenuId() const { return res::IDM_LIST_EDITOR; }
    // The commands whose transitions open the add and the edit screen.
    virtual int NewCommand() const { return res::IDC_LIST_NEW; }
    virtual int EditCommand() const { return res::IDC_LIST_EDIT; }

    virtual const CCVItemList& List() const = 0;
    int Count() const { return static_cast<int>(List().Count()); }
    virtual Row RowAt(int index) const = 0;

    // The check before the edit screen opens on a position.
    virtual EditOutcome CheckEdit(std::int64_t index) const {
        return CheckSelection(List(), index);
    }
    // Deletes the record at the position (after the person said yes).
    virtual EditOutcome Delete(std::int64_t index) = 0;
    // A command of the list's own; `handled` false for a command it does not know. `confirmed` is
    // set when the command is tried again after a yes to its question.
    virtual EditOutcome Command(int id, std::int64_t index, bool confirmed, bool& handled) {
        (void)id;
        (void)index;
        (void)confirmed;
        handled = false;
        return EditOutcome::Done();
    }
};

}  // namespace views
