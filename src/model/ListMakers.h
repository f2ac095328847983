#pragma once

#include <functional>
#include <memory>

#include "storage/CCVItemList.h"

// Makers of the lists the account list loads and saves with the others but whose record classes
// live elsewhere: the institutions of "FiList.lst" belong to the online layer, the scheduled
// transactions of "ScheduledTransList.lst" to their own part of the model. The program installs
// the makers before the model loads (see CVModel::SetListMakers). A list without a maker is
// neither read nor written: its file stays as it is.
struct ListMakers {
    using Maker = std::function<std::unique_ptr<CCVItemList>()>;

    Maker scheduled;
    Maker institutions;
};
