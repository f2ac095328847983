#include "ofx/COfxClient.h"

#include <optional>
#include <string_view>
#include <vector>

#include "ofx/OfxParser.h"
#include "ofx/OfxReply.h"
#include "ofx/OfxRequest.h"
#include "ofx/OfxTransport.h"
#include "ofx/OfxValues.h"
#include "platform/sys/AnsiText.h"
#include "storage/AmountText.h"
#include "storage/Stream.h"

using ofx::OfxDocument;
using ofx::OfxElement;
using ofx::OfxInstitution;
using ofx::OfxRequest;
using ofx::OfxStatus;

namespace {

constexpr std::string_view kSignOnServerTime = "SIGNONMSGSRSV1/SONRS/DTSERVER";
constexpr std::string_view kProfilePath = "PROFMSGSRSV1/PROFTRNRS";
constexpr std::string_view kAccountInfoPath = "SIGNUPMSGSRSV1/ACCTINFOTRNRS";
constexpr std::string_view kBankStatementPath = "BANKMSGSRSV1/STMTTRNRS";
constexpr std::string_view kCardStatementPath = "CREDITCARDMSGSRSV1/CCSTMTTRNRS";
constexpr std::string_view kPasswordChangePath = "SIGNONMSGSRSV1/PINCHTRNRS";
constexpr int kCriteriaCopied = 1;

const char* Text(const char* text) {
    return text != nullptr ? text : "";
}

// How a message names a line: the bank's identifier, else its date and payee.
std::string LineName(const OfxElement& line) {
    const std::string& id = line.TextAt("FITID");
    if (!id.empty()) return id;
    std::string name = line.TextAt("DTPOSTED");
    const std::string& payee = line.TextAt("NAME");
    if (!payee.empty()) name += " " + payee;
    return name;
}

// Whether the data model's dates reach the day (they end on 2040-02-06).
bool FitsDateTime(const sys::SystemTime& time) {
    const DateParts parts = DateToParts(SystemTimeToDate(time));
    return parts.year == time.year && parts.month == time.month && parts.day == time.day;
}

// Whether an account can hold the amount, once rounded to hundredths.
bool FitsAmount(const std::string& normalized) {
    Amount amount = 0;
    return ReadAmountText(normalized, AmountRounding::kHalfAwayFromZero, amount) ==
           AmountTextResult::kRead;
}

// A text as a callback receives it: control characters (a NUL would cut it short, an escape
// sequence could rewrite a terminal) become blanks. `changed` is set when the text differs from
// what the bank wrote.
std::string PassedText(const OfxElement* element, bool& changed) {
    if (element == nullptr) return {};
    std::string text = element->text;
    if (element->altered) changed = true;
    for (char& c : text) {
        if (sys::IsAnsiControl(c)) {
            c = ' ';
            changed = true;
        }
    }
    return text;
}

struct StatementLine {
    const OfxElement* element;
    std::string date;
    std::string amount;
};

// Every line checked before the first is handed over, so a reply with a bad line delivers
// nothing and the download marker stays where it was.
OfxStatus ReadLines(const OfxElement* list, std::vector<StatementLine>& lines) {
    if (list == nullptr) return {};
    for (const OfxElement& line : list->children) {
        if (line.name != "STMTTRN") continue;
        const std::string id = LineName(line);
        std::string date = line.TextAt("DTPOSTED");
        if (!ofx::ParseDateTime(date)) date = line.TextAt("DTUSER");
        const std::optional<sys::SystemTime> time = ofx::ParseDateTime(date);
        if (!time) return ofx::Failure(ofx::kErrorInvalidData, res::IDS_OFX_BAD_DATE, id.c_str());
        if (!FitsDateTime(*time)) {
            return ofx::Failure(ofx::kErrorInvalidData, res::IDS_OFX_DATE_OUT_OF_RANGE, id.c_str(),
                                date.c_str());
        }
        std::optional<std::string> amount = ofx::NormalizeAmount(line.TextAt("TRNAMT"));
        if (!amount) {
            return ofx::Failure(ofx::kErrorInvalidData, res::IDS_OFX_BAD_AMOUNT, id.c_str());
        }
        if (!FitsAmount(*amount)) {
            return ofx::Failure(ofx::kErrorInvalidData, res::IDS_OFX_AMOUNT_TOO_LARGE,
                                amount->c_str(), id.c_str());
        }
        // The date as the reader understood it: a text with a NUL in its zone would otherwise
        // read differently (as no date) once passed on as a C string.
        lines.push_back({&line, ofx::FormatDateTime(*time), std::move(*amount)});
    }
    return {};
}

// The statement lines (STMTTRN) at or below the element.
std::size_t CountLines(const OfxElement* element) {
    if (element == nullptr) return 0;
    if (element->name == "STMTTRN") return 1;
    std::size_t count = 0;
    for (const OfxElement& child : element->children) count += CountLines(&child);
    return count;
}

OfxStatus DeliverStatement(const OfxElement& root, const OfxElement& statement,
                           COfxClient::MGetStatementEventHandler& handler) {
    const OfxElement* list = statement.Child("BANKTRANLIST");
    std::vector<StatementLine> lines;
    if (OfxStatus status = ReadLines(list, lines); !status.Ok()) return status;
    std::optional<std::string> balance;
    if (const std::string& text = statement.TextAt("LEDGERBAL/BALAMT"); !text.empty()) {
        balance = ofx::NormalizeAmount(text);
        if (!balance || !FitsAmount(*balance)) {
            return ofx::Failure(ofx::kErrorInvalidData, res::IDS_OFX_BAD_BALANCE, text.c_str());
        }
    }
    // The next statement starts where this one ends, or at the server's time of this reply.
    std::string marker = list != nullptr ? list->TextAt("DTEND") : std::string();
    if (!ofx::ParseDateTime(marker)) marker = root.TextAt(kSignOnServerTime);
    if (!ofx::ParseDateTime(marker)) marker.clear();

    const OfxElement* from = statement.Child("BANKACCTFROM");
    if (from == nullptr) from = statement.Child("CCACCTFROM");
    const std::string account = from != nullptr ? from->TextAt("ACCTID") : std::string();
    if (int answer = handler.OnStatementInfo(statement.TextAt("CURDEF").c_str(), account.c_str())) {
        return ofx::Refused(answer);
    }
    std::uint32_t delivered = 0;
    for (const StatementLine& line : lines) {
        if (!handler.OnProgress(++delivered)) return ofx::Cancelled();
        const OfxElement& e = *line.element;
        bool changed = false;
        const OfxElement* payeeElement = e.Child("NAME");
        if (payeeElement == nullptr || payeeElement->text.empty()) {
            payeeElement = e.Find("PAYEE/NAME");
        }
        const std::string payee = PassedText(payeeElement, changed);
        const std::string memo = PassedText(e.Child("MEMO"), changed);
        const std::string checkNumber = PassedText(e.Child("CHECKNUM"), changed);
        const std::string id = PassedText(e.Child("FITID"), changed);
        const std::string type = ofx::Upper(PassedText(e.Child("TRNTYPE"), changed));
        if (changed) {
            if (int answer = handler.OnTextChanged()) return ofx::Refused(answer);
        }
        if (int answer = handler.OnTransaction(line.date.c_str(), line.amount.c_str(), type.c_str(),
                                               checkNumber.c_str(), payee.c_str(), memo.c_str(),
                                               id.c_str())) {
            return ofx::Refused(answer);
        }
    }
    if (!marker.empty()) {
        if (int answer = handler.OnDownloadMarker(marker.c_str())) return ofx::Refused(answer);
    }
    if (balance) {
        if (int answer = handler.OnLedgerBalance(balance->c_str())) return ofx::Refused(answer);
    }
    return {};
}

OfxStatus DeliverAccounts(const OfxElement& accounts,
                          COfxClient::MGetAccountInfoEventHandler& handler) {
    std::uint32_t delivered = 0;
    for (const OfxElement& info : accounts.children) {
        if (info.name != "ACCTINFO") continue;
        for (const OfxElement& kind : info.children) {
            int answer = 0;
            if (kind.name == "BANKACCTINFO" && kind.Child("BANKACCTFROM") != nullptr) {
                if (!handler.OnProgress(++delivered)) return ofx::Cancelled();
                const OfxElement& from = *kind.Child("BANKACCTFROM");
                answer = handler.OnBankAccount(from.TextAt("BANKID").c_str(),
                                               from.TextAt("ACCTID").c_str(),
                                               ofx::Upper(from.TextAt("ACCTTYPE")).c_str());
            } else if (kind.name == "CCACCTINFO" && kind.Child("CCACCTFROM") != nullptr) {
                if (!handler.OnProgress(++delivered)) return ofx::Cancelled();
                answer = handler.OnCreditCardAccount(kind.TextAt("CCACCTFROM/ACCTID").c_str());
            }
            if (answer != 0) return ofx::Refused(answer);
        }
    }
    return {};
}

}  // namespace

