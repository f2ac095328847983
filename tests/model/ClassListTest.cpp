// Classes: look-ups by name and key, budgets, and the class editing rules.
#include <gtest/gtest.h>

#include "ModelBytes.h"
#include "model/BuiltInKey.h"
#include "model/CClassList.h"
#include "support/TempFolder.h"

namespace {

class ClassList : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(list.CreateDefaults(), 0); }
    CClassList list;
};

TEST_F(ClassList, KeysAndNames) {
    std::string name = "stale";
    EXPECT_EQ(list.NameOfKey(BuiltInKey(102), name), 1);
    EXPECT_EQ(name, "Personal");
    EXPECT_EQ(list.NameOfKey(BuiltInKey(7), name), 0);
    EXPECT_EQ(name, "");

    RecordKey key;
    EXPECT_EQ(list.KeyOfName("business", key), 1);
    EXPECT_EQ(key, BuiltInKey(101));
    EXPECT_EQ(list.KeyOfName("Travel", key), 0);

    // Without create an unknown name gives the all-zero key and adds nothing.
    EXPECT_TRUE(list.KeyForName("Travel", key, false).IsNull());
    EXPECT_TRUE(key.IsNull());
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_TRUE(list.KeyForName("", key, true).IsNull());
    EXPECT_EQ(list.Count(), 2u);

    // With create, a new class in name order with a fresh key.
    const RecordKey made = list.KeyForName("Hobby", key, true);
    EXPECT_EQ(made, key);
    EXPECT_FALSE(made.IsNull());
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_STREQ(list.At(1)->GetName(), "Hobby");
    EXPECT_EQ(list.KeyForName("HOBBY", key, true), made);
    EXPECT_EQ(list.Count(), 3u);
}

TEST_F(ClassList, BudgetsAndTheUnstoredUnassignedBudget) {
    list.SetBudget(BuiltInKey(101), 15000);
    list.SetBudget(RecordKey{}, 2500);
    list.SetBudget(BuiltInKey(7), 99);
    EXPECT_EQ(list.GetBudget(BuiltInKey(101)), 15000);
    EXPECT_EQ(list.GetBudget(RecordKey{}), 2500);
    EXPECT_EQ(list.GetBudget(BuiltInKey(7)), 0);

    testing_support::TempFolder temp;
    ASSERT_EQ(list.SaveFile(temp.File("c.lst")), 0);
    CClassList loaded;
    ASSERT_EQ(loaded.LoadFile(temp.File("c.lst")), 0);
    EXPECT_EQ(loaded.GetBudget(BuiltInKey(101)), 15000);
    EXPECT_EQ(loaded.GetBudget(RecordKey{}), 0);
}

TEST_F(ClassList, EditingRules) {
    EXPECT_EQ(list.NewClass(""), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewClass("PERSONAL"), EditOutcome::Refused(res::IDS_CLASS_NAME_EXISTS));
    EXPECT_EQ(list.NewClass("Charity"), EditOutcome::Done());
    EXPECT_STREQ(list.At(1)->GetName(), "Charity");
    EXPECT_TRUE(list.At(1)->IsModified());

    EXPECT_EQ(list.RenameClass(0, "personal"), EditOutcome::Refused(res::IDS_CLASS_NAME_EXISTS));
    EXPECT_EQ(list.RenameClass(9, "X"), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));
    EXPECT_EQ(list.RenameClass(0, "BUSINESS"), EditOutcome::Done());
    // A renamed class keeps its key and moves to its place in name order.
    EXPECT_EQ(list.RenameClass(0, "Work"), EditOutcome::Done());
    EXPECT_STREQ(list.At(2)->GetName(), "Work");
    EXPECT_EQ(*list.At(2)->GetKey(), BuiltInKey(101));

    EXPECT_EQ(list.DeleteClass(2), EditOutcome::Done());
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.DeletedCount(), 1u);
    EXPECT_EQ(list.DeleteClass(-1), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));
    CClassList empty;
    EXPECT_EQ(empty.DeleteClass(0), EditOutcome::Refused(res::IDS_LIST_EMPTY));
}

}  // namespace
