#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ofx/OfxElement.h"
#include "ofx/OfxStatus.h"

// Reading the common parts of parsed OFX replies: status aggregates, the sign-on, transaction
// wrappers and the profile's password rules.
namespace ofx {

// The password rules as the password-change screen takes them:
//   byte 0  minimum length
//   byte 1  maximum length
//   byte 2  characters: 0 letters only, 1 digits only, 2 letters or digits, 3 both required
//   byte 3  1 when the password is case sensitive
//   byte 4  1 when special characters are allowed
//   byte 5  1 when spaces are allowed
using PasswordCriteria = std::array<std::uint8_t, 6>;

// A STATUS aggregate: 0 for code 0 or severity INFO; otherwise the code with the bank's MESSAGE
// (or a text naming the code). 53 when the status is missing or its code is not a number.
OfxStatus ReadStatus(const OfxElement* status);

// The status of the sign-on response (SIGNONMSGSRSV1/SONRS).
OfxStatus CheckSignOn(const OfxElement& root);

// The transaction wrapper at `path` (e.g. "BANKMSGSRSV1/STMTTRNRS") and its status; 53 when the
// reply has none.
OfxStatus FindTransaction(const OfxElement& root, std::string_view path,
                          const OfxElement*& wrapper);

// A failure naming an element the reply lacks.
OfxStatus MissingElement(std::string_view name);

// The profile's DTPROFUP, or empty.
std::string ProfileUpdated(const OfxElement& root);

// The password rules of the profile's sign-on realm for banking (the first realm when the
// profile names none). Rules the bank leaves out impose nothing. 53 without any SIGNONINFO.
OfxStatus ReadPasswordCriteria(const OfxElement& root, PasswordCriteria& criteria);

}  // namespace ofx
