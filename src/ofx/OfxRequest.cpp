#include "ofx/OfxRequest.h"

#include <cstdio>
#include <random>

#include "ofx/OfxValues.h"
#include "platform/sys/CodePage.h"

namespace ofx {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLanguage = "ENG";
constexpr std::size_t kUidBytes = 16;
constexpr unsigned kByteMask = 0xFF;

std::string Escape(std::string_view text, bool xml) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += xml ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
    return xml ? sys::AnsiToUtf8(out) : out;
}

// A fresh transaction id: 32 hexadecimal digits.
std::string NewUid() {
    std::random_device random;
    std::string uid;
    for (std::size_t i = 0; i < kUidBytes; ++i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned>(random() & kByteMask));
        uid += digits;
    }
    return uid;
}

const char* Or(const char* text, std::string_view fallback) {
    return (text != nullptr && *text != '\0') ? text : fallback.data();
}

}  // namespace

OfxStatus OfxInstitution::Read(const char* url, const char* org, const char* fid,
                               const char* version, const char* application, OfxInstitution& out) {
    out = OfxInstitution{};
    out.url = Or(url, "");
    if (out.url.empty()) return Failure(kErrorInvalidUrl, res::IDS_OFX_NO_SERVER);
    out.org = Or(org, "");
    out.fid = Or(fid, "");
    out.version = Or(version, kDefaultVersion);
    const bool digits = out.version.size() == kDefaultVersion.size() &&
                        out.version.find_first_not_of("0123456789") == std::string::npos;
    if (!digits || (out.version[0] != '1' && out.version[0] != '2')) {
        return Failure(kErrorInvalidData, res::IDS_OFX_UNSUPPORTED_VERSION, out.version.c_str());
    }
    out.xml = out.version[0] == '2';
    const std::string app = Or(application, kDefaultApplication);
    const std::size_t colon = app.find(':');
    out.appId = app.substr(0, colon);
    out.appVersion = colon == std::string::npos ? std::string() : app.substr(colon + 1);
    return {};
}

OfxRequest::OfxRequest(const OfxInstitution& institution) : m_institution(institution) {}

void OfxRequest::Open(std::string_view tag) {
    m_body += '<';
    m_body += tag;
    m_body += '>';
    m_body += kLineEnd;
}

void OfxRequest::Close(std::string_view tag) {
    m_body += "</";
    m_body += tag;
    m_body += '>';
    m_body += kLineEnd;
}

void OfxRequest::Leaf(std::string_view tag, std::string_view value) {
    m_body += '<';
    m_body += tag;
    m_body += '>';
    m_body += Escape(value, m_institution.xml);
    if (m_institution.xml) {
        m_body += "</";
        m_body += tag;
        m_body += '>';
    }
    m_body += kLineEnd;
}

void OfxRequest::TransactionId() {
    Leaf("TRNUID", NewUid());
}

void OfxRequest::SignOn(std::string_view user, std::string_view password,
                        std::optional<std::string_view> newPassword) {
    Open("SIGNONMSGSRQV1");
    Open("SONRQ");
    Leaf("DTCLIENT", FormatDateTime(sys::GetLocalTime()));
    Leaf("USERID", user);
    Leaf("USERPASS", password);
    Leaf("LANGUAGE", kLanguage);
    if (!m_institution.org.empty()) {
        Open("FI");
        Leaf("ORG", m_institution.org);
        if (!m_institution.fid.empty()) Leaf("FID", m_institution.fid);
        Close("FI");
    }
    Leaf("APPID", m_institution.appId);
    Leaf("APPVER", m_institution.appVersion);
    Close("SONRQ");
    if (newPassword) {
        Open("PINCHTRNRQ");
        TransactionId();
        Open("PINCHRQ");
        Leaf("USERID", user);
        Leaf("NEWUSERPASS", *newPassword);
        Close("PINCHRQ");
        Close("PINCHTRNRQ");
    }
    Close("SIGNONMSGSRQV1");
}

void OfxRequest::Profile(std::string_view profileUpdated) {
    Open("PROFMSGSRQV1");
    Open("PROFTRNRQ");
    TransactionId();
    Open("PROFRQ");
    Leaf("CLIENTROUTING", "NONE");
    Leaf("DTPROFUP", profileUpdated.empty() ? kLongAgo : profileUpdated);
    Close("PROFRQ");
    Close("PROFTRNRQ");
    Close("PROFMSGSRQV1");
}

void OfxRequest::AccountInfo() {
    Open("SIGNUPMSGSRQV1");
    Open("ACCTINFOTRNRQ");
    TransactionId();
    Open("ACCTINFORQ");
    Leaf("DTACCTUP", kLongAgo);
    Close("ACCTINFORQ");
    Close("ACCTINFOTRNRQ");
    Close("SIGNUPMSGSRQV1");
}

void OfxRequest::IncludeTransactions(std::string_view start) {
    Open("INCTRAN");
    if (!start.empty()) Leaf("DTSTART", start);
    Leaf("INCLUDE", "Y");
    Close("INCTRAN");
}

void OfxRequest::BankStatement(std::string_view routing, std::string_view account,
                               std::string_view type, std::string_view start) {
    Open("BANKMSGSRQV1");
    Open("STMTTRNRQ");
    TransactionId();
    Open("STMTRQ");
    Open("BANKACCTFROM");
    Leaf("BANKID", routing);
    Leaf("ACCTID", account);
    Leaf("ACCTTYPE", type);
    Close("BANKACCTFROM");
    IncludeTransactions(start);
    Close("STMTRQ");
    Close("STMTTRNRQ");
    Close("BANKMSGSRQV1");
}

void OfxRequest::CardStatement(std::string_view account, std::string_view start) {
    Open("CREDITCARDMSGSRQV1");
    Open("CCSTMTTRNRQ");
    TransactionId();
    Open("CCSTMTRQ");
    Open("CCACCTFROM");
    Leaf("ACCTID", account);
    Close("CCACCTFROM");
    IncludeTransactions(start);
    Close("CCSTMTRQ");
    Close("CCSTMTTRNRQ");
    Close("CREDITCARDMSGSRQV1");
}

std::string OfxRequest::Finish() {
    std::string header;
    const std::string& version = m_institution.version;
    if (m_institution.xml) {
        header =
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\r\n"
            "<?OFX OFXHEADER=\"200\" VERSION=\"" +
            version + "\" SECURITY=\"NONE\" OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\r\n";
    } else {
        header = "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:" + version +
                 "\r\nSECURITY:NONE\r\nENCODING:USASCII\r\nCHARSET:1252\r\nCOMPRESSION:NONE\r\n"
                 "OLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n";
    }
    return header + "<OFX>\r\n" + m_body + "</OFX>\r\n";
}

}  // namespace ofx
