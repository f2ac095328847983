#include "cli/CAccountsCommand.h"

#include "cli/COutput.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"
#include "resources/ScreenIds.h"

namespace cli {

int CAccountsCommand::Run(Context& context) {
    CCVAccountList& list = context.data.Accounts();
    const Amount total = list.GetTotalBalance(CCVAccount::kBalanceCurrent);
    const Amount clearedTotal = list.GetTotalBalance(CCVAccount::kBalanceCleared);
    nlohmann::ordered_json accounts = nlohmann::ordered_json::array();
    CTextTable table;
    for (const res::StringId id :
         {res::IDS_CLI_COLUMN_ACCOUNT, res::IDS_CLI_COLUMN_TYPE, res::IDS_CLI_COLUMN_CURRENCY}) {
        table.AddColumn(Text(id));
    }
    table.AddColumn(Text(res::IDS_CLI_COLUMN_BALANCE), CTextTable::kRight);
    table.AddColumn(Text(res::IDS_CLI_COLUMN_CLEARED), CTextTable::kRight);
    table.AddColumn(Text(res::IDS_CLI_COLUMN_IN_TOTAL));

    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        const CCVAccount& account = *list.At(i);
        const CCVAccountRecord& record = account.Record();
        const CCurrencyItem* currency = list.GetCurrencies().FindByNumber(record.GetCurrency());
        const std::string name = Utf8(account.GetName());
        const std::string type = Text(CCVAccount::AccountTypeNameId(record.GetAccountType()));
        const std::string symbol = currency != nullptr ? Utf8(currency->GetSymbol()) : "";
        const Amount balance = account.GetBalance(CCVAccount::kBalanceCurrent);
        const Amount cleared = account.GetBalance(CCVAccount::kBalanceCleared);
        const bool inTotal = record.GetIncludeInTotal();
        table.AddRow({name, type, symbol, FormatAmount(balance), FormatAmount(cleared),
                      Text(inTotal ? res::IDS_CLI_YES : res::IDS_CLI_NO)});
        accounts.push_back({{"name", name},
                            {"type", type},
                            {"currency", symbol},
                            {"balance", FormatAmount(balance)},
                            {"cleared", FormatAmount(cleared)},
                            {"inTotal", inTotal}});
    }
    // An account file that could not be read leaves its account out of the total: say which, and
    // do not pass the total off as whole.
    nlohmann::ordered_json missing = nlohmann::ordered_json::array();
    for (const std::string& path : list.AccountFilesLeftOut()) {
        missing.push_back(path);
        context.data.Say(Format(res::IDS_MISSING_FROM_TOTAL, path.c_str()));
    }
    if (context.output.IsJson()) {
        nlohmann::ordered_json json = {
            {"accounts", accounts},
            {"total", {{"balance", FormatAmount(total)}, {"cleared", FormatAmount(clearedTotal)}}}};
        if (!missing.empty()) json["missingFromTotal"] = missing;
        context.output.Json(json);
    } else {
        table.AddRow(
            {Text(res::IDS_CLI_TOTAL), "", "", FormatAmount(total), FormatAmount(clearedTotal)});
        context.output.Table(table);
    }
    return missing.empty() ? kExitDone : kExitRefused;
}

}  // namespace cli
