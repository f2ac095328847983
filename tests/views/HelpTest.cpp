// Context help: every screen of the topic table has a written page, pages are laid out with their
// links, and the help key opens the page of the screen shown in a viewer that follows links and
// comes back with the Back key to the screen as it was.
#include "ScreenFixture.h"

#include <set>

#include "platform/sys/CodePage.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/HelpTopics.h"
#include "shell/ViewNumbers.h"
#include "views/help/CHelpPage.h"
#include "views/help/HelpPages.h"

namespace views_test {
namespace {

using views::CHelpPage;

constexpr int kMinimumWords = 60;

int WordCount(const CHelpPage& page) {
    int words = 0;
    for (const std::wstring& line : page.Lines()) {
        bool inWord = false;
        for (wchar_t ch : line) {
            const bool letter = ch != L' ';
            if (letter && !inWord) ++words;
            inWord = letter;
        }
    }
    return words;
}

TEST(HelpPagesTest, EveryScreenOfTheTopicTableHasAWrittenPage) {
    std::set<std::string> topics;
    for (int view = shell::kNoView; view <= shell::kLastViewNumber; ++view) {
        const std::string_view topic = shell::HelpTopicFor(view);
        if (topic.empty()) continue;
        topics.insert(std::string(topic));
        const std::optional<CHelpPage> page = CHelpPage::Find(topic);
        ASSERT_TRUE(page.has_value()) << "view " << view << ": no page " << topic;
        EXPECT_FALSE(page->Title().empty()) << topic;
        EXPECT_GE(WordCount(*page), kMinimumWords) << topic << " says too little";
    }
    EXPECT_EQ(topics.size(), 27u);
    // Every page is in the table, and every link leads to a page.
    for (const views::HelpPageText& text : views::HelpPageTexts()) {
        EXPECT_EQ(topics.count(std::string(text.topic)), 1u) << text.topic;
        const CHelpPage page(text.text);
        for (const std::string& link : page.LinkTopics()) {
            EXPECT_TRUE(CHelpPage::Find(link).has_value()) << text.topic << " -> " << link;
        }
    }
    // The contents reach every page.
    const CHelpPage contents = *CHelpPage::Find("Main_Contents");
    std::set<std::string> reached(contents.LinkTopics().begin(), contents.LinkTopics().end());
    for (const std::string& topic : topics) {
        if (topic != "Main_Contents") {
            EXPECT_EQ(reached.count(topic), 1u) << topic;
        }
    }
}

TEST(HelpPagesTest, ParagraphsWrapListsIndentAndLinksKeepTheirPlace) {
    CHelpPage page(
        "A title\n\nOne two three four five six seven eight nine ten eleven\ntwelve.\n\n"
        "Items:\n- first item, see [[Other|the other page]].\n- second\n\nEnd [[Last]]");
    EXPECT_EQ(page.Title(), L"A title");
    page.Layout(20);
    const std::vector<std::wstring> expected = {
        L"One two three four", L"five six seven eight", L"nine ten eleven",
        L"twelve.",            L"",                     L"Items:",
        L"- first item, see",  L"  the other page.",    L"- second",
        L"",                   L"End Last",
    };
    EXPECT_EQ(page.Lines(), expected);
    EXPECT_EQ(page.LinkTopics(), (std::vector<std::string>{"Other", "Last"}));
    ASSERT_EQ(page.Spans().size(), 2u);
    // The label's words on one line make one span; the full stop after it is not part of it.
    EXPECT_EQ(page.Spans()[0].line, 7);
    EXPECT_EQ(page.Spans()[0].start, 2);
    EXPECT_EQ(page.Spans()[0].length, 14);
    EXPECT_EQ(page.Spans()[1].line, 10);
    EXPECT_EQ(page.Spans()[1].start, 4);
    EXPECT_EQ(page.LineOfLink(1), 10);
    EXPECT_EQ(page.LineOfLink(2), -1);
    EXPECT_FALSE(CHelpPage::Find("NoSuchTopic").has_value());
}

class HelpViewerTest : public ScreenFixture {};

TEST_F(HelpViewerTest, TheHelpKeyOpensThePageOfTheScreenAndBackReturnsToIt) {
    Start();
    ASSERT_EQ(CurrentView(), shell::kViewAccountsSummary);
    m_screen.TypeKey(ui::VK_HELP_KEY);
    m_screen.TypeKey(ui::VK_ESCAPE);  // closes the viewer again
    Pump();
    const std::wstring help = m_screen.TextBeforeLastInput();
    EXPECT_NE(help.find(L"Help: The accounts summary"), std::wstring::npos);
    EXPECT_NE(help.find(L"The accounts summary is the first screen."), std::wstring::npos);
    EXPECT_EQ(help.find(L"American Express"), std::wstring::npos) << "the page covers the screen";
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(Shows(L"American Express"));

    // A link followed; "Close" from there.
    m_screen.TypeKey(ui::VK_HELP_KEY);
    m_screen.TypeKey(ui::VK_RIGHT);   // the first link: the register
    m_screen.TypeKey(ui::VK_RETURN);  // followed
    m_screen.TypeKey(ui::VK_TSOFT2);  // Close
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Help: The register"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);

    // Back returns to the page before, and from the first page closes.
    m_screen.TypeKey(ui::VK_HELP_KEY);
    m_screen.TypeKey(ui::VK_RIGHT);
    m_screen.TypeKey(ui::VK_RETURN);
    m_screen.TypeKey(ui::VK_ESCAPE);  // the summary's page again
    m_screen.TypeKey(ui::VK_ESCAPE);  // closed
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Help: The accounts summary"),
              std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);

    m_screen.TypeKey(ui::VK_HELP_KEY);
    m_screen.TypeKey(ui::VK_TSOFT1);  // Contents
    m_screen.TypeKey(ui::VK_TSOFT2);  // Close
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Coinvale help: contents"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewAccountsSummary);
    EXPECT_TRUE(Shows(L"Accounts Summary"));
}

TEST_F(HelpViewerTest, ThePagesOfTheRegisterAndThePasswordScreen) {
    Start();
    Key(ui::VK_DOWN);
    Key(ui::VK_RETURN);
    ASSERT_EQ(CurrentView(), shell::kViewRegister);
    m_screen.TypeKey(ui::VK_HELP_KEY);
    m_screen.TypeKey(ui::VK_NEXT);  // a page down: the page scrolls
    m_screen.TypeKey(ui::VK_ESCAPE);
    Pump();
    const std::wstring scrolled = m_screen.TextBeforeLastInput();
    EXPECT_NE(scrolled.find(L"Help: The register"), std::wstring::npos);
    EXPECT_EQ(scrolled.find(L"The register shows the transactions"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewRegister);

    Key(ui::VK_ESCAPE);
    Choose({L"Settings", L"Set Password"});
    m_screen.TypeKey(ui::VK_HELP_KEY);
    m_screen.TypeKey(ui::VK_ESCAPE);
    Pump();
    EXPECT_NE(m_screen.TextBeforeLastInput().find(L"Help: The password"), std::wstring::npos);
    EXPECT_EQ(CurrentView(), shell::kViewSetPassword);
}

}  // namespace
}  // namespace views_test
