#include "support/FakeBank.h"

#include <httplib.h>

#include <algorithm>
#include <chrono>

namespace testing_support {

namespace {

constexpr const char* kHost = "127.0.0.1";
constexpr const char* kOfxType = "application/x-ofx";
constexpr int kHttpServerError = 500;
constexpr int kWrongPasswordCode = 15500;
constexpr int kUnknownAccountCode = 2003;
constexpr std::size_t kDateDigits = 14;
constexpr std::size_t kDroppedAfterBytes = 40;

// The value of the first <TAG> of a request, up to the next tag or line end, entities decoded.
std::string Value(const std::string& body, const std::string& tag) {
    const std::string open = "<" + tag + ">";
    const std::size_t at = body.find(open);
    if (at == std::string::npos) return {};
    const std::size_t start = at + open.size();
    const std::size_t end = body.find_first_of("<\r\n", start);
    std::string raw = body.substr(start, end - start);
    std::string value;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        bool replaced = false;
        for (const auto& [entity, c] : {std::pair{"&amp;", '&'}, std::pair{"&lt;", '<'},
                                        std::pair{"&gt;", '>'}, std::pair{"&quot;", '"'}}) {
            if (raw.compare(i, std::string(entity).size(), entity) == 0) {
                value += c;
                i += std::string(entity).size() - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) value += raw[i];
    }
    return value;
}

// Writes replies: SGML leaves have no closing tag, XML ones do.
struct Writer {
    bool xml;
    std::string text;

