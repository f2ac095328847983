#pragma once

#include <cstdint>
#include <string>

#include "storage/DateTime.h"

// A made-up but lifelike data folder for benchmarks and trials, written through the model as the
// program itself would write it: accounts of every type in a few currencies, payees with their
// memory, categories and sub-categories, classes, split transactions, transfers with their twins
// (also from split lines), memos, every state, check numbers, and scheduled transactions.
//
// The same options give the same contents (names, amounts, dates, states); only the record
// identifiers, which the model draws fresh, differ from one run to the next. The transactions
// fall in the three years up to the end date, oldest first.
class DataSet {
  public:
    struct Options {
        int accounts = 20;
        // Register entries over all accounts, twins included.
        std::int64_t transactions = 100000;
        std::uint32_t seed = 1;
        // The share, in percent, of the transactions drawn for the account first in the list
        // (in name order), so that one register is as long as a benchmark needs; the others are
        // spread over all accounts by their type. 0 spreads them all by type.
        int firstAccountPercent = 0;
        // The day of the newest transaction; 0 means today.
        DateTime endDate = 0;
    };

    // What was written.
    struct Counts {
        int accounts = 0;
        std::int64_t transactions = 0;  // register entries, twins included
        std::int64_t transfers = 0;     // transactions naming another account, twins not counted
        std::int64_t splits = 0;
        int scheduled = 0;
        int payees = 0;
    };

    static constexpr int kMaxAccounts = 200;

    explicit DataSet(const Options& options) : m_options(options) {}

    // Writes the data folder (created when missing; it must hold no data yet). 0, 1 for options
    // out of range or a folder that already holds accounts, or the model's error when the folder
    // could not be loaded or saved.
    int Write(const std::string& folder);
    const Counts& GetCounts() const { return m_counts; }

  private:
    Options m_options;
    Counts m_counts;
};
