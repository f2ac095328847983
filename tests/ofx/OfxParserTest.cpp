// The tolerant reader: both header forms, SGML leaves without closing tags, code pages, damage
// and every truncation of a reply, and the real banks' replies of samples/.
#include "ofx/OfxParser.h"

#include <gtest/gtest.h>

#include <string>

#include "support/TempFolder.h"

namespace {

using ofx::OfxDocument;
using ofx::OfxElement;
using ofx::OfxParser;

std::string Sample(const std::string& name) {
    const auto bytes = testing_support::ReadBytes(std::string(COINVALE_OFX_SAMPLES) + name);
    return std::string(bytes.begin(), bytes.end());
}

const std::string kSgml =
    "\r\n\r\nOFXHEADER:100\r\r\nDATA:OFXSGML\r\nVERSION:102\r\nENCODING:USASCII\r\nCHARSET:1252\r\n"
    "\r\n\r\n"
    "<OFX><SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS>"
    "<DTSERVER>20240301[-5:EST]</SONRS></SIGNONMSGSRSV1>"
    "<BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>"
    "<STMTTRN><TRNTYPE>DEBIT<TRNAMT>-1,234.56<NAME>Caf\xE9 &amp; Bar<MEMO></STMTTRN>"
    "<STMTTRN><TRNTYPE>CREDIT<MEMO><TRNAMT>+5<FITID>2</STMTTRN>"
    "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>";

const std::string kXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n"
    "<OFX><!-- a comment <with> tags -->\n"
    "  <SIGNONMSGSRSV1><SONRS><STATUS><CODE>0</CODE><SEVERITY>INFO</SEVERITY></STATUS>\n"
    "  </SONRS></SIGNONMSGSRSV1>\n"
    "  <BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST><STMTTRN>\n"
    "    <NAME>Caf\xC3\xA9 &#8364;5 &lt;ok&gt;</NAME><MEMO><![CDATA[a <b> &amp; c  ]]></MEMO>\n"
    "    <FITID/><TRNAMT>12.50</TRNAMT>\n"
    "  </STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1>\n"
    "</OFX>\n";

TEST(OfxParser, SgmlLeavesNeedNoClosingTags) {
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse(kSgml, doc).Ok());
    EXPECT_FALSE(doc.xml);
    EXPECT_EQ(doc.root.name, "OFX");
    EXPECT_EQ(doc.root.TextAt("SIGNONMSGSRSV1/SONRS/STATUS/CODE"), "0");
    EXPECT_EQ(doc.root.TextAt("SIGNONMSGSRSV1/SONRS/DTSERVER"), "20240301[-5:EST]");
    const OfxElement* list = doc.root.Find("BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKTRANLIST");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->children.size(), 2u);
    const OfxElement& first = list->children[0];
    EXPECT_EQ(first.TextAt("TRNAMT"), "-1,234.56");
    EXPECT_EQ(first.TextAt("NAME"), "Caf\xE9 & Bar");  // Windows-1252 kept as it is
    // An empty leaf left open: what follows it is its sibling, not its child.
    const OfxElement& second = list->children[1];
    EXPECT_EQ(second.TextAt("TRNAMT"), "+5");
    EXPECT_EQ(second.TextAt("FITID"), "2");
    ASSERT_NE(second.Child("MEMO"), nullptr);
    EXPECT_TRUE(second.Child("MEMO")->children.empty());
}

TEST(OfxParser, XmlWithEntitiesCDataAndUtf8) {
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse(kXml, doc).Ok());
    EXPECT_TRUE(doc.xml);
    EXPECT_TRUE(doc.utf8);
    const OfxElement* line = doc.root.Find("BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKTRANLIST/STMTTRN");
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->TextAt("NAME"),
              "Caf\xE9 \x80"
              "5 <ok>");                               // UTF-8 and &#8364; to 1252
    EXPECT_EQ(line->TextAt("MEMO"), "a <b> &amp; c");  // CDATA is not decoded
    EXPECT_EQ(line->TextAt("FITID"), "");
    EXPECT_EQ(line->TextAt("TRNAMT"), "12.50");
}

