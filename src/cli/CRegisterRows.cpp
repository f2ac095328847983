#include "cli/CRegisterRows.h"

#include "cli/CTextTable.h"
#include "cli/CliValues.h"
#include "model/CCVAccountList.h"

namespace cli {
namespace {

// The names of the fields of a row in JSON.
constexpr const char* kDateKey = "date";
constexpr const char* kCheckNumberKey = "checkNumber";
constexpr const char* kTypeKey = "type";
constexpr const char* kPayeeKey = "payee";
constexpr const char* kCategoryKey = "category";
constexpr const char* kClassKey = "class";
constexpr const char* kMemoKey = "memo";
constexpr const char* kAmountKey = "amount";
constexpr const char* kStateKey = "state";
constexpr const char* kBalanceKey = "balance";

}  // namespace

std::vector<res::StringId> CRegisterRows::StateNames() {
    std::vector<res::StringId> names;
    for (int state = CTransaction::kUncleared; state <= CTransaction::kVoid; ++state) {
        names.push_back(CRegisterText::StateNameId(state));
    }
    return names;
}

std::string CRegisterRows::StateName(int state) {
    const res::StringId id = CRegisterText::StateNameId(state);
    return id != res::IDS_NONE ? Text(id) : std::string();
}

std::string CRegisterRows::Row::Number() const {
    return checkNumber != 0 ? std::to_string(checkNumber) : type;
}

CRegisterRows::Row CRegisterRows::RowOf(const CTransaction& transaction, Amount balance) const {
    const CRegisterText::Fields fields = m_text.Of(transaction);
    Row row;
    row.date = FormatDate(transaction.GetDate());
    row.checkNumber = fields.checkNumber;
    row.type = Utf8(fields.type);
    row.payee = Utf8(fields.payee);
    row.category = Utf8(fields.category);
    row.className = Utf8(fields.className);
    row.memo = Utf8(fields.memo);
    row.amount = fields.signedAmount;
    row.state = StateName(fields.state);
    row.balance = balance;
    return row;
}

std::vector<CRegisterRows::Row> CRegisterRows::Rows(int filter) const {
    std::vector<Row> rows;
    for (const CCVAccount::RegisterRow& line : m_text.Account().GetRegisterRows(filter)) {
        rows.push_back(RowOf(*line.transaction, line.runningBalance));
    }
    return rows;
}

bool CRegisterRows::FindRow(const CTransaction& transaction, Row& row) const {
    for (const CCVAccount::RegisterRow& line :
         m_text.Account().GetRegisterRows(CTransaction::kFilterAll)) {
        if (line.transaction == &transaction) {
            row = RowOf(transaction, line.runningBalance);
            return true;
        }
    }
    return false;
}

void CRegisterRows::AddColumns(CTextTable& table) {
    for (const res::StringId id :
         {res::IDS_CLI_COLUMN_DATE, res::IDS_CLI_COLUMN_NUMBER, res::IDS_CLI_COLUMN_PAYEE,
          res::IDS_CLI_COLUMN_CATEGORY, res::IDS_CLI_COLUMN_CLASS, res::IDS_CLI_COLUMN_MEMO}) {
        table.AddColumn(Text(id));
    }
    table.AddColumn(Text(res::IDS_CLI_COLUMN_AMOUNT), CTextTable::kRight);
    table.AddColumn(Text(res::IDS_CLI_COLUMN_STATE));
    table.AddColumn(Text(res::IDS_CLI_COLUMN_BALANCE), CTextTable::kRight);
}

std::vector<std::string> CRegisterRows::Cells(const Row& row) {
    return {row.date,
            row.Number(),
            row.payee,
            row.category,
            row.className,
            row.memo,
            FormatAmount(row.amount),
            row.state,
            FormatAmount(row.balance)};
}

nlohmann::ordered_json CRegisterRows::Json(const Row& row) {
    nlohmann::ordered_json json;
    json[kDateKey] = row.date;
    json[kCheckNumberKey] =
        row.checkNumber != 0 ? nlohmann::ordered_json(row.checkNumber) : nullptr;
    json[kTypeKey] = row.type;
    json[kPayeeKey] = row.payee;
    json[kCategoryKey] = row.category;
    json[kClassKey] = row.className;
    json[kMemoKey] = row.memo;
    json[kAmountKey] = FormatAmount(row.amount);
    json[kStateKey] = row.state;
    json[kBalanceKey] = FormatAmount(row.balance);
    return json;
}

std::vector<std::string> CRegisterRows::CsvHeader() {
    std::vector<std::string> header;
    for (const res::StringId id :
         {res::IDS_CLI_COLUMN_DATE, res::IDS_CLI_COLUMN_CHECK_NUMBER, res::IDS_CLI_COLUMN_TYPE,
          res::IDS_CLI_COLUMN_PAYEE, res::IDS_CLI_COLUMN_CATEGORY, res::IDS_CLI_COLUMN_CLASS,
          res::IDS_CLI_COLUMN_MEMO, res::IDS_CLI_COLUMN_AMOUNT, res::IDS_CLI_COLUMN_STATE,
          res::IDS_CLI_COLUMN_BALANCE}) {
        header.push_back(Text(id));
    }
    return header;
}

std::vector<std::string> CRegisterRows::CsvFields(const Row& row) {
    return {row.date,     row.checkNumber != 0 ? std::to_string(row.checkNumber) : std::string(),
            row.type,     row.payee,
            row.category, row.className,
            row.memo,     FormatAmount(row.amount),
            row.state,    FormatAmount(row.balance)};
}

}  // namespace cli
