// coinvale's commands as a script runs them: the built program on temporary data folders, with a
// fixed clock. Golden output of accounts and register in text and JSON; add and transfer seen
// from both accounts; refused input that changes no byte; usage errors; check finding a cut
// account file, a broken twin and a balance that does not add up; a statement file imported
// twice and a damaged one; a change refused while the interactive program holds its mutex; the
// lock password.
//
// COINVALE_UPDATE_GOLDEN=1 rewrites the golden files from the program's output.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "DataSet.h"
#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "platform/sys/NamedMutex.h"
#include "storage/CCVPassword.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

constexpr int kDone = 0;
constexpr int kRefused = 1;
constexpr int kUsage = 2;
// The account file: a reserved word, then the record, whose current balance is at offset 48.
constexpr std::size_t kCurrentBalanceInFile = 2 + 48;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (const char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class CommandLine : public ::testing::Test {
  protected:
    // Every file of the data folder with its bytes.
    std::map<std::string, Bytes> Snapshot() const {
        std::map<std::string, Bytes> files;
        for (const std::string& name : testing_support::ListFolder(m_data)) {
            files[name] = ReadBytes(m_data + name);
        }
        return files;
    }

    Result Run(const std::vector<std::string>& words, const std::string& input = "") const {
        std::string command = Quoted(COINVALE_PROGRAM);
        for (const std::string& word : words) command += " " + Quoted(word);
        const std::string in = m_home.File("stdin");
        std::ofstream(in, std::ios::binary) << input;
        command += " <" + Quoted(in) + " 2>" + Quoted(m_home.File("stderr"));
        Result result;
        std::FILE* pipe = ::popen(command.c_str(), "r");
        if (pipe == nullptr) return result;
        char buffer[4096];
        std::size_t read = 0;
        while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
            result.out.append(buffer, read);
        const int status = ::pclose(pipe);
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        result.err = ReadText(m_home.File("stderr"));
        return result;
    }

    // A command on the test's data folder that must succeed.
    Result Do(std::vector<std::string> words) const {
        words.insert(words.begin(), {"--data", m_data});
        Result result = Run(words);
        EXPECT_EQ(result.status, kDone) << result.err;
        return result;
    }
    Result On(std::vector<std::string> words) const {
        words.insert(words.begin(), {"--data", m_data});
        return Run(words);
    }

    // A new data folder with the first accounts: the commands that change data make none.
    void InitData() const {
        EXPECT_EQ(Do({"init"}).out, "Created a data folder at " + m_data + " with the first accounts.\n");
    }

    // A few weeks of a household, entered through the commands.
    void EnterSample() const {
        InitData();
        Do({"add", "Checking", "--amount", "1500", "--payee", "Employer", "--category", "Salary",
            "--date", "2027-07-01", "--state", "cleared"});
        Do({"add", "Checking", "--amount", "-1200", "--check", "1001", "--payee", "Landlord",
            "--category", "Household", "--date", "2027-07-02", "--state", "Reconciled"});
        Do({"add", "Checking", "--amount", "-82.15", "--payee", "Corner Shop", "--category",
            "Groceries", "--class", "Personal", "--memo", "milk, \"fresh\" bread", "--date",
            "2027-07-03"});
        Do({"add", "Visa", "--amount", "-19.99", "--payee", "Café Zoë", "--category", "Dining",
            "--date", "2027-07-04"});
        Do({"add", "checking", "--amount", "-250", "--category", "[Savings]", "--payee",
            "To savings", "--date", "2027-07-05", "--type", "Withdrawal"});
        Do({"transfer", "Savings", "Visa", "40", "--date", "2027-07-06", "--cleared"});
        Do({"add", "Checking", "--amount", "-5", "--type", "ATM", "--state", "void", "--date",
            "2027-07-07"});
    }

    void ExpectGolden(const std::string& name, const std::string& output) const {
        const std::string path = std::string(GOLDEN_FOLDER) + name;
        if (std::getenv("COINVALE_UPDATE_GOLDEN") != nullptr) {
            std::ofstream(path, std::ios::binary) << output;
        }
        EXPECT_EQ(output, ReadText(path)) << name;
    }

    TempFolder m_home;
    std::string m_data = m_home.File("data/");
    ScopedEnvironment m_coinvaleHome{"COINVALE_HOME", m_home.Path()};
    ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR", m_home.File("Documents")};
    ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR",
                                m_home.Path().substr(0, m_home.Path().size() - 1)};
    ScopedEnvironment m_now{"COINVALE_NOW", std::string("2027-07-08T09:30:00")};
    ScopedEnvironment m_locale{"LC_ALL", std::string("C")};
};

