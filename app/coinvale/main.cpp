// coinvale: with no arguments, loads the data folder of the preferences (creating it, with its
// first accounts, on a fresh start), lists every account with its balance and the total, and
// saves on the way out, holding the single-instance mutex all the while. The terminal screens
// take over this entry point once they exist. With a command ("coinvale accounts", ...) it runs
// headless: see src/cli.
#include <cstdio>
#include <string>
#include <vector>

#include "Version.h"
#include "cli/CCommandLine.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Console.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/Registry.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"
#include "startup/ModelWiring.h"
#include "storage/CCVPassword.h"

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
constexpr int kNameColumn = 30;

// A string-table text with printf arguments, as UTF-8 for the terminal.
template <typename... Args>
void PrintMessage(std::FILE* out, res::StringId id, Args... args) {
    const std::string format = sys::WideToUtf8(res::LoadString(id));
    std::fprintf(out, format.c_str(), args...);
    std::fputc('\n', out);
}

// With a lock password set, nothing is shown before the right password.
bool Unlock(CVModel& model) {
    if (model.PasswordState() != CCVPassword::kPasswordSet) return true;
    std::fprintf(stderr, "%s ", sys::WideToUtf8(res::LoadString(res::IDS_ENTER_PASSWORD)).c_str());
    const std::string password = sys::WideToAnsi(sys::Utf8ToWide(sys::ReadSecretLine()));
    if (model.CheckPassword(password) == CCVPassword::kRight) return true;
    PrintMessage(stderr, res::IDS_PASSWORD_INCORRECT);
    return false;
}

void PrintRow(const std::string& name, const std::wstring& amount) {
    std::printf("%-*s %14s\n", kNameColumn, name.c_str(), sys::WideToUtf8(amount).c_str());
}

void PrintAccounts(CVModel& model) {
    CCVAccountList* accounts = model.GetAccountList();
    if (accounts == nullptr) return;
    const bool decimals = model.GetPreferences().GetShowDecimal();
    for (std::uint32_t i = 0; i < accounts->Count(); ++i) {
        const CCVAccount& account = *accounts->At(i);
        PrintRow(
            sys::AnsiToUtf8(account.GetName()),
            CCVUIUtility::AmountText(account.GetBalance(CCVAccount::kBalanceCurrent), decimals));
    }
    PrintRow(
        sys::WideToUtf8(res::LoadString(res::IDS_ACCOUNTS_TOTAL)),
        CCVUIUtility::AmountText(accounts->GetTotalBalance(CCVAccount::kBalanceCurrent), decimals));
}

}  // namespace

int main(int argc, char** argv) {
    if (sys::LoadTestTimeFromEnvironment() != 0) {
        std::fprintf(stderr,
                     "coinvale: COINVALE_NOW must be a date and time such as 2026-12-06 or "
                     "2026-12-06T09:30:00.\n");
        return kExitUsage;
    }
    if (argc > 1) {
        const std::vector<std::string> words(argv + 1, argv + argc);
        return cli::CCommandLine().Run(words, *CVModel::GetModel(), stdout, stderr);
    }

    // One interactive program at a time, and while it runs a command that changes the data
    // refuses to. Without a runtime folder the program runs unguarded.
    sys::NamedMutex instance(sys::kInstanceMutexName);
    if (instance.TryAcquire() == sys::NamedMutex::kHeldElsewhere) {
        PrintMessage(stderr, res::IDS_ALREADY_RUNNING);
        return kExitFailure;
    }
    std::printf("Coinvale %s\n", COINVALE_VERSION);

    CVModel& model = *CVModel::GetModel();
    startup::WireModel(model);
    if (model.PreparePreferences() != 0) {
        PrintMessage(stderr, res::IDS_SETTINGS_NOT_WRITTEN, sys::RegistryFilePath().c_str());
        return kExitFailure;
    }
    if (!Unlock(model)) return kExitFailure;

    const int loaded = model.Init();
    if (const CCVAccountList* accounts = model.GetAccountList()) {
        for (const CCVAccountList::DamagedFile& damaged : accounts->DamagedFiles()) {
            PrintMessage(stderr, res::IDS_FILE_DAMAGED, damaged.path.c_str(),
                         damaged.copyPath.c_str());
        }
    }
    if (loaded != 0) {
        PrintMessage(stderr, res::IDS_DATA_NOT_LOADED, model.GetDataFolder().c_str(), loaded);
    }
    PrintAccounts(model);

    const std::string folder = model.GetDataFolder();
    if (const int saved = model.SaveAndRelease(); saved != 0) {
        PrintMessage(stderr, res::IDS_DATA_NOT_SAVED, folder.c_str(), saved);
        return kExitFailure;
    }
    return loaded == 0 ? 0 : kExitFailure;
}
