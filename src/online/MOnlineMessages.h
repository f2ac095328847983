#pragma once

#include <string_view>

#include "platform/ui/WinMessages.h"
#include "resources/StringIds.h"

// The message boxes of the online operations. The operations choose the text, the caption, the
// icon and buttons (MB_* styles) and which window owns the box; the screens show it.
class MOnlineMessages {
  public:
    enum Owner : int {
        kOwnerCaller = 0,    // the screen that started the operation
        kOwnerProgress = 1,  // the progress window, while it is up
    };

    // The styles of the plain notices: an OK button with an information or exclamation icon.
    static constexpr ui::UINT kInformation = ui::MB_OK | ui::MB_ICONINFORMATION;
    static constexpr ui::UINT kExclamation = ui::MB_OK | ui::MB_ICONEXCLAMATION;

    // Shows the box; true when the answer is OK or Yes.
    virtual bool ShowMessage(Owner owner, std::wstring_view text, res::StringId caption,
                             ui::UINT style) = 0;

  protected:
    ~MOnlineMessages() = default;
};
