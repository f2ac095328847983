// The five list screens and the add/edit screen behind them, as a person uses them: new, edit and
// delete with each list's rules and messages, a category with its sub-category and icon,
// currencies with "Make base" and the base's rate, transaction types with their direction and
// the built-in ones protected, and "Done" going back to where the list was opened.
#include "ScreenFixture.h"

#include "model/CCVAccountList.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/SysColors.h"
#include "resources/IconGlyphs.h"
#include "shell/CCVApplication.h"
#include "shell/ViewNumbers.h"
#include "support/TempFolder.h"

namespace views_test {
namespace {

class ListScreensTest : public ScreenFixture {
  protected:
    void OpenList(const wchar_t* item, int view) {
        Start();
        Choose({L"Lists", item});
        ASSERT_EQ(CurrentView(), view);
    }
    // "Done" (the left soft key) with the answers to the boxes it opens typed ahead.
    void LeftKey(std::initializer_list<unsigned> answers = {}) {
        m_screen.TypeKey(ui::VK_TSOFT1);
        for (unsigned key : answers) m_screen.TypeKey(key);
        Pump();
    }
    void Erase(int count) {
        for (int i = 0; i < count; ++i) Key(ui::VK_TBACK);
    }
    std::wstring LastBox() const { return m_screen.TextBeforeLastInput(); }
    bool Selected(const wchar_t* text) const {
        const int y = LineOf(text);
        return y >= 0 && m_screen.CellAt(1, y).bg == ui::GetSysColor(ui::COLOR_HIGHLIGHT);
    }
};

TEST_F(ListScreensTest, PayeesNewRenameRefusalAndDoneGoesBack) {
    OpenList(L"Edit Payees", shell::kViewEditPayees);
    const int depth = shell::CCVApplication::Instance().StackDepth();
    Choose({L"New"});
    ASSERT_EQ(CurrentView(), shell::kViewAddPayee);
    EXPECT_TRUE(Shows(L"Payee Name:"));
    LeftKey({ui::VK_RETURN});  // nothing typed
    EXPECT_NE(LastBox().find(L"Invalid Name!"), std::wstring::npos);
    Type(L"Corner Shop");
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditPayees);
    EXPECT_TRUE(Shows(L"Corner Shop"));
    const std::string file = Accounts().GetFolder() + "PayeesList.lst";
    EXPECT_GT(testing_support::ReadBytes(file).size(), 2u);  // saved at once

    Choose({L"New"});
    Type(L"corner shop");
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"A Payee with this name already exists"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewAddPayee);
    Key(ui::VK_TSOFT2);  // Cancel
    ASSERT_EQ(CurrentView(), shell::kViewEditPayees);
    EXPECT_EQ(Accounts().GetPayees().Count(), 1u);

    // Its own name in other letter case is accepted.
    Key(ui::VK_RETURN);  // Enter edits the selected row
    ASSERT_EQ(CurrentView(), shell::kViewEditPayee);
    Erase(11);
    Type(L"CORNER SHOP");
    LeftKey();
    EXPECT_STREQ(Accounts().GetPayees().At(0)->GetName(), "CORNER SHOP");
    EXPECT_TRUE(Selected(L"CORNER SHOP"));

    // "Done" returns to the summary that opened the list rather than stacking a new one.
    Key(ui::VK_TSOFT1);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_EQ(shell::CCVApplication::Instance().StackDepth(), depth - 1);
}

TEST_F(ListScreensTest, ARenamedPayeeMovesToItsPlaceAndStaysSelected) {
    ASSERT_TRUE(Accounts().GetPayees().NewPayee("Apple").IsDone());
    ASSERT_TRUE(Accounts().GetPayees().NewPayee("Banana").IsDone());
    OpenList(L"Edit Payees", shell::kViewEditPayees);
    EXPECT_TRUE(Selected(L"Apple"));
    Choose({L"Edit"});
    Erase(5);
    Type(L"Zucchini");
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditPayees);
    EXPECT_GT(LineOf(L"Zucchini"), LineOf(L"Banana"));
    EXPECT_TRUE(Selected(L"Zucchini"));
}

