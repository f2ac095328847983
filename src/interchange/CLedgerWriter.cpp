#include "interchange/CLedgerWriter.h"

#include <cstdio>
#include <cstring>

#include "interchange/InterchangeValues.h"
#include "model/CCVAccountList.h"

namespace {

constexpr const char* kOpening = "Equity:Opening Balances";
constexpr const char* kUnlinked = "Equity:Unlinked Transfers";
constexpr const char* kUnassigned = "Unassigned";
constexpr std::size_t kAmountColumn = 60;

bool IsLetters(const std::string& text) {
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
    }
    return !text.empty();
}

// A name part of a journal account: no ":" (it would make a level), no run of two spaces or a
// tab (they end the account name), no brackets or parentheses (virtual postings).
std::string AccountPart(const char* stored) {
    std::string part = interchange::ToUtf8(stored);
    std::string clean;
    for (const char c : part) {
        char k = c;
        if (k == ':') k = '-';
        if (k == '\t') k = ' ';
        if (k == '(' || k == '[') k = '{';
        if (k == ')' || k == ']') k = '}';
        if (k == ';') k = ',';
        if (k == ' ' && (clean.empty() || clean.back() == ' ')) continue;
        clean += k;
    }
    while (!clean.empty() && clean.back() == ' ') clean.pop_back();
    return clean.empty() ? std::string("-") : clean;
}

// Comment texts on one line.
std::string OneLine(const char* stored) {
    std::string text = interchange::ToUtf8(stored);
    for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return text;
}

// The payee as an entry's header reads it back: single spaces (two would start a comment), and
// no leading "(", "*" or "!", which ledger would take for a code or a state mark.
std::string HeaderPayee(const char* stored) {
    const std::string text = OneLine(stored);
    std::string payee;
    for (const char c : text) {
        if (c == ' ' && (payee.empty() || payee.back() == ' ')) continue;
        payee += c;
    }
    while (!payee.empty() && payee.back() == ' ') payee.pop_back();
    if (!payee.empty() && payee.front() == '(') payee.front() = '{';
    if (!payee.empty() && (payee.front() == '*' || payee.front() == '!')) payee.insert(0, "-");
    return payee;
}

bool IsLiability(const CCVAccount& account) {
    const auto type = account.Record().GetAccountType();
    return type == CCVAccount::kCredit || type == CCVAccount::kLiability ||
           type == CCVAccount::kLineOfCredit;
}

char Mark(const CTransaction& transaction) {
    if (transaction.IsReconciled()) return '*';
    if (transaction.IsCleared()) return '!';
    return 0;
}

}  // namespace

std::uint64_t CLedgerWriter::KeyNumber(const RecordKey& key) {
    std::uint64_t number = 0;
    std::memcpy(&number, key.bytes.data(), sizeof number);
    return number;
}

const CCVAccount* CLedgerWriter::AccountById(const RecordKey& key) const {
    const auto found = m_accountIndex.find(KeyNumber(key));
    return found != m_accountIndex.end() ? m_accounts.At(found->second) : nullptr;
}

const CTransaction* CLedgerWriter::FindIn(const RecordKey& accountId,
                                          const RecordKey& transactionId) const {
    if (transactionId.IsNull()) return nullptr;
    const auto account = m_accountIndex.find(KeyNumber(accountId));
    const auto found = m_transactions.find(KeyNumber(transactionId));
    if (account == m_accountIndex.end() || found == m_transactions.end() ||
        found->second.account != account->second ||
        found->second.transaction->GetTransactionId() != transactionId) {
        return nullptr;
    }
    return found->second.transaction;
}

const std::string& CLedgerWriter::Commodity(std::uint8_t currency) const {
    const auto found = m_commodities.find(currency);
    return found != m_commodities.end() ? found->second : m_commodities.at(m_home);
}

std::string CLedgerWriter::AccountName(const CCVAccount& account) const {
    return (IsLiability(account) ? "Liabilities:" : "Assets:") + AccountPart(account.GetName());
}

