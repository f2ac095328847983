#include "DataSet.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/BuiltInKey.h"
#include "model/CAccountOperations.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledList.h"
#include "online/CFiList.h"

namespace {

using Type = CTransactionTypeList::BuiltInType;
using AccountType = CCVAccount::AccountType;

constexpr int kYears = 3;
constexpr DateTime kSpan = kYears * 365 * kSecondsPerDay;
constexpr DateTime kRecentDays = 45 * kSecondsPerDay;  // newer than this: not reconciled yet
constexpr std::uint32_t kFirstCheckNumber = 1001;
constexpr int kPercent = 100;
constexpr int kSplitPercent = 8;
constexpr int kTransferPercent = 7;
constexpr int kMemoPercent = 25;
constexpr int kClassPercent = 20;
constexpr int kSplitTransferPercent = 15;  // of the splits: one line goes to a savings account
constexpr int kMinSplitLines = 2;
constexpr int kMaxSplitLines = 4;

// Currencies of the default list by number, and the rates the data set gives them.
constexpr std::uint8_t kDollar = 1;
constexpr std::uint8_t kPound = 2;
constexpr std::uint8_t kEuro = 3;
constexpr std::uint8_t kCanadianDollar = 7;
struct Rate {
    std::uint8_t currency;
    double rate;
};
constexpr std::array<Rate, 3> kRates{{{kPound, 1.27}, {kEuro, 1.08}, {kCanadianDollar, 0.73}}};

struct ExtraAccount {
    const char* name;
    AccountType type;
    std::uint8_t currency;
    Amount beginning;
};
// The accounts after the five first ones the model creates, in the order they are added.
constexpr std::array<ExtraAccount, 15> kExtraAccounts{{
    {"Cash", CCVAccount::kCash, kDollar, 20000},
    {"Brokerage", CCVAccount::kAsset, kDollar, 2500000},
    {"Car Loan", CCVAccount::kLiability, kDollar, -1850000},
    {"Money Market", CCVAccount::kMoneyMarket, kDollar, 1200000},
    {"Home Equity", CCVAccount::kLineOfCredit, kDollar, -500000},
    {"Euro Checking", CCVAccount::kChecking, kEuro, 150000},
    {"London Savings", CCVAccount::kSavings, kPound, 800000},
    {"Toronto Checking", CCVAccount::kChecking, kCanadianDollar, 90000},
    {"Joint Checking", CCVAccount::kChecking, kDollar, 310000},
    {"Vacation Fund", CCVAccount::kSavings, kDollar, 120000},
    {"Retirement", CCVAccount::kAsset, kDollar, 9800000},
    {"Store Card", CCVAccount::kCredit, kDollar, 0},
    {"Mortgage", CCVAccount::kLiability, kDollar, -21000000},
    {"Petty Cash", CCVAccount::kCash, kDollar, 5000},
    {"Emergency Fund", CCVAccount::kSavings, kDollar, 600000},
}};

// Which kinds of account a payee turns up in.
enum Where : unsigned {
    kBank = 1u << 0,  // checking and money market
    kCard = 1u << 1,  // credit and line of credit
    kCashBox = 1u << 2,
    kSaving = 1u << 3,  // savings and asset
    kDebt = 1u << 4,    // liability
    kEverywhere = 0x1F,
};

struct Payee {
    const char* name;
    const char* category;   // a path of the category list ("parent:child"); made when missing
    const char* className;  // "" for none, unless one is drawn at random
    bool debit;
    Amount low;
    Amount high;
    unsigned where;
};
constexpr std::array<Payee, 34> kPayees{{
    {"Corner Grocery", "Groceries", "Personal", true, 800, 9500, kBank | kCard | kCashBox},
    {"FreshMart", "Groceries", "", true, 2500, 18000, kBank | kCard},
    {"Farmers Market", "Groceries", "", true, 500, 4500, kCashBox},
    {"Harbor Fuel", "Auto:Fuel", "", true, 2500, 9000, kCard | kBank},
    {"Quick Lube", "Auto:Service", "", true, 4500, 16000, kCard},
    {"Safeway Insurance", "Auto:Insurance", "", true, 9000, 21000, kBank},
    {"City Power", "Utilities:Electric", "", true, 4000, 19000, kBank},
    {"Metro Water", "Utilities:Water", "", true, 2000, 7000, kBank},
    {"Bell Telephone", "Utilities:Telephone", "", true, 3500, 9000, kBank | kCard},
    {"Skyline Cable", "Utilities:Cable TV", "", true, 6000, 12000, kBank | kCard},
    {"Landlord Properties", "Household:Rent", "", true, 120000, 180000, kBank},
    {"Hardware Barn", "Household", "", true, 1200, 25000, kCard | kBank},
    {"Lucky Dragon", "Dining", "", true, 1800, 7500, kCard | kCashBox},
    {"Blue Door Bistro", "Dining", "Business", true, 3500, 22000, kCard},
    {"Coffee Corner", "Dining", "", true, 300, 1200, kCashBox | kCard},
    {"Cinema Plaza", "Entertainment", "", true, 1200, 4800, kCard | kCashBox},
    {"StreamBox", "Subscriptions", "", true, 999, 1999, kCard},
    {"Daily Ledger", "Subscriptions", "", true, 1500, 3000, kCard | kBank},
    {"Northside Pharmacy", "Medical", "", true, 600, 8500, kCard | kBank},
    {"Dr. Patel", "Medical:Doctor", "", true, 4000, 25000, kBank},
    {"Clothes Loft", "Clothing", "", true, 2000, 16000, kCard},
    {"Book Nook", "Education", "", true, 900, 6000, kCard | kCashBox},
    {"State College", "Education:Tuition", "", true, 50000, 300000, kBank},
    {"Gift Gallery", "Gifts", "", true, 1500, 12000, kCard},
    {"Air Meridian", "Travel:Air Transportation", "Business", true, 15000, 90000, kCard},
    {"Grand Hotel", "Travel:Lodging", "Business", true, 12000, 60000, kCard},
    {"City Cab", "Travel:Ground Transportation", "", true, 900, 6000, kCard | kCashBox},
    {"Revenue Office", "Tax", "", true, 20000, 250000, kBank},
    {"Acme Corporation", "Salary", "", false, 180000, 420000, kBank},
    {"Consulting Client", "Salary:Consulting", "Business", false, 50000, 300000, kBank},
    {"Interest", "Interest Income", "", false, 100, 9000, kSaving | kBank},
    {"Dividends", "Dividend Income", "", false, 1000, 60000, kSaving},
    {"Loan Interest", "Interest Expense", "", true, 5000, 90000, kDebt | kCard},
    {"Refund", "Misc", "", false, 500, 20000, kEverywhere},
}};

// Where the split transactions are bought, and what their lines are for.
constexpr std::array<const char*, 3> kSplitPayees{"Warehouse Club", "Department Store",
                                                  "Everything Mart"};
constexpr std::array<const char*, 6> kSplitCategories{"Groceries", "Household",  "Clothing",
                                                      "Gifts",     "Recreation", "Misc"};
constexpr std::array<const char*, 6> kSplitMemos{
    "food", "cleaning supplies", "shoes", "birthday present", "camping gear", "sundries"};
constexpr std::array<const char*, 10> kMemos{"paid in full",     "receipt in the glove box",
                                             "shared with Sam",  "tax deductible",
                                             "see statement",    "reimbursable",
                                             "disputed, refund", "annual renewal",
                                             "for the office",   "Invoice 2231"};
constexpr std::array<const char*, 3> kExtraClasses{"Household", "Rental", "Side Business"};
constexpr std::array<const char*, 4> kTransferMemos{"monthly savings", "card payment",
                                                    "loan payment", "moving money"};

// The kind of places a payee turns up in an account of that type.
unsigned WhereOf(std::uint8_t type) {
    switch (type) {
        case CCVAccount::kChecking:
        case CCVAccount::kMoneyMarket:
            return kBank;
        case CCVAccount::kCredit:
        case CCVAccount::kLineOfCredit:
            return kCard;
        case CCVAccount::kCash:
            return kCashBox;
        case CCVAccount::kSavings:
        case CCVAccount::kAsset:
            return kSaving;
        default:
            return kDebt;
    }
}

class Writer {
  public:
    Writer(CCVAccountList& list, const DataSet::Options& options, DataSet::Counts& counts)
        : m_list(list),
          m_operations(list),
          m_options(options),
          m_counts(counts),
          m_random(options.seed) {}

