// The built program as several scripts run it at once, and on damaged folders: writers with
// different runtime folders on one data folder lose no accepted change; accounts names the
// account file missing from its total; check finds the transactions whose category went with a
// damaged list, and putting the list back brings them back.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

constexpr int kDone = 0;
constexpr int kRefused = 1;

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

int ExitStatus(int status) {
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class Writers : public ::testing::Test {
  protected:
    struct Result {
        int status = -1;
        std::string out;
        std::string err;
    };

    // The program with `arguments` (already quoted for the shell) on the test's data folder.
    Result Run(const std::string& arguments) const {
        std::ostringstream command;
        command << "'" << COINVALE_PROGRAM << "' --data '" << m_data << "' " << arguments << " >'"
                << m_home.File("out") << "' 2>'" << m_home.File("err") << "'";
        Result result;
        result.status = ExitStatus(std::system(command.str().c_str()));
        result.out = ReadText(m_home.File("out"));
        result.err = ReadText(m_home.File("err"));
        return result;
    }

    // `writers` scripts at once, each with its own runtime folder (as a cron job beside a desktop
    // session has), each entering `adds` transactions with memos "w<writer>-<n>". Answers the
    // memos whose add exited 0; every other add must have exited 1.
    std::vector<std::string> AddAtOnce(int writers, int adds) const {
        std::ostringstream script;
        for (int w = 1; w <= writers; ++w) {
            const std::string runtime = m_home.File("run" + std::to_string(w));
            std::filesystem::create_directories(runtime);
            script << "(export XDG_RUNTIME_DIR='" << runtime << "'; for n in $(seq 1 " << adds
                   << "); do '" << COINVALE_PROGRAM << "' --data '" << m_data
                   << "' add Checking --amount -1 --memo w" << w << "-$n >/dev/null 2>&1; echo w"
                   << w << "-$n $?; done >'" << m_home.File("status" + std::to_string(w))
                   << "') & ";
        }
        script << "wait\n";
        std::ofstream(m_home.File("writers.sh")) << script.str();
        EXPECT_EQ(std::system(("bash '" + m_home.File("writers.sh") + "'").c_str()), 0);
        std::vector<std::string> accepted;
        for (int w = 1; w <= writers; ++w) {
            std::istringstream lines(ReadText(m_home.File("status" + std::to_string(w))));
            std::string memo;
            int status = -1;
            int count = 0;
            while (lines >> memo >> status) {
                ++count;
                if (status == kDone) {
                    accepted.push_back(memo);
                } else {
                    EXPECT_EQ(status, kRefused) << memo;
                }
            }
            EXPECT_EQ(count, adds);
        }
        return accepted;
    }

    TempFolder m_home;
    std::string m_data = m_home.File("data/");
    ScopedEnvironment m_coinvaleHome{"COINVALE_HOME", m_home.Path()};
    ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR", m_home.File("Documents")};
    ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR", m_home.File("run")};
    ScopedEnvironment m_now{"COINVALE_NOW", std::string("2027-07-08T09:30:00")};
    ScopedEnvironment m_locale{"LC_ALL", std::string("C")};
};

// Fault: the writers' lock was in the runtime folder, so writers with different ones both
// loaded, both saved, and the last won: 20 of 40 accepted adds vanished with two writers, 24 of
// 40 with four, all exiting 0. Now every accepted add is in the register, and the rest exit 1.
TEST_F(Writers, TwoAndFourWritersWithOwnRuntimeFoldersLoseNothing) {
    std::filesystem::create_directories(m_home.File("run"));
    ASSERT_EQ(Run("init").status, kDone);
    std::size_t entered = 0;
    for (const int writers : {2, 4}) {
        const std::vector<std::string> accepted = AddAtOnce(writers, 6);
        entered += accepted.size();
        const Result exported = Run("export Checking");
        ASSERT_EQ(exported.status, kDone) << exported.err;
        for (const std::string& memo : accepted) {
            EXPECT_NE(exported.out.find("," + memo + ","), std::string::npos) << memo;
        }
    }
    EXPECT_EQ(entered, 36u);  // each waits its turn: none is refused
    const Result check = Run("check");
    EXPECT_EQ(check.status, kDone) << check.out;
    EXPECT_NE(check.out.find("5 accounts, 36 transactions"), std::string::npos) << check.out;
}

// Fault: accounts exited 0 with a wrong total when an account file could not be read, and said
// nothing at all when it was a folder.
TEST_F(Writers, AccountsNamesTheFilesMissingFromTheTotal) {
    ASSERT_EQ(Run("init").status, kDone);
    ASSERT_EQ(Run("add Savings --amount 300").status, kDone);
    std::filesystem::remove(m_data + "Savings.cvl");
    std::filesystem::create_directories(m_data + "Savings.cvl/inside");
    const Result accounts = Run("accounts");
    EXPECT_EQ(accounts.status, kRefused);
    EXPECT_NE(accounts.err.find(m_data + "Savings.cvl could not be read: its account is missing "
                                         "from the total.\n"),
              std::string::npos)
        << accounts.err;
    const Result json = Run("accounts --json");
    EXPECT_EQ(json.status, kRefused);
    EXPECT_NE(json.out.find("\"missingFromTotal\""), std::string::npos) << json.out;
}

// Fault: once the first save had replaced a damaged category list, check said "no problems
// found" though transactions pointed at categories that were gone, and the copy kept of the old
// list went unmentioned.
TEST_F(Writers, CheckFindsCategoriesLostWithADamagedListUntilItIsPutBack) {
    ASSERT_EQ(Run("init").status, kDone);
    ASSERT_EQ(Run("add Checking --amount -20 --category Groceries").status, kDone);
    ASSERT_EQ(Run("add Checking --amount -30 --category Dining").status, kDone);
    ASSERT_EQ(Run("check").status, kDone);
    const std::vector<std::uint8_t> categories = ReadBytes(m_data + "CategoriesList.lst");
    std::vector<std::uint8_t> cut(categories.begin(), categories.begin() + 200);
    testing_support::WriteBytes(m_data + "CategoriesList.lst", cut);
    // A change saves the list as far as it could be read, and keeps the damaged file beside it.
    const Result add = Run("add Visa --amount -1");
    ASSERT_EQ(add.status, kDone) << add.err;
    ASSERT_TRUE(std::filesystem::exists(m_data + "CategoriesList.lst.damaged"));

    const Result found = Run("check");
    EXPECT_EQ(found.status, kRefused);
    EXPECT_NE(found.out.find(m_data + "CategoriesList.lst.damaged is the copy Coinvale kept"),
              std::string::npos)
        << found.out;
    EXPECT_NE(found.out.find("is not in the category list"), std::string::npos) << found.out;

    // The transactions kept their categories: the list put back brings them back.
    testing_support::WriteBytes(m_data + "CategoriesList.lst", categories);
    std::filesystem::remove(m_data + "CategoriesList.lst.damaged");
    const Result clean = Run("check");
    EXPECT_EQ(clean.status, kDone) << clean.out;
    EXPECT_NE(Run("register Checking").out.find("Groceries"), std::string::npos);
}

}  // namespace
