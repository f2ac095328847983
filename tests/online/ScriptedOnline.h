#pragma once

// The screens' side of the online operations, scripted: the progress window, the password prompt
// and the message boxes, recording what happens as lines of text in order.
#include <deque>
#include <string>
#include <vector>

#include "online/MOnlineMessages.h"
#include "online/MOnlineProgress.h"
#include "online/MPasswordPrompt.h"
#include "platform/sys/CodePage.h"
#include "resources/StringTable.h"

namespace online_testing {

class ScriptedOnline : public MOnlineProgress, public MPasswordPrompt, public MOnlineMessages {
  public:
    void Start() override { events.push_back("start"); }
    void End() override { events.push_back("end"); }
    void Step(std::uint32_t) override { ++steps; }
    bool TakeCancel() override {
        const bool cancel = cancelRequested;
        cancelRequested = false;
        return cancel;
    }

    // Answers with the next scripted password; none left: the prompt is cancelled.
    bool AskPassword(const char* bankName, const char* secondLine, std::string& password) override {
        events.push_back(std::string("prompt ") + bankName + " / " + secondLine);
        if (passwords.empty()) {
            password.clear();
            return false;
        }
        password = passwords.front();
        passwords.pop_front();
        cancelRequested = cancelAfterPrompt;
        return true;
    }

    // "<owner> <icon> <caption>: <text>"; answers with the next scripted answer (else No/OK).
    bool ShowMessage(Owner owner, std::wstring_view text, res::StringId caption,
                     Style style) override {
        events.push_back(std::string(owner == kOwnerProgress ? "progress " : "caller ") +
                         Icon(style) + " " + sys::WideToAnsi(res::LoadString(caption)) + ": " +
                         sys::WideToAnsi(text));
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<std::string> events;
    std::deque<std::string> passwords;
    std::deque<bool> answers;
    bool cancelAfterPrompt = false;  // the user presses Cancel right after typing the password
    bool cancelRequested = false;
    int steps = 0;

  private:
    static std::string Icon(Style style) {
        switch (style) {
            case Style::kInformation:
                return "information";
            case Style::kExclamation:
                return "exclamation";
            case Style::kStop:
                return "stop";
            case Style::kYesNoQuestion:
                return "yes/no";
        }
        return "?";
    }
};

}  // namespace online_testing