    Writer& Open(const std::string& tag) {
        text += "<" + tag + ">\n";
        return *this;
    }
    Writer& Close(const std::string& tag) {
        text += "</" + tag + ">\n";
        return *this;
    }
    Writer& Leaf(const std::string& tag, const std::string& value) {
        text += "<" + tag + ">" + value + (xml ? "</" + tag + ">" : std::string()) + "\n";
        return *this;
    }
    Writer& Status(int code, const std::string& message = {}) {
        Open("STATUS").Leaf("CODE", std::to_string(code));
        Leaf("SEVERITY", code == 0 ? "INFO" : "ERROR");
        if (!message.empty()) Leaf("MESSAGE", message);
        return Close("STATUS");
    }
};

std::string Document(bool xml, const std::string& body) {
    if (xml) {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               "<?OFX OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\" OLDFILEUID=\"NONE\" "
               "NEWFILEUID=\"NONE\"?>\n<OFX>\n" +
               body + "</OFX>\n";
    }
    return "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\n"
           "CHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n<OFX>\n" +
           body + "</OFX>\n";
}

std::string Padded(std::string date) {
    date = date.substr(0, std::min(date.find_first_not_of("0123456789"), date.size()));
    date.resize(kDateDigits, '0');
    return date;
}

}  // namespace

FakeBank::FakeBank() : m_server(std::make_unique<httplib::Server>()) {
    m_server->Post("/ofx", [this](const httplib::Request& request, httplib::Response& response) {
        HandleOfx(request, response);
    });
    m_server->Get("/directory", [this](const httplib::Request&, httplib::Response& response) {
        std::lock_guard lock(m_mutex);
        response.set_content(m_directory, "text/plain");
    });
    m_port = m_server->bind_to_any_port(kHost);
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    // Stopping a server that has not begun to listen would leave it listening for ever.
    while (m_port > 0 && !m_server->is_running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

FakeBank::~FakeBank() {
    {
        std::lock_guard lock(m_mutex);
        m_stopped = true;
    }
    m_stopping.notify_all();
    m_server->stop();
    m_thread.join();
}

std::string FakeBank::OfxUrl() const {
    return "http://" + std::string(kHost) + ":" + std::to_string(m_port) + "/ofx";
}

std::string FakeBank::DirectoryUrl() const {
    return "http://" + std::string(kHost) + ":" + std::to_string(m_port) + "/directory";
}

void FakeBank::AddCustomer(const std::string& id, const std::string& password) {
    std::lock_guard lock(m_mutex);
    m_customers[id] = password;
}

void FakeBank::AddBankAccount(const std::string& routing, const std::string& account,
                              const std::string& type) {
    std::lock_guard lock(m_mutex);
    m_accounts.push_back({routing, account, type});
}

void FakeBank::AddCardAccount(const std::string& account) {
    std::lock_guard lock(m_mutex);
    m_accounts.push_back({{}, account, {}});
}

void FakeBank::AddLine(const Line& line) {
    std::lock_guard lock(m_mutex);
    m_lines.push_back(line);
}

void FakeBank::SetLedgerBalance(const std::string& account, const std::string& balance) {
    std::lock_guard lock(m_mutex);
    m_balances[account] = balance;
}

void FakeBank::SetServerTime(const std::string& time) {
    std::lock_guard lock(m_mutex);
    m_serverTime = time;
}

void FakeBank::SetPasswordRules(const PasswordRules& rules) {
    std::lock_guard lock(m_mutex);
    m_rules = rules;
}

void FakeBank::SetDirectory(const std::string& text) {
    std::lock_guard lock(m_mutex);
    m_directory = text;
}

void FakeBank::SetFailure(Failure failure, const std::string& onlyFor) {
    std::lock_guard lock(m_mutex);
    m_failure = failure;
    m_failureOnlyFor = onlyFor;
}

FakeBank::Failure FakeBank::FailureFor(const std::string& request) const {
    const bool applies =
        m_failureOnlyFor.empty() || request.find(m_failureOnlyFor) != std::string::npos;
    return applies ? m_failure : Failure::kNone;
}

void FakeBank::SetSlowReplyMs(int milliseconds) {
    std::lock_guard lock(m_mutex);
    m_slowReplyMs = milliseconds;
}

void FakeBank::SetCannedReply(const std::string& reply) {
    std::lock_guard lock(m_mutex);
    m_cannedReply = reply;
}

std::vector<std::string> FakeBank::Requests() const {
    std::lock_guard lock(m_mutex);
    return m_requests;
}

std::string FakeBank::PasswordOf(const std::string& customer) const {
    std::lock_guard lock(m_mutex);
    const auto it = m_customers.find(customer);
    return it == m_customers.end() ? std::string() : it->second;
}

void FakeBank::HandleOfx(const httplib::Request& request, httplib::Response& response) {
    std::unique_lock lock(m_mutex);
    m_requests.push_back(request.body);
    const Failure failure = FailureFor(request.body);
    switch (failure) {
        case Failure::kServerError:
            response.status = kHttpServerError;
            return;
        case Failure::kSlowReply:
            // Waits, unless the bank is being stopped, so no test waits for the whole delay.
            m_stopping.wait_for(lock, std::chrono::milliseconds(m_slowReplyMs),
                                [this] { return m_stopped; });
            break;
        case Failure::kDroppedConnection: {
            const std::string reply = Reply(request.body);
            response.set_content_provider(
                reply.size(), kOfxType, [reply](std::size_t, std::size_t, httplib::DataSink& sink) {
                    sink.write(reply.data(), kDroppedAfterBytes);
                    return false;  // the connection closes here
                });
            return;
        }
        default:
            break;
    }
    std::string reply = Reply(request.body);
    if (failure == Failure::kMalformedReply) reply.resize(reply.size() / 2);
    response.set_content(reply, kOfxType);
}

std::string FakeBank::Reply(const std::string& request) {
    if (!m_cannedReply.empty()) return m_cannedReply;
    const bool xml = request.find("OFXHEADER:100") == std::string::npos;
    const std::string user = Value(request, "USERID");
    const bool anonymous = request.find("<PROFRQ>") != std::string::npos;
    const auto customer = m_customers.find(user);
    const bool signedOn = FailureFor(request) != Failure::kWrongPassword &&
                          (anonymous || (customer != m_customers.end() &&
                                         customer->second == Value(request, "USERPASS")));
    if (!signedOn) return Document(xml, SignOn(xml, kWrongPasswordCode));
    std::string body = SignOn(xml, 0);
    if (request.find("<PINCHRQ>") != std::string::npos) {
        customer->second = Value(request, "NEWUSERPASS");
        Writer w{xml, {}};
        w.Open("PINCHTRNRS").Leaf("TRNUID", Value(request, "TRNUID")).Status(0);
        w.Open("PINCHRS").Leaf("USERID", user).Close("PINCHRS").Close("PINCHTRNRS");
        // The password change answers inside the sign-on message set.
        const std::size_t end = body.rfind("</SIGNONMSGSRSV1>");
        body.insert(end, w.text);
    }
    if (anonymous) body += Profile(xml);
    if (request.find("<ACCTINFORQ>") != std::string::npos) body += AccountList(xml);
    if (request.find("STMTRQ>") != std::string::npos) body += Statement(xml, request);
    return Document(xml, body);
}

std::string FakeBank::SignOn(bool xml, int code) const {
    Writer w{xml, {}};
    w.Open("SIGNONMSGSRSV1").Open("SONRS");
    w.Status(code, code == 0 ? "" : "Invalid user ID or password");
    w.Leaf("DTSERVER", m_serverTime).Leaf("LANGUAGE", "ENG");
    w.Open("FI").Leaf("ORG", "FAKE").Leaf("FID", "1234").Close("FI");
    w.Close("SONRS").Close("SIGNONMSGSRSV1");
    return w.text;
}

std::string FakeBank::Profile(bool xml) const {
    Writer w{xml, {}};
    w.Open("PROFMSGSRSV1").Open("PROFTRNRS").Leaf("TRNUID", "1").Status(0).Open("PROFRS");
    w.Open("MSGSETLIST").Open("BANKMSGSET").Open("BANKMSGSETV1").Open("MSGSETCORE");
    w.Leaf("VER", "1").Leaf("URL", OfxUrl()).Leaf("OFXSEC", "NONE").Leaf("TRANSPSEC", "Y");
    w.Leaf("SIGNONREALM", "BANKING").Leaf("LANGUAGE", "ENG").Leaf("SYNCMODE", "LITE");
    w.Leaf("RESPFILEER", "N").Close("MSGSETCORE").Close("BANKMSGSETV1").Close("BANKMSGSET");
    w.Close("MSGSETLIST").Open("SIGNONINFOLIST");
    // A realm the banking messages do not use comes first.
    w.Open("SIGNONINFO").Leaf("SIGNONREALM", "BILLPAY").Leaf("MIN", "1").Leaf("MAX", "4");
    w.Leaf("CHARTYPE", "NUMERICONLY").Leaf("CASESEN", "N").Leaf("SPECIAL", "N");
    w.Leaf("SPACES", "N").Leaf("PINCH", "N").Leaf("CHGPINFIRST", "N").Close("SIGNONINFO");
    w.Open("SIGNONINFO").Leaf("SIGNONREALM", "BANKING");
    w.Leaf("MIN", std::to_string(m_rules.minimum)).Leaf("MAX", std::to_string(m_rules.maximum));
    w.Leaf("CHARTYPE", m_rules.characters).Leaf("CASESEN", m_rules.caseSensitive ? "Y" : "N");
    w.Leaf("SPECIAL", m_rules.special ? "Y" : "N").Leaf("SPACES", m_rules.spaces ? "Y" : "N");
    w.Leaf("PINCH", "Y").Leaf("CHGPINFIRST", "N").Close("SIGNONINFO").Close("SIGNONINFOLIST");
    w.Leaf("DTPROFUP", "20240101").Leaf("FINAME", "Fake Bank").Leaf("ADDR1", "1 Main Street");
    w.Leaf("CITY", "Springfield").Leaf("STATE", "ST").Leaf("POSTALCODE", "00000");
    w.Close("PROFRS").Close("PROFTRNRS").Close("PROFMSGSRSV1");
    return w.text;
}

std::string FakeBank::AccountList(bool xml) const {
    Writer w{xml, {}};
    w.Open("SIGNUPMSGSRSV1").Open("ACCTINFOTRNRS").Leaf("TRNUID", "1").Status(0);
    w.Open("ACCTINFORS").Leaf("DTACCTUP", m_serverTime);
    for (const Account& a : m_accounts) {
        w.Open("ACCTINFO").Leaf("DESC", a.type.empty() ? "Card" : a.type);
        if (a.routing.empty()) {
            w.Open("CCACCTINFO").Open("CCACCTFROM").Leaf("ACCTID", a.account).Close("CCACCTFROM");
            w.Leaf("SUPTXDL", "Y").Leaf("XFERSRC", "N").Leaf("XFERDEST", "N");
            w.Leaf("SVCSTATUS", "ACTIVE").Close("CCACCTINFO");
        } else {
            w.Open("BANKACCTINFO").Open("BANKACCTFROM").Leaf("BANKID", a.routing);
            w.Leaf("ACCTID", a.account).Leaf("ACCTTYPE", a.type).Close("BANKACCTFROM");
            w.Leaf("SUPTXDL", "Y").Leaf("XFERSRC", "N").Leaf("XFERDEST", "N");
            w.Leaf("SVCSTATUS", "ACTIVE").Close("BANKACCTINFO");
        }
        w.Close("ACCTINFO");
    }
    w.Close("ACCTINFORS").Close("ACCTINFOTRNRS").Close("SIGNUPMSGSRSV1");
    return w.text;
}

std::string FakeBank::Statement(bool xml, const std::string& request) const {
    const bool card = request.find("<CCSTMTRQ>") != std::string::npos;
    const std::string account = Value(request, "ACCTID");
    const std::string start = Value(request, "DTSTART");
    const bool known = std::any_of(m_accounts.begin(), m_accounts.end(), [&](const Account& a) {
        return a.account == account && a.routing.empty() == card;
    });
    Writer w{xml, {}};
    const std::string set = card ? "CREDITCARDMSGSRSV1" : "BANKMSGSRSV1";
    const std::string wrapper = card ? "CCSTMTTRNRS" : "STMTTRNRS";
    w.Open(set).Open(wrapper).Leaf("TRNUID", Value(request, "TRNUID"));
    if (!known || FailureFor(request) == Failure::kUnknownAccount) {
        w.Status(kUnknownAccountCode, "Account not found");
        w.Close(wrapper).Close(set);
        return w.text;
    }
    w.Status(0).Open(card ? "CCSTMTRS" : "STMTRS").Leaf("CURDEF", "USD");
    if (card) {
        w.Open("CCACCTFROM").Leaf("ACCTID", account).Close("CCACCTFROM");
    } else {
        w.Open("BANKACCTFROM").Leaf("BANKID", Value(request, "BANKID")).Leaf("ACCTID", account);
        w.Leaf("ACCTTYPE", Value(request, "ACCTTYPE")).Close("BANKACCTFROM");
    }
    w.Open("BANKTRANLIST").Leaf("DTSTART", start.empty() ? "20000101" : start);
    w.Leaf("DTEND", m_serverTime);
    for (const Line& line : m_lines) {
        if (line.account != account || (!start.empty() && Padded(line.posted) < Padded(start))) {
            continue;
        }
        w.Open("STMTTRN").Leaf("TRNTYPE", line.type).Leaf("DTPOSTED", line.posted);
        w.Leaf("TRNAMT", line.amount).Leaf("FITID", line.id);
        if (!line.checkNumber.empty()) w.Leaf("CHECKNUM", line.checkNumber);
        if (!line.name.empty()) w.Leaf("NAME", line.name);
        if (!line.memo.empty()) w.Leaf("MEMO", line.memo);
        w.Close("STMTTRN");
    }
    w.Close("BANKTRANLIST");
    if (const auto balance = m_balances.find(account); balance != m_balances.end()) {
        w.Open("LEDGERBAL").Leaf("BALAMT", balance->second).Leaf("DTASOF", m_serverTime);
        w.Close("LEDGERBAL");
    }
    w.Close(card ? "CCSTMTRS" : "STMTRS").Close(wrapper).Close(set);
    return w.text;
}

}  // namespace testing_support
