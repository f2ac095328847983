// The program's side of a desktop synchronisation, as the synchroniser's messages reach the main
// loop: the save and the event at the start, the notice that holds the screens still until the
// end (or until the synchroniser is gone), the "Refreshing" screen and the reload onto the
// accounts summary, and what happens when the save or the reload fails.
#include "ScreenFixture.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"
#include "platform/sys/NamedEvent.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/SyncNames.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/CSyncHandshake.h"
#include "shell/CSyncNotice.h"
#include "shell/CSyncRefreshScreen.h"
#include "shell/RegisteredMessages.h"
#include "shell/ViewNumbers.h"

namespace views_test {
namespace {

using std::chrono::milliseconds;
using Type = CTransactionTypeList::BuiltInType;

class SyncTest : public ScreenFixture {
  protected:
    SyncTest() {
        // The synchroniser's side: it holds the event before it announces the start.
        EXPECT_EQ(m_event.Create(), sys::NamedEvent::kOk);
    }
    ~SyncTest() override {
        shell::CSyncNotice::SetTimeOut(shell::CSyncNotice::kDefaultTimeOut);
        shell::CSyncHandshake::Reset();
        Model().SetReloadPending(false);
    }

    ui::HWND Summary() const { return shell::CCVApplication::Instance().CurrentWindow(); }
    static void Post(ui::HWND window, std::wstring_view name) {
        ui::PostMessage(window, shell::RegisteredMessage(name), 0, 0);
    }
    // Posts the end to `window` from another thread after `delay`, as a synchroniser that has
    // brought a new copy of Checking.cvl would.
    std::thread EndLater(ui::HWND window, milliseconds delay) {
        return std::thread([this, window, delay] {
            std::this_thread::sleep_for(delay);
            Bring("Checking.cvl");
            Post(window, shell::kSyncEndMessage);
        });
    }
    std::string File(const char* name) { return Model().GetDataFolder() + name; }
    // A file of the data folder replaced by a synchroniser (the same bytes, a new file).
    void Bring(const char* name) {
        const auto bytes = testing_support::ReadBytes(File(name));
        ASSERT_EQ(sys::ReplaceFile(File(name), bytes.data(), bytes.size()), 0);
    }
    bool Signalled() { return m_event.Wait(milliseconds(0)) == sys::NamedEvent::kSignalled; }

    sys::NamedEvent m_event{sys::kSyncEventName};
};

TEST_F(SyncTest, AStartSavesSignalsAndHoldsTheScreensStillUntilTheEndThenReloads) {
    Start();
    Add("Checking", 1, 2540, "Corner Shop", Type::kTypeWithdrawal);  // in memory only
    const auto before = testing_support::ReadBytes(File("Checking.cvl"));
    const ui::HWND summary = Summary();

    Post(summary, shell::kSyncStartMessage);
    // Keys typed while the notice is up would open the menu and pick "Exit": none arrives.
    m_screen.TypeKey(ui::VK_TSOFT2);
    m_screen.TypeKey('0');
    std::thread end = EndLater(summary, milliseconds(300));
    Pump();
    end.join();

    EXPECT_NE(testing_support::ReadBytes(File("Checking.cvl")), before) << "saved at the start";
    EXPECT_TRUE(Signalled());
    EXPECT_EQ(shell::CSyncHandshake::LastNoticeEnding(), shell::CSyncNotice::kEnded);
    EXPECT_FALSE(shell::CSyncHandshake::IsEventOpen()) << "closed at the end";
    // Reloaded: a new summary on data read again, with the change that was saved.
    EXPECT_FALSE(Model().IsReloadPending());
    EXPECT_FALSE(Model().IsReloading());
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_NE(Summary(), summary);
    EXPECT_EQ(shell::CSyncRefreshScreen::Window(), nullptr) << "the summary took it away";
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -2540);
    EXPECT_TRUE(Shows(L"Accounts"));
    EXPECT_FALSE(Shows(L"Synchronizing"));
    EXPECT_EQ(shell::CCVApplication::Instance().StackDepth(), 0);
}

// A push only reads the files: nothing is reloaded, and a form that was open keeps what was
// typed into it.
TEST_F(SyncTest, ASynchronisationThatChangedNoFileLeavesTheScreensAsTheyWere) {
    Start();
    Key(ui::VK_TSOFT1);  // "New": the account editor
    const int editor = CurrentView();
    ASSERT_NE(editor, shell::kViewAccountsSummary);
    Type(L"Holiday");
    const ui::HWND form = Summary();
    Post(form, shell::kSyncStartMessage);
    Post(form, shell::kSyncEndMessage);
    Pump();
    EXPECT_TRUE(Signalled());
    EXPECT_EQ(shell::CSyncHandshake::LastNoticeEnding(), shell::CSyncNotice::kEnded);
    EXPECT_FALSE(Model().IsReloadPending());
    EXPECT_EQ(CurrentView(), editor);
    EXPECT_EQ(Summary(), form);
    EXPECT_TRUE(Shows(L"Holiday"));
    EXPECT_EQ(shell::CSyncRefreshScreen::Window(), nullptr);
}

TEST_F(SyncTest, MessagesForOtherWindowsAreDroppedAndAnEndAloneStillMarksTheReload) {
    Start();
    Add("Checking", 1, 700, "Corner Shop", Type::kTypeWithdrawal);
    const auto before = testing_support::ReadBytes(File("Checking.cvl"));
    const ui::HWND controller = shell::CCVApplication::Instance().Controller();
    Post(controller, shell::kSyncStartMessage);
    Post(controller, shell::kSyncEndMessage);
    Pump();
    EXPECT_EQ(testing_support::ReadBytes(File("Checking.cvl")), before) << "no save";
    EXPECT_FALSE(Signalled());
    EXPECT_FALSE(Model().IsReloadPending());

    // An end without a start: the reload is marked all the same (and done at once, the summary
    // being the active window); there was no event to close.
    const ui::HWND summary = Summary();
    Model().SaveChanges();
    Bring("Savings.cvl");
    Post(summary, shell::kSyncEndMessage);
    Pump();
    EXPECT_FALSE(shell::CSyncHandshake::IsEventOpen());
    EXPECT_NE(Summary(), summary) << "reloaded";
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -700);
}

