#pragma once

#include <cstddef>
#include <string>

#include "storage/FixedText.h"

class RecordArchive;

// Texts stored with a length byte in front: one byte n, then n bytes without a terminator.
//
// Saving writes the text as far as its first zero, at most `capacity` bytes. Loading reads the
// length byte and all n bytes that follow it, and keeps the first `capacity` of them up to the
// first zero byte: a length above the field's capacity cuts the text and the rest of the record
// is still read from the right place. 0, or 1 when fewer bytes remain than the length asks for.

constexpr std::size_t kMaxCountedLength = 255;

// Sets `text` to at most `capacity` characters of `value`, up to its first zero; null clears it.
void SetBoundedText(std::string& text, const char* value, std::size_t capacity);

// `field` holds capacity + 1 bytes (capacity at most kMaxCountedLength).
int TransferCountedText(RecordArchive& ar, char* field, std::size_t capacity);

int TransferCountedText(RecordArchive& ar, std::string& text, std::size_t capacity);

template <std::size_t N>
int TransferCountedText(RecordArchive& ar, FixedText<N>& field) {
    static_assert(N - 1 <= kMaxCountedLength);
    return TransferCountedText(ar, field.text, N - 1);
}
