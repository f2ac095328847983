// The data-set generator: the folder it writes loads back whole with the counts it reports, its
// transfers have twins that point back, the balances add up, a share of the transactions can go
// to one account, a seed gives the same contents twice, and a folder that already holds data is
// refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "DataSet.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledList.h"
#include "online/CFiList.h"
#include "support/TempFolder.h"

namespace {

using testing_support::TempFolder;

constexpr DateTime kEnd = 3900000000u;  // 2027-08-02

ListMakers Makers() {
    return {
        .scheduled =
            [] { return std::unique_ptr<CCVItemList>(std::make_unique<CScheduledList>()); },
        .institutions = [] { return std::unique_ptr<CCVItemList>(std::make_unique<CFiList>()); }};
}

// What a transaction holds apart from its identifiers.
using Contents = std::tuple<std::string, std::string, DateTime, Amount, int, std::string>;

std::vector<Contents> ContentsOf(const CCVAccountList& list) {
    std::vector<Contents> contents;
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        const CCVAccount& account = *list.At(i);
        for (std::uint32_t n = 0; n < account.Transactions().Count(); ++n) {
            const auto& t = *static_cast<const CTransaction*>(account.Transactions().GetAt(n));
            contents.emplace_back(account.GetName(), t.GetPayeeName(), t.GetDate(), t.GetAmount(),
                                  t.GetState(), t.GetMemo());
        }
    }
    return contents;
}

TEST(DataSet, WritesAFolderThatLoadsBackWithItsCounts) {
    TempFolder folder;
    DataSet dataSet({.accounts = 12, .transactions = 3001, .seed = 7, .endDate = kEnd});
    ASSERT_EQ(dataSet.Write(folder.Path()), 0);
    const DataSet::Counts& counts = dataSet.GetCounts();
    EXPECT_EQ(counts.accounts, 12);
    EXPECT_EQ(counts.transactions, 3001);
    EXPECT_GT(counts.transfers, 100);
    EXPECT_GT(counts.splits, 100);
    EXPECT_GE(counts.scheduled, 6);

    CCVAccountList list(Makers());
    ASSERT_EQ(list.Load(folder.Path()), 0);
    EXPECT_TRUE(list.DamagedFiles().empty());
    ASSERT_EQ(list.Count(), 12u);
    DateTime newest = 0;
    std::int64_t entries = 0;
    std::int64_t twins = 0;
    std::int64_t splitTwins = 0;
    bool foreign = false;
    for (std::uint32_t i = 0; i < list.Count(); ++i) {
        CCVAccount& account = *list.At(i);
        foreign = foreign || account.Record().GetCurrency() != list.GetCurrencies().GetBaseNumber();
        entries += account.Transactions().Count();
        const Amount current = account.GetBalance(CCVAccount::kBalanceCurrent);
        const Amount cleared = account.GetBalance(CCVAccount::kBalanceCleared);
        account.RecomputeBalances();
        EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCurrent), current) << account.GetName();
        EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), cleared) << account.GetName();
        for (std::uint32_t n = 0; n < account.Transactions().Count(); ++n) {
            const auto& t = *static_cast<const CTransaction*>(account.Transactions().GetAt(n));
            EXPECT_LE(t.GetDate(), kEnd + kSecondsPerDay);
            newest = std::max(newest, t.GetDate());
            EXPECT_GE(t.GetDate(), kEnd - 3 * 366 * kSecondsPerDay);
            if (t.GetLinkedTransactionId().IsNull()) continue;
            // A twin lives in the account its category names and points back.
            const CCVAccount* other = list.FindAccountById(t.GetCategoryId());
            ASSERT_NE(other, nullptr) << t.GetPayeeName();
            const CTransaction* twin = other->FindById(t.GetLinkedTransactionId());
            ASSERT_NE(twin, nullptr);
            if (t.IsSplitTransferTwin()) {
                // The twin of a split line: its source's line names this account and links here.
                const CSplitLine& line = twin->GetSplit(t.GetSourceSplitIndex());
                EXPECT_EQ(line.GetCategoryId(), account.GetAccountId());
                EXPECT_EQ(line.GetLinkedTransactionId(), t.GetTransactionId());
                ++splitTwins;
            } else if (!twin->IsSplit()) {
                EXPECT_EQ(twin->GetCategoryId(), account.GetAccountId());
                EXPECT_EQ(twin->GetLinkedTransactionId(), t.GetTransactionId());
                ++twins;
            }
        }
    }
    EXPECT_EQ(entries, 3001);
    // The transactions reach the end date, so that "This Month" has some.
    EXPECT_GE(newest, kEnd - kSecondsPerDay);
    EXPECT_EQ(twins, 2 * counts.transfers);  // each transfer and its twin point at each other
    EXPECT_GT(splitTwins, 0);
    EXPECT_TRUE(foreign);
    EXPECT_EQ(list.GetScheduledList()->Count(), static_cast<std::uint32_t>(counts.scheduled));
    EXPECT_EQ(list.GetPayees().Count(), static_cast<std::uint32_t>(counts.payees));
    EXPECT_GT(list.GetClasses().Count(), 2u);
    // The payees remember their last transaction.
    EXPECT_NE(list.GetPayees().FindPayee("Transfer")->GetAmount(), 0);
}

