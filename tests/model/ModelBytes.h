#pragma once

// Expected stored bytes, written out field by field as the file layouts give them, so that tests
// compare what the model writes with bytes that were not produced by the model.
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "model/EditOutcome.h"
#include "storage/CCVItemList.h"

// Readable outcomes in test failures.
inline void PrintTo(const EditOutcome& outcome, std::ostream* os) {
    *os << "{result " << outcome.result << ", message " << outcome.message << "}";
}

namespace model_bytes {

using Bytes = std::vector<std::uint8_t>;

Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Zeros(std::size_t n);
Bytes Le16(std::uint16_t value);
Bytes Le32(std::uint32_t value);
Bytes Le64(std::uint64_t value);
// A zero-filled text field of `size` bytes.
Bytes Text(const std::string& text, std::size_t size);
// A fixed key: bytes 0-5 zero, then bytes 6 and 7.
Bytes Key(std::uint8_t byte6, std::uint8_t byte7);
// The record base: recordNumber 0 and the flags.
Bytes ItemPart(std::uint8_t flags = 0);
// A list file: count, header word, version, name length and name, then the records separated by
// 01 80 (just the two count bytes for no record).
Bytes ListFile(std::uint16_t version, const std::string& listName,
               const std::vector<Bytes>& records);

// Cuts the file at `path` at every length and loads each cut into a fresh list made by `make`:
// the load must report damage and keep exactly the records stored whole before the cut
// (`recordSize` bytes each; the last `trailerSize` bytes of the file are the list's trailer).
// `check` then looks at each loaded list.
void ExpectTruncationKeepsWholeRecords(
    const std::string& path, std::size_t recordSize, std::size_t trailerSize,
    const std::function<std::unique_ptr<CCVItemList>()>& make,
    const std::function<void(const CCVItemList&, std::size_t cut)>& check = {});

}  // namespace model_bytes
