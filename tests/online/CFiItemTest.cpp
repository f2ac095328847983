// A bank: its stored bytes, the directory's parameters, its calls against the fake bank, and
// statements downloaded into an account.
#include "online/CFiItem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/BuiltInKey.h"
#include "model/RegisterFixture.h"
#include "ofx/OfxTransport.h"
#include "online/BankDirectory.h"
#include "online/CCVProgress.h"
#include "online/CFiAccountsList.h"
#include "platform/sys/Clock.h"
#include "storage/RecordArchive.h"
#include "support/FakeBank.h"
#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::FakeBank;
using testing_support::TempFolder;

Bytes Saved(CFiItem& item, const TempFolder& temp) {
    RecordArchive ar(temp.File("item"), RecordArchive::kSave);
    EXPECT_EQ(ar.Open(), 0);
    EXPECT_EQ(item.Serialize(ar), 0);
    EXPECT_EQ(ar.Close(), 0);
    return testing_support::ReadBytes(temp.File("item"));
}

int Loaded(CFiItem& item, const Bytes& bytes, const TempFolder& temp) {
    testing_support::WriteBytes(temp.File("load"), bytes);
    RecordArchive ar(temp.File("load"), RecordArchive::kLoad);
    EXPECT_EQ(ar.Open(), 0);
    return item.Serialize(ar);
}

TEST(CFiItem, StoredBytes) {
    TempFolder temp;
    CFiItem first(0x01020304, "First");
    EXPECT_EQ(Saved(first, temp), (Bytes{0x04, 0x03, 0x02, 0x01, 0x05, 'F', 'i', 'r', 's', 't'}));

    CFiItem loaded;
    ASSERT_EQ(Loaded(loaded, Saved(first, temp), temp), 0);
    EXPECT_EQ(loaded.FiId(), 0x01020304u);
    EXPECT_STREQ(loaded.GetName(), "First");
    EXPECT_EQ(loaded.ParametersVersion(), 0u);
    EXPECT_TRUE(loaded.Profile().empty());

    // A name of 256 characters keeps 255 instead of becoming empty.
    CFiItem longName(9, std::string(256, 'x').c_str());
    const Bytes bytes = Saved(longName, temp);
    ASSERT_EQ(bytes.size(), 4u + 1u + 255u);
    EXPECT_EQ(bytes[4], 255);
}

TEST(CFiItem, CutRecordLeavesTheItemUnchanged) {
    TempFolder temp;
    const Bytes whole = {7, 0, 0, 0, 3, 'A', 'B', 'C'};
    for (std::size_t length = 0; length < whole.size(); ++length) {
        CFiItem item(1, "Old");
        EXPECT_EQ(Loaded(item, Bytes(whole.begin(), whole.begin() + length), temp), 1);
        EXPECT_EQ(item.FiId(), 1u);
        EXPECT_STREQ(item.GetName(), "Old");
    }
}

