// Reports over all accounts of a data folder of 20 accounts and 100,000 transactions (the
// data-set generator's: payees, categories, classes, splits, transfers with twins, currencies):
// by category, by payee, expenses only, and the budget screen's report.
//   build/release/bench/report_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <limits>
#include <memory>
#include <string>

#include "DataSet.h"
#include "model/CCVAccountList.h"
#include "reports/CCVReportList.h"

namespace {

constexpr int kAccounts = 20;
constexpr std::int64_t kTransactions = 100000;

// The folder, written once by the data-set generator and loaded once.
struct Data {
    std::string folder;
    std::unique_ptr<CCVAccountList> list;
};

Data& Loaded() {
    static Data data = [] {
        Data made;
        std::string pattern =
            (std::filesystem::temp_directory_path() / "coinvale-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return made;
        made.folder = pattern + "/";
        DataSet dataSet({.accounts = kAccounts, .transactions = kTransactions});
        if (dataSet.Write(made.folder) != 0) return made;
        made.list = std::make_unique<CCVAccountList>();
        if (made.list->Load(made.folder) != 0) made.list.reset();
        return made;
    }();
    return data;
}

// Every transaction of the data set: a custom period over all its dates.
void Run(benchmark::State& state, int by, int direction) {
    CCVAccountList* list = Loaded().list.get();
    if (list == nullptr) {
        state.SkipWithError("the data set could not be written or loaded");
        return;
    }
    CCVReportList report(*list);
    report.SetReportOptions(false, direction);
    CReportSettings settings;
    settings.by = static_cast<std::uint8_t>(by);
    settings.period = report::kCustom;
    settings.direction = static_cast<std::uint8_t>(direction);
    settings.endDate = std::numeric_limits<DateTime>::max();
    report.ApplySettings(settings);
    for (auto _ : state) {
        if (report.Build() != 0) state.SkipWithError("the report was not built");
        benchmark::DoNotOptimize(report.GetTotal());
    }
    state.counters["rows"] = static_cast<double>(report.Count());
}

void BM_CategoryReport(benchmark::State& state) {
    Run(state, report::kByCategory, report::kAllAmounts);
}
BENCHMARK(BM_CategoryReport)->Unit(benchmark::kMillisecond);

void BM_PayeeReport(benchmark::State& state) {
    Run(state, report::kByPayee, report::kAllAmounts);
}
BENCHMARK(BM_PayeeReport)->Unit(benchmark::kMillisecond);

void BM_CategoryExpenses(benchmark::State& state) {
    Run(state, report::kByCategory, report::kExpenses);
}
BENCHMARK(BM_CategoryExpenses)->Unit(benchmark::kMillisecond);

// The budget screen: by category over this year.
void BM_CategoryBudget(benchmark::State& state) {
    CCVAccountList* list = Loaded().list.get();
    if (list == nullptr) {
        state.SkipWithError("the data set could not be written or loaded");
        return;
    }
    CCVReportList report(*list);
    report.SetBudgetMode();
    report.ApplySettings(report::kByCategory, report::kThisYear, false);
    for (auto _ : state) {
        if (report.Build() != 0) state.SkipWithError("the budget was not built");
        benchmark::DoNotOptimize(report.GetBudgetTotal());
    }
    state.counters["rows"] = static_cast<double>(report.Count());
}
BENCHMARK(BM_CategoryBudget)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    Data& data = Loaded();
    data.list.reset();
    std::error_code ignored;
    if (!data.folder.empty()) std::filesystem::remove_all(data.folder, ignored);
    return 0;
}
