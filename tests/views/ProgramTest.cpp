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
#include "platform/ui/WindowApi.h"
#include "shell/CCVProgram.h"

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

}  // namespace
}  // namespace views_test
