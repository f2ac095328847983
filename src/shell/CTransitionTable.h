#pragma once

#include <cstddef>
#include <span>

#include "shell/ViewNumbers.h"

// Which screen a command leads to from which screen: rows (from view, command, to view), searched
// from the top; the first match wins. The table is data: one row per line in the .cpp.
namespace shell {

struct Transition {
    int from = 0;
    int command = 0;
    int to = 0;
};

class CTransitionTable {
  public:
    static constexpr std::size_t kMaxRows = 250;

    // The target of the first row (from, command), or kNoView when there is none.
    static int Find(int from, int command);
    static std::span<const Transition> Rows();
};

}  // namespace shell
