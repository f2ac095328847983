// Statement files saved from a bank's web site: real banks' files, the same file twice, a file
// with a bank and a credit-card statement, and files that cannot be imported.
#include "online/CStatementFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/RegisterFixture.h"
#include "ofx/COfxClient.h"
#include "platform/sys/CodePage.h"
#include "support/TempFolder.h"

namespace {

using register_fixture::Txn;
using register_fixture::Type;
using testing_support::TempFolder;

std::string Sample(const std::string& name) {
    return std::string(COINVALE_OFX_SAMPLES) + name;
}

std::string Statement(const std::string& account, const std::string& lines, bool card) {
    const std::string set = card ? "CREDITCARDMSGSRSV1" : "BANKMSGSRSV1";
    const std::string wrapper = card ? "CCSTMTTRNRS" : "STMTTRNRS";
    const std::string from = card ? "<CCACCTFROM><ACCTID>" + account + "</CCACCTFROM>"
                                  : "<BANKACCTFROM><BANKID>123456789<ACCTID>" + account +
                                        "<ACCTTYPE>CHECKING</BANKACCTFROM>";
    return "<" + set + "><" + wrapper + "><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><" +
           (card ? "CCSTMTRS" : "STMTRS") + "><CURDEF>USD" + from +
           "<BANKTRANLIST><DTSTART>20240101<DTEND>20240301" + lines + "</BANKTRANLIST>" +
           "<LEDGERBAL><BALAMT>-50.00<DTASOF>20240301</LEDGERBAL></" +
           (card ? "CCSTMTRS" : "STMTRS") + "></" + wrapper + "></" + set + ">\n";
}

std::string Line(const std::string& id, const std::string& amount, const std::string& name) {
    return "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>" + amount + "<FITID>" + id +
           "<NAME>" + name + "</STMTTRN>";
}

// An OFX 1.x file of the given message sets.
std::string File(const std::string& sets) {
    return "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\n"
           "CHARSET:1252\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n<OFX>\n"
           "<SIGNONMSGSRSV1><SONRS><STATUS><CODE>0<SEVERITY>INFO</STATUS><DTSERVER>20240301"
           "<LANGUAGE>ENG</SONRS></SIGNONMSGSRSV1>\n" +
           sets + "</OFX>\n";
}

class StatementFileTest : public ::testing::Test {
  protected:
    std::string Write(const std::string& name, const std::string& text) {
        testing_support::WriteBytes(m_temp.File(name),
                                    std::vector<std::uint8_t>(text.begin(), text.end()));
        return m_temp.File(name);
    }
    int Import(const std::string& path, const char* accountNumber = nullptr) {
        if (accountNumber != nullptr) account.Record().SetAccountNumber(accountNumber);
        return CStatementFile::ImportStatementFile(account, path, result);
    }

    const CTransaction& ById(const char* id) const {
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(account.Transactions().Count());
             ++i) {
            if (std::string(account.Transactions().At(i)->GetOnlineId()) == id) {
                return *account.Transactions().At(i);
            }
        }
        static const CTransaction kNone;
        ADD_FAILURE() << "no transaction " << id;
        return kNone;
    }

    TempFolder m_temp;
    register_fixture::TestAccountList list;
    CCVAccount& account = list.AddAccount("Checking");
    CStatementFile::Result result;
};

TEST_F(StatementFileTest, TheSameFileTwiceAddsNothingTheSecondTime) {
    ASSERT_EQ(Import(Sample("checking.ofx")), CStatementFile::kImported)
        << sys::WideToAnsi(result.text);
    EXPECT_EQ(result.added, 3u);
    EXPECT_EQ(result.matched, 0u);
    EXPECT_EQ(result.skipped, 0u);
    // The payee "AUTOMATIC WITHDRAWAL, ELECTRIC BILL" is longer than its field: the import says
    // that one line's texts were changed.
    EXPECT_EQ(result.changed, 1u);
    EXPECT_EQ(sys::WideToAnsi(result.text),
              "3 new transactions (0 of them matched with entered ones), 0 already in the "
              "account.\nTransactions whose texts were changed to be stored (characters the data "
              "files cannot hold, control characters, texts too long for their field): 1.");
    ASSERT_EQ(account.CountFiltered(CTransaction::kFilterDownloaded), 3u);
    const CTransaction& check = *account.Transactions().At(2);
    EXPECT_STREQ(check.GetOnlineId(), "0000488");
    EXPECT_EQ(check.GetCheckNumber(), 319u);
    EXPECT_EQ(check.GetAmount(), 2500);
    // An account that held nothing takes the file's ledger balance; the online download marker
    // stays where it was.
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 10099);
    EXPECT_EQ(account.Record().GetDownloadMarker(), "");
    const CCVAccountRecord before = account.Record();

    ASSERT_EQ(Import(Sample("checking.ofx")), CStatementFile::kImported);
    EXPECT_EQ(result.added, 0u);
    EXPECT_EQ(result.skipped, 3u);
    // Fault: the line with the long payee was reported as changed to be stored again, though
    // nothing of it was stored.
    EXPECT_EQ(result.changed, 0u);
    EXPECT_EQ(sys::WideToAnsi(result.text),
              "0 new transactions (0 of them matched with entered ones), 3 already in the account.");
    EXPECT_EQ(account.Transactions().Count(), 3u);
    EXPECT_TRUE(account.Record() == before);
}