TEST(CFiItem, DirectoryParametersByVersion) {
    CFiItem item(7, "Seven");
    EXPECT_EQ(item.OnFiItem(8, 1, "https://a", "O", "F", "102", "A:1"), 54);
    EXPECT_EQ(item.OnFiItem(7, 1, nullptr, "O", "F", "102", "A:1"), 53);
    EXPECT_EQ(item.OnFiItem(7, 1, "", "O", "F", "102", "A:1"), 53);
    EXPECT_EQ(item.ParametersVersion(), 0u);
    EXPECT_EQ(item.OnFiItem(7, 2, "https://a", "O", "F", "102", "A:1"), 0);
    EXPECT_EQ(item.ParametersVersion(), 2u);
    // The same version again changes nothing.
    EXPECT_EQ(item.OnFiItem(7, 2, "https://b", "P", "G", "211", "B:2"), 0);
    EXPECT_EQ(item.Parameter(0), "https://a");
    // A greater version without P3 stores it empty.
    EXPECT_EQ(item.OnFiItem(7, 3, "https://c", "Q", nullptr, "211", "C:3"), 0);
    EXPECT_EQ(item.ParametersVersion(), 3u);
    EXPECT_EQ(item.Parameter(0), "https://c");
    EXPECT_EQ(item.Parameter(2), "");
    EXPECT_EQ(item.Parameter(4), "C:3");

    EXPECT_EQ(item.OnProfile("profile text"), 0);
    EXPECT_EQ(item.Profile(), "profile text");
    const std::uint8_t criteria[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(item.OnPasswordCriteria(criteria), 0);  // nobody waits for them
}

sys::SystemTime Time(std::uint16_t day, std::uint16_t hour, std::uint16_t minute,
                     std::uint16_t second) {
    sys::SystemTime time;
    time.year = 2024, time.month = 3, time.day = day;
    time.hour = hour, time.minute = minute, time.second = second;
    return time;
}

class Progress : public CCVProgress {
  public:
    void Step(std::uint32_t) override { ++steps; }
    bool TakeCancel() override { return cancelAfter >= 0 && steps > cancelAfter; }
    int steps = 0;
    int cancelAfter = -1;
};

// A bank listed in a directory file, at the fake bank.
class FiItemBankTest : public ::testing::Test {
  protected:
    static constexpr std::uint32_t kId = online_testing::BankDirectory::kBankId;

    void SetUp() override {
        m_bank.AddCustomer("alice", "secret1");
        m_bank.AddBankAccount("123456789", "1001", "CHECKING");
        m_bank.AddBankAccount("123456789", "1002", "CD");
        m_bank.AddCardAccount("4111");
        sys::SetTestTime(Time(5, 12, 0, 0));
    }
    void TearDown() override { sys::ClearTestTime(); }

    FakeBank m_bank;
    online_testing::BankDirectory m_directory{m_bank.OfxUrl()};
    const TempFolder& m_temp = m_directory.Folder();
    CFiItem m_item{kId, "Seven"};
};

TEST_F(FiItemBankTest, RefreshFetchesParametersThenProfile) {
    ASSERT_EQ(m_item.Refresh(true), 0) << m_item.GetErrorMessage();
    EXPECT_EQ(m_item.Parameter(0), m_bank.OfxUrl());
    EXPECT_EQ(m_item.Parameter(3), "211");
    EXPECT_NE(m_item.Profile().find("SIGNONINFO"), std::string::npos);
    ASSERT_EQ(m_bank.Requests().size(), 1u);
    EXPECT_NE(m_bank.Requests()[0].find("<USERID>anonymous00000000000000000000000</USERID>"),
              std::string::npos);
    EXPECT_EQ(m_item.LastProfileRefresh(), m_item.LastDirectoryRefresh());

    // Within a day nothing is fetched again unless forced.
    sys::SetTestTime(Time(6, 12, 0, 0));
    ASSERT_EQ(m_item.Refresh(false), 0);
    EXPECT_EQ(m_bank.Requests().size(), 1u);
    sys::SetTestTime(Time(6, 12, 0, 1));
    ASSERT_EQ(m_item.Refresh(false), 0);
    EXPECT_EQ(m_bank.Requests().size(), 2u);
    ASSERT_EQ(m_item.Refresh(true), 0);
    EXPECT_EQ(m_bank.Requests().size(), 3u);
}

TEST_F(FiItemBankTest, RefreshFailuresAreRecorded) {
    CFiItem unknown(99, "Gone");
    EXPECT_EQ(unknown.Refresh(true), -1);
    EXPECT_EQ(unknown.GetErrorCode(), 1168);
    EXPECT_STRNE(unknown.GetErrorMessage(), "");

    m_bank.SetFailure(FakeBank::Failure::kServerError);
    EXPECT_EQ(m_item.Refresh(true), -1);
    EXPECT_EQ(m_item.GetErrorCode(), 12152);
    EXPECT_EQ(m_item.LastProfileRefresh(), 0u);  // only the directory step succeeded
    EXPECT_NE(m_item.LastDirectoryRefresh(), 0u);

    Progress progress;
    progress.cancelAfter = 0;
    m_item.SetProgress(&progress);
    EXPECT_EQ(m_item.Refresh(true), -1);
    EXPECT_EQ(m_item.GetErrorCode(), 1223);
}

TEST_F(FiItemBankTest, AccountInfo) {
    ASSERT_EQ(m_item.Refresh(true), 0);
    Progress progress;
    m_item.SetProgress(&progress);
    CFiAccountsList accounts;
    accounts.SetProgress(&progress);
    // The bank's "CD" account is refused with 54; the accounts before it stay.
    EXPECT_EQ(m_item.GetAccountInfo("alice", "secret1", accounts), -1);
    EXPECT_EQ(m_item.GetErrorCode(), 54);
    ASSERT_EQ(accounts.Count(), 1u);
    EXPECT_STREQ(accounts.At(0)->AccountNumber(), "1001");
    EXPECT_GT(progress.steps, 0);

    CFiAccountsList refused;
    EXPECT_EQ(m_item.GetAccountInfo("alice", "wrong", refused), -1);
    EXPECT_EQ(m_item.GetErrorCode(), 15500);
    EXPECT_EQ(refused.Count(), 0u);

    CFiAccountsList cancelled;
    progress.cancelAfter = 0;
    cancelled.SetProgress(&progress);
    EXPECT_EQ(m_item.GetAccountInfo("alice", "secret1", cancelled), 1223);
}

TEST_F(FiItemBankTest, PasswordCriteriaAndChange) {
    std::uint8_t criteria[CFiItem::kCriteriaSize] = {};
    ASSERT_EQ(m_item.GetPasswordCriteria(criteria), 0) << m_item.GetErrorMessage();
    EXPECT_EQ(Bytes(criteria, criteria + 6), (Bytes{6, 12, 3, 1, 0, 0}));
    const std::uint8_t later[6] = {9, 9, 9, 9, 9, 9};
    EXPECT_EQ(m_item.OnPasswordCriteria(later), 0);  // the target is not kept after the call
    EXPECT_EQ(criteria[0], 6);

    EXPECT_EQ(m_item.ChangePassword("alice", "secret1", "secret2"), 0);
    EXPECT_EQ(m_bank.PasswordOf("alice"), "secret2");
    EXPECT_EQ(m_item.ChangePassword("alice", "secret1", "secret3"), -1);
    EXPECT_EQ(m_item.GetErrorCode(), 15500);

    // A directory that cannot be read: the criteria call fails in its refresh.
    CFidbClient::SetDirectoryLocation(m_temp.File("missing.txt"));
    EXPECT_EQ(m_item.GetPasswordCriteria(criteria), -1);
    EXPECT_EQ(m_item.GetErrorCode(), 2);
}

// Cancels while the statement's second line is delivered: the line before it has reached the
// bank object, the marker and the balance have not.
class CancelAtSecondLine : public CCVProgress {
  public:
    explicit CancelAtSecondLine(const FakeBank& bank) : m_bank(bank) {}
    void Step(std::uint32_t value) override {
        if (value != 2) return;
        const std::vector<std::string> requests = m_bank.Requests();
        m_cancel = !requests.empty() && requests.back().find("STMTRQ>") != std::string::npos;
    }
    bool TakeCancel() override { return m_cancel; }

  private:
    const FakeBank& m_bank;
    bool m_cancel = false;
};

// Statements of the fake bank downloaded into accounts of the data model.
class FiItemStatementTest : public FiItemBankTest {
  protected:
    void SetUp() override {
        FiItemBankTest::SetUp();
        m_bank.AddBankAccount("123456789", "2002", "SAVINGS");
        for (const char* account : {"1001", "2002"}) {
            m_bank.AddLine({account, "20240228", "-42.50", "DEBIT", "Grocer", "", "F1", ""});
            m_bank.AddLine({account, "20240229", "-120", "CHECK", "Landlord", "", "F2", "101"});
            m_bank.AddLine({account, "20240229120000", "1500", "CREDIT", "Payroll", "", "F3", ""});
            m_bank.SetLedgerBalance(account, "2,000.00");
        }
    }

    CCVAccount& OnlineAccount(const char* number, std::uint8_t type = CCVAccount::kChecking) {
        CCVAccount& account = m_accounts.AddAccount(number);
        CCVAccountRecord& record = account.Record();
        record.SetAccountType(type);
        record.SetOnlineEnabled(true);
        record.SetFiId(kId);
        record.SetCustomerId("alice");
        record.SetRoutingNumber("123456789");
        record.SetAccountNumber(number);
        return account;
    }
    int Download(CCVAccount& account, CCVTxnList* list, CCVProgress* progress = nullptr,
                 const char* password = "secret1") {
        return m_item.GetStatement(progress, account, password, list);
    }
    bool LastRequestHas(const char* text) const {
        return m_bank.Requests().back().find(text) != std::string::npos;
    }
    static DateTime Day(const char* date) { return COfxClient::OfxDateTimeToPalmDateTime(date); }

    register_fixture::TestAccountList m_accounts;
    CCVTxnList m_downloaded;
};

TEST_F(FiItemStatementTest, NewAccountTakesTheStatementThenOnlyLinesAfterTheMarker) {
    CCVAccount& account = OnlineAccount("1001");
    ASSERT_EQ(Download(account, &m_downloaded), 0) << m_item.GetErrorMessage();
    EXPECT_TRUE(LastRequestHas("<BANKID>123456789") && LastRequestHas("<ACCTTYPE>CHECKING"));
    EXPECT_FALSE(LastRequestHas("<DTSTART>"));  // the first download asks for everything
    ASSERT_EQ(m_downloaded.Count(), 3u);
    const CTransaction* check = m_downloaded.At(1);
    EXPECT_EQ(check->GetCheckNumber(), 101u);
    EXPECT_EQ(check->GetDate(), Day("20240229"));
    EXPECT_EQ(check->GetOnlineOrigin(), CTransaction::kAwaitingReview);
    // The bank's ledger balance becomes the cleared balance of an account that held nothing.
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 200000);
    EXPECT_EQ(account.Record().GetBeginningBalance(), 200000 - 133750);
    EXPECT_EQ(account.Record().GetDownloadMarker(), "20240301120000");
    EXPECT_NE(account.Record().GetChangeBits() & (1u << CCVAccountRecord::kChangeDownloadMarker),
              0u);

    // Again at once: the bank is asked from the marker on and nothing comes in twice.
    CCVTxnList again;
    ASSERT_EQ(Download(account, &again), 0);
    EXPECT_TRUE(LastRequestHas("<DTSTART>20240301120000"));
    EXPECT_EQ(again.Count(), 0u);
    EXPECT_EQ(account.Transactions().Count(), 3u);

    // A later line comes alone; the account is no longer new, so the bank's balance is not taken.
    m_bank.AddLine({"1001", "20240302", "-10", "ATM", "Cash", "", "F4", ""});
    m_bank.SetServerTime("20240303120000");
    m_bank.SetLedgerBalance("1001", "5.00");
    ASSERT_EQ(Download(account, &again), 0);
    ASSERT_EQ(again.Count(), 1u);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 199000);
    EXPECT_EQ(account.Record().GetDownloadMarker(), "20240303120000");

    // Between downloads the callbacks have no account, and the account keeps no reference to the
    // run's list.
    EXPECT_EQ(m_item.OnTransaction("20240304", "-1", "DEBIT", "", "X", "", "F5"), -1);
    EXPECT_EQ(m_item.OnDownloadMarker("20240304"), -1);
    EXPECT_EQ(m_item.OnLedgerBalance("1.00"), -1);
    EXPECT_EQ(account.AddDownloadedLine(Day("20240304"), "-1", "DEBIT", "", "X", "", "F5"), 0);
    EXPECT_EQ(again.Count(), 1u);
}

