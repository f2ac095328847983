#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/sys/Registry.h"

// A small wrapper around one open registry key: a root, a sub-key path below it and the open key
// (none until Create or Open succeeds). The key is closed when the wrapper goes.
//
// The static convenience functions each open a key, do one thing and close it again; none of them
// creates a key, so a write to a key that does not exist is dropped.
class CCVRegistry {
  public:
    CCVRegistry() = default;  // root 0, no key, empty path
    CCVRegistry(sys::HKEY root, std::wstring path);
    ~CCVRegistry();
    CCVRegistry(const CCVRegistry&) = delete;
    CCVRegistry& operator=(const CCVRegistry&) = delete;

    // Opens the key, creating it (and missing parents) when needed.
    bool Create();
    // Opens the key when it exists.
    bool Open();
    void Close();
    bool IsOpen() const { return m_key != kNoKey; }

    bool SetValue(std::wstring_view name, const void* data, std::uint32_t size, std::uint32_t type);
    bool SetString(std::wstring_view name, std::wstring_view text);
    bool SetBinary(std::wstring_view name, const void* data, std::uint32_t size);
    bool SetDword(std::wstring_view name, std::uint32_t value);

    // Reads the value into `buffer`; `size` is the buffer's size on the way in, the value's after.
    bool QueryValue(std::wstring_view name, void* buffer, std::uint32_t& size, std::uint32_t& type);
    // The value's size in bytes; 0 when it is missing.
    std::uint32_t ValueSize(std::wstring_view name);
    // The text of a string value; none when the value is missing, not a string, or empty.
    std::optional<std::wstring> QueryString(std::wstring_view name);

    // The stored string, or `defaultText` when the key or the value is missing or empty.
    static std::wstring ReadString(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                                   std::wstring_view defaultText);
    static bool WriteString(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                            std::wstring_view text);
    // The stored 32-bit value; 0 when the key or the value is missing or is not a 32-bit value.
    static std::uint32_t ReadDword(sys::HKEY root, std::wstring_view path, std::wstring_view name);
    static bool WriteDword(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                           std::uint32_t value);
    // True only when a binary value of exactly `expectedSize` bytes was read into `buffer`;
    // otherwise the buffer is left as it was.
    static bool ReadBinary(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                           void* buffer, std::uint32_t expectedSize);
    static bool WriteBinary(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                            const void* data, std::uint32_t size);

  private:
    static constexpr sys::HKEY kNoKey = 0;

    sys::HKEY m_root = 0;
    sys::HKEY m_key = kNoKey;
    std::wstring m_path;
};
