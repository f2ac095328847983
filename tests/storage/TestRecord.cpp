#include "TestRecord.h"

TestRecord::TestRecord(const char* name, std::uint32_t value) : m_key(NewRecordKey()), m_value(value) {
    m_name.Set(name);
}

int TestRecord::Serialize(RecordArchive& ar) {
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_key);
    if (rc == 0) rc = ar.TransferText(m_name.text);
    if (rc == 0) rc = ar.Transfer(m_value);
    return rc;
}

int TestList::CreateDefaults() {
    for (const char* name : {"Bank Charges", "Groceries", "Rent"}) Append(new TestRecord(name, 7));
    return 0;
}
