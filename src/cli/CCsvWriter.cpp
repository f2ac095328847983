#include "cli/CCsvWriter.h"

namespace cli {
namespace {

constexpr char kQuote = '"';
constexpr char kSeparator = ',';
constexpr const char* kRecordEnd = "\r\n";
constexpr const char* kNeedsQuotes = ",\"\r\n";

}  // namespace

std::string CCsvWriter::Field(std::string_view text) {
    if (text.find_first_of(kNeedsQuotes) == std::string_view::npos) return std::string(text);
    std::string quoted(1, kQuote);
    for (const char c : text) {
        if (c == kQuote) quoted += kQuote;
        quoted += c;
    }
    quoted += kQuote;
    return quoted;
}

void CCsvWriter::WriteRecord(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) record += kSeparator;
        record += Field(fields[i]);
    }
    record += kRecordEnd;
    std::fwrite(record.data(), 1, record.size(), m_out);
}

}  // namespace cli
