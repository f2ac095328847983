#include "ofx/FiDirectory.h"

#include <algorithm>
#include <charconv>

#include "platform/sys/CodePage.h"

namespace ofx {

namespace {

constexpr char kSeparator = '\t';
constexpr char kComment = '#';
constexpr std::size_t kInstitutionFields = 11;
constexpr std::size_t kRemovalFields = 3;
constexpr std::size_t kVersionFields = 2;

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find(kSeparator, start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

bool ReadNumber(std::string_view text, std::uint32_t& value) {
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc{} && next == end;
}

}  // namespace

bool FiDirectory::HasId(std::uint32_t id) const {
    return Find(id) != nullptr || std::any_of(m_removals.begin(), m_removals.end(),
                                              [id](const Removal& r) { return r.id == id; });
}

const FiDirectory::Institution* FiDirectory::Find(std::uint32_t id) const {
    const auto it = std::find_if(m_institutions.begin(), m_institutions.end(),
                                 [id](const Institution& i) { return i.id == id; });
    return it == m_institutions.end() ? nullptr : &*it;
}

bool FiDirectory::ParseLine(std::string_view line, bool& sawVersion) {
    const std::vector<std::string_view> f = Fields(line);
    if (f[0] == "VERSION") {
        if (sawVersion || f.size() != kVersionFields || !ReadNumber(f[1], m_version)) return false;
        sawVersion = true;
        return true;
    }
    if (f[0] == "REMOVED") {
        Removal r;
        if (f.size() != kRemovalFields || !ReadNumber(f[1], r.id) || !ReadNumber(f[2], r.removed) ||
            r.id == 0 || HasId(r.id)) {
            return false;
        }
        m_removals.push_back(r);
        return true;
    }
    if (f[0] != "FI" || f.size() != kInstitutionFields) return false;
    Institution i;
    if (!ReadNumber(f[1], i.id) || !ReadNumber(f[2], i.added) || !ReadNumber(f[3], i.changed) ||
        !ReadNumber(f[4], i.parametersVersion) || i.id == 0 || i.parametersVersion == 0 ||
        i.changed < i.added || f[5].empty() || HasId(i.id)) {
        return false;
    }
    i.name = sys::Utf8ToAnsi(f[5]);
    i.url = f[6];
    i.org = f[7];
    i.fid = f[8];
    i.ofxVersion = f[9];
    i.application = f[10];
    m_institutions.push_back(std::move(i));
    return true;
}

OfxStatus FiDirectory::Parse(std::string_view text) {
    *this = FiDirectory{};
    bool sawMagic = false;
    bool sawVersion = false;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty() || line[0] == kComment) continue;
        const bool good = sawMagic ? ParseLine(line, sawVersion) : line == kMagic;
        if (!good) {
            *this = FiDirectory{};
            return Failure(kErrorUnreadable, res::IDS_FIDB_DAMAGED, lineNumber);
        }
        sawMagic = true;
    }
    // Every change belongs to a version the directory has reached.
    const bool consistent =
        std::all_of(m_institutions.begin(), m_institutions.end(),
                    [this](const Institution& i) { return i.changed <= m_version; }) &&
        std::all_of(m_removals.begin(), m_removals.end(),
                    [this](const Removal& r) { return r.removed <= m_version; });
    if (!sawMagic || !sawVersion || !consistent) {
        *this = FiDirectory{};
        return Failure(kErrorUnreadable, res::IDS_FIDB_DAMAGED, lineNumber);
    }
    return {};
}

}  // namespace ofx
