#include "views/lists/CClassListAdapter.h"

#include "model/CClassList.h"
#include "shell/CCVUIUtility.h"

namespace views {

const CCVItemList& CClassListAdapter::List() const {
    return m_classes;
}

CListAdapter::Row CClassListAdapter::RowAt(int index) const {
    Row row;
    if (const CClassItem* item = m_classes.At(index)) {
        row.name = CCVUIUtility::WideCopy(item->GetName());
    }
    return row;
}

EditOutcome CClassListAdapter::Delete(std::int64_t index) {
    return m_classes.DeleteClass(index);
}

}  // namespace views
