// Requests in both forms: the element names of OFX 1.0.2 and 2.x, leaf closing tags only in
// XML, escaping, and the institution's parameters.
#include "ofx/OfxRequest.h"

#include <gtest/gtest.h>

namespace {

using ofx::OfxInstitution;
using ofx::OfxRequest;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

OfxInstitution Institution(const char* version, const char* application = "") {
    OfxInstitution institution;
    EXPECT_TRUE(OfxInstitution::Read("https://bank.example/ofx", "ORGX", "1234", version,
                                     application, institution)
                    .Ok());
    return institution;
}

TEST(OfxRequest, InstitutionParameters) {
    const OfxInstitution sgml = Institution("");
    EXPECT_EQ(sgml.version, "102");
    EXPECT_FALSE(sgml.xml);
    EXPECT_EQ(sgml.appId, "CVAL");
    EXPECT_EQ(sgml.appVersion, "0100");
    const OfxInstitution xml = Institution("211", "MYAPP:0100");
    EXPECT_TRUE(xml.xml);
    EXPECT_EQ(xml.appId, "MYAPP");
    EXPECT_EQ(xml.appVersion, "0100");

    OfxInstitution out;
    EXPECT_EQ(OfxInstitution::Read("", "O", "F", "102", "", out).code, ofx::kErrorInvalidUrl);
    EXPECT_EQ(OfxInstitution::Read(nullptr, "O", "F", "102", "", out).code, ofx::kErrorInvalidUrl);
    for (const char* version : {"300", "1", "10a", "1022"}) {
        EXPECT_EQ(OfxInstitution::Read("https://x", "O", "F", version, "", out).code,
                  ofx::kErrorInvalidData)
            << version;
    }
}

TEST(OfxRequest, SgmlStatementRequest) {
    const OfxInstitution institution = Institution("102");
    OfxRequest request(institution);
    request.SignOn("cust", "p&ss<1>");
    request.BankStatement("123456789", "0001", "CHECKING", "20240301120000");
    const std::string text = request.Finish();
    EXPECT_TRUE(text.starts_with("OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\n"));
    EXPECT_TRUE(Has(text, "\r\n\r\n<OFX>\r\n<SIGNONMSGSRQV1>\r\n<SONRQ>\r\n<DTCLIENT>"));
    EXPECT_TRUE(Has(text,
                    "<USERID>cust\r\n<USERPASS>p&amp;ss&lt;1&gt;\r\n<LANGUAGE>ENG\r\n"
                    "<FI>\r\n<ORG>ORGX\r\n<FID>1234\r\n</FI>\r\n<APPID>CVAL\r\n"
                    "<APPVER>0100\r\n</SONRQ>"));
    EXPECT_TRUE(Has(text, "<BANKMSGSRQV1>\r\n<STMTTRNRQ>\r\n<TRNUID>"));
    EXPECT_TRUE(Has(text,
                    "<STMTRQ>\r\n<BANKACCTFROM>\r\n<BANKID>123456789\r\n<ACCTID>0001\r\n"
                    "<ACCTTYPE>CHECKING\r\n</BANKACCTFROM>\r\n<INCTRAN>\r\n"
                    "<DTSTART>20240301120000\r\n<INCLUDE>Y\r\n</INCTRAN>\r\n</STMTRQ>"));
    EXPECT_TRUE(text.ends_with("</BANKMSGSRQV1>\r\n</OFX>\r\n"));
    EXPECT_FALSE(Has(text, "</USERPASS>"));
}

TEST(OfxRequest, XmlRequestsCloseEveryElement) {
    const OfxInstitution institution = Institution("220");
    OfxRequest request(institution);
    request.SignOn("cust", "old\xE9", std::string_view("new"));
    request.CardStatement("4111", "");
    request.AccountInfo();
    request.Profile("");
    const std::string text = request.Finish();
    EXPECT_TRUE(text.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>"));
    EXPECT_TRUE(Has(text, "<?OFX OFXHEADER=\"200\" VERSION=\"220\" SECURITY=\"NONE\""));
    EXPECT_TRUE(Has(text, "<USERPASS>old\xC3\xA9</USERPASS>"));  // UTF-8
    EXPECT_TRUE(Has(text, "</SONRQ>\r\n<PINCHTRNRQ>\r\n<TRNUID>"));
    EXPECT_TRUE(Has(text,
                    "<PINCHRQ>\r\n<USERID>cust</USERID>\r\n<NEWUSERPASS>new</NEWUSERPASS>"
                    "\r\n</PINCHRQ>\r\n</PINCHTRNRQ>\r\n</SIGNONMSGSRQV1>"));
    EXPECT_TRUE(Has(text,
                    "<CCSTMTRQ>\r\n<CCACCTFROM>\r\n<ACCTID>4111</ACCTID>\r\n</CCACCTFROM>"
                    "\r\n<INCTRAN>\r\n<INCLUDE>Y</INCLUDE>"));
    EXPECT_FALSE(Has(text, "<DTSTART>"));
    EXPECT_TRUE(Has(text, "<ACCTINFORQ>\r\n<DTACCTUP>19900101</DTACCTUP>"));
    EXPECT_TRUE(Has(text,
                    "<PROFRQ>\r\n<CLIENTROUTING>NONE</CLIENTROUTING>\r\n"
                    "<DTPROFUP>19900101</DTPROFUP>"));
}

}  // namespace
