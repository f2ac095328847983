#pragma once

#include "views/lists/CListAdapter.h"

class CCVPayeeList;

// The payees, by name.
namespace views {

class CPayeeListAdapter : public CListAdapter {
  public:
    explicit CPayeeListAdapter(CCVPayeeList& payees) : m_payees(payees) {}

    const wchar_t* WindowClass() const override { return L"EditPayees"; }
    res::StringId Title() const override { return res::IDS_EDIT_PAYEES_TITLE; }
    const CCVItemList& List() const override;
    Row RowAt(int index) const override;
    EditOutcome Delete(std::int64_t index) override;

  private:
    CCVPayeeList& m_payees;
};

}  // namespace views
