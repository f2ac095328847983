#pragma once

#include <cstdint>

#include "resources/StringIds.h"

class CCVItemList;

// What a list-editing rule of the model answers: whether the change was made, and the message
// (a string id) that the screen must show. The screens only call the rule and show the message.
struct EditOutcome {
    enum Result : int {
        kDone = 0,     // the change was made; there is no message
        kRefused = 1,  // nothing changed; show the message
        kAsk = 2,      // nothing changed yet; ask the message (Yes/No) and call again on Yes
    };

    Result result = kDone;
    res::StringId message = res::IDS_NONE;

    static EditOutcome Done() { return {kDone, res::IDS_NONE}; }
    static EditOutcome Refused(res::StringId message) { return {kRefused, message}; }
    static EditOutcome Ask(res::StringId question) { return {kAsk, question}; }

    bool IsDone() const { return result == kDone; }
    bool operator==(const EditOutcome&) const = default;
};

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

// True for a missing or empty text.
inline bool IsEmptyText(const char* text) {
    return text == nullptr || text[0] == '\0';
}
