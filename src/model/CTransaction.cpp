#include "model/CTransaction.h"

#include <algorithm>

#include "model/AmountMath.h"
#include "model/BuiltInKey.h"
#include "model/CountedText.h"
#include "resources/StringTable.h"
#include "storage/ByteReader.h"
#include "storage/RecordArchive.h"

namespace {

constexpr std::uint16_t kSplitCategoryNumber = 1;

const CSplitLine kEmptyLine{};

bool IsEmptyLine(const CSplitLine& line) {
    return line.GetAmount() == 0 && line.GetCategoryId().IsNull() && line.GetClassId().IsNull() &&
           line.GetLinkedTransactionId().IsNull() && *line.GetMemo() == '\0';
}

// The number of lines up to and including the last one that is not empty.
template <typename Lines>
std::size_t LastLineInUse(const Lines& lines) {
    const auto last = std::find_if(lines.rbegin(), lines.rend(),
                                   [](const CSplitLine& line) { return !IsEmptyLine(line); });
    return static_cast<std::size_t>(lines.rend() - last);
}

}  // namespace

RecordKey CTransaction::SplitCategoryId() {
    return BuiltInKey(kSplitCategoryNumber);
}

bool CTransaction::IsDebitType(const RecordKey& typeId) {
    return (typeId.bytes[kTypeFlagByte] & kDebitFlag) != 0;
}

bool CTransaction::TypeCarriesCheckNumber(const RecordKey& typeId) {
    return (typeId.bytes[kTypeFlagByte] & kCheckNumberFlag) != 0;
}

res::StringId CTransaction::FilterNameId(int filter) {
    return res::NthStringId(res::IDS_FILTER_ALL, filter, kFilterCount);
}

CTransaction::CTransaction() {
    m_fields.transactionId = NewRecordKey();
}

CTransaction::CTransaction(const CTransaction& source, DateTime date) : m_fields(source.m_fields) {
    m_fields.transactionId = NewRecordKey();
    m_fields.date = WithCurrentTime(date);
}

CTransaction::CTransaction(LoadTag /*loading*/) {}

std::unique_ptr<CTransaction> CTransaction::NewForLoading() {
    return std::unique_ptr<CTransaction>(new CTransaction(LoadTag{}));
}

CTransaction::~CTransaction() = default;

void CTransaction::CopyFrom(const CTransaction& other) {
    m_fields = other.m_fields;
    MarkChanged();
}

int CTransaction::Serialize(RecordArchive& ar) {
    if (ar.IsLoading()) m_fields = Fields{};
    Fields& f = m_fields;
    int rc = CCVItem::Serialize(ar);
    if (rc == 0) rc = SerializeFixedFields(ar);
    if (rc == 0) rc = TransferCountedText(ar, f.payeeName);
    if (rc == 0) rc = TransferCountedText(ar, f.memo, kMemoCapacity);
    if (rc == 0) rc = TransferCountedText(ar, f.onlineId, kOnlineIdCapacity);
    if (rc == 0) rc = ar.IsLoading() ? LoadSplitLines(ar) : SaveSplitLines(ar);
    std::uint8_t reserved[kReservedSize] = {};
    if (rc == 0) rc = ar.TransferBytes(reserved, sizeof reserved);
    if (rc != 0 && ar.IsLoading()) f.splits.clear();
    return rc;
}

int CTransaction::SaveSplitLines(RecordArchive& ar) const {
    int rc = 0;
    for (int i = 0; i < kSplitLines && rc == 0; ++i) {
        CSplitLine line = GetSplit(i);
        rc = line.Serialize(ar);
    }
    return rc;
}

int CTransaction::LoadSplitLines(RecordArchive& ar) {
    // Blank lines are passed over; the lines up to the last one in use are kept.
    std::vector<CSplitLine>& splits = m_fields.splits;
    for (int i = 0; i < kSplitLines; ++i) {
        if (CSplitLine::SkipBlank(ar)) continue;
        CSplitLine& line = SplitToChange(i);
        if (line.Serialize(ar) != 0) return 1;
        if (IsEmptyLine(line)) splits.resize(LastLineInUse(splits));
    }
    splits.shrink_to_fit();
    return 0;
}

