#include "interchange/CCsvMapping.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "interchange/InterchangeValues.h"

using interchange::Message;
using interchange::Trim;

namespace {

constexpr std::uint32_t kMaxHeaderLines = 1000;
constexpr std::size_t kMaxColumns = 256;

constexpr std::array<std::pair<std::string_view, CCsvMapping::Column>, 12> kColumnWords{{
    {"-", CCsvMapping::Column::kSkip},
    {"date", CCsvMapping::Column::kDate},
    {"amount", CCsvMapping::Column::kAmount},
    {"debit", CCsvMapping::Column::kDebit},
    {"credit", CCsvMapping::Column::kCredit},
    {"payee", CCsvMapping::Column::kPayee},
    {"memo", CCsvMapping::Column::kMemo},
    {"category", CCsvMapping::Column::kCategory},
    {"class", CCsvMapping::Column::kClass},
    {"number", CCsvMapping::Column::kNumber},
    {"state", CCsvMapping::Column::kState},
    {"", CCsvMapping::Column::kSkip},
}};

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool Has(const std::vector<CCsvMapping::Column>& columns, CCsvMapping::Column column) {
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

}  // namespace

bool CCsvMapping::Set(std::string_view key, std::string_view value, std::string& error) {
    const std::string name = Lower(Trim(key));
    value = Trim(value);
    const auto bad = [&] {
        error = Message(res::IDS_INTERCHANGE_BAD_OPTION, std::string(value).c_str(), name.c_str());
        return false;
    };
    if (name == "columns") {
        std::vector<Column> columns;
        std::size_t start = 0;
        while (start <= value.size()) {
            std::size_t end = value.find(',', start);
            if (end == std::string_view::npos) end = value.size();
            const std::string word = Lower(Trim(value.substr(start, end - start)));
            const auto found = std::find_if(kColumnWords.begin(), kColumnWords.end(),
                                            [&](const auto& entry) { return entry.first == word; });
            if (found == kColumnWords.end()) {
                error = Message(res::IDS_INTERCHANGE_BAD_COLUMN_WORD, word.c_str());
                return false;
            }
            if (found->second != Column::kSkip && Has(columns, found->second)) return bad();
            columns.push_back(found->second);
            if (columns.size() > kMaxColumns) return bad();
            start = end + 1;
        }
        m_columns = std::move(columns);
        return true;
    }
    if (name == "date-format") {
        for (const char c : value) {
            if (std::isdigit(static_cast<unsigned char>(c)) != 0) return bad();
        }
        const std::string upper = [&] {
            std::string text(value);
            for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            return text;
        }();
        if (!value.empty() &&
            (upper.find('D') == std::string::npos || upper.find('M') == std::string::npos ||
             upper.find('Y') == std::string::npos)) {
            return bad();
        }
        m_dateFormat = std::string(value);
        return true;
    }
    if (name == "header-lines") {
        std::uint32_t lines = 0;
        if (value.empty()) return bad();
        for (const char c : value) {
            if (std::isdigit(static_cast<unsigned char>(c)) == 0) return bad();
            lines = lines * 10 + static_cast<std::uint32_t>(c - '0');
            if (lines > kMaxHeaderLines) return bad();
        }
        m_headerLines = lines;
        return true;
    }
    if (name == "separator") {
        if (Lower(value) == "tab" || value == "\\t") {
            m_separator = '\t';
        } else if (value == "," || value == ";" || value == "|") {
            m_separator = value.front();
        } else {
            return bad();
        }
        return true;
    }
    if (name == "decimal") {
        if (value.empty()) {
            m_decimal = 0;
        } else if (value == "." || value == ",") {
            m_decimal = value.front();
        } else {
            return bad();
        }
        return true;
    }
    error = Message(res::IDS_INTERCHANGE_BAD_OPTION, std::string(value).c_str(), name.c_str());
    return false;
}

bool CCsvMapping::ReadRules(std::string_view text, const std::string& fileName,
                            std::string& error) {
    std::uint32_t number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        std::string detail;
        if (equals == std::string_view::npos ||
            !Set(line.substr(0, equals), line.substr(equals + 1), detail)) {
            error = Message(res::IDS_INTERCHANGE_BAD_RULE, fileName.c_str(), number,
                            interchange::ToUtf8(interchange::ToStored(line)).c_str());
            if (!detail.empty()) error += " " + detail;
            return false;
        }
    }
    return true;
}

bool CCsvMapping::Complete() const {
    return Has(m_columns, Column::kDate) &&
           (Has(m_columns, Column::kAmount) ||
            (Has(m_columns, Column::kDebit) && Has(m_columns, Column::kCredit)));
}
