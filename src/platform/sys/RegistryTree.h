#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

// The registry's keys and values in memory, as one read of the registry file found them.
//
// Keys are named by their full path from the root ("HKEY_CURRENT_USER\Software\..."); paths and
// value names compare without regard to ASCII case and keep the spelling they were first given.
// A key exists when it is listed or when a listed key lies below it.
namespace sys {

struct RegistryValue {
    std::wstring name;  // "" is the key's default value
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;  // as the registry hands it out (strings as wchar_t)

    bool operator==(const RegistryValue&) const = default;
};

class RegistryTree {
  public:
    struct Key {
        std::wstring path;
        std::vector<RegistryValue> values;  // in the order they were first stored
    };

    bool KeyExists(std::wstring_view path) const;

    // Lists the key (without its parents). Returns false when it was listed already.
    bool AddKey(std::wstring_view path);

    // Lists the key and every missing parent below the root. Returns false when the key existed.
    bool CreateKey(std::wstring_view path);

    // Null when the key or the value is missing.
    const RegistryValue* FindValue(std::wstring_view path, std::wstring_view name) const;

    // Stores the value in a listed key (added when missing). Returns false when an equal value
    // was stored already (names compared without regard to case).
    bool SetValue(std::wstring_view path, RegistryValue value);

    // Every listed key, parents before their children, siblings in case-blind name order.
    std::vector<const Key*> Keys() const;

    // String data as the registry hands it out: the characters and a terminator.
    static std::vector<std::uint8_t> StringData(std::wstring_view text);
    // The text of string data, up to its first terminator.
    static std::wstring StringFromData(const std::vector<std::uint8_t>& data);

    // ASCII case folding, as used for every comparison of names.
    static std::wstring Fold(std::wstring_view name);

  private:
    static std::wstring SortKey(std::wstring_view path);

    std::map<std::wstring, Key> m_keys;  // by SortKey
};

}  // namespace sys
