#include "views/lists/CTransactionTypeListAdapter.h"

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
        row.detail = std::wstring(res::LoadString(type->IsDebit() == kYes ? res::IDS_TYPE_WITHDRAWAL
                                                                          : res::IDS_TYPE_DEPOSIT));
        if (index < CTransactionTypeList::kBuiltInCount) {
            row.detail = std::wstring(res::LoadString(res::IDS_BUILT_IN_MARK)) + L"  " + row.detail;
        }
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
