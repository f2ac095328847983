#include "interchange/CCsvReader.h"

#include <cctype>

#include "interchange/InterchangeValues.h"

using interchange::Message;

namespace {

std::string Lower(std::string_view text) {
    std::string lower(interchange::Trim(text));
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

CTransaction::State StateOf(std::string_view text) {
    const std::string word = Lower(text);
    if (word == "r" || word == "x" || word == "reconciled") return CTransaction::kReconciled;
    if (word == "c" || word == "*" || word == "cleared") return CTransaction::kCleared;
    return CTransaction::kUncleared;
}

bool Blank(const std::vector<std::string>& fields) {
    for (const std::string& field : fields) {
        if (!interchange::Trim(field).empty()) return false;
    }
    return true;
}

}  // namespace

bool CCsvReader::TakeRecord(const std::vector<std::string>& fields, std::uint32_t number,
                            ImportedLine& line, std::string& error) const {
    using Column = CCsvMapping::Column;
    line = ImportedLine{};
    line.lineNumber = number;
    bool haveAmount = false;
    const std::vector<Column>& columns = m_mapping.Columns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] == Column::kSkip) continue;
        if (i >= fields.size()) {
            error = Message(res::IDS_INTERCHANGE_MISSING_COLUMN, m_fileName.c_str(), number,
                            static_cast<unsigned>(i + 1));
            return false;
        }
        const std::string_view field = interchange::Trim(fields[i]);
        const auto amount = [&](int sign) {
            if (field.empty() && columns[i] != Column::kAmount) return true;
            const auto value = interchange::ParseFileAmount(field, m_mapping.Decimal());
            if (!value) {
                error = Message(res::IDS_INTERCHANGE_BAD_AMOUNT, m_fileName.c_str(), number,
                                std::string(field).c_str());
                return false;
            }
            const Amount magnitude = sign == 0 ? *value : (*value < 0 ? -*value : *value);
            line.amount += sign < 0 ? -magnitude : magnitude;
            haveAmount = true;
            return true;
        };
        switch (columns[i]) {
            case Column::kDate: {
                const auto date =
                    m_mapping.DateFormat().empty()
                        ? interchange::ParseFileDate(field, interchange::DateOrder::kMonthDayYear)
                        : interchange::ParseDatePattern(field, m_mapping.DateFormat());
                if (!date) {
                    error = Message(res::IDS_INTERCHANGE_BAD_DATE, m_fileName.c_str(), number,
                                    std::string(field).c_str());
                    return false;
                }
                line.date = *date;
                break;
            }
            case Column::kAmount:
                if (!amount(0)) return false;
                break;
            case Column::kDebit:
                if (!amount(-1)) return false;
                break;
            case Column::kCredit:
                if (!amount(1)) return false;
                break;
            case Column::kPayee:
                line.payee = interchange::ToStored(field);
                break;
            case Column::kMemo:
                line.memo = interchange::ToStored(field);
                break;
            case Column::kCategory: {
                const std::string text = interchange::ToStored(field);
                const std::size_t slash = text.find('/');
                line.category = std::string(interchange::Trim(text.substr(0, slash)));
                if (slash != std::string::npos) {
                    line.className = std::string(interchange::Trim(text.substr(slash + 1)));
                }
                break;
            }
            case Column::kClass:
                line.className = interchange::ToStored(field);
                break;
            case Column::kNumber:
                line.number = interchange::ToStored(field);
                break;
            case Column::kState:
                line.state = StateOf(field);
                break;
            case Column::kSkip:
                break;
        }
    }
    if (!haveAmount) {
        error = Message(res::IDS_INTERCHANGE_BAD_AMOUNT, m_fileName.c_str(), number, "");
        return false;
    }
    return true;
}

ImportedFile CCsvReader::Read(std::string_view bytes) const {
    ImportedFile file;
    if (!m_mapping.Complete()) {
        file.error = Message(res::IDS_INTERCHANGE_BAD_MAPPING);
        return file;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);  // a byte-order mark
    const char separator = m_mapping.Separator();
    std::vector<std::string> fields;
    std::uint32_t number = 1;   // the line the cursor is on
    std::uint32_t records = 0;  // records read, header lines included
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::uint32_t start = number;
        fields.assign(1, std::string());
        bool quoted = false;
        bool ended = false;
        while (i < bytes.size() && !ended) {
            const char c = bytes[i++];
            if (c == '\0') {
                file.error = Message(res::IDS_INTERCHANGE_NOT_TEXT, m_fileName.c_str(), number);
                return file;
            }
            if (quoted) {
                if (c == '"') {
                    if (i < bytes.size() && bytes[i] == '"') {
                        fields.back() += '"';
                        ++i;
                    } else {
                        quoted = false;
                    }
                } else {
                    if (c == '\n') ++number;
                    fields.back() += c;
                }
            } else if (c == '"' && interchange::Trim(fields.back()).empty()) {
                fields.back().clear();
                quoted = true;
            } else if (c == separator) {
                fields.emplace_back();
            } else if (c == '\n') {
                ++number;
                ended = true;
            } else if (c != '\r') {
                fields.back() += c;
            }
        }
        if (quoted) {
            file.error = Message(res::IDS_INTERCHANGE_UNCLOSED_QUOTE, m_fileName.c_str(), start);
            return file;
        }
        if (++records <= m_mapping.HeaderLines() || Blank(fields)) continue;
        ImportedLine line;
        if (!TakeRecord(fields, start, line, file.error)) return file;
        file.lines.push_back(std::move(line));
    }
    return file;
}
