#include "UiTestSupport.h"
#include "platform/sys/Clock.h"

namespace ui_test {
namespace {

using namespace ui;

// The tick count stands still at a chosen value; the tests move it.
class TimerTest : public UiTest {
  protected:
    TimerTest() { sys::SetTestTickCount(m_now); }
    ~TimerTest() override { sys::ClearTestTickCount(); }

    void Advance(std::uint32_t milliseconds) {
        m_now += milliseconds;
        sys::SetTestTickCount(m_now);
    }
    std::vector<WPARAM> Fired() const {
        std::vector<WPARAM> ids;
        for (const Logged& logged : Messages(WM_TIMER)) ids.push_back(logged.wParam);
        return ids;
    }

    // Close to the wrap of the 32-bit tick count, so that every test also crosses it.
    std::uint32_t m_now = 0xFFFFFF00u;
};

TEST_F(TimerTest, ATimerFiresWhenItsTimeHasComeAndAgainEveryPeriod) {
    const HWND view = CreateView();
    ASSERT_TRUE(SetTimer(view, 7, 1000));
    m_screen.RunUntilIdle();
    EXPECT_TRUE(Fired().empty());

    Advance(999);
    m_screen.RunUntilIdle();
    EXPECT_TRUE(Fired().empty()) << "one millisecond early";

    Advance(1);  // past the wrap of the tick count
    m_screen.RunUntilIdle();
    EXPECT_EQ(Fired(), (std::vector<WPARAM>{7}));

    // Three periods pass unseen: one message, and the next period counts from it.
    Advance(3000);
    m_screen.RunUntilIdle();
    EXPECT_EQ(Fired().size(), 2u);
    Advance(999);
    m_screen.RunUntilIdle();
    EXPECT_EQ(Fired().size(), 2u);
}

TEST_F(TimerTest, RestartingKillingAndDestroyingStopTheOldTimer) {
    const HWND view = CreateView();
    const HWND other = CreateView(L"Other");
    ASSERT_TRUE(SetTimer(view, 1, 500));
    ASSERT_TRUE(SetTimer(other, 1, 500));
    Advance(400);
    ASSERT_TRUE(SetTimer(view, 1, 500));  // restarted: due 500 from now
    Advance(200);
    m_screen.RunUntilIdle();
    std::vector<Logged> fired = Messages(WM_TIMER);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0].hwnd, other);

    EXPECT_TRUE(KillTimer(other, 1));
    EXPECT_FALSE(KillTimer(other, 1));
    EXPECT_FALSE(KillTimer(view, 2));
    ASSERT_TRUE(DestroyWindow(view));
    Advance(5000);
    m_screen.RunUntilIdle();
    EXPECT_EQ(Messages(WM_TIMER).size(), 1u);
    EXPECT_FALSE(SetTimer(view, 1, 10)) << "a stale handle";
}

TEST_F(TimerTest, KeysAndTapsAreTheLastInputAndPostedMessagesComeFirst) {
    const HWND view = CreateView();
    const std::uint32_t start = m_now;
    Advance(250);
    m_screen.TypeKey(VK_DOWN);
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetLastInputTick(), start + 250);
    Advance(100);
    m_screen.Tap(3, 3);
    m_screen.RunUntilIdle();
    EXPECT_EQ(GetLastInputTick(), start + 350);

    ClearLog();
    ASSERT_TRUE(SetTimer(view, 3, 10));
    Advance(10);
    PostMessage(view, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER);
    // A look for other messages leaves the due timer for the loop that takes it.
    EXPECT_FALSE(PeekMessage(msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(msg.hwnd, view);
    EXPECT_EQ(msg.wParam, 3u);
}

}  // namespace
}  // namespace ui_test
