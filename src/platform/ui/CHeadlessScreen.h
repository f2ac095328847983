#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/IScreenBackend.h"

// A screen in memory, for tests and scripts: a fixed size, keys typed ahead that the window
// system takes one at a time when the focused window's thread is idle, and the last presented
// screen readable as text lines and cells.
//
//   CHeadlessScreen screen(40, 12);   // becomes the window system's screen
//   screen.TypeText(L"42");
//   screen.TypeKey(VK_TSOFT1);
//   screen.RunUntilIdle();
//   EXPECT_NE(screen.Line(11).find(L"Done"), std::wstring::npos);
namespace ui {

class CHeadlessScreen : public IScreenBackend {
public:
    CHeadlessScreen(int width, int height);
    ~CHeadlessScreen() override;
    CHeadlessScreen(const CHeadlessScreen&) = delete;
    CHeadlessScreen& operator=(const CHeadlessScreen&) = delete;

    SIZE ScreenSize() const override;
    void Present(const CCellSurface& screen) override;
    bool TakeHeldInput(InputEvent& event) override;

    void TypeKey(unsigned vk);
    void TypeText(std::wstring_view text);
    void Tap(int x, int y);
    void Resize(int width, int height);

    // Runs the calling thread's messages, and the typed keys meant for it, until none is left.
    void RunUntilIdle();
    bool HasHeldInput() const;

    std::vector<std::wstring> Lines() const;
    // The screen as it was when the last typed key was taken: what a modal box looked like.
    std::wstring TextBeforeLastInput() const;
    std::wstring Line(int y) const;
    std::wstring Text() const;  // all lines, each followed by '\n'
    Cell CellAt(int x, int y) const;
    bool Shows(std::wstring_view text) const;
    int PresentCount() const;

    // Waits until `condition` holds for the presented lines, at most `timeoutMs`. Returns
    // whether it held.
    bool WaitFor(const std::function<bool(const std::vector<std::wstring>&)>& condition,
                 int timeoutMs);

private:
    void Hold(const InputEvent& event);

    mutable std::mutex m_mutex;
    std::condition_variable m_presented;
    SIZE m_size;
    CCellSurface m_screen;
    CCellSurface m_screenAtInput;
    std::deque<InputEvent> m_held;
    int m_presentCount = 0;
};

}  // namespace ui