    int Fill();

  private:
    int Uniform(std::size_t below) {
        return static_cast<int>(m_random() % static_cast<std::uint32_t>(below));
    }
    template <typename Array>
    auto Pick(const Array& values) {
        return values[static_cast<std::size_t>(Uniform(values.size()))];
    }
    bool Chance(int percent) { return Uniform(kPercent) < percent; }
    Amount AmountBetween(Amount low, Amount high) {
        return low + static_cast<Amount>(m_random() % static_cast<std::uint64_t>(high - low + 1));
    }

    int AddAccounts();
    void PrepareLists();
    void SetState(CTransaction& transaction, DateTime date);
    RecordKey TypeFor(const CCVAccount& account, bool debit, std::uint32_t& checkNumber);
    std::unique_ptr<CTransaction> Ordinary(CCVAccount& account, DateTime date);
    std::unique_ptr<CTransaction> Split(CCVAccount& account, DateTime date);
    std::unique_ptr<CTransaction> Transfer(CCVAccount& account, DateTime date);
    CCVAccount* OtherAccount(const CCVAccount& account, unsigned where);
    int AddScheduled(DateTime end);
    int Add(CCVAccount& account, std::unique_ptr<CTransaction> transaction);

    CCVAccountList& m_list;
    CAccountOperations m_operations;
    const DataSet::Options& m_options;
    DataSet::Counts& m_counts;
    std::mt19937 m_random;
    std::vector<CCVAccount*> m_accounts;  // in the order transactions are spread over them
    std::vector<std::uint32_t> m_checkNumbers;
    std::vector<RecordKey> m_classes;
    DateTime m_end = 0;
};

int Writer::AddAccounts() {
    // The model starts a fresh folder with five accounts; the rest are added, or the surplus
    // deleted as a user would.
    while (static_cast<int>(m_list.Count()) > m_options.accounts) {
        if (const int rc = m_list.DeleteAccount(m_list.Count() - 1); rc != 0) return rc;
    }
    for (int i = static_cast<int>(m_list.Count()); i < m_options.accounts; ++i) {
        const std::size_t extra = static_cast<std::size_t>(i) - 5;
        auto account = std::make_unique<CCVAccount>();
        if (extra < kExtraAccounts.size()) {
            const ExtraAccount& made = kExtraAccounts[extra];
            account->SetName(made.name);
            account->Record().SetAccountType(made.type);
            account->Record().SetIcon(CCVAccount::DefaultIconOfType(made.type));
            account->Record().SetCurrency(made.currency);
            account->Record().SetBeginningBalance(made.beginning);
        } else {
            account->SetName(("Account " + std::to_string(i + 1)).c_str());
            account->Record().SetAccountType(static_cast<std::uint8_t>(i % CCVAccount::kAsset));
            account->Record().SetBeginningBalance(AmountBetween(0, 1000000));
        }
        account->Record().SetAccountNumber(std::to_string(40000000 + i * 7919).c_str());
        if (const int rc = m_list.AddAccount(account); rc != 0) return rc;
    }
    for (std::uint32_t i = 0; i < m_list.Count(); ++i) {
        CCVAccount* account = m_list.At(i);
        if (account->Record().GetAccountType() == CCVAccount::kChecking &&
            account->Record().GetBeginningBalance() == 0) {
            account->Record().SetBeginningBalance(250000);
        }
        // Busier accounts take more of the transactions.
        const unsigned where = WhereOf(account->Record().GetAccountType());
        const int weight = where == kBank ? 4 : where == kCard ? 3 : 1;
        for (int w = 0; w < weight; ++w) m_accounts.push_back(account);
    }
    m_checkNumbers.assign(m_list.Count(), kFirstCheckNumber);
    m_counts.accounts = static_cast<int>(m_list.Count());
    return 0;
}

void Writer::PrepareLists() {
    CCurrencyList& currencies = m_list.GetCurrencies();
    for (const Rate& rate : kRates) {
        if (CCurrencyItem* currency = currencies.FindByNumber(rate.currency)) {
            currency->SetRate(rate.rate);
        }
    }
    CClassList& classes = m_list.GetClasses();
    for (const char* name : kExtraClasses) classes.NewClass(name);
    for (std::uint32_t i = 0; i < classes.Count(); ++i) {
        m_classes.push_back(*classes.At(i)->GetKey());
    }
    CCVPayeeList& payees = m_list.GetPayees();
    for (const Payee& payee : kPayees) payees.NewPayee(payee.name);
    for (const char* name : kSplitPayees) payees.NewPayee(name);
    payees.NewPayee("Transfer");
    m_counts.payees = static_cast<int>(payees.Count());
    CCVCategoryList& categories = m_list.GetCategories();
    for (const Payee& payee : kPayees) categories.FindOrCreate(payee.category, true);
}

void Writer::SetState(CTransaction& transaction, DateTime date) {
    const int draw = Uniform(kPercent * 2);
    if (draw == 0) {
        transaction.SetState(CTransaction::kVoid);
    } else if (date + kRecentDays < m_end) {
        transaction.SetState(draw < 170 ? CTransaction::kReconciled : CTransaction::kCleared);
    } else {
        transaction.SetState(draw < kPercent ? CTransaction::kCleared : CTransaction::kUncleared);
    }
}

RecordKey Writer::TypeFor(const CCVAccount& account, bool debit, std::uint32_t& checkNumber) {
    const unsigned where = WhereOf(account.Record().GetAccountType());
    if (!debit) return BuiltInKey(where == kCard ? Type::kTypePayment : Type::kTypeDeposit);
    if (where == kCard) return BuiltInKey(Type::kTypeCharge);
    if (where != kBank) return BuiltInKey(Type::kTypeWithdrawal);
    const int draw = Uniform(kPercent);
    if (draw < 30) {
        checkNumber = m_checkNumbers[static_cast<std::size_t>(m_list.FindAccount(&account))]++;
        return BuiltInKey(Type::kTypeCheck);
    }
    if (draw < 60) return BuiltInKey(Type::kTypeWithdrawal);
    if (draw < 85) return BuiltInKey(Type::kTypeEft);
    return BuiltInKey(Type::kTypeAtm);
}

std::unique_ptr<CTransaction> Writer::Ordinary(CCVAccount& account, DateTime date) {
    const unsigned where = WhereOf(account.Record().GetAccountType());
    const Payee* payee = nullptr;
    while (payee == nullptr) {
        const Payee& drawn = kPayees[static_cast<std::size_t>(Uniform(kPayees.size()))];
        if ((drawn.where & where) != 0) payee = &drawn;
    }
    auto t = std::make_unique<CTransaction>();
    t->SetDate(date);
    t->SetPayeeName(payee->name);
    t->SetAmount(AmountBetween(payee->low, payee->high));
    std::uint32_t checkNumber = 0;
    t->SetTypeId(TypeFor(account, payee->debit, checkNumber));
    t->SetCheckNumber(checkNumber);
    t->SetCategoryId(m_list.GetCategories().FindOrCreate(payee->category, false));
    if (payee->className[0] != '\0') {
        RecordKey key;
        m_list.GetClasses().KeyOfName(payee->className, key);
        t->SetClassId(key);
    } else if (Chance(kClassPercent)) {
        t->SetClassId(Pick(m_classes));
    }
    if (Chance(kMemoPercent)) t->SetMemo(Pick(kMemos));
    SetState(*t, date);
    return t;
}

CCVAccount* Writer::OtherAccount(const CCVAccount& account, unsigned where) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        CCVAccount* other = m_list.At(Uniform(m_list.Count()));
        if (other != &account && (WhereOf(other->Record().GetAccountType()) & where) != 0) {
            return other;
        }
    }
    return nullptr;
}

