// The reply parser of the online-banking library and the readers of its parts: status
// aggregates, the sign-on, the profile's password rules, and the statement delivery.
#include <cstdint>
#include <string_view>

#include "FuzzSupport.h"
#include "ofx/COfxClient.h"
#include "ofx/OfxParser.h"
#include "ofx/OfxReply.h"
#include "storage/ReadOnlyMemoryStream.h"

namespace {

class Criteria : public COfxClient::MGetPasswordCriteriaEventHandler {
  public:
    bool OnProgress(std::uint32_t /*value*/) override { return true; }
    int OnPasswordCriteria(const std::uint8_t* /*criteria*/) override { return 1; }
};

// Checks that every text handed over to be stored is free of control characters (the date
// text is only read).
class Statement : public COfxClient::MGetStatementEventHandler {
  public:
    bool OnProgress(std::uint32_t /*value*/) override { return true; }
    int OnStatementInfo(const char* /*currency*/, const char* /*account*/) override { return 0; }
    int OnTransaction(const char* date, const char* amount, const char* type,
                      const char* checkNumber, const char* payee, const char* memo,
                      const char* id) override {
        fuzz::Require(COfxClient::OfxDateTimeToPalmDateTime(date) != 0 ||
                          std::string_view(date).starts_with("1904"),
                      "a date that reads");
        for (const char* text : {amount, type, checkNumber, payee, memo, id}) {
            fuzz::Require(text != nullptr, "no null text");
            for (const char* c = text; *c != '\0'; ++c) {
                fuzz::Require(static_cast<unsigned char>(*c) >= 0x20, "no control character");
            }
        }
        return 0;
    }
    int OnDownloadMarker(const char* /*marker*/) override { return 0; }
    int OnLedgerBalance(const char* /*amount*/) override { return 0; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ofx::OfxDocument document;
    if (ofx::OfxParser::Parse(fuzz::Text(data, size), document).Ok()) {
        ofx::CheckSignOn(document.root);
        ofx::ProfileUpdated(document.root);
        ofx::PasswordCriteria criteria{};
        ofx::ReadPasswordCriteria(document.root, criteria);
        const ofx::OfxElement* wrapper = nullptr;
        ofx::FindTransaction(document.root, "BANKMSGSRSV1/STMTTRNRS", wrapper);
    }
    ReadOnlyMemoryStream stream(data, static_cast<std::uint32_t>(size));
    Criteria criteria;
    COfxClient().GetPasswordCriteria(stream, criteria);
    Statement statement;
    COfxClient().ReadStatementFile(fuzz::Text(data, size), statement);
    return 0;
}