TEST_F(ListScreensTest, ACategoryWithAnIconAndASubCategoryUnderIt) {
    OpenList(L"Edit Categories", shell::kViewEditCategories);
    Choose({L"New"});
    ASSERT_EQ(CurrentView(), shell::kViewAddCategory);
    Type(L"Pets");
    Choose({L"Icon"});
    ASSERT_EQ(CurrentView(), shell::kViewChooseIcon);
    for (int i = 0; i < 5; ++i) Key(ui::VK_RIGHT);
    Key(ui::VK_TSOFT1);  // Select
    ASSERT_EQ(CurrentView(), shell::kViewAddCategory);
    EXPECT_NE(Line(LineOf(L"Category Name:")).find(L"Pets"), std::wstring::npos);
    EXPECT_NE(Line(LineOf(L"Icon:")).find(res::IconGlyph(2, 5)), std::wstring::npos);
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditCategories);
    EXPECT_TRUE(Selected(L"Pets"));  // the new category is the selected row
    CCVCategoryList& categories = Accounts().GetCategories();
    const RecordKey pets = categories.FindOrCreate("Pets", false);
    ASSERT_FALSE(pets.IsNull());
    EXPECT_EQ(categories.At(categories.IndexOfKey(pets))->GetIcon(), 5);

    Choose({L"New"});
    Type(L"Vet");
    Key(ui::VK_DOWN);
    // "None", then the top-level categories in order: Pets comes after Misc.
    while (Line(LineOf(L"Sub Category of:")).find(L"Pets") == std::wstring::npos) {
        Key(ui::VK_RIGHT);
        ASSERT_EQ(CurrentView(), shell::kViewAddCategory);
    }
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditCategories);
    const RecordKey vet = categories.FindOrCreate("Pets:Vet", false);
    ASSERT_FALSE(vet.IsNull());
    EXPECT_EQ(categories.IndexOfKey(vet), categories.IndexOfKey(pets) + 1);
    // Shown under its parent, indented.
    EXPECT_EQ(LineOf(L"Vet"), LineOf(L"Pets") + 1);
    EXPECT_GT(Line(LineOf(L"Vet")).find(L"Vet"), Line(LineOf(L"Pets")).find(L"Pets"));

    // A second sub-category of that name under the same parent is refused.
    Choose({L"New"});
    Type(L"vet");
    Key(ui::VK_DOWN);
    while (Line(LineOf(L"Sub Category of:")).find(L"Pets") == std::wstring::npos) {
        Key(ui::VK_RIGHT);
    }
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"An Item with this name already exists."), std::wstring::npos);
}

TEST_F(ListScreensTest, EditingACategoryKeepsItsPlaceAcrossTheIconChooser) {
    OpenList(L"Edit Categories", shell::kViewEditCategories);
    CCVCategoryList& categories = Accounts().GetCategories();
    const std::int64_t dining = categories.IndexOfKey(categories.FindOrCreate("Dining", false));
    for (std::int64_t i = 0; i < dining; ++i) Key(ui::VK_DOWN);
    Choose({L"Edit"});
    ASSERT_EQ(CurrentView(), shell::kViewEditCategory);
    EXPECT_NE(Line(LineOf(L"Category Name:")).find(L"Dining"), std::wstring::npos);
    Erase(6);
    Type(L"Restaurants");
    Choose({L"Icon"});
    Key(ui::VK_HOME);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewEditCategory);
    EXPECT_NE(Line(LineOf(L"Category Name:")).find(L"Restaurants"), std::wstring::npos);
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditCategories);
    const RecordKey renamed = categories.FindOrCreate("Restaurants", false);
    ASSERT_FALSE(renamed.IsNull());
    EXPECT_EQ(categories.At(categories.IndexOfKey(renamed))->GetIcon(), 0);
    EXPECT_TRUE(categories.FindOrCreate("Dining", false).IsNull());
}