std::unique_ptr<CTransaction> Writer::Split(CCVAccount& account, DateTime date) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(date);
    t->SetPayeeName(Pick(kSplitPayees));
    std::uint32_t checkNumber = 0;
    t->SetTypeId(TypeFor(account, true, checkNumber));
    t->SetCheckNumber(checkNumber);
    t->SetCategoryId(CTransaction::SplitCategoryId());
    const int lines =
        kMinSplitLines + Uniform(static_cast<std::size_t>(kMaxSplitLines - kMinSplitLines + 1));
    // Now and then the last line goes straight to a savings account: that line has a twin.
    CCVAccount* saving = Chance(kSplitTransferPercent) ? OtherAccount(account, kSaving) : nullptr;
    Amount total = 0;
    for (int line = 0; line < lines; ++line) {
        CSplitLine split;
        const std::size_t which = static_cast<std::size_t>(Uniform(kSplitCategories.size()));
        split.SetAmount(AmountBetween(500, 15000));
        if (line == lines - 1 && saving != nullptr) {
            split.SetCategoryId(saving->GetAccountId());
            split.SetMemo("set aside");
        } else {
            split.SetCategoryId(m_list.GetCategories().FindOrCreate(kSplitCategories[which], true));
            split.SetMemo(kSplitMemos[which]);
        }
        if (Chance(kClassPercent)) {
            split.SetClassId(Pick(m_classes));
        }
        total += split.GetAmount();
        t->SetSplit(line, split);
    }
    t->SetAmount(total);
    SetState(*t, date);
    ++m_counts.splits;
    return t;
}

