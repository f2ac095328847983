// The controller's navigation on a headless screen, with stand-in screens: the transition table
// and its first-match rule, the stack of saved states (at most ten, Back restoring them), what
// happens when a target screen is missing or cannot be built, the payload that travels with a
// navigation, and the end of the program when Back finds nothing left.
#include <memory>

#include "platform/ui/CHeadlessScreen.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "shell/CCVView.h"
#include "shell/CTransitionTable.h"
#include "shell/HelpTopics.h"

namespace {

using shell::CCVApplication;

int g_payloadsAlive = 0;

struct CountedPayload : shell::CNavigationPayload {
    explicit CountedPayload(int v) : value(v) { ++g_payloadsAlive; }
    ~CountedPayload() override { --g_payloadsAlive; }
    int value;
};

struct TestState : shell::CViewState {
    int marker = 0;
};

// A screen that saves a marker as its state, can be told to fail, and keeps the payload handed
// to it.
class TestView : public shell::CCVView {
  public:
    static inline bool s_failCreate = false;
    static inline bool s_takePayload = true;
    static inline int s_lastPayload = 0;
    static inline int s_restoredMarker = 0;

    explicit TestView(bool savesState) : m_savesState(savesState) {}
    int marker = 0;

    std::unique_ptr<shell::CViewState> SaveState() const override {
        if (!m_savesState) return nullptr;
        auto state = std::make_unique<TestState>();
        state->marker = marker;
        return state;
    }
    void RestoreState(const shell::CViewState& state) override {
        s_restoredMarker = dynamic_cast<const TestState&>(state).marker;
    }

  protected:
    Frame Describe(ui::LPARAM) override {
        return Frame{L"TestScreen" + std::to_wstring(ViewNumber()), L"Screen", 0};
    }
    bool OnCreate(ui::LPARAM param) override {
        marker = static_cast<int>(param);
        if (s_takePayload) {
            auto payload = TakePayload();
            if (auto* counted = dynamic_cast<CountedPayload*>(payload.get())) {
                s_lastPayload = counted->value;
            }
        }
        return !s_failCreate;
    }

  private:
    bool m_savesState;
};

class NavigationTest : public ::testing::Test {
  protected:
    NavigationTest() {
        TestView::s_failCreate = false;
        TestView::s_takePayload = true;
        TestView::s_lastPayload = 0;
        TestView::s_restoredMarker = 0;
        auto& catalog = m_app.Catalog();
        catalog.Clear();
        for (int view : {2, 19, 31}) {
            catalog.Register(view, [] { return std::make_unique<TestView>(true); });
        }
        for (int view : {12, 32}) {
            catalog.Register(view, [] { return std::make_unique<TestView>(false); });
        }
        m_app.SetFirstScreenChooser(
            [this] { m_app.PostNavigate(shell::kEventAccountsSummary, 0); });
        EXPECT_EQ(m_app.CreateController(), 0);
        EXPECT_TRUE(Pump());
    }
    ~NavigationTest() override {
        m_app.Shutdown();
        m_app.Catalog().Clear();
        m_app.SetFirstScreenChooser({});
        shell::CCVProgram::DropQuit();  // a quit left by a test
    }
    static bool Pump() { return shell::CCVProgram::PumpUntilIdle(); }
    void Go(int command, ui::LPARAM param = 0) {
        m_app.PostNavigate(command, param);
        Pump();
    }
    TestView* Current() const { return dynamic_cast<TestView*>(m_app.CurrentViewObject()); }

