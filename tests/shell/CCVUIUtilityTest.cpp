#include "shell/CCVUIUtility.h"

#include "platform/ui/CListView.h"
#include "resources/MenuIds.h"
#include "UiTestSupport.h"

namespace ui_test {
namespace {

using namespace ui;

class UIUtilityTest : public UiTest {
protected:
    CCVUIUtility& m_utility = CCVUIUtility::Instance();
};

TEST_F(UIUtilityTest, MessageBoxAnswersAndShowsNothingWithoutText) {
    const HWND view = CreateView();
    m_screen.TypeKey(VK_TSOFT1);
    // No text and no string: no box, so the typed key is still waiting.
    EXPECT_FALSE(m_utility.MessageBox(view, res::IDS_NONE, MB_YESNO));
    EXPECT_TRUE(m_screen.HasHeldInput());

    EXPECT_TRUE(m_utility.MessageBox(view, res::IDS_NONE, MB_YESNO | MB_ICONQUESTION,
                                     res::IDS_APP_NAME, L"Would you like to view them now ?"));
    m_screen.TypeKey(VK_TSOFT2);
    EXPECT_FALSE(m_utility.MessageBox(view, res::IDS_GALLERY_YESNO_TEXT, MB_YESNO));
    m_screen.TypeKey(VK_RETURN);
    EXPECT_TRUE(m_utility.MessageBox(view, res::IDS_GALLERY_OK_TEXT, MB_OK));
    m_screen.TypeKey(VK_TSOFT2);
    EXPECT_FALSE(m_utility.MessageBox(view, res::IDS_GALLERY_OKCANCEL_TEXT, MB_OKCANCEL));
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Proceed with the operation?"),
              std::wstring::npos);
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Coinvale"), std::wstring::npos);
}

TEST_F(UIUtilityTest, WaitIndicatorIsHiddenWhileABoxIsUp) {
    const HWND view = CreateView();
    m_utility.ShowWaitCursor();
    EXPECT_TRUE(m_screen.Shows(L"Please wait"));  // shown at once, before any loop runs
    m_screen.TypeKey(VK_RETURN);
    m_utility.MessageBox(view, res::IDS_GALLERY_OK_TEXT, MB_OK);
    EXPECT_EQ(m_screen.TextBeforeLastInput().find(L"Please wait"), std::wstring::npos);
    EXPECT_TRUE(IsWaitIndicatorShown());
    EXPECT_TRUE(m_utility.HideWaitCursor());
    EXPECT_FALSE(m_utility.HideWaitCursor());
    EXPECT_FALSE(m_screen.Shows(L"Please wait"));
}

TEST_F(UIUtilityTest, AmountAndDateTexts) {
    EXPECT_EQ(CCVUIUtility::AmountText(123456, true, L"EUR"), L"EUR 1234.56 ");
    EXPECT_EQ(CCVUIUtility::AmountText(123456, false), L"1234 ");
    EXPECT_EQ(CCVUIUtility::AmountText(-123456, true), L"-1234.56 ");
    // Regression: amounts under one unit lost their units digit (".05", and nothing for 0).
    EXPECT_EQ(CCVUIUtility::AmountText(5, true), L"0.05 ");
    EXPECT_EQ(CCVUIUtility::AmountText(-5, true), L"-0.05 ");
    EXPECT_EQ(CCVUIUtility::AmountText(0, true, L"$"), L"$ 0.00 ");
    EXPECT_EQ(CCVUIUtility::AmountText(0, false), L"0 ");
    EXPECT_EQ(CCVUIUtility::AmountText(-100, true), L"-1.00 ");
    // Regression: whole units of amounts under one unit came out empty, or as a lone "-".
    EXPECT_EQ(CCVUIUtility::AmountText(5, false), L"0 ");
    EXPECT_EQ(CCVUIUtility::AmountText(-5, false, L"USD"), L"USD 0 ");
    EXPECT_EQ(CCVUIUtility::DateText(3, 5, 2007, true), L"3/5/07");
    EXPECT_EQ(CCVUIUtility::DateText(12, 31, 2010, true), L"12/31/10");
    EXPECT_EQ(CCVUIUtility::DateText(3, 5, 2007, false), L"3/5");
}

TEST_F(UIUtilityTest, FitTextKeepsABeginningThatFitsWithTheEllipsis) {
    CCellSurface surface(20, 1);
    CDeviceContext dc(surface, surface.Bounds(), POINT{0, 0});
    const std::wstring fitted = CCVUIUtility::FitText(dc, L"Household Expens", 8);
    EXPECT_EQ(fitted, L"House...");
    EXPECT_LE(dc.GetTextExtent(fitted).cx, 8);
    EXPECT_EQ(CCVUIUtility::FitText(dc, L"Rent", 8), L"Rent");
}

TEST_F(UIUtilityTest, AmountCheckLimitsAndMessage) {
    EXPECT_TRUE(CCVUIUtility::IsValidAmountText(L"", false));
    EXPECT_FALSE(CCVUIUtility::IsValidAmountText(L"", true));
    for (const wchar_t* bad : {L"-", L".", L"-.", L"12345678901234567890", L"72057594037927937.00",
                               L"-72057594037927937", L"9999999999999999999"}) {
        EXPECT_FALSE(CCVUIUtility::IsValidAmountText(bad, true)) << bad;
    }
    for (const wchar_t* good : {L"0", L"12.5", L"-0.07", L"1,234.56", L"+5",
                                L"72057594037927936.99", L"-72057594037927936.99",
                                L"1234567890123456789"}) {
        // The last has 19 digits: short enough, but its value is past the limit.
        const bool expected = std::wstring(good) != L"1234567890123456789";
        EXPECT_EQ(CCVUIUtility::IsValidAmountText(good, true), expected) << good;
    }
    // Regression: letters and a second point read as a part of the number, or as 0.
    for (const wchar_t* bad : {L"abc", L"12abc", L"1.2.3", L"1-2", L"--5", L","}) {
        EXPECT_FALSE(CCVUIUtility::IsValidAmountText(bad, false)) << bad;
    }
    // Fault: "1,50" was 150.00, "1,2,3" 123.00 and "12.345" 12.34 on every screen; the screens
    // now read typed amounts as the command line does.
    for (const wchar_t* bad : {L"1,50", L"1,2,3", L"12,34", L"12.345", L"12."}) {
        EXPECT_FALSE(CCVUIUtility::IsValidAmountText(bad, false)) << bad;
    }
    for (const wchar_t* good : {L"1,234.56", L"-5", L".5", L"72,057,594,037,927,936.99"}) {
        EXPECT_TRUE(CCVUIUtility::IsValidAmountText(good, true)) << good;
    }

    const HWND view = CreateView();
    m_screen.TypeKey(VK_RETURN);
    EXPECT_FALSE(m_utility.AmountCheck(L"-", true));
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Enter a valid amount."), std::wstring::npos);
    EXPECT_FALSE(m_utility.AmountCheck(L"-", false));  // not required: no message
    EXPECT_FALSE(m_screen.HasHeldInput());
    // The message says what is wrong with a text that looks like an amount.
    m_screen.TypeKey(VK_RETURN);
    EXPECT_FALSE(m_utility.AmountCheck(L"12.345", true));
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Enter the amount with at most two"),
              std::wstring::npos);
    m_screen.TypeKey(VK_RETURN);
    EXPECT_FALSE(m_utility.AmountCheck(L"99,999,999,999,999,999", true));
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"That amount is more than an"),
              std::wstring::npos);
    EXPECT_FALSE(m_screen.HasHeldInput());
    (void)view;
}