std::unique_ptr<CTransaction> Writer::Transfer(CCVAccount& account, DateTime date) {
    CCVAccount* other = OtherAccount(account, kEverywhere);
    if (other == nullptr) return Ordinary(account, date);
    auto t = std::make_unique<CTransaction>();
    t->SetDate(date);
    t->SetPayeeName("Transfer");
    t->SetTypeId(BuiltInKey(Chance(kPercent / 2) ? Type::kTypeWithdrawal : Type::kTypeDeposit));
    t->SetAmount(AmountBetween(5000, 250000));
    t->SetCategoryId(other->GetAccountId());
    t->SetMemo(Pick(kTransferMemos));
    SetState(*t, date);
    ++m_counts.transfers;
    return t;
}

int Writer::Add(CCVAccount& account, std::unique_ptr<CTransaction> transaction) {
    const CTransaction& added = *transaction;
    if (const int rc = m_operations.AddTransactionWithTwins(account, std::move(transaction));
        rc != 0) {
        return rc;
    }
    // The transaction and each twin it made: one for a transfer, one per split line naming an
    // account.
    m_counts.transactions += added.GetLinkedTransactionId().IsNull() ? 1 : 2;
    for (int line = 0; line < CTransaction::kSplitLines; ++line) {
        if (!added.GetSplit(line).GetLinkedTransactionId().IsNull()) ++m_counts.transactions;
    }
    m_list.MemorizePayee(added);
    return 0;
}

