#pragma once

#include "cli/CCommand.h"
#include "model/CNewTransaction.h"

class CCVAccount;

namespace cli {

// add ACCOUNT --amount A [--date D] [--type T] [--payee P] [--category C] [--class K]
// [--memo M] [--state S] [--check N]: one transaction, read as the transaction editor reads its
// fields and entered as its "Done" enters it (CNewTransaction): a known payee fills in the
// category, class and memo left out, a transfer gets its twin, a new payee joins the payee list
// and the payee remembers the transaction. Nothing changes until every value passed.
//
// The amount is signed as the register shows it: negative takes money out. Without --type the
// account's own type is taken when it goes that way, else "Withdrawal" or "Deposit"; a type given
// must go the way of the sign. --check without --type means "Check #".
class CAddCommand : public CCommand {
  public:
    std::string_view Name() const override { return "add"; }
    res::StringId HelpId() const override { return res::IDS_CLI_HELP_ADD; }
    std::size_t ArgumentCount() const override { return 1; }
    std::vector<std::string_view> Options() const override {
        return {"--json",     "--amount", "--date", "--type",  "--payee",
                "--category", "--class",  "--memo", "--state", "--check"};
    }
    std::vector<std::string_view> RequiredOptions() const override { return {"--amount"}; }
    CDataSession::Access Access() const override { return CDataSession::kChange; }
    int Run(Context& context) override;

  private:
    // Reads the options into the request for `account`; false after saying what was wrong.
    static bool ReadRequest(Context& context, const CCVAccount& account,
                            CNewTransaction::Request& request);
    static int ReadType(Context& context, const CCVAccount& account, Amount amount,
                        CNewTransaction::Request& request);
    static int ReadCategoryAndClass(Context& context, CNewTransaction::Request& request);
    static void Report(Context& context, const CCVAccount& account, const CTransaction& added);
};

}  // namespace cli
