#include "cli/CAddCommand.h"

#include "cli/CArguments.h"
#include "cli/COutput.h"
#include "cli/CRegisterRows.h"
#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/BuiltInKey.h"
#include "model/CCVAccountList.h"

namespace cli {
namespace {

constexpr std::size_t kMaxCheckDigits = 8;

RecordKey TypeKey(CTransactionTypeList::BuiltInType type) {
    return BuiltInKey(type);
}

// A check number as the editor's field holds it: one to eight digits.
bool ReadCheckNumber(const std::string& text, std::uint32_t& number) {
    if (text.empty() || text.size() > kMaxCheckDigits) return false;
    number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return true;
}

// A typed text for a stored field, or a refusal saying why it cannot be stored as given.
bool ReadStoredText(CCommand::Context& context, std::string_view option, std::size_t capacity,
                    std::string& stored) {
    const std::string* text = context.arguments.Value(option);
    if (text == nullptr) return true;
    std::string offending;
    const std::string name(option.substr(2));
    switch (const res::StringId refusal = ReadTypedText(*text, capacity, stored, offending)) {
        case res::IDS_NONE:
            return true;
        case res::IDS_CLI_TEXT_CODE_PAGE:
            context.data.Refuse(refusal, name.c_str(), offending.c_str());
            return false;
        case res::IDS_CLI_TEXT_TOO_LONG:
            context.data.Refuse(refusal, name.c_str(), static_cast<unsigned>(capacity));
            return false;
        default:
            context.data.Refuse(refusal, name.c_str());
            return false;
    }
}

}  // namespace

int CAddCommand::ReadType(Context& context, const CCVAccount& account, Amount amount,
                          CNewTransaction::Request& request) {
    const CArguments& arguments = context.arguments;
    CCVAccountList& list = context.data.Accounts();
    RecordKey type;
    if (const std::string* name = arguments.Value("--type")) {
        if (list.GetTransactionTypes().FindKeyByName(Stored(*name).c_str(), type) == 0) {
            return context.data.Refuse(res::IDS_CLI_NO_TYPE, name->c_str());
        }
    } else if (arguments.Has("--check")) {
        type = TypeKey(CTransactionTypeList::kTypeCheck);
    } else {
        // The account's own type, when it goes the way of the amount.
        type = account.GetDefaultTypeId();
        if (amount < 0 && !CTransaction::IsDebitType(type)) {
            type = TypeKey(CTransactionTypeList::kTypeWithdrawal);
        } else if (amount > 0 && CTransaction::IsDebitType(type)) {
            type = TypeKey(CTransactionTypeList::kTypeDeposit);
        }
    }
    const std::string typeName = Utf8(list.GetTransactionTypes().NameOfKey(type));
    if (amount != 0 && CTransaction::IsDebitType(type) != (amount < 0)) {
        return context.data.Refuse(res::IDS_CLI_SIGN_AGAINST_TYPE, typeName.c_str());
    }
    request.typeId = type;
    if (const std::string* text = arguments.Value("--check")) {
        std::uint32_t number = 0;
        if (!ReadCheckNumber(*text, number)) {
            return context.data.Refuse(res::IDS_CLI_BAD_CHECK_NUMBER, text->c_str());
        }
        if (!CTransaction::TypeCarriesCheckNumber(type)) {
            return context.data.Refuse(res::IDS_CLI_CHECK_NEEDS_TYPE, typeName.c_str());
        }
        request.checkNumber = number;
    }
    return 0;
}

int CAddCommand::ReadCategoryAndClass(Context& context, CNewTransaction::Request& request) {
    CCVAccountList& list = context.data.Accounts();
    if (const std::string* text = context.arguments.Value("--category")) {
        const RecordKey category = list.GetCategoryId(Stored(*text).c_str());
        // A split needs its lines, which only the split screen enters.
        if (category == CTransaction::SplitCategoryId()) {
            return context.data.Refuse(res::IDS_CLI_SPLIT_REFUSED);
        }
        if (category.IsNull()) return context.data.Refuse(res::IDS_CLI_NO_CATEGORY, text->c_str());
        request.categoryId = category;
    }
    if (const std::string* name = context.arguments.Value("--class")) {
        RecordKey key;
        if (list.GetClasses().KeyOfName(Stored(*name).c_str(), key) == 0) {
            return context.data.Refuse(res::IDS_CLI_NO_CLASS, name->c_str());
        }
        request.classId = key;
    }
    return 0;
}

bool CAddCommand::ReadRequest(Context& context, const CCVAccount& account,
                              CNewTransaction::Request& request) {
    const CArguments& arguments = context.arguments;
    const std::string& amountText = *arguments.Value("--amount");
    Amount amount = 0;
    if (const res::StringId refusal = ReadTypedAmount(amountText, amount);
        refusal != res::IDS_NONE) {
        context.data.Refuse(refusal, amountText.c_str());
        return false;
    }
    // The stored amount is a magnitude; the type gives the direction.
    request.amount = amount < 0 ? -amount : amount;

    request.date = Today(kDayStart);
    if (const std::string* text = arguments.Value("--date");
        text != nullptr && !ParseDate(*text, request.date)) {
        context.data.Refuse(res::IDS_CLI_BAD_DATE, text->c_str());
        return false;
    }
    if (ReadType(context, account, amount, request) != 0) return false;
    if (ReadCategoryAndClass(context, request) != 0) return false;
    if (!ReadStoredText(context, "--payee", CTransaction::kPayeeCapacity, request.payee) ||
        !ReadStoredText(context, "--memo", CTransaction::kMemoCapacity, request.memo)) {
        return false;
    }
    if (const std::string* text = arguments.Value("--state")) {
        const std::vector<res::StringId> states = CRegisterRows::StateNames();
        const int state = FindName(*text, states);
        if (state < 0) {
            context.data.Refuse(res::IDS_CLI_BAD_STATE, text->c_str(), JoinNames(states).c_str());
            return false;
        }
        request.state = static_cast<std::uint8_t>(state);
    }
    return true;
}

void CAddCommand::Report(Context& context, const CCVAccount& account, const CTransaction& added) {
    CCVAccountList& list = context.data.Accounts();
    // The transaction, and its twin when it is a transfer.
    std::vector<std::pair<const CCVAccount*, const CTransaction*>> entered{{&account, &added}};
    if (const CCVAccount* other = list.FindAccountById(added.GetCategoryId())) {
        if (const CTransaction* twin = other->FindById(added.GetLinkedTransactionId())) {
            entered.emplace_back(other, twin);
        }
    }
    nlohmann::ordered_json json = nlohmann::ordered_json::array();
    for (const auto& [where, transaction] : entered) {
        CRegisterRows::Row row;
        CRegisterRows(list, *where).FindRow(*transaction, row);
        if (context.output.IsJson()) {
            json.push_back(
                {{"account", Utf8(where->GetName())},
                 {"transaction", CRegisterRows::Json(row)},
                 {"balance", FormatAmount(where->GetBalance(CCVAccount::kBalanceCurrent))}});
            continue;
        }
        context.output.Line(Format(res::IDS_CLI_ADDED, Utf8(where->GetName()).c_str()));
        CTextTable table;
        CRegisterRows::AddColumns(table);
        table.AddRow(CRegisterRows::Cells(row));
        context.output.Table(table);
    }
    if (context.output.IsJson()) context.output.Json({{"entered", json}});
}

int CAddCommand::Run(Context& context) {
    CCVAccount* account = context.data.FindAccount(context.arguments.Arguments()[0]);
    if (account == nullptr) return kExitRefused;
    CNewTransaction::Request request;
    if (!ReadRequest(context, *account, request)) return kExitRefused;

    // Every value passed: the payee list and the account change now.
    CCVAccountList& list = context.data.Accounts();
    CNewTransaction entry(list);
    if (const EditOutcome outcome = entry.Enter(*account, request); !outcome.IsDone()) {
        if (entry.Error() != 0) {
            return context.data.Refuse(outcome.message, list.GetFolder().c_str(), entry.Error());
        }
        return context.data.Refuse(outcome.message);
    }
    if (const int rc = context.data.Save(); rc != 0) return rc;
    Report(context, *account, *entry.Entered());
    return kExitDone;
}

}  // namespace cli
