#include "ScreenFixture.h"

#include <filesystem>

#include "model/BuiltInKey.h"
#include "model/CCVAccount.h"
#include "model/CCVAccountList.h"
#include "model/CTransaction.h"
#include "model/CVModel.h"
#include "platform/sys/Clock.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CSoftKeyBar.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "shell/CCVApplication.h"
#include "shell/CCVProgram.h"
#include "startup/ModelWiring.h"
#include "storage/DateTime.h"
#include "views/ViewRegistry.h"
#include "views/summary/CAccountsSummaryView.h"

namespace views_test {

ScreenFixture::ScreenFixture() {
    std::filesystem::create_directories(m_home.Path() + "run");
    sys::SetTestTime(sys::MakeSystemTime(2026, 12, 6, 9, 30));
    CVModel& model = Model();
    startup::WireModel(model);
    EXPECT_EQ(model.PreparePreferences(), 0);
    EXPECT_EQ(model.Init(), 0);
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    app.Catalog().Clear();
    views::RegisterViews(app.Catalog());
    views::CAccountsSummaryView::ArmStartOfDayChecks();
}

ScreenFixture::~ScreenFixture() {
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    app.Shutdown();
    app.Catalog().Clear();
    app.SetFirstScreenChooser({});
    Model().SaveAndRelease();
    shell::CCVProgram::DropQuit();
    sys::ClearTestTime();
}

CVModel& ScreenFixture::Model() {
    return *CVModel::GetModel();
}
CCVAccountList& ScreenFixture::Accounts() {
    return *Model().GetAccountList();
}

CCVAccount& ScreenFixture::Account(const char* name) {
    CCVAccount* account =
        Accounts().FindAccountByName(name) != nullptr
            ? Accounts().At(Accounts().FindAccount(Accounts().FindAccountByName(name)))
            : nullptr;
    EXPECT_NE(account, nullptr) << name;
    return *account;
}

void ScreenFixture::Add(const char* account, int daysAgo, Amount amount, const char* payee,
                        CTransactionTypeList::BuiltInType type, int state) {
    auto t = std::make_unique<CTransaction>();
    t->SetDate(::Now() - static_cast<DateTime>(daysAgo) * kSecondsPerDay);
    t->SetAmount(amount);
    t->SetTypeId(BuiltInKey(type));
    t->SetPayeeName(payee);
    t->SetState(static_cast<std::uint8_t>(state));
    ASSERT_EQ(Account(account).AddTransaction(std::move(t)), 0);
}

void ScreenFixture::Start() {
    shell::CCVApplication& app = shell::CCVApplication::Instance();
    app.SetFirstScreenChooser([&app] { app.PostNavigate(shell::kEventAccountsSummary, 0); });
    ASSERT_EQ(app.CreateController(), 0);
    Pump();
}

void ScreenFixture::Pump() {
    shell::CCVProgram::PumpUntilIdle();
}

void ScreenFixture::Key(unsigned vk) {
    m_screen.TypeKey(vk);
    Pump();
}

void ScreenFixture::Type(const std::wstring& text) {
    m_screen.TypeText(text);
    Pump();
}

void ScreenFixture::Choose(const std::vector<std::wstring>& path,
                           const std::vector<unsigned>& answers) {
    Key(ui::VK_TSOFT2);
    const ui::COLORREF highlight = ui::GetSysColor(ui::COLOR_HIGHLIGHT);
    for (const std::wstring& label : path) {
        // The open menu is the one drawn last: look for the label from the bottom up.
        int y = -1;
        std::size_t x = std::wstring::npos;
        const auto lines = m_screen.Lines();
        for (int row = static_cast<int>(lines.size()) - 2; row >= 1 && y < 0; --row) {
            x = lines[static_cast<std::size_t>(row)].find(label);
            if (x != std::wstring::npos) y = row;
        }
        ASSERT_GE(y, 0) << "no menu item " << sys::WideToUtf8(label);
        for (int step = 0; step < 30; ++step) {
            if (m_screen.CellAt(static_cast<int>(x), y).bg == highlight) break;
            Key(ui::VK_DOWN);
        }
        ASSERT_EQ(m_screen.CellAt(static_cast<int>(x), y).bg, highlight) << sys::WideToUtf8(label);
        m_screen.TypeKey(ui::VK_RETURN);
        if (&label == &path.back()) {
            for (unsigned key : answers) m_screen.TypeKey(key);  // for a box the choice opens
        }
        Pump();
    }
}

int ScreenFixture::LineOf(const std::wstring& text) const {
    const auto lines = m_screen.Lines();
    for (std::size_t y = 0; y < lines.size(); ++y) {
        if (lines[y].find(text) != std::wstring::npos) return static_cast<int>(y);
    }
    return -1;
}

std::string ScreenFixture::Utf8Line(int y) const {
    return sys::WideToUtf8(Line(y));
}

int ScreenFixture::CurrentView() const {
    return shell::CCVApplication::Instance().CurrentView();
}

}  // namespace views_test
