// coinvale-sync run as a program beside the interactive program, which runs its main loop in the
// test on a headless screen and hears the synchroniser's broadcasts: a push carries the changes
// the program had not saved, a pull is reloaded and shown and never overwritten by what was in
// memory, a program that cannot save lets nothing in, and a bad folder never disturbs it. Then
// both without a running program.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <thread>

#include "../views/ScreenFixture.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/NamedMutex.h"
#include "platform/ui/CBroadcastChannel.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CSyncHandshake.h"
#include "shell/CSyncRefreshScreen.h"
#include "shell/RegisteredMessages.h"
#include "shell/ViewNumbers.h"
#include "sync/CSyncDataFiles.h"

extern char** environ;

namespace {

using std::chrono::milliseconds;
using Type = CTransactionTypeList::BuiltInType;
using Files = std::map<std::string, std::vector<std::uint8_t>>;

constexpr milliseconds kLimit{30000};  // no wait in these tests takes longer

Files DataOf(const std::string& folder) {
    Files files;
    std::vector<std::string> names;
    EXPECT_EQ(CSyncDataFiles::List(folder, names), 0);
    for (const std::string& name : names) files[name] = testing_support::ReadBytes(folder + name);
    return files;
}

// A program started with its output in files of `folder`.
class Child {
  public:
    Child(const char* program, const std::vector<std::string>& words, const std::string& folder)
        : m_out(folder + "out.txt"), m_errors(folder + "errors.txt") {
        std::vector<char*> argv{const_cast<char*>(program)};
        for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, m_out.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, m_errors.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        EXPECT_EQ(posix_spawn(&m_pid, program, &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
    }
    ~Child() {
        if (!Ended()) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool Ended() {
        if (m_status < 0) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_status = WIFEXITED(status) ? WEXITSTATUS(status) : 128;
            }
        }
        return m_status >= 0;
    }
    // Waits for the end (without a program to serve meanwhile).
    int Wait() {
        const auto deadline = std::chrono::steady_clock::now() + kLimit;
        while (!Ended() && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(milliseconds(5));
        }
        return m_status;
    }
    int Status() const { return m_status; }
    std::string Out() const { return Text(m_out); }
    std::string Errors() const { return Text(m_errors); }

  private:
    static std::string Text(const std::string& path) {
        const std::vector<std::uint8_t> bytes = testing_support::ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    }
    std::string m_out;
    std::string m_errors;
    pid_t m_pid = -1;
    int m_status = -1;
};

class SyncProcessTest : public views_test::ScreenFixture {
  protected:
    // The interactive program holds its instance mutex for its whole run.
    SyncProcessTest() { EXPECT_EQ(m_instance.TryAcquire(), sys::NamedMutex::kAcquired); }
    ~SyncProcessTest() override {
        shell::CSyncHandshake::Reset();
        shell::CSyncRefreshScreen::Dismiss();
        Model().SetReloadPending(false);
    }

    Child Sync(const std::vector<std::string>& words) {
        std::vector<std::string> all = words;
        all.insert(all.end(), {"--data", Model().GetDataFolder()});
        return Child(COINVALE_SYNC_PROGRAM, all, m_logs);
    }
    // The running program serves its messages until `done` (false after the limit).
    bool RunUntil(const std::function<bool()>& done) {
        const auto deadline = std::chrono::steady_clock::now() + kLimit;
        while (!done()) {
            if (std::chrono::steady_clock::now() > deadline) return false;
            Pump();
            std::this_thread::sleep_for(milliseconds(5));
        }
        return true;
    }
    // The synchroniser ended and the program is back on the summary, reloaded.
    bool Settled(Child& child) {
        return child.Ended() && !Model().IsReloadPending() &&
               shell::CSyncRefreshScreen::Window() == nullptr &&
               CurrentView() == shell::kViewAccountsSummary;
    }