int Writer::AddScheduled(DateTime end) {
    CScheduledList* scheduled = m_list.GetScheduledTransactions();
    if (scheduled == nullptr) return 0;
    CCVAccount* checking = m_list.At(m_list.FindAccount(m_list.FindAccountByName("Checking")));
    CCVAccount* savings = m_list.At(m_list.FindAccount(m_list.FindAccountByName("Savings")));
    CCVAccount* visa = m_list.At(m_list.FindAccount(m_list.FindAccountByName("Visa")));
    if (checking == nullptr) checking = m_list.At(0);
    if (visa == nullptr) visa = checking;
    struct Plan {
        CCVAccount* account;
        const char* payee;
        const char* category;
        Type type;
        Amount amount;
        int daysAhead;  // negative: already due
        std::uint8_t frequency;
        std::uint16_t count;
        std::uint8_t mode;
        std::uint8_t remindDays;
    };
    const Plan plans[] = {
        {checking, "Landlord Properties", "Household:Rent", Type::kTypeCheck, 145000, -1,
         kFrequencyMonthly, CScheduledItem::kIndefinitely, CScheduledItem::kManually, 0},
        {checking, "Acme Corporation", "Salary", Type::kTypeDeposit, 310000, 3,
         kFrequencyTwiceAMonth, CScheduledItem::kIndefinitely, CScheduledItem::kAutomatically, 0},
        {checking, "Safeway Insurance", "Auto:Insurance", Type::kTypeEft, 18600, 12,
         kFrequencyQuarterly, 8, CScheduledItem::kRemindMe, 5},
        {visa, "StreamBox", "Subscriptions", Type::kTypeCharge, 1499, 6, kFrequencyMonthly,
         CScheduledItem::kIndefinitely, CScheduledItem::kRemindMe, 2},
        {checking, "Revenue Office", "Tax", Type::kTypeWithdrawal, 120000, 40, kFrequencyAnnually,
         3, CScheduledItem::kRemindMe, 14},
        {checking, "City Power", "Utilities:Electric", Type::kTypeEft, 9500, 9, kFrequencyMonthly,
         24, CScheduledItem::kManually, 0},
    };
    for (const Plan& plan : plans) {
        auto item = std::make_unique<CScheduledItem>();
        item->Template().SetPayeeName(plan.payee);
        item->Template().SetTypeId(BuiltInKey(plan.type));
        item->Template().SetAmount(plan.amount);
        item->Template().SetCategoryId(m_list.GetCategories().FindOrCreate(plan.category, true));
        item->SetAccountId(plan.account->GetAccountId());
        item->SetNextDate(
            static_cast<DateTime>(end + plan.daysAhead * std::int64_t{kSecondsPerDay}));
        item->SetFrequency(plan.frequency);
        item->SetRemainingCount(plan.count);
        item->SetEnterMode(plan.mode);
        item->SetDaysInAdvance(plan.remindDays);
        scheduled->Append(item.release());
    }
    if (savings != nullptr && savings != checking) {
        auto item = std::make_unique<CScheduledItem>();
        item->Template().SetPayeeName("Transfer");
        item->Template().SetTypeId(BuiltInKey(Type::kTypeWithdrawal));
        item->Template().SetAmount(50000);
        item->Template().SetCategoryId(savings->GetAccountId());
        item->Template().SetMemo("monthly savings");
        item->SetAccountId(checking->GetAccountId());
        item->SetNextDate(end + 15 * kSecondsPerDay);
        item->SetFrequency(kFrequencyMonthly);
        item->SetRemainingCount(CScheduledItem::kIndefinitely);
        scheduled->Append(item.release());
    }
    m_counts.scheduled = static_cast<int>(scheduled->Count());
    scheduled->UpdateReminderTime(m_list);
    return 0;
}

