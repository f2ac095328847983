#include "platform/sys/RegistryText.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/sys/CodePage.h"
#include "platform/sys/Registry.h"

namespace sys {
namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kOldHeader = "REGEDIT4";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kDwordPrefix = "dword:";
constexpr std::string_view kHexPrefix = "hex";
constexpr char kComment = ';';
constexpr char kDefaultValueName = '@';
constexpr std::size_t kMaxHexDigits = 8;
constexpr wchar_t kFirstPrintable = L' ';
constexpr char32_t kSurrogateFirst = 0xD800;
constexpr char32_t kLowSurrogateFirst = 0xDC00;
constexpr char32_t kSurrogateLast = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;
constexpr char32_t kReplacement = 0xFFFD;

std::string_view Trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// 1 to 8 hex digits and nothing else.
bool ParseHexNumber(std::string_view text, std::uint32_t& value) {
    if (text.empty() || text.size() > kMaxHexDigits) return false;
    value = 0;
    for (char c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return false;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return true;
}

// Comma-separated bytes of one or two hex digits; blanks around them and a final comma allowed.
bool ParseHexBytes(std::string_view text, std::vector<std::uint8_t>& bytes) {
    bytes.clear();
    text = Trim(text);
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = Trim(text.substr(0, comma));
        std::uint32_t value = 0;
        if (item.size() > 2 || !ParseHexNumber(item, value)) return false;
        bytes.push_back(static_cast<std::uint8_t>(value));
        if (comma == std::string_view::npos) break;
        text = Trim(text.substr(comma + 1));
    }
    return true;
}

// Reads a quoted text starting at text[at] == '"' and moves `at` past the closing quote. A
// backslash takes the next character as it is.
bool ParseQuoted(std::string_view text, std::size_t& at, std::string& out) {
    out.clear();
    if (at >= text.size() || text[at] != '"') return false;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            out.push_back(text[++i]);
        } else if (text[i] == '"') {
            at = i + 1;
            return true;
        } else {
            out.push_back(text[i]);
        }
    }
    return false;
}

// UTF-8 to wide text; false when the bytes were not well-formed (they are then replaced).
bool DecodeText(std::string_view utf8, std::wstring& out) {
    out = Utf8ToWide(utf8);
    return WideToUtf8(out) == utf8;
}