// Fault found by fuzzing: an identifier longer than the register's field (255 bytes) is kept
// cut short, and the second import compared the whole identifier with the kept one, so the line
// came in again on every import.
TEST_F(StatementFileTest, AnIdentifierLongerThanItsFieldIsStillKnownTheSecondTime) {
    const std::string longId(300, '7');
    const std::string path =
        Write("long.ofx", File(Statement("1001", Line(longId, "-12.00", "Shop") +
                                                     Line(longId.substr(0, 255) + "8", "-3.00", "Kiosk"),
                                         false)));
    ASSERT_EQ(Import(path), CStatementFile::kImported) << sys::WideToAnsi(result.text);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(std::string(account.Transactions().At(0)->GetOnlineId()).size(), 255u);
    ASSERT_EQ(Import(path), CStatementFile::kImported);
    EXPECT_EQ(result.added, 0u);
    EXPECT_EQ(result.skipped, 2u);
    EXPECT_EQ(account.Transactions().Count(), 2u);
}

TEST_F(StatementFileTest, RealBanksFiles) {
    struct Case {
        const char* file;
        std::uint32_t added;
        Amount cleared;
    };
    const Case cases[] = {
        {"anzcc.ofx", 1, -12345},       // a credit card, XML header with SGML leaves
        {"bank_medium.ofx", 3, 38234},  // one-line aggregates, dates with a zone
        {"suncorp.ofx", 1, 123412},     // XML, CDATA payee
        // Empty elements, no ledger balance: the cleared balance is the line's.
        {"ofx-v102-empty-tags.ofx", 1, 1234},
        {"failnice_empty_balance.ofx", 1, 12000},
    };
    for (const Case& c : cases) {
        register_fixture::TestAccountList own;
        CCVAccount& fresh = own.AddAccount(c.file);
        ASSERT_EQ(CStatementFile::ImportStatementFile(fresh, Sample(c.file), result), 0)
            << c.file << ": " << sys::WideToAnsi(result.text);
        EXPECT_EQ(result.added, c.added) << c.file;
        EXPECT_EQ(fresh.GetBalance(CCVAccount::kBalanceCleared), c.cleared) << c.file;
    }
}

TEST_F(StatementFileTest, LinesMatchEnteredTransactions) {
    account.AddTransaction(Txn(COfxClient::OfxDateTimeToPalmDateTime("20110401"), 3451,
                               Type::kTypeWithdrawal, "Electric"));
    ASSERT_EQ(Import(Sample("checking.ofx")), CStatementFile::kImported);
    EXPECT_EQ(result.added, 3u);
    EXPECT_EQ(result.matched, 1u);
    // The account held a transaction: the file's ledger balance is not taken, only the lines'.
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), 1 - 3451 - 2500);
}

