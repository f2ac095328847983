#pragma once

#include "views/lists/CListAdapter.h"

class CCVCategoryList;

// The categories in display order: each top-level category with its icon, its sub-categories
// indented under it.
namespace views {

class CCategoryListAdapter : public CListAdapter {
  public:
    static constexpr int kIconSet = 2;

    explicit CCategoryListAdapter(CCVCategoryList& categories) : m_categories(categories) {}

    const wchar_t* WindowClass() const override { return L"EditCategories"; }
    res::StringId Title() const override { return res::IDS_EDIT_CATEGORIES_TITLE; }
    const CCVItemList& List() const override;
    Row RowAt(int index) const override;
    EditOutcome Delete(std::int64_t index) override;

  private:
    CCVCategoryList& m_categories;
};

}  // namespace views
