#pragma once

#include "views/lists/CListAdapter.h"

class CTransactionTypeList;

// The transaction types in order of creation, each with its direction; the built-in types, which
// cannot be edited or deleted, are marked.
namespace views {

class CTransactionTypeListAdapter : public CListAdapter {
  public:
    explicit CTransactionTypeListAdapter(CTransactionTypeList& types) : m_types(types) {}

    const wchar_t* WindowClass() const override { return L"EditTransactionType"; }
    res::StringId Title() const override { return res::IDS_EDIT_TYPES_TITLE; }
    const CCVItemList& List() const override;
    Row RowAt(int index) const override;
    EditOutcome CheckEdit(std::int64_t index) const override;
    EditOutcome Delete(std::int64_t index) override;

  private:
    CTransactionTypeList& m_types;
};

}  // namespace views
