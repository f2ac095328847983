#pragma once

#include "views/lists/CListAdapter.h"

class CClassList;

// The classes, by name.
namespace views {

class CClassListAdapter : public CListAdapter {
  public:
    explicit CClassListAdapter(CClassList& classes) : m_classes(classes) {}

    const wchar_t* WindowClass() const override { return L"EditClasses"; }
    res::StringId Title() const override { return res::IDS_EDIT_CLASSES_TITLE; }
    const CCVItemList& List() const override;
    Row RowAt(int index) const override;
    EditOutcome Delete(std::int64_t index) override;

  private:
    CClassList& m_classes;
};

}  // namespace views
