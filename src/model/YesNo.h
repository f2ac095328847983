#pragma once

// The data model's predicates answer with these codes rather than with a bool.
enum YesNo : int {
    kYes = 3,
    kNo = 4,
};

inline YesNo ToYesNo(bool value) {
    return value ? kYes : kNo;
}
