// Interchange over the data set of 20 accounts and 100,000 transactions: the whole data folder
// written as a plain-text journal (budget 400 ms), as QIF and as JSON; and a bank's CSV file of
// 10,000 lines read and taken into an account through the downloaded-line path (budget 300 ms).
//   build/release/bench/interchange_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "DataSet.h"
#include "interchange/CCsvReader.h"
#include "interchange/CJsonExport.h"
#include "interchange/CLedgerWriter.h"
#include "interchange/CLineImport.h"
#include "interchange/CQifWriter.h"
#include "model/CCVAccountList.h"

namespace {

constexpr int kAccounts = 20;
constexpr std::int64_t kTransactions = 100000;
constexpr int kCsvLines = 10000;

std::string TempFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "coinvale-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return {};
    return pattern + "/";
}

// The data set, written once and loaded once.
struct Data {
    std::string folder;
    std::unique_ptr<CCVAccountList> list;
};

Data& Loaded() {
    static Data data = [] {
        Data made;
        made.folder = TempFolder();
        if (made.folder.empty()) return made;
        DataSet dataSet({.accounts = kAccounts, .transactions = kTransactions});
        if (dataSet.Write(made.folder) != 0) return made;
        made.list = std::make_unique<CCVAccountList>();
        if (made.list->Load(made.folder) != 0) made.list.reset();
        return made;
    }();
    return data;
}

template <typename Write>
void RunExport(benchmark::State& state, Write write) {
    CCVAccountList* list = Loaded().list.get();
    if (list == nullptr) {
        state.SkipWithError("the data set could not be written or loaded");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string out;
        write(*list, out);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void BM_LedgerExport(benchmark::State& state) {
    RunExport(state, [](CCVAccountList& list, std::string& out) {
        CLedgerWriter(list, Now()).Write(out);
    });
}
BENCHMARK(BM_LedgerExport)->Unit(benchmark::kMillisecond);

void BM_QifExportAll(benchmark::State& state) {
    RunExport(state,
              [](CCVAccountList& list, std::string& out) { CQifWriter(list).WriteAll(out); });
}
BENCHMARK(BM_QifExportAll)->Unit(benchmark::kMillisecond);

void BM_JsonExport(benchmark::State& state) {
    RunExport(state, [](CCVAccountList& list, std::string& out) { CJsonExport(list).Write(out); });
}
BENCHMARK(BM_JsonExport)->Unit(benchmark::kMillisecond);

// A bank's statement: a header, then 10,000 lines over a year with a few dozen payees and
// categories, debits and credits in their own columns.
std::string CsvStatement() {
    static const char* const kPayees[] = {"Corner Shop", "Fuel Station", "Employer", "Diner",
                                          "Pharmacy",    "Bookshop",     "Cinema",   "Bakery"};
    static const char* const kCategories[] = {"Groceries", "Auto:Fuel", "Salary",        "Dining",
                                              "Medical",   "Education", "Entertainment", ""};
    std::string text = "Date;Payee;Category;Memo;Debit;Credit\n";
    char line[256];
    for (int i = 0; i < kCsvLines; ++i) {
        const int kind = i % 8;
        const unsigned cents = 100 + static_cast<unsigned>(i * 7919 % 50000);
        char amount[32];
        std::snprintf(amount, sizeof amount, "%u,%02u", cents / 100, cents % 100);
        const bool salary = kind == 2;
        std::snprintf(line, sizeof line, "%02d.%02d.2024;%s %d;%s;ref %d;%s;%s\n", 1 + i % 28,
                      1 + (i / 28) % 12, kPayees[kind], i % 13, kCategories[kind], i,
                      salary ? "" : amount, salary ? "2500,00" : "");
        text += line;
    }
    return text;
}

void BM_CsvImport10000(benchmark::State& state) {
    const std::string folder = TempFolder();
    const std::string text = CsvStatement();
    CCsvMapping mapping;
    std::string error;
    if (folder.empty() ||
        !mapping.ReadRules("columns = date, payee, category, memo, debit, credit\n"
                           "date-format = DD.MM.YYYY\nheader-lines = 1\nseparator = ;\n"
                           "decimal = ,\n",
                           "bench.rules", error)) {
        state.SkipWithError("no folder or no mapping");
        return;
    }
    std::uint32_t added = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto list = std::make_unique<CCVAccountList>();
        list->Load(folder);  // the five first accounts, nothing imported: it is never saved
        CCVAccount* account = const_cast<CCVAccount*>(list->FindAccountByName("Checking"));
        state.ResumeTiming();
        const ImportedFile file = CCsvReader(mapping, "bench.csv").Read(text);
        CLineImport::Result result;
        if (!file.error.empty() ||
            !CLineImport(*list, "CSV", "bench.csv").Apply(*account, file.lines, result)) {
            state.SkipWithError("the statement was not imported");
            break;
        }
        added = result.added;
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.counters["added"] = added;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_CsvImport10000)->Unit(benchmark::kMillisecond);

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
