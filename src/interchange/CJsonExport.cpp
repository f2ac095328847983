#include "interchange/CJsonExport.h"

#include <nlohmann/json.hpp>

#include "interchange/InterchangeValues.h"
#include "model/CCVAccountList.h"

namespace {

using Json = nlohmann::ordered_json;

const char* StateWord(const CTransaction& t) {
    switch (t.GetState()) {
        case CTransaction::kCleared:
            return "cleared";
        case CTransaction::kReconciled:
            return "reconciled";
        case CTransaction::kVoid:
            return "void";
        default:
            return "uncleared";
    }
}

const char* OriginWord(const CTransaction& t) {
    switch (t.GetOnlineOrigin()) {
        case CTransaction::kAwaitingReview:
            return "awaiting review";
        case CTransaction::kAccepted:
            return "accepted";
        default:
            return "entered";
    }
}

std::string Hex(const RecordKey& key) {
    if (key.IsNull()) return {};
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text;
    for (const std::uint8_t byte : key.bytes) {
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

std::string Text(const char* stored) {
    return interchange::ToUtf8(stored);
}

}  // namespace

void CJsonExport::Write(std::string& out) const {
    const CCVCategoryText& texts = *m_accounts.GetCategoryText();
    const CCurrencyList& currencies = m_accounts.GetCurrencies();
    const CTransactionTypeList& types = m_accounts.GetTransactionTypes();
    const auto className = [&](const RecordKey& key) {
        std::string name;
        m_accounts.GetClasses().NameOfKey(key, name);
        return Text(name.c_str());
    };
    const auto symbolOf = [&](std::uint8_t number) {
        const CCurrencyItem* item = currencies.FindByNumber(number);
        return item != nullptr ? Text(item->GetSymbol()) : std::string();
    };

    Json document;
    document["home_currency"] = symbolOf(currencies.GetBaseNumber());
    Json& currencyList = document["currencies"] = Json::array();
    for (std::uint32_t i = 0; i < currencies.Count(); ++i) {
        const auto& item = *static_cast<const CCurrencyItem*>(currencies.GetAt(i));
        currencyList.push_back({{"number", item.GetNumber()},
                                {"symbol", Text(item.GetSymbol())},
                                {"rate", item.GetRate()}});
    }
    Json& categoryList = document["categories"] = Json::array();
    const CCVCategoryList& categories = m_accounts.GetCategories();
    for (std::uint32_t i = 0; i < categories.Count(); ++i) {
        categoryList.push_back(Text(categories.At(i)->GetFullName(categories).c_str()));
    }
    Json& classList = document["classes"] = Json::array();
    CClassList& classes = m_accounts.GetClasses();
    for (std::uint32_t i = 0; i < classes.Count(); ++i) {
        classList.push_back(Text(classes.At(i)->GetName()));
    }
    Json& payeeList = document["payees"] = Json::array();
    CCVPayeeList& payees = m_accounts.GetPayees();
    for (std::uint32_t i = 0; i < payees.Count(); ++i) {
        payeeList.push_back(Text(payees.At(i)->GetName()));
    }

    Json& accountList = document["accounts"] = Json::array();
    for (std::uint32_t a = 0; a < m_accounts.Count(); ++a) {
        const CCVAccount& account = *m_accounts.At(a);
        Json registerRows = Json::array();
        const CCVTxnList& transactions = account.Transactions();
        for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
            const CTransaction& t = *transactions.At(i);
            Json row = {
                {"id", Hex(t.GetTransactionId())},
                {"date", interchange::FormatIsoDate(t.GetDate(), '-')},
                {"amount", interchange::FormatFileAmount(t.GetSignedAmount())},
                {"type", Text(types.NameOfKey(t.GetTypeId()))},
                {"check_number", t.CarriesCheckNumber() ? t.GetCheckNumber() : 0},
                {"payee", Text(t.GetPayeeName())},
                {"category", t.IsSplit() ? std::string()
                                         : Text(texts.GetCategoryText(t.GetCategoryId()).c_str())},
                {"class", className(t.GetClassId())},
                {"memo", Text(t.GetMemo())},
                {"state", StateWord(t)},
                {"origin", OriginWord(t)},
                {"twin", Hex(t.GetLinkedTransactionId())}};
            if (t.IsSplit()) {
                Json lines = Json::array();
                for (int line = 0; line < CTransaction::kSplitLines; ++line) {
                    if (!t.SplitLineInUse(line)) continue;
                    const CSplitLine& split = t.GetSplit(line);
                    lines.push_back(
                        {{"category", Text(texts.GetCategoryText(split.GetCategoryId()).c_str())},
                         {"class", className(split.GetClassId())},
                         {"memo", Text(split.GetMemo())},
                         {"amount", interchange::FormatFileAmount(t.GetSplitSignedAmount(line))},
                         {"twin", Hex(split.GetLinkedTransactionId())}});
                }
                row["splits"] = std::move(lines);
            }
            registerRows.push_back(std::move(row));
        }
        accountList.push_back(
            {{"name", Text(account.GetName())},
             {"type", Text(LoadNarrowString(
                               CCVAccount::AccountTypeNameId(account.Record().GetAccountType()))
                               .c_str())},
             {"currency", symbolOf(account.Record().GetCurrency())},
             {"beginning_balance",
              interchange::FormatFileAmount(account.Record().GetBeginningBalance())},
             {"balance",
              interchange::FormatFileAmount(account.GetBalance(CCVAccount::kBalanceCurrent))},
             {"cleared_balance",
              interchange::FormatFileAmount(account.GetBalance(CCVAccount::kBalanceCleared))},
             {"transactions", std::move(registerRows)}});
    }
    out += document.dump(2);
    out += '\n';
}
