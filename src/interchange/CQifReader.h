#pragma once

#include <string>
#include <string_view>

#include "interchange/ImportedLine.h"
#include "interchange/InterchangeValues.h"

// Reads a QIF file: its bank, cash and credit-card sections ("!Type:Bank", "!Type:Cash",
// "!Type:CCard", also "!Type:Oth A" and "!Type:Oth L"), each a run of records ended by "^".
//
//   D  date: "12/31/2024", "12/31/24", "12/31'24", "2024-12-31" (see ParseFileDate)
//   T  amount (U is the same), signed, with grouping: "-1,234.56"
//   N  check number, or a word such as "ATM", "DEP" or "Transfer"
//   P  payee          M  memo          C  "*" or "c" cleared, "X" or "R" reconciled
//   L  category ("Food", "Auto:Fuel"), transfer ("[Savings]"), each with "/Class"
//   S  split line category (as L), E its memo, $ its amount
//
// "!Account" blocks ("N" name ... "^") name the account of the sections after them; lists of
// categories, classes and memorized transactions are passed over, and other letters of a record
// (address lines, flags) are ignored. An investment section, a record without a date, an
// unreadable date or amount, or a file that ends inside a record stops the read with a message
// naming the line.
class CQifReader {
  public:
    CQifReader(std::string fileName, interchange::DateOrder order)
        : m_fileName(std::move(fileName)), m_order(order) {}

    ImportedFile Read(std::string_view bytes) const;

  private:
    std::string m_fileName;
    interchange::DateOrder m_order;
};
