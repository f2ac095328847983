#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "interchange/ImportedLine.h"
#include "model/CTransaction.h"

class CCVAccount;
class CCVAccountList;

// Takes the lines a reader found into the accounts, through the model's own operations, the way
// a downloaded statement goes in:
//
//   1. Checks first, so that a refused import changes nothing: every account a section names and
//      every account a transfer ("[Name]") names must exist.
//   2. Each line gets an identifier made of its contents (date, amount, number, payee, memo,
//      category and its splits) and of how often the same contents came before it in the file
//      for the same account, and goes in as a downloaded line with that identifier: a line whose
//      identifier the account already holds is skipped, so importing the same file twice adds
//      nothing; the others are matched with an entered transaction where one fits and await review.
//   3. Every line takes the file's state (cleared or reconciled; uncleared when the file has no
//      mark), which the review hands on to a matched transaction. A line that was not matched
//      also takes the file's category (made when missing, as the category screen makes it),
//      class (likewise) and split lines; a transfer or a split line naming an account gets its
//      twin there. A line matched with a transaction keeps that
//      transaction's own category: the transfer lines of an all-accounts file so meet the twins
//      made from the other account's section, and each transfer goes in once.
//   4. A payee new to the payee list joins it, as the transaction editor adds it.
//
// A text longer than the model keeps (payee 32, memo 160, split memo 255, category, sub-category
// and class names 32 characters) is shortened and a note says so. A transfer naming the account
// it stands in (a QIF opening balance) is taken without a category, with a note.
class CLineImport {
  public:
    struct Result {
        std::uint32_t added = 0;
        std::uint32_t matched = 0;
        std::uint32_t skipped = 0;
        std::vector<std::string> notes;  // UTF-8
        std::string error;               // UTF-8; empty on success
    };

    // `source` starts every identifier ("QIF", "CSV"); `fileName` names the file in messages.
    CLineImport(CCVAccountList& accounts, std::string source, std::string fileName)
        : m_accounts(accounts), m_source(std::move(source)), m_fileName(std::move(fileName)) {}

    // Lines without a section account go into `chosen`. False with result.error when refused
    // (nothing changed) or when a line could not be added (the lines before it stay in memory:
    // the caller does not save).
    bool Apply(CCVAccount& chosen, const std::vector<ImportedLine>& lines, Result& result);

  private:
    CCVAccount* AccountOf(CCVAccount& chosen, const ImportedLine& line) const;
    bool Check(CCVAccount& chosen, const std::vector<ImportedLine>& lines, Result& result) const;
    std::string Identifier(const std::string& account, const ImportedLine& line);
    // The stored text cut to `capacity` characters, with a note when it was cut.
    std::string Fit(const std::string& text, std::size_t capacity, const ImportedLine& line,
                    Result& result) const;
    RecordKey CategoryKey(const CCVAccount& account, const std::string& category,
                          const ImportedLine& line, Result& result);
    RecordKey ClassKey(const std::string& className, const ImportedLine& line, Result& result);
    // Step 3 for an added line that was not matched; 0 or the error of making a twin.
    int Fill(CCVAccount& account, CTransaction& added, const ImportedLine& line, Result& result);

    CCVAccountList& m_accounts;
    std::string m_source;
    std::string m_fileName;
    // account and contents -> times met so far in the file
    std::unordered_map<std::string, std::uint32_t> m_seen;
};
