#include "platform/ui/CHeadlessScreen.h"

#include <chrono>

#include "platform/ui/CControl.h"
#include "platform/ui/CWindowManager.h"
#include "platform/ui/KeyMessages.h"
#include "platform/ui/WindowApi.h"

namespace ui {

CHeadlessScreen::CHeadlessScreen(int width, int height) : m_size{width, height} {
    m_screen.Resize(width, height);
    CWindowManager::Instance().SetBackend(this);
}

CHeadlessScreen::~CHeadlessScreen() { CWindowManager::Instance().SetBackend(nullptr); }

SIZE CHeadlessScreen::ScreenSize() const {
    std::lock_guard lock(m_mutex);
    return m_size;
}

void CHeadlessScreen::Present(const CCellSurface& screen) {
    {
        std::lock_guard lock(m_mutex);
        m_screen = screen;
        ++m_presentCount;
    }
    m_presented.notify_all();
}

bool CHeadlessScreen::TakeHeldInput(InputEvent& event) {
    std::lock_guard lock(m_mutex);
    if (m_held.empty()) return false;
    event = m_held.front();
    m_held.pop_front();
    m_screenAtInput = m_screen;
    return true;
}

void CHeadlessScreen::Hold(const InputEvent& event) {
    {
        std::lock_guard lock(m_mutex);
        m_held.push_back(event);
    }
    CWindowManager::Instance().WakeAll();
}

void CHeadlessScreen::TypeKey(unsigned vk) {
    InputEvent event;
    event.vk = vk;
    Hold(event);
}

void CHeadlessScreen::TypeText(std::wstring_view text) {
    for (wchar_t ch : text) {
        InputEvent event;
        event.vk = VirtualKeyForChar(ch);
        event.ch = ch;
        Hold(event);
    }
}

void CHeadlessScreen::Tap(int x, int y) {
    InputEvent event;
    event.kind = InputEvent::Kind::Tap;
    event.point = POINT{x, y};
    Hold(event);
}

void CHeadlessScreen::Resize(int width, int height) {
    {
        std::lock_guard lock(m_mutex);
        m_size = SIZE{width, height};
    }
    InputEvent event;
    event.kind = InputEvent::Kind::Resize;
    Hold(event);
}

void CHeadlessScreen::RunUntilIdle() { PumpUntilIdle(); }

bool CHeadlessScreen::HasHeldInput() const {
    std::lock_guard lock(m_mutex);
    return !m_held.empty();
}

std::vector<std::wstring> CHeadlessScreen::Lines() const {
    std::lock_guard lock(m_mutex);
    return m_screen.Lines();
}

std::wstring CHeadlessScreen::TextBeforeLastInput() const {
    std::lock_guard lock(m_mutex);
    std::wstring text;
    for (const std::wstring& line : m_screenAtInput.Lines()) text += line + L"\n";
    return text;
}

std::wstring CHeadlessScreen::Line(int y) const {
    std::lock_guard lock(m_mutex);
    return m_screen.LineText(y);
}

std::wstring CHeadlessScreen::Text() const {
    std::wstring text;
    for (const std::wstring& line : Lines()) text += line + L"\n";
    return text;
}

Cell CHeadlessScreen::CellAt(int x, int y) const {
    std::lock_guard lock(m_mutex);
    const Cell* cell = m_screen.At(x, y);
    return cell != nullptr ? *cell : Cell{};
}

bool CHeadlessScreen::Shows(std::wstring_view text) const {
    return Text().find(text) != std::wstring::npos;
}

int CHeadlessScreen::PresentCount() const {
    std::lock_guard lock(m_mutex);
    return m_presentCount;
}

bool CHeadlessScreen::WaitFor(
    const std::function<bool(const std::vector<std::wstring>&)>& condition, int timeoutMs) {
    std::unique_lock lock(m_mutex);
    return m_presented.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [&] { return condition(m_screen.Lines()); });
}

}  // namespace ui