TEST_F(CommandLine, TheSampleThroughEveryReadingCommand) {
    EnterSample();
    ExpectGolden("accounts.txt", Do({"accounts"}).out);
    ExpectGolden("accounts.json", Do({"accounts", "--json"}).out);
    ExpectGolden("register.txt", Do({"register", "Checking"}).out);
    ExpectGolden("register.json", Do({"register", "Checking", "--json"}).out);
    ExpectGolden("register-visa.txt", Do({"register", "Visa"}).out);  // text beyond ASCII
    ExpectGolden("register-sorted.txt", Do({"register", "Checking", "--sort", "amount",
                                            "--descending", "--filter", "Unreconciled"})
                                            .out);

    ExpectGolden("report.txt", Do({"report", "--by", "category", "--period", "This Month"}).out);
    ExpectGolden("report.json", Do({"report", "--by", "Payee", "--from", "2027-07-02", "--to",
                                    "2027-07-05", "--account", "Checking", "--json"})
                                    .out);

    // The transfer entered with add has its twin in Savings; the transfer command's withdrawal
    // comes out of Savings into Visa.
    const std::string savings = Do({"register", "Savings"}).out;
    EXPECT_NE(savings.find("2027-07-05  Deposit     To savings  [Checking]  "), std::string::npos)
        << savings;
    EXPECT_NE(savings.find("2027-07-06  Withdrawal  Transfer    [Visa]"), std::string::npos)
        << savings;
    const std::string visa = Do({"register", "Visa", "--json"}).out;
    EXPECT_NE(visa.find("\"category\": \"[Savings]\""), std::string::npos) << visa;
    EXPECT_NE(visa.find("\"amount\": \"40.00\""), std::string::npos) << visa;

    const std::string csv = Do({"export", "Checking", "--format", "CSV"}).out;
    EXPECT_EQ(csv,
              "Date,Check number,Type,Payee,Category,Class,Memo,Amount,State,Balance\r\n"
              "2027-07-01,,Deposit,Employer,Salary,,,1500.00,Cleared,1500.00\r\n"
              "2027-07-02,1001,Check #,Landlord,Household,,,-1200.00,Reconciled,300.00\r\n"
              "2027-07-03,,Check #,Corner Shop,Groceries,Personal,\"milk, \"\"fresh\"\" bread\","
              "-82.15,Uncleared,217.85\r\n"
              "2027-07-05,,Withdrawal,To savings,[Savings],,,-250.00,Uncleared,-32.15\r\n"
              "2027-07-07,,ATM,,,,,-5.00,Void,-32.15\r\n");
    const Result other = On({"export", "Checking", "--format", "xlsx"});
    EXPECT_EQ(other.status, kRefused);
    EXPECT_EQ(other.err, "\"xlsx\" is not an export format; use csv, qif, ledger or json.\n");

    // What add reports: the row entered and its twin's, each with the new balance.
    const Result added = Do({"add", "Savings", "--amount", "10", "--category", "[Visa]", "--json"});
    EXPECT_NE(added.out.find("\"account\": \"Savings\""), std::string::npos) << added.out;
    EXPECT_NE(added.out.find("\"account\": \"Visa\""), std::string::npos) << added.out;
    EXPECT_NE(added.out.find("\"amount\": \"-10.00\""), std::string::npos) << added.out;
}

