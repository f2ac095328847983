#pragma once

// Data folders and transactions for the interchange tests: the five first accounts of a new
// data folder, and transactions entered as the transaction editor enters them.
#include <memory>
#include <string>
#include <vector>

#include "model/AccountListFixture.h"
#include "model/BuiltInKey.h"
#include "model/CNewTransaction.h"
#include "model/CTransactionTypeList.h"

namespace interchange_fixture {

using Type = CTransactionTypeList::BuiltInType;

struct Folder {
    account_list_fixture::DataFolder folder;
    std::unique_ptr<CCVAccountList> accounts = folder.Load();

    CCVAccount& Account(const char* name) {
        return *const_cast<CCVAccount*>(accounts->FindAccountByName(name));
    }
    // A transaction entered through the editor's operation; its date is the day given.
    const CTransaction& Enter(const char* account, CNewTransaction::Request request) {
        CNewTransaction entering(*accounts);
        EXPECT_TRUE(entering.Enter(Account(account), request).IsDone());
        return *entering.Entered();
    }
};

inline DateTime Day(int year, int month, int day) {
    DateParts parts;
    parts.year = static_cast<std::uint16_t>(year);
    parts.month = static_cast<std::uint16_t>(month);
    parts.day = static_cast<std::uint16_t>(day);
    return PartsToDate(parts);
}

inline CNewTransaction::Request Request(DateTime date, Type type, Amount amount,
                                        const char* payee) {
    CNewTransaction::Request request;
    request.date = date;
    request.typeId = BuiltInKey(type);
    request.amount = amount;
    request.payee = payee;
    request.payeeMemory = CNewTransaction::PayeeMemory::kAsEntered;
    return request;
}

}  // namespace interchange_fixture
