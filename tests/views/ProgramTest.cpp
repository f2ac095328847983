// The program's run as a whole: a SIGTERM (as a closing terminal or a shutdown sends it) ends the
// loop the way "Exit" does, and what was changed in memory is on disk afterwards.
#include "ScreenFixture.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/CSignalWatcher.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/FolderLock.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVProgram.h"
#include "shell/CCVUIUtility.h"

namespace views_test {
namespace {

using Type = CTransactionTypeList::BuiltInType;

class ProgramTest : public ScreenFixture {};

TEST_F(ProgramTest, SigtermEndsTheProgramInOrderAndSavesWhatChanged) {
    Add("Savings", 1, 4200, "Interest", Type::kTypeDeposit);  // in memory only
    const std::string file = Accounts().AccountFilePath("Savings");
    const auto before = testing_support::ReadBytes(file);

    const ui::DWORD mainThread = ui::GetCurrentThreadId();
    std::atomic<bool> signalled{false};
    sys::CSignalWatcher signals([&](int) {
        signalled = true;
        shell::CCVProgram::RequestEnd(mainThread);
    });
    std::thread killer([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        ::kill(::getpid(), SIGTERM);
    });
    shell::CCVProgram program;
    const int status = program.Run();
    killer.join();

    EXPECT_TRUE(signalled);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Model().GetAccountList(), nullptr);  // shut down
    EXPECT_NE(testing_support::ReadBytes(file), before);
    ASSERT_EQ(Model().Init(), 0);
    EXPECT_EQ(Account("Savings").GetBalance(CCVAccount::kBalanceCurrent), 4200);
}

// The program holds the data folder's writer's lock while it runs; one that finds it held by
// another program (a command, or a program with another runtime folder) says so and ends
// without loading anything, and a zero-length account file is named and left as it is.
TEST_F(ProgramTest, AFolderAnotherProgramWritesIsRefusedAndFilesLeftOutAreNamed) {
    const std::string folder = Model().GetDataFolder();
    Model().SaveAndRelease();
    {
        sys::FolderLock other;
        ASSERT_EQ(other.Acquire(folder, std::chrono::milliseconds(0)), sys::FolderLock::kAcquired);
        Model().SetLockWait(std::chrono::milliseconds(20));
        shell::CCVProgram program;
        m_screen.TypeKey(ui::VK_RETURN);  // closes the message
        program.ChooseFirstScreen();
        Pump();
        EXPECT_NE(program.Problems().find(L"Another program is changing the data in"),
                  std::wstring::npos);
        EXPECT_EQ(Model().GetAccountList(), nullptr);
        shell::CCVProgram::DropQuit();  // the program would end here
    }
    testing_support::WriteBytes(folder + "Visa.cvl", {});
    shell::CCVProgram program;
    m_screen.TypeKey(ui::VK_RETURN);  // closes the message naming Visa.cvl
    program.ChooseFirstScreen();
    ASSERT_NE(Model().GetAccountList(), nullptr);
    Start();
    EXPECT_EQ(Accounts().Count(), 4u);
    EXPECT_TRUE(Shows(L"Missing from the total: Visa.cvl"));
    EXPECT_TRUE(testing_support::ReadBytes(folder + "Visa.cvl").empty());
}

// Fault: a failed save said only that the data "could not all be saved (error 1)". The screens
// name the file and the cause.
TEST_F(ProgramTest, AFailedSaveSaysWhichFileAndWhy) {
    Add("Checking", 1, 500, "Shop", Type::kTypeDeposit);
    const std::wstring folder = sys::Utf8ToWide(Model().GetDataFolder());
    {
        sys::ScopedFileFault full(sys::FileStep::Write);
        EXPECT_NE(Model().SaveChanges(), 0);
    }
    EXPECT_EQ(CCVUIUtility::SaveFailureMessage(Model()),
              L"Nothing was saved: " + folder +
                  L"Checking.cvl could not be written (the disk is full). Nothing was lost in "
                  L"memory.");
    EXPECT_EQ(Model().SaveChanges(), 0);  // the change waited in memory
}

}  // namespace
}  // namespace views_test
