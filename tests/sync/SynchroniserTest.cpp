// coinvale-sync's rules without a running program: its words, the data folder it finds, the
// writer's lock it takes or waits for, one synchronisation at a time, and a program that does
// not answer.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <thread>

#include "platform/sys/FolderLock.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/SyncNames.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"
#include "sync/CSyncCommandLine.h"
#include "sync/CSyncDataFiles.h"
#include "sync/CSynchroniser.h"

namespace {

using std::chrono::milliseconds;
using testing_support::ReadBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteBytes;

class SynchroniserTest : public ::testing::Test {
  protected:
    SynchroniserTest() {
        std::filesystem::create_directories(m_data);
        std::filesystem::create_directories(m_dir);
        std::filesystem::create_directories(m_root.Path() + "run");
        WriteBytes(m_data + "PayeesList.lst", {1});
        WriteBytes(m_data + "Checking.cvl", {2, 3});
    }

    // Runs the command line; what it printed goes to m_out and m_errors.
    int Sync(const std::vector<std::string>& words) {
        std::FILE* out = std::tmpfile();
        std::FILE* errors = std::tmpfile();
        const int rc = CSyncCommandLine::Run(words, out, errors);
        m_out = Read(out);
        m_errors = Read(errors);
        return rc;
    }
    static std::string Read(std::FILE* file) {
        std::rewind(file);
        std::string text;
        for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
        std::fclose(file);
        return text;
    }
    CSynchroniser::Options Push(std::chrono::milliseconds timeout = milliseconds(300)) {
        return CSynchroniser::Options{CSynchroniser::kPush, m_dir, m_data, timeout};
    }

    TempFolder m_root;
    ScopedEnvironment m_home{"COINVALE_HOME", m_root.Path() + "home"};
    ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR", m_root.Path() + "Documents"};
    ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR", m_root.Path() + "run"};
    std::string m_data = m_root.Path() + "data/";
    std::string m_dir = m_root.Path() + "dir";
    std::string m_out;
    std::string m_errors;
};

TEST_F(SynchroniserTest, BadWordsAreAUsageErrorAndHelpSaysWhatItDoes) {
    for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
             {},
             {"push"},
             {"copy", m_dir},
             {"push", m_dir, "extra"},
             {"push", m_dir, "--data"},
             {"push", m_dir, "--force"},
             {"pull", m_dir, "--timeout"},
         }) {
        EXPECT_EQ(Sync(words), 2);
        EXPECT_NE(m_errors.find("Usage: coinvale-sync push|pull DIR"), std::string::npos);
        EXPECT_TRUE(m_out.empty());
    }
    for (const char* seconds : {"0", "3601", "ten", "-5", "1.5", ""}) {
        EXPECT_EQ(Sync({"push", m_dir, "--timeout", seconds}), 2) << seconds;
        EXPECT_NE(m_errors.find("--timeout takes a whole number of seconds from 1 to 3600"),
                  std::string::npos);
    }
    EXPECT_EQ(Sync({"push", m_dir, "--timeout", "3600", "--data", m_data}), 0) << m_errors;
    EXPECT_EQ(Sync({"--help"}), 0);
    EXPECT_NE(m_out.find("push DIR"), std::string::npos);
    EXPECT_NE(m_out.find("*.cvl"), std::string::npos);
    EXPECT_NE(m_out.find("Exit status: 0 done, 1 failed"), std::string::npos);
}

TEST_F(SynchroniserTest, WithoutDataTheFolderOfTheSettingsIsUsed) {
    // The default data folder: below the documents folder, as the program finds it.
    const std::string settings = m_root.Path() + "Documents/Brightmoor/Coinvale/";
    EXPECT_EQ(Sync({"push", m_dir}), 1);
    EXPECT_EQ(m_errors, "There is no Coinvale data at " + settings + "; nothing was copied.\n");
    std::filesystem::create_directories(settings);
    WriteBytes(settings + "Savings.cvl", {7});
    EXPECT_EQ(Sync({"push", m_dir}), 0) << m_errors;
    EXPECT_EQ(m_out, "Copied 1 data files from " + settings + " to " + m_dir + ".\n");
    EXPECT_EQ(ReadBytes(m_dir + "/Savings.cvl"), (std::vector<std::uint8_t>{7}));

    // A pull into a folder that is not there yet (a new machine) makes it.
    std::filesystem::remove_all(settings);
    EXPECT_EQ(Sync({"pull", m_dir}), 0) << m_errors;
    EXPECT_EQ(ReadBytes(settings + "Savings.cvl"), (std::vector<std::uint8_t>{7}));
    // A relative DIR is taken from the working folder.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(m_root.Path());
    EXPECT_EQ(Sync({"push", "dir", "--data", "data"}), 0) << m_errors;
    std::filesystem::current_path(previous);
    EXPECT_EQ(ReadBytes(m_dir + "/Checking.cvl"), (std::vector<std::uint8_t>{2, 3}));
}

