// make-dataset DIR --accounts N --transactions M [--seed S]
// Writes a lifelike data folder (see DataSet) that coinvale then opens. COINVALE_NOW, when set,
// is the day of the newest transaction.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "DataSet.h"
#include "platform/sys/Clock.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

int Usage() {
    std::fprintf(stderr,
                 "usage: make-dataset DIR --accounts N --transactions M [--seed S]\n"
                 "  DIR must be missing or empty; N is 1 to %d.\n",
                 DataSet::kMaxAccounts);
    return kExitUsage;
}

// A whole decimal number from `low` up; false for anything else.
bool ReadNumber(const char* text, long long low, long long& value) {
    char* end = nullptr;
    value = std::strtoll(text, &end, 10);
    return end != text && *end == '\0' && value >= low;
}

}  // namespace

int main(int argc, char** argv) {
    if (sys::LoadTestTimeFromEnvironment() != 0) return Usage();
    DataSet::Options options;
    std::string folder;
    bool accountsGiven = false;
    bool transactionsGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        long long value = 0;
        if ((arg == "--accounts" || arg == "--transactions" || arg == "--seed") && i + 1 < argc) {
            if (!ReadNumber(argv[++i], arg == "--accounts" ? 1 : 0, value)) return Usage();
            if (arg == "--accounts") {
                if (value > DataSet::kMaxAccounts) return Usage();
                options.accounts = static_cast<int>(value);
                accountsGiven = true;
            } else if (arg == "--transactions") {
                options.transactions = value;
                transactionsGiven = true;
            } else {
                options.seed = static_cast<std::uint32_t>(value);
            }
        } else if (!arg.starts_with("-") && folder.empty()) {
            folder = arg;
        } else {
            return Usage();
        }
    }
    if (folder.empty() || !accountsGiven || !transactionsGiven) return Usage();
    if (folder.back() != '/') folder += '/';

    DataSet dataSet(options);
    if (const int rc = dataSet.Write(folder); rc != 0) {
        std::fprintf(stderr,
                     "make-dataset: could not write %s (error %d); it must be missing or empty.\n",
                     folder.c_str(), rc);
        return kExitFailure;
    }
    const DataSet::Counts& counts = dataSet.GetCounts();
    std::printf("%s: %d accounts, %lld transactions (%lld transfers, %lld splits), %d scheduled\n",
                folder.c_str(), counts.accounts, static_cast<long long>(counts.transactions),
                static_cast<long long>(counts.transfers), static_cast<long long>(counts.splits),
                counts.scheduled);
    return 0;
}