std::string Quote(std::wstring_view text) {
    std::string quoted = "\"";
    for (char c : WideToUtf8(text)) {
        if (c == '\\' || c == '"') quoted.push_back('\\');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

std::vector<std::uint8_t> ToUtf16Le(std::wstring_view text) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&](char32_t unit) {
        bytes.push_back(static_cast<std::uint8_t>(unit));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    for (wchar_t w : text) {
        char32_t c = static_cast<char32_t>(w);
        if (c > 0x10FFFF || (c >= kSurrogateFirst && c <= kSurrogateLast)) c = kReplacement;
        if (c >= kFirstSupplementary) {
            c -= kFirstSupplementary;
            put(kSurrogateFirst + (c >> 10));
            put(kLowSurrogateFirst + (c & 0x3FF));
        } else {
            put(c);
        }
    }
    return bytes;
}

// False for an odd number of bytes; unpaired surrogates become U+FFFD.
bool FromUtf16Le(const std::vector<std::uint8_t>& bytes, std::wstring& text) {
    text.clear();
    if (bytes.size() % 2 != 0) return false;
    const std::size_t units = bytes.size() / 2;
    const auto unit = [&](std::size_t i) -> char32_t {
        return bytes[2 * i] | (bytes[2 * i + 1] << 8);
    };
    for (std::size_t i = 0; i < units; ++i) {
        char32_t c = unit(i);
        if (c >= kSurrogateFirst && c < kLowSurrogateFirst && i + 1 < units &&
            unit(i + 1) >= kLowSurrogateFirst && unit(i + 1) <= kSurrogateLast) {
            c = kFirstSupplementary + ((c - kSurrogateFirst) << 10) +
                (unit(++i) - kLowSurrogateFirst);
        } else if (c >= kSurrogateFirst && c <= kSurrogateLast) {
            c = kReplacement;
        }
        text.push_back(static_cast<wchar_t>(c));
    }
    return true;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string text;
    char item[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(item, sizeof item, i == 0 ? "%02x" : ",%02x", bytes[i]);
        text += item;
    }
    return text;
}

// How much of a line could be read.
enum class LineResult {
    Read,
    ReadWithLoss,  // kept, but with text that was not well-formed UTF-8 replaced
    Unreadable,
};

LineResult Worse(LineResult a, LineResult b) {
    return a > b ? a : b;
}

// Text up to its first terminator.
std::wstring_view UpToTerminator(std::wstring_view text) {
    return text.substr(0, text.find(L'\0'));
}

// The data of a value line (after "="). `lines` and `index` let a hex list continue on the
// following lines.
LineResult ParseData(std::string_view data, const std::vector<std::string_view>& lines,
                     std::size_t& index, RegistryValue& value) {
    if (data.starts_with('"')) {
        std::size_t at = 0;
        std::string text;
        std::wstring wide;
        if (!ParseQuoted(data, at, text) || !Trim(data.substr(at)).empty()) {
            return LineResult::Unreadable;
        }
        const bool wellFormed = DecodeText(text, wide);
        value.type = REG_SZ;
        value.data = RegistryTree::StringData(UpToTerminator(wide));
        return wellFormed ? LineResult::Read : LineResult::ReadWithLoss;
    }
    if (data.starts_with(kDwordPrefix)) {
        std::uint32_t number = 0;
        if (!ParseHexNumber(Trim(data.substr(kDwordPrefix.size())), number)) {
            return LineResult::Unreadable;
        }
        value.type = REG_DWORD;
        value.data.resize(sizeof number);
        std::memcpy(value.data.data(), &number, sizeof number);
        return LineResult::Read;
    }
    if (!data.starts_with(kHexPrefix)) return LineResult::Unreadable;
    data.remove_prefix(kHexPrefix.size());
    std::uint32_t type = REG_BINARY;
    if (data.starts_with('(')) {
        const std::size_t close = data.find(')');
        if (close == std::string_view::npos || !ParseHexNumber(data.substr(1, close - 1), type)) {
            return LineResult::Unreadable;
        }
        data.remove_prefix(close + 1);
    }
    if (!data.starts_with(':')) return LineResult::Unreadable;
    std::string list(Trim(data.substr(1)));
    while (list.ends_with('\\') && index + 1 < lines.size()) {
        list.pop_back();
        list += Trim(lines[++index]);
    }
    std::vector<std::uint8_t> bytes;
    if (!ParseHexBytes(list, bytes)) return LineResult::Unreadable;
    value.type = type;
    if (type != REG_SZ) {
        value.data = std::move(bytes);
        return LineResult::Read;
    }
    std::wstring text;
    if (!FromUtf16Le(bytes, text)) return LineResult::Unreadable;
    value.data = RegistryTree::StringData(UpToTerminator(text));
    return LineResult::Read;
}

// A whole value line: name "=" data.
LineResult ParseValueLine(std::string_view line, const std::vector<std::string_view>& lines,
                          std::size_t& index, RegistryValue& value) {
    std::size_t at = 0;
    LineResult result = LineResult::Read;
    if (line.front() == kDefaultValueName) {
        at = 1;
    } else {
        std::string name;
        if (!ParseQuoted(line, at, name)) return LineResult::Unreadable;
        if (!DecodeText(name, value.name)) result = LineResult::ReadWithLoss;
    }
    const std::string_view rest = Trim(line.substr(at));
    if (!rest.starts_with('=')) return LineResult::Unreadable;
    return Worse(result, ParseData(Trim(rest.substr(1)), lines, index, value));
}

bool HasControlCharacter(std::wstring_view text) {
    for (wchar_t c : text) {
        if (c < kFirstPrintable) return true;
    }
    return false;
}

std::string FormatData(const RegistryValue& value) {
    if (value.type == REG_SZ) {
        const std::wstring text = RegistryTree::StringFromData(value.data);
        if (!HasControlCharacter(text)) return Quote(text);
        std::vector<std::uint8_t> bytes = ToUtf16Le(text);
        bytes.insert(bytes.end(), 2, 0);  // the terminator, as the registry editor writes it
        return "hex(1):" + HexBytes(bytes);
    }
    if (value.type == REG_DWORD && value.data.size() == sizeof(std::uint32_t)) {
        std::uint32_t number = 0;
        std::memcpy(&number, value.data.data(), sizeof number);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", static_cast<unsigned>(number));
        return text;
    }
    if (value.type == REG_BINARY) return "hex:" + HexBytes(value.data);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", static_cast<unsigned>(value.type));
    return prefix + HexBytes(value.data);
}

}  // namespace

std::size_t ParseRegistryText(std::string_view text, RegistryTree& tree) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }

    std::size_t unreadable = 0;
    bool headerSeen = false;
    bool inSection = false;  // a readable section header came last
    std::wstring section;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty() || line.front() == kComment) continue;
        if (!headerSeen) {
            headerSeen = true;
            if (line == kHeader || line == kOldHeader) continue;
            ++unreadable;  // no header: read on, but the file is not as it was written
        }
        LineResult result = LineResult::Unreadable;
        if (line.front() == '[') {
            // A key; "[-...]" (a deletion in files made for import) is not one.
            inSection = line.back() == ']' && line.size() > 2 && line[1] != '-';
            if (inSection) {
                result = DecodeText(line.substr(1, line.size() - 2), section)
                             ? LineResult::Read
                             : LineResult::ReadWithLoss;
                tree.AddKey(section);
            }
        } else if (inSection) {
            RegistryValue value;
            result = ParseValueLine(line, lines, i, value);
            if (result != LineResult::Unreadable) tree.SetValue(section, std::move(value));
        }
        if (result != LineResult::Read) ++unreadable;
    }
    return unreadable;
}

std::string FormatRegistryText(const RegistryTree& tree) {
    std::string text(kHeader);
    text += "\n\n";
    for (const RegistryTree::Key* key : tree.Keys()) {
        text += '[' + WideToUtf8(key->path) + "]\n";
        for (const RegistryValue& value : key->values) {
            text += value.name.empty() ? std::string(1, kDefaultValueName) : Quote(value.name);
            text += '=' + FormatData(value) + '\n';
        }
        text += '\n';
    }
    return text;
}

}  // namespace sys
