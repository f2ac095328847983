// The model as both programs wire it: the lists of the layers above the model are read and
// written with the others, and the report object exists once the data is loaded. A maker left
// out would leave its file untouched and its list empty, with no error anywhere.
#include "startup/ModelWiring.h"

#include <gtest/gtest.h>

#include "model/CScheduledList.h"
#include "model/CVModel.h"
#include "online/CFiList.h"
#include "platform/sys/Files.h"
#include "preferences/PreferencesHome.h"
#include "reports/CCVReportList.h"

namespace {

TEST(ModelWiring, EveryListAndTheReportsOfAFreshDataFolder) {
    testing_support::PreferencesHome home;
    CVModel model;
    startup::WireModel(model);
    ASSERT_EQ(model.PreparePreferences(), 0);
    ASSERT_EQ(model.Init(), 0);

    CCVAccountList& accounts = *model.GetAccountList();
    EXPECT_NE(accounts.GetScheduledTransactions(), nullptr);
    EXPECT_NE(dynamic_cast<CFiList*>(accounts.GetInstitutionList()), nullptr);
    EXPECT_NE(dynamic_cast<CCVReportList*>(model.GetReports()), nullptr);

    const std::string folder = model.GetDataFolder();
    ASSERT_EQ(model.SaveAndRelease(), 0);
    EXPECT_TRUE(sys::FileExists(folder + "ScheduledTransList.lst"));
    EXPECT_TRUE(sys::FileExists(folder + "FiList.lst"));
}

}  // namespace
