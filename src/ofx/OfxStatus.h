#pragma once

#include <string>
#include <utility>

#include "platform/sys/TextFormat.h"
#include "resources/StringIds.h"

// The outcome of one step of an online-banking call: 0, or an error code with its message.
//
// Codes, as the program's online error message reads them:
//   53, 54         data that cannot be used: 53 a reply or file that cannot be read as a whole,
//                  54 a value in it that is not valid
//   1168           the institution is not in the directory
//   1223           cancelled by the user through OnProgress
//   2003, 15500... OFX status codes of the bank, passed on as they are
//   12002          time-out; 12007, 12029, 12031 no connection to the server; 12005, 12006 an
//                  address that is not valid or not secure; 12045, 12157 the secure channel
//   12152          the server answered, but not with a reply (HTTP status other than 200)
//   20000          no usable connection on this machine
namespace ofx {

constexpr int kOk = 0;
constexpr int kErrorFileNotFound = 2;
constexpr int kErrorUnreadable = 53;
constexpr int kErrorInvalidData = 54;
constexpr int kErrorNotFound = 1168;
constexpr int kErrorCancelled = 1223;
constexpr int kErrorAccountNotFound = 2003;
constexpr int kErrorTimeout = 12002;
constexpr int kErrorInvalidUrl = 12005;
constexpr int kErrorUnrecognizedScheme = 12006;
constexpr int kErrorNameNotResolved = 12007;
constexpr int kErrorCannotConnect = 12029;
constexpr int kErrorConnectionReset = 12031;
constexpr int kErrorInvalidCa = 12045;
constexpr int kErrorInvalidServerResponse = 12152;
constexpr int kErrorSecureChannel = 12157;
constexpr int kErrorNoConnection = 20000;

// A message of the string table as narrow (Windows-1252) text.
std::string LoadNarrow(res::StringId id);

// A message of the string table with printf-style arguments filled in.
template <typename... Args>
std::string FormatNarrow(res::StringId id, Args... args) {
    return sys::FormatText(LoadNarrow(id), args...);
}

struct OfxStatus {
    int code = kOk;
    std::string message;

    bool Ok() const { return code == kOk; }
};

// A failure with the message of the string table.
template <typename... Args>
OfxStatus Failure(int code, res::StringId id, Args... args) {
    return OfxStatus{code, FormatNarrow(id, args...)};
}

// The call was cancelled through OnProgress.
inline OfxStatus Cancelled() {
    return Failure(kErrorCancelled, res::IDS_OFX_CANCELLED);
}

// A handler refused what it was given: its answer becomes the call's error.
inline OfxStatus Refused(int answer) {
    return OfxStatus{answer, {}};
}

}  // namespace ofx
