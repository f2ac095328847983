#pragma once

#include <cstddef>
#include <string>

#include "shell/CHandBack.h"
#include "shell/NavigationRecords.h"

// A memo as stored (Windows-1252, lines broken by "\r\n") and how many characters its owner
// keeps: handed to the memo screen and, changed, handed back (HandBackKind::kMemo).
namespace shell {

class CMemoRequest : public CNavigationPayload, public CHandBackValue {
  public:
    std::string memo;
    std::size_t capacity = 0;
};

}  // namespace shell
