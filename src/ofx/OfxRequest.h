#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ofx/OfxStatus.h"

namespace ofx {

// An institution's connection parameters as the requests use them, read from the five texts of
// the directory: server URL, ORG, FID, OFX version ("102", "211"...; empty means 102) and
// application ("APPID:APPVER"; empty means kDefaultApplication).
struct OfxInstitution {
    static constexpr std::string_view kDefaultVersion = "102";
    static constexpr std::string_view kDefaultApplication = "CVAL:0100";

    std::string url;
    std::string org;
    std::string fid;
    std::string version;
    std::string appId;
    std::string appVersion;
    bool xml = false;  // OFX 2.x: XML requests

    // 0, or an error for a missing server URL or an OFX version other than 1.x and 2.x.
    static OfxStatus Read(const char* url, const char* org, const char* fid, const char* version,
                          const char* application, OfxInstitution& out);
};

// Builds one OFX request, in OFX 1.x SGML (leaf elements without closing tags, Windows-1252) or
// in OFX 2.x XML (UTF-8), as the institution's version asks. Texts are narrow Windows-1252 and
// are escaped. Every request starts with the sign-on; the message sets follow.
//
//   OfxRequest request(institution);
//   request.SignOn(user, password);
//   request.BankStatement(routing, account, "CHECKING", marker);
//   transport.Post(institution.url, request.Finish(), ...);
class OfxRequest {
  public:
    // DTPROFUP and DTACCTUP asking for everything.
    static constexpr std::string_view kLongAgo = "19900101";

    explicit OfxRequest(const OfxInstitution& institution);

    // The sign-on message set; with a new password it also asks for the password change.
    void SignOn(std::string_view user, std::string_view password,
                std::optional<std::string_view> newPassword = std::nullopt);
    void Profile(std::string_view profileUpdated);
    void AccountInfo();
    // A bank statement from `start` on (an OFX date; all the bank keeps when empty).
    void BankStatement(std::string_view routing, std::string_view account, std::string_view type,
                       std::string_view start);
    void CardStatement(std::string_view account, std::string_view start);

    // The whole request with its header.
    std::string Finish();

  private:
    void Open(std::string_view tag);
    void Close(std::string_view tag);
    void Leaf(std::string_view tag, std::string_view value);
    void TransactionId();
    void IncludeTransactions(std::string_view start);

    const OfxInstitution& m_institution;
    std::string m_body;
};

}  // namespace ofx
