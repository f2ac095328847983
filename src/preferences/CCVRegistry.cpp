#include "preferences/CCVRegistry.h"

#include <algorithm>
#include <vector>

namespace {

// A string value holds at least one character besides its terminator.
constexpr std::uint32_t kMinStringSize = 2 * sizeof(wchar_t);

}  // namespace

CCVRegistry::CCVRegistry(sys::HKEY root, std::wstring path)
    : m_root(root), m_path(std::move(path)) {}

CCVRegistry::~CCVRegistry() {
    Close();
}

bool CCVRegistry::Create() {
    Close();
    return sys::RegCreateKeyEx(m_root, m_path, &m_key) == sys::ERROR_SUCCESS;
}

bool CCVRegistry::Open() {
    Close();
    return sys::RegOpenKeyEx(m_root, m_path, &m_key) == sys::ERROR_SUCCESS;
}

void CCVRegistry::Close() {
    if (m_key == kNoKey) return;
    sys::RegCloseKey(m_key);
    m_key = kNoKey;
}

bool CCVRegistry::SetValue(std::wstring_view name, const void* data, std::uint32_t size,
                           std::uint32_t type) {
    return IsOpen() && sys::RegSetValueEx(m_key, name, type, static_cast<const std::uint8_t*>(data),
                                          size) == sys::ERROR_SUCCESS;
}

bool CCVRegistry::SetString(std::wstring_view name, std::wstring_view text) {
    const std::wstring terminated(text);
    const auto size = static_cast<std::uint32_t>((terminated.size() + 1) * sizeof(wchar_t));
    return SetValue(name, terminated.c_str(), size, sys::REG_SZ);
}

bool CCVRegistry::SetBinary(std::wstring_view name, const void* data, std::uint32_t size) {
    return SetValue(name, data, size, sys::REG_BINARY);
}

bool CCVRegistry::SetDword(std::wstring_view name, std::uint32_t value) {
    return SetValue(name, &value, sizeof value, sys::REG_DWORD);
}

bool CCVRegistry::QueryValue(std::wstring_view name, void* buffer, std::uint32_t& size,
                             std::uint32_t& type) {
    return IsOpen() && sys::RegQueryValueEx(m_key, name, &type, static_cast<std::uint8_t*>(buffer),
                                            &size) == sys::ERROR_SUCCESS;
}

std::uint32_t CCVRegistry::ValueSize(std::wstring_view name) {
    std::uint32_t size = 0;
    if (!IsOpen() ||
        sys::RegQueryValueEx(m_key, name, nullptr, nullptr, &size) != sys::ERROR_SUCCESS) {
        return 0;
    }
    return size;
}

std::optional<std::wstring> CCVRegistry::QueryString(std::wstring_view name) {
    // The value may change between the two reads; a grown value is asked for again.
    for (;;) {
        std::uint32_t size = ValueSize(name);
        if (size < kMinStringSize) return std::nullopt;
        std::vector<wchar_t> text(size / sizeof(wchar_t) + 1, L'\0');
        std::uint32_t type = sys::REG_NONE;
        const long rc =
            IsOpen() ? sys::RegQueryValueEx(m_key, name, &type,
                                            reinterpret_cast<std::uint8_t*>(text.data()), &size)
                     : sys::ERROR_INVALID_HANDLE;
        if (rc == sys::ERROR_MORE_DATA) continue;
        if (rc != sys::ERROR_SUCCESS || type != sys::REG_SZ || text[0] == L'\0')
            return std::nullopt;
        return std::wstring(text.data());
    }
}

std::wstring CCVRegistry::ReadString(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                                     std::wstring_view defaultText) {
    CCVRegistry key(root, std::wstring(path));
    std::optional<std::wstring> text;
    if (key.Open()) text = key.QueryString(name);
    return text ? *text : std::wstring(defaultText);
}

bool CCVRegistry::WriteString(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                              std::wstring_view text) {
    CCVRegistry key(root, std::wstring(path));
    return key.Open() && key.SetString(name, text);
}

std::uint32_t CCVRegistry::ReadDword(sys::HKEY root, std::wstring_view path,
                                     std::wstring_view name) {
    CCVRegistry key(root, std::wstring(path));
    std::uint32_t value = 0;
    std::uint32_t size = sizeof value;
    std::uint32_t type = sys::REG_NONE;
    if (!key.Open() || !key.QueryValue(name, &value, size, type) || type != sys::REG_DWORD ||
        size != sizeof value) {
        return 0;
    }
    return value;
}

bool CCVRegistry::WriteDword(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                             std::uint32_t value) {
    CCVRegistry key(root, std::wstring(path));
    return key.Open() && key.SetDword(name, value);
}

bool CCVRegistry::ReadBinary(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                             void* buffer, std::uint32_t expectedSize) {
    CCVRegistry key(root, std::wstring(path));
    if (!key.Open()) return false;
    // Read into a buffer of its own, so a value of another size or type leaves the caller's
    // buffer as it was.
    std::vector<std::uint8_t> data(expectedSize);
    std::uint32_t size = expectedSize;
    std::uint32_t type = sys::REG_NONE;
    if (!key.QueryValue(name, data.data(), size, type) || type != sys::REG_BINARY ||
        size != expectedSize) {
        return false;
    }
    std::copy(data.begin(), data.end(), static_cast<std::uint8_t*>(buffer));
    return true;
}

bool CCVRegistry::WriteBinary(sys::HKEY root, std::wstring_view path, std::wstring_view name,
                              const void* data, std::uint32_t size) {
    CCVRegistry key(root, std::wstring(path));
    return key.Open() && key.SetBinary(name, data, size);
}
