#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/sys/WinErrors.h"

// The registry: a tree of keys holding typed values, shared by every program of the user.
//
// It lives in one text file in the registry editor's export format (see RegistryText.h), by
// default ConfigFolder() + "registry.reg". Every call reads the file as it is now, so values that
// another program wrote are seen at once; every change takes an exclusive lock, applies itself to
// the file's current contents and replaces the file atomically, so programs writing at the same
// time do not lose each other's values. Key and value names compare without regard to ASCII case.
//
// The calls keep the meanings of their Windows namesakes: the same results (ERROR_SUCCESS, or a
// Windows error code), the same handles (a predefined root, or a handle from a create or open
// call that RegCloseKey releases; a stale handle is harmless and gives ERROR_INVALID_HANDLE) and
// the same data. String data is wide text: an array of wchar_t with a terminator, its size in
// bytes.
namespace sys {

using HKEY = std::uint32_t;

constexpr HKEY HKEY_CURRENT_USER = 0x80000001;

// Results, beside those of WinErrors.h.
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_INVALID_PARAMETER = 87;
constexpr long ERROR_MORE_DATA = 234;     // the buffer is smaller than the value
constexpr long ERROR_CANTREAD = 1012;     // the registry file exists but cannot be read
constexpr long ERROR_CANTWRITE = 1013;    // the registry file cannot be written
constexpr long ERROR_KEY_DELETED = 1018;  // the open key is no longer in the registry

// Value types.
constexpr std::uint32_t REG_NONE = 0;
constexpr std::uint32_t REG_SZ = 1;
constexpr std::uint32_t REG_EXPAND_SZ = 2;
constexpr std::uint32_t REG_BINARY = 3;
constexpr std::uint32_t REG_DWORD = 4;
constexpr std::uint32_t REG_MULTI_SZ = 7;
constexpr std::uint32_t REG_QWORD = 11;

// What RegCreateKeyEx did.
constexpr std::uint32_t REG_CREATED_NEW_KEY = 1;
constexpr std::uint32_t REG_OPENED_EXISTING_KEY = 2;

// Opens the sub-key of `key`, creating it and any missing parents. Sub-key names are separated
// by backslashes; each is 1 to 255 characters without control characters; the empty path opens
// `key` itself.
long RegCreateKeyEx(HKEY key, std::wstring_view subKey, HKEY* result,
                    std::uint32_t* disposition = nullptr);

// Opens an existing sub-key of `key`: ERROR_FILE_NOT_FOUND when there is none.
long RegOpenKeyEx(HKEY key, std::wstring_view subKey, HKEY* result);

// Reads a value ("" names the key's default value). `type` may be null. With null `data` only
// the size is reported. When *size is smaller than the value the result is ERROR_MORE_DATA,
// *size the size needed and the buffer untouched.
long RegQueryValueEx(HKEY key, std::wstring_view name, std::uint32_t* type, std::uint8_t* data,
                     std::uint32_t* size);

// Stores a value, replacing one of the same name. REG_SZ data must be whole wchar_t characters;
// it is kept up to its first terminator.
long RegSetValueEx(HKEY key, std::wstring_view name, std::uint32_t type, const std::uint8_t* data,
                   std::uint32_t size);

long RegCloseKey(HKEY key);

// The registry file now in use.
std::string RegistryFilePath();

}  // namespace sys
