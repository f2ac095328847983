#include "platform/sys/RegistryTree.h"

#include <cstring>

namespace sys {
namespace {

constexpr wchar_t kSeparator = L'\\';
// Replaces the separator in sort keys, so a key's children sort right after it and before any
// sibling whose name continues with other characters.
constexpr wchar_t kSortSeparator = L'\x01';

}  // namespace

std::wstring RegistryTree::Fold(std::wstring_view name) {
    std::wstring folded(name);
    for (wchar_t& c : folded) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return folded;
}

std::wstring RegistryTree::SortKey(std::wstring_view path) {
    std::wstring key = Fold(path);
    for (wchar_t& c : key) {
        if (c == kSeparator) c = kSortSeparator;
    }
    return key;
}

bool RegistryTree::KeyExists(std::wstring_view path) const {
    const std::wstring key = SortKey(path);
    const auto it = m_keys.lower_bound(key);
    if (it == m_keys.end()) return false;
    if (it->first == key) return true;
    // A listed key below it: its sort key starts with the path and a separator.
    return it->first.size() > key.size() && it->first.compare(0, key.size(), key) == 0 &&
           it->first[key.size()] == kSortSeparator;
}

bool RegistryTree::AddKey(std::wstring_view path) {
    return m_keys.try_emplace(SortKey(path), Key{std::wstring(path), {}}).second;
}

bool RegistryTree::CreateKey(std::wstring_view path) {
    const bool existed = KeyExists(path);
    // Every level below the root, from the top down.
    for (std::size_t at = path.find(kSeparator); at != std::wstring_view::npos;
         at = path.find(kSeparator, at + 1)) {
        const std::size_t next = path.find(kSeparator, at + 1);
        AddKey(path.substr(0, next));
    }
    return !existed;
}

const RegistryValue* RegistryTree::FindValue(std::wstring_view path, std::wstring_view name) const {
    const auto it = m_keys.find(SortKey(path));
    if (it == m_keys.end()) return nullptr;
    const std::wstring folded = Fold(name);
    for (const RegistryValue& value : it->second.values) {
        if (Fold(value.name) == folded) return &value;
    }
    return nullptr;
}

bool RegistryTree::SetValue(std::wstring_view path, RegistryValue value) {
    AddKey(path);
    Key& key = m_keys.find(SortKey(path))->second;
    const std::wstring folded = Fold(value.name);
    for (RegistryValue& stored : key.values) {
        if (Fold(stored.name) != folded) continue;
        if (stored.type == value.type && stored.data == value.data) return false;
        stored.type = value.type;
        stored.data = std::move(value.data);
        return true;
    }
    key.values.push_back(std::move(value));
    return true;
}

std::vector<const RegistryTree::Key*> RegistryTree::Keys() const {
    std::vector<const Key*> keys;
    keys.reserve(m_keys.size());
    for (const auto& entry : m_keys) keys.push_back(&entry.second);
    return keys;
}

std::vector<std::uint8_t> RegistryTree::StringData(std::wstring_view text) {
    std::vector<std::uint8_t> data((text.size() + 1) * sizeof(wchar_t), 0);
    if (!text.empty()) std::memcpy(data.data(), text.data(), text.size() * sizeof(wchar_t));
    return data;
}

std::wstring RegistryTree::StringFromData(const std::vector<std::uint8_t>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    if (!text.empty()) std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    const std::size_t end = text.find(L'\0');
    if (end != std::wstring::npos) text.resize(end);
    return text;
}

}  // namespace sys
