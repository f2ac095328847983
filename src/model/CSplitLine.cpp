#include "model/CSplitLine.h"

#include <cstring>

#include "model/CountedText.h"
#include "storage/ByteReader.h"
#include "storage/RecordArchive.h"

void CSplitLine::SetMemo(const char* memo) {
    SetBoundedText(m_memo, memo, kMemoCapacity);
}

bool CSplitLine::SkipBlank(RecordArchive& ar) {
    static constexpr std::uint8_t kBlank[kFixedSize + 1] = {};
    const std::uint8_t* bytes = ar.Peek(sizeof kBlank);
    if (bytes == nullptr || std::memcmp(bytes, kBlank, sizeof kBlank) != 0) return false;
    ar.Take(sizeof kBlank);
    return true;
}

int CSplitLine::SerializeFixedFields(RecordArchive& ar) {
    if (ar.IsLoading()) {
        const std::uint8_t* bytes = ar.Take(kFixedSize);
        if (bytes == nullptr) return 1;
        ByteReader in(bytes);
        m_categoryId = in.Key();
        m_classId = in.Key();
        m_amount = in.Signed64();
        m_linkedTransactionId = in.Key();
        return 0;
    }
    int rc = ar.Transfer(m_categoryId);
    if (rc == 0) rc = ar.Transfer(m_classId);
    if (rc == 0) rc = ar.Transfer(m_amount);
    if (rc == 0) rc = ar.Transfer(m_linkedTransactionId);
    return rc;
}

int CSplitLine::Serialize(RecordArchive& ar) {
    int rc = SerializeFixedFields(ar);
    if (rc == 0) rc = TransferCountedText(ar, m_memo, kMemoCapacity);
    return rc;
}
