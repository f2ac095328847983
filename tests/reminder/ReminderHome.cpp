#include "ReminderHome.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "startup/ModelWiring.h"

namespace reminder_test {

ReminderHome::ReminderHome() {
    ::mkdir(Runtime().c_str(), 0700);
    CVModel model;
    startup::WireModel(model);
    EXPECT_EQ(model.PreparePreferences(), 0);
    EXPECT_EQ(model.InitForCommand("", CVModel::kCreate), 0);
    m_data = model.GetDataFolder();
    model.SaveAndRelease();
}

void ReminderHome::AddScheduled(const char* payee, Amount amount, DateTime next,
                                std::uint8_t daysAhead, std::uint8_t enterMode, std::uint16_t type,
                                const char* account) {
    CVModel model;
    startup::WireModel(model);
    ASSERT_EQ(model.InitForCommand(m_data, CVModel::kForChange), 0);
    CCVAccountList& list = *model.GetAccountList();
    const CCVAccount* target = list.FindAccountByName(account);
    ASSERT_NE(target, nullptr);
    auto item = std::make_unique<CScheduledItem>();
    item->Template().SetPayeeName(payee);
    item->Template().SetTypeId(BuiltInKey(type));
    item->Template().SetAmount(amount);
    item->SetAccountId(target->GetAccountId());
    item->SetNextDate(next);
    item->SetFrequency(kFrequencyMonthly);
    item->SetRemainingCount(CScheduledItem::kIndefinitely);
    item->SetEnterMode(enterMode);
    item->SetDaysInAdvance(daysAhead);
    CScheduledList& scheduled = *list.GetScheduledTransactions();
    ASSERT_EQ(scheduled.Append(item.release()), 0);
    scheduled.UpdateReminderTime(list);
    ASSERT_EQ(model.SaveChanges(), 0);
    model.SaveAndRelease();
}

DateTime Day(int year, int month, int day, int hour) {
    return SystemTimeToDate(sys::MakeSystemTime(year, month, day, hour));
}

}  // namespace reminder_test
