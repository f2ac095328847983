#pragma once

#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace testing_support {

// A bank's OFX server on 127.0.0.1, at a port chosen when it starts, for the tests of the
// online-banking code. It answers in the form of the request (OFX 1.x SGML with unclosed leaf
// tags, or OFX 2.x XML): the profile with its password rules, the account list, bank and credit
// card statements from the requested start on with the ledger balance, and password changes;
// it also serves an institution directory. On request it fails: wrong password, unknown account,
// a reply cut short, a slow reply, a dropped connection, an HTTP error. It never prints what it
// receives.
class FakeBank {
  public:
    enum class Failure {
        kNone,
        kWrongPassword,      // every sign-on is refused with 15500
        kUnknownAccount,     // every statement request is answered with 2003
        kMalformedReply,     // the reply stops in the middle
        kSlowReply,          // the reply comes after SetSlowReplyMs
        kDroppedConnection,  // the connection closes in the middle of the reply
        kServerError,        // HTTP status 500
    };

    struct Line {
        std::string account;
        std::string posted;  // an OFX date
        std::string amount;
        std::string type;
        std::string name;
        std::string memo;
        std::string id;
        std::string checkNumber;
    };

    struct PasswordRules {
        int minimum = 6;
        int maximum = 12;
        std::string characters = "ALPHAANDNUMERIC";
        bool caseSensitive = true;
        bool special = false;
        bool spaces = false;
    };

    FakeBank();
    ~FakeBank();
    FakeBank(const FakeBank&) = delete;
    FakeBank& operator=(const FakeBank&) = delete;

    std::string OfxUrl() const;
    std::string DirectoryUrl() const;

    void AddCustomer(const std::string& id, const std::string& password);
    void AddBankAccount(const std::string& routing, const std::string& account,
                        const std::string& type);
    void AddCardAccount(const std::string& account);
    void AddLine(const Line& line);
    void SetLedgerBalance(const std::string& account, const std::string& balance);
    void SetServerTime(const std::string& time);  // DTSERVER and the statements' DTEND
    void SetPasswordRules(const PasswordRules& rules);
    void SetDirectory(const std::string& text);
    // With `onlyFor`, only the requests containing that text fail (say "STMTRQ>": the statement
    // requests, not the profile request before them).
    void SetFailure(Failure failure, const std::string& onlyFor = "");
    void SetSlowReplyMs(int milliseconds);
    // Every OFX request gets this reply (a bank's recorded reply); empty: the bank answers.
    void SetCannedReply(const std::string& reply);

    // The bodies of the requests received so far.
    std::vector<std::string> Requests() const;
    std::string PasswordOf(const std::string& customer) const;

  private:
    struct Account {
        std::string routing;  // empty for a credit card
        std::string account;
        std::string type;
    };

    void HandleOfx(const httplib::Request& request, httplib::Response& response);
    Failure FailureFor(const std::string& request) const;
    std::string Reply(const std::string& request);
    std::string SignOn(bool xml, int code) const;
    std::string Profile(bool xml) const;
    std::string AccountList(bool xml) const;
    std::string Statement(bool xml, const std::string& request) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_stopping;
    bool m_stopped = false;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    int m_port = 0;

    std::map<std::string, std::string> m_customers;
    std::vector<Account> m_accounts;
    std::vector<Line> m_lines;
    std::map<std::string, std::string> m_balances;
    std::string m_serverTime = "20240301120000";
    PasswordRules m_rules;
    std::string m_directory;
    Failure m_failure = Failure::kNone;
    std::string m_failureOnlyFor;
    int m_slowReplyMs = 1000;
    std::string m_cannedReply;
    std::vector<std::string> m_requests;
};

}  // namespace testing_support