    ui::CHeadlessScreen m_screen{40, 12};
    CCVApplication& m_app = CCVApplication::Instance();
};

TEST(TransitionTableTest, FirstMatchingRowWinsAndUnknownPairsLeadNowhere) {
    EXPECT_EQ(shell::CTransitionTable::Find(2, -10010), 31);
    EXPECT_EQ(shell::CTransitionTable::Find(31, 10427), 39);  // the column chooser, not the font
    EXPECT_EQ(shell::CTransitionTable::Find(12, 10398), 32);
    EXPECT_EQ(shell::CTransitionTable::Find(73, 16), 47);
    EXPECT_EQ(shell::CTransitionTable::Find(45, 15), 59);
    EXPECT_EQ(shell::CTransitionTable::Find(43, 15), shell::kNoView);
    EXPECT_EQ(shell::CTransitionTable::Find(31, -10010), shell::kNoView);
    EXPECT_LE(shell::CTransitionTable::Rows().size(), shell::CTransitionTable::kMaxRows);
}

TEST(HelpTopicsTest, TopicsByView) {
    EXPECT_EQ(shell::HelpPageFor(31), "Coinvale.htm#Transactions");
    EXPECT_EQ(shell::HelpTopicFor(9), "Lockapplication");
    EXPECT_EQ(shell::HelpTopicFor(34), "Reconcile");
    EXPECT_EQ(shell::HelpTopicFor(0), "Main_Contents");
    EXPECT_EQ(shell::HelpPageFor(1), "");
    EXPECT_EQ(shell::HelpPageFor(77), "");
}

TEST_F(NavigationTest, BackReturnsToTheScreenItCameFromWithItsState) {
    ASSERT_EQ(m_app.CurrentView(), shell::kViewAccountsSummary);
    Current()->marker = 7;
    Go(shell::kEventOpenRegister, 3);
    EXPECT_EQ(m_app.CurrentView(), shell::kViewRegister);
    EXPECT_EQ(m_app.CurrentParameter(), 3);
    EXPECT_EQ(Current()->marker, 3);
    ASSERT_EQ(m_app.StackDepth(), 1);
    EXPECT_EQ(m_app.StackAt(0).view, shell::kViewAccountsSummary);
    EXPECT_EQ(m_app.StackAt(0).command, shell::kEventOpenRegister);

    m_app.PostBack(0);
    EXPECT_TRUE(Pump());
    EXPECT_EQ(m_app.CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(TestView::s_restoredMarker, 7);
    EXPECT_EQ(m_app.StackDepth(), 0);
    EXPECT_TRUE(ui::IsWindow(m_app.CurrentWindow()));
}

TEST_F(NavigationTest, AMissingOrFailingTargetLeavesTheScreenAsItWas) {
    const ui::HWND summary = m_app.CurrentWindow();
    Go(10375);  // edit accounts: the program has no such screen here
    EXPECT_EQ(m_app.CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(m_app.CurrentWindow(), summary);
    EXPECT_EQ(m_app.StackDepth(), 0);
    Go(99999);  // no row at all
    EXPECT_EQ(m_app.CurrentWindow(), summary);

    TestView::s_failCreate = true;
    Go(shell::kEventOpenRegister);
    EXPECT_EQ(m_app.CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(m_app.CurrentWindow(), summary);
    EXPECT_TRUE(ui::IsWindow(summary));
    EXPECT_EQ(m_app.StackDepth(), 0);
}

TEST_F(NavigationTest, AnEleventhForwardNavigationIsNotRecorded) {
    // summary -> register -> payees -> summary ... all three save their state.
    const int route[] = {shell::kEventOpenRegister, 10421, 10396};
    for (int step = 0; step < 11; ++step) Go(route[step % 3]);
    EXPECT_EQ(m_app.StackDepth(), shell::kNavigationStackSize);
    EXPECT_EQ(m_app.CurrentView(), 19);
    // The tenth entry is the screen left by the tenth navigation (the summary); the register
    // left by the eleventh is not there, so Back skips it.
    EXPECT_EQ(m_app.StackAt(9).view, shell::kViewAccountsSummary);
    EXPECT_EQ(m_app.StackAt(9).command, shell::kEventOpenRegister);
    m_app.PostBack(0);
    Pump();
    EXPECT_EQ(m_app.CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(m_app.StackDepth(), 9);
}

TEST_F(NavigationTest, BackFromFindResultsBuildsTheRegisterAgainAndKeepsIt) {
    Go(shell::kEventOpenRegister);
    Current()->marker = 5;
    Go(10446);  // the find form saves no state
    Go(10398);  // its results
    EXPECT_EQ(m_app.CurrentView(), shell::kViewFindResults);
    EXPECT_EQ(m_app.StackDepth(), 2);
    m_app.PostBack(0);
    Pump();
    EXPECT_EQ(m_app.CurrentView(), shell::kViewRegister);
    EXPECT_TRUE(ui::IsWindow(m_app.CurrentWindow()));
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(TestView::s_restoredMarker, 5);
}

TEST_F(NavigationTest, BackOnAnEmptyStackEndsTheProgramUnlessAskedToStay) {
    m_app.PostBack(1);
    EXPECT_TRUE(Pump());
    EXPECT_EQ(m_app.CurrentView(), shell::kNoView);
    EXPECT_EQ(m_app.CurrentWindow(), nullptr);

    Go(shell::kEventAccountsSummary);
    EXPECT_EQ(m_app.CurrentView(), shell::kViewAccountsSummary);
    m_app.PostBack(0);
    EXPECT_FALSE(Pump());  // the quit message ended the loop
    EXPECT_EQ(m_app.CurrentView(), shell::kNoView);
}

TEST_F(NavigationTest, APayloadGoesToTheNewScreenOrIsFreed) {
    m_app.PostNavigate(shell::kEventOpenRegister, 0, std::make_unique<CountedPayload>(42));
    EXPECT_EQ(g_payloadsAlive, 1);
    Pump();
    EXPECT_EQ(TestView::s_lastPayload, 42);
    EXPECT_EQ(g_payloadsAlive, 0);

    TestView::s_takePayload = false;
    m_app.PostNavigate(10421, 0, std::make_unique<CountedPayload>(1));
    Pump();
    EXPECT_EQ(m_app.CurrentView(), 19);
    EXPECT_EQ(g_payloadsAlive, 0);  // not taken: the controller freed it

    m_app.PostNavigate(10375, 0, std::make_unique<CountedPayload>(2));  // leads nowhere
    Pump();
    EXPECT_EQ(g_payloadsAlive, 0);
}

TEST_F(NavigationTest, TheHelpKeyOpensTheCurrentScreensTopic) {
    std::vector<std::string> opened;
    m_app.SetHelpViewer([&opened](const std::string& page) { opened.push_back(page); });
    Go(shell::kEventOpenRegister);
    ui::PostMessage(m_app.CurrentWindow(), ui::WM_HELP, 0, 0);
    Pump();
    m_app.SetHelpViewer({});
    ui::PostMessage(m_app.CurrentWindow(), ui::WM_HELP, 0, 0);  // no viewer: nothing happens
    Pump();
    EXPECT_EQ(opened, (std::vector<std::string>{"Coinvale.htm#Transactions"}));
}

TEST_F(NavigationTest, TheLoopEndsOnCloseAndMovesArrowsFromFieldsToTheScreen) {
    ui::MSG close{m_app.CurrentWindow(), ui::WM_CLOSE, 0, 0, 0, ui::POINT{}};
    bool end = false;
    EXPECT_FALSE(shell::CCVProgram::Preprocess(close, end));
    EXPECT_TRUE(end);

    const ui::HWND screen = m_app.CurrentWindow();
    const ui::HWND edit =
        ui::CreateWindow(L"EDIT", L"", ui::WS_CHILD | ui::WS_VISIBLE, 0, 0, 5, 1, screen, 1);
    const ui::HWND list = ui::CreateWindow(L"SysListView32", L"", ui::WS_CHILD | ui::WS_VISIBLE, 0,
                                           2, 5, 3, screen, 2);
    ui::MSG down{edit, ui::WM_KEYDOWN, ui::VK_DOWN, 0, 0, ui::POINT{}};
    end = false;
    EXPECT_TRUE(shell::CCVProgram::Preprocess(down, end));
    EXPECT_EQ(down.hwnd, screen);
    ui::MSG inList{list, ui::WM_KEYDOWN, ui::VK_DOWN, 0, 0, ui::POINT{}};
    EXPECT_TRUE(shell::CCVProgram::Preprocess(inList, end));
    EXPECT_EQ(inList.hwnd, list);
    EXPECT_FALSE(end);
}

}  // namespace
