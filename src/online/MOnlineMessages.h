#pragma once

#include <cstdint>
#include <string_view>

#include "resources/StringIds.h"

// The message boxes of the online operations. The operations choose the text, the caption, the
// style (icon and buttons) and which window owns the box; the screens show it, mapping the style
// to their message box's own.
class MOnlineMessages {
  public:
    enum Owner : int {
        kOwnerCaller = 0,    // the screen that started the operation
        kOwnerProgress = 1,  // the progress window, while it is up
    };

    enum class Style : std::uint8_t {
        kInformation,    // OK, information icon: a run's summary, an import done
        kExclamation,    // OK, exclamation icon: a refusal or a failure to save
        kStop,           // OK, stop icon: an error of the bank or the connection
        kYesNoQuestion,  // Yes and No, question icon
    };

    // Shows the box; true when the answer is OK or Yes.
    virtual bool ShowMessage(Owner owner, std::wstring_view text, res::StringId caption,
                             Style style) = 0;

  protected:
    ~MOnlineMessages() = default;
};
