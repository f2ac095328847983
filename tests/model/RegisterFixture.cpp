#include "RegisterFixture.h"

#include <cstring>

#include "model/BuiltInKey.h"

namespace register_fixture {

TestAccountList::TestAccountList() {
    categories.CreateDefaults();
    classes.CreateDefaults();
}

CCVAccount& TestAccountList::AddAccount(const char* name) {
    accounts.push_back(std::make_unique<CCVAccount>());
    CCVAccount& account = *accounts.back();
    account.SetName(name);
    account.SetOwner(this);
    return account;
}

const CCVAccount* TestAccountList::FindAccountById(const RecordKey& accountId) const {
    for (const auto& account : accounts) {
        if (account->GetAccountId() == accountId) return account.get();
    }
    return nullptr;
}

const CCVAccount* TestAccountList::FindAccountByName(const char* name) const {
    for (const auto& account : accounts) {
        if (std::strcmp(account->GetName(), name) == 0) return account.get();
    }
    return nullptr;
}

std::unique_ptr<CTransaction> Txn(DateTime date, Amount amount, Type type, const char* payee,
                                  std::uint8_t state) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(date);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(type));
    t->SetPayeeName(payee);
    t->SetState(state);
    return t;
}

std::vector<std::string> Payees(const CCVAccount& account) {
    std::vector<std::string> payees;
    const CCVTxnList& list = account.Transactions();
    for (std::int64_t i = 0; i < static_cast<std::int64_t>(list.Count()); ++i) {
        payees.emplace_back(list.At(i)->GetPayeeName());
    }
    return payees;
}

}  // namespace register_fixture
