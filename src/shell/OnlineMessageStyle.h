#pragma once

#include "online/MOnlineMessages.h"
#include "platform/ui/WinMessages.h"

// The message box style (MB_* icon and buttons) that shows an online operation's message.
constexpr ui::UINT OnlineMessageStyle(MOnlineMessages::Style style) {
    switch (style) {
        case MOnlineMessages::Style::kInformation:
            return ui::MB_OK | ui::MB_ICONINFORMATION;
        case MOnlineMessages::Style::kExclamation:
            return ui::MB_OK | ui::MB_ICONEXCLAMATION;
        case MOnlineMessages::Style::kStop:
            return ui::MB_OK | ui::MB_ICONSTOP;
        case MOnlineMessages::Style::kYesNoQuestion:
            return ui::MB_YESNO | ui::MB_ICONQUESTION;
    }
    return ui::MB_OK;
}