template <typename Handler>
OfxStatus COfxClient::Exchange(const OfxInstitution& institution, const std::string& request,
                               Handler& handler, OfxDocument& reply, std::string& replyText) {
    if (!handler.OnProgress(0)) return ofx::Cancelled();
    ofx::OfxTransport transport(
        [&handler](std::uint32_t value) { return handler.OnProgress(value); });
    if (OfxStatus status = transport.Post(institution.url, request, replyText); !status.Ok()) {
        return status;
    }
    if (OfxStatus status = ofx::OfxParser::Parse(replyText, reply); !status.Ok()) return status;
    return ofx::CheckSignOn(reply.root);
}

bool COfxClient::Finish(OfxStatus status) {
    m_error = status.code;
    m_errorMessage = std::move(status.message);
    return m_error == ofx::kOk;
}

bool COfxClient::GetProfile(const char* user, const char* password, const char* p1, const char* p2,
                            const char* p3, const char* p4, const char* p5, const char* profile,
                            MGetProfileEventHandler& handler, bool force) {
    OfxInstitution institution;
    if (OfxStatus s = OfxInstitution::Read(p1, p2, p3, p4, p5, institution); !s.Ok()) {
        return Finish(std::move(s));
    }
    std::string updated;
    OfxDocument known;
    if (!force && ofx::OfxParser::Parse(Text(profile), known).Ok()) {
        updated = ofx::ProfileUpdated(known.root);
    }
    OfxRequest request(institution);
    request.SignOn(Text(user), Text(password));
    request.Profile(updated);
    OfxDocument reply;
    std::string replyText;
    OfxStatus status = Exchange(institution, request.Finish(), handler, reply, replyText);
    const OfxElement* wrapper = nullptr;
    if (status.Ok()) status = ofx::FindTransaction(reply.root, kProfilePath, wrapper);
    // Without PROFRS the bank says the profile given is up to date.
    if (status.Ok() && wrapper->Child("PROFRS") != nullptr) {
        if (int answer = handler.OnProfile(replyText.c_str())) status = ofx::Refused(answer);
    }
    return Finish(std::move(status));
}