TEST_F(FiItemStatementTest, LinesAreMatchedWithEnteredTransactionsAndCardsHaveNoRouting) {
    using register_fixture::Txn;
    using register_fixture::Type;
    CCVAccount& account = OnlineAccount("2002", CCVAccount::kSavings);
    auto groceries = Txn(Day("20240227"), 4250, Type::kTypeWithdrawal, "groceries");
    auto otherCheck = Txn(Day("20240229"), 12000, Type::kTypeCheck, "rent");
    otherCheck->SetCheckNumber(102);
    const CTransaction* entered = groceries.get();
    const CTransaction* entered102 = otherCheck.get();
    account.AddTransaction(std::move(groceries));
    account.AddTransaction(std::move(otherCheck));

    ASSERT_EQ(Download(account, &m_downloaded), 0) << m_item.GetErrorMessage();
    EXPECT_TRUE(LastRequestHas("<ACCTTYPE>SAVINGS"));
    const CTransaction* debit = m_downloaded.At(0);
    EXPECT_EQ(debit->GetMatchedTransactionId(), entered->GetTransactionId());
    EXPECT_EQ(entered->GetMatchedTransactionId(), debit->GetTransactionId());
    EXPECT_TRUE(entered102->GetMatchedTransactionId().IsNull());  // another check number
    EXPECT_EQ(account.GetMatchedCount(), 1);
    // The account held transactions: the bank's balance is not taken.
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 133750);

    // A credit card is asked for by its number alone, whatever routing number the record holds.
    m_bank.AddLine({"4111", "20240229", "-25.00", "DEBIT", "Diner", "", "C1", ""});
    m_bank.SetLedgerBalance("4111", "-25.00");
    CCVAccount& card = OnlineAccount("4111", CCVAccount::kCredit);
    ASSERT_EQ(Download(card, nullptr), 0) << m_item.GetErrorMessage();
    EXPECT_TRUE(LastRequestHas("<CCSTMTRQ>"));
    EXPECT_FALSE(LastRequestHas("<BANKID>"));
    EXPECT_EQ(card.GetBalance(CCVAccount::kBalanceCleared), -2500);
}