int Writer::Fill() {
    if (const int rc = AddAccounts(); rc != 0) return rc;
    PrepareLists();
    // The newest transaction falls at noon of the end date's day.
    const DateTime endDay =
        DayBoundary(m_options.endDate != 0 ? m_options.endDate : Today(0), kDayStart);
    m_end = endDay + kSecondsPerDay / 2;
    const DateTime start = m_end - kSpan;
    const std::int64_t wanted = m_options.transactions;
    const std::size_t stretch = static_cast<std::size_t>(
        std::max<std::int64_t>(kSpan / std::max<std::int64_t>(wanted, 1), 1));
    while (m_counts.transactions < wanted) {
        // Spread evenly over the span by the entries made so far (twins included), oldest first,
        // each somewhere in its own stretch of it.
        const DateTime date = start +
                              static_cast<DateTime>(kSpan * m_counts.transactions / wanted) +
                              static_cast<DateTime>(Uniform(stretch));
        CCVAccount& account =
            m_options.firstAccountPercent > 0 && Chance(m_options.firstAccountPercent)
                ? *m_list.At(0)
                : *m_accounts[static_cast<std::size_t>(Uniform(m_accounts.size()))];
        const std::int64_t left = wanted - m_counts.transactions;
        const int draw = Uniform(kPercent);
        std::unique_ptr<CTransaction> t;
        if (left >= 2 && m_list.Count() > 1 && draw < kTransferPercent) {
            t = Transfer(account, date);
        } else if (left >= 2 && draw < kTransferPercent + kSplitPercent) {
            t = Split(account, date);
        } else {
            t = Ordinary(account, date);
        }
        if (const int rc = Add(account, std::move(t)); rc != 0) return rc;
    }
    // The beginning balances were set without the balances that start from them.
    for (std::uint32_t i = 0; i < m_list.Count(); ++i) {
        CCVAccount& account = *m_list.At(i);
        account.RecomputeBalances();
        account.Record().SetLastCheckNumber(m_checkNumbers[i] - 1);
    }
    return AddScheduled(endDay);
}

}  // namespace

int DataSet::Write(const std::string& folder) {
    m_counts = {};
    if (m_options.accounts < 1 || m_options.accounts > kMaxAccounts || m_options.transactions < 0 ||
        m_options.firstAccountPercent < 0 || m_options.firstAccountPercent > kPercent) {
        return 1;
    }
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_empty(folder, error)) {
        return 1;
    }
    CCVAccountList list(
        {.scheduled =
             [] { return std::unique_ptr<CCVItemList>(std::make_unique<CScheduledList>()); },
         .institutions = [] { return std::unique_ptr<CCVItemList>(std::make_unique<CFiList>()); }});
    if (const int rc = list.Load(folder); rc != 0) return rc;
    Writer writer(list, m_options, m_counts);
    if (const int rc = writer.Fill(); rc != 0) return rc;
    return list.SaveAll();
}
