#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/CSplitLine.h"
#include "model/PayeeMemoryFields.h"
#include "resources/StringIds.h"
#include "storage/Amount.h"
#include "storage/CCVItem.h"
#include "storage/DateTime.h"
#include "storage/FixedText.h"
#include "storage/RecordKey.h"

// One entry of an account's register: a dated amount with its type, payee, category (or transfer
// target, or a split over up to ten lines), class, memo, state and online origin.
//
// The amount is a magnitude; the type gives the direction. Byte 6 of a type key is its flag byte:
// bit 7 set = money leaves the account (a debit type), bit 6 set = the type carries a check number.
// The category key is all-zero for none, the split value (00 .. 00 01) for a split whose lines
// carry the categories, an account's identifier for a transfer, or a category's key.
//
// Stored form, after the CCVItem part, little-endian (offsets from the end of that part):
//   offset  size  field
//   0       8     transactionId
//   8       4     date (DateTime)
//   12      8     amount
//   20      4     checkNumber
//   24      8     categoryId
//   32      8     classId
//   40      8     linkedTransactionId
//   48      8     typeId
//   56      8     downloadedAmount
//   64      1     stateFlags: bits 7-6 state (0 uncleared, 1 cleared, 2 reconciled, 3 void),
//                 bit 0 the reconcile mark
//   65      1     sourceSplitIndex: 0-9 for the twin of that split line elsewhere, 255 otherwise
//   66      1     currencyCode
//   67      1     onlineOrigin: 0 entered, 1 downloaded or imported and awaiting review, 2 accepted
//   68      8     matchedTransactionId
//   76      8     payeeId: the payee look-up of a downloaded transaction
//   84      ...   payeeName, memo, onlineId: each a length byte n and n bytes (capacities 32, 160
//                 and 255 characters)
//   ...     ...   10 split lines (CSplitLine)
//   ...     4     reserved, zero (read and ignored)
// A load clears the whole transaction first; a read that runs out ends it with 1, and the list
// then keeps no half-read transaction.
class CTransaction : public CCVItem, public PayeeMemoryFields {
  public:
    static constexpr std::size_t kFixedSize = 84;
    static constexpr std::size_t kReservedSize = 4;
    static constexpr std::size_t kPayeeCapacity = 32;
    static constexpr std::size_t kMemoCapacity = 160;
    static constexpr std::size_t kOnlineIdCapacity = 255;
    static constexpr std::uint8_t kNoSourceSplit = 255;

    enum State : std::uint8_t { kUncleared = 0, kCleared = 1, kReconciled = 2, kVoid = 3 };
    enum Origin : std::uint8_t { kEntered = 0, kAwaitingReview = 1, kAccepted = 2 };
    // The register filters, in the order of the register's filter list.
    enum Filter : int {
        kFilterAll = 0,
        kFilterReconciled = 1,
        kFilterUnreconciled = 2,
        kFilterCleared = 3,
        kFilterUncleared = 4,
        kFilterDownloaded = 5,
        kFilterImported = 6,
        kFilterCount = 7,
    };

    // Flag bits of byte 6 of a type key.
    static constexpr std::size_t kTypeFlagByte = 6;
    static constexpr std::uint8_t kDebitFlag = 0x80;
    static constexpr std::uint8_t kCheckNumberFlag = 0x40;

    static RecordKey SplitCategoryId();
    static bool IsDebitType(const RecordKey& typeId);
    static bool TypeCarriesCheckNumber(const RecordKey& typeId);
    // The name the register's filter list shows; IDS_NONE outside 0-6.
    static res::StringId FilterNameId(int filter);

