#include "views/lists/CTransactionTypeListAdapter.h"

#include <algorithm>

#include "model/CTransactionTypeList.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace views {

const CCVItemList& CTransactionTypeListAdapter::List() const {
    return m_types;
}

CListAdapter::Row CTransactionTypeListAdapter::RowAt(int index) const {
    Row row;
    if (const CTransactionTypeItem* type = m_types.At(index)) {
        row.name = CCVUIUtility::WideCopy(type->GetName());
        // The direction in a column of its own, the mark of the built-in types before it.
        const std::wstring_view debit = res::LoadString(res::IDS_TYPE_WITHDRAWAL);
        const std::wstring_view credit = res::LoadString(res::IDS_TYPE_DEPOSIT);
        std::wstring direction(type->IsDebit() == kYes ? debit : credit);
        direction.insert(0, std::max(debit.size(), credit.size()) - direction.size(), L' ');
        const bool builtIn = index < CTransactionTypeList::kBuiltInCount;
        row.detail = (builtIn ? std::wstring(res::LoadString(res::IDS_BUILT_IN_MARK)) + L"  "
                              : std::wstring()) +
                     direction;
    }
    return row;
}

EditOutcome CTransactionTypeListAdapter::CheckEdit(std::int64_t index) const {
    return m_types.CheckUserType(index);
}

EditOutcome CTransactionTypeListAdapter::Delete(std::int64_t index) {
    return m_types.DeleteType(index);
}

}  // namespace views