int CTransaction::SerializeFixedFields(RecordArchive& ar) {
    Fields& f = m_fields;
    if (ar.IsLoading()) {
        const std::uint8_t* bytes = ar.Take(kFixedSize);
        if (bytes == nullptr) return 1;
        ByteReader in(bytes);
        f.transactionId = in.Key();
        f.date = in.Fixed32();
        f.amount = in.Signed64();
        f.checkNumber = in.Fixed32();
        f.categoryId = in.Key();
        f.classId = in.Key();
        f.linkedTransactionId = in.Key();
        f.typeId = in.Key();
        f.downloadedAmount = in.Signed64();
        f.stateFlags = in.Byte();
        f.sourceSplitIndex = in.Byte();
        f.currencyCode = in.Byte();
        f.onlineOrigin = in.Byte();
        f.matchedTransactionId = in.Key();
        f.payeeId = in.Key();
        return 0;
    }
    int rc = 0;
    const auto move = [&](auto& field) {
        if (rc == 0) rc = ar.Transfer(field);
    };
    move(f.transactionId);
    move(f.date);
    move(f.amount);
    move(f.checkNumber);
    move(f.categoryId);
    move(f.classId);
    move(f.linkedTransactionId);
    move(f.typeId);
    move(f.downloadedAmount);
    move(f.stateFlags);
    move(f.sourceSplitIndex);
    move(f.currencyCode);
    move(f.onlineOrigin);
    move(f.matchedTransactionId);
    move(f.payeeId);
    return rc;
}

// ---- setters ----

void CTransaction::SetTransactionId(const RecordKey& key) {
    m_fields.transactionId = key;
    MarkChanged();
}

void CTransaction::SetDate(DateTime date) {
    m_fields.date = date;
    MarkChanged();
}

void CTransaction::SetAmount(Amount amount) {
    m_fields.amount = amount;
    MarkChanged();
}

void CTransaction::SetCheckNumber(std::uint32_t number) {
    m_fields.checkNumber = number;
    MarkChanged();
}

void CTransaction::SetCategoryId(const RecordKey& key) {
    m_fields.categoryId = key;
    MarkChanged();
}

void CTransaction::SetClassId(const RecordKey& key) {
    m_fields.classId = key;
    MarkChanged();
}

void CTransaction::SetLinkedTransactionId(const RecordKey& key) {
    m_fields.linkedTransactionId = key;
    MarkChanged();
}

void CTransaction::SetTypeId(const RecordKey& key) {
    m_fields.typeId = key;
    MarkChanged();
}

void CTransaction::SetDownloadedAmount(Amount amount) {
    m_fields.downloadedAmount = amount;
    MarkChanged();
}

void CTransaction::SetSourceSplitIndex(std::uint8_t index) {
    m_fields.sourceSplitIndex = index;
    MarkChanged();
}

void CTransaction::SetCurrencyCode(std::uint8_t code) {
    m_fields.currencyCode = code;
    MarkChanged();
}

void CTransaction::SetOnlineOrigin(std::uint8_t origin) {
    m_fields.onlineOrigin = origin;
    MarkChanged();
}

void CTransaction::SetMatchedTransactionId(const RecordKey& key) {
    m_fields.matchedTransactionId = key;
    MarkChanged();
}

void CTransaction::SetPayeeId(const RecordKey& key) {
    m_fields.payeeId = key;
    MarkChanged();
}

void CTransaction::SetPayeeName(const char* name) {
    m_fields.payeeName.Set(name);
    MarkChanged();
}

void CTransaction::SetMemo(const char* memo) {
    SetBoundedText(m_fields.memo, memo, kMemoCapacity);
    MarkChanged();
}

std::string CTransaction::StoredOnlineId(const char* onlineId) {
    std::string stored;
    SetBoundedText(stored, onlineId, kOnlineIdCapacity);
    return stored;
}

void CTransaction::SetOnlineId(const char* onlineId) {
    SetBoundedText(m_fields.onlineId, onlineId, kOnlineIdCapacity);
    MarkChanged();
}