TEST_F(StatementFileTest, BankAndCreditCardStatementsInOneFile) {
    const std::string path =
        Write("both.qfx",
              File(Statement("1001", Line("B1", "-10.00", "Grocer") + Line("B2", "-20.00", "Fuel"),
                             false) +
                   Statement("4111", Line("C1", "-5.00", "Diner"), true)));
    ASSERT_EQ(Import(path, "4111"), CStatementFile::kImported) << sys::WideToAnsi(result.text);
    ASSERT_EQ(account.Transactions().Count(), 1u);
    EXPECT_STREQ(account.Transactions().At(0)->GetOnlineId(), "C1");
    ASSERT_EQ(Import(path, "1001"), CStatementFile::kImported);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(account.Transactions().Count(), 3u);

    // No statement for the account's number, or none to choose by, and both have lines:
    // refused with the numbers the file holds, nothing added.
    EXPECT_EQ(Import(path, "9999"), CStatementFile::kNoneFits);
    EXPECT_EQ(sys::WideToAnsi(result.text),
              "The file " + path +
                  " holds statements of several accounts (\"1001\", \"4111\"); choose the one "
                  "to import.");
    EXPECT_EQ(Import(path, ""), CStatementFile::kNoneFits);
    const std::string twice =
        Write("twice.ofx", File(Statement("1001", Line("X1", "-1.00", "A"), false) +
                                Statement("1001", Line("X2", "-2.00", "B"), false)));
    EXPECT_EQ(Import(twice, "1001"), CStatementFile::kSeveralFit);
    EXPECT_EQ(account.Transactions().Count(), 3u);

    // Some sites leave the sign-on out of the file.
    const std::string bare =
        Write("bare.ofx", "<OFX>" + Statement("77", Line("N1", "1", "x"), false) + "</OFX>");
    EXPECT_EQ(Import(bare, "1001"), CStatementFile::kImported);
    EXPECT_EQ(account.Transactions().Count(), 4u);
}

TEST_F(StatementFileTest, FilesThatCannotBeImportedChangeNothing) {
    const auto checking = testing_support::ReadBytes(Sample("checking.ofx"));
    const std::string cut =
        Write("cut.ofx", std::string(checking.begin(), checking.begin() + checking.size() * 3 / 4));
    struct Case {
        std::string path;
        int error;
        const char* says;
    };
    const Case cases[] = {
        {Sample("failnice_decimal_error.ofx"), CStatementFile::kDamaged, "has no valid"},
        {Sample("failnice_date_missing.ofx"), CStatementFile::kDamaged, "no valid date"},
        {Sample("signon_fail.ofx"), CStatementFile::kDamaged, "is not a statement"},
        {Sample("error_message.ofx"), CStatementFile::kDamaged, "General Server Error"},
        {cut, CStatementFile::kDamaged, "is not a statement"},
        {Write("empty.ofx", ""), CStatementFile::kDamaged, "is not a statement"},
        {Sample("account_listing_aggregation.ofx"), CStatementFile::kNoStatement,
         "holds no account statement"},
        {Sample("vanguard.ofx"), CStatementFile::kNoStatement, "holds no account statement"},
        {m_temp.File("missing.ofx"), CStatementFile::kUnreadable, "could not be read"},
        {m_temp.Path(), CStatementFile::kUnreadable, "could not be read"},
    };
    const CCVAccountRecord before = account.Record();
    for (const Case& c : cases) {
        EXPECT_EQ(Import(c.path), c.error) << c.path;
        const std::string text = sys::WideToAnsi(result.text);
        EXPECT_NE(text.find(c.says), std::string::npos) << text;
        EXPECT_NE(text.find(c.path), std::string::npos) << text;
        EXPECT_EQ(account.Transactions().Count(), 0u) << c.path;
        EXPECT_EQ(list.lookUps.Count(), 0u) << c.path;
        EXPECT_TRUE(account.Record() == before) << c.path;
    }
}

// ---- statement files as real banks write them ----

// A bank statement whose body (after the account) is written by hand.
std::string HandStatement(const std::string& account, const std::string& body) {
    return "<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS><STMTRS>"
           "<CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>" +
           account + "<ACCTTYPE>CHECKING</BANKACCTFROM>" + body +
           "</STMTRS></STMTTRNRS></BANKMSGSRSV1>";
}

