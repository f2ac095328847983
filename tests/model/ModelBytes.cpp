#include "ModelBytes.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace model_bytes {

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Zeros(std::size_t n) {
    return Bytes(n, 0);
}

Bytes Le16(std::uint16_t value) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
}

Bytes Le32(std::uint32_t value) {
    Bytes b;
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return b;
}

Bytes Le64(std::uint64_t value) {
    Bytes b;
    for (int i = 0; i < 8; ++i) b.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return b;
}

Bytes Text(const std::string& text, std::size_t size) {
    Bytes b(size, 0);
    for (std::size_t i = 0; i < text.size() && i + 1 < size; ++i) {
        b[i] = static_cast<std::uint8_t>(text[i]);
    }
    return b;
}

Bytes Key(std::uint8_t byte6, std::uint8_t byte7) {
    return {0, 0, 0, 0, 0, 0, byte6, byte7};
}

Bytes ItemPart(std::uint8_t flags) {
    return {0, 0, 0, 0, flags};
}

Bytes ListFile(std::uint16_t version, const std::string& listName,
               const std::vector<Bytes>& records) {
    Bytes file = Le16(static_cast<std::uint16_t>(records.size()));
    if (records.empty()) return file;
    file = Concat({file,
                   {0xFF, 0xFF},
                   Le16(version),
                   Le16(static_cast<std::uint16_t>(listName.size())),
                   Bytes(listName.begin(), listName.end())});
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) file = Concat({file, {0x01, 0x80}});
        file = Concat({file, records[i]});
    }
    return file;
}

void ExpectTruncationKeepsWholeRecords(
    const std::string& path, std::size_t recordSize, std::size_t trailerSize,
    const std::function<std::unique_ptr<CCVItemList>()>& make,
    const std::function<void(const CCVItemList&, std::size_t cut)>& check) {
    const Bytes full = testing_support::ReadBytes(path);
    std::unique_ptr<CCVItemList> whole = make();
    ASSERT_EQ(whole->LoadFile(path), 0);
    const std::size_t records = whole->Count(true);
    const std::size_t headerSize =
        full.size() - trailerSize - records * recordSize - (records > 0 ? (records - 1) * 2 : 0);
    const std::string cutPath = path + ".cut";
    for (std::size_t cut = 0; cut < full.size(); ++cut) {
        testing_support::WriteBytes(cutPath,
                                    Bytes(full.begin(), full.begin() + static_cast<long>(cut)));
        std::unique_ptr<CCVItemList> list = make();
        EXPECT_EQ(list->LoadFile(cutPath), 1) << "cut at " << cut;
        std::size_t expected = 0;
        if (records > 0 && cut >= headerSize + recordSize) {
            expected = std::min(records, 1 + (cut - headerSize - recordSize) / (recordSize + 2));
        }
        EXPECT_EQ(list->Count(true), expected) << "cut at " << cut;
        if (check) check(*list, cut);
    }
}

}  // namespace model_bytes