TEST_F(CommandLine, ReportsAndBudgetsAsTheEngineBuildsThem) {
    EnterSample();
    // A monthly budget of 200.00 for groceries and one for a category not used at all.
    {
        CCVAccountList list;  // the lists other layers make stay as they are
        ASSERT_EQ(list.Load(m_data), 0);
        CCVCategoryList& categories = list.GetCategories();
        categories.SetBudget(categories.FindOrCreate("Groceries", false), 20000);
        categories.SetBudget(categories.FindOrCreate("Gifts", false), 5000);
        ASSERT_EQ(list.SaveAll(), 0);
    }
    ExpectGolden("budget.txt", Do({"budget", "--by", "category", "--period", "This Quarter"}).out);
    const std::string json =
        Do({"budget", "--by", "category", "--period", "Last 90 Days", "--json"}).out;
    EXPECT_NE(json.find("{\n      \"name\": \"Gifts\",\n      \"budget\": \"50.00\",\n      "
                        "\"actual\": \"0.00\",\n      \"difference\": \"-50.00\"\n    }"),
              std::string::npos)
        << json;

    // Only money out, on all accounts: the transfers between them are left out.
    EXPECT_EQ(Do({"report", "--by", "category", "--expenses"}).out,
              "Last 30 Days: 2027-06-08 to 2027-07-08\n"
              "Category     Amount\n"
              "Dining       -19.99\n"
              "Groceries    -82.15\n"
              "Household  -1200.00\n"
              "Total      -1302.14\n");

    const struct {
        std::vector<std::string> words;
        int status;
        std::string message;
    } refusals[] = {
        {{"report", "--period", "This Year"}, kUsage, "coinvale report: --by is required."},
        {{"report", "--by", "payee", "--incomes", "--expenses"},
         kUsage,
         "coinvale report: --incomes and --expenses exclude each other."},
        {{"report", "--by", "payee", "--period", "This Year", "--to", "2027-07-01"},
         kUsage,
         "coinvale report: --period and --to exclude each other."},
        {{"report", "--by", "memo"},
         kRefused,
         "\"memo\" is not a grouping; use one of: Payee, Category, Class."},
        {{"report", "--by", "payee", "--period", "Custom"},
         kRefused,
         "\"Custom\" is not a period; use one of: Last 30 Days, Last 90 Days, Last Month, Last "
         "Quarter, Last Year, This Month, This Quarter, This Year."},
        {{"report", "--by", "payee", "--from", "2027-07-01"},
         kRefused,
         "A period of your own needs both --from and --to."},
        {{"report", "--by", "payee", "--from", "2027-07-09", "--to", "2027-07-01"},
         kRefused,
         "The period ends (2027-07-01) before it starts (2027-07-09)."},
        {{"budget", "--by", "class"}, kUsage, "coinvale budget: --period is required."},
    };
    for (const auto& refused : refusals) {
        const Result result = On(refused.words);
        EXPECT_EQ(result.status, refused.status) << refused.message;
        EXPECT_EQ(result.err, refused.message + "\n");
    }
}

TEST_F(CommandLine, AddTakesWhatAKnownPayeeRemembers) {
    InitData();
    Do({"add", "Checking", "--amount", "-82.15", "--payee", "Corner Shop", "--category",
        "Groceries", "--class", "Personal", "--memo", "weekly", "--date", "2027-07-03"});
    // Category and class left out come from the payee; the memo given stays.
    Do({"add", "Checking", "--amount", "-12.50", "--payee", "corner shop", "--memo", "milk",
        "--date", "2027-07-04"});
    EXPECT_EQ(Do({"export", "Checking", "--format", "csv"}).out,
              "Date,Check number,Type,Payee,Category,Class,Memo,Amount,State,Balance\r\n"
              "2027-07-03,,Check #,Corner Shop,Groceries,Personal,weekly,-82.15,Uncleared,"
              "-82.15\r\n"
              "2027-07-04,,Check #,corner shop,Groceries,Personal,milk,-12.50,Uncleared,"
              "-94.65\r\n");
}