    // A new transaction: every field zero or empty, no source split line, a fresh identifier.
    CTransaction();
    // A copy of every field and split line of `source` with a fresh identifier, dated on the
    // calendar day of `date` at the current time of day (entering a scheduled transaction). The
    // record part is that of a new record.
    CTransaction(const CTransaction& source, DateTime date);
    // A transaction about to be read from a file: every field zero or empty and no identifier
    // drawn, since the stored one replaces it.
    static std::unique_ptr<CTransaction> NewForLoading();
    CTransaction(const CTransaction&) = default;
    CTransaction& operator=(const CTransaction&) = default;
    ~CTransaction() override;

    const char* GetName() const override { return m_fields.payeeName.c_str(); }
    const RecordKey* GetKey() const override { return &m_fields.transactionId; }
    int Serialize(RecordArchive& ar) override;
    // Moves the kFixedSize bytes from transactionId to payeeId (offsets 0-83 above) in the
    // archive's direction; a scheduled transaction's block starts with them. 0, or 1 when the
    // archive runs out.
    int SerializeFixedFields(RecordArchive& ar);

    // Takes every field of `other`, its identifier included; split memos are duplicated. Marks
    // this record modified and changed.
    void CopyFrom(const CTransaction& other);

    // ---- fields; every setter marks the record modified and changed ----
    const RecordKey& GetTransactionId() const { return m_fields.transactionId; }
    void SetTransactionId(const RecordKey& key);
    DateTime GetDate() const { return m_fields.date; }
    void SetDate(DateTime date);
    Amount GetAmount() const override { return m_fields.amount; }
    void SetAmount(Amount amount) override;
    std::uint32_t GetCheckNumber() const { return m_fields.checkNumber; }
    void SetCheckNumber(std::uint32_t number);
    RecordKey GetCategoryId() const override { return m_fields.categoryId; }
    void SetCategoryId(const RecordKey& key) override;
    RecordKey GetClassId() const override { return m_fields.classId; }
    void SetClassId(const RecordKey& key) override;
    const RecordKey& GetLinkedTransactionId() const { return m_fields.linkedTransactionId; }
    void SetLinkedTransactionId(const RecordKey& key);
    RecordKey GetTypeId() const override { return m_fields.typeId; }
    void SetTypeId(const RecordKey& key) override;
    Amount GetDownloadedAmount() const { return m_fields.downloadedAmount; }
    void SetDownloadedAmount(Amount amount);
    std::uint8_t GetStateFlags() const { return m_fields.stateFlags; }
    std::uint8_t GetSourceSplitIndex() const { return m_fields.sourceSplitIndex; }
    void SetSourceSplitIndex(std::uint8_t index);
    std::uint8_t GetCurrencyCode() const { return m_fields.currencyCode; }
    void SetCurrencyCode(std::uint8_t code);
    std::uint8_t GetOnlineOrigin() const { return m_fields.onlineOrigin; }
    void SetOnlineOrigin(std::uint8_t origin);
    const RecordKey& GetMatchedTransactionId() const { return m_fields.matchedTransactionId; }
    void SetMatchedTransactionId(const RecordKey& key);
    const RecordKey& GetPayeeId() const { return m_fields.payeeId; }
    void SetPayeeId(const RecordKey& key);
    const char* GetPayeeName() const override { return m_fields.payeeName.c_str(); }
    void SetPayeeName(const char* name);
    const char* GetMemo() const override { return m_fields.memo.c_str(); }
    void SetMemo(const char* memo) override;
    const char* GetOnlineId() const { return m_fields.onlineId.c_str(); }
    void SetOnlineId(const char* onlineId);
    // A bank's identifier as a transaction keeps it: cut to kOnlineIdCapacity bytes.
    static std::string StoredOnlineId(const char* onlineId);

    // ---- split lines (0 to kSplitLines - 1; other indexes read as an empty line and change
    // nothing). Most transactions are not split: their lines take no memory until one is set.
    using SplitLines = std::array<CSplitLine, kSplitLines>;
    const CSplitLine& GetSplit(int line) const;
    // Replaces all ten lines (memos duplicated, an empty memo left absent).
    void SetSplits(const SplitLines& lines);
    void SetSplit(int line, const CSplitLine& value);
    void SetSplitLinkedTransactionId(int line, const RecordKey& key);
    bool SplitLineInUse(int line) const;
    // The payee's view of a line: category, class and amount.
    SplitLine GetSplitLine(int line) const override;
    // Sets the line's category, class and amount and clears its link and memo.
    void SetSplitLine(int line, const SplitLine& value) override;

