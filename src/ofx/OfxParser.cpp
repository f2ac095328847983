#include "ofx/OfxParser.h"

#include <algorithm>
#include <cctype>
#include <iterator>

#include "ofx/OfxAggregates.h"
#include "ofx/OfxValues.h"
#include "platform/sys/AnsiText.h"
#include "platform/sys/CodePage.h"

namespace ofx {

namespace {

constexpr std::string_view kWhiteSpace = " \t\r\n";
constexpr std::string_view kCommentStart = "<!--";
constexpr std::string_view kCommentEnd = "-->";
constexpr std::string_view kCDataStart = "<![CDATA[";
constexpr std::string_view kCDataEnd = "]]>";
constexpr std::string_view kRootName = "OFX";
constexpr unsigned char kNoBreakSpace = 0xA0;

bool IsSpace(char c) {
    return kWhiteSpace.find(c) != std::string_view::npos;
}

bool StartsWithNoCase(std::string_view text, std::size_t at, std::string_view prefix) {
    if (text.size() - at < prefix.size()) return false;
    return Upper(text.substr(at, prefix.size())) == Upper(prefix);
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '.' || c == '_' || c == '-' ||
           c == ':';
}

// Position of the "<OFX" that opens the document, or npos.
std::size_t FindRoot(std::string_view bytes) {
    for (std::size_t at = bytes.find('<'); at != std::string_view::npos;
         at = bytes.find('<', at + 1)) {
        if (!StartsWithNoCase(bytes, at, "<OFX")) continue;
        const std::size_t after = at + 1 + kRootName.size();
        if (after < bytes.size() && (bytes[after] == '>' || IsSpace(bytes[after]))) return at;
    }
    return std::string_view::npos;
}

bool IsWellFormedUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        std::size_t extra = 0;
        std::uint32_t minimum = 0;
        std::uint32_t value = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1, minimum = 0x80, value = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2, minimum = 0x800, value = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3, minimum = 0x10000, value = c & 0x07;
        } else {
            return false;
        }
        if (text.size() - i <= extra) return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            value = (value << 6) | (next & 0x3F);
        }
        if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
            return false;
        }
        i += extra + 1;
    }
    return true;
}

// The value of a pseudo-attribute of an XML declaration (encoding="UTF-8"), or empty.
std::string AttributeValue(std::string_view header, std::string_view name) {
    const std::string upper = Upper(header);
    const std::size_t at = upper.find(Upper(name) + "=");
    if (at == std::string::npos) return {};
    const std::size_t quote = at + name.size() + 1;
    if (quote >= header.size() || (header[quote] != '"' && header[quote] != '\'')) return {};
    const std::size_t end = header.find(header[quote], quote + 1);
    if (end == std::string_view::npos) return {};
    return Upper(header.substr(quote + 1, end - quote - 1));
}

// The value of a line "KEY:VALUE" of an SGML header, or empty.
std::string HeaderValue(std::string_view header, std::string_view key) {
    std::size_t start = 0;
    while (start < header.size()) {
        std::size_t end = header.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = header.size();
        const std::string_view line = Trim(header.substr(start, end - start));
        const std::size_t colon = line.find(':');
        if (colon != std::string_view::npos && Upper(Trim(line.substr(0, colon))) == key) {
            return Upper(Trim(line.substr(colon + 1)));
        }
        start = end + 1;
    }
    return {};
}

// The value of a numeric entity's digits, or 0 (no character) when it is out of range.
unsigned long CodePoint(const std::string& digits, bool hex) {
    constexpr unsigned long kLastCodePoint = 0x10FFFF;
    unsigned long value = 0;
    for (const char c : digits) {
        const unsigned long digit =
            std::isdigit(static_cast<unsigned char>(c)) != 0
                ? static_cast<unsigned long>(c - '0')
                : static_cast<unsigned long>(std::toupper(static_cast<unsigned char>(c)) - 'A' +
                                             10);
        value = value * (hex ? 16 : 10) + digit;
        if (value > kLastCodePoint) return 0;
    }
    return value;
}

bool DeclaresUtf8(std::string_view header, bool xml) {
    if (xml) {
        const std::string encoding = AttributeValue(header, "encoding");
        return encoding.empty() || encoding == "UTF-8" || encoding == "UTF8";
    }
    return HeaderValue(header, "ENCODING") == "UTF-8" || HeaderValue(header, "CHARSET") == "UTF-8";
}

