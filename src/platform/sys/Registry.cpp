#include "platform/sys/Registry.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

#include "platform/sys/KnownFolders.h"
#include "platform/sys/RegistryFile.h"
#include "platform/sys/RegistryTree.h"

namespace sys {
namespace {

constexpr wchar_t kSeparator = L'\\';
constexpr std::wstring_view kCurrentUserName = L"HKEY_CURRENT_USER";
constexpr const char* kRegistryFileName = "registry.reg";
constexpr std::size_t kMaxKeyNameLength = 255;
constexpr wchar_t kFirstPrintable = L' ';
constexpr HKEY kFirstHandle = 1;
constexpr HKEY kLastHandle = 0x7FFFFFFF;  // below the predefined roots

// The keys opened by this process: handle -> full path.
class OpenKeys {
  public:
    HKEY Add(std::wstring path) {
        std::lock_guard<std::mutex> guard(m_mutex);
        do {
            m_next = (m_next >= kLastHandle) ? kFirstHandle : m_next + 1;
        } while (m_paths.count(m_next) != 0);
        m_paths.emplace(m_next, std::move(path));
        return m_next;
    }
    bool Find(HKEY key, std::wstring& path) const {
        std::lock_guard<std::mutex> guard(m_mutex);
        const auto it = m_paths.find(key);
        if (it == m_paths.end()) return false;
        path = it->second;
        return true;
    }
    bool Remove(HKEY key) {
        std::lock_guard<std::mutex> guard(m_mutex);
        return m_paths.erase(key) != 0;
    }

  private:
    mutable std::mutex m_mutex;
    std::unordered_map<HKEY, std::wstring> m_paths;
    HKEY m_next = kFirstHandle - 1;
};

OpenKeys& TheOpenKeys() {
    static OpenKeys keys;
    return keys;
}

// The full path of an open key or a root; false for an unknown handle.
bool PathOf(HKEY key, std::wstring& path) {
    if (key == HKEY_CURRENT_USER) {
        path = kCurrentUserName;
        return true;
    }
    return TheOpenKeys().Find(key, path);
}

bool IsRoot(HKEY key) {
    return key == HKEY_CURRENT_USER;
}

// Each name between separators: 1 to 255 characters, none a control character.
bool IsValidSubKey(std::wstring_view subKey) {
    std::size_t length = 0;
    for (std::size_t i = 0; i <= subKey.size(); ++i) {
        if (i == subKey.size() || subKey[i] == kSeparator) {
            if (length == 0 || length > kMaxKeyNameLength) return false;
            length = 0;
        } else if (subKey[i] < kFirstPrintable) {
            return false;
        } else {
            ++length;
        }
    }
    return true;
}

// The full path of `subKey` below `key`: ERROR_SUCCESS, ERROR_INVALID_HANDLE or
// ERROR_INVALID_PARAMETER.
long ResolvePath(HKEY key, std::wstring_view subKey, std::wstring& path) {
    if (!PathOf(key, path)) return ERROR_INVALID_HANDLE;
    if (subKey.empty()) return ERROR_SUCCESS;
    if (!IsValidSubKey(subKey)) return ERROR_INVALID_PARAMETER;
    path += kSeparator;
    path += subKey;
    return ERROR_SUCCESS;
}

bool HasLineBreak(std::wstring_view name) {
    return name.find_first_of(L"\r\n") != std::wstring_view::npos;
}

RegistryFile TheFile() {
    return RegistryFile(RegistryFilePath());
}

}  // namespace

std::string RegistryFilePath() {
    return ConfigFolder() + kRegistryFileName;
}

long RegCreateKeyEx(HKEY key, std::wstring_view subKey, HKEY* result, std::uint32_t* disposition) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    std::wstring path;
    if (const long rc = ResolvePath(key, subKey, path); rc != ERROR_SUCCESS) return rc;
    bool created = false;
    const bool isRoot = subKey.empty() && IsRoot(key);
    const long rc =
        isRoot ? ERROR_SUCCESS : TheFile().Update([&](RegistryTree& tree, bool& changed) {
            created = changed = tree.CreateKey(path);
            return ERROR_SUCCESS;
        });
    if (rc != ERROR_SUCCESS) return rc;
    *result = TheOpenKeys().Add(std::move(path));
    if (disposition != nullptr) {
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    return ERROR_SUCCESS;
}

long RegOpenKeyEx(HKEY key, std::wstring_view subKey, HKEY* result) {
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    std::wstring path;
    if (const long rc = ResolvePath(key, subKey, path); rc != ERROR_SUCCESS) return rc;
    if (!(subKey.empty() && IsRoot(key))) {
        RegistryTree tree;
        if (const long rc = TheFile().Read(tree); rc != ERROR_SUCCESS) return rc;
        if (!tree.KeyExists(path)) return ERROR_FILE_NOT_FOUND;
    }
    *result = TheOpenKeys().Add(std::move(path));
    return ERROR_SUCCESS;
}

long RegQueryValueEx(HKEY key, std::wstring_view name, std::uint32_t* type, std::uint8_t* data,
                     std::uint32_t* size) {
    if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;
    std::wstring path;
    if (!PathOf(key, path)) return ERROR_INVALID_HANDLE;
    RegistryTree tree;
    if (const long rc = TheFile().Read(tree); rc != ERROR_SUCCESS) return rc;
    if (!IsRoot(key) && !tree.KeyExists(path)) return ERROR_KEY_DELETED;
    const RegistryValue* value = tree.FindValue(path, name);
    if (value == nullptr) return ERROR_FILE_NOT_FOUND;

    const auto needed = static_cast<std::uint32_t>(value->data.size());
    if (type != nullptr) *type = value->type;
    if (data != nullptr && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (data != nullptr && needed > 0) std::memcpy(data, value->data.data(), needed);
    if (size != nullptr) *size = needed;
    return ERROR_SUCCESS;
}

long RegSetValueEx(HKEY key, std::wstring_view name, std::uint32_t type, const std::uint8_t* data,
                   std::uint32_t size) {
    if ((data == nullptr && size > 0) || HasLineBreak(name)) return ERROR_INVALID_PARAMETER;
    if (type == REG_SZ && size % sizeof(wchar_t) != 0) return ERROR_INVALID_PARAMETER;
    std::wstring path;
    if (!PathOf(key, path)) return ERROR_INVALID_HANDLE;

    RegistryValue value{std::wstring(name), type, {}};
    if (size > 0) value.data.assign(data, data + size);
    if (type == REG_SZ) {
        value.data = RegistryTree::StringData(RegistryTree::StringFromData(value.data));
    }
    return TheFile().Update([&](RegistryTree& tree, bool& changed) {
        if (!IsRoot(key) && !tree.KeyExists(path)) return ERROR_KEY_DELETED;
        changed = tree.SetValue(path, std::move(value));
        return ERROR_SUCCESS;
    });
}

long RegCloseKey(HKEY key) {
    if (IsRoot(key)) return ERROR_SUCCESS;
    return TheOpenKeys().Remove(key) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

}  // namespace sys
