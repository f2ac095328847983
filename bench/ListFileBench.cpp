// Saving and loading a list file of 100,000 small records (the fsync of the save included).
//   build/release/bench/list_file_bench
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "storage/CCVItemList.h"
#include "storage/FixedText.h"
#include "storage/RecordArchive.h"

namespace {

constexpr int kRecords = 100000;

// A payee-sized record: base, key, 33-byte name.
class SmallRecord : public CCVItem {
public:
    const char* GetName() const override { return m_name.c_str(); }
    const RecordKey* GetKey() const override { return &m_key; }
    int Serialize(RecordArchive& ar) override {
        int rc = CCVItem::Serialize(ar);
        if (rc == 0) rc = ar.Transfer(m_key);
        if (rc == 0) rc = ar.TransferText(m_name.text);
        return rc;
    }
    RecordKey m_key;
    FixedText<33> m_name;
};

class SmallList : public CCVItemList {
public:
    SmallList() : CCVItemList("CSmallItem", 0) {}

protected:
    std::unique_ptr<CCVItem> NewRecord() const override { return std::make_unique<SmallRecord>(); }
};

std::string BenchFolder() {
    const auto folder = std::filesystem::temp_directory_path() / "coinvale-bench";
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

void Fill(SmallList& list) {
    for (int i = 0; i < kRecords; ++i) {
        auto* r = new SmallRecord;
        r->m_key = NewRecordKey();
        r->m_name.Set(("Payee number " + std::to_string(i)).c_str());
        list.Append(r);
    }
}

void BM_SaveList(benchmark::State& state) {
    SmallList list;
    Fill(list);
    const std::string path = BenchFolder() + "save.lst";
    for (auto _ : state) {
        if (list.SaveFile(path) != 0) state.SkipWithError("save failed");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_SaveList)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadList(benchmark::State& state) {
    const std::string path = BenchFolder() + "load.lst";
    {
        SmallList list;
        Fill(list);
        if (list.SaveFile(path) != 0) state.SkipWithError("save failed");
    }
    for (auto _ : state) {
        SmallList list;
        if (list.LoadFile(path) != 0 || list.Count() != kRecords) state.SkipWithError("load failed");
        state.PauseTiming();
        list.Clear();  // destroying the records is not part of loading
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_LoadList)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
