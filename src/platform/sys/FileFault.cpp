#include "platform/sys/FileFault.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace sys {
namespace {
std::atomic<FileStep> g_failingStep{FileStep::None};
std::atomic<int> g_passes{0};
std::atomic<int> g_killAt{0};
std::atomic<int> g_stepsReached{0};
}  // namespace

ScopedFileFault::ScopedFileFault(FileStep step, int passes)
    : m_previous(g_failingStep.exchange(step)), m_previousPasses(g_passes.exchange(passes)) {}

ScopedFileFault::~ScopedFileFault() {
    g_failingStep.store(m_previous);
    g_passes.store(m_previousPasses);
}

bool IsFaultInjected(FileStep step) {
    if (step == FileStep::None || g_failingStep.load(std::memory_order_relaxed) != step) {
        return false;
    }
    if (g_passes.load() > 0 && g_passes.fetch_sub(1) > 0) return false;
    errno = step == FileStep::Write ? ENOSPC : EIO;
    return true;
}

void KillAtDurableStep(int n) {
    g_stepsReached.store(0);
    g_killAt.store(n);
}

int DurableStepsReached() { return g_stepsReached.load(); }

void ReachDurableStep() {
    const int reached = g_stepsReached.fetch_add(1) + 1;
    if (reached == g_killAt.load(std::memory_order_relaxed)) ::kill(::getpid(), SIGKILL);
}

}  // namespace sys