TEST_F(FiItemStatementTest, FailuresLeaveTheAccountAsItWas) {
    CCVAccount& account = OnlineAccount("1001");
    const CCVAccountRecord before = account.Record();
    Progress cancelAtOnce;
    cancelAtOnce.cancelAfter = 0;
    CancelAtSecondLine cancelAtSecondLine(m_bank);
    struct Case {
        FakeBank::Failure failure;
        const char* password;
        CCVProgress* progress;
        int code;
    };
    const std::vector<Case> cases = {
        {FakeBank::Failure::kNone, "wrong", nullptr, 15500},
        {FakeBank::Failure::kUnknownAccount, "secret1", nullptr, 2003},
        {FakeBank::Failure::kMalformedReply, "secret1", nullptr, 53},
        {FakeBank::Failure::kDroppedConnection, "secret1", nullptr, 12031},
        {FakeBank::Failure::kNone, "secret1", &cancelAtOnce, 1223},
        {FakeBank::Failure::kNone, "secret1", &cancelAtSecondLine, 1223},
    };
    for (const Case& c : cases) {
        m_bank.SetFailure(c.failure, "STMTRQ>");
        EXPECT_EQ(Download(account, &m_downloaded, c.progress, c.password), -1);
        EXPECT_EQ(m_item.GetErrorCode(), c.code);
        EXPECT_EQ(account.Transactions().Count() + m_downloaded.Count(), 0u) << c.code;
        EXPECT_EQ(m_accounts.lookUps.Count(), 0u) << c.code;
        EXPECT_TRUE(account.Record() == before) << c.code;
    }
    // Still new for the download that then succeeds, the account takes the bank's balance.
    m_bank.SetFailure(FakeBank::Failure::kNone);
    ASSERT_EQ(Download(account, &m_downloaded), 0);
    EXPECT_EQ(account.Transactions().Count(), 3u);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 200000);
}

}  // namespace
