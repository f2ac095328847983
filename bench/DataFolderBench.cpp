// A data folder of 20 accounts with 5,000 transactions each (split lines, memos), loaded whole
// as at start-up and saved whole as at the end (every file replaced atomically, with its fsyncs).
//   build/release/bench/data_folder_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "model/BuiltInKey.h"
#include "model/CCVAccountList.h"

namespace {

constexpr int kAccounts = 20;
constexpr int kTransactionsPerAccount = 5000;
constexpr int kSplitLines = 3;

void FillAccount(CCVAccount& account, std::mt19937& random) {
    using Type = CTransactionTypeList::BuiltInType;
    const Type types[] = {Type::kTypeCheck, Type::kTypeWithdrawal, Type::kTypeDeposit,
                          Type::kTypeAtm, Type::kTypeCharge};
    const char* payees[] = {"Corner Shop", "Landlord", "Employer", "Gas Station", "Pharmacy"};
    for (int i = 0; i < kTransactionsPerAccount; ++i) {
        auto t = std::make_unique<CTransaction>();
        const auto n = static_cast<std::size_t>(random());
        t->SetDate(3000000000u + static_cast<DateTime>(i) * 6000u);
        t->SetAmount(static_cast<Amount>(n % 500000));
        t->SetTypeId(BuiltInKey(types[n % 5]));
        t->SetPayeeName(payees[(n / 7) % 5]);
        t->SetMemo(("memo of transaction " + std::to_string(i)).c_str());
        if (i % 4 == 0) {  // a quarter split over three lines with their own memos
            t->SetCategoryId(CTransaction::SplitCategoryId());
            for (int line = 0; line < kSplitLines; ++line) {
                CSplitLine split;
                split.SetAmount(static_cast<Amount>(n % 1000) + line);
                split.SetCategoryId(BuiltInKey(static_cast<std::uint16_t>(108 + line)));
                split.SetMemo(("split line " + std::to_string(line)).c_str());
                t->SetSplit(line, split);
            }
        }
        account.AddTransaction(std::move(t));
    }
}

// The folder, made once: the first accounts and 15 more, all filled and saved.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "coinvale-bench-XXXXXX").string();
        const std::string made = ::mkdtemp(pattern.data()) != nullptr ? pattern + "/" : "";
        CCVAccountList list;
        list.Load(made);
        for (int i = static_cast<int>(list.Count()); i < kAccounts; ++i) {
            auto account = std::make_unique<CCVAccount>();
            account->SetName(("Account " + std::to_string(i)).c_str());
            list.AddAccount(account);
        }
        std::mt19937 random(42);
        for (std::uint32_t i = 0; i < list.Count(); ++i) FillAccount(*list.At(i), random);
        list.SaveAll();
        return made;
    }();
    return folder;
}

void BM_LoadFolder(benchmark::State& state) {
    const std::string& folder = Folder();  // made before the timing starts
    for (auto _ : state) {
        CCVAccountList list;
        if (list.Load(folder) != 0) state.SkipWithError("the folder did not load");
        benchmark::DoNotOptimize(list.Count());
        state.PauseTiming();  // not the destruction
        list.Clear(true, true);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadFolder)->Unit(benchmark::kMillisecond);

void BM_SaveFolder(benchmark::State& state) {
    CCVAccountList list;
    list.Load(Folder());
    for (auto _ : state) {
        if (list.SaveAll() != 0) state.SkipWithError("the folder was not saved");
    }
}
BENCHMARK(BM_SaveFolder)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    if (!Folder().empty()) std::filesystem::remove_all(Folder(), ignored);
    return 0;
}
