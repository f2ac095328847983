#pragma once

#include <functional>
#include <vector>

#include "platform/sys/EventWait.h"
#include "reminder/CReminderText.h"

namespace reminder {

// Where a reminder is shown: a desktop notification, or lines on standard output.
class MNotifier {
  public:
    // What the person did with a shown reminder.
    enum class Response { kOpen, kSnooze, kDismissed };
    using ResponseHandler = std::function<void(Response)>;

    virtual ~MNotifier() = default;

    // Shows the reminder, in place of the one shown before. False when it could not be shown.
    virtual bool Show(const CReminderText& text) = 0;
    // Takes the shown reminder away; nothing when none is shown.
    virtual void Withdraw() = 0;

    // The descriptors to wait on for the person's responses, and how long at most to wait
    // before Process (-1: no limit of its own).
    virtual void AddWaits(std::vector<sys::WaitItem>&) {}
    virtual int WaitLimitMs() { return -1; }
    // Handles what arrived: `handler` is called for each response.
    virtual void Process(const ResponseHandler&) {}
};

}  // namespace reminder