    std::string m_dir = m_home.Path() + "dir/";
    std::string m_logs = m_home.Path();
    sys::NamedMutex m_instance{sys::kInstanceMutexName};
    ui::HWND Summary() const { return shell::CCVApplication::Instance().CurrentWindow(); }
};

TEST_F(SyncProcessTest, APushCarriesTheChangesTheProgramHadNotSaved) {
    Start();
    std::filesystem::create_directories(m_dir);
    Add("Checking", 1, 4321, "Corner Shop", Type::kTypeWithdrawal);  // in memory only
    const auto unsaved = testing_support::ReadBytes(Model().GetDataFolder() + "Checking.cvl");
    ui::CBroadcastChannel broadcasts;
    ASSERT_TRUE(broadcasts.IsReceiving());
    const ui::HWND summary = Summary();

    Child push = Sync({"push", m_dir, "--timeout", "20"});
    ASSERT_TRUE(RunUntil([&] { return Settled(push); }));
    // A push changes no file of the data folder: nothing is read again.
    Pump();
    EXPECT_EQ(Summary(), summary);
    EXPECT_EQ(push.Status(), 0) << push.Errors();
    EXPECT_NE(push.Out().find("Copied 13 data files from"), std::string::npos) << push.Out();
    EXPECT_NE(testing_support::ReadBytes(m_dir + "Checking.cvl"), unsaved);
    EXPECT_EQ(DataOf(m_dir), DataOf(Model().GetDataFolder()));
    // Read from the copy: the change is there.
    CCVAccountList copy;
    ASSERT_EQ(copy.Inspect(m_dir), 0);
    const CCVAccount* checking = copy.At(copy.FindAccount(copy.FindAccountByName("Checking")));
    ASSERT_NE(checking, nullptr);
    EXPECT_EQ(checking->GetBalance(CCVAccount::kBalanceCurrent), -4321);
}

TEST_F(SyncProcessTest, APullIsReloadedAndShownAndNothingStaleIsWrittenBack) {
    // The folder another machine left: a transaction the running program does not have. (Made
    // by commands, which refuse to change data while the program runs.)
    m_instance.Release();
    {
        Child init(COINVALE_PROGRAM, {"--data", m_dir, "init"}, m_logs);
        ASSERT_EQ(init.Wait(), 0) << init.Errors();
        Child add(COINVALE_PROGRAM,
                  {"--data", m_dir, "add", "Checking", "--amount", "-99.99", "--payee", "Remote"},
                  m_logs);
        ASSERT_EQ(add.Wait(), 0) << add.Errors();
    }
    ASSERT_EQ(m_instance.TryAcquire(), sys::NamedMutex::kAcquired);
    Start();
    Add("Savings", 1, 5000, "Interest", Type::kTypeDeposit);  // in memory only
    ui::CBroadcastChannel broadcasts;
    const ui::HWND summary = Summary();

    Child pull = Sync({"pull", m_dir});
    ASSERT_TRUE(RunUntil([&] { return Settled(pull) && Summary() != summary; }));
    EXPECT_EQ(pull.Status(), 0) << pull.Errors();
    EXPECT_NE(pull.Out().find("Brought 13 data files from"), std::string::npos) << pull.Out();
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -9999);
    EXPECT_EQ(Account("Savings").GetBalance(CCVAccount::kBalanceCurrent), 0);
    EXPECT_TRUE(Shows(L"-99.99")) << "the summary shows the pulled data";
    const Files pulled = DataOf(m_dir);
    EXPECT_EQ(DataOf(Model().GetDataFolder()), pulled);

