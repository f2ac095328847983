#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace cli {

// A table for people: a heading line, then the rows, each column as wide as its widest cell
// (counted in characters of UTF-8 text) and two blanks between columns.
class CTextTable {
  public:
    enum Align { kLeft, kRight };

    void AddColumn(std::string heading, Align align = kLeft);
    // Cells beyond the columns are dropped; missing ones are empty.
    void AddRow(std::vector<std::string> cells);
    void Write(std::FILE* out) const;

    // The characters of UTF-8 text (bytes that do not continue a sequence).
    static std::size_t Width(const std::string& text);

  private:
    struct Column {
        std::string heading;
        Align align;
    };
    void WriteLine(std::FILE* out, const std::vector<std::string>& cells,
                   const std::vector<std::size_t>& widths) const;

    std::vector<Column> m_columns;
    std::vector<std::vector<std::string>> m_rows;
};

}  // namespace cli