TEST(OfxParser, TextThatIsNotUtf8IsTakenAsWindows1252) {
    const std::string reply =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<OFX><NAME>Caf\xE9</NAME></OFX>";
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse(reply, doc).Ok());
    EXPECT_FALSE(doc.utf8);
    EXPECT_EQ(doc.root.TextAt("NAME"), "Caf\xE9");
}

TEST(OfxParser, RefusesWhatIsNotAWholeReply) {
    OfxDocument doc;
    for (const std::string& bad : {std::string(), std::string("<html><body>Down</body></html>"),
                                   std::string("OFXHEADER:100\r\n\r\n<OFXX></OFXX>"),
                                   std::string("<OFX><SONRS><CODE>0</SONRS>"),
                                   std::string("<OFX><SONRS><!-- open comment</SONRS></OFX>")}) {
        const ofx::OfxStatus status = OfxParser::Parse(bad, doc);
        EXPECT_EQ(status.code, ofx::kErrorUnreadable) << bad;
        EXPECT_FALSE(status.message.empty());
        EXPECT_TRUE(doc.root.children.empty());
    }
    std::string deep = "<OFX>";
    for (std::size_t i = 0; i < OfxParser::kMaxDepth; ++i) deep += "<A>";
    EXPECT_EQ(OfxParser::Parse(deep + "</OFX>", doc).code, ofx::kErrorUnreadable);
}

TEST(OfxParser, StrayTagsAndTextDoNotBreakTheTree) {
    const std::string reply = "<ofx><A>stray<B>1</B>more text</X></a>< lone <C>3</OFX>trailing<D>";
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse(reply, doc).Ok());
    EXPECT_EQ(doc.root.TextAt("A"), "stray");
    EXPECT_EQ(doc.root.TextAt("B"), "1");  // after a leaf, so its sibling
    EXPECT_EQ(doc.root.TextAt("C"), "3");
    EXPECT_EQ(doc.root.Child("D"), nullptr);
}

TEST(OfxParser, EveryTruncationIsRefusedWithoutCrashing) {
    for (const std::string& reply : {kSgml, kXml}) {
        const std::size_t end = reply.rfind("</OFX>") + std::string("</OFX>").size();
        for (std::size_t length = 0; length < end; ++length) {
            OfxDocument doc;
            const ofx::OfxStatus status = OfxParser::Parse(reply.substr(0, length), doc);
            ASSERT_EQ(status.code, ofx::kErrorUnreadable) << "cut at " << length;
        }
        OfxDocument doc;
        EXPECT_TRUE(OfxParser::Parse(reply.substr(0, end), doc).Ok());
    }
}

// Fault: an aggregate left open (a bank's BANKTRANLIST without its closing tag) swallowed what
// followed, or, ended with the statement, lost its lines to the statement around it.
TEST(OfxParser, AggregatesLeftOpenEndWhereTheDocumentTypeSays) {
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse("<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>"
                                 "<STMTTRN><TRNAMT>-1<FITID>A</STMTTRN>"
                                 "<STMTTRN><TRNAMT>-2<FITID>B<VALUEDATE>20240101<MEMO>"
                                 "<STMTTRN><TRNAMT>-3<FITID>C"
                                 "<LEDGERBAL><BALAMT>-6<DTASOF>20240301</LEDGERBAL>"
                                 "<STMTRS><BANKTRANLIST><STMTTRN><FITID>D</STMTTRN>"
                                 "</STMTTRNRS></BANKMSGSRSV1></OFX>",
                                 doc)
                    .Ok());
    const OfxElement* wrapper = doc.root.Find("BANKMSGSRSV1/STMTTRNRS");
    ASSERT_NE(wrapper, nullptr);
    ASSERT_EQ(wrapper->children.size(), 2u);
    const OfxElement& first = wrapper->children[0];
    const OfxElement* list = first.Child("BANKTRANLIST");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->children.size(), 3u);
    // A bank's own element in a line ends nothing.
    EXPECT_EQ(list->children[1].TextAt("VALUEDATE"), "20240101");
    EXPECT_EQ(list->children[2].TextAt("FITID"), "C");
    EXPECT_EQ(first.TextAt("LEDGERBAL/BALAMT"), "-6");
    EXPECT_EQ(wrapper->children[1].TextAt("BANKTRANLIST/STMTTRN/FITID"), "D");

    // An element that belongs nowhere around it is a child, as before.
    ASSERT_TRUE(OfxParser::Parse("<OFX><SIGNONMSGSRSV1><PINCHTRNRS><TRNUID>1<STATUS><CODE>0"
                                 "</STATUS></PINCHTRNRS></SIGNONMSGSRSV1></OFX>",
                                 doc)
                    .Ok());
    EXPECT_EQ(doc.root.TextAt("SIGNONMSGSRSV1/PINCHTRNRS/STATUS/CODE"), "0");
}

