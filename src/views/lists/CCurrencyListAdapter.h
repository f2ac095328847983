#pragma once

#include "model/CCurrencyList.h"
#include "views/lists/CListAdapter.h"

// The currencies in order of creation, each with its rate; the base currency is marked. "Make
// base" makes the selected currency the base.
namespace views {

class CCurrencyListAdapter : public CListAdapter {
  public:
    CCurrencyListAdapter(CCurrencyList& currencies, CCurrencyList::MCurrencyUsers& users)
        : m_currencies(currencies), m_users(users) {}

    const wchar_t* WindowClass() const override { return L"EditCurrencies"; }
    res::StringId Title() const override { return res::IDS_EDIT_CURRENCIES_TITLE; }
    int MenuId() const override { return res::IDM_CURRENCY_LIST_EDITOR; }
    int NewCommand() const override { return res::IDC_CURRENCY_NEW; }
    int EditCommand() const override { return res::IDC_CURRENCY_EDIT; }
    const CCVItemList& List() const override;
    Row RowAt(int index) const override;
    EditOutcome Delete(std::int64_t index) override;
    EditOutcome Command(int id, std::int64_t index, bool confirmed, bool& handled) override;

  private:
    CCurrencyList& m_currencies;
    CCurrencyList::MCurrencyUsers& m_users;
};

}  // namespace views
