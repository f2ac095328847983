// A data folder of 20 accounts and 100,000 transactions (the data-set generator's: split lines,
// transfers with twins, memos), loaded whole as at start-up and saved whole as at the end (every
// file replaced atomically, with its fsyncs).
//   build/release/bench/data_folder_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "DataSet.h"
#include "model/CCVAccountList.h"

namespace {

constexpr int kAccounts = 20;
constexpr std::int64_t kTransactions = 100000;

// The folder, made once by the data-set generator.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "coinvale-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) return std::string();
        const std::string made = pattern + "/";
        DataSet dataSet({.accounts = kAccounts, .transactions = kTransactions});
        return dataSet.Write(made) == 0 ? made : std::string();
    }();
    return folder;
}

void BM_LoadFolder(benchmark::State& state) {
    const std::string& folder = Folder();  // made before the timing starts
    if (folder.empty()) state.SkipWithError("the data set could not be written");
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
    if (Folder().empty() || list.Load(Folder()) != 0) state.SkipWithError("no data set to save");
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
