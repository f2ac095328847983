#pragma once

#include <string>

#include "resources/StringIds.h"

// Why a synchronisation step did nothing: the message to show (a string with the path as its
// first %s and, where it has one, `detail` or else the cause of `error` as its second), the path
// concerned and the cause of the failure, a code of platform/sys/WinErrors.h (0 when there is
// none).
struct SyncFailure {
    res::StringId message = res::IDS_NONE;
    std::string path;
    long error = 0;
    std::string detail;

    bool Failed() const { return message != res::IDS_NONE; }
};