bool COfxClient::GetAccountInfo(const char* customerId, const char* password, const char* p1,
                                const char* p2, const char* p3, const char* p4, const char* p5,
                                const char* /*profile*/, MGetAccountInfoEventHandler& handler) {
    OfxInstitution institution;
    if (OfxStatus s = OfxInstitution::Read(p1, p2, p3, p4, p5, institution); !s.Ok()) {
        return Finish(std::move(s));
    }
    OfxRequest request(institution);
    request.SignOn(Text(customerId), Text(password));
    request.AccountInfo();
    OfxDocument reply;
    std::string replyText;
    OfxStatus status = Exchange(institution, request.Finish(), handler, reply, replyText);
    const OfxElement* wrapper = nullptr;
    if (status.Ok()) status = ofx::FindTransaction(reply.root, kAccountInfoPath, wrapper);
    if (status.Ok()) {
        const OfxElement* accounts = wrapper->Child("ACCTINFORS");
        status = accounts != nullptr ? DeliverAccounts(*accounts, handler)
                                     : ofx::MissingElement("ACCTINFORS");
    }
    return Finish(std::move(status));
}

bool COfxClient::GetStatement(const char* customerId, const char* password, const char* p1,
                              const char* p2, const char* p3, const char* p4, const char* p5,
                              const char* /*profile*/, const char* routingNumber,
                              const char* accountNumber, const char* accountType,
                              const char* downloadMarker, MGetStatementEventHandler& handler) {
    OfxInstitution institution;
    if (OfxStatus s = OfxInstitution::Read(p1, p2, p3, p4, p5, institution); !s.Ok()) {
        return Finish(std::move(s));
    }
    const std::string_view routing = Text(routingNumber);
    const std::string_view account = Text(accountNumber);
    const std::string_view type = Text(accountType);
    const bool card = routing.empty();
    if (account.empty() || (!card && type.empty())) {
        return Finish(ofx::Failure(ofx::kErrorAccountNotFound, res::IDS_OFX_BAD_ACCOUNT));
    }
    // A marker that is not a date (damaged, or from elsewhere) asks for everything again; the
    // lines already taken are recognised by their transaction ids.
    const std::string_view marker = Text(downloadMarker);
    const std::string_view start = ofx::ParseDateTime(marker) ? marker : std::string_view{};
    OfxRequest request(institution);
    request.SignOn(Text(customerId), Text(password));
    if (card) {
        request.CardStatement(account, start);
    } else {
        request.BankStatement(routing, account, type, start);
    }
    OfxDocument reply;
    std::string replyText;
    OfxStatus status = Exchange(institution, request.Finish(), handler, reply, replyText);
    const OfxElement* wrapper = nullptr;
    if (status.Ok()) {
        status = ofx::FindTransaction(reply.root, card ? kCardStatementPath : kBankStatementPath,
                                      wrapper);
    }
    if (status.Ok()) {
        const std::string_view name = card ? "CCSTMTRS" : "STMTRS";
        const OfxElement* statement = wrapper->Child(name);
        status = statement != nullptr ? DeliverStatement(reply.root, *statement, handler)
                                      : ofx::MissingElement(name);
    }
    return Finish(std::move(status));
}

