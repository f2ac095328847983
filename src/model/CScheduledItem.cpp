#include "model/CScheduledItem.h"

#include <algorithm>
#include <cstdint>

#include "resources/StringTable.h"
#include "storage/RecordArchive.h"
#include "storage/Text.h"

namespace {

// The first representable moment after 1904-01-01 00:00:00, which reads as "no reminder".
constexpr std::int64_t kEarliestReminder = 1;

}  // namespace

CScheduledItem::~CScheduledItem() = default;

res::StringId CScheduledItem::EnterModeNameId(int mode) {
    return res::NthStringId(res::IDS_ENTER_MANUALLY, mode, kEnterModeCount);
}

// ---- stored form ----

int CScheduledItem::Serialize(RecordArchive& ar) {
    int rc = CCVItem::Serialize(ar);
    if (rc != 0) return rc;
    // Loading reads nothing of a block that is not there whole, so the item stays as it was.
    if (ar.IsLoading() && ar.Remaining() < kBlockSize) return 1;
    rc = SerializeBlock(ar);
    std::uint8_t reserved[kReservedSize] = {};
    if (rc == 0) rc = ar.TransferBytes(reserved, sizeof reserved);
    return rc;
}

int CScheduledItem::SerializeBlock(RecordArchive& ar) {
    int rc = m_template.SerializeFixedFields(ar);
    if (rc == 0) rc = SerializeTexts(ar);
    if (rc == 0) rc = ar.Transfer(m_reserved.afterTexts);
    if (rc == 0) rc = SerializeSplits(ar);
    if (rc == 0) rc = ar.TransferBytes(m_reserved.afterSplits.data(), kReservedBlockSize);
    const auto move = [&](auto& field) {
        if (rc == 0) rc = ar.Transfer(field);
    };
    move(m_accountId);
    move(m_nextDate);
    move(m_frequency);
    move(m_reserved.afterFrequency);
    move(m_remainingCount);
    move(m_enterMode);
    move(m_daysInAdvance);
    if (rc == 0) rc = ar.TransferBytes(m_reserved.afterDays.data(), kReservedTailSize);
    move(m_reserved.first);
    move(m_reserved.second);
    return rc;
}

int CScheduledItem::SerializeTexts(RecordArchive& ar) {
    char payee[kPayeeFieldSize] = {};
    char memo[kMemoFieldSize] = {};
    char onlineId[kOnlineIdFieldSize] = {};
    if (!ar.IsLoading()) {
        CopyBounded(payee, m_template.GetPayeeName(), sizeof payee);
        CopyBounded(memo, m_template.GetMemo(), sizeof memo);
        CopyBounded(onlineId, m_template.GetOnlineId(), sizeof onlineId);
    }
    int rc = ar.TransferText(payee);
    if (rc == 0) rc = ar.TransferText(memo);
    if (rc == 0) rc = ar.TransferText(onlineId);
    if (rc == 0 && ar.IsLoading()) {
        m_template.SetPayeeName(payee);
        m_template.SetMemo(memo);
        m_template.SetOnlineId(onlineId);
    }
    return rc;
}

int CScheduledItem::SerializeSplits(RecordArchive& ar) {
    CTransaction::SplitLines lines;
    int rc = 0;
    for (int i = 0; i < kSplitLines && rc == 0; ++i) {
        CSplitLine& line = lines[static_cast<std::size_t>(i)];
        char memo[kSplitMemoFieldSize] = {};
        if (!ar.IsLoading()) {
            line = m_template.GetSplit(i);
            CopyBounded(memo, line.GetMemo(), sizeof memo);
        }
        rc = line.SerializeFixedFields(ar);
        if (rc == 0) rc = ar.TransferText(memo);
        if (ar.IsLoading()) line.SetMemo(memo);
    }
    if (rc == 0 && ar.IsLoading()) m_template.SetSplits(lines);
    return rc;
}

// ---- the schedule ----

void CScheduledItem::SetTemplateState(std::uint8_t state) {
    const bool mark = m_template.GetReconcileMark();
    m_template.SetState(state);
    m_template.SetReconcileMark(mark);
    MarkModified();
}

void CScheduledItem::SetAccountId(const RecordKey& accountId) {
    m_accountId = accountId;
    MarkModified();
}

void CScheduledItem::SetNextDate(DateTime date) {
    m_nextDate = date;
    MarkModified();
}

void CScheduledItem::SetFrequency(std::uint8_t frequency) {
    m_frequency = frequency;
    MarkModified();
}

void CScheduledItem::SetRemainingCount(std::uint16_t count) {
    m_remainingCount = count;
    MarkModified();
}

void CScheduledItem::SetEnterMode(std::uint8_t mode) {
    m_enterMode = mode;
    MarkModified();
}

void CScheduledItem::SetDaysInAdvance(std::uint8_t days) {
    m_daysInAdvance = days;
    MarkModified();
}

void CScheduledItem::Advance() {
    if (HasEnded()) return;
    m_nextDate = GetNextOccurrence(m_nextDate, m_frequency, m_nextDate);
    if (m_remainingCount < kIndefinitely) {
        if (m_remainingCount > 0) --m_remainingCount;
        if (m_remainingCount == 0) m_nextDate = kScheduleEnded;
    }
    if (m_frequency == kFrequencyOnce) m_nextDate = kScheduleEnded;
    MarkModified();
}

bool CScheduledItem::OccursBy(DateTime& runningDate, DateTime horizon, std::uint32_t n) const {
    if (n > m_remainingCount) return false;
    if (runningDate == 0) runningDate = m_nextDate;
    if (runningDate == kScheduleEnded || runningDate > horizon) return false;
    runningDate = GetNextOccurrence(runningDate, m_frequency, m_nextDate);
    return true;
}

DateTime CScheduledItem::GetReminderTime() const {
    const std::int64_t time =
        std::int64_t{m_nextDate} - std::int64_t{m_daysInAdvance} * kSecondsPerDay;
    return static_cast<DateTime>(std::max(time, kEarliestReminder));
}

// ---- PayeeMemoryFields ----

void CScheduledItem::SetAmount(Amount amount) {
    m_template.SetAmount(amount);
    MarkModified();
}

void CScheduledItem::SetTypeId(const RecordKey& key) {
    m_template.SetTypeId(key);
    MarkModified();
}

void CScheduledItem::SetCategoryId(const RecordKey& key) {
    m_template.SetCategoryId(key);
    MarkModified();
}

void CScheduledItem::SetClassId(const RecordKey& key) {
    m_template.SetClassId(key);
    MarkModified();
}

void CScheduledItem::SetMemo(const char* memo) {
    m_template.SetMemo(memo);
    MarkModified();
}

void CScheduledItem::SetSplitLine(int line, const SplitLine& value) {
    m_template.SetSplitLine(line, value);
    MarkModified();
}
