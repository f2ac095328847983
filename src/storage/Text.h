#pragma once

#include <cstddef>
#include <string>

// Narrow-text helpers of the data model. Stored texts are Windows-1252; case folding is ASCII
// only, as on the handheld, so "É" and "é" differ.

// Copies at most size - 1 characters and always stores a terminator; a null source gives the
// empty text. Does nothing when size is 0.
void CopyBounded(char* destination, const char* source, std::size_t size);

// True when `part` occurs in `text`, ignoring ASCII case; false when either is null.
bool ContainsNoCase(const char* text, const char* part);

// Compares with ASCII case folding, bytes as unsigned values: <0, 0 or >0. Null is the empty text.
int CompareNoCase(const char* a, const char* b);

// Replaces the owned text of a slot by a copy of `text`; null stores the empty text.
void SetOwnedText(std::string& slot, const char* text);

// True when a file or folder exists at the native path.
bool FileExists(const std::string& path);
