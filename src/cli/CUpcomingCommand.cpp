#include "cli/CUpcomingCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledList.h"
#include "model/CUpcomingTxnList.h"
#include "model/CVModel.h"

namespace cli {
namespace {

std::vector<res::StringId> PeriodNames() {
    std::vector<res::StringId> names;
    for (int period = 0; period < kThroughCount; ++period) names.push_back(ThroughNameId(period));
    return names;
}

}  // namespace

int CUpcomingCommand::Run(Context& context) {
    // The upcoming screen's own setting unless one is asked for.
    const std::uint32_t setting = context.data.Model().GetPreferences().GetUpcomingThroughMode();
    int period = setting < kThroughCount ? static_cast<int>(setting) : kThroughDue;
    if (const std::string* text = context.arguments.Value("--through")) {
        period = FindName(*text, PeriodNames());
        if (period < 0) {
            return context.data.Refuse(res::IDS_CLI_BAD_PERIOD, text->c_str(),
                                       JoinNames(PeriodNames()).c_str());
        }
    }
    CCVAccountList& list = context.data.Accounts();
    CUpcomingTxnList upcoming;
    const CScheduledList* scheduled = list.GetScheduledTransactions();
    if (scheduled != nullptr)
        scheduled->BuildUpcoming(CScheduledList::AllAccounts(), period, upcoming);

    CTextTable table;
    for (const res::StringId id :
         {res::IDS_CLI_COLUMN_DATE, res::IDS_CLI_COLUMN_ACCOUNT, res::IDS_CLI_COLUMN_TYPE,
          res::IDS_CLI_COLUMN_PAYEE, res::IDS_CLI_COLUMN_CATEGORY}) {
        table.AddColumn(Text(id));
    }
    table.AddColumn(Text(res::IDS_CLI_COLUMN_AMOUNT), CTextTable::kRight);
    nlohmann::ordered_json occurrences = nlohmann::ordered_json::array();
    for (std::uint32_t i = 0; i < upcoming.Count(); ++i) {
        const CUpcomingTransItem& item = *upcoming.At(i);
        const CScheduledItem* series = scheduled->Find(item);
        if (series == nullptr) continue;
        const CTransaction& pattern = series->Template();
        const CCVAccount* account = list.FindAccountById(series->GetAccountId());
        std::string category;
        std::uint16_t icon = 0;
        list.GetCategoryText(pattern.GetCategoryId(), category, icon);
        const std::vector<std::string> cells{
            FormatDate(item.GetOccurrenceDate()),
            account != nullptr ? Utf8(account->GetName()) : std::string(),
            Utf8(list.GetTransactionTypes().NameOfKey(pattern.GetTypeId())),
            Utf8(pattern.GetPayeeName()),
            Utf8(category),
            FormatAmount(pattern.GetSignedAmount())};
        table.AddRow(cells);
        occurrences.push_back({{"date", cells[0]},
                               {"account", cells[1]},
                               {"type", cells[2]},
                               {"payee", cells[3]},
                               {"category", cells[4]},
                               {"amount", cells[5]}});
    }
    if (context.output.IsJson()) {
        context.output.Json({{"through", Text(ThroughNameId(period))},
                             {"throughDate", FormatDate(GetThroughDate(period))},
                             {"occurrences", occurrences}});
    } else {
        context.output.Table(table);
    }
    return kExitDone;
}

}  // namespace cli