TEST(DataSet, TheSameSeedGivesTheSameContentsAndAnotherSeedOthers) {
    std::vector<std::vector<Contents>> runs;
    for (std::uint32_t seed : {5u, 5u, 6u}) {
        TempFolder folder;
        ASSERT_EQ(DataSet({.accounts = 6, .transactions = 400, .seed = seed, .endDate = kEnd})
                      .Write(folder.Path()),
                  0);
        CCVAccountList list(Makers());
        ASSERT_EQ(list.Load(folder.Path()), 0);
        runs.push_back(ContentsOf(list));
    }
    EXPECT_EQ(runs[0].size(), 400u);
    EXPECT_EQ(runs[0], runs[1]);
    EXPECT_NE(runs[0], runs[2]);
}

TEST(DataSet, AShareOfTheTransactionsGoesToTheFirstAccount) {
    const auto countsOf = [](int percent) {
        TempFolder folder;
        std::vector<std::uint32_t> counts;
        DataSet dataSet({.accounts = 8,
                         .transactions = 2000,
                         .seed = 3,
                         .firstAccountPercent = percent,
                         .endDate = kEnd});
        EXPECT_EQ(dataSet.Write(folder.Path()), 0);
        CCVAccountList list(Makers());
        EXPECT_EQ(list.Load(folder.Path()), 0);
        for (std::uint32_t i = 0; i < list.Count(); ++i) {
            counts.push_back(list.At(i)->Transactions().Count());
        }
        return counts;
    };
    // Spread by type, the first account (a card) holds a fifth or so.
    const std::vector<std::uint32_t> spread = countsOf(0);
    ASSERT_EQ(spread.size(), 8u);
    EXPECT_LT(spread[0], 600u);
    // With 60 %, it holds more than half, and each other account a small part.
    const std::vector<std::uint32_t> most = countsOf(60);
    ASSERT_EQ(most.size(), 8u);
    EXPECT_GT(most[0], 1000u);
    EXPECT_LT(most[0], 1400u);
    for (std::size_t i = 1; i < most.size(); ++i) EXPECT_LT(most[i], 300u) << i;

    // With 100 %, every transaction is drawn for it: the others hold only twins.
    TempFolder folder;
    ASSERT_EQ(DataSet({.accounts = 4,
                       .transactions = 500,
                       .seed = 3,
                       .firstAccountPercent = 100,
                       .endDate = kEnd})
                  .Write(folder.Path()),
              0);
    CCVAccountList list(Makers());
    ASSERT_EQ(list.Load(folder.Path()), 0);
    EXPECT_GT(list.At(0)->Transactions().Count(), 400u);
    for (std::uint32_t i = 1; i < list.Count(); ++i) {
        const CCVAccount& account = *list.At(i);
        for (std::uint32_t n = 0; n < account.Transactions().Count(); ++n) {
            const auto& t = *static_cast<const CTransaction*>(account.Transactions().GetAt(n));
            EXPECT_FALSE(t.GetLinkedTransactionId().IsNull()) << account.GetName();
            EXPECT_EQ(t.GetCategoryId(), list.At(0)->GetAccountId()) << account.GetName();
        }
    }
}

TEST(DataSet, FewerAccountsThanTheFirstFiveAndRefusals) {
    TempFolder folder;
    DataSet small({.accounts = 2, .transactions = 50, .endDate = kEnd});
    ASSERT_EQ(small.Write(folder.Path()), 0);
    CCVAccountList list(Makers());
    ASSERT_EQ(list.Load(folder.Path()), 0);
    EXPECT_EQ(list.Count(), 2u);

    // A folder that holds data is never written over; options out of range write nothing.
    EXPECT_EQ(DataSet({.accounts = 3, .transactions = 10}).Write(folder.Path()), 1);
    TempFolder empty;
    EXPECT_EQ(DataSet({.accounts = 0, .transactions = 10}).Write(empty.Path()), 1);
    EXPECT_EQ(
        DataSet({.accounts = DataSet::kMaxAccounts + 1, .transactions = 10}).Write(empty.Path()),
        1);
    EXPECT_EQ(
        DataSet({.accounts = 3, .transactions = 10, .firstAccountPercent = -1}).Write(empty.Path()),
        1);
    EXPECT_EQ(DataSet({.accounts = 3, .transactions = 10, .firstAccountPercent = 101})
                  .Write(empty.Path()),
              1);
    EXPECT_TRUE(testing_support::ListFolder(empty.Path()).empty());
}

}  // namespace