class SyncRefusedTest : public SyncTest {
  protected:
    // A start whose save fails (the disk is full), with the key for the message that says so.
    void RefusedStart(ui::HWND summary) {
        sys::ScopedFileFault full(sys::FileStep::Write);
        Post(summary, shell::kSyncStartMessage);
        m_screen.TypeKey(ui::VK_RETURN);
        Pump();
    }
};

TEST_F(SyncRefusedTest, AFailedSaveAtTheStartLetsNoSynchroniserIn) {
    Start();
    Add("Checking", 1, 1200, "Corner Shop", Type::kTypeWithdrawal);
    const auto before = testing_support::ReadBytes(File("Checking.cvl"));
    const ui::HWND summary = Summary();
    RefusedStart(summary);
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"The synchronization was not allowed to"),
              std::wstring::npos);
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"the disk is full"), std::wstring::npos);
    EXPECT_FALSE(Signalled()) << "the files do not hold the changes: no signal";
    EXPECT_EQ(testing_support::ReadBytes(File("Checking.cvl")), before);

    // Its end reloads nothing, even should a synchroniser have written regardless: the change
    // stays in memory.
    Bring("Savings.cvl");
    Post(summary, shell::kSyncEndMessage);
    Pump();
    EXPECT_FALSE(Model().IsReloadPending());
    EXPECT_EQ(Summary(), summary) << "not reloaded";
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -1200);
}

TEST_F(SyncRefusedTest, AfterARefusedStartTheChangeIsSavedAndTheNextSynchronisationGoesAhead) {
    Start();
    Add("Checking", 1, 1200, "Corner Shop", Type::kTypeWithdrawal);
    const auto before = testing_support::ReadBytes(File("Checking.cvl"));
    const ui::HWND summary = Summary();
    RefusedStart(summary);
    Post(summary, shell::kSyncEndMessage);
    Pump();
    EXPECT_EQ(Model().SaveChanges(), 0);
    EXPECT_NE(testing_support::ReadBytes(File("Checking.cvl")), before);

    Post(summary, shell::kSyncStartMessage);
    std::thread end = EndLater(summary, milliseconds(100));
    Pump();
    end.join();
    EXPECT_TRUE(Signalled());
    EXPECT_NE(Summary(), summary) << "reloaded";
    EXPECT_EQ(Account("Checking").GetBalance(CCVAccount::kBalanceCurrent), -1200);
}

