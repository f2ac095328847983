#pragma once

#include <cstddef>
#include <string>

#include "online/MOnlineMessages.h"

// The message of a failed online call, by its error code:
//   51                        not enough memory
//   52                        no text
//   53, 54                    the data could not be parsed, with the library's message when any
//   2003                      the account type or number is not valid
//   12002                     the connection timed out
//   12007 12008 12029 12031 12150  an internet connection is needed
//   15500                     the customer id or password is not valid
//   20000                     the connection is not configured properly
//   any other                 "Error <code> <message>", or the unexpected-error text without a
//                             message
// At most kMaxOnlineErrorText characters.
constexpr std::size_t kMaxOnlineErrorText = 260;
std::wstring OnlineErrorText(int code, const char* message);

// Shows that message with the stop icon, titled "OFX Error". 1223 (the user cancelled) is never
// shown.
void ShowOnlineError(MOnlineMessages& messages, MOnlineMessages::Owner owner, int code,
                     const char* message);