// Fault: a credit-card file that ends its lines with </STMTTRN> ... <LEDGERBAL> and never
// closes BANKTRANLIST imported 0 lines and said "0 new" with success.
TEST_F(StatementFileTest, AggregatesLeftOpenAreClosedByWhatFollows) {
    const std::string open =
        Write("open.qfx", File("<CREDITCARDMSGSRSV1><CCSTMTTRNRS><TRNUID>1<STATUS><CODE>0"
                               "<SEVERITY>INFO</STATUS><CCSTMTRS><CURDEF>USD<CCACCTFROM><ACCTID>41"
                               "</CCACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240301" +
                               Line("C1", "-5.00", "Diner") + Line("C2", "-6.00", "Cinema") +
                               "<LEDGERBAL><BALAMT>-11.00<DTASOF>20240301</LEDGERBAL>"
                               "</CCSTMTRS></CCSTMTTRNRS></CREDITCARDMSGSRSV1>"));
    ASSERT_EQ(Import(open), CStatementFile::kImported) << sys::WideToAnsi(result.text);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(account.GetBalance(CCVAccount::kBalanceCleared), -1100);

    // Lines that never close, one after the other, and a statement closed by the next one.
    register_fixture::TestAccountList other;
    CCVAccount& second = other.AddAccount("Second");
    const std::string sgml = Write(
        "sgml.ofx", File("<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>"
                         "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>77<ACCTTYPE>CHECKING"
                         "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240301"
                         "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-1.00<FITID>S1<MEMO>"
                         "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-2.00<FITID>S2<NAME>Two"
                         "</BANKTRANLIST><LEDGERBAL><BALAMT>-3.00<DTASOF>20240301</LEDGERBAL>"
                         "</STMTTRNRS></BANKMSGSRSV1>"));
    ASSERT_EQ(CStatementFile::ImportStatementFile(second, sgml, result), CStatementFile::kImported)
        << sys::WideToAnsi(result.text);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(second.GetBalance(CCVAccount::kBalanceCleared), -300);

    // A line that still stands outside every transaction list: refused, not "0 new".
    const std::string astray =
        Write("astray.ofx", File(HandStatement("77", Line("L1", "-1.00", "Lost"))));
    EXPECT_EQ(Import(astray), CStatementFile::kDamaged);
    EXPECT_NE(sys::WideToAnsi(result.text).find("1 statement lines stand outside"),
              std::string::npos)
        << sys::WideToAnsi(result.text);
    EXPECT_EQ(account.Transactions().Count(), 2u);
}

// Fault: a reply holding two statements in one STMTTRNRS imported only the first, even an empty
// one (36 lines lost, with success).
TEST_F(StatementFileTest, SeveralStatementsInOneReply) {
    const std::string body =
        "<BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>"
        "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>111<ACCTTYPE>CHECKING</BANKACCTFROM>"
        "<BANKTRANLIST><DTSTART>20240101<DTEND>20240301</BANKTRANLIST></STMTRS>"
        "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>222<ACCTTYPE>SAVINGS</BANKACCTFROM>"
        "<BANKTRANLIST><DTSTART>20240101<DTEND>20240301" +
        Line("T1", "-1.00", "One") + Line("T2", "-2.00", "Two") +
        "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1>";
    const std::string path = Write("two.ofx", File(body));
    // Only one has lines: it is taken, and the message says so.
    ASSERT_EQ(Import(path), CStatementFile::kImported) << sys::WideToAnsi(result.text);
    EXPECT_EQ(result.added, 2u);
    EXPECT_EQ(result.statement, "222");
    EXPECT_NE(sys::WideToAnsi(result.text)
                  .find("statements of the accounts \"111\", \"222\"; only that of 222 has "
                        "transactions, and it was taken."),
              std::string::npos)
        << sys::WideToAnsi(result.text);

    // Chosen by number: the empty one adds nothing, an unknown number is refused with the
    // numbers the file holds.
    const std::string empty = "111";
    EXPECT_EQ(CStatementFile::ImportStatementFile(account, path, result, &empty),
              CStatementFile::kImported);
    EXPECT_EQ(result.added, 0u);
    const std::string unknown = "333";
    EXPECT_EQ(CStatementFile::ImportStatementFile(account, path, result, &unknown),
              CStatementFile::kNoSuchStatement);
    EXPECT_EQ(sys::WideToAnsi(result.text),
              "The file " + path +
                  " holds no statement of the account number \"333\"; it holds \"111\", \"222\".");
    EXPECT_EQ(account.Transactions().Count(), 2u);
}

