// Coinvale starts its reminder companion at start-up: from the folder recorded as
// "CoinvaleInstallDir", else from its own folder when a companion is installed there (which is
// then recorded), and not while a companion already runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/sys/NamedMutex.h"
#include "preferences/CCVPreferences.h"
#include "preferences/CCVRegistry.h"
#include "shell/CCVProgram.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using testing_support::ScopedEnvironment;
using testing_support::TempFolder;

class ReminderStart : public ::testing::Test {
  protected:
    // The program's key, as the preferences make it before the program starts.
    ReminderStart() { CCVRegistry(sys::HKEY_CURRENT_USER, CCVPreferences::ProgramKey()).Create(); }

    // A folder with a companion that, when started, leaves a file saying where it ran from.
    std::string Installed(const std::string& name) {
        const std::string folder = m_temp.Path() + name + "/";
        ::mkdir(folder.c_str(), 0700);
        std::ofstream(folder + "coinvale-reminder")
            << "#!/bin/sh\ntouch '" << m_temp.Path() << "started-from-" << name << "'\n";
        ::chmod((folder + "coinvale-reminder").c_str(), 0700);
        return folder;
    }
    bool StartedFrom(const std::string& name) {
        const std::string marker = m_temp.Path() + "started-from-" + name;
        for (int i = 0; i < 500; ++i) {
            if (std::ifstream(marker)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    std::wstring Recorded() {
        return CCVRegistry::ReadString(sys::HKEY_CURRENT_USER, CCVPreferences::ProgramKey(),
                                       L"CoinvaleInstallDir", L"");
    }

    TempFolder m_temp;
    ScopedEnvironment m_home{"COINVALE_HOME", m_temp.Path()};
    ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR", m_temp.Path()};
};

TEST_F(ReminderStart, ACompanionBesideTheProgramIsRecordedAndStarted) {
    const std::string own = Installed("own");
    ASSERT_TRUE(shell::CCVProgram::StartReminderProgram(own));
    EXPECT_EQ(Recorded(), std::wstring(own.begin(), own.end()));
    EXPECT_TRUE(StartedFrom("own"));
}

TEST_F(ReminderStart, NothingBesideAndNothingRecordedStartsNothing) {
    const std::string empty = m_temp.Path() + "empty/";
    ::mkdir(empty.c_str(), 0700);
    EXPECT_FALSE(shell::CCVProgram::StartReminderProgram(empty));
    EXPECT_FALSE(shell::CCVProgram::StartReminderProgram(""));
    EXPECT_EQ(Recorded(), L"");
}

TEST_F(ReminderStart, TheRecordedFolderComesBeforeTheProgramsOwn) {
    const std::string recorded = Installed("recorded");
    const std::string own = Installed("own");
    ASSERT_TRUE(CCVRegistry::WriteString(sys::HKEY_CURRENT_USER, CCVPreferences::ProgramKey(),
                                         L"CoinvaleInstallDir",
                                         std::wstring(recorded.begin(), recorded.end() - 1)));
    ASSERT_TRUE(shell::CCVProgram::StartReminderProgram(own));
    EXPECT_TRUE(StartedFrom("recorded"));
    EXPECT_FALSE(std::ifstream(m_temp.Path() + "started-from-own"));
}

TEST_F(ReminderStart, NotStartedWhileACompanionRuns) {
    const std::string own = Installed("own");
    sys::NamedMutex running(sys::NamedMutex::kReminderMutexName);
    ASSERT_EQ(running.TryAcquire(), sys::NamedMutex::kAcquired);
    EXPECT_FALSE(shell::CCVProgram::StartReminderProgram(own));
    running.Release();
    EXPECT_TRUE(shell::CCVProgram::StartReminderProgram(own));
    EXPECT_TRUE(StartedFrom("own"));
}

}  // namespace