TEST_F(CommandLine, RefusedInputSaysWhyAndChangesNoByte) {
    InitData();
    Do({"add", "Checking", "--amount", "1"});
    const auto before = Snapshot();
    const struct {
        std::vector<std::string> words;
        std::string message;
    } cases[] = {
        {{"add", "Checking", "--amount", "12abc"},
         "\"12abc\" is not an amount: write it with \".\" before the cents and \",\" only "
         "between groups of three digits (1,234.50)."},
        {{"add", "Checking", "--amount", "-"},
         "\"-\" is not an amount: write it with \".\" before the cents and \",\" only between "
         "groups of three digits (1,234.50)."},
        {{"add", "Checking", "--amount", "123456789012345678901"},
         "\"123456789012345678901\" is more than an account can hold."},
        // Typed values that were changed without a word: 1,50 stored as 150.00, 12,34 as
        // 1234.00, 12.345 as 12.34.
        {{"add", "Checking", "--amount", "1,50"},
         "\"1,50\" is not an amount: write it with \".\" before the cents and \",\" only "
         "between groups of three digits (1,234.50)."},
        {{"add", "Checking", "--amount", "12,34"},
         "\"12,34\" is not an amount: write it with \".\" before the cents and \",\" only "
         "between groups of three digits (1,234.50)."},
        {{"add", "Checking", "--amount", "12.345"}, "\"12.345\" has more than two decimals."},
        {{"transfer", "Checking", "Savings", "1.005"}, "\"1.005\" has more than two decimals."},
        // Text that was stored changed, or with control characters that a register printed raw.
        {{"add", "Checking", "--amount", "-5", "--payee", "\x1b]0;owned\x07Shop"},
         "The payee text holds a control character, which cannot be stored."},
        {{"add", "Checking", "--amount", "-5", "--memo", "line one\nline two"},
         "The memo text holds a control character, which cannot be stored."},
        {{"add", "Checking", "--amount", "-5", "--payee", "\xD0\x9C\xD0\xB8\xD1\x80"},
         "The payee text holds \"\xD0\x9C\", which the data files (Windows-1252) cannot hold."},
        {{"add", "Checking", "--amount", "-5", "--payee", "Cafe \xF0\x9F\x98\x80"},
         "The payee text holds \"\xF0\x9F\x98\x80\", which the data files (Windows-1252) cannot "
         "hold."},
        {{"add", "Checking", "--amount", "-5", "--payee", std::string(33, 'x')},
         "The payee text is longer than the 32 characters it can have."},
        {{"add", "Checking", "--amount", "-5", "--memo", std::string(161, 'x')},
         "The memo text is longer than the 160 characters it can have."},
        {{"add", "Checking", "--amount", "5", "--date", "2027-02-30"},
         "\"2027-02-30\" is not a date: write it YYYY-MM-DD, from 1904 to 2040."},
        {{"add", "Checking", "--amount", "5", "--type", "Gift"},
         "There is no transaction type named \"Gift\"."},
        {{"add", "Checking", "--amount", "5", "--type", "Withdrawal"},
         "The type \"Withdrawal\" goes the other way: a negative amount takes money out, a "
         "positive one puts it in."},
        {{"add", "Checking", "--amount", "-5", "--type", "Withdrawal", "--check", "12"},
         "The type \"Withdrawal\" carries no check number."},
        {{"add", "Checking", "--amount", "-5", "--check", "123456789"},
         "\"123456789\" is not a check number: use at most eight digits."},
        {{"add", "Checking", "--amount", "-5", "--category", "Pets"},
         "There is no category or account named \"Pets\"."},
        {{"add", "Checking", "--amount", "-5", "--category", "[Cash Box]"},
         "There is no category or account named \"[Cash Box]\"."},
        {{"add", "Checking", "--amount", "-5", "--category", "-SPLIT-"},
         "A split transaction cannot be entered from the command line."},
        {{"add", "Checking", "--amount", "-5", "--category", "[Checking]"},
         "You cant transfer to and from the same account."},
        {{"add", "Checking", "--amount", "-5", "--category", "[Checking]", "--payee", "Newcomer"},
         "You cant transfer to and from the same account."},  // and no payee made
        {{"add", "Checking", "--amount", "-5", "--class", "Hobby"},
         "There is no class named \"Hobby\"."},
        {{"add", "Checking", "--amount", "-5", "--state", "done"},
         "\"done\" is not a state; use one of: Uncleared, Cleared, Reconciled, Void."},
        {{"add", "Brokerage", "--amount", "-5"}, "There is no account named \"Brokerage\"."},
        {{"transfer", "Checking", "Checking", "5"},
         "You cant transfer to and from the same account."},
        {{"transfer", "Checking", "Savings", "0"}, "Enter a valid amount."},
        {{"transfer", "Checking", "Savings", "-5"}, "Enter a valid amount."},
        {{"transfer", "Checking", "Savings", "5", "--date", "tomorrow"},
         "\"tomorrow\" is not a date: write it YYYY-MM-DD, from 1904 to 2040."},
        {{"register", "Checking", "--filter", "Pending"},
         "\"Pending\" is not a register filter; use one of: All, Reconciled, Unreconciled, "
         "Cleared, Uncleared, Downloaded, Imported."},
        {{"register", "Checking", "--sort", "Balance"},
         "\"Balance\" is not a column to sort by; use one of: Check, Icon, Date, Type, Payee, "
         "Category, Class, Memo, Amount."},
    };
    for (const auto& refused : cases) {
        const Result result = On(refused.words);
        EXPECT_EQ(result.status, kRefused) << refused.words[0] << " " << refused.words.back();
        EXPECT_EQ(result.err, refused.message + "\n");
        EXPECT_EQ(result.out, "");
    }
    EXPECT_EQ(Snapshot(), before);
}

