#include "storage/CCVItem.h"

#include "storage/RecordArchive.h"

CCVItem::~CCVItem() = default;

int CCVItem::Serialize(RecordArchive& ar) {
    if (ar.IsLoading()) m_unsaved = true;
    if (const int rc = ar.Transfer(m_recordNumber); rc != 0) return rc;
    return ar.Transfer(m_flags);
}
