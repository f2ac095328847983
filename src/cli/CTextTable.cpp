#include "cli/CTextTable.h"

#include <algorithm>

namespace cli {
namespace {

constexpr const char* kColumnGap = "  ";
constexpr unsigned char kContinuationMask = 0xC0;
constexpr unsigned char kContinuationBits = 0x80;

}  // namespace

void CTextTable::AddColumn(std::string heading, Align align) {
    m_columns.push_back({std::move(heading), align});
}

void CTextTable::AddRow(std::vector<std::string> cells) {
    cells.resize(m_columns.size());
    // A cell stays on its row: the line breaks of a memo of several lines, and tabs, show as
    // blanks, as the screens show them.
    for (std::string& cell : cells) {
        std::replace_if(cell.begin(), cell.end(),
                        [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
    }
    m_rows.push_back(std::move(cells));
}

std::size_t CTextTable::Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & kContinuationMask) != kContinuationBits;
    }));
}

void CTextTable::Write(std::FILE* out) const {
    std::vector<std::size_t> widths(m_columns.size());
    std::vector<std::string> headings;
    for (std::size_t c = 0; c < m_columns.size(); ++c) {
        headings.push_back(m_columns[c].heading);
        widths[c] = Width(m_columns[c].heading);
        for (const auto& row : m_rows) widths[c] = std::max(widths[c], Width(row[c]));
    }
    WriteLine(out, headings, widths);
    for (const auto& row : m_rows) WriteLine(out, row, widths);
}

void CTextTable::WriteLine(std::FILE* out, const std::vector<std::string>& cells,
                           const std::vector<std::size_t>& widths) const {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
        if (c > 0) line += kColumnGap;
        const std::string padding(widths[c] - Width(cells[c]), ' ');
        line += m_columns[c].align == kRight ? padding + cells[c] : cells[c] + padding;
    }
    // No blanks at the end of a line.
    line.erase(line.find_last_not_of(' ') + 1);
    line += '\n';
    std::fputs(line.c_str(), out);
}

}  // namespace cli
