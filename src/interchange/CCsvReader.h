#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interchange/CCsvMapping.h"
#include "interchange/ImportedLine.h"

// Reads a bank's CSV file with a column mapping (CCsvMapping): fields separated by the mapping's
// separator, a field in double quotes may hold separators, line breaks and doubled quotes. The
// header lines are passed over, and so are empty lines. A line that lacks a mapped column, a
// date or amount that cannot be read, a quote left open, or bytes that are not text stop the read
// with a message naming the line.
class CCsvReader {
  public:
    CCsvReader(CCsvMapping mapping, std::string fileName)
        : m_mapping(std::move(mapping)), m_fileName(std::move(fileName)) {}

    ImportedFile Read(std::string_view bytes) const;

  private:
    // The fields of one record into `line`; false with the message.
    bool TakeRecord(const std::vector<std::string>& fields, std::uint32_t number,
                    ImportedLine& line, std::string& error) const;

    CCsvMapping m_mapping;
    std::string m_fileName;
};