// Faults: ten adds of 9999999999999999.99 saturated the balance without a word; an accent typed
// as a letter and a combining mark was stored as "e?".
TEST_F(CommandLine, TypedValuesAreStoredAsGivenOrRefused) {
    InitData();
    Do({"add", "Checking", "--amount", "1,234.50", "--payee", "Cafe\xCC\x81", "--memo",
        std::string(160, 'm'), "--date", "2027-07-01"});
    const std::string shown = Do({"register", "Checking", "--json"}).out;
    EXPECT_NE(shown.find("\"payee\": \"Caf\xC3\xA9\""), std::string::npos) << shown;
    EXPECT_NE(shown.find("\"amount\": \"1234.50\""), std::string::npos) << shown;

    int taken = 0;
    Result refused;
    for (int i = 0; i < 10; ++i) {
        refused = On({"add", "Savings", "--amount", "9999999999999999.99"});
        if (refused.status != kDone) break;
        ++taken;
    }
    EXPECT_EQ(taken, 7);
    EXPECT_EQ(refused.status, kRefused);
    EXPECT_EQ(refused.err, "That would take the account's balance past what it can hold.\n");
    const Result transfer = On({"transfer", "Checking", "Savings", "9999999999999999.99"});
    EXPECT_EQ(transfer.status, kRefused);
    EXPECT_EQ(transfer.err, "That would take the account's balance past what it can hold.\n");
    EXPECT_NE(Do({"accounts", "--json"}).out.find("\"69999999999999999.93\""), std::string::npos);
}

TEST_F(CommandLine, UsageErrorsAndHelp) {
    const struct {
        std::vector<std::string> words;
        std::string message;
    } cases[] = {
        {{"balance"}, "coinvale: there is no command \"balance\". See coinvale --help."},
        {{"export", "Checking", "--json"},
         "coinvale export: --json is not an option here. See coinvale export --help."},
        {{"accounts", "--sort", "Amount"},
         "coinvale accounts: --sort is not an option here. See coinvale accounts --help."},
        {{"register"}, "coinvale register: wrong arguments. See coinvale register --help."},
        {{"transfer", "Checking", "Savings"},
         "coinvale transfer: wrong arguments. See coinvale transfer --help."},
        {{"add", "Checking"}, "coinvale add: --amount is required."},
        {{"register", "Checking", "--filter"}, "coinvale register: --filter needs a value."},
        {{"accounts", "--json", "--json"}, "coinvale accounts: --json is given twice."},
    };
    for (const auto& usage : cases) {
        const Result result = On(usage.words);
        EXPECT_EQ(result.status, kUsage) << usage.words[0];
        EXPECT_EQ(result.err, usage.message + "\n");
    }
    // Options without a command: the general help, on standard error.
    const Result bare = On({});
    EXPECT_EQ(bare.status, kUsage);
    EXPECT_EQ(bare.err.rfind("Usage: coinvale [COMMAND", 0), 0u);

    const Result help = Run({"--help"});
    EXPECT_EQ(help.status, kDone);
    EXPECT_NE(help.out.find("  check      read every file"), std::string::npos);
    for (const char* command : {"accounts", "register", "add", "transfer", "upcoming", "export",
                                "check", "report", "budget", "import"}) {
        const Result own = Run({command, "--help"});
        EXPECT_EQ(own.status, kDone);
        EXPECT_EQ(own.out.rfind(std::string("Usage: coinvale ") + command, 0), 0u) << own.out;
    }
    // Help and usage errors never touch a data folder.
    EXPECT_FALSE(std::filesystem::exists(m_data));
}

