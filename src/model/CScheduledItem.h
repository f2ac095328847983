#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/CTransaction.h"
#include "model/PayeeMemoryFields.h"
#include "model/ScheduleDates.h"
#include "resources/StringIds.h"
#include "storage/CCVItem.h"
#include "storage/DateTime.h"
#include "storage/RecordKey.h"

// A scheduled transaction: a template transaction, the account it is entered into, and when it
// repeats (the next date, the frequency, how many occurrences remain, and whether a reminder
// falls due some days ahead).
//
// Stored form: the CCVItem part, one block of kBlockSize bytes, then 4 reserved bytes (written as
// zero, read and ignored). The block, little-endian, texts zero-terminated and zero-filled:
//   offset  size  field
//   0       84    the template's fixed fields, as the first 84 bytes of a transaction record
//   84      34    the template's payee name
//   118     161   the template's memo
//   279     256   the template's online id
//   535     1     reserved (kept)
//   536     1940  ten split lines of 194 bytes: categoryId 8, classId 8, amount 8,
//                 linkedTransactionId 8, memo in a 162-byte field (at most 161 characters)
//   2476    40    reserved (kept)
//   2516    8     accountId
//   2524    4     nextDate (kScheduleEnded once the series has ended)
//   2528    1     frequency (ScheduleFrequency)
//   2529    1     reserved (kept)
//   2530    2     remainingCount (kIndefinitely = no end)
//   2532    1     enterMode (EnterMode)
//   2533    1     daysInAdvance
//   2534    8     reserved (kept)
//   2542    8     two reserved 32-bit values (kept)
// A block that cannot be read whole leaves the item unchanged and the load answers 1. Texts longer
// than the template holds are cut on loading; split memos longer than 161 characters on saving.
class CScheduledItem : public CCVItem, public PayeeMemoryFields {
  public:
    static constexpr std::size_t kBlockSize = 2550;
    static constexpr std::size_t kReservedSize = 4;
    static constexpr std::size_t kStoredSize = CCVItem::kStoredSize + kBlockSize + kReservedSize;
    static constexpr std::uint16_t kIndefinitely = 65535;

    enum EnterMode : std::uint8_t {
        kManually = 0,
        kAutomatically = 1,  // stored and kept; nothing enters an occurrence without the user
        kRemindMe = 2,
        kEnterModeCount = 3,
    };

    // The name in the "Enter :" list; IDS_NONE outside 0-2.
    static res::StringId EnterModeNameId(int mode);

    // A new scheduled transaction: every field zero (next date 0, "Once", no occurrence left,
    // "Manually") and a template with a fresh identifier.
    CScheduledItem() = default;
    CScheduledItem(const CScheduledItem&) = default;
    CScheduledItem& operator=(const CScheduledItem&) = default;
    ~CScheduledItem() override;

    const char* GetName() const override { return m_template.GetPayeeName(); }
    // The template's identifier.
    const RecordKey* GetKey() const override { return &m_template.GetTransactionId(); }
    int Serialize(RecordArchive& ar) override;

    // The transaction entered at each occurrence. Its date plays no part in the schedule.
    CTransaction& Template() { return m_template; }
    const CTransaction& Template() const { return m_template; }
    // Sets the template's state and keeps its reconcile mark.
    void SetTemplateState(std::uint8_t state);

    // ---- the schedule; setters mark the item modified ----
    const RecordKey& GetAccountId() const { return m_accountId; }
    void SetAccountId(const RecordKey& accountId);
    DateTime GetNextDate() const { return m_nextDate; }
    void SetNextDate(DateTime date);
    std::uint8_t GetFrequency() const { return m_frequency; }
    void SetFrequency(std::uint8_t frequency);
    std::uint16_t GetRemainingCount() const { return m_remainingCount; }
    void SetRemainingCount(std::uint16_t count);
    std::uint8_t GetEnterMode() const { return m_enterMode; }
    void SetEnterMode(std::uint8_t mode);
    std::uint8_t GetDaysInAdvance() const { return m_daysInAdvance; }
    void SetDaysInAdvance(std::uint8_t days);

    bool HasEnded() const { return m_nextDate == kScheduleEnded; }

    // Moves to the next occurrence (anchored on the current next date). A counted series counts
    // one down and ends when no occurrence is left; "Indefinitely" never counts down; "Once" ends.
    // A series that has ended stays so.
    void Advance();

    // Whether occurrence n (from 1) falls on or before the horizon; when it does, `runningDate`
    // (0 = start at the next date) moves to the occurrence after it, anchored on the next date.
    // Never true beyond the remaining count or for a series that has ended.
    bool OccursBy(DateTime& runningDate, DateTime horizon, std::uint32_t n) const;

    // For "Remind me": the next date less the days in advance. A reminder that would fall before
    // the first representable moment falls on it (1), since 0 means "no reminder".
    DateTime GetReminderTime() const;

    // ---- PayeeMemoryFields: a payee remembers and pre-fills the template ----
    const char* GetPayeeName() const override { return m_template.GetPayeeName(); }
    Amount GetAmount() const override { return m_template.GetAmount(); }
    RecordKey GetTypeId() const override { return m_template.GetTypeId(); }
    RecordKey GetCategoryId() const override { return m_template.GetCategoryId(); }
    RecordKey GetClassId() const override { return m_template.GetClassId(); }
    const char* GetMemo() const override { return m_template.GetMemo(); }
    SplitLine GetSplitLine(int line) const override { return m_template.GetSplitLine(line); }
    void SetAmount(Amount amount) override;
    void SetTypeId(const RecordKey& key) override;
    void SetCategoryId(const RecordKey& key) override;
    void SetClassId(const RecordKey& key) override;
    void SetMemo(const char* memo) override;
    void SetSplitLine(int line, const SplitLine& value) override;

  private:
    static constexpr std::size_t kPayeeFieldSize = 34;
    static constexpr std::size_t kMemoFieldSize = 161;
    static constexpr std::size_t kOnlineIdFieldSize = 256;
    static constexpr std::size_t kSplitMemoFieldSize = 162;
    static constexpr std::size_t kReservedBlockSize = 40;
    static constexpr std::size_t kReservedTailSize = 8;

    // The reserved bytes of the block, read and written back unchanged.
    struct Reserved {
        std::uint8_t afterTexts = 0;
        std::array<std::uint8_t, kReservedBlockSize> afterSplits{};
        std::uint8_t afterFrequency = 0;
        std::array<std::uint8_t, kReservedTailSize> afterDays{};
        std::uint32_t first = 0;
        std::uint32_t second = 0;
    };

    int SerializeBlock(RecordArchive& ar);
    int SerializeTexts(RecordArchive& ar);
    int SerializeSplits(RecordArchive& ar);

    CTransaction m_template;
    RecordKey m_accountId;
    DateTime m_nextDate = 0;
    std::uint8_t m_frequency = kFrequencyOnce;
    std::uint16_t m_remainingCount = 0;
    std::uint8_t m_enterMode = kManually;
    std::uint8_t m_daysInAdvance = 0;
    Reserved m_reserved;
};
