#include "platform/sys/FileFault.h"

#include <atomic>

namespace sys {
namespace {
std::atomic<FileStep> g_failingStep{FileStep::None};
}  // namespace

ScopedFileFault::ScopedFileFault(FileStep step) : m_previous(g_failingStep.exchange(step)) {}

ScopedFileFault::~ScopedFileFault() { g_failingStep.store(m_previous); }

bool IsFaultInjected(FileStep step) {
    return step != FileStep::None && g_failingStep.load(std::memory_order_relaxed) == step;
}

}  // namespace sys
