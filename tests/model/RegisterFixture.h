#pragma once

// A stand-in for the account list in tests: the reference lists a register needs, accounts that
// transfers can name, the category texts, and the preferences when a test sets them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/CCVAccount.h"
#include "model/CCVCategoryList.h"
#include "model/CCVCategoryText.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CClassList.h"
#include "model/CTransactionTypeList.h"

namespace register_fixture {

using Type = CTransactionTypeList::BuiltInType;

class TestAccountList : public CCVAccount::MOwner, public CCVCategoryText::MAccounts {
  public:
    TestAccountList();

    // A new account of that name, held by this list and owned by it.
    CCVAccount& AddAccount(const char* name);

    const CCVCategoryText* GetCategoryText() const override { return &categoryText; }
    const CClassList* GetClassList() const override { return &classes; }
    CCVPayeeLookUpList* GetPayeeLookUpList() override { return &lookUps; }
    const CCVPreferences* GetPreferences() const override { return preferences; }
    const CCVAccount* FindAccountById(const RecordKey& accountId) const override;
    const CCVAccount* FindAccountByName(const char* name) const override;

    CCVCategoryList categories;
    CClassList classes;
    CCVPayeeLookUpList lookUps;
    std::vector<std::unique_ptr<CCVAccount>> accounts;
    CCVCategoryText categoryText{categories, *this};
    const CCVPreferences* preferences = nullptr;
};

// A transaction with the fields a register test usually sets.
std::unique_ptr<CTransaction> Txn(DateTime date, Amount amount, Type type = Type::kTypeDeposit,
                                  const char* payee = "",
                                  std::uint8_t state = CTransaction::kUncleared);

// The register's transactions in order, by payee name.
std::vector<std::string> Payees(const CCVAccount& account);

}  // namespace register_fixture
