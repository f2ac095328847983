#pragma once

#include <string>

#include "ofx/OfxStatus.h"
#include "platform/sys/CodePage.h"
#include "resources/StringIds.h"

// A text of the string table with printf-style arguments filled in, as the screens show it. The
// arguments are narrow (Windows-1252) like the stored texts and the bank's messages.
template <typename... Args>
std::wstring OnlineText(res::StringId id, Args... args) {
    return sys::AnsiToWide(ofx::FormatNarrow(id, args...));
}
