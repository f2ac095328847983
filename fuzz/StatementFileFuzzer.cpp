// The statement-file reader and what the model makes of its lines: a file saved from a bank's
// web site, read and taken into an account (payee look-ups, the duplicate rule, matching) and
// then taken in a second time, which must add nothing.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "model/CCVAccount.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CCVTxnList.h"
#include "online/CStatementFile.h"

namespace {

// The account's owner: only the payee look-ups.
class Owner : public CCVAccount::MOwner {
  public:
    const CCVCategoryText* GetCategoryText() const override { return nullptr; }
    const CClassList* GetClassList() const override { return nullptr; }
    CCVPayeeLookUpList* GetPayeeLookUpList() override { return &m_lookUps; }
    const CCVPreferences* GetPreferences() const override { return nullptr; }

  private:
    CCVPayeeLookUpList m_lookUps;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = fuzz::WriteTempFile(fuzz::Text(data, size));
    Owner owner;
    CCVAccount account;
    account.SetOwner(&owner);
    CStatementFile::Result result;
    if (CStatementFile::ImportStatementFile(account, path, result) != CStatementFile::kImported) {
        return 0;
    }
    const std::uint32_t count = account.Transactions().Count();
    fuzz::Require(count == result.added, "every new line is in the register");
    CStatementFile::ImportStatementFile(account, path, result);
    fuzz::Require(result.added == 0, "a file a second time adds nothing");
    fuzz::Require(account.Transactions().Count() == count, "the register stays as it was");
    return 0;
}
