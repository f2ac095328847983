// What a reminder says: the "Remind me" transactions whose reminder time has come, read from the
// data folder without changing a byte of it, in the words of the notification and of the plain
// output; a folder locked with a password or one that cannot be read.
#include <gtest/gtest.h>

#include <map>

#include "ReminderHome.h"
#include "model/CScheduledItem.h"
#include "model/CVModel.h"
#include "reminder/CDueReminders.h"
#include "reminder/CReminderText.h"
#include "startup/ModelWiring.h"
#include "support/TempFolder.h"

namespace {

using reminder::CDueReminders;
using reminder::CReminderText;
using reminder_test::Day;
using reminder_test::ReminderHome;

std::map<std::string, std::vector<std::uint8_t>> FolderBytes(const std::string& folder) {
    std::map<std::string, std::vector<std::uint8_t>> bytes;
    for (const std::string& name : testing_support::ListFolder(folder)) {
        bytes[name] = testing_support::ReadBytes(folder + name);
    }
    return bytes;
}

class DueReminders : public ::testing::Test {
  protected:
    DueReminders() {
        // Rent on the 9th, reminded 3 days ahead (the 6th); the gym on the 20th, on the day;
        // a salary entered by hand, never reminded.
        home.AddScheduled("Rent", 120000, Day(2026, 12, 9), 3, CScheduledItem::kRemindMe);
        home.AddScheduled("Gym", 4550, Day(2026, 12, 20), 0, CScheduledItem::kRemindMe);
        home.AddScheduled("Salary", 300000, Day(2026, 12, 1), 5, CScheduledItem::kManually,
                          CTransactionTypeList::kTypeDeposit);
    }

    std::vector<std::string> Lines(DateTime moment) {
        return CReminderText::For(CDueReminders::Read("", moment)).Lines();
    }

