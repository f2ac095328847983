// Category ordering, paths, budgets, the stored trailer and the category editing rules.
#include <gtest/gtest.h>

#include "ModelBytes.h"
#include "model/BuiltInKey.h"
#include "model/CCVCategoryList.h"
#include "support/TempFolder.h"

namespace {

using testing_support::TempFolder;

class CategoryList : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(list.CreateDefaults(), 0); }

    std::string NameAt(std::int64_t index) const { return list.At(index)->GetName(); }
    std::int64_t IndexOfName(const std::string& fullName) const {
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(list.Count()); ++i) {
            if (list.At(i)->GetFullName(list) == fullName) return i;
        }
        return -1;
    }

    CCVCategoryList list;
    const RecordKey auto_ = BuiltInKey(108);
    const RecordKey travel = BuiltInKey(139);
    const RecordKey meals = BuiltInKey(150);
};

TEST_F(CategoryList, NewSubCategoryOfAutoGoesAmongItsSiblings) {
    list.InsertCategory(new CCVCategoryItem("Lease", auto_));
    EXPECT_EQ(IndexOfName("Auto:Insurance") + 1, IndexOfName("Auto:Lease"));
    EXPECT_EQ(IndexOfName("Auto:Lease") + 1, IndexOfName("Auto:Payment"));

    list.InsertCategory(new CCVCategoryItem("Repairs", auto_));
    EXPECT_EQ(IndexOfName("Auto:Payment") + 1, IndexOfName("Auto:Repairs"));
    EXPECT_EQ(IndexOfName("Auto:Repairs") + 1, IndexOfName("Clothing"));
}

TEST_F(CategoryList, FullNamesAndOrphans) {
    EXPECT_EQ(static_cast<CCVCategoryItem*>(list.FindByKey(meals))->GetFullName(list),
              "Travel:Meals");
    EXPECT_EQ(list.At(0)->GetFullName(list), "Auto");

    // A sub-category whose parent is gone shows no name and sorts from the start.
    auto* orphan = new CCVCategoryItem("Lost", BuiltInKey(999));
    list.InsertCategory(orphan);
    EXPECT_EQ(list.At(0), orphan);
    EXPECT_EQ(orphan->GetFullName(list), "");
}

TEST_F(CategoryList, FindOrCreate) {
    const std::uint32_t before = list.Count();
    EXPECT_EQ(list.FindOrCreate("travel:MEALS", false), meals);
    EXPECT_EQ(list.FindOrCreate("Insurance", false), BuiltInKey(121));  // top level, not Auto's

    // Without create, nothing is found and nothing is added.
    EXPECT_TRUE(list.FindOrCreate("Travel:Train", false).IsNull());
    EXPECT_TRUE(list.FindOrCreate("Pets:Food", false).IsNull());
    EXPECT_EQ(list.Count(), before);

    // With create under an existing parent, only the sub-category is added.
    const RecordKey train = list.FindOrCreate("Travel:Train", true);
    EXPECT_FALSE(train.IsNull());
    EXPECT_EQ(list.Count(), before + 1);
    EXPECT_EQ(IndexOfName("Travel:Meals") + 1, IndexOfName("Travel:Train"));
    EXPECT_EQ(list.FindOrCreate("Travel:train", true), train);

    // A new parent is added first, then the sub-category under it.
    const RecordKey food = list.FindOrCreate("Pets:Food", true);
    EXPECT_EQ(list.Count(), before + 3);
    EXPECT_EQ(IndexOfName("Misc") + 1, IndexOfName("Pets"));
    EXPECT_EQ(IndexOfName("Pets") + 1, IndexOfName("Pets:Food"));
    EXPECT_EQ(*list.At(IndexOfName("Pets:Food"))->GetKey(), food);

    // Only one level: the rest of the path, colons included, names the sub-category.
    list.FindOrCreate("Travel:Rail:Night", true);
    EXPECT_GE(IndexOfName("Travel:Rail:Night"), 0);

    // Missing, empty and half-empty paths name nothing and add nothing.
    const std::uint32_t now = list.Count();
    for (const char* path : {static_cast<const char*>(nullptr), "", "Travel:", ":Meals", "New:"}) {
        EXPECT_TRUE(list.FindOrCreate(path, true).IsNull()) << (path ? path : "null");
    }
    EXPECT_EQ(list.Count(), now);
}