std::string CLedgerWriter::CategoryAccount(const RecordKey& key) const {
    if (const auto cached = m_categoryNames.find(KeyNumber(key)); cached != m_categoryNames.end()) {
        return cached->second;
    }
    const CCVCategoryList& categories = m_accounts.GetCategories();
    const auto* category = static_cast<const CCVCategoryItem*>(categories.FindByKey(key));
    if (category == nullptr) {
        const auto found = m_income.find(RecordKey{});
        const bool income = found != m_income.end() && found->second;
        return std::string(income ? "Income:" : "Expenses:") + kUnassigned;
    }
    RecordKey top = key;
    std::string name = AccountPart(category->GetName());
    if (!category->GetParentKey().IsNull()) {
        top = category->GetParentKey();
        name = AccountPart(categories.NameOfKey(top)) + ":" + name;
    }
    const auto found = m_income.find(top);
    const bool income = found != m_income.end() && found->second;
    return (income ? "Income:" : "Expenses:") + name;
}

void CLedgerWriter::FindIncomeCategories() {
    const CCVCategoryList& categories = m_accounts.GetCategories();
    std::map<RecordKey, Amount> sums;
    m_topCategory.clear();
    for (std::uint32_t i = 0; i < categories.Count(); ++i) {
        const CCVCategoryItem& category = *categories.At(i);
        const RecordKey& key = *category.GetKey();
        m_topCategory[KeyNumber(key)] =
            category.GetParentKey().IsNull() ? key : category.GetParentKey();
    }
    const auto add = [&](const RecordKey& key, Amount home) {
        if (AccountById(key) != nullptr) return;
        const auto top = m_topCategory.find(KeyNumber(key));
        sums[top != m_topCategory.end() ? top->second : RecordKey{}] += home;
    };
    for (std::uint32_t a = 0; a < m_accounts.Count(); ++a) {
        const CCVAccount& account = *m_accounts.At(a);
        const std::uint8_t currency = account.Record().GetCurrency();
        const CCVTxnList& transactions = account.Transactions();
        for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
            const CTransaction& t = *transactions.At(i);
            if (t.IsVoid()) continue;
            if (!t.IsSplit()) {
                add(t.GetCategoryId(), m_accounts.ConvertToHome(t.GetSignedAmount(), currency));
                continue;
            }
            Amount rest = t.GetSignedAmount();
            for (int line = 0; line < CTransaction::kSplitLines; ++line) {
                if (!t.SplitLineInUse(line)) continue;
                rest -= t.GetSplitSignedAmount(line);
                add(t.GetSplit(line).GetCategoryId(),
                    m_accounts.ConvertToHome(t.GetSplitSignedAmount(line), currency));
            }
            if (rest != 0) add(RecordKey{}, m_accounts.ConvertToHome(rest, currency));
        }
    }
    for (const auto& [key, sum] : sums) m_income[key] = sum > 0;
    m_categoryNames.clear();
    for (std::uint32_t i = 0; i < categories.Count(); ++i) {
        const RecordKey& key = *categories.At(i)->GetKey();
        m_categoryNames[KeyNumber(key)] = CategoryAccount(key);
    }
}

void CLedgerWriter::WriteCommodities(std::string& out) const {
    const CCurrencyList& currencies = m_accounts.GetCurrencies();
    const std::string date = interchange::FormatIsoDate(m_priceDate, '/');
    for (const auto& [number, name] : m_commodities) {
        out += "commodity " + name + "\n";
    }
    out += '\n';
    for (const auto& [number, name] : m_commodities) {
        const CCurrencyItem* item = currencies.FindByNumber(number);
        if (number == m_home || item == nullptr) continue;
        char rate[64];
        std::snprintf(rate, sizeof rate, "%.10g", item->GetRate());
        out += "P " + date + " " + name + " " + rate + " " + Commodity(m_home) + "\n";
    }
    out += '\n';
}

void CLedgerWriter::WritePostings(std::vector<Posting>& postings, std::string& out) const {
    // One posting in another commodity takes up what the others leave, so that the entry
    // balances exactly in the home currency.
    Posting* balancing = nullptr;
    for (Posting& posting : postings) {
        if (posting.currency != m_home) {
            balancing = &posting;
            break;
        }
    }
    if (balancing != nullptr) {
        Amount others = 0;
        for (const Posting& posting : postings) {
            if (&posting != balancing) others += posting.home;
        }
        balancing->home = -others;
    }
    for (const Posting& posting : postings) {
        std::string line = "    ";
        if (posting.mark != 0) {
            line += posting.mark;
            line += ' ';
        }
        line += posting.account;
        line.append(line.size() < kAmountColumn ? kAmountColumn - line.size() : 2, ' ');
        line += interchange::FormatFileAmount(posting.amount);
        line += ' ';
        line += Commodity(posting.currency);
        if (posting.currency != m_home && posting.amount != 0) {
            line += " @@ ";
            line += interchange::FormatFileAmount(posting.home < 0 ? -posting.home : posting.home);
            line += ' ';
            line += Commodity(m_home);
        }
        if (posting.comment != nullptr && posting.comment[0] != '\0') {
            line += "  ; ";
            line += OneLine(posting.comment);
        }
        out += line;
        out += '\n';
    }
}