    // ---- state ----
    State GetState() const { return static_cast<State>(m_fields.stateFlags >> kStateShift); }
    // Sets the state and clears the reconcile mark.
    void SetState(std::uint8_t state);
    void SetReconciled() { SetState(kReconciled); }
    bool IsReconciled() const { return GetState() == kReconciled; }
    bool IsCleared() const { return GetState() == kCleared || GetState() == kReconciled; }
    bool IsVoid() const { return GetState() == kVoid; }
    void SetReconcileMark(bool marked);
    bool GetReconcileMark() const { return (m_fields.stateFlags & kReconcileMark) != 0; }

    // ---- predicates ----
    // Awaiting review with the bank's identifier (downloaded) or without one (imported).
    bool IsDownloaded() const;
    bool IsImported() const;
    bool IsSplit() const { return m_fields.categoryId == SplitCategoryId(); }
    bool IsSplitTransferTwin() const;
    bool IsDebit() const { return IsDebitType(m_fields.typeId); }
    bool CarriesCheckNumber() const { return TypeCarriesCheckNumber(m_fields.typeId); }
    // The amount with its direction: negated for a debit type.
    Amount GetSignedAmount() const;
    Amount GetSplitSignedAmount(int line) const;
    // The register filter test (Filter); an unknown filter passes nothing.
    bool MatchesFilter(int filter) const;

  private:
    static constexpr int kStateShift = 6;
    static constexpr std::uint8_t kStateMask = 0xC0;
    static constexpr std::uint8_t kReconcileMark = 0x01;

    // Members are ordered by alignment, not as stored, so that no padding falls between them:
    // a register holds tens of thousands of transactions.
    struct Fields {
        Amount amount = 0;
        Amount downloadedAmount = 0;
        DateTime date = 0;
        std::uint32_t checkNumber = 0;
        RecordKey transactionId;
        RecordKey categoryId;
        RecordKey classId;
        RecordKey linkedTransactionId;
        RecordKey typeId;
        RecordKey matchedTransactionId;
        RecordKey payeeId;
        std::uint8_t stateFlags = 0;
        std::uint8_t sourceSplitIndex = kNoSourceSplit;
        std::uint8_t currencyCode = 0;
        std::uint8_t onlineOrigin = kEntered;
        // What a find reads stands together: the state above, payee, lines and memo.
        FixedText<kPayeeCapacity + 1> payeeName;
        std::vector<CSplitLine> splits;  // the lines up to the last one set; the rest are empty
        // The memo and the bank's identifier are mostly short or empty: held at their length,
        // not at their capacity, since a register holds tens of thousands of transactions.
        std::string memo;
        std::string onlineId;
    };

    struct LoadTag {};
    explicit CTransaction(LoadTag loading);
    // The ten stored split lines in each direction; 0, or 1 when the archive runs out.
    int SaveSplitLines(RecordArchive& ar) const;
    int LoadSplitLines(RecordArchive& ar);
    static bool ValidLine(int line) { return line >= 0 && line < kSplitLines; }
    bool HoldsLine(int line) const {
        return static_cast<std::size_t>(line) < m_fields.splits.size();
    }
    // The line to change, made first (with the lines before it) when it is not held.
    CSplitLine& SplitToChange(int line);
    // Keeps the lines up to the last one in use, or no memory at all when every line is empty.
    void SetSplitLines(const SplitLines& lines);
    void MarkChanged() {
        m_flags |= kModified | kChanged;
        MarkUnsaved();
    }

    Fields m_fields;
};
