// The online layer's bulk operations:
// - account import into a register of 50,000 entered transactions: 50,000 pending transactions
//   move in, each matched automatically against the register (none finds a partner, so a search
//   through the register sees all of it); the target's file is written once at the end;
// - a statement file of 100,000 lines imported into an empty account, and the same file again
//   (every line then a duplicate), the file as bench/time-import.sh writes it.
//   build/release/bench/online_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "model/BuiltInKey.h"
#include "model/CCVAccountList.h"
#include "model/CTransactionTypeList.h"
#include "online/CAccountImport.h"
#include "online/CStatementFile.h"

namespace {

constexpr int kTransactions = 50000;
constexpr DateTime kFirstDay = 3000000000u;
constexpr DateTime kSpacing = 6000;  // 50,000 transactions over about ten days in every week

std::string MakeFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "coinvale-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::string();
    return pattern + "/";
}

// `count` withdrawals, one every kSpacing seconds; deposits when `deposits`, so that no entered
// withdrawal of the register can be their partner.
void Fill(CCVAccount& account, int count, bool deposits) {
    using Type = CTransactionTypeList::BuiltInType;
    for (int i = 0; i < count; ++i) {
        auto t = std::make_unique<CTransaction>();
        t->SetDate(kFirstDay + static_cast<DateTime>(i) * kSpacing);
        t->SetAmount(1000 + i % 5000);
        t->SetTypeId(BuiltInKey(deposits ? Type::kTypeDeposit : Type::kTypeWithdrawal));
        t->SetPayeeName(deposits ? "Employer" : "Corner Shop");
        account.AddTransaction(std::move(t));
    }
    account.RecomputeBalances();
}

void BM_AccountImport50000(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const std::string folder = MakeFolder();
        const std::string imports = MakeFolder();
        CCVAccountList accounts;
        CCVAccountList pending;
        CCVAccount* target = nullptr;
        if (folder.empty() || imports.empty() || accounts.Load(folder) != 0) {
            state.SkipWithError("no data folder");
            break;
        }
        target = accounts.At(0);
        Fill(*target, kTransactions, false);
        CCVAccount source;
        Fill(source, kTransactions, true);
        if (accounts.SaveAccountFile(source, imports + "Pending.cvl") != 0 ||
            pending.LoadImports(imports) != 0 || pending.Count() != 1) {
            state.SkipWithError("no pending account");
            break;
        }
        state.ResumeTiming();

        const CAccountImport::Outcome outcome =
            CAccountImport(accounts, pending).ImportNow(0, target, nullptr);
        if (outcome.result != 0) state.SkipWithError("the import failed");
        benchmark::DoNotOptimize(target->Transactions().Count());

        state.PauseTiming();
        accounts.Clear(true, true);
        std::filesystem::remove_all(folder);
        std::filesystem::remove_all(imports);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AccountImport50000)->Unit(benchmark::kMillisecond)->Iterations(1);

constexpr int kStatementLines = 100000;

// Lines over ten years, newest first; a tenth without a bank identifier, every seventh a check,
// amounts with three decimals (rounded as banks round).
std::string StatementFile() {
    std::string text =
        "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\n"
        "CHARSET:1252\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n<OFX>\n"
        "<SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20270701"
        "<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1>\n<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS>"
        "<CODE>0<SEVERITY>INFO</STATUS><STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>42"
        "<ACCTTYPE>CHECKING</BANKACCTFROM>\n<BANKTRANLIST><DTSTART>20170101<DTEND>20270701\n";
    char line[256];
    for (int i = kStatementLines; i >= 1; --i) {
        const int day = static_cast<int>(static_cast<long>(i) * 3650 / kStatementLines);
        const bool check = i % 7 == 0;
        int n = std::snprintf(line, sizeof line,
                              "<STMTTRN><TRNTYPE>%s<DTPOSTED>%04d%02d%02d120000<TRNAMT>-%d.%02d%d",
                              check ? "CHECK" : "DEBIT", 2017 + day / 365, 1 + (day % 365) / 31,
                              1 + day % 28, i % 500, i % 100, i % 10);
        text.append(line, static_cast<std::size_t>(n));
        if (check) text += "<CHECKNUM>" + std::to_string(1000 + i);
        if (i % 10 != 0) {
            n = std::snprintf(line, sizeof line, "<FITID>F%08d", i);
            text.append(line, static_cast<std::size_t>(n));
        }
        text += "<NAME>PAYEE " + std::to_string(i % 300) + "<MEMO>Line " + std::to_string(i) +
                "</STMTTRN>\n";
    }
    text +=
        "</BANKTRANLIST><LEDGERBAL><BALAMT>0<DTASOF>20270701</LEDGERBAL></STMTRS>"
        "</STMTTRNRS></BANKMSGSRSV1></OFX>\n";
    return text;
}

// Argument 0: the first import into an empty account; 1: the second (nothing new).
void BM_StatementImport100000(benchmark::State& state) {
    const std::string folder = MakeFolder();
    const std::string path = folder + "big.ofx";
    std::ofstream(path, std::ios::binary) << StatementFile();
    CCVAccountList accounts;
    if (folder.empty() || accounts.Load(folder) != 0) {
        state.SkipWithError("no data folder");
        return;
    }
    const bool again = state.range(0) == 1;
    CStatementFile::Result result;
    for (auto _ : state) {
        state.PauseTiming();
        auto account = std::make_unique<CCVAccount>();
        account->SetOwner(&accounts);
        if (again) CStatementFile::ImportStatementFile(*account, path, result);
        state.ResumeTiming();
        if (CStatementFile::ImportStatementFile(*account, path, result) !=
            CStatementFile::kImported) {
            state.SkipWithError("the statement was not imported");
            break;
        }
        state.PauseTiming();
        account.reset();
        state.ResumeTiming();
    }
    state.counters["added"] = result.added;
    state.counters["skipped"] = result.skipped;
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
}
BENCHMARK(BM_StatementImport100000)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
