#include "online/OnlineError.h"

#include "ofx/OfxStatus.h"
#include "online/OnlineText.h"

namespace {

constexpr int kErrorOutOfMemory = 51;
constexpr int kErrorNoText = 52;
constexpr int kErrorNoInternet = 12008;
constexpr int kErrorConnectionAborted = 12150;
constexpr int kErrorSignOn = 15500;

}  // namespace

std::wstring OnlineErrorText(int code, const char* message) {
    const bool detailed = message != nullptr && message[0] != '\0';
    std::wstring text;
    switch (code) {
        case kErrorOutOfMemory:
            text = OnlineText(res::IDS_ONLINE_ERROR_MEMORY);
            break;
        case kErrorNoText:
            break;
        case ofx::kErrorUnreadable:
        case ofx::kErrorInvalidData:
            text = detailed ? OnlineText(res::IDS_ONLINE_ERROR_PARSE_DETAIL, message)
                            : OnlineText(res::IDS_ONLINE_ERROR_PARSE);
            break;
        case ofx::kErrorAccountNotFound:
            text = OnlineText(res::IDS_ONLINE_ERROR_ACCOUNT);
            break;
        case ofx::kErrorTimeout:
            text = OnlineText(res::IDS_ONLINE_ERROR_TIMEOUT);
            break;
        case ofx::kErrorNameNotResolved:
        case kErrorNoInternet:
        case ofx::kErrorCannotConnect:
        case ofx::kErrorConnectionReset:
        case kErrorConnectionAborted:
            text = OnlineText(res::IDS_ONLINE_ERROR_NO_INTERNET);
            break;
        case kErrorSignOn:
            text = OnlineText(res::IDS_ONLINE_ERROR_SIGN_ON);
            break;
        case ofx::kErrorNoConnection:
            text = OnlineText(res::IDS_ONLINE_ERROR_CONNECTION_SETTINGS);
            break;
        default:
            text = detailed ? OnlineText(res::IDS_ONLINE_ERROR_CODE, code, message)
                            : OnlineText(res::IDS_ONLINE_ERROR_UNEXPECTED, code);
            break;
    }
    if (text.size() > kMaxOnlineErrorText) text.resize(kMaxOnlineErrorText);
    return text;
}

void ShowOnlineError(MOnlineMessages& messages, MOnlineMessages::Owner owner, int code,
                     const char* message) {
    if (code == ofx::kErrorCancelled) return;
    messages.ShowMessage(owner, OnlineErrorText(code, message), res::IDS_OFX_ERROR_CAPTION,
                         MOnlineMessages::Style::kStop);
}
