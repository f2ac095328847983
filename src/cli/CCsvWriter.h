#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Comma-separated values as RFC 4180 has them: records end with CR LF; a field holding a comma,
// a double quote, a CR or an LF is put in double quotes, a double quote in it doubled. Fields are
// written as given (UTF-8 here).
class CCsvWriter {
  public:
    explicit CCsvWriter(std::FILE* out) : m_out(out) {}

    void WriteRecord(const std::vector<std::string>& fields);
    static std::string Field(std::string_view text);

  private:
    std::FILE* m_out;
};

}  // namespace cli
