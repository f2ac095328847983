#pragma once

#include <cstddef>

#include "model/CTransaction.h"
#include "shell/CHandBack.h"
#include "shell/NavigationRecords.h"
#include "storage/Amount.h"
#include "storage/RecordKey.h"

// The ten split lines of the transaction being edited, with its amount: handed to the split list
// and, changed, handed back to the editor (HandBackKind::kSplitLines). The account the
// transaction belongs to may not be a line's category; memos hold up to memoCapacity characters.
namespace shell {

class CSplitRequest : public CNavigationPayload, public CHandBackValue {
  public:
    CTransaction::SplitLines lines{};
    Amount amount = 0;
    RecordKey ownAccountId;
    std::size_t memoCapacity = CSplitLine::kMemoCapacity;
};

}  // namespace shell
