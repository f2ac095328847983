#pragma once

#include <cstddef>

#include "model/CSplitLine.h"
#include "shell/CHandBack.h"
#include "shell/NavigationRecords.h"
#include "storage/RecordKey.h"

// One split line: handed from the split list to the line editor and, changed, handed back
// (HandBackKind::kSplitLines).
namespace shell {

class CSplitLineRequest : public CNavigationPayload, public CHandBackValue {
  public:
    int index = 0;
    CSplitLine line;
    RecordKey ownAccountId;
    std::size_t memoCapacity = CSplitLine::kMemoCapacity;
};

}  // namespace shell