TEST_F(CategoryList, ResortAfterRenameDropsDeletedRecords) {
    static_cast<CCVCategoryItem*>(list.FindByKey(auto_))->SetName("Zeppelin");
    list.MarkDeleted(list.FindByKey(BuiltInKey(131)));  // Tax
    list.Resort();
    EXPECT_EQ(NameAt(0), "Clothing");
    EXPECT_EQ(list.Count(true), 29u);
    EXPECT_EQ(list.DeletedCount(), 0u);
    const std::int64_t last = list.Count() - 1;
    EXPECT_EQ(list.At(last - 3)->GetFullName(list), "Zeppelin");
    EXPECT_EQ(list.At(last)->GetFullName(list), "Zeppelin:Payment");
}

TEST_F(CategoryList, LookUps) {
    EXPECT_EQ(list.IndexOfTopLevelName("insurance"), IndexOfName("Insurance"));
    EXPECT_EQ(list.IndexOfTopLevelName("Fuel"), -1);
    EXPECT_STREQ(list.NameOfKey(meals), "Meals");
    EXPECT_STREQ(list.NameOfKey(BuiltInKey(1)), "");
    EXPECT_EQ(list.KeyExists(meals), kYes);
    EXPECT_EQ(list.KeyExists(RecordKey{}), kNo);

    EXPECT_EQ(list.HasSubCategories(auto_), kYes);
    EXPECT_EQ(list.HasSubCategories(BuiltInKey(114)), kNo);  // Clothing
    EXPECT_EQ(list.HasSubCategories(BuiltInKey(145)), kNo);  // Vacation, the last record
    EXPECT_EQ(list.HasSubCategories(RecordKey{}), kNo);

    // "Insurance" is both a top-level category and a sub-category of "Auto".
    EXPECT_TRUE(list.NameExists("Auto", "INSURANCE"));
    EXPECT_TRUE(list.NameExists("None", "Insurance"));
    EXPECT_FALSE(list.NameExists("Auto", "Gas"));
    EXPECT_FALSE(list.NameExists("None", "Gas"));
    EXPECT_TRUE(list.NameExists("No Such Parent", "Travel"));

    EXPECT_EQ(list.CompareOrder(auto_, travel), -1);
    EXPECT_EQ(list.CompareOrder(travel, auto_), 1);
    EXPECT_EQ(list.CompareOrder(BuiltInKey(1), travel), 1);
    EXPECT_EQ(list.CompareOrder(BuiltInKey(1), BuiltInKey(2)), 0);
}

TEST_F(CategoryList, Budgets) {
    list.SetBudget(meals, 20000);
    EXPECT_EQ(list.GetBudget(meals), 20000);
    EXPECT_TRUE(list.FindByKey(meals)->IsModified());
    list.SetBudget(BuiltInKey(1), 5);  // no such category: nothing changes
    EXPECT_EQ(list.GetBudget(BuiltInKey(1)), 0);

    list.SetBudget(RecordKey{}, 0);  // unchanged: not noted
    EXPECT_FALSE(list.BudgetChanged());
    list.SetBudget(RecordKey{}, 7500);
    EXPECT_EQ(list.GetBudget(RecordKey{}), 7500);
    EXPECT_TRUE(list.BudgetChanged());
}

TEST_F(CategoryList, TruncatedFileKeepsTheRecordsBeforeTheDamage) {
    TempFolder temp;
    CCVCategoryList sample;
    sample.InsertCategory(new CCVCategoryItem("Food"));
    sample.InsertCategory(new CCVCategoryItem("Rent"));
    sample.InsertCategory(new CCVCategoryItem("Out", *sample.At(0)->GetKey()));
    sample.SetBudget(RecordKey{}, 4242);
    ASSERT_EQ(sample.SaveFile(temp.File("cat.lst")), 0);
    model_bytes::ExpectTruncationKeepsWholeRecords(
        temp.File("cat.lst"), CCVCategoryItem::kStoredSize, CCVCategoryList::kTrailerSize,
        [] { return std::make_unique<CCVCategoryList>(); },
        [](const CCVItemList& loaded, std::size_t) {
            // A damaged trailer is not half-read.
            EXPECT_EQ(static_cast<const CCVCategoryList&>(loaded).GetUnassignedBudget(), 0);
            if (loaded.Count() > 0) {
                EXPECT_STREQ(loaded.GetAt(0)->GetName(), "Food");
            }
        });
}

