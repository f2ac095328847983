#include "model/CCVAccountFile.h"

#include <algorithm>
#include <memory>

#include "model/CCVAccount.h"
#include "storage/CBlowfish.h"
#include "storage/RecordArchive.h"

namespace {

constexpr int kReservedWordBefore = 0;
constexpr int kReservedWordsAfter[] = {1, 2};
constexpr int kReservedLongCopies = 3;
// Fields 1-10: reserved word, record, two reserved words, the reserved long three times, row
// colour, sort column, sort ascending.
constexpr std::size_t kFixedFieldsSize =
    2 + CCVAccountRecord::kSize + 2 + 2 + 4 * kReservedLongCopies + 4 + 2 + 1;

void Encipher(CCVAccountRecord& record, const CBlowfish* cipher) {
    if (cipher == nullptr) return;
    cipher->EncipherBuffer(record.Data() + CCVAccountRecord::kProtectedOffset,
                           CCVAccountRecord::kProtectedSize);
}

void Decipher(CCVAccountRecord& record, const CBlowfish* cipher) {
    if (cipher == nullptr) return;
    cipher->DecipherBuffer(record.Data() + CCVAccountRecord::kProtectedOffset,
                           CCVAccountRecord::kProtectedSize);
}

// The fixed fields 1-10 in the archive's direction. While loading, each field is taken only
// when it was read whole. 0, or 1 when any field could not be moved.
int TransferFixedFields(RecordArchive& ar, CCVAccount& account, const CBlowfish* cipher) {
    int failures = 0;
    const auto word = [&](int index) {
        std::uint16_t value = account.GetReservedWord(index);
        if (ar.Transfer(value) == 0) {
            account.SetReservedWord(index, value);
        } else {
            ++failures;
        }
    };

    word(kReservedWordBefore);
    CCVAccountRecord record = account.Record();
    if (!ar.IsLoading()) Encipher(record, cipher);
    if (record.Serialize(ar) == 0) {
        if (ar.IsLoading()) {
            Decipher(record, cipher);
            account.Record() = record;
        }
    } else {
        ++failures;
    }
    for (const int index : kReservedWordsAfter) word(index);
    for (int copy = 0; copy < kReservedLongCopies; ++copy) {
        std::uint32_t value = account.GetReservedLong();
        if (ar.Transfer(value) == 0) {
            account.SetReservedLong(value);
        } else {
            ++failures;
        }
    }
    std::uint32_t rowColor = account.GetOwnRowColor();
    std::uint16_t sortColumn = account.GetSortColumn();
    std::uint8_t sortAscending = account.GetSortAscending() ? 1 : 0;
    if (ar.Transfer(rowColor) == 0) {
        account.SetOwnRowColor(rowColor);
    } else {
        ++failures;
    }
    if (ar.Transfer(sortColumn) == 0) {
        account.SetSortColumn(sortColumn);
    } else {
        ++failures;
    }
    if (ar.Transfer(sortAscending) == 0) {
        account.SetSortAscending(sortAscending != 0);
    } else {
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}

int SaveDeleted(RecordArchive& ar, CCVAccount& account) {
    CCVTxnList& deleted = account.DeletedTransactions();
    if (account.Transactions().Count(true) == 0) return deleted.Serialize(ar);
    const auto count = static_cast<std::uint16_t>(
        std::min<std::uint32_t>(deleted.Count(true), CCVAccountFile::kMaxSeparatedDeleted));
    std::uint16_t stored = count;
    int rc = ar.Transfer(stored);
    for (std::uint16_t i = 0; i < count && rc == 0; ++i) {
        rc = ar.WriteBytes(CCVItemList::kSeparator, sizeof CCVItemList::kSeparator);
        if (rc == 0) rc = deleted.GetAtAny(i)->Serialize(ar);
    }
    return rc;
}

int LoadDeleted(RecordArchive& ar, CCVAccount& account) {
    CCVTxnList& deleted = account.DeletedTransactions();
    if (account.Transactions().Count(true) == 0) return deleted.Serialize(ar);
    std::uint16_t count = 0;
    if (ar.Transfer(count) != 0) return 1;
    for (std::uint16_t i = 0; i < count; ++i) {
        std::uint8_t separator[sizeof CCVItemList::kSeparator];
        auto transaction = CTransaction::NewForLoading();
        if (ar.ReadBytes(separator, sizeof separator) != 0 || transaction->Serialize(ar) != 0) {
            return 1;
        }
        deleted.Append(transaction.release());
    }
    return 0;
}

int SaveThrough(RecordArchive& ar, CCVAccount& account, const CBlowfish* cipher) {
    if (ar.Open() != 0) return 1;
    int rc = TransferFixedFields(ar, account, cipher);
    if (rc == 0) rc = account.Transactions().Serialize(ar);
    if (rc == 0) rc = SaveDeleted(ar, account);
    const int closeRc = ar.Close();
    return (rc != 0 || closeRc != 0) ? 1 : 0;
}

// Whether the register begins as a list of transactions does: no records, or the list header
// with the transaction list's name. Bytes of anything else (garbage, another kind of file) do
// not.
bool RegisterHeaderFits(const RecordArchive& ar) {
    std::uint16_t count = 0;
    if (!ar.PeekFixed16(count)) return false;
    if (count == 0) return true;
    const std::string name = CCVTxnList::kListName;
    constexpr std::size_t kHeaderBeforeName = 2 + 2 + 2 + 2;  // count, 0xFFFF, version, length
    const std::uint8_t* header = ar.Peek(kHeaderBeforeName + name.size());
    if (header == nullptr) return false;
    const std::uint16_t word = static_cast<std::uint16_t>(header[2] | header[3] << 8);
    const std::uint16_t length = static_cast<std::uint16_t>(header[6] | header[7] << 8);
    return word == CCVItemList::kHeaderWord && length == name.size() &&
           name.compare(0, name.size(), reinterpret_cast<const char*>(header) + kHeaderBeforeName,
                        name.size()) == 0;
}

}  // namespace

int CCVAccountFile::Save(CCVAccount& account, const std::string& path, const CBlowfish* cipher) {
    RecordArchive ar(path, RecordArchive::kSave);
    return SaveThrough(ar, account, cipher);
}

int CCVAccountFile::SaveToBytes(CCVAccount& account, std::vector<std::uint8_t>& bytes,
                                const CBlowfish* cipher) {
    RecordArchive ar(bytes);
    return SaveThrough(ar, account, cipher);
}

CCVAccountFile::LoadResult CCVAccountFile::Load(CCVAccount& account, const std::string& path,
                                                const CBlowfish* cipher) {
    RecordArchive ar(path, RecordArchive::kLoad);
    if (ar.Open() != 0) return LoadResult::kUnreadable;
    // An account is known by its record: a file too short for the fixed fields, or whose
    // register does not start as one, holds no account (a zero-length or garbage file) and
    // must never be taken for a new one.
    if (ar.Remaining() < kFixedFieldsSize) return LoadResult::kNotAnAccount;
    ar.Seek(kFixedFieldsSize);
    const bool fits = RegisterHeaderFits(ar);
    ar.Seek(0);
    if (!fits) return LoadResult::kNotAnAccount;
    bool damaged = TransferFixedFields(ar, account, cipher) != 0;
    damaged = account.Transactions().Serialize(ar) != 0 || damaged;
    // After a damaged register the deleted transactions cannot be found.
    damaged = damaged || LoadDeleted(ar, account) != 0;
    ar.Close();
    return damaged ? LoadResult::kDamaged : LoadResult::kWhole;
}
