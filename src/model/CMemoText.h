#pragma once

#include <cstddef>
#include <string>

#include "model/EditOutcome.h"

// A memo of several lines. The memo screen's field breaks lines with '\n'; the data files keep
// the line breaks the handheld writes, "\r\n", so a memo reads the same on both. Texts are
// Windows-1252.
class CMemoText {
  public:
    // The field's text as stored: every '\n' becomes "\r\n" (a "\r\n" already there stays).
    static std::string ToStored(const std::string& field);
    // The stored memo as the field shows it: "\r\n" and a lone '\r' become '\n'.
    static std::string ToField(const std::string& stored);
    // Refused with IDS_MEMO_TOO_LONG when the stored form would not fit `capacity` characters,
    // so that nothing typed is cut away unseen.
    static EditOutcome Check(const std::string& field, std::size_t capacity);
};
