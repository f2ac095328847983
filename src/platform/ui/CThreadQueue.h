#pragma once

#include <condition_variable>
#include <deque>
#include <memory>
#include <vector>

#include "platform/ui/WinTypes.h"

// The message queue of one thread, guarded by the window manager's lock.
namespace ui {

struct WindowRecord;

// A message sent from another thread, waiting for the owner thread to run it.
struct SentMessage {
    MSG msg;
    LRESULT result = 0;
    bool done = false;
    DWORD senderThread = 0;
};

struct CThreadQueue {
    DWORD threadId = 0;
    std::deque<MSG> posted;
    std::deque<std::shared_ptr<SentMessage>> sent;
    bool quit = false;
    int quitCode = 0;
    std::condition_variable_any wake;
    // Windows destroyed while one of their procedures may still be running; freed when the
    // thread is back at the top of its loop.
    std::vector<std::unique_ptr<WindowRecord>> graveyard;
};

}  // namespace ui
