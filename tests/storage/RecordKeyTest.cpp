#include "storage/RecordKey.h"

#include <gtest/gtest.h>

#include <set>

#include "storage/Coding.h"

namespace {

TEST(RecordKey, KeysOfARunShareTheRunValueAndCount) {
    const RecordKey a = NewRecordKey();
    const RecordKey b = NewRecordKey();
    EXPECT_FALSE(a.IsNull());
    EXPECT_NE(a, b);
    EXPECT_EQ(coding::DecodeFixed16(&a.bytes[0]), coding::DecodeFixed16(&b.bytes[0]));
    EXPECT_NE(coding::DecodeFixed16(&a.bytes[0]), 0);
    EXPECT_EQ(static_cast<std::uint16_t>(coding::DecodeFixed16(&a.bytes[2]) + 1),
              coding::DecodeFixed16(&b.bytes[2]));
}

TEST(RecordKey, CounterKeepsAFullCycleOfKeysDistinct) {
    std::set<RecordKey> keys;
    for (int i = 0; i < 65536; ++i) keys.insert(NewRecordKey());
    EXPECT_EQ(keys.size(), 65536u);
}

TEST(RecordKey, ComparesBytewise) {
    RecordKey low;
    RecordKey high;
    EXPECT_TRUE(low.IsNull());
    high.bytes[0] = 1;
    low.bytes[7] = 0xFF;
    EXPECT_LT(low, high);
    EXPECT_EQ(low, low);
}

}  // namespace
