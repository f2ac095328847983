// The accounts a bank reports: type texts, routing numbers and look-up.
#include "online/CFiAccountsList.h"

#include <gtest/gtest.h>

#include "online/CCVProgress.h"

namespace {

TEST(CFiAccountsList, BankAndCardAccounts) {
    CFiAccountsList list;
    EXPECT_EQ(list.OnBankAccount("123456789", "1001", "CHECKING"), 0);
    EXPECT_EQ(list.OnBankAccount("123456789012", "1002", "MONEYMRKT"), 0);
    EXPECT_EQ(list.OnCreditCardAccount("4111"), 0);
    // A type outside the table is refused and adds nothing; the accounts before it stay.
    EXPECT_EQ(list.OnBankAccount("123456789", "1003", "CD"), 54);
    EXPECT_EQ(list.OnBankAccount("123456789", "1004", "checking"), 54);
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.At(0)->AccountType(), CFiAccountInfo::kChecking);
    EXPECT_STREQ(list.At(1)->RoutingNumber(), "123456789");  // 12 characters cut to 9
    EXPECT_EQ(list.At(1)->AccountType(), CFiAccountInfo::kMoneyMarket);
    EXPECT_EQ(list.At(2)->AccountType(), CFiAccountInfo::kCreditCard);
    EXPECT_STREQ(list.At(2)->RoutingNumber(), "");

    EXPECT_EQ(list.FindByAccountNumber("4111"), list.At(2));
    EXPECT_EQ(list.FindByAccountNumber("411"), nullptr);
    EXPECT_EQ(list.FindByAccountNumber("1003"), nullptr);
    EXPECT_EQ(list.FindByAccountNumber(nullptr), nullptr);
}

TEST(CFiAccountsList, TypeTexts) {
    const struct {
        const char* text;
        int type;
    } table[] = {{"CHECKING", 0}, {"SAVINGS", 1}, {"MONEYMRKT", 6}, {"CREDITLINE", 7}};
    for (const auto& row : table) {
        EXPECT_EQ(CFiAccountInfo::TypeFromText(row.text), row.type);
        EXPECT_STREQ(CFiAccountInfo::TextFromType(static_cast<std::uint8_t>(row.type)), row.text);
    }
    for (std::uint8_t type : {2, 3, 4, 5}) EXPECT_EQ(CFiAccountInfo::TextFromType(type), nullptr);
    EXPECT_EQ(CFiAccountInfo::TypeFromText(nullptr), -1);
    EXPECT_EQ(CFiAccountInfo::TypeFromText(""), -1);
}

TEST(CFiAccountsList, ProgressStepsAndCancels) {
    struct Progress : CCVProgress {
        void Step(std::uint32_t) override { ++steps; }
        bool TakeCancel() override { return std::exchange(cancel, false); }
        int steps = 0;
        bool cancel = false;
    } progress;
    CFiAccountsList list;
    EXPECT_TRUE(list.OnProgress(0));  // no progress: go on
    list.SetProgress(&progress);
    EXPECT_TRUE(list.OnProgress(1));
    progress.cancel = true;
    EXPECT_FALSE(list.OnProgress(2));
    EXPECT_TRUE(list.OnProgress(3));  // the request was taken
    EXPECT_EQ(progress.steps, 3);
}

}  // namespace
