#pragma once

#include "model/CRepeatSetting.h"
#include "shell/CHandBack.h"
#include "shell/NavigationRecords.h"

// How a scheduled transaction repeats: handed by the transaction editor to the repeat screen and,
// changed there, handed back (HandBackKind::kRepeat).
namespace shell {

class CRepeatRequest : public CNavigationPayload, public CHandBackValue {
  public:
    explicit CRepeatRequest(const CRepeatSetting& setting) : repeat(setting) {}
    CRepeatSetting repeat;
};

}  // namespace shell
