#pragma once

#include <cstdio>

#include "reminder/MNotifier.h"

namespace reminder {

// A reminder as lines on a stream (standard output): where there is no session bus or no
// notification service. What was printed stays; there is nothing to answer.
class CPlainNotifier : public MNotifier {
  public:
    explicit CPlainNotifier(std::FILE* out) : m_out(out) {}

    bool Show(const CReminderText& text) override;
    void Withdraw() override {}

  private:
    std::FILE* m_out;
};

}  // namespace reminder
