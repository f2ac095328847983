#include "interchange/CQifReader.h"

#include <cctype>
#include <cstring>

#include "model/CTransaction.h"

using interchange::Message;

namespace {

enum class Section : std::uint8_t {
    kNone,          // before any "!Type:" line
    kTransactions,  // bank, cash, credit card, other asset or liability
    kAccount,       // an "!Account" block
    kPassedOver,    // lists this import does not take
};

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(start[i]))) {
            return false;
        }
    }
    return true;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

// A category field: "Category/Class" (a class alone is "/Class").
void SplitCategory(const std::string& field, std::string& category, std::string& className) {
    const std::size_t slash = field.find('/');
    category = std::string(interchange::Trim(field.substr(0, slash)));
    className = slash == std::string::npos
                    ? std::string()
                    : std::string(interchange::Trim(field.substr(slash + 1)));
}

CTransaction::State StateOf(std::string_view mark) {
    mark = interchange::Trim(mark);
    if (mark.empty()) return CTransaction::kUncleared;
    switch (mark.front()) {
        case 'X':
        case 'x':
        case 'R':
        case 'r':
            return CTransaction::kReconciled;
        default:
            return CTransaction::kCleared;
    }
}

// Reads one record's lines into `line`; holds where a record stands.
class RecordBuilder {
  public:
    RecordBuilder(const std::string& fileName, interchange::DateOrder order)
        : m_fileName(fileName), m_order(order) {}

    bool Empty() const { return !m_open; }
    std::uint32_t StartLine() const { return m_line.lineNumber; }

    // One field; false with the message when it cannot be read.
    bool Take(char letter, std::string_view value, std::uint32_t number, std::string& error) {
        if (!m_open) {
            m_line = ImportedLine{};
            m_line.lineNumber = number;
            m_open = true;
            m_dated = false;
        }
        const std::string stored = interchange::ToStored(interchange::Trim(value));
        switch (letter) {
            case 'D': {
                const auto date = interchange::ParseFileDate(value, m_order);
                if (!date) return Fail(error, res::IDS_INTERCHANGE_BAD_DATE, number, value);
                m_line.date = *date;
                m_dated = true;
                return true;
            }
            case 'T':
            case 'U': {
                const auto amount = interchange::ParseFileAmount(value);
                if (!amount) return Fail(error, res::IDS_INTERCHANGE_BAD_AMOUNT, number, value);
                m_line.amount = *amount;
                return true;
            }
            case 'N':
                m_line.number = stored;
                return true;
            case 'P':
                m_line.payee = stored;
                return true;
            case 'M':
                m_line.memo = stored;
                return true;
            case 'C':
                m_line.state = StateOf(value);
                return true;
            case 'L':
                SplitCategory(stored, m_line.category, m_line.className);
                return true;
            case 'S':
                if (m_line.splits.size() == CTransaction::kSplitLines) {
                    return Fail(error, res::IDS_INTERCHANGE_TOO_MANY_SPLITS, number);
                }
                m_line.splits.emplace_back();
                SplitCategory(stored, m_line.splits.back().category,
                              m_line.splits.back().className);
                return true;
            case 'E':
            case '$': {
                if (m_line.splits.empty()) {
                    const std::string text(1, letter);
                    return Fail(error, res::IDS_INTERCHANGE_SPLIT_ORDER, number, text);
                }
                if (letter == 'E') {
                    m_line.splits.back().memo = stored;
                    return true;
                }
                const auto amount = interchange::ParseFileAmount(value);
                if (!amount) return Fail(error, res::IDS_INTERCHANGE_BAD_AMOUNT, number, value);
                m_line.splits.back().amount = *amount;
                return true;
            }
            default:
                return true;  // address lines, flags and the like
        }
    }

    // The end of a record; false with the message when it has no date.
    bool Finish(std::uint32_t number, const std::string& account, ImportedFile& file) {
        if (!m_open) return true;  // "^" alone
        m_open = false;
        if (!m_dated) return Fail(file.error, res::IDS_INTERCHANGE_NO_DATE, number);
        m_line.account = account;
        file.lines.push_back(std::move(m_line));
        return true;
    }

  private:
    template <typename... Args>
    bool Fail(std::string& error, res::StringId id, std::uint32_t number, Args... args) const {
        error = Message(id, m_fileName.c_str(), number, std::string(args).c_str()...);
        return false;
    }

    const std::string& m_fileName;
    interchange::DateOrder m_order;
    ImportedLine m_line;
    bool m_open = false;
    bool m_dated = false;
};

}  // namespace

ImportedFile CQifReader::Read(std::string_view bytes) const {
    ImportedFile file;
    RecordBuilder record(m_fileName, m_order);
    Section section = Section::kNone;
    std::string account;         // the account of the sections that follow
    std::string accountInBlock;  // the name an "!Account" block gives
    std::uint32_t number = 0;
    std::size_t start = 0;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") start = 3;  // a byte-order mark
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find('\0') != std::string_view::npos) {
            file.error = Message(res::IDS_INTERCHANGE_NOT_TEXT, m_fileName.c_str(), number);
            return file;
        }
        if (interchange::Trim(line).empty()) continue;
        if (line.front() == '!') {
            const std::string_view header = interchange::Trim(line);
            if (!record.Empty()) {
                file.error = Message(res::IDS_INTERCHANGE_NO_END, m_fileName.c_str(), number - 1);
                return file;
            }
            if (StartsWithNoCase(header, "!Option:") || StartsWithNoCase(header, "!Clear:")) {
                continue;
            }
            if (EqualNoCase(header, "!Account")) {
                section = Section::kAccount;
                accountInBlock.clear();
                continue;
            }
            if (!StartsWithNoCase(header, "!Type:")) {
                const std::string text(header);
                file.error = Message(res::IDS_INTERCHANGE_BAD_SECTION, m_fileName.c_str(), number,
                                     text.c_str());
                return file;
            }
            const std::string_view type = interchange::Trim(header.substr(6));
            if (EqualNoCase(type, "Bank") || EqualNoCase(type, "Cash") ||
                EqualNoCase(type, "CCard") || EqualNoCase(type, "Oth A") ||
                EqualNoCase(type, "Oth L")) {
                section = Section::kTransactions;
            } else if (EqualNoCase(type, "Cat") || EqualNoCase(type, "Class") ||
                       EqualNoCase(type, "Memorized")) {
                section = Section::kPassedOver;
            } else {
                const std::string text(header);
                file.error = Message(res::IDS_INTERCHANGE_BAD_SECTION, m_fileName.c_str(), number,
                                     text.c_str());
                return file;
            }
            continue;
        }
        const char letter = line.front();
        const std::string_view value = line.substr(1);
        switch (section) {
            case Section::kPassedOver:
                continue;
            case Section::kAccount:
                if (letter == 'N') accountInBlock = interchange::ToStored(interchange::Trim(value));
                if (letter == '^') account = accountInBlock;
                continue;
            case Section::kNone:
                file.error = Message(res::IDS_INTERCHANGE_NO_SECTION, m_fileName.c_str(), number);
                return file;
            case Section::kTransactions:
                break;
        }
        if (letter == '^') {
            if (!record.Finish(number, account, file)) return file;
            continue;
        }
        if (!record.Take(letter, value, number, file.error)) return file;
    }
    if (!record.Empty()) {
        file.error = Message(res::IDS_INTERCHANGE_NO_END, m_fileName.c_str(), number);
    }
    return file;
}
