#include "cli/CRegisterCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CRegisterRows.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"

namespace cli {
namespace {

std::vector<res::StringId> FilterNames() {
    std::vector<res::StringId> names;
    for (int filter = 0; filter < CTransaction::kFilterCount; ++filter) {
        names.push_back(CTransaction::FilterNameId(filter));
    }
    return names;
}

std::vector<res::StringId> ColumnNames() {
    std::vector<res::StringId> names;
    for (int column = 0; column < CTxnSortOrder::kColumnCount; ++column) {
        names.push_back(CTxnSortOrder::ColumnNameId(column));
    }
    return names;
}

}  // namespace

int CRegisterCommand::ChooseRows(Context& context, CCVAccount& account, int& filter) {
    filter = CTransaction::kFilterAll;
    if (const std::string* text = context.arguments.Value("--filter")) {
        filter = FindName(*text, FilterNames());
        if (filter < 0) {
            return context.data.Refuse(res::IDS_CLI_BAD_FILTER, text->c_str(),
                                       JoinNames(FilterNames()).c_str());
        }
    }
    const std::string* sort = context.arguments.Value("--sort");
    const bool descending = context.arguments.Has("--descending");
    if (sort == nullptr && !descending) return 0;  // the account's own order
    int column = account.GetSortColumn();
    if (sort != nullptr) {
        column = FindName(*sort, ColumnNames());
        if (column < 0) {
            return context.data.Refuse(res::IDS_CLI_BAD_SORT, sort->c_str(),
                                       JoinNames(ColumnNames()).c_str());
        }
    }
    account.SetSortColumn(static_cast<std::uint16_t>(column));
    account.SetSortAscending(!descending);
    account.Resort();
    return 0;
}

int CRegisterCommand::Run(Context& context) {
    CCVAccount* account = context.data.FindAccount(context.arguments.Arguments()[0]);
    if (account == nullptr) return kExitRefused;
    int filter = CTransaction::kFilterAll;
    if (const int rc = ChooseRows(context, *account, filter); rc != 0) return rc;

    const CRegisterRows register_(context.data.Accounts(), *account);
    const std::vector<CRegisterRows::Row> rows = register_.Rows(filter);
    if (context.output.IsJson()) {
        nlohmann::ordered_json json = nlohmann::ordered_json::array();
        for (const CRegisterRows::Row& row : rows) json.push_back(CRegisterRows::Json(row));
        context.output.Json({{"account", Utf8(account->GetName())},
                             {"filter", Text(CTransaction::FilterNameId(filter))},
                             {"sort", Text(CTxnSortOrder::ColumnNameId(account->GetSortColumn()))},
                             {"ascending", account->GetSortAscending()},
                             {"balance", FormatAmount(account->GetFilteredBalance(filter))},
                             {"rows", json}});
        return kExitDone;
    }
    CTextTable table;
    CRegisterRows::AddColumns(table);
    for (const CRegisterRows::Row& row : rows) table.AddRow(CRegisterRows::Cells(row));
    context.output.Table(table);
    return kExitDone;
}

}  // namespace cli
