// The commands that change data against failures of the disk and of the process: a full disk or
// an I/O error changes no byte and says which file and why; a change whose commit record is in
// place is reported as done; a transfer killed at every fsync and rename in turn leaves a folder
// that check finds clean once loaded, with no money made or lost.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "cli/CCommandLine.h"
#include "model/CVModel.h"
#include "platform/sys/FileFault.h"
#include "platform/sys/FolderCommit.h"
#include "startup/ModelWiring.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ReadBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using Bytes = std::vector<std::uint8_t>;

constexpr int kDone = 0;
constexpr int kRefused = 1;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadStream(std::FILE* stream) {
    std::string text;
    std::rewind(stream);
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, stream)) > 0) text.append(buffer, read);
    std::fclose(stream);
    return text;
}

class DataSafety : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Command({"init"}).status, kDone); }

    // One command on the test's data folder, as its own run of the program would do it.
    Outcome Command(std::vector<std::string> words) const {
        words.insert(words.begin(), {"--data", m_data});
        CVModel model;
        std::FILE* out = std::tmpfile();
        std::FILE* err = std::tmpfile();
        Outcome outcome;
        outcome.status = cli::CCommandLine().Run(words, model, out, err);
        outcome.out = ReadStream(out);
        outcome.err = ReadStream(err);
        return outcome;
    }

    std::map<std::string, Bytes> Snapshot() const {
        std::map<std::string, Bytes> files;
        for (const std::string& name : testing_support::ListFolder(m_data)) {
            files[name] = ReadBytes(m_data + name);
        }
        return files;
    }

    // The total of every account, from the accounts command's JSON.
    std::string Total() const {
        const std::string json = Command({"accounts", "--json"}).out;
        const std::size_t at = json.find("\"total\"");
        return at == std::string::npos ? "" : json.substr(at);
    }

    TempFolder m_home;
    std::string m_data = m_home.File("data/");
    ScopedEnvironment m_coinvaleHome{"COINVALE_HOME", m_home.Path()};
    ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR", m_home.File("Documents")};
    ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR",
                                m_home.Path().substr(0, m_home.Path().size() - 1)};
};

// Fault: a failed add or transfer (a full disk) kept the payee, or one of the transfer's two
// account files, on disk. Nothing of a refused change is written, and the message names the
// file and the cause.
TEST_F(DataSafety, AFullDiskOrAnIOErrorChangesNoByteAndSaysWhy) {
    const auto before = Snapshot();
    {
        sys::ScopedFileFault full(sys::FileStep::Write);
        const Outcome add = Command({"add", "Checking", "--amount", "-12", "--payee", "New Shop"});
        EXPECT_EQ(add.status, kRefused);
        EXPECT_EQ(add.err, "Nothing was saved: " + m_data +
                               "Checking.cvl could not be written (the disk is full).\n");
    }
    {
        sys::ScopedFileFault broken(sys::FileStep::Flush);
        const Outcome transfer = Command({"transfer", "Checking", "Savings", "10"});
        EXPECT_EQ(transfer.status, kRefused);
        EXPECT_EQ(transfer.err, "Nothing was saved: " + m_data +
                                    "Checking.cvl could not be written (an input/output error).\n");
    }
    {
        sys::ScopedFileFault record(sys::FileStep::CommitRecord);
        EXPECT_EQ(Command({"transfer", "Checking", "Savings", "10"}).status, kRefused);
    }
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(Command({"add", "Checking", "--amount", "-12", "--payee", "New Shop"}).status, kDone);
    EXPECT_NE(ReadBytes(m_data + "PayeesList.lst"), before.at("PayeesList.lst"));
}

// Fault: a save wrote file by file, so when the payee list failed after the account file was
// replaced the add exited 1 though the transaction was stored (a retrying script recorded it
// twice). One file failing now writes none of them.
TEST_F(DataSafety, OneFileOfASaveFailingWritesNoneOfIt) {
    const auto before = Snapshot();
    {
        sys::ScopedFileFault payees(sys::FileStep::Create, 1);  // Checking.cvl goes through
        const Outcome add = Command({"add", "Checking", "--amount", "-12", "--payee", "New Shop"});
        EXPECT_EQ(add.status, kRefused);
        EXPECT_EQ(add.err, "Nothing was saved: " + m_data +
                               "PayeesList.lst could not be written (an input/output error).\n");
    }
    EXPECT_EQ(Snapshot(), before);
}

// Fault: a save that failed after the change was stored exited 1, so a script tried again and
// recorded it twice. Once the commit record is in place the change is on disk: exit 0, and the
// next load finishes what is left.
TEST_F(DataSafety, AChangeWhoseRecordIsInPlaceIsReportedDone) {
    {
        sys::ScopedFileFault rename(sys::FileStep::CommitRename);
        const Outcome transfer = Command({"transfer", "Checking", "Savings", "25"});
        EXPECT_EQ(transfer.status, kDone);
        EXPECT_EQ(transfer.err.rfind("The change is saved, but " + m_data + "Checking.cvl", 0), 0u)
            << transfer.err;
    }
    // A reader sees the transfer whole before anyone finishes it, and says it is unfinished.
    const Outcome accounts = Command({"accounts"});
    EXPECT_NE(accounts.out.find("-25.00"), std::string::npos) << accounts.out;
    EXPECT_NE(accounts.out.find("25.00  "), std::string::npos) << accounts.out;
    const Outcome check = Command({"check"});
    EXPECT_EQ(check.status, kRefused);
    EXPECT_NE(check.out.find("A save was interrupted"), std::string::npos) << check.out;
    // The next change finishes it first.
    EXPECT_EQ(Command({"add", "Visa", "--amount", "-1"}).status, kDone);
    EXPECT_EQ(Command({"check"}).status, kDone);
    EXPECT_FALSE(sys::PathExists(m_data + sys::FolderCommit::kRecordName));
}

// A transfer killed just before each of its fsyncs and renames in turn: whatever the step, a
// reader sees no money made or lost, and once a writer has loaded the folder (finishing or
// discarding the interrupted save) check finds it clean, with nothing left beside the files.
TEST_F(DataSafety, ATransferKilledAtEveryStepLosesNoMoney) {
    // The day's backup is made by the first save, so the steps counted are the transfer's own.
    ASSERT_EQ(Command({"transfer", "Checking", "Savings", "1"}).status, kDone);
    const std::string total = Total();
    ASSERT_NE(total, "");
    int killed = 0;
    for (int step = 1; step < 30; ++step) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            sys::KillAtDurableStep(step);
            ::_exit(Command({"transfer", "Checking", "Savings", "7.50"}).status);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_EQ(Total(), total) << "step " << step;
        {
            CVModel writer;
            startup::WireModel(writer);
            ASSERT_EQ(writer.InitForCommand(m_data, CVModel::kForChange), 0);
            writer.SaveAndRelease();
        }
        const Outcome check = Command({"check"});
        EXPECT_EQ(check.status, kDone) << "step " << step << ": " << check.out;
        for (const auto& [name, bytes] : Snapshot()) {
            EXPECT_FALSE(sys::FolderCommit::IsTemporaryName(name)) << name;
            EXPECT_NE(name, sys::FolderCommit::kRecordName);
        }
        if (WIFEXITED(status)) {
            EXPECT_EQ(WEXITSTATUS(status), kDone);
            break;
        }
        ASSERT_TRUE(WIFSIGNALED(status));
        ++killed;
    }
    // Two account files synced, the record synced, renamed and its folder synced, two renames,
    // the folder synced, the record removed.
    EXPECT_EQ(killed, 9);
    EXPECT_EQ(Total(), total);
}

}  // namespace