bool CLedgerWriter::TransferPosting(const RecordKey& key, const RecordKey& link, Amount fallback,
                                    std::uint8_t fallbackCurrency, std::uint32_t accountIndex,
                                    const CTransaction& transaction, Posting& posting,
                                    bool& skip) const {
    const CCVAccount* other = AccountById(key);
    if (other == nullptr) return false;
    const CTransaction* twin = FindIn(key, link);
    if (twin == nullptr || twin->IsVoid()) {
        posting.account = kUnlinked;
        posting.currency = m_home;
        posting.amount = -m_accounts.ConvertToHome(fallback, fallbackCurrency);
        posting.home = posting.amount;
        return true;
    }
    // The account listed first writes the transfer.
    const bool wholeTransfer =
        !transaction.IsSplit() && transaction.GetSourceSplitIndex() == CTransaction::kNoSourceSplit;
    if (wholeTransfer && twin->GetSourceSplitIndex() == CTransaction::kNoSourceSplit &&
        m_accountIndex.at(KeyNumber(key)) < accountIndex) {
        skip = true;
        return true;
    }
    const std::uint8_t currency = other->Record().GetCurrency();
    posting.account = m_accountNames[m_accountIndex.at(KeyNumber(key))];
    posting.currency = m_commodities.contains(currency) ? currency : m_home;
    posting.amount = twin->GetSignedAmount();
    posting.home = m_accounts.ConvertToHome(posting.amount, currency);
    posting.mark = Mark(*twin);
    return true;
}

void CLedgerWriter::WriteTransaction(std::uint32_t accountIndex, const CCVAccount& account,
                                     const CTransaction& t, std::string& out) {
    const std::uint8_t rawCurrency = account.Record().GetCurrency();
    const std::uint8_t currency = m_commodities.contains(rawCurrency) ? rawCurrency : m_home;
    // The twin of a split line is written with its source, when the source is there.
    if (t.GetSourceSplitIndex() != CTransaction::kNoSourceSplit) {
        const CTransaction* original = FindIn(t.GetCategoryId(), t.GetLinkedTransactionId());
        if (original != nullptr && !original->IsVoid()) return;
    }
    std::vector<Posting> postings;
    Posting own;
    own.account = m_accountNames[accountIndex];
    own.amount = t.GetSignedAmount();
    own.currency = currency;
    own.home = m_accounts.ConvertToHome(own.amount, rawCurrency);
    own.mark = Mark(t);
    postings.push_back(own);
    const auto categoryPosting = [&](const RecordKey& key, Amount part, const char* comment) {
        Posting posting;
        posting.account = CategoryAccount(key);
        posting.currency = m_home;
        posting.amount = -m_accounts.ConvertToHome(part, rawCurrency);
        posting.home = posting.amount;
        posting.comment = comment;
        postings.push_back(posting);
    };
    bool skip = false;
    if (!t.IsSplit()) {
        Posting posting;
        if (t.GetSourceSplitIndex() != CTransaction::kNoSourceSplit) {
            // A split line's twin whose source is gone.
            posting.account = kUnlinked;
            posting.currency = m_home;
            posting.amount = -own.home;
            posting.home = posting.amount;
            postings.push_back(posting);
        } else if (TransferPosting(t.GetCategoryId(), t.GetLinkedTransactionId(), own.amount,
                                   rawCurrency, accountIndex, t, posting, skip)) {
            if (skip) return;
            postings.push_back(posting);
        } else {
            categoryPosting(t.GetCategoryId(), own.amount, nullptr);
        }
    } else {
        Amount rest = own.amount;
        for (int line = 0; line < CTransaction::kSplitLines; ++line) {
            if (!t.SplitLineInUse(line)) continue;
            const CSplitLine& split = t.GetSplit(line);
            const Amount part = t.GetSplitSignedAmount(line);
            rest -= part;
            Posting posting;
            if (TransferPosting(split.GetCategoryId(), split.GetLinkedTransactionId(), part,
                                rawCurrency, accountIndex, t, posting, skip)) {
                posting.comment = split.GetMemo();
                postings.push_back(posting);
            } else {
                categoryPosting(split.GetCategoryId(), part, split.GetMemo());
            }
        }
        if (rest != 0) categoryPosting(RecordKey{}, rest, nullptr);
    }

    out += interchange::FormatIsoDate(t.GetDate(), '/');
    if (t.CarriesCheckNumber() && t.GetCheckNumber() != 0) {
        out += " (" + std::to_string(t.GetCheckNumber()) + ")";
    }
    out += ' ';
    out += HeaderPayee(t.GetPayeeName());
    out += '\n';
    if (t.GetMemo()[0] != '\0') out += "    ; " + OneLine(t.GetMemo()) + "\n";
    WritePostings(postings, out);
    out += '\n';
}