TEST_F(CommandLine, StatementFilesImportOnceAndADamagedOneChangesNothing) {
    // The bank's file holds three lines; the one of -34.51 on April 1 meets an entered payment.
    // Until the review accepts the match, both stand in the register (and its balance).
    InitData();
    Do({"add", "Checking", "--amount", "-34.51", "--payee", "Electric", "--date", "2011-04-01",
        "--type", "Withdrawal"});
    const std::string file = std::string(COINVALE_OFX_SAMPLES) + "checking.ofx";
    EXPECT_EQ(Do({"import", file, "--account", "checking"}).out,
              "Imported into Checking: 3 new (1 matched), 0 skipped.\nTransactions whose texts "
              "were changed to be stored (characters the data files cannot hold, control "
              "characters, texts too long for their field): 1.\n");
    const std::string registerAfter = Do({"register", "Checking"}).out;
    // Nothing of the skipped lines is stored, so none of them counts as changed (it used to).
    EXPECT_EQ(Do({"import", file, "--account", "Checking", "--json"}).out,
              "{\n  \"account\": \"Checking\",\n  \"file\": \"" + file +
                  "\",\n  \"new\": 0,\n  \"matched\": 0,\n  \"skipped\": 3,\n"
                  "  \"changed\": 0,\n  \"statement\": \"1452687~7\",\n"
                  "  \"balance\": \"-94.01\",\n  \"cleared\": \"-59.50\"\n}\n");
    EXPECT_EQ(Do({"register", "Checking"}).out, registerAfter);

    const auto before = Snapshot();
    const std::string damaged = m_home.File("cut.ofx");
    const std::string text = ReadText(file);
    std::ofstream(damaged, std::ios::binary) << text.substr(0, text.size() / 2);
    const Result cut = On({"import", damaged, "--account", "Checking"});
    EXPECT_EQ(cut.status, kRefused);
    EXPECT_EQ(cut.err.rfind("The file " + damaged + " is not a statement", 0), 0u) << cut.err;
    // A file with two statements, neither the account's: the numbers, and how to choose.
    const std::string two = m_home.File("two.ofx");
    std::ofstream(two, std::ios::binary)
        << "<OFX><BANKMSGSRSV1><STMTTRNRS><TRNUID>1<STATUS><CODE>0<SEVERITY>INFO</STATUS>"
           "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>111<ACCTTYPE>CHECKING"
           "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240301<STMTTRN>"
           "<TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-1<FITID>A1</STMTTRN></BANKTRANLIST></STMTRS>"
           "<STMTRS><CURDEF>USD<BANKACCTFROM><BANKID>1<ACCTID>222<ACCTTYPE>CHECKING"
           "</BANKACCTFROM><BANKTRANLIST><DTSTART>20240101<DTEND>20240301<STMTTRN>"
           "<TRNTYPE>DEBIT<DTPOSTED>20240215<TRNAMT>-2<FITID>B1</STMTTRN></BANKTRANLIST></STMTRS>"
           "</STMTTRNRS></BANKMSGSRSV1></OFX>";
    const Result choose = On({"import", two, "--account", "Checking"});
    EXPECT_EQ(choose.status, kRefused);
    EXPECT_EQ(choose.err, "The file " + two +
                              " holds statements of several accounts (\"111\", \"222\"); choose "
                              "the one to import.\nChoose one with --statement NUMBER.\n");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Do({"import", two, "--account", "Checking", "--statement", "222"}).out,
              "Imported into Checking: 1 new (0 matched), 0 skipped.\n");
    const auto afterChoice = Snapshot();
    EXPECT_EQ(On({"import", two, "--account", "Checking", "--statement", "333"}).status, kRefused);
    EXPECT_EQ(Snapshot(), afterChoice);
    const Result missing = On({"import", m_home.File("none.ofx"), "--account", "Checking"});
    EXPECT_EQ(missing.status, kRefused);
    EXPECT_NE(missing.err, "");
    EXPECT_EQ(Snapshot(), afterChoice);
}