    // Saving now writes nothing over the pulled files; a new change is saved over them, as
    // files read by this program, not refused as changed by another.
    EXPECT_EQ(Model().SaveChanges(), 0);
    EXPECT_EQ(DataOf(Model().GetDataFolder()), pulled);
    Add("Savings", 1, 100, "Interest", Type::kTypeDeposit);
    EXPECT_EQ(Model().SaveChanges(), 0);
    EXPECT_NE(DataOf(Model().GetDataFolder())["Savings.cvl"], pulled.at("Savings.cvl"));
    // The data as it was before the pull is kept as a backup.
    EXPECT_TRUE(std::filesystem::exists(
        Model().GetDataFolder().substr(0, Model().GetDataFolder().size() - 1) + ".backups"));
}

TEST_F(SyncProcessTest, AProgramThatCannotSaveLetsNothingInAndKeepsItsChanges) {
    Start();
    std::filesystem::create_directories(m_dir);
    Add("Checking", 1, 1500, "Corner Shop", Type::kTypeWithdrawal);
    ui::CBroadcastChannel broadcasts;
    const ui::HWND summary = Summary();
    {
        sys::ScopedFileFault full(sys::FileStep::Write);
        Child push = Sync({"push", m_dir, "--timeout", "2"});
        // Once the start is in the queue, the key for the message that says the save failed.
        const ui::UINT start = shell::RegisteredMessage(shell::kSyncStartMessage);
        const auto deadline = std::chrono::steady_clock::now() + kLimit;
        ui::MSG msg;
        while (!ui::PeekMessage(msg, nullptr, start, start, ui::PM_NOREMOVE) &&
               std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(milliseconds(5));
        }
        m_screen.TypeKey(ui::VK_RETURN);
        ASSERT_TRUE(RunUntil([&] { return push.Ended(); }));
        EXPECT_NE(m_screen.TextBeforeLastInput().find(L"was not allowed to"), std::wstring::npos);
        EXPECT_EQ(push.Status(), 1);
        EXPECT_NE(push.Errors().find("Coinvale did not answer within 2 seconds"), std::string::npos)
            << push.Errors();
        Pump();  // the end that follows
    }
    EXPECT_TRUE(std::filesystem::is_empty(m_dir));
    EXPECT_FALSE(Model().IsReloadPending());
    EXPECT_EQ(Summary(), summary) << "not reloaded: the change is only in memory";
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -1500);
    EXPECT_EQ(Model().SaveChanges(), 0);
}

TEST_F(SyncProcessTest, ABadFolderNeverDisturbsTheRunningProgram) {
    Start();
    ui::CBroadcastChannel broadcasts;
    const ui::HWND summary = Summary();
    Child pull = Sync({"pull", m_home.Path() + "missing"});
    ASSERT_TRUE(RunUntil([&] { return pull.Ended(); }));
    EXPECT_EQ(pull.Status(), 1);
    EXPECT_EQ(pull.Errors(), m_home.Path() + "missing does not exist; nothing was copied.\n");
    Pump();
    EXPECT_EQ(Summary(), summary);
    EXPECT_FALSE(Model().IsReloadPending());
    Child usage = Sync({"pull"});
    EXPECT_EQ(usage.Wait(), 2);
}

// Neither side running: the copies are made under the writer's lock, and a changed copy comes
// back with a pull.
TEST(SyncWithoutProgram, PushAndPullWithNoProgramRunning) {
    testing_support::TempFolder home;
    testing_support::ScopedEnvironment homeVariable("COINVALE_HOME", home.Path());
    testing_support::ScopedEnvironment documents("XDG_DOCUMENTS_DIR", home.Path() + "Documents");
    testing_support::ScopedEnvironment runtime("XDG_RUNTIME_DIR", home.Path() + "run");
    std::filesystem::create_directories(home.Path() + "run");
    const std::string data = home.Path() + "data/";
    const std::string copy = home.Path() + "copy/";
    std::filesystem::create_directories(copy);
    ASSERT_EQ(Child(COINVALE_PROGRAM, {"--data", data, "init"}, home.Path()).Wait(), 0);

    Child push(COINVALE_SYNC_PROGRAM, {"push", copy, "--data", data}, home.Path());
    ASSERT_EQ(push.Wait(), 0) << push.Errors();
    EXPECT_EQ(DataOf(copy), DataOf(data));
    Child add(COINVALE_PROGRAM, {"--data", copy, "add", "Visa", "--amount", "-12.34"}, home.Path());
    ASSERT_EQ(add.Wait(), 0) << add.Errors();
    Child pull(COINVALE_SYNC_PROGRAM, {"pull", copy, "--data", data}, home.Path());
    ASSERT_EQ(pull.Wait(), 0) << pull.Errors();
    EXPECT_EQ(DataOf(data), DataOf(copy));
    Child accounts(COINVALE_PROGRAM, {"--data", data, "accounts"}, home.Path());
    ASSERT_EQ(accounts.Wait(), 0);
    EXPECT_NE(accounts.Out().find("-12.34"), std::string::npos) << accounts.Out();
}

}  // namespace
