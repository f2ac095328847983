#pragma once

#include <string>
#include <thread>
#include <vector>

#include "platform/ui/CHeadlessScreen.h"
#include "platform/ui/WinTypes.h"

namespace views_test {

inline constexpr int kTypistWaitMs = 10000;

// Types keys from a second thread once the screen shows a text: for the boxes and the prompt of
// an online run, which come up while the program is busy. A step whose text never comes is
// noted, and the right soft key is pressed a few times so that no box is left waiting.
class Typist {
  public:
    struct Step {
        std::wstring text;
        std::wstring typed;
        std::vector<unsigned> keys;
    };

    Typist(ui::CHeadlessScreen& screen, std::vector<Step> steps)
        : m_screen(screen), m_steps(std::move(steps)), m_thread([this] { Run(); }) {}
    ~Typist() { Join(); }
    void Join() {
        if (m_thread.joinable()) m_thread.join();
    }

    std::vector<std::wstring> seen;  // the screen when each step's text showed
    bool missed = false;

  private:
    void Run() {
        for (const Step& step : m_steps) {
            const bool shown = m_screen.WaitFor(
                [&](const std::vector<std::wstring>& lines) {
                    for (const std::wstring& line : lines) {
                        if (line.find(step.text) != std::wstring::npos) return true;
                    }
                    return false;
                },
                kTypistWaitMs);
            if (!shown) {
                missed = true;
                std::wstring text;
                for (const std::wstring& line : m_screen.Lines()) text += line + L"\n";
                seen.push_back(text);
                for (int i = 0; i < 3; ++i) m_screen.TypeKey(ui::VK_TSOFT2);
                return;
            }
            std::wstring text;
            for (const std::wstring& line : m_screen.Lines()) text += line + L"\n";
            seen.push_back(text);
            if (!step.typed.empty()) m_screen.TypeText(step.typed);
            for (unsigned key : step.keys) m_screen.TypeKey(key);
        }
    }

    ui::CHeadlessScreen& m_screen;
    std::vector<Step> m_steps;
    std::thread m_thread;
};

}  // namespace views_test