void CLedgerWriter::WriteOpening(const CCVAccount& account, std::string& out) const {
    const Amount beginning = account.Record().GetBeginningBalance();
    if (beginning == 0) return;
    DateTime first = m_priceDate;
    const CCVTxnList& transactions = account.Transactions();
    for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
        if (transactions.At(i)->GetDate() < first) first = transactions.At(i)->GetDate();
    }
    const std::uint8_t rawCurrency = account.Record().GetCurrency();
    std::vector<Posting> postings(2);
    postings[0].account = AccountName(account);
    postings[0].amount = beginning;
    postings[0].currency = m_commodities.contains(rawCurrency) ? rawCurrency : m_home;
    postings[0].home = m_accounts.ConvertToHome(beginning, rawCurrency);
    postings[1].account = kOpening;
    postings[1].currency = m_home;
    postings[1].amount = -postings[0].home;
    postings[1].home = postings[1].amount;
    out += interchange::FormatIsoDate(first, '/') + " Opening balance\n";
    WritePostings(postings, out);
    out += '\n';
}

void CLedgerWriter::Write(std::string& out) {
    const CCurrencyList& currencies = m_accounts.GetCurrencies();
    m_home = currencies.GetBaseNumber();
    m_commodities.clear();
    for (std::uint32_t i = 0; i < currencies.Count(); ++i) {
        const CCurrencyItem& item = *static_cast<const CCurrencyItem*>(currencies.GetAt(i));
        if (item.GetNumber() != m_home && item.GetRate() == 0) continue;
        const std::string symbol = interchange::ToUtf8(item.GetSymbol());
        const bool plain = IsLetters(symbol) || symbol == "$" || symbol == "\xC2\xA3" ||
                           symbol == "\xE2\x82\xAC" || symbol == "\xC2\xA5";
        std::string name = plain ? symbol : "\"" + symbol + "\"";
        for (char& c : name) {
            if (c == '\n' || c == '\r') c = ' ';
        }
        m_commodities[item.GetNumber()] = name;
    }
    if (!m_commodities.contains(m_home)) m_commodities[m_home] = "\"home\"";
    m_accountIndex.clear();
    m_accountNames.clear();
    m_transactions.clear();
    for (std::uint32_t a = 0; a < m_accounts.Count(); ++a) {
        const CCVAccount& account = *m_accounts.At(a);
        m_accountIndex[KeyNumber(account.GetAccountId())] = a;
        m_accountNames.push_back(AccountName(account));
        const CCVTxnList& transactions = account.Transactions();
        for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
            const CTransaction* t = transactions.At(i);
            m_transactions[KeyNumber(t->GetTransactionId())] = {t, a};
        }
    }
    FindIncomeCategories();

    out += "; The data folder as a plain-text journal, written by Coinvale.\n\n";
    WriteCommodities(out);
    for (std::uint32_t a = 0; a < m_accounts.Count(); ++a) {
        out += "account " + AccountName(*m_accounts.At(a)) + "\n";
    }
    const CCVCategoryList& categories = m_accounts.GetCategories();
    for (std::uint32_t i = 0; i < categories.Count(); ++i) {
        out += "account " + CategoryAccount(*categories.At(i)->GetKey()) + "\n";
    }
    out += "account " + CategoryAccount(RecordKey{}) + "\n";
    out += std::string("account ") + kOpening + "\naccount " + kUnlinked + "\n\n";
    for (std::uint32_t a = 0; a < m_accounts.Count(); ++a) {
        const CCVAccount& account = *m_accounts.At(a);
        WriteOpening(account, out);
        const CCVTxnList& transactions = account.Transactions();
        for (std::uint32_t i = 0; i < transactions.Count(); ++i) {
            const CTransaction& t = *transactions.At(i);
            if (!t.IsVoid()) WriteTransaction(a, account, t, out);
        }
    }
}
