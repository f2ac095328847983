#pragma once

#include <memory>

#include "storage/DateTime.h"
#include "storage/RecordKey.h"

class CCVAccount;
class CTransaction;

// What the scheduled transactions need from the model around them: the accounts occurrences are
// entered into, the entering itself (with the twins of transfers), and the reminder time that the
// companion reminder program reads. The account list and the model provide it.
class MScheduleHost {
  public:
    // The account (not deleted) with that identifier, or null.
    virtual CCVAccount* FindAccountById(const RecordKey& accountId) = 0;

    // Adds the transaction to the account and creates the twins of a transfer and of split lines
    // naming accounts. 0, or 1 when it could not be added.
    virtual int AddTransactionWithTwins(CCVAccount& account,
                                        std::unique_ptr<CTransaction> transaction) = 0;

    // "Nearest Date Time" of the reminder key: the earliest reminder time, 0 for none (a missing
    // value reads as 0).
    virtual DateTime ReadNearestDateTime() = 0;
    virtual void WriteNearestDateTime(DateTime time) = 0;

  protected:
    ~MScheduleHost() = default;
};
