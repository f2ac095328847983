// coinvale-reminder run as a program: against a private session bus with a fake notification
// service (the notification, shown once, withdrawn by the stop broadcast and shown again after
// the start broadcast, withdrawn when the companion ends; Snooze and Open answered), without a
// bus or without a notification service (the reminder on standard output), one companion at a
// time, and --once before and after the due date.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <thread>

#include "ChildProgram.h"
#include "FakeNotifications.h"
#include "ReminderHome.h"
#include "model/CScheduledItem.h"
#include "platform/sys/BroadcastSocket.h"
#include "platform/ui/CBroadcastChannel.h"
#include "preferences/CCVTodayPlugIn.h"

namespace {

using reminder_test::ChildProgram;
using reminder_test::Day;
using reminder_test::FakeNotifications;
using reminder_test::PrivateBus;
using reminder_test::ReadText;
using reminder_test::ReminderHome;

constexpr const char* kAfterDue = "COINVALE_NOW=2026-12-07T09:00:00";
constexpr const char* kBeforeDue = "COINVALE_NOW=2026-12-05T23:59:00";
constexpr const char* kRentLine = "2026-12-09  Rent  -1200.00  (Checking)";
const std::string kRentPlain = std::string("Coinvale: a transaction is due\n  ") + kRentLine + "\n";

void Broadcast(std::wstring_view name) {
    sys::BroadcastSocket::SendToAll(ui::CBroadcastChannel::Encode(std::wstring(name), 0, 0), "");
}

class CompanionProgram : public ::testing::Test {
  protected:
    CompanionProgram() {
        // Rent on the 9th, reminded 3 days ahead; Coinvale was left with "Exit".
        home.AddScheduled("Rent", 120000, Day(2026, 12, 9), 3, CScheduledItem::kRemindMe);
        CCVTodayPlugIn::WriteReminderStatus(CCVTodayPlugIn::kProgramExited);
    }

    std::unique_ptr<ChildProgram> Start(std::vector<std::string> environment,
                                        std::vector<std::string> arguments = {}) {
        return std::make_unique<ChildProgram>(COMPANION_PROGRAM, arguments, environment,
                                              home.Folder().Path());
    }

    std::string NoBus() const {
        return "DBUS_SESSION_BUS_ADDRESS=unix:path=" + home.Folder().Path() + "nobus";
    }

    // A bus with the fake service on it; false (the test skips) without dbus-daemon.
    bool StartBus(bool markup = false) {
        if (!PrivateBus::Available()) return false;
        bus = std::make_unique<PrivateBus>(home.Folder().Path());
        EXPECT_TRUE(bus->IsRunning());
        service = std::make_unique<FakeNotifications>(bus->Address(), markup);
        EXPECT_TRUE(service->IsServing());
        return bus->IsRunning() && service->IsServing();
    }
    std::string OnBus() const { return "DBUS_SESSION_BUS_ADDRESS=" + bus->Address(); }

    bool NoticesReach(std::size_t count) {
        return FakeNotifications::WaitFor([&] { return service->Notices().size() >= count; });
    }