TEST_F(CommandLine, ReadingChangesNothingOnDisk) {
    const Result none = On({"accounts"});
    EXPECT_EQ(none.status, kRefused);
    EXPECT_EQ(none.err, "There is no data folder at " + m_data + ".\n");
    EXPECT_FALSE(std::filesystem::exists(m_data));

    InitData();
    Do({"add", "Checking", "--amount", "-12.50", "--payee", "Corner Shop"});
    std::remove((m_data + "ClassList.lst").c_str());
    const auto before = Snapshot();
    // Nor do they write the settings file (fault: a read made it, with the default folder).
    std::remove(m_home.File("registry.reg").c_str());
    const Result accounts = On({"accounts", "--json"});
    EXPECT_EQ(accounts.status, kDone);
    EXPECT_EQ(accounts.err,
              m_data + "ClassList.lst is missing; the program would write it anew.\n");
    Do({"register", "Checking", "--sort", "Payee"});
    Do({"export", "Checking"});
    EXPECT_EQ(Snapshot(), before);
    EXPECT_FALSE(std::filesystem::exists(m_home.File("registry.reg")));
}

// Fault: add and transfer to a mistyped --data folder made a new folder with the first accounts
// and recorded there (exit 0). A command that changes data never makes a data folder.
TEST_F(CommandLine, ChangesNeverMakeADataFolder) {
    const std::string mistyped = m_home.File("dta/");
    const std::string advice = "There is no Coinvale data at " + mistyped +
                               "; nothing was changed. To start a data folder there: coinvale "
                               "init --data " + mistyped + "\n";
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"add", "Checking", "--amount", "-1"},
          std::vector<std::string>{"transfer", "Checking", "Savings", "1"}}) {
        std::vector<std::string> command = {"--data", mistyped};
        command.insert(command.end(), words.begin(), words.end());
        const Result refused = Run(command);
        EXPECT_EQ(refused.status, kRefused);
        EXPECT_EQ(refused.err, advice);
        EXPECT_FALSE(std::filesystem::exists(mistyped));
    }
    // An existing folder without data is no data folder either: nothing is written into it.
    ASSERT_TRUE(std::filesystem::create_directories(mistyped));
    EXPECT_EQ(Run({"--data", mistyped, "add", "Checking", "--amount", "-1"}).status, kRefused);
    EXPECT_TRUE(testing_support::ListFolder(mistyped).empty());
    // init makes one, once.
    EXPECT_EQ(Run({"--data", mistyped, "init"}).status, kDone);
    EXPECT_EQ(testing_support::ListFolder(mistyped).size(), 14u);  // 8 lists, 5 accounts, lock
    const Result again = Run({"--data", mistyped, "init"});
    EXPECT_EQ(again.status, kRefused);
    EXPECT_EQ(again.err, mistyped + " already holds Coinvale data; nothing was changed.\n");
    EXPECT_EQ(Run({"--data", mistyped, "add", "Checking", "--amount", "-1"}).status, kDone);
    // Where no folder can be made, init says so.
    const std::string blocked = m_home.File("file/data/");
    testing_support::WriteBytes(m_home.File("file"), {1});
    const Result nowhere = Run({"--data", blocked, "init"});
    EXPECT_EQ(nowhere.status, kRefused);
    EXPECT_EQ(nowhere.err, "No data folder could be made at " + blocked + "; nothing was written.\n");
}

TEST_F(CommandLine, CheckFindsACutFileABrokenTwinAndABalanceThatDoesNotAddUp) {
    EnterSample();
    const Result clean = Do({"check"});
    EXPECT_EQ(clean.out, m_data + ": no problems found (13 files, 5 accounts, 9 transactions).\n");

    // Checking cut inside its last transactions (the transfer to Savings among them), and
    // Visa's stored balance moved by one cent.
    Bytes checking = ReadBytes(m_data + "Checking.cvl");
    checking.resize(checking.size() - 500);
    testing_support::WriteBytes(m_data + "Checking.cvl", checking);
    Bytes visa = ReadBytes(m_data + "Visa.cvl");
    ++visa[kCurrentBalanceInFile];
    testing_support::WriteBytes(m_data + "Visa.cvl", visa);
    const auto before = Snapshot();

    const Result found = On({"check"});
    EXPECT_EQ(found.status, kRefused);
    EXPECT_EQ(found.out,
              m_data + "Checking.cvl is damaged; only what comes before the damage is read.\n" +
                  "Checking: the stored balance -32.15 does not add up; the transactions give "
                  "217.85.\n"
                  "Savings: the twin of the transfer of 2027-07-05 (To savings, 250.00) is not "
                  "in Checking.\n"
                  "Visa: the stored balance 20.02 does not add up; the transactions give 20.01.\n"
                  "4 problems found in " +
                  m_data + ".\n");
    const Result json = On({"check", "--json"});
    EXPECT_EQ(json.status, kRefused);
    for (const char* kind : {"\"damaged\"", "\"twinMissing\"", "\"balance\""}) {
        EXPECT_NE(json.out.find(std::string("\"kind\": ") + kind), std::string::npos) << kind;
    }
    // check reads; it neither copies the damaged file nor repairs anything.
    EXPECT_EQ(Snapshot(), before);
}

