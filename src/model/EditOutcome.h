#pragma once

#include "resources/StringIds.h"

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