// Appends the character of a numeric entity as Windows-1252 (the closest character when the code
// page lacks it).
void AppendCodePoint(std::string& out, unsigned long codePoint, bool& altered) {
    if (codePoint == 0 || codePoint > 0x10FFFF) {
        altered = true;
        return;
    }
    out += sys::WideToAnsiClosest(std::wstring(1, static_cast<wchar_t>(codePoint)), altered);
}

// Decodes the entities of a text; an unknown or unterminated one stays as written.
std::string DecodeEntities(std::string_view text, bool& altered) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const std::string name = Upper(text.substr(i + 1, semicolon - i - 1));
        if (name == "AMP") {
            out += '&';
        } else if (name == "LT") {
            out += '<';
        } else if (name == "GT") {
            out += '>';
        } else if (name == "QUOT") {
            out += '"';
        } else if (name == "APOS") {
            out += '\'';
        } else if (name == "NBSP") {
            out += static_cast<char>(kNoBreakSpace);
        } else if (name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'X';
            const std::string digits = name.substr(hex ? 2 : 1);
            const bool valid =
                !digits.empty() && std::all_of(digits.begin(), digits.end(), [hex](char c) {
                    return hex ? std::isxdigit(static_cast<unsigned char>(c)) != 0
                               : std::isdigit(static_cast<unsigned char>(c)) != 0;
                });
            if (!valid) {
                out += text[i];
                continue;
            }
            AppendCodePoint(out, CodePoint(digits, hex), altered);
        } else {
            out += text[i];
            continue;
        }
        i = semicolon;
    }
    return out;
}

}  // namespace

OfxStatus OfxParser::Parse(std::string_view bytes, OfxDocument& document) {
    document = OfxDocument{};
    const std::size_t start = FindRoot(bytes);
    if (start == std::string_view::npos) return Failure(kErrorUnreadable, res::IDS_OFX_NOT_OFX);
    const std::string_view header = bytes.substr(0, start);
    const std::string_view body = bytes.substr(start);
    const std::string upperHeader = Upper(header);
    document.xml = upperHeader.find("<?XML") != std::string::npos ||
                   upperHeader.find("<?OFX") != std::string::npos;
    document.utf8 = DeclaresUtf8(header, document.xml) && IsWellFormedUtf8(body);
    OfxParser parser(body, document.utf8, document.root);
    OfxStatus status = parser.Run();
    if (!status.Ok()) document.root = OfxElement{};
    return status;
}

OfxStatus OfxParser::Run() {
    std::size_t at = 0;
    while (at < m_body.size() && !m_rootClosed) {
        if (m_body[at] != '<') {
            const std::size_t next = std::min(m_body.find('<', at), m_body.size());
            AddText(m_body.substr(at, next - at), true);
            at = next;
            continue;
        }
        const std::string_view rest = m_body.substr(at);
        std::size_t end = std::string_view::npos;
        if (rest.starts_with(kCommentStart)) {
            end = m_body.find(kCommentEnd, at + kCommentStart.size());
            if (end == std::string_view::npos) break;
            at = end + kCommentEnd.size();
            continue;
        }
        if (StartsWithNoCase(m_body, at, kCDataStart)) {
            const std::size_t from = at + kCDataStart.size();
            end = m_body.find(kCDataEnd, from);
            if (end == std::string_view::npos) break;
            AddText(m_body.substr(from, end - from), false);
            at = end + kCDataEnd.size();
            continue;
        }
        const char kind = rest.size() > 1 ? rest[1] : '\0';
        const bool closing = kind == '/';
        const bool markup = kind == '!' || kind == '?' || closing ||
                            std::isalpha(static_cast<unsigned char>(kind)) != 0;
        if (!markup) {
            // A lone '<' that starts no tag is text.
            AddText(rest.substr(0, 1), true);
            ++at;
            continue;
        }
        end = m_body.find('>', at);
        if (end == std::string_view::npos) break;
        const std::string_view inner = m_body.substr(at + 1, end - at - 1);
        at = end + 1;
        if (kind == '!' || kind == '?') continue;
        const std::string_view tag = Trim(closing ? inner.substr(1) : inner);
        std::size_t nameLength = 0;
        while (nameLength < tag.size() && IsNameChar(tag[nameLength])) ++nameLength;
        std::string name = Upper(tag.substr(0, nameLength));
        if (name.empty()) continue;
        if (closing) {
            Close(name);
            continue;
        }
        if (OfxStatus status = Open(name); !status.Ok()) return status;
        if (tag.ends_with('/')) Close(name);
    }
    if (!m_rootClosed) return Failure(kErrorUnreadable, res::IDS_OFX_INCOMPLETE);
    return {};
}

