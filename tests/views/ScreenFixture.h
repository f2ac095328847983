#pragma once

// The interactive program on a headless screen of 80 x 24, on a fresh data folder in a throw-away
// home, with the clock fixed at 2026-12-06 09:30: tests type keys and read the screen and the
// model, as a person at a terminal would see them.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/CTransactionTypeList.h"
#include "platform/ui/CHeadlessScreen.h"
#include "storage/Amount.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

class CCVAccount;
class CCVAccountList;
class CVModel;

namespace views_test {

class ScreenFixture : public ::testing::Test {
  protected:
    ScreenFixture();
    ~ScreenFixture() override;

    // Opens the program's first screen (the accounts summary) on the loaded data.
    void Start();
    // Runs the program until it waits for input.
    void Pump();
    void Key(unsigned vk);
    void Type(const std::wstring& text);
    // Picks a menu item by its label: the right soft key opens the menu, then the arrows reach
    // the item (and the pop-ups on the way) and the action key chooses it. `answers` are typed
    // right after, for the message box the choice opens.
    void Choose(const std::vector<std::wstring>& path, const std::vector<unsigned>& answers = {});

    bool Shows(const std::wstring& text) const { return m_screen.Shows(text); }
    std::wstring Line(int y) const { return m_screen.Line(y); }
    std::string Utf8Line(int y) const;
    // The first screen line holding `text`, or -1.
    int LineOf(const std::wstring& text) const;

    CVModel& Model();
    CCVAccountList& Accounts();
    CCVAccount& Account(const char* name);
    // A transaction added to an account: dated `day` days before today.
    void Add(const char* account, int daysAgo, Amount amount, const char* payee,
             CTransactionTypeList::BuiltInType type, int state = 0);
    int CurrentView() const;

    testing_support::TempFolder m_home;
    testing_support::ScopedEnvironment m_homeVariable{"COINVALE_HOME", m_home.Path()};
    testing_support::ScopedEnvironment m_documents{"XDG_DOCUMENTS_DIR",
                                                   m_home.Path() + "Documents"};
    testing_support::ScopedEnvironment m_runtime{"XDG_RUNTIME_DIR", m_home.Path() + "run"};
    ui::CHeadlessScreen m_screen{80, 24};
};

}  // namespace views_test