    ReminderHome home;
    std::unique_ptr<PrivateBus> bus;
    std::unique_ptr<FakeNotifications> service;
};

TEST_F(CompanionProgram, NotificationShownOnceWithdrawnByStopAndShownAgainAfterStart) {
    if (!StartBus()) GTEST_SKIP() << "dbus-daemon is not installed";
    auto companion = Start({kAfterDue, OnBus()});
    ASSERT_TRUE(NoticesReach(1)) << companion->Err();
    const FakeNotifications::Notice notice = service->Notices()[0];
    EXPECT_EQ(notice.app, "Coinvale");
    EXPECT_EQ(notice.summary, "Coinvale: a transaction is due");
    EXPECT_EQ(notice.body, kRentLine);
    EXPECT_EQ(notice.actions, (std::vector<std::string>{"open", "Open", "snooze", "Snooze"}));
    EXPECT_EQ(notice.expire, 0);  // stays until answered
    EXPECT_EQ(companion->Out(), "");

    // Woken by a broadcast that is not its own: looks again, shows nothing new.
    Broadcast(L"CV_MSG_RUNNING_INSTANCE_FOUND");
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(service->Notices().size(), 1u);

    // Coinvale starts: the reminder goes.
    Broadcast(CCVTodayPlugIn::kStopNotificationMessage);
    ASSERT_TRUE(FakeNotifications::WaitFor([&] { return !service->Closed().empty(); }));
    EXPECT_EQ(service->Closed(), (std::vector<std::uint32_t>{notice.id}));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(service->Notices().size(), 1u);  // quiet while it runs

    // Left with "Exit", the rent still due: shown again.
    Broadcast(CCVTodayPlugIn::kStartNotificationMessage);
    ASSERT_TRUE(NoticesReach(2));
    const std::uint32_t again = service->Notices()[1].id;

    // Ended by the service manager: the reminder it can no longer answer for goes with it.
    companion->Signal(SIGTERM);
    EXPECT_EQ(companion->Wait(), 0);
    EXPECT_EQ(service->Closed(), (std::vector<std::uint32_t>{notice.id, again}));
}

TEST_F(CompanionProgram, SnoozeFromTheNotificationAddsTheStepAndPutsTheReminderOff) {
    if (!StartBus()) GTEST_SKIP() << "dbus-daemon is not installed";
    auto companion = Start({kAfterDue, OnBus()});
    ASSERT_TRUE(NoticesReach(1)) << companion->Err();
    service->Invoke(service->Notices()[0].id, "snooze");
    ASSERT_TRUE(FakeNotifications::WaitFor(
        [] { return CCVTodayPlugIn::ReadValues().snoozedTime == CCVTodayPlugIn::kSnoozeStep; }));
    // The clock stands still: two minutes never pass, so it is not shown again.
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    EXPECT_EQ(service->Notices().size(), 1u);
    companion->Signal(SIGINT);
    EXPECT_EQ(companion->Wait(), 0);
}

TEST_F(CompanionProgram, OpenStartsATerminalRunningTheReminderScreen) {
    if (!StartBus()) GTEST_SKIP() << "dbus-daemon is not installed";
    // A terminal that writes down what it was asked to run, and a coinvale on PATH.
    const std::string bin = home.Folder().Path() + "bin/";
    ::mkdir(bin.c_str(), 0700);
    const std::string ran = home.Folder().Path() + "terminal-ran";
    std::ofstream(bin + "my-terminal") << "#!/bin/sh\necho \"$@\" > '" << ran << ".part'\nmv '"
                                       << ran << ".part' '" << ran << "'\n";
    std::ofstream(bin + "coinvale") << "#!/bin/sh\nexit 0\n";
    ::chmod((bin + "my-terminal").c_str(), 0700);
    ::chmod((bin + "coinvale").c_str(), 0700);

    auto companion = Start(
        {kAfterDue, OnBus(), "TERMINAL=" + bin + "my-terminal", "PATH=" + bin + ":/usr/bin:/bin"});
    ASSERT_TRUE(NoticesReach(1)) << companion->Err();
    service->Invoke(service->Notices()[0].id, "open");
    ASSERT_TRUE(FakeNotifications::WaitFor([&] { return !ReadText(ran).empty(); }))
        << companion->Err();
    EXPECT_EQ(ReadText(ran), "-e " + bin + "coinvale --reminder\n");
    companion->Signal(SIGTERM);
    EXPECT_EQ(companion->Wait(), 0);
}

TEST_F(CompanionProgram, BodyIsEscapedOnlyForAServiceThatReadsMarkup) {
    home.AddScheduled("Smith & Sons", 2500, Day(2026, 12, 8), 5, CScheduledItem::kRemindMe);
    if (!StartBus(true)) GTEST_SKIP() << "dbus-daemon is not installed";
    auto companion = Start({kAfterDue, OnBus()});
    ASSERT_TRUE(NoticesReach(1)) << companion->Err();
    EXPECT_EQ(service->Notices()[0].body,
              "2026-12-08  Smith &amp; Sons  -25.00  (Checking)\n" + std::string(kRentLine));
    companion->Signal(SIGTERM);
    EXPECT_EQ(companion->Wait(), 0);
}

TEST_F(CompanionProgram, WithoutASessionBusTheReminderGoesToStandardOutput) {
    auto companion = Start({kAfterDue, NoBus()});
    ASSERT_TRUE(FakeNotifications::WaitFor([&] { return companion->Out() == kRentPlain; }))
        << companion->Out() << companion->Err();
    // One companion at a time: a second one says so and ends at once.
    auto second = Start({kAfterDue, NoBus()});
    EXPECT_EQ(second->Wait(), 1);
    EXPECT_EQ(second->Err(), "coinvale-reminder is already running.\n");
    EXPECT_EQ(second->Out(), "");
    companion->Signal(SIGTERM);
    EXPECT_EQ(companion->Wait(), 0);
    EXPECT_EQ(companion->Out(), kRentPlain);  // printed once
}

TEST_F(CompanionProgram, ABusWithoutANotificationServiceAlsoPrints) {
    if (!PrivateBus::Available()) GTEST_SKIP() << "dbus-daemon is not installed";
    PrivateBus empty(home.Folder().Path());
    ASSERT_TRUE(empty.IsRunning());
    auto companion = Start({kAfterDue, "DBUS_SESSION_BUS_ADDRESS=" + empty.Address()});
    ASSERT_TRUE(FakeNotifications::WaitFor([&] { return companion->Out() == kRentPlain; }))
        << companion->Out() << companion->Err();
    companion->Signal(SIGTERM);
    EXPECT_EQ(companion->Wait(), 0);
}

TEST_F(CompanionProgram, NothingShownBeforeTheReminderTime) {
    auto companion = Start({kBeforeDue, NoBus()});
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    companion->Signal(SIGTERM);
    EXPECT_EQ(companion->Wait(), 0);
    EXPECT_EQ(companion->Out(), "");
}

TEST_F(CompanionProgram, OncePrintsWhatIsDueAndNothingBefore) {
    auto before = Start({kBeforeDue, NoBus()}, {"--once"});
    EXPECT_EQ(before->Wait(), 0);
    EXPECT_EQ(before->Out(), "");
    auto after = Start({kAfterDue, NoBus()}, {"--once"});
    EXPECT_EQ(after->Wait(), 0);
    EXPECT_EQ(after->Out(), kRentPlain);
    EXPECT_EQ(after->Err(), "");
}

TEST_F(CompanionProgram, OnceFailsClearlyWhenTheDataCannotBeRead) {
    std::filesystem::remove_all(home.DataFolder());
    auto once = Start({kAfterDue, NoBus()}, {"--once"});
    EXPECT_EQ(once->Wait(), 1);
    EXPECT_EQ(once->Out(), "");
    EXPECT_NE(once->Err().find("the data folder " + home.DataFolder() + " cannot be read"),
              std::string::npos)
        << once->Err();
}

TEST_F(CompanionProgram, HelpVersionAndWrongUsage) {
    auto help = Start({}, {"--help"});
    EXPECT_EQ(help->Wait(), 0);
    EXPECT_EQ(help->Out().rfind("Usage: coinvale-reminder", 0), 0u);
    auto version = Start({}, {"--version"});
    EXPECT_EQ(version->Wait(), 0);
    EXPECT_EQ(version->Out().rfind("coinvale-reminder ", 0), 0u);
    auto wrong = Start({}, {"--twice"});
    EXPECT_EQ(wrong->Wait(), 2);
    EXPECT_NE(wrong->Err().find("--twice"), std::string::npos);
    auto extra = Start({}, {"--once", "now"});
    EXPECT_EQ(extra->Wait(), 2);
    EXPECT_NE(extra->Err().find("now"), std::string::npos);
    auto badClock = Start({"COINVALE_NOW=tomorrow"}, {"--once"});
    EXPECT_EQ(badClock->Wait(), 2);
    EXPECT_NE(badClock->Err().find("COINVALE_NOW"), std::string::npos);
}

}  // namespace