TEST_F(ListScreensTest, CurrenciesMakeBaseAndTheBaseRate) {
    OpenList(L"Edit Currencies", shell::kViewEditCurrencies);
    EXPECT_NE(Line(LineOf(L"$ ")).find(L"Base"), std::wstring::npos);
    Choose({L"New"});
    ASSERT_EQ(CurrentView(), shell::kViewAddCurrency);
    Type(L"NZ$$$");  // a symbol holds four characters
    EXPECT_NE(Line(LineOf(L"Symbol:")).find(L"NZ$$"), std::wstring::npos);
    EXPECT_EQ(Line(LineOf(L"Symbol:")).find(L"NZ$$$"), std::wstring::npos);
    Key(ui::VK_TBACK);
    Key(ui::VK_DOWN);
    Erase(11);  // "1.000000000"
    Type(L"0.61");
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditCurrencies);
    CCurrencyList& currencies = Accounts().GetCurrencies();
    ASSERT_EQ(currencies.Count(), 9u);
    EXPECT_STREQ(currencies.At(8)->GetSymbol(), "NZ$");
    EXPECT_DOUBLE_EQ(currencies.At(8)->GetRate(), 0.61);

    // The base currency's rate stays 1.0.
    Key(ui::VK_HOME);
    Choose({L"Edit"});
    ASSERT_EQ(CurrentView(), shell::kViewEditCurrency);
    Key(ui::VK_DOWN);
    Erase(11);
    Type(L"1.5");
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"The conversion rate of the base currency must be 1.0."),
              std::wstring::npos);
    EXPECT_DOUBLE_EQ(currencies.At(0)->GetRate(), 1.0);
    Key(ui::VK_TSOFT2);  // Cancel

    Key(ui::VK_END);
    Choose({L"Make base"}, {ui::VK_RETURN});  // Yes
    EXPECT_NE(LastBox().find(L"make the selected currency your base currency"), std::wstring::npos);
    EXPECT_EQ(currencies.GetBaseNumber(), currencies.At(8)->GetNumber());
    EXPECT_DOUBLE_EQ(currencies.At(8)->GetRate(), 1.0);
    EXPECT_NE(Line(LineOf(L"NZ$")).find(L"Base"), std::wstring::npos);

    Choose({L"Delete"}, {ui::VK_TSOFT1, ui::VK_RETURN});  // Yes, then the refusal
    EXPECT_NE(LastBox().find(L"You can not delete base currency."), std::wstring::npos);
    EXPECT_EQ(currencies.Count(), 9u);
}

TEST_F(ListScreensTest, TransactionTypesTakeTheirDirectionAndTheBuiltInOnesAreProtected) {
    OpenList(L"Edit Transaction Types", shell::kViewEditTransactionTypes);
    Choose({L"Edit"}, {ui::VK_RETURN});  // "Check #", built in
    EXPECT_NE(LastBox().find(L"Cannot Edit Builtin types!"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewEditTransactionTypes);
    Choose({L"Delete"}, {ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"Cannot Edit Builtin types!"), std::wstring::npos);

    Choose({L"New"});
    ASSERT_EQ(CurrentView(), shell::kViewAddTransactionType);
    Type(L"Standing Order Out");  // 15 characters are kept
    Key(ui::VK_DOWN);
    Key(ui::VK_RIGHT);  // Withdrawal
    LeftKey();
    ASSERT_EQ(CurrentView(), shell::kViewEditTransactionTypes);
    CTransactionTypeList& types = Accounts().GetTransactionTypes();
    ASSERT_EQ(types.Count(), 8u);
    EXPECT_STREQ(types.At(7)->GetName(), "Standing Order ");
    EXPECT_EQ(types.At(7)->IsDebit(), kYes);
    EXPECT_NE(Line(LineOf(L"Standing Order")).find(L"Withdrawal"), std::wstring::npos);

    // A type the user added can be renamed; its direction is shown, not offered.
    Key(ui::VK_END);
    Choose({L"Edit"});
    ASSERT_EQ(CurrentView(), shell::kViewEditTransactionType);
    EXPECT_NE(Line(LineOf(L"Type:")).find(L"Withdrawal"), std::wstring::npos);
    Erase(15);
    Type(L"deposit");
    LeftKey({ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"An Item with this name already exists."), std::wstring::npos);
}

TEST_F(ListScreensTest, DeletingAClassAsksWithNoAsTheDefault) {
    OpenList(L"Edit Classes", shell::kViewEditClasses);
    Key(ui::VK_END);  // Personal
    Choose({L"Delete"}, {ui::VK_RETURN});
    EXPECT_EQ(Accounts().GetClasses().Count(), 2u);
    Choose({L"Delete"}, {ui::VK_TSOFT1});
    EXPECT_EQ(Accounts().GetClasses().Count(), 1u);
    EXPECT_FALSE(Shows(L"Personal"));
    EXPECT_TRUE(Selected(L"Business"));
    Choose({L"Delete"}, {ui::VK_TSOFT1});
    EXPECT_EQ(Accounts().GetClasses().Count(), 0u);
    Choose({L"Edit"}, {ui::VK_RETURN});
    EXPECT_NE(LastBox().find(L"There are no items in list"), std::wstring::npos);
}

}  // namespace
}  // namespace views_test
