#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CBlowfish;
class CCVAccount;

// The account file: one account, written whole each time it is saved (atomically) and read whole.
//
// Layout, numbers little-endian:
//   order  size   field
//   1      2      reserved word 0 of the account
//   2      360    the account record (CCVAccountRecord); with a cipher, its bytes 174-246 (the
//                 customer id and online password) are enciphered on disk
//   3      2      reserved word 1
//   4      2      reserved word 2
//   5      4      reserved 32-bit field
//   6      4      the same field again
//   7      4      the same field a third time (loading reads all three into it; the last wins)
//   8      4      row colour (COLORREF)
//   9      2      sort column
//   10     1      sort ascending
//   11     ...    the register: the list file framing with CTransaction records
//   12     ...    the deleted transactions: when the register holds at least one record, a count
//                 n (uint16), then n times the separator 01 80 and a CTransaction record (the
//                 first included); when it holds none, the list file framing
//
// The fixed fields 1-10 are read one after another; a file too short for them leaves the unread
// fields as they were. The lists stop at the first record that cannot be read.
class CCVAccountFile {
  public:
    enum class LoadResult {
        kWhole,       // read to the end of the deleted transactions
        kDamaged,     // read up to damage; what came before it is in the account
        kUnreadable,  // the file could not be opened or read; the account is unchanged
        kNotAnAccount,  // too short for the fixed fields, or no register after them (a
                        // zero-length or garbage file); the account is unchanged
    };

    // 0, or 1 when the file could not be written (an existing file is then unchanged). The
    // account is only read.
    static int Save(CCVAccount& account, const std::string& path, const CBlowfish* cipher);
    // The bytes Save would write.
    static int SaveToBytes(CCVAccount& account, std::vector<std::uint8_t>& bytes,
                           const CBlowfish* cipher);
    static LoadResult Load(CCVAccount& account, const std::string& path, const CBlowfish* cipher);

    static constexpr std::uint16_t kMaxSeparatedDeleted = 0xFFFF;
};
