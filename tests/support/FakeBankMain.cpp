// The fake bank on its own, for trying the online screens by hand: an OFX server on 127.0.0.1
// with one customer ("alice", password "secret1"), a checking account 1001 and a savings account
// 2002 at routing number 123456789, three new lines for the checking account dated this week,
// and an institution directory listing it as "Seven Bank". It prints the directory's address,
// which the preference "Institution Directory" takes, and serves until Ctrl+C or SIGTERM.
//
//   build/release/tests/fake-bank [--slow]     --slow: statements are answered after a minute
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>

#include <unistd.h>

#include "support/FakeBank.h"

namespace {

volatile std::sig_atomic_t g_stop = 0;

void Stop(int) {
    g_stop = 1;
}

// The OFX date `daysAgo` days before today.
std::string DaysAgo(int daysAgo) {
    const std::time_t when = std::time(nullptr) - static_cast<std::time_t>(daysAgo) * 86400;
    std::tm parts{};
    localtime_r(&when, &parts);
    char text[16];
    std::strftime(text, sizeof text, "%Y%m%d", &parts);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const bool slow = argc > 1 && std::strcmp(argv[1], "--slow") == 0;
    testing_support::FakeBank bank;
    bank.AddCustomer("alice", "secret1");
    bank.AddBankAccount("123456789", "1001", "CHECKING");
    bank.AddBankAccount("123456789", "2002", "SAVINGS");
    bank.AddLine({"1001", DaysAgo(3), "-42.50", "DEBIT", "Corner Shop", "", "T1", ""});
    bank.AddLine({"1001", DaysAgo(2), "1,250.00", "CREDIT", "Payroll", "June", "T2", ""});
    bank.AddLine({"1001", DaysAgo(1), "-80.00", "CHECK", "Landlord", "", "T3", "104"});
    bank.SetLedgerBalance("1001", "2,127.50");
    bank.SetLedgerBalance("2002", "5,000.00");
    bank.SetServerTime(DaysAgo(0) + "120000");
    // Each start listens on another port: a newer version of the bank's parameters makes a
    // running program take the new address.
    const std::string version = std::to_string(static_cast<std::uint32_t>(std::time(nullptr)));
    bank.SetDirectory("COINVALE FI DIRECTORY 1\nVERSION\t3\nFI\t7\t1\t1\t" + version +
                      "\tSeven Bank\t" + bank.OfxUrl() + "\tFAKE\t1234\t211\t\n");
    if (slow) {
        bank.SetSlowReplyMs(60000);
        bank.SetFailure(testing_support::FakeBank::Failure::kSlowReply, "STMTRQ>");
    }
    std::signal(SIGINT, Stop);
    std::signal(SIGTERM, Stop);
    std::printf("Institution Directory: %s\n", bank.DirectoryUrl().c_str());
    std::printf("customer alice, password secret1; accounts 1001 (checking), 2002 (savings)\n");
    std::fflush(stdout);
    while (g_stop == 0) pause();
    return 0;
}
