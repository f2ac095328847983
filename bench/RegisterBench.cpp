// A register of 50,000 transactions: inserting them all in sorted order, re-sorting by each
// column, every row's running balance in one pass, and a find.
//   build/release/bench/register_bench
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CCVCategoryList.h"
#include "model/CCVCategoryText.h"
#include "model/CCVPayeeLookUpList.h"
#include "model/CClassList.h"
#include "model/CTransactionTypeList.h"

namespace {

constexpr int kTransactions = 50000;

// The reference lists a register sorts with: the built-in categories and classes.
class Lists : public CCVAccount::MOwner, public CCVCategoryText::MAccounts {
  public:
    Lists() {
        m_categories.CreateDefaults();
        m_classes.CreateDefaults();
    }
    const CCVCategoryText* GetCategoryText() const override { return &m_categoryText; }
    const CClassList* GetClassList() const override { return &m_classes; }
    CCVPayeeLookUpList* GetPayeeLookUpList() override { return &m_lookUps; }
    const CCVPreferences* GetPreferences() const override { return nullptr; }
    const CCVAccount* FindAccountById(const RecordKey&) const override { return nullptr; }
    const CCVAccount* FindAccountByName(const char*) const override { return nullptr; }

    RecordKey Category(std::size_t i) const {
        return *m_categories.At(static_cast<std::int64_t>(i % m_categories.Count()))->GetKey();
    }
    RecordKey Class(std::size_t i) const {
        return i % 3 == 0 ? RecordKey{} : *m_classes.At(static_cast<std::int64_t>(i % 2))->GetKey();
    }

  private:
    CCVCategoryList m_categories;
    CClassList m_classes;
    CCVPayeeLookUpList m_lookUps;
    CCVCategoryText m_categoryText{m_categories, *this};
};

Lists& SharedLists() {
    static Lists lists;
    return lists;
}

// Transactions spread over ten years with a realistic mix of types, payees, states and texts.
std::vector<std::unique_ptr<CTransaction>> MakeTransactions(bool dateOrder) {
    using Type = CTransactionTypeList::BuiltInType;
    const Type types[] = {Type::kTypeCheck, Type::kTypeWithdrawal, Type::kTypeDeposit,
                          Type::kTypeAtm, Type::kTypeCharge};
    const char* payees[] = {"Corner Shop", "Landlord",   "Employer", "Gas Station", "Pharmacy",
                            "Bakery",      "Utility Co", "Bookshop", "Cinema",      "Insurance"};
    std::mt19937 random(42);
    std::vector<std::unique_ptr<CTransaction>> transactions;
    for (int i = 0; i < kTransactions; ++i) {
        auto t = std::make_unique<CTransaction>();
        const auto n = static_cast<std::size_t>(random());
        t->SetDate(dateOrder ? 3000000000u + static_cast<DateTime>(i) * 6000u
                             : 3000000000u + static_cast<DateTime>(n % 300000000u));
        t->SetAmount(static_cast<Amount>(n % 500000));
        t->SetTypeId(BuiltInKey(types[n % 5]));
        t->SetCheckNumber(static_cast<std::uint32_t>(i));
        t->SetPayeeName(payees[(n / 7) % 10]);
        t->SetCategoryId(SharedLists().Category(n / 11));
        t->SetClassId(SharedLists().Class(n / 13));
        t->SetMemo(("memo " + std::to_string(n % 1000)).c_str());
        t->SetState(static_cast<std::uint8_t>((n / 17) % 4));
        transactions.push_back(std::move(t));
    }
    return transactions;
}

void AddAll(CCVAccount& account, std::vector<std::unique_ptr<CTransaction>> transactions) {
    for (auto& t : transactions) account.AddTransaction(std::move(t));
}

// Each transaction goes in at its sorted place. Argument 1: they come in date order, as they are
// entered; 0: in random date order (each insert then moves half the register on average).
void BM_InsertAll(benchmark::State& state) {
    const bool dateOrder = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto transactions = MakeTransactions(dateOrder);
        auto account = std::make_unique<CCVAccount>();
        account->SetOwner(&SharedLists());
        state.ResumeTiming();
        AddAll(*account, std::move(transactions));
        state.PauseTiming();
        account.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertAll)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

CCVAccount& FullAccount() {
    static std::unique_ptr<CCVAccount> account = [] {
        auto a = std::make_unique<CCVAccount>();
        a->SetOwner(&SharedLists());
        AddAll(*a, MakeTransactions(false));
        return a;
    }();
    return *account;
}

// Re-sorting by a column, each iteration starting from the date order.
void BM_Resort(benchmark::State& state) {
    CCVAccount& account = FullAccount();
    for (auto _ : state) {
        state.PauseTiming();
        account.SetSortColumn(CTxnSortOrder::kColumnDate);
        account.SetSortAscending(true);
        account.Resort();
        account.SetSortColumn(static_cast<std::uint16_t>(state.range(0)));
        account.SetSortAscending(false);
        state.ResumeTiming();
        account.Resort();
    }
    account.SetSortColumn(CTxnSortOrder::kColumnDate);
    account.SetSortAscending(true);
    account.Resort();
}
BENCHMARK(BM_Resort)->DenseRange(0, CTxnSortOrder::kColumnCount - 1)->Unit(benchmark::kMillisecond);

// Every row of the register with its running balance, as the register screen builds it.
void BM_AllRunningBalances(benchmark::State& state) {
    CCVAccount& account = FullAccount();
    const int filter = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto rows = account.GetRegisterRows(filter);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_AllRunningBalances)->Arg(0)->Arg(4)->Unit(benchmark::kMillisecond);

void BM_Find(benchmark::State& state) {
    CCVAccount& account = FullAccount();
    for (auto _ : state) benchmark::DoNotOptimize(account.Find(0, "10.5"));
}
BENCHMARK(BM_Find)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
