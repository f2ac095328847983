#include <atomic>
#include <future>
#include <set>
#include <thread>

#include "platform/ui/CAnimation.h"
#include "UiTestSupport.h"

namespace ui_test {
namespace {

using namespace ui;

class WindowTest : public UiTest {};

TEST_F(WindowTest, StaleHandlesAreHarmlessAndTheirMessagesDropped) {
    const HWND view = CreateView(L"Summary");
    const HWND child = CreateChild(L"STATIC", view, 3, 0, RECT{0, 0, 5, 1}, L"x");
    PostMessage(view, WM_USER, 1, 2);
    ASSERT_TRUE(DestroyWindow(view));  // the child goes with it
    m_screen.RunUntilIdle();

    EXPECT_TRUE(Messages(WM_USER).empty());
    EXPECT_EQ(Messages(WM_CREATE).size(), 1u);
    EXPECT_EQ(Messages(WM_DESTROY).size(), 1u);
    for (HWND stale : {view, child}) {
        EXPECT_FALSE(IsWindow(stale));
        EXPECT_FALSE(PostMessage(stale, WM_USER, 0, 0));
        EXPECT_EQ(SendMessage(stale, WM_USER, 0, 0), 0);
        EXPECT_EQ(GetWindowText(stale), L"");
        EXPECT_EQ(SetFocus(stale), nullptr);
        EXPECT_FALSE(DestroyWindow(stale));
    }
    // A new window never gets an old handle.
    EXPECT_NE(CreateView(), view);
}

TEST_F(WindowTest, ClassesTitlesParentsAndLookup) {
    const HWND view = CreateView(L"Accounts Summary");
    const HWND list = CreateChild(L"syslistview32", view, 12, 0, RECT{1, 1, 20, 5});
    EXPECT_EQ(GetClassName(list), L"SysListView32");  // classes are found without regard to case
    EXPECT_EQ(GetParent(list), view);
    EXPECT_EQ(GetDlgItem(view, 12), list);
    EXPECT_EQ(GetDlgCtrlID(list), 12);
    EXPECT_EQ(FindWindow(L"TestView", L"Accounts Summary"), view);
    EXPECT_EQ(FindWindow(L"TestView", L"Register"), nullptr);
    EXPECT_EQ(CreateWindow(L"NoSuchClass", L"", 0, 0, 0, 1, 1, nullptr), nullptr);
    EXPECT_EQ(CreateWindow(L"EDIT", L"", WS_CHILD, 0, 0, 1, 1, nullptr), nullptr);  // no parent
    RECT rect;
    ASSERT_TRUE(GetWindowRect(list, rect));
    EXPECT_EQ(rect, (RECT{1, 2, 20, 6}));  // the view fills the work area under the title row
    m_screen.RunUntilIdle();
    EXPECT_NE(m_screen.Line(0).find(L"Accounts Summary"), std::wstring::npos);
}

TEST_F(WindowTest, ActivationAndFocusComeBackWhenAWindowCloses) {
    const HWND first = CreateView(L"First");
    const HWND edit = CreateChild(L"EDIT", first, 1, 0, RECT{0, 0, 5, 1});
    SetFocus(edit);
    const HWND second = CreateView(L"Second");
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_EQ(GetFocus(), second);
    DestroyWindow(second);
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_EQ(GetFocus(), edit);
    // Disabled windows take no focus and no keys.
    EnableWindow(edit, false);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SetFocus(edit), nullptr);
}

TEST_F(WindowTest, InvalidationOnlyMarksAndOnePassPaints) {
    const HWND view = CreateView();
    m_screen.RunUntilIdle();
    ClearLog();
    const int presented = m_screen.PresentCount();
    InvalidateRect(view);
    InvalidateRect(view);
    EXPECT_TRUE(Messages(WM_PAINT).empty());
    m_screen.RunUntilIdle();
    EXPECT_EQ(Messages(WM_PAINT).size(), 1u);
    // Nothing changed on the screen, so nothing new was presented.
    EXPECT_EQ(m_screen.PresentCount(), presented);
}

TEST_F(WindowTest, RegisteredMessagesByName) {
    const UINT start = RegisterWindowMessage(L"CV_SYNC_START");
    EXPECT_GE(start, kFirstRegisteredMessage);
    EXPECT_EQ(RegisterWindowMessage(L"cv_sync_start"), start);
    EXPECT_NE(RegisterWindowMessage(L"CV_SYNC_END"), start);
    EXPECT_EQ(RegisterWindowMessage(L""), 0u);
    // A broadcast reaches every top-level window of the program.
    const HWND a = CreateView();
    const HWND b = CreateView();
    PostMessage(HWND_BROADCAST, start, 0, 0);
    m_screen.RunUntilIdle();
    std::set<HWND> reached;
    for (const Logged& entry : Messages(start)) reached.insert(entry.hwnd);
    EXPECT_EQ(reached, (std::set<HWND>{a, b}));
}

TEST_F(WindowTest, ThreadMessagesQuitAndModalLoops) {
    PostThreadMessage(GetCurrentThreadId(), WM_USER + 5, 1, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, nullptr);
    EXPECT_EQ(msg.message, WM_USER + 5u);

    const HWND view = CreateView();
    // A dialog built in memory runs until it ends itself.
    m_screen.TypeKey(VK_RETURN);
    const int result = DialogBoxIndirect(
        view, L"Unlock", 20, 6, [](HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
            if (message == WM_KEYDOWN && wParam == VK_RETURN) EndDialog(dialog, 42);
            return DefWindowProc(dialog, message, wParam, lParam);
        });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(GetActiveWindow(), view);

    // A quit inside a modal loop ends it and reaches the loop outside.
    PostQuitMessage(3);
    EXPECT_EQ(MessageBox(view, L"text", L"caption", MB_OK), IDCANCEL);
    EXPECT_FALSE(GetMessage(msg));
    EXPECT_EQ(msg.wParam, 3u);
}

// The download's progress window: a second thread owns a window and animates it with its own
// loop, while the first thread is busy and runs no loop at all.
TEST_F(WindowTest, SecondThreadAnimatesWhileTheFirstIsBlocked) {
    CreateView(L"Register");
    m_screen.RunUntilIdle();
    const UINT quitLoop = RegisterWindowMessage(L"CV_QUIT_THREAD_MSG_LOOP");
    std::promise<DWORD> started;
    std::thread progress([&] {
        const HWND window = CreateWindow(L"TestView", L"Online Progress",
                                         WS_POPUP | WS_BORDER | WS_VISIBLE, 4, 3, 24, 5, nullptr);
        const HWND area = CreateWindow(L"SysAnimate32", L"", WS_CHILD | WS_VISIBLE, 1, 2, 22, 1,
                                       window);
        started.set_value(GetCurrentThreadId());
        MSG msg;
        for (bool running = true; running;) {
            while (running && PeekMessage(msg, nullptr, 0, 0, PM_REMOVE)) {
                running = msg.message != quitLoop;
                TranslateMessage(msg);
                DispatchMessage(msg);
            }
            GetControl<CAnimation>(area)->NextFrame();
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        DestroyWindow(window);
    });
    const DWORD worker = started.get_future().get();

    // This thread now only waits: the frames must change on the screen without it.
    std::set<std::wstring> frames;
    const bool animated = m_screen.WaitFor(
        [&](const std::vector<std::wstring>& lines) {
            frames.insert(lines[5]);
            return frames.size() >= 4;
        },
        5000);
    PostThreadMessage(worker, quitLoop, 0, 0);
    progress.join();
    EXPECT_TRUE(animated);
    EXPECT_FALSE(IsWindow(FindWindow(L"TestView", L"Online Progress")));
}

TEST_F(WindowTest, SendToAnotherThreadRunsThereAndAnswers) {
    RegisterClass(L"EchoView", [](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_USER) return static_cast<LRESULT>(GetCurrentThreadId());
        return DefWindowProc(hwnd, message, wParam, lParam);
    });
    std::promise<HWND> created;
    std::thread other([&] {
        const HWND window = CreateWindowEx(WS_EX_NOACTIVATE, L"EchoView", L"", WS_POPUP, 0, 0,
                                           1, 1, nullptr);
        created.set_value(window);
        MSG msg;
        while (GetMessage(msg)) DispatchMessage(msg);
        DestroyWindow(window);
    });
    const HWND window = created.get_future().get();
    const DWORD otherThread = GetWindowThreadId(window);
    EXPECT_NE(otherThread, GetCurrentThreadId());
    EXPECT_EQ(SendMessage(window, WM_USER, 0, 0), static_cast<LRESULT>(otherThread));
    PostThreadMessage(otherThread, WM_QUIT, 0, 0);
    PostMessage(window, WM_CLOSE, 0, 0);
    other.join();
    UnregisterClass(L"EchoView");
}

}  // namespace
}  // namespace ui_test