TEST_F(SyncTest, TheNoticeEndsWhenTheSynchroniserIsGoneWithoutAnEnd) {
    Start();
    const ui::HWND summary = Summary();
    auto synchroniser = std::make_unique<sys::NamedMutex>(sys::kSyncMutexName);
    ASSERT_EQ(synchroniser->TryAcquire(), sys::NamedMutex::kAcquired);
    std::thread dies([this, &synchroniser] {
        std::this_thread::sleep_for(milliseconds(600));
        Bring("Checking.cvl");
        synchroniser->Release();  // as the kernel does for a synchroniser that was killed
    });
    const auto started = std::chrono::steady_clock::now();
    Post(summary, shell::kSyncStartMessage);
    Pump();
    dies.join();
    EXPECT_GE(std::chrono::steady_clock::now() - started, milliseconds(600))
        << "held while the synchroniser lived";
    EXPECT_EQ(shell::CSyncHandshake::LastNoticeEnding(), shell::CSyncNotice::kSynchroniserGone);
    EXPECT_FALSE(Model().IsReloadPending());
    EXPECT_NE(Summary(), summary) << "reloaded: the files may have changed";
}

TEST_F(SyncTest, TheNoticeGivesUpAfterItsTimeOut) {
    Start();
    const ui::HWND summary = Summary();
    sys::NamedMutex synchroniser(sys::kSyncMutexName);
    ASSERT_EQ(synchroniser.TryAcquire(), sys::NamedMutex::kAcquired);  // alive but stuck
    shell::CSyncNotice::SetTimeOut(milliseconds(400));
    Post(summary, shell::kSyncStartMessage);
    std::thread copies([this] {
        std::this_thread::sleep_for(milliseconds(100));
        Bring("Checking.cvl");
    });
    Pump();
    copies.join();
    EXPECT_EQ(shell::CSyncHandshake::LastNoticeEnding(), shell::CSyncNotice::kTimedOut);
    EXPECT_NE(Summary(), summary);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
}

TEST_F(SyncTest, AReloadThatFailsLeavesTheRefreshingScreenUpAndWritesNothing) {
    Start();
    const ui::HWND summary = Summary();
    Post(summary, shell::kSyncStartMessage);
    // The synchroniser leaves a list file that cannot be read at all.
    std::thread synchroniser([this, summary] {
        std::this_thread::sleep_for(milliseconds(200));
        std::filesystem::remove(File("PayeesList.lst"));
        std::filesystem::create_directory(File("PayeesList.lst"));
        Post(summary, shell::kSyncEndMessage);
    });
    Pump();
    synchroniser.join();
    EXPECT_EQ(CurrentView(), shell::kNoView);
    ASSERT_NE(shell::CSyncRefreshScreen::Window(), nullptr);
    EXPECT_EQ(ui::GetClassName(shell::CSyncRefreshScreen::Window()), L"SyncRefresh");
    EXPECT_TRUE(Shows(L"Refreshing"));
    EXPECT_TRUE(Shows(L"could not be read")) << sys::WideToUtf8(m_screen.TextBeforeLastInput());
    EXPECT_TRUE(Model().IsReloadPending()) << "nothing read is saved over the files";
    EXPECT_FALSE(Model().IsReloading());

    // "OK" leads out of the program.
    m_screen.TypeKey(ui::VK_TSOFT1);
    Pump();
    ui::MSG msg;
    EXPECT_TRUE(ui::PeekMessage(msg, nullptr, ui::WM_QUIT, ui::WM_QUIT, ui::PM_NOREMOVE));
    shell::CSyncRefreshScreen::Dismiss();
    std::filesystem::remove(File("PayeesList.lst"));
}

TEST_F(SyncTest, TheRefreshingScreenShowsItsHeadingTextAndOkAndBackLeadBack) {
    shell::CSyncRefreshScreen::Show();
    Pump();
    EXPECT_EQ(ui::GetWindowText(shell::CSyncRefreshScreen::Window()), L"Coinvale");
    EXPECT_TRUE(Shows(L"Refreshing"));
    EXPECT_TRUE(Shows(L"Coinvale will update with synchronized data."));
    EXPECT_TRUE(Shows(L"OK"));
    Start();  // a screen under it, with no way back: Back ends the program
    shell::CSyncRefreshScreen::Show();
    m_screen.TypeKey(ui::VK_ESCAPE);
    Pump();
    ui::MSG msg;
    EXPECT_TRUE(ui::PeekMessage(msg, nullptr, ui::WM_QUIT, ui::WM_QUIT, ui::PM_NOREMOVE));
    shell::CSyncRefreshScreen::Dismiss();
    EXPECT_EQ(shell::CSyncRefreshScreen::Window(), nullptr);
}

}  // namespace
}  // namespace views_test
