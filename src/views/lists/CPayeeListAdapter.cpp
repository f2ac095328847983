#include "views/lists/CPayeeListAdapter.h"

#include "model/CCVPayeeList.h"
#include "shell/CCVUIUtility.h"

namespace views {

const CCVItemList& CPayeeListAdapter::List() const {
    return m_payees;
}

CListAdapter::Row CPayeeListAdapter::RowAt(int index) const {
    Row row;
    if (const CCVPayeeItem* payee = m_payees.At(index)) {
        row.name = CCVUIUtility::WideCopy(payee->GetName());
    }
    return row;
}

EditOutcome CPayeeListAdapter::Delete(std::int64_t index) {
    return m_payees.DeletePayee(index);
}

}  // namespace views