bool COfxClient::ChangePassword(const char* customerId, const char* oldPassword,
                                const char* newPassword, const char* p1, const char* p2,
                                const char* p3, const char* p4, const char* p5,
                                const char* /*profile*/, MChangePasswordEventHandler& handler) {
    OfxInstitution institution;
    if (OfxStatus s = OfxInstitution::Read(p1, p2, p3, p4, p5, institution); !s.Ok()) {
        return Finish(std::move(s));
    }
    OfxRequest request(institution);
    request.SignOn(Text(customerId), Text(oldPassword), std::string_view(Text(newPassword)));
    OfxDocument reply;
    std::string replyText;
    OfxStatus status = Exchange(institution, request.Finish(), handler, reply, replyText);
    const OfxElement* wrapper = nullptr;
    if (status.Ok()) status = ofx::FindTransaction(reply.root, kPasswordChangePath, wrapper);
    return Finish(std::move(status));
}

bool COfxClient::GetPasswordCriteria(Stream& profile, MGetPasswordCriteriaEventHandler& handler) {
    if (!handler.OnProgress(0)) return Finish(ofx::Cancelled());
    const std::uint8_t* bytes = nullptr;
    std::uint32_t count = 0;
    profile.Seek(0);
    profile.ReadBuffer(bytes, count);
    const std::string_view text =
        count > 0 ? std::string_view(reinterpret_cast<const char*>(bytes), count)
                  : std::string_view{};
    OfxDocument document;
    OfxStatus status = ofx::OfxParser::Parse(text, document);
    ofx::PasswordCriteria criteria{};
    if (status.Ok()) status = ofx::ReadPasswordCriteria(document.root, criteria);
    if (status.Ok()) {
        const int answer = handler.OnPasswordCriteria(criteria.data());
        if (answer != 0 && answer != kCriteriaCopied) status = ofx::Refused(answer);
    }
    return Finish(std::move(status));
}

bool COfxClient::ReadStatementFile(std::string_view bytes, MGetStatementEventHandler& handler) {
    struct Kind {
        std::string_view set;
        std::string_view wrapper;
        std::string_view statement;
    };
    constexpr Kind kKinds[] = {{"BANKMSGSRSV1", "STMTTRNRS", "STMTRS"},
                               {"CREDITCARDMSGSRSV1", "CCSTMTTRNRS", "CCSTMTRS"}};
    if (!handler.OnProgress(0)) return Finish(ofx::Cancelled());
    OfxDocument document;
    OfxStatus status = ofx::OfxParser::Parse(bytes, document);
    std::size_t delivered = 0;
    const OfxElement& root = document.root;
    if (status.Ok() && root.Find("SIGNONMSGSRSV1/SONRS") != nullptr) {
        status = ofx::CheckSignOn(root);
    }
    for (const Kind& kind : kKinds) {
        for (const OfxElement& set : root.children) {
            if (!status.Ok() || set.name != kind.set) continue;
            for (const OfxElement& wrapper : set.children) {
                if (!status.Ok() || wrapper.name != kind.wrapper) continue;
                status = ofx::ReadStatus(wrapper.Child("STATUS"));
                if (status.Ok() && wrapper.Child(kind.statement) == nullptr) {
                    status = ofx::MissingElement(kind.statement);
                }
                // Some banks write several statements into one wrapper: each is delivered.
                for (const OfxElement& statement : wrapper.children) {
                    if (!status.Ok() || statement.name != kind.statement) continue;
                    status = DeliverStatement(root, statement, handler);
                    delivered += CountLines(statement.Child("BANKTRANLIST"));
                }
            }
        }
    }
    // A line outside a statement's transaction list would be lost without a word: the file is
    // refused instead.
    if (status.Ok() && CountLines(&root) != delivered) {
        status = ofx::Failure(ofx::kErrorUnreadable, res::IDS_OFX_LINES_ASTRAY,
                              static_cast<unsigned>(CountLines(&root) - delivered));
    }
    return Finish(std::move(status));
}

DateTime COfxClient::OfxDateTimeToPalmDateTime(const char* text) {
    const std::optional<sys::SystemTime> time = ofx::ParseDateTime(Text(text));
    return time ? SystemTimeToDate(*time) : 0;
}
