// Byte streams: the read rules of a memory stream, the write rules with a growing block, and a
// read-only stream that never writes into its caller's bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "storage/ReadOnlyMemoryStream.h"
#include "storage/SmallStream.h"

namespace {

// A writable memory stream growing its block by a fixed step, and counting its Grow calls.
class GrowingStream : public SmallStream {
  public:
    static constexpr std::uint32_t kStep = 8;
    explicit GrowingStream(std::uint32_t limit) : m_limit(limit) {}

    bool ExtraOperation() override { return false; }
    bool Grow(std::uint64_t requestedEnd, std::uint32_t /*count*/) override {
        ++m_grows;
        const std::uint64_t wanted = requestedEnd == 0 ? m_capacity + kStep : requestedEnd + kStep;
        if (wanted > m_limit) return false;
        m_block.resize(wanted);
        m_buffer = m_block.data();
        m_capacity = static_cast<std::uint32_t>(wanted);
        return true;
    }
    std::string Text() const { return std::string(m_block.begin(), m_block.begin() + m_length); }
    int Grows() const { return m_grows; }

  private:
    std::vector<std::uint8_t> m_block;
    std::uint64_t m_limit;
    int m_grows = 0;
};

TEST(Stream, SeeksReadsPeeksAndHandsOutTheRest) {
    const char text[] = "abcdef";
    ReadOnlyMemoryStream s(text, 6);
    EXPECT_TRUE(s.Seek(6));  // exactly the end
    EXPECT_FALSE(s.Seek(7));
    EXPECT_EQ(s.Tell(), 6u);
    EXPECT_TRUE(s.Seek(0));
    std::uint8_t b = 0;
    EXPECT_TRUE(s.PeekByte(b) && b == 'a');
    EXPECT_TRUE(s.PeekByte(b) && b == 'a');
    EXPECT_TRUE(s.ReadByte(b) && b == 'a');
    EXPECT_EQ(s.Tell(), 1u);

    const std::uint8_t* data = nullptr;
    std::uint32_t count = 0;
    EXPECT_TRUE(s.ReadBuffer(data, count));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data), count), "bcdef");
    // Exhausted: nothing more, and the position stays at the end.
    EXPECT_FALSE(s.ReadBuffer(data, count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(s.Tell(), 6u);
    EXPECT_FALSE(s.ReadByte(b));
}

TEST(Stream, EmptyStreamAnswersFalseToEveryRead) {
    const std::string empty;
    ReadOnlyMemoryStream s(empty.data(), 0);
    ReadOnlyMemoryStream none(nullptr, 5);  // no block: empty, whatever the count
    for (ReadOnlyMemoryStream* stream : {&s, &none}) {
        std::uint8_t b = 0;
        const std::uint8_t* data = nullptr;
        std::uint32_t count = 1;
        EXPECT_EQ(stream->Size(), 0u);
        EXPECT_FALSE(stream->ReadByte(b));
        EXPECT_FALSE(stream->PeekByte(b));
        EXPECT_FALSE(stream->ReadBuffer(data, count));
        EXPECT_EQ(count, 0u);
    }
}

TEST(Stream, ReadOnlyStreamNeverWritesIntoItsCallersBytes) {
    char text[] = "0123456789";
    ReadOnlyMemoryStream s(text, 10);
    EXPECT_FALSE(s.Write("abcdefghij", 10));  // reaches the end
    EXPECT_FALSE(s.Write("ab", 2));           // would fit, but the bytes are the caller's
    EXPECT_STREQ(text, "0123456789");
    EXPECT_EQ(s.Tell(), 0u);
    EXPECT_EQ(s.Size(), 10u);

    std::uint8_t* room = nullptr;
    std::uint32_t count = 99;
    EXPECT_TRUE(s.WriteBuffer(room, count));
    EXPECT_EQ(count, 0u);
    s.Seek(10);
    EXPECT_TRUE(s.WriteBuffer(room, count));
    EXPECT_EQ(count, 0u);
    // Committing bytes that were never handed out would move the length past the block.
    s.Seek(4);
    EXPECT_FALSE(s.Commit(7));
    EXPECT_TRUE(s.Commit(0));
    EXPECT_EQ(s.Size(), 10u);
    EXPECT_EQ(s.Tell(), 4u);
    EXPECT_FALSE(s.ExtraOperation());
    EXPECT_FALSE(s.Grow(20, 10));
}

TEST(Stream, WriteGrowsWhenTheEndIsReachedAndKeepsTheLength) {
    GrowingStream s(64);
    EXPECT_TRUE(s.Write("hello", 5));  // 0 + 5 >= 0: grows
    EXPECT_EQ(s.Grows(), 1);
    EXPECT_EQ(s.Text(), "hello");
    EXPECT_TRUE(s.Write(" you", 4));  // 5 + 4 < 13: fits without growing
    EXPECT_EQ(s.Grows(), 1);
    EXPECT_TRUE(s.Write("!!!!", 4));  // 9 + 4 >= 13: grows although it would just fit
    EXPECT_EQ(s.Grows(), 2);
    EXPECT_EQ(s.Text(), "hello you!!!!");

    // Overwriting inside keeps the length.
    s.Seek(0);
    EXPECT_TRUE(s.Write("J", 1));
    EXPECT_EQ(s.Text(), "Jello you!!!!");
    EXPECT_EQ(s.Size(), 13u);
    EXPECT_EQ(s.Tell(), 1u);

    // A failed Grow changes nothing; a count that would wrap the 32-bit end is refused.
    std::vector<char> big(70, 'x');
    EXPECT_FALSE(s.Write(big.data(), 70));
    EXPECT_FALSE(s.Write(big.data(), std::numeric_limits<std::uint32_t>::max()));
    EXPECT_EQ(s.Text(), "Jello you!!!!");
    EXPECT_EQ(s.Tell(), 1u);
}

TEST(Stream, WriteBufferAndCommit) {
    GrowingStream s(32);
    std::uint8_t* room = nullptr;
    std::uint32_t count = 0;
    EXPECT_TRUE(s.WriteBuffer(room, count));  // at the capacity (0): grows by its own step
    ASSERT_EQ(count, GrowingStream::kStep);
    std::memcpy(room, "abc", 3);
    EXPECT_TRUE(s.Commit(3));
    EXPECT_EQ(s.Text(), "abc");
    EXPECT_EQ(s.Tell(), 3u);
    EXPECT_FALSE(s.Commit(GrowingStream::kStep));  // more than the room left
    EXPECT_EQ(s.Size(), 3u);
}

TEST(Stream, CopyStringIsBoundedAndTerminated) {
    ReadOnlyMemoryStream s(nullptr, 0);
    char small[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(s.CopyString("abcdef", small, sizeof small), small);
    EXPECT_STREQ(small, "abc");
    char whole[8];
    EXPECT_STREQ(s.CopyString("abc", whole, sizeof whole), "abc");
    EXPECT_STREQ(s.CopyString(nullptr, whole, sizeof whole), "");
}

}  // namespace