    ReminderHome home;
};

TEST_F(DueReminders, OnlyRemindersWhoseTimeHasComeByNextDate) {
    EXPECT_TRUE(Lines(Day(2026, 12, 5, 23)).empty());
    EXPECT_EQ(Lines(Day(2026, 12, 6)),
              (std::vector<std::string>{"2026-12-09  Rent  -1200.00  (Checking)"}));
    EXPECT_EQ(Lines(Day(2026, 12, 20)),
              (std::vector<std::string>{"2026-12-09  Rent  -1200.00  (Checking)",
                                        "2026-12-20  Gym  -45.50  (Checking)"}));
    const CDueReminders due = CDueReminders::Read("", Day(2026, 12, 20));
    EXPECT_EQ(due.GetSource(), CDueReminders::Source::kData);
    EXPECT_EQ(due.Folder(), home.DataFolder());
}

TEST_F(DueReminders, SummaryCountsAndPlainTextIndentsTheLines) {
    const CReminderText one = CReminderText::For(CDueReminders::Read("", Day(2026, 12, 6)));
    EXPECT_EQ(one.Summary(), "Coinvale: a transaction is due");
    EXPECT_EQ(one.Plain(),
              "Coinvale: a transaction is due\n  2026-12-09  Rent  -1200.00  (Checking)\n");
    const CReminderText two = CReminderText::For(CDueReminders::Read("", Day(2026, 12, 20)));
    EXPECT_EQ(two.Summary(), "Coinvale: 2 transactions are due");
    EXPECT_EQ(two.Body(),
              "2026-12-09  Rent  -1200.00  (Checking)\n2026-12-20  Gym  -45.50  (Checking)");
    // Nothing due: no text at all, so nothing is shown or printed.
    const CReminderText none = CReminderText::For(CDueReminders::Read("", Day(2026, 12, 1)));
    EXPECT_TRUE(none.IsEmpty());
    EXPECT_EQ(none.Plain(), "");
}

TEST_F(DueReminders, ReadingChangesNothingInTheFolder) {
    const auto before = FolderBytes(home.DataFolder());
    CDueReminders::Read("", Day(2026, 12, 20));
    CDueReminders::Read(home.DataFolder(), Day(2026, 12, 20));
    EXPECT_EQ(FolderBytes(home.DataFolder()), before);
}

TEST_F(DueReminders, DepositsArePositiveAndAMissingPayeeIsNamed) {
    home.AddScheduled("", 5, Day(2026, 12, 7), 1, CScheduledItem::kRemindMe,
                      CTransactionTypeList::kTypeDeposit, "Savings");
    EXPECT_EQ(Lines(Day(2026, 12, 6)),
              (std::vector<std::string>{"2026-12-07  (no payee)  0.05  (Savings)",
                                        "2026-12-09  Rent  -1200.00  (Checking)"}));
}

TEST_F(DueReminders, ManyRemindersAreCutShortWithACount) {
    for (int i = 0; i < 9; ++i) {
        home.AddScheduled(("Bill " + std::to_string(i)).c_str(), 100, Day(2026, 12, 10 + i), 9,
                          CScheduledItem::kRemindMe);
    }
    const std::vector<std::string> lines = Lines(Day(2026, 12, 20));
    ASSERT_EQ(lines.size(), CReminderText::kMostLines + 1);
    EXPECT_EQ(lines.front(), "2026-12-09  Rent  -1200.00  (Checking)");
    EXPECT_EQ(lines[CReminderText::kMostLines - 1], "2026-12-16  Bill 6  -1.00  (Checking)");
    EXPECT_EQ(lines.back(), "and 3 more");
}

TEST_F(DueReminders, LockedDataIsNotReadAndTheReminderSaysOnlyThatSomethingIsDue) {
    {
        CVModel model;
        startup::WireModel(model);
        ASSERT_EQ(model.PreparePreferences(), 0);
        ASSERT_EQ(model.InitForCommand(home.DataFolder(), CVModel::kForChange), 0);
        ASSERT_EQ(model.ChangePassword("secret", ""), 0);
        model.SaveAndRelease();
    }
    const CDueReminders due = CDueReminders::Read("", Day(2026, 12, 20));
    EXPECT_EQ(due.GetSource(), CDueReminders::Source::kLocked);
    EXPECT_TRUE(due.Entries().empty());
    const CReminderText text = CReminderText::For(due);
    EXPECT_EQ(text.Summary(), "Coinvale: scheduled transactions are due");
    ASSERT_EQ(text.Lines().size(), 1u);
    EXPECT_EQ(text.Lines()[0].find("Rent"), std::string::npos);
    EXPECT_NE(text.Lines()[0].find("password"), std::string::npos);
}

TEST_F(DueReminders, AFolderThatCannotBeReadIsNamed) {
    const std::string missing = home.Folder().Path() + "nowhere/";
    const CDueReminders due = CDueReminders::Read(missing, Day(2026, 12, 20));
    EXPECT_EQ(due.GetSource(), CDueReminders::Source::kUnreadable);
    EXPECT_NE(due.Error(), 0);
    const CReminderText text = CReminderText::For(due);
    EXPECT_FALSE(text.IsEmpty());
    ASSERT_EQ(text.Lines().size(), 1u);
    EXPECT_NE(text.Lines()[0].find(due.Folder()), std::string::npos);
}

TEST(ReminderTextTest, AmountsKeepTheirUnitsDigitAndSign) {
    EXPECT_EQ(CReminderText::AmountText(0), "0.00");
    EXPECT_EQ(CReminderText::AmountText(5), "0.05");
    EXPECT_EQ(CReminderText::AmountText(-5), "-0.05");
    EXPECT_EQ(CReminderText::AmountText(123456), "1234.56");
    EXPECT_EQ(CReminderText::AmountText(INT64_MIN), "-92233720368547758.08");
}

TEST(ReminderTextTest, MarkupCharactersAreEscapedForTheNotificationBody) {
    EXPECT_EQ(CReminderText::EscapeMarkup("Smith & Sons <rent>"), "Smith &amp; Sons &lt;rent&gt;");
    EXPECT_EQ(CReminderText::EscapeMarkup("plain"), "plain");
}

}  // namespace