OfxStatus OfxParser::Open(std::string name) {
    if (m_open.empty()) {
        m_root.name = std::move(name);
        m_open.push_back(&m_root);
        return {};
    }
    OfxElement* top = m_open.back();
    // A tag after the text of an element without children ends that element: it was a leaf whose
    // closing tag SGML leaves out.
    if (m_open.size() > 1 && top->children.empty() && !Trim(top->text).empty()) {
        top->text = std::string(Trim(top->text));
        m_open.pop_back();
        top = m_open.back();
    }
    EndAggregatesNotHolding(name);
    top = m_open.back();
    if (m_open.size() >= kMaxDepth) return Failure(kErrorUnreadable, res::IDS_OFX_TOO_DEEP);
    top->children.push_back(OfxElement{std::move(name), {}, {}});
    m_open.push_back(&top->children.back());
    return {};
}

void OfxParser::Close(const std::string& name) {
    auto it = std::find_if(m_open.rbegin(), m_open.rend(),
                           [&name](const OfxElement* e) { return e->name == name; });
    if (it == m_open.rend()) return;  // a closing tag of nothing open is ignored
    const auto depth = static_cast<std::size_t>(std::distance(it, m_open.rend()));
    while (m_open.size() > depth) PopImplicit();
    OfxElement* element = m_open.back();
    element->text = std::string(Trim(element->text));
    m_open.pop_back();
    if (m_open.empty()) m_rootClosed = true;
}

void OfxParser::EndAggregatesNotHolding(const std::string& name) {
    // The innermost open aggregate whose content is known decides (unknown elements above it,
    // empty leaves or a vendor's own elements, end with it). It ends only when it cannot hold the
    // element and a known aggregate around it can: an element that belongs nowhere known (a
    // bank's own VALUEDATE in a STMTTRN) ends nothing.
    for (;;) {
        std::size_t known = m_open.size();
        while (known > 0 && !IsKnownAggregate(m_open[known - 1]->name)) --known;
        if (known <= 1 || MayHold(m_open[known - 1]->name, name)) return;
        const auto holds = [&name](const OfxElement* e) {
            return IsKnownAggregate(e->name) && MayHold(e->name, name);
        };
        if (std::none_of(m_open.begin(), m_open.begin() + static_cast<std::ptrdiff_t>(known - 1),
                         holds)) {
            return;
        }
        const std::string ended = m_open[known - 1]->name;
        Close(ended);
    }
}

void OfxParser::PopImplicit() {
    OfxElement* element = m_open.back();
    element->text = std::string(Trim(element->text));
    m_open.pop_back();
    // An aggregate whose closing tag was left out keeps what it holds.
    if (element->children.empty() || IsKnownAggregate(element->name)) return;
    // An element never closed was a leaf (an empty one, or it would have been ended by the next
    // tag): the elements read as its children are its following siblings.
    std::vector<OfxElement> followers = std::move(element->children);
    element->children.clear();
    std::vector<OfxElement>& siblings = m_open.back()->children;
    siblings.insert(siblings.end(), std::make_move_iterator(followers.begin()),
                    std::make_move_iterator(followers.end()));
}

void OfxParser::AddText(std::string_view raw, bool decodeEntities) {
    if (m_open.empty()) return;
    OfxElement* top = m_open.back();
    // Stray text between the children of an aggregate carries nothing.
    if (!top->children.empty()) return;
    const std::string converted =
        m_utf8 ? sys::WideToAnsiClosest(sys::Utf8ToWide(raw), top->altered) : std::string(raw);
    top->text += decodeEntities ? DecodeEntities(converted, top->altered) : converted;
}

}  // namespace ofx
