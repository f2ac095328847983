// The OFX client against the fake bank: every call in both OFX forms, the statement marker,
// each class of failure, cancellation, and the real banks' replies.
#include "ofx/COfxClient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "ofx/OfxTransport.h"
#include "storage/ReadOnlyMemoryStream.h"
#include "support/FakeBank.h"
#include "support/TempFolder.h"

namespace {

using testing_support::FakeBank;

constexpr const char* kAnonymous = "anonymous00000000000000000000000";
constexpr const char* kApp = "CVAL:0100";

std::string Sample(const std::string& name) {
    const auto bytes = testing_support::ReadBytes(std::string(COINVALE_OFX_SAMPLES) + name);
    return std::string(bytes.begin(), bytes.end());
}

// Records every callback as a line of text, in order.
class Recorder : public COfxClient::MGetProfileEventHandler,
                 public COfxClient::MGetAccountInfoEventHandler,
                 public COfxClient::MGetStatementEventHandler,
                 public COfxClient::MChangePasswordEventHandler,
                 public COfxClient::MGetPasswordCriteriaEventHandler {
  public:
    bool OnProgress(std::uint32_t) override {
        ++progressCalls;
        return (goOnFor < 0 || progressCalls <= goOnFor) && events.size() < stopAfterEvents;
    }
    int OnProfile(const char* profile) override {
        this->profile = profile;
        return Event("profile");
    }
    int OnBankAccount(const char* routing, const char* account, const char* type) override {
        return Event(std::string("bank ") + routing + " " + account + " " + type);
    }
    int OnCreditCardAccount(const char* account) override {
        return Event(std::string("card ") + account);
    }
    int OnStatementInfo(const char* currency, const char* account) override {
        return Event(std::string("info ") + currency + " " + account);
    }
    int OnTransaction(const char* date, const char* amount, const char* type, const char* check,
                      const char* payee, const char* memo, const char* id) override {
        return Event(std::string("line ") + date + "|" + amount + "|" + type + "|" + check + "|" +
                     payee + "|" + memo + "|" + id);
    }
    int OnDownloadMarker(const char* marker) override {
        this->marker = marker;
        return Event(std::string("marker ") + marker);
    }
    int OnLedgerBalance(const char* amount) override {
        return Event(std::string("balance ") + amount);
    }
    int OnPasswordCriteria(const std::uint8_t* bytes) override {
        criteria.assign(bytes, bytes + 6);
        return 1;
    }

    int Event(const std::string& event) {
        events.push_back(event);
        return events.size() == refuseAt ? refusal : 0;
    }

    std::vector<std::string> events;
    std::string profile;
    std::string marker;
    std::vector<std::uint8_t> criteria;
    int progressCalls = 0;
    int goOnFor = -1;                        // OnProgress answers false after this many calls
    std::size_t stopAfterEvents = SIZE_MAX;  // ... or once this many callbacks came
    std::size_t refuseAt = 0;                // the callback with this number answers `refusal`
    int refusal = 54;
};

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class OfxClientTest : public ::testing::TestWithParam<const char*> {
  protected:
    void SetUp() override {
        ofx::OfxTransportSettings settings;
        settings.connectTimeoutMs = 1000;
        settings.timeoutMs = 2000;
        ofx::OfxTransport::SetSettings(settings);
        m_bank.AddCustomer("alice", "secret1");
        m_bank.AddBankAccount("123456789", "1001", "CHECKING");
        m_bank.AddBankAccount("123456789", "1002", "SAVINGS");
        m_bank.AddCardAccount("4111");
        m_bank.AddLine({"1001", "20240215", "-1,234.56", "DEBIT", "Landlord", "Rent", "T1", ""});
        m_bank.AddLine(
            {"1001", "20240220120000.000[-5:EST]", "+5", "credit", "Interest", "", "T2", ""});
        m_bank.AddLine({"1001", "20240225", "-42.50", "CHECK", "", "", "T3", "0123"});
        m_bank.AddLine({"4111", "20240226", "-9.99", "DEBIT", "Books", "", "C1", ""});
        m_bank.SetLedgerBalance("1001", "2,000.00");
        m_url = m_bank.OfxUrl();
    }
    void TearDown() override { ofx::OfxTransport::SetSettings({}); }

    bool Statement(COfxClient& client, Recorder& r, const char* routing, const char* account,
                   const char* type, const char* marker, const char* password = "secret1") {
        return client.GetStatement("alice", password, m_url.c_str(), "FAKE", "1234", GetParam(),
                                   kApp, "", routing, account, type, marker, r);
    }

    FakeBank m_bank;
    std::string m_url;
};

INSTANTIATE_TEST_SUITE_P(BothForms, OfxClientTest, ::testing::Values("102", "211"));

TEST_P(OfxClientTest, ProfileAndPasswordCriteria) {
    COfxClient client;
    Recorder r;
    ASSERT_TRUE(client.GetProfile(kAnonymous, kAnonymous, m_url.c_str(), "FAKE", "1234", GetParam(),
                                  kApp, "", r, true))
        << client.ErrorMessage();
    EXPECT_EQ(r.events, std::vector<std::string>{"profile"});
    EXPECT_GT(r.progressCalls, 0);
    const std::string request = m_bank.Requests().at(0);
    EXPECT_TRUE(Has(request, "<PROFRQ>"));
    EXPECT_TRUE(Has(request, std::string("<USERID>") + kAnonymous));

    // The rules of the banking realm, not of the first realm listed.
    ReadOnlyMemoryStream stream(r.profile.data(), static_cast<std::uint32_t>(r.profile.size()));
    Recorder criteria;
    ASSERT_TRUE(client.GetPasswordCriteria(stream, criteria)) << client.ErrorMessage();
    EXPECT_EQ(criteria.criteria, (std::vector<std::uint8_t>{6, 12, 3, 1, 0, 0}));
    EXPECT_EQ(m_bank.Requests().size(), 1u);  // no connection for the criteria
}

TEST_P(OfxClientTest, AccountsInTheOrderOfTheReply) {
    COfxClient client;
    Recorder r;
    ASSERT_TRUE(client.GetAccountInfo("alice", "secret1", m_url.c_str(), "FAKE", "1234", GetParam(),
                                      kApp, "", r))
        << client.ErrorMessage();
    EXPECT_EQ(r.events, (std::vector<std::string>{"bank 123456789 1001 CHECKING",
                                                  "bank 123456789 1002 SAVINGS", "card 4111"}));
    // A refused account ends the call with the handler's answer; the ones before it stay.
    Recorder refusing;
    refusing.refuseAt = 2;
    EXPECT_FALSE(client.GetAccountInfo("alice", "secret1", m_url.c_str(), "FAKE", "1234",
                                       GetParam(), kApp, "", refusing));
    EXPECT_EQ(client.Error(), 54);
    EXPECT_EQ(refusing.events.size(), 2u);
}

TEST_P(OfxClientTest, StatementFromTheMarkerOn) {
    COfxClient client;
    Recorder first;
    ASSERT_TRUE(Statement(client, first, "123456789", "1001", "CHECKING", ""))
        << client.ErrorMessage();
    EXPECT_EQ(first.events, (std::vector<std::string>{
                                "info USD 1001", "line 20240215000000|-1234.56|DEBIT||Landlord|Rent|T1",
                                "line 20240220120000|5|CREDIT||Interest||T2",
                                "line 20240225000000|-42.50|CHECK|0123|||T3", "marker 20240301120000",
                                "balance 2000.00"}));
    EXPECT_FALSE(Has(m_bank.Requests().back(), "<DTSTART>"));

    // Only the lines after the marker come the next time.
    m_bank.AddLine({"1001", "20240305", "-7", "ATM", "Cash", "", "T4", ""});
    m_bank.SetServerTime("20240310080000");
    Recorder next;
    ASSERT_TRUE(Statement(client, next, "123456789", "1001", "CHECKING", first.marker.c_str()));
    EXPECT_EQ(next.events,
              (std::vector<std::string>{"info USD 1001", "line 20240305000000|-7|ATM||Cash||T4",
                                        "marker 20240310080000", "balance 2000.00"}));
    EXPECT_TRUE(Has(m_bank.Requests().back(), "<DTSTART>20240301120000"));

    // A marker that is no date asks for everything again.
    Recorder again;
    ASSERT_TRUE(Statement(client, again, "123456789", "1001", "CHECKING", "garbage"));
    EXPECT_FALSE(Has(m_bank.Requests().back(), "<DTSTART>"));
    EXPECT_EQ(again.events.size(), 7u);
}

TEST_P(OfxClientTest, CreditCardStatementWithoutRoutingNumber) {
    COfxClient client;
    Recorder r;
    ASSERT_TRUE(Statement(client, r, "", "4111", "", "")) << client.ErrorMessage();
    EXPECT_TRUE(Has(m_bank.Requests().back(), "<CCSTMTRQ>"));
    EXPECT_EQ(r.events,
              (std::vector<std::string>{"info USD 4111", "line 20240226000000|-9.99|DEBIT||Books||C1",
                                        "marker 20240301120000"}));
}

TEST_P(OfxClientTest, PasswordChange) {
    COfxClient client;
    Recorder r;
    ASSERT_TRUE(client.ChangePassword("alice", "secret1", "n&w<2>", m_url.c_str(), "FAKE", "1234",
                                      GetParam(), kApp, "", r))
        << client.ErrorMessage();
    EXPECT_EQ(m_bank.PasswordOf("alice"), "n&w<2>");
    EXPECT_FALSE(client.ChangePassword("alice", "secret1", "other", m_url.c_str(), "FAKE", "1234",
                                       GetParam(), kApp, "", r));
    EXPECT_EQ(client.Error(), 15500);
    EXPECT_EQ(m_bank.PasswordOf("alice"), "n&w<2>");
}

TEST_P(OfxClientTest, BankErrorsArePassedOn) {
    COfxClient client;
    Recorder r;
    EXPECT_FALSE(Statement(client, r, "123456789", "1001", "CHECKING", "", "wrong"));
    EXPECT_EQ(client.Error(), 15500);
    EXPECT_STREQ(client.ErrorMessage(), "Invalid user ID or password");
    EXPECT_FALSE(Statement(client, r, "123456789", "9999", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 2003);
    m_bank.SetFailure(FakeBank::Failure::kUnknownAccount);
    EXPECT_FALSE(Statement(client, r, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 2003);
    m_bank.SetFailure(FakeBank::Failure::kWrongPassword);
    EXPECT_FALSE(client.GetAccountInfo("alice", "secret1", m_url.c_str(), "FAKE", "1234",
                                       GetParam(), kApp, "", r));
    EXPECT_EQ(client.Error(), 15500);
    EXPECT_TRUE(r.events.empty());
}

TEST_P(OfxClientTest, TransportFailures) {
    COfxClient client;
    Recorder r;
    m_bank.SetFailure(FakeBank::Failure::kMalformedReply);
    EXPECT_FALSE(Statement(client, r, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 53);
    m_bank.SetFailure(FakeBank::Failure::kDroppedConnection);
    EXPECT_FALSE(Statement(client, r, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 12031);
    m_bank.SetFailure(FakeBank::Failure::kServerError);
    EXPECT_FALSE(Statement(client, r, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 12152);
    EXPECT_TRUE(Has(client.ErrorMessage(), "500"));

    ofx::OfxTransportSettings settings;
    settings.timeoutMs = 300;
    ofx::OfxTransport::SetSettings(settings);
    m_bank.SetFailure(FakeBank::Failure::kSlowReply);
    EXPECT_FALSE(Statement(client, r, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 12002);
    EXPECT_TRUE(r.events.empty());
}

TEST_P(OfxClientTest, CancelledThroughOnProgress) {
    COfxClient client;
    Recorder before;
    before.goOnFor = 0;
    EXPECT_FALSE(Statement(client, before, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 1223);
    EXPECT_TRUE(m_bank.Requests().empty());

    // During a slow transfer: the call ends at once, not when the reply comes.
    m_bank.SetFailure(FakeBank::Failure::kSlowReply);
    m_bank.SetSlowReplyMs(1500);
    Recorder during;
    during.goOnFor = 1;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(Statement(client, during, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 1223);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(1200));

    // While the lines are handed over: the lines before stay, the marker does not move.
    m_bank.SetFailure(FakeBank::Failure::kNone);
    Recorder cancelling;
    cancelling.stopAfterEvents = 2;
    EXPECT_FALSE(Statement(client, cancelling, "123456789", "1001", "CHECKING", ""));
    EXPECT_EQ(client.Error(), 1223);
    EXPECT_EQ(cancelling.events.size(), 2u);  // the info and the first line
    EXPECT_TRUE(cancelling.marker.empty());
}

TEST(OfxClient, AddressesAndConnections) {
    ofx::OfxTransportSettings settings;
    settings.connectTimeoutMs = 1000;
    settings.timeoutMs = 2000;
    ofx::OfxTransport::SetSettings(settings);
    COfxClient client;
    Recorder r;
    const auto statement = [&](const char* url) {
        return client.GetStatement("alice", "pw", url, "", "", "", "", "", "", "1", "", "", r);
    };
    // Plain HTTP only to this machine: nothing is sent to another host.
    EXPECT_FALSE(statement("http://bank.example/ofx"));
    EXPECT_EQ(client.Error(), 12006);
    EXPECT_FALSE(statement("ftp://127.0.0.1/ofx"));
    EXPECT_EQ(client.Error(), 12006);
    EXPECT_FALSE(statement("not a url"));
    EXPECT_EQ(client.Error(), 12005);
    EXPECT_FALSE(statement(""));
    EXPECT_EQ(client.Error(), 12005);
    EXPECT_FALSE(statement("http://127.example.com/ofx"));  // a name, not this machine
    EXPECT_EQ(client.Error(), 12006);

    // No server listening.
    std::string closed;
    {
        FakeBank gone;
        closed = gone.OfxUrl();
    }
    EXPECT_FALSE(statement(closed.c_str()));
    EXPECT_EQ(client.Error(), 12029);

    // An HTTPS server that does not speak TLS, and a machine without a usable CA store.
    FakeBank plain;
    std::string https = plain.OfxUrl();
    https.replace(0, 4, "https");
    EXPECT_FALSE(statement(https.c_str()));
    EXPECT_EQ(client.Error(), 12157);
    settings.caFile = "/nonexistent/ca.pem";
    ofx::OfxTransport::SetSettings(settings);
    EXPECT_FALSE(statement(https.c_str()));
    EXPECT_EQ(client.Error(), 20000);
    ofx::OfxTransport::SetSettings({});

    // A statement needs an account number, and a bank account its type.
    EXPECT_FALSE(
        client.GetStatement("a", "p", "https://x", "", "", "", "", "", "1", "", "T", "", r));
    EXPECT_EQ(client.Error(), 2003);
    EXPECT_FALSE(
        client.GetStatement("a", "p", "https://x", "", "", "", "", "", "1", "2", "", "", r));
    EXPECT_EQ(client.Error(), 2003);
}

// The real banks' replies, handed to the statement call.
class RecordedReplyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ofx::OfxTransportSettings settings;
        settings.timeoutMs = 2000;
        ofx::OfxTransport::SetSettings(settings);
    }
    void TearDown() override { ofx::OfxTransport::SetSettings({}); }

    bool Statement(const std::string& sample, bool card = false) {
        m_bank.SetCannedReply(Sample(sample));
        const std::string url = m_bank.OfxUrl();
        m_recorder = Recorder();
        return m_client.GetStatement("u", "p", url.c_str(), "", "", "", "", "", card ? "" : "1",
                                     "2", card ? "" : "CHECKING", "", m_recorder);
    }

    FakeBank m_bank;
    COfxClient m_client;
    Recorder m_recorder;
};

TEST_F(RecordedReplyTest, StatementsOfRealBanks) {
    ASSERT_TRUE(Statement("checking.ofx")) << m_client.ErrorMessage();
    ASSERT_EQ(m_recorder.events.size(), 6u);
    EXPECT_EQ(m_recorder.events[0], "info USD 1452687~7");
    EXPECT_EQ(m_recorder.events[3],
              "line 20110407120000|-25.00|CHECK|319|RETURNED CHECK FEE, CHECK # 319|"
              "RETURNED CHECK FEE, CHECK # 319 FOR $45.33 ON 04/07/11|0000488");
    EXPECT_EQ(m_recorder.events[4], "marker 20130525060000.000");
    EXPECT_EQ(m_recorder.events[5], "balance 100.99");

    ASSERT_TRUE(Statement("bank_medium.ofx")) << m_client.ErrorMessage();
    EXPECT_EQ(m_recorder.events[2],
              "line 20090402122017|-316.67|CHECK|0|Joe's Bald Hairstyles|"
              "MISCELLANEOUS PAYMENTS;Joe's Bald Hairstyles|0000123456782009040200004");

    ASSERT_TRUE(Statement("anzcc.ofx", true)) << m_client.ErrorMessage();
    EXPECT_EQ(m_recorder.events.back(), "balance -123.45");

    // A mixed-case type, empty ids and an empty balance: no balance is handed over.
    ASSERT_TRUE(Statement("ofx-v102-empty-tags.ofx")) << m_client.ErrorMessage();
    EXPECT_EQ(m_recorder.events, (std::vector<std::string>{
                                     "info  12345678", "line 20180507000000|12.34|CREDIT|||CBA:Transfer|",
                                     "marker 20180804"}));
    ASSERT_TRUE(Statement("failnice_empty_balance.ofx")) << m_client.ErrorMessage();
    EXPECT_EQ(m_recorder.events.back(), "marker 20110614");
}

TEST_F(RecordedReplyTest, DamagedStatementsDeliverNothing) {
    EXPECT_FALSE(Statement("failnice_date_missing.ofx"));
    EXPECT_EQ(m_client.Error(), 54);
    EXPECT_TRUE(Has(m_client.ErrorMessage(), "184997056"));
    EXPECT_TRUE(m_recorder.events.empty());
    EXPECT_FALSE(Statement("failnice_decimal_error.ofx"));
    EXPECT_EQ(m_client.Error(), 54);
    EXPECT_TRUE(m_recorder.events.empty());
}

TEST_F(RecordedReplyTest, ErrorsOfRealBanks) {
    EXPECT_FALSE(Statement("error_message.ofx"));
    EXPECT_EQ(m_client.Error(), 2000);
    EXPECT_STREQ(m_client.ErrorMessage(), "General Server Error");
    EXPECT_FALSE(Statement("signon_fail.ofx"));
    EXPECT_EQ(m_client.Error(), 15500);
    EXPECT_TRUE(Has(m_client.ErrorMessage(), "invalid identification code"));
    // An investment statement is not the statement asked for.
    EXPECT_FALSE(Statement("vanguard.ofx"));
    EXPECT_EQ(m_client.Error(), 53);
    EXPECT_TRUE(Has(m_client.ErrorMessage(), "STMTTRNRS"));
}

TEST(OfxClient, CriteriaFromProfilesWithoutRules) {
    COfxClient client;
    Recorder r;
    ReadOnlyMemoryStream empty(nullptr, 0);
    EXPECT_FALSE(client.GetPasswordCriteria(empty, r));
    EXPECT_EQ(client.Error(), 53);
    const std::string noRules =
        "<OFX><PROFMSGSRSV1><PROFTRNRS><PROFRS></PROFRS></PROFTRNRS>"
        "</PROFMSGSRSV1></OFX>";
    ReadOnlyMemoryStream stream(noRules.data(), static_cast<std::uint32_t>(noRules.size()));
    EXPECT_FALSE(client.GetPasswordCriteria(stream, r));
    EXPECT_EQ(client.Error(), 53);
    // Rules the bank leaves out impose nothing.
    const std::string loose =
        "<OFX><PROFMSGSRSV1><PROFTRNRS><PROFRS><SIGNONINFOLIST><SIGNONINFO>"
        "<MAX>999<CHARTYPE>ALPHAORNUMERIC</SIGNONINFO></SIGNONINFOLIST>"
        "</PROFRS></PROFTRNRS></PROFMSGSRSV1></OFX>";
    ReadOnlyMemoryStream looseStream(loose.data(), static_cast<std::uint32_t>(loose.size()));
    ASSERT_TRUE(client.GetPasswordCriteria(looseStream, r));
    EXPECT_EQ(r.criteria, (std::vector<std::uint8_t>{1, 255, 2, 0, 1, 1}));
}

}  // namespace