// Numeric entities out of range or of characters the code page lacks.
TEST(OfxParser, EntitiesBecomeTheClosestCharacterAndMarkTheText) {
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse("<OFX><A>&#99999999;x&#x142;&#233;<B>plain</OFX>", doc).Ok());
    EXPECT_EQ(doc.root.TextAt("A"), "xl\xE9");
    EXPECT_TRUE(doc.root.Child("A")->altered);
    EXPECT_FALSE(doc.root.Child("B")->altered);
}

TEST(OfxParser, ReadsTheRealBanksReplies) {
    struct Expectation {
        const char* file;
        const char* path;
        const char* text;
    };
    const Expectation expectations[] = {
        {"account_listing_aggregation.ofx",
         "SIGNUPMSGSRSV1/ACCTINFOTRNRS/ACCTINFORS/ACCTINFO/BANKACCTINFO/BANKACCTFROM/ACCTTYPE",
         "SAVINGS"},
        {"anzcc.ofx", "CREDITCARDMSGSRSV1/CCSTMTTRNRS/CCSTMTRS/LEDGERBAL/BALAMT", "-123.45"},
        {"bank_medium.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKTRANLIST/STMTTRN/DTPOSTED",
         "20090401122017.000[-5:EST]"},
        {"checking.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKACCTFROM/ACCTID", "1452687~7"},
        {"error_message.ofx", "BANKMSGSRSV1/STMTTRNRS/STATUS/MESSAGE", "General Server Error"},
        {"signon_fail.ofx", "SIGNONMSGSRSV1/SONRS/STATUS/CODE", "15500"},
        {"ofx-v102-empty-tags.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKTRANLIST/STMTTRN/MEMO",
         "CBA:Transfer"},
        {"suncorp.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKTRANLIST/STMTTRN/NAME",
         "EFTPOS WDL HANDYWAY ALDI STORE"},
        {"vanguard.ofx", "INVSTMTMSGSRSV1/INVSTMTTRNRS/INVSTMTRS/INVACCTFROM/ACCTID",
         "01234567890"},
        {"failnice_date_missing.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/CURDEF", "USD"},
        {"failnice_decimal_error.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/BANKTRANLIST/STMTTRN/TRNAMT",
         "$120"},
        {"failnice_empty_balance.ofx", "BANKMSGSRSV1/STMTTRNRS/STMTRS/LEDGERBAL/BALAMT", ""},
    };
    for (const Expectation& e : expectations) {
        OfxDocument doc;
        const std::string reply = Sample(e.file);
        ASSERT_FALSE(reply.empty()) << e.file;
        ASSERT_TRUE(OfxParser::Parse(reply, doc).Ok()) << e.file;
        ASSERT_NE(doc.root.Find(e.path), nullptr) << e.file;
        EXPECT_EQ(doc.root.TextAt(e.path), e.text) << e.file;
    }
    // Four accounts, the last a credit card; a sign-on line packed with vendor tags.
    OfxDocument doc;
    ASSERT_TRUE(OfxParser::Parse(Sample("account_listing_aggregation.ofx"), doc).Ok());
    const OfxElement* list = doc.root.Find("SIGNUPMSGSRSV1/ACCTINFOTRNRS/ACCTINFORS");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->children.size(), 5u);  // DTACCTUP and four ACCTINFO
    EXPECT_EQ(list->children[4].TextAt("CCACCTINFO/CCACCTFROM/ACCTID"), "4111111111111111");
    ASSERT_TRUE(OfxParser::Parse(Sample("bank_medium.ofx"), doc).Ok());
    EXPECT_EQ(doc.root.TextAt("SIGNONMSGSRSV1/SONRS/INTU.BID"), "00024");
}

}  // namespace