TEST_F(CommandLine, ChangesWaitForTheInteractiveProgram) {
    InitData();
    Do({"add", "Checking", "--amount", "1"});
    const auto before = Snapshot();
    {
        sys::NamedMutex interactive(sys::kInstanceMutexName);
        ASSERT_EQ(interactive.TryAcquire(), sys::NamedMutex::kAcquired);
        for (const std::vector<std::string>& words :
             {std::vector<std::string>{"add", "Checking", "--amount", "-1"},
              std::vector<std::string>{"transfer", "Checking", "Savings", "1"}}) {
            const Result refused = On(words);
            EXPECT_EQ(refused.status, kRefused);
            EXPECT_EQ(refused.err,
                      "Coinvale is running and holds the data. Close it before changing the data "
                      "from the command line; nothing was changed.\n");
        }
        Do({"accounts"});  // reading goes on
        EXPECT_EQ(Snapshot(), before);
        // The program itself does not start twice.
        const Result second = Run({});
        EXPECT_EQ(second.status, kRefused);
        EXPECT_EQ(second.err, "Coinvale is already running.\n");
    }
    Do({"add", "Checking", "--amount", "-1"});
    EXPECT_NE(Snapshot(), before);

    // Where the program's mutex cannot be taken at all (no runtime folder), the data folder's
    // own writer's lock still guards a change, which goes through.
    const auto unlocked = Snapshot();
    testing_support::WriteBytes(m_home.File("not-a-folder"), {1});
    ScopedEnvironment runtime("XDG_RUNTIME_DIR", m_home.File("not-a-folder"));
    Do({"add", "Checking", "--amount", "-1"});
    EXPECT_NE(Snapshot(), unlocked);
}

TEST_F(CommandLine, TheLockPasswordComesFirst) {
    InitData();
    Do({"add", "Checking", "--amount", "1"});
    CVModel& model = *CVModel::GetModel();
    ASSERT_EQ(model.PreparePreferences(), 0);
    ASSERT_EQ(model.ChangePassword("open sesame", ""), CCVPassword::kRight);

    const Result wrong = Run({"--data", m_data, "accounts"}, "sesame\n");
    EXPECT_EQ(wrong.status, kRefused);
    EXPECT_EQ(wrong.out, "");
    EXPECT_EQ(wrong.err, "Please enter the password: That password is incorrect.\n");
    const Result right = Run({"--data", m_data, "accounts"}, "open sesame\n");
    EXPECT_EQ(right.status, kDone);
    EXPECT_NE(right.out.find("Checking"), std::string::npos);
}

TEST_F(CommandLine, UpcomingOccurrencesOfAGeneratedDataSet) {
    // The generated transactions end on the program's today; its rent is due the day before.
    sys::SetTestTime(sys::MakeSystemTime(2027, 7, 8, 9, 30));
    const int written = DataSet({.accounts = 6, .transactions = 300}).Write(m_data);
    sys::ClearTestTime();
    ASSERT_EQ(written, 0);
    const Result due = Do({"upcoming", "--through", "due", "--json"});
    EXPECT_NE(due.out.find("\"through\": \"Due\""), std::string::npos);
    EXPECT_NE(due.out.find("\"throughDate\": \"2027-07-08\""), std::string::npos);
    const Result month = Do({"upcoming", "--through", "1 Month"});
    EXPECT_EQ(month.out.rfind("Date        Account   Type", 0), 0u) << month.out;
    const Result bad = On({"upcoming", "--through", "fortnight"});
    EXPECT_EQ(bad.status, kRefused);
    EXPECT_NE(Do({"accounts", "--json"}).out.find("\"name\": \"Cash\""), std::string::npos);
}

}  // namespace
