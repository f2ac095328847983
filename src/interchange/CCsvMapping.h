#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// How the columns of a bank's CSV file become transactions: given by options or by a small rules
// file kept per bank, one "key = value" a line ("#" starts a comment):
//
//   columns      = date, payee, memo, -, debit, credit   (one word a column, "-" for none)
//   date-format  = DD.MM.YYYY     (D, M and Y with the separators; empty: "YYYY-MM-DD" or
//                                  month first, "MM/DD/YYYY")
//   header-lines = 1              (lines before the first transaction)
//   separator    = ;              ("," ";" "|" or "tab")
//   decimal      = ,              ("." or ","; empty: guessed per amount)
//
// Column words: date, amount (signed), debit and credit (money out and in, each unsigned),
// payee, memo, category ("Food:Dining" or "[Account]"), class, number, state ("c"/"cleared"/"*",
// "r"/"reconciled"/"x"). A date and either an amount or a debit and a credit column are needed.
class CCsvMapping {
  public:
    enum class Column : std::uint8_t {
        kSkip,
        kDate,
        kAmount,
        kDebit,
        kCredit,
        kPayee,
        kMemo,
        kCategory,
        kClass,
        kNumber,
        kState,
    };

    // One setting by its key; false with the message (UTF-8) when the key or value is not one.
    bool Set(std::string_view key, std::string_view value, std::string& error);
    // Every setting of a rules file; false with a message naming the line.
    bool ReadRules(std::string_view text, const std::string& fileName, std::string& error);
    // A date column and an amount (or debit and credit) column.
    bool Complete() const;

    const std::vector<Column>& Columns() const { return m_columns; }
    const std::string& DateFormat() const { return m_dateFormat; }
    std::uint32_t HeaderLines() const { return m_headerLines; }
    char Separator() const { return m_separator; }
    char Decimal() const { return m_decimal; }

  private:
    std::vector<Column> m_columns;
    std::string m_dateFormat;
    std::uint32_t m_headerLines = 0;
    char m_separator = ',';
    char m_decimal = 0;
};