// Faults: amounts with more decimals were cut (-995.41 for -995.4190396554627); an amount beyond
// what an account can hold was clamped; dates after 2040-02-06 were clamped to that day.
TEST_F(StatementFileTest, AmountsRoundAndValuesBeyondTheDataAreRefused) {
    const std::string money =
        Write("money.ofx",
              File(Statement(
                  "1", Line("D1", "-995.4190396554627", "Fund") + Line("D2", "12.345", "Dividend"),
                  false)));
    ASSERT_EQ(Import(money), CStatementFile::kImported) << sys::WideToAnsi(result.text);
    EXPECT_EQ(ById("D1").GetSignedAmount(), -99542);
    EXPECT_EQ(ById("D2").GetSignedAmount(), 1235);

    register_fixture::TestAccountList other;
    CCVAccount& fresh = other.AddAccount("Fresh");
    const struct {
        std::string file;
        const char* says;
    } refused[] = {
        {Write("huge.ofx",
               File(Statement("1", Line("H1", "99999999999999999999.99", "Huge"), false))),
         "The amount 99999999999999999999.99 of the transaction \"H1\" is more than an account "
         "can hold."},
        {Write("late.ofx",
               File(Statement("1",
                              "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20400207<TRNAMT>-1<FITID>Z9"
                              "</STMTTRN>",
                              false))),
         "The transaction \"Z9\" is dated 20400207, past the last day the data files can hold "
         "(2040-02-06)."},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(CStatementFile::ImportStatementFile(fresh, c.file, result),
                  CStatementFile::kDamaged);
        EXPECT_NE(sys::WideToAnsi(result.text).find(c.says), std::string::npos)
            << sys::WideToAnsi(result.text);
        EXPECT_EQ(fresh.Transactions().Count(), 0u);
    }
}

// Faults: characters outside Windows-1252 became "?" (even "é" written as e and a combining
// accent), a NUL cut a memo short, and control characters (an escape sequence) were stored as
// the bank wrote them.
TEST_F(StatementFileTest, TextsAreStoredAsWellAsTheyCanBe) {
    const std::string line =
        "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-1<FITID>U1<NAME>Cafe\xCC\x81 "
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA<MEMO>\xD0\x9C\xD0\xB8\xD1\x80 \xF0\x9F\x98\x80 end</STMTTRN>"
        "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-2<FITID>U2<NAME>\x1B[2JEvil\x07"
        "<MEMO>before&#0;after</STMTTRN>"
        "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-3<FITID>U3<NAME>Plain</STMTTRN>";
    const std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" "
        "VERSION=\"211\"?>\n<OFX>" +
        Statement("1", line, false) + "</OFX>";
    ASSERT_EQ(Import(Write("utf8.ofx", xml)), CStatementFile::kImported)
        << sys::WideToAnsi(result.text);
    EXPECT_EQ(result.added, 3u);
    EXPECT_EQ(result.changed, 2u);
    EXPECT_STREQ(ById("U1").GetPayeeName(),
                 "Caf\xE9 L\xF3"
                 "dz");
    EXPECT_STREQ(ById("U1").GetMemo(), "??? ? end");
    EXPECT_STREQ(ById("U2").GetPayeeName(), " [2JEvil ");
    EXPECT_STREQ(ById("U2").GetMemo(), "beforeafter");
    EXPECT_NE(sys::WideToAnsi(result.text).find("texts too long for their field): 2."),
              std::string::npos);
}

// Found by fuzzing: a date whose zone held a NUL was read as valid, then passed on as a C string
// that no longer read as a date, so the line was stored on 1904-01-01.
TEST_F(StatementFileTest, ADateIsPassedOnAsTheReaderUnderstoodIt) {
    const std::string line = std::string("<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20090402122017.000[-5:E") +
                             '\x01' + '\0' + "ST]<TRNAMT>-1<FITID>Z1</STMTTRN>";
    ASSERT_EQ(Import(Write("zone.ofx", File(Statement("1", line, false)))),
              CStatementFile::kImported)
        << sys::WideToAnsi(result.text);
    const DateParts parts = DateToParts(ById("Z1").GetDate());
    EXPECT_EQ(parts.year, 2009);
    EXPECT_EQ(parts.month, 4);
    EXPECT_EQ(parts.day, 2);
    EXPECT_EQ(parts.hour, 12);
}

// The lines of a file are taken whole: a file a second time adds nothing, whatever its form.
TEST_F(StatementFileTest, EverySampleASecondTimeAddsNothing) {
    for (const char* file : {"anzcc.ofx", "bank_medium.ofx", "checking.ofx", "suncorp.ofx",
                             "ofx-v102-empty-tags.ofx", "failnice_empty_balance.ofx"}) {
        register_fixture::TestAccountList own;
        CCVAccount& fresh = own.AddAccount(file);
        ASSERT_EQ(CStatementFile::ImportStatementFile(fresh, Sample(file), result), 0) << file;
        const std::uint32_t count = fresh.Transactions().Count();
        ASSERT_EQ(CStatementFile::ImportStatementFile(fresh, Sample(file), result), 0) << file;
        EXPECT_EQ(result.added, 0u) << file;
        EXPECT_EQ(fresh.Transactions().Count(), count) << file;
    }
}

}  // namespace