// ---- split lines ----

const CSplitLine& CTransaction::GetSplit(int line) const {
    if (!ValidLine(line) || static_cast<std::size_t>(line) >= m_fields.splits.size()) {
        return kEmptyLine;
    }
    return m_fields.splits[static_cast<std::size_t>(line)];
}

CSplitLine& CTransaction::SplitToChange(int line) {
    const auto index = static_cast<std::size_t>(line);
    if (index >= m_fields.splits.size()) m_fields.splits.resize(index + 1);
    return m_fields.splits[index];
}

void CTransaction::SetSplitLines(const SplitLines& lines) {
    const std::size_t kept = LastLineInUse(lines);
    m_fields.splits.assign(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(kept));
}

void CTransaction::SetSplits(const SplitLines& lines) {
    SetSplitLines(lines);
    MarkChanged();
}

void CTransaction::SetSplit(int line, const CSplitLine& value) {
    if (!ValidLine(line)) return;
    if (HoldsLine(line) || !IsEmptyLine(value)) SplitToChange(line) = value;
    MarkChanged();
}

void CTransaction::SetSplitLinkedTransactionId(int line, const RecordKey& key) {
    if (!ValidLine(line)) return;
    if (HoldsLine(line) || !key.IsNull()) SplitToChange(line).SetLinkedTransactionId(key);
    MarkChanged();
}

bool CTransaction::SplitLineInUse(int line) const {
    return GetSplit(line).InUse();
}

PayeeMemoryFields::SplitLine CTransaction::GetSplitLine(int line) const {
    const CSplitLine& split = GetSplit(line);
    return {split.GetCategoryId(), split.GetClassId(), split.GetAmount()};
}

void CTransaction::SetSplitLine(int line, const SplitLine& value) {
    CSplitLine split;
    split.SetCategoryId(value.categoryKey);
    split.SetClassId(value.classKey);
    split.SetAmount(value.amount);
    SetSplit(line, split);
}

// ---- state and predicates ----

void CTransaction::SetState(std::uint8_t state) {
    const auto stateBits = static_cast<std::uint8_t>((state << kStateShift) & kStateMask);
    const auto otherBits = static_cast<std::uint8_t>(m_fields.stateFlags & ~kStateMask);
    m_fields.stateFlags = static_cast<std::uint8_t>(stateBits | (otherBits & ~kReconcileMark));
    MarkChanged();
}

void CTransaction::SetReconcileMark(bool marked) {
    if (marked) {
        m_fields.stateFlags |= kReconcileMark;
    } else {
        m_fields.stateFlags &= static_cast<std::uint8_t>(~kReconcileMark);
    }
    MarkChanged();
}

bool CTransaction::IsDownloaded() const {
    return m_fields.onlineOrigin == kAwaitingReview && !m_fields.onlineId.empty();
}

bool CTransaction::IsImported() const {
    return m_fields.onlineOrigin == kAwaitingReview && m_fields.onlineId.empty();
}

bool CTransaction::IsSplitTransferTwin() const {
    return !m_fields.linkedTransactionId.IsNull() && m_fields.sourceSplitIndex != kNoSourceSplit;
}

Amount CTransaction::GetSignedAmount() const {
    return IsDebit() ? NegateAmount(m_fields.amount) : m_fields.amount;
}

Amount CTransaction::GetSplitSignedAmount(int line) const {
    const Amount amount = GetSplit(line).GetAmount();
    return IsDebit() ? NegateAmount(amount) : amount;
}

bool CTransaction::MatchesFilter(int filter) const {
    const State state = GetState();
    switch (filter) {
        case kFilterAll:
            return true;
        case kFilterReconciled:
            return state == kReconciled;
        case kFilterUnreconciled:
            return state == kUncleared || state == kCleared;
        case kFilterCleared:
            return state == kCleared || state == kReconciled;
        case kFilterUncleared:
            return state == kUncleared || state == kVoid;
        case kFilterDownloaded:
            return IsDownloaded();
        case kFilterImported:
            return IsImported();
        default:
            return false;
    }
}