TEST_F(SynchroniserTest, TheSameFolderOnBothSidesIsRefused) {
    std::string message;
    CSynchroniser::Options options = Push();
    options.folder = m_root.Path() + "./data";
    EXPECT_EQ(CSynchroniser::Run(options, message), CSynchroniser::kFailed);
    EXPECT_EQ(message, m_root.Path() + "./data is the data folder itself; nothing was copied.");
}

TEST_F(SynchroniserTest, ACommandHoldingTheFolderIsWaitedForThenNamed) {
    std::string message;
    {
        // A command writes the folder (and the program does not run): waited for, then refused.
        sys::FolderLock command;
        ASSERT_EQ(command.Acquire(m_data, milliseconds(0)), sys::FolderLock::kAcquired);
        const auto started = std::chrono::steady_clock::now();
        EXPECT_EQ(CSynchroniser::Run(Push(), message), CSynchroniser::kFailed);
        EXPECT_GE(std::chrono::steady_clock::now() - started, milliseconds(300));
        EXPECT_EQ(message, "Another program is changing the data in " + m_data +
                               "; nothing was copied. Try again when it has finished.");
        EXPECT_TRUE(std::filesystem::is_empty(m_dir));
    }
    // Free again: the copy is made, holding the lock meanwhile.
    EXPECT_EQ(CSynchroniser::Run(Push(), message), CSynchroniser::kDone) << message;
    EXPECT_EQ(ReadBytes(m_dir + "/Checking.cvl"), (std::vector<std::uint8_t>{2, 3}));
}

TEST_F(SynchroniserTest, OneSynchronisationAtATimeAndAProgramThatDoesNotAnswer) {
    std::string message;
    {
        sys::NamedMutex other(sys::kSyncMutexName);
        ASSERT_EQ(other.TryAcquire(), sys::NamedMutex::kAcquired);
        EXPECT_EQ(CSynchroniser::Run(Push(), message), CSynchroniser::kFailed);
        EXPECT_EQ(message, "Another synchronization is running; nothing was copied.");
    }
    // The program runs on the folder (its mutex and the writer's lock) but never sets the event.
    sys::NamedMutex program(sys::kInstanceMutexName);
    ASSERT_EQ(program.TryAcquire(), sys::NamedMutex::kAcquired);
    sys::FolderLock lock;
    ASSERT_EQ(lock.Acquire(m_data, milliseconds(0)), sys::FolderLock::kAcquired);
    EXPECT_EQ(CSynchroniser::Run(Push(milliseconds(2000)), message), CSynchroniser::kFailed);
    EXPECT_EQ(message,
              "Coinvale did not answer within 2 seconds (it may be showing a message, or could "
              "not save its changes); nothing was copied.");
    EXPECT_TRUE(std::filesystem::is_empty(m_dir));
    // The synchroniser's mutex went with it.
    sys::NamedMutex after(sys::kSyncMutexName);
    EXPECT_EQ(after.TryAcquire(), sys::NamedMutex::kAcquired);
}

TEST_F(SynchroniserTest, ACommandThatLooksLikeTheProgramIsWaitedOutUnderTheLock) {
    // A command that changes data holds the program's mutex and the lock for a moment.
    auto program = std::make_unique<sys::NamedMutex>(sys::kInstanceMutexName);
    ASSERT_EQ(program->TryAcquire(), sys::NamedMutex::kAcquired);
    auto command = std::make_unique<sys::FolderLock>();
    ASSERT_EQ(command->Acquire(m_data, milliseconds(0)), sys::FolderLock::kAcquired);
    std::thread finishes([&] {
        std::this_thread::sleep_for(milliseconds(300));
        command.reset();
        program.reset();
    });
    std::string message;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(CSynchroniser::Run(Push(milliseconds(20000)), message), CSynchroniser::kDone)
        << message;
    EXPECT_LT(std::chrono::steady_clock::now() - started, milliseconds(5000));
    finishes.join();
    EXPECT_EQ(ReadBytes(m_dir + "/Checking.cvl"), (std::vector<std::uint8_t>{2, 3}));
}

TEST_F(SynchroniserTest, ABadFolderIsRefusedBeforeAnythingIsAnnounced) {
    // Were the program asked, it would not answer (the lock is held): a bad folder is named at
    // once instead of after the time-out.
    sys::NamedMutex program(sys::kInstanceMutexName);
    ASSERT_EQ(program.TryAcquire(), sys::NamedMutex::kAcquired);
    sys::FolderLock lock;
    ASSERT_EQ(lock.Acquire(m_data, milliseconds(0)), sys::FolderLock::kAcquired);
    std::string message;
    CSynchroniser::Options options = Push(milliseconds(20000));
    options.folder = m_root.Path() + "missing";
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(CSynchroniser::Run(options, message), CSynchroniser::kFailed);
    EXPECT_LT(std::chrono::steady_clock::now() - started, milliseconds(1000));
    EXPECT_EQ(message, m_root.Path() + "missing does not exist; nothing was copied.");
    options.direction = CSynchroniser::kPull;
    options.folder = m_dir;
    EXPECT_EQ(CSynchroniser::Run(options, message), CSynchroniser::kFailed);
    EXPECT_EQ(message, m_dir + " holds no Coinvale data; nothing was brought in.");
}

}  // namespace