// ---- Editing rules ----

TEST_F(CategoryList, NewCategoryRefusals) {
    const std::uint32_t before = list.Count();
    EXPECT_EQ(list.NewCategory("", "None", 1), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewCategory("Pets", "", 1), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewCategory("groceries", "None", 1),
              EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS));
    EXPECT_EQ(list.NewCategory("fuel", "Auto", 1), EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS));
    EXPECT_EQ(list.NewCategory("Snacks", "Travel:Meals", 1),
              EditOutcome::Refused(res::IDS_CATEGORY_PARENT_IS_SUB));
    EXPECT_EQ(list.Count(), before);

    // A name taken only under another parent is free here.
    EXPECT_EQ(list.NewCategory("Fuel", "None", 7), EditOutcome::Done());
    EXPECT_EQ(list.NewCategory("Fuel", "Travel", 8), EditOutcome::Done());
    const std::int64_t added = IndexOfName("Travel:Fuel");
    ASSERT_GE(added, 0);
    EXPECT_EQ(list.At(added)->GetIcon(), 8);
    EXPECT_EQ(IndexOfName("Travel:Air Transportation") + 1, added);
}

TEST_F(CategoryList, EditCategoryRules) {
    const std::int64_t clothing = IndexOfName("Clothing");
    EXPECT_EQ(list.EditCategory(clothing, "Auto", "None", 29),
              EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS));
    EXPECT_EQ(list.EditCategory(clothing, "Clothing", "Clothing", 29),
              EditOutcome::Refused(res::IDS_CATEGORY_OWN_PARENT));
    EXPECT_EQ(list.EditCategory(IndexOfName("Auto"), "Auto", "Travel", 14),
              EditOutcome::Refused(res::IDS_CATEGORY_HAS_SUBS));
    // Moving the top-level "Insurance" under "Auto", which has an "Insurance" already.
    EXPECT_EQ(list.EditCategory(IndexOfName("Insurance"), "Insurance", "Auto", 34),
              EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS));
    EXPECT_EQ(list.EditCategory(-1, "X", "None", 0), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));
    EXPECT_EQ(list.EditCategory(30, "X", "None", 0), EditOutcome::Refused(res::IDS_BAD_ITEM_INDEX));

    // Its own name in other letter case is accepted; a rename is placed by Resort.
    EXPECT_EQ(list.EditCategory(clothing, "CLOTHING", "None", 5), EditOutcome::Done());
    EXPECT_EQ(list.EditCategory(IndexOfName("CLOTHING"), "Apparel", "None", 5),
              EditOutcome::Done());
    EXPECT_EQ(NameAt(0), "Apparel");
    EXPECT_EQ(list.At(0)->GetIcon(), 5);

    // A sub-category moved to the top level.
    EXPECT_EQ(list.EditCategory(IndexOfName("Travel:Meals"), "Meals", "None", 54),
              EditOutcome::Done());
    EXPECT_EQ(IndexOfName("Insurance") + 1, IndexOfName("Meals"));
    EXPECT_EQ(*list.At(IndexOfName("Meals"))->GetKey(), meals);
}

TEST_F(CategoryList, DeleteTakesTheSubCategoriesAlong) {
    EXPECT_EQ(list.DeleteCategory(IndexOfName("Travel")), EditOutcome::Done());
    EXPECT_EQ(list.Count(), 25u);
    EXPECT_EQ(list.DeletedCount(), 5u);
    EXPECT_EQ(list.KeyExists(meals), kNo);

    EXPECT_EQ(list.DeleteCategory(IndexOfName("Auto:Fuel")), EditOutcome::Done());
    EXPECT_EQ(list.HasSubCategories(auto_), kYes);
    EXPECT_EQ(list.Count(), 24u);

    CCVCategoryList empty;
    EXPECT_EQ(empty.DeleteCategory(0), EditOutcome::Refused(res::IDS_LIST_EMPTY));
}

}  // namespace
