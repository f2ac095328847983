#include "cli/CTransferCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CliValues.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"

namespace cli {

int CTransferCommand::Run(Context& context) {
    const std::vector<std::string>& words = context.arguments.Arguments();
    CCVAccount* from = context.data.FindAccount(words[0]);
    if (from == nullptr) return kExitRefused;
    CCVAccount* to = context.data.FindAccount(words[1]);
    if (to == nullptr) return kExitRefused;
    Amount amount = 0;
    if (const res::StringId refusal = ReadTypedAmount(words[2], amount); refusal != res::IDS_NONE) {
        return context.data.Refuse(refusal, words[2].c_str());
    }
    // The amount moves out of FROM: a negative one would be stored as a negative magnitude.
    if (amount < 0) return context.data.Refuse(res::IDS_ENTER_VALID_AMOUNT);
    if (const EditOutcome outcome = CAccountOperations::CheckTransfer(from, to, amount);
        !outcome.IsDone()) {
        return context.data.Refuse(outcome.message);
    }
    DateTime date = Today(kDayStart);
    if (const std::string* text = context.arguments.Value("--date");
        text != nullptr && !ParseDate(*text, date)) {
        return context.data.Refuse(res::IDS_CLI_BAD_DATE, text->c_str());
    }

    CCVAccountList& list = context.data.Accounts();
    CAccountOperations operations(list);
    const Amount received = operations.ConvertBetweenAccounts(*from, *to, amount);
    const bool cleared = context.arguments.Has("--cleared");
    if (const int rc = operations.TransferFunds(from, to, date, amount, cleared); rc != 0) {
        if (rc == CCVAccount::kBalanceLimit) return context.data.Refuse(res::IDS_BALANCE_LIMIT);
        return context.data.Refuse(res::IDS_DATA_NOT_SAVED, list.GetFolder().c_str(), rc);
    }
    if (const int rc = context.data.Save(); rc != 0) return rc;

    const std::string fromName = Utf8(from->GetName());
    const std::string toName = Utf8(to->GetName());
    if (context.output.IsJson()) {
        context.output.Json(
            {{"date", FormatDate(date)},
             {"from",
              {{"account", fromName},
               {"amount", FormatAmount(-amount)},
               {"balance", FormatAmount(from->GetBalance(CCVAccount::kBalanceCurrent))}}},
             {"to",
              {{"account", toName},
               {"amount", FormatAmount(received)},
               {"balance", FormatAmount(to->GetBalance(CCVAccount::kBalanceCurrent))}}}});
    } else {
        context.output.Line(Format(res::IDS_CLI_TRANSFERRED, FormatAmount(amount).c_str(),
                                   fromName.c_str(), toName.c_str()));
    }
    return kExitDone;
}

}  // namespace cli