TEST_F(UIUtilityTest, WideAndNarrowCopiesUseWindows1252) {
    EXPECT_EQ(CCVUIUtility::NarrowCopy(L"Café €5 Ω"), "Caf\xE9 \x80" "5 ?");
    EXPECT_EQ(CCVUIUtility::WideCopy("Caf\xE9 \x80"), L"Café €");
}

TEST_F(UIUtilityTest, RouteKeyKeepsUpAndDownWithAFocusedList) {
    const HWND view = CreateView();
    const HWND list = CreateChild(L"SysListView32", view, 1, 0, RECT{0, 0, 20, 5});
    CListView* control = GetControl<CListView>(list);
    control->InsertColumn(0, L"Accounts", 20);
    control->InsertItem(0, L"Cash");
    control->InsertItem(1, L"Savings");
    const HWND edit = CreateChild(L"EDIT", view, 2, 0, RECT{0, 6, 20, 7});
    const MSG down{list, WM_KEYDOWN, VK_DOWN, 0, 0, POINT{}};
    EXPECT_TRUE(m_utility.RouteKey(list, down));
    EXPECT_EQ(control->GetSelection(), 0);
    EXPECT_FALSE(m_utility.RouteKey(edit, down));
    EXPECT_FALSE(m_utility.RouteKey(nullptr, down));
}

TEST_F(UIUtilityTest, SoftKeyBarOverridesBackAndWindowsComeUp) {
    const HWND first = CreateView(L"Accounts Summary");
    ASSERT_NE(m_utility.CreateSoftKeyBar(res::IDM_GALLERY_MAIN, first), nullptr);
    EXPECT_EQ(m_utility.CreateSoftKeyBar(12345, first), nullptr);
    m_screen.TypeKey(VK_TBACK);
    m_screen.RunUntilIdle();
    ASSERT_EQ(Messages(WM_HOTKEY).size(), 2u);

    const HWND second = CreateView(L"Register");
    EXPECT_EQ(GetActiveWindow(), second);
    EXPECT_TRUE(m_utility.BringUpExistingWindow(L"TestView", L"Accounts Summary"));
    EXPECT_EQ(GetActiveWindow(), first);
    EXPECT_FALSE(m_utility.BringUpExistingWindow(L"TestView", L"Reports"));

    const HWND label = m_utility.StaticLabel(res::IDS_GALLERY_NAME, {}, RECT{0, 0, 10, 1}, first);
    EXPECT_EQ(GetWindowText(label), L"Name:");
    const HFONT heading = m_utility.HeadingFont(label);
    EXPECT_TRUE(heading->IsBold());
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessage(label, WM_GETFONT, 0, 0)), heading);
}

}  // namespace
}  // namespace ui_test
