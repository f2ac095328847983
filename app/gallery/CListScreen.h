#pragma once

#include <string>
#include <vector>

#include "CGalleryScreen.h"
#include "storage/Amount.h"

// The second screen: an owner-drawn list view of accounts with icons and amounts (red when
// negative), sorted by a column click or by the radio items of the menu; rows are added and
// deleted from the menu, and the action key opens a row.
class CListScreen : public CGalleryScreen {
protected:
    void Build() override;
    bool Command(int id) override;
    ui::LRESULT Notify(const ui::NMHDR& header) override;

private:
    struct Account {
        std::wstring name;
        Amount balance = 0;
        int icon = 0;
    };

    void Fill();
    void SortBy(int column);
    void DrawItem(const ui::DRAWITEMSTRUCT& item) override;
    void Resized(int width, int height) override;

    ui::HWND m_list = nullptr;
    ui::HWND m_status = nullptr;
    std::vector<Account> m_accounts;
    int m_added = 0;
};
