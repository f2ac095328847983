#include "storage/CCVPassword.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using Crib = CCVPassword::Crib;

const Crib kNoCrib{};

// The stored crib, in memory, with a switch to make reading or writing fail.
struct CribStore {
    Crib stored{};
    bool present = false;
    bool readFails = false;
    bool writeFails = false;
    int writes = 0;

    CCVPassword MakePassword() {
        return CCVPassword(
            [this](Crib& crib) {
                if (readFails || !present) return false;
                crib = stored;
                return true;
            },
            [this](const Crib& crib) {
                if (writeFails) return 1;
                stored = crib;
                present = true;
                ++writes;
                return 0;
            });
    }
};

// The cipher the password object holds enciphers as a context keyed with `password` does.
bool HoldsCipherOf(const CCVPassword& password, const char* text) {
    if (password.Cipher() == nullptr) return false;
    std::uint8_t a[16] = "protected bytes";
    std::uint8_t b[16] = "protected bytes";
    password.Cipher()->EncipherBuffer(a, sizeof a);
    CBlowfish::Create(text)->EncipherBuffer(b, sizeof b);
    return std::memcmp(a, b, sizeof a) == 0;
}

// Stored cribs must keep matching: the crib of a known password, byte for byte.
TEST(CCVPassword, CribIsTheFixedBlockEnciphered) {
    const std::optional<Crib> crib = CCVPassword::MakeCrib("Coinvale");
    ASSERT_TRUE(crib.has_value());
    const Crib expected = {
        0xE9, 0x1F, 0x48, 0x2E, 0x44, 0xD0, 0xA0, 0x2E, 0xD4, 0x61, 0xB1, 0x38, 0xF3, 0xC3,
        0x2E, 0x38, 0xD2, 0x68, 0x5F, 0xB7, 0x48, 0x2D, 0x29, 0xA6, 0x54, 0x5F, 0x9B, 0x7A,
        0xCD, 0x9B, 0xE9, 0xAB, 0x11, 0x9F, 0x26, 0x2C, 0x66, 0x1F, 0xAB, 0x7B,
    };
    EXPECT_EQ(*crib, expected);
    EXPECT_NE(CCVPassword::MakeCrib("coinvale"), crib);
    EXPECT_FALSE(CCVPassword::MakeCrib("").has_value());
}

TEST(CCVPassword, SetCheckChangeAndRemove) {
    CribStore store;
    CCVPassword password = store.MakePassword();
    EXPECT_EQ(password.PasswordState(), CCVPassword::kNoPassword);
    // With no password set, checking never succeeds and the current text is not looked at.
    EXPECT_EQ(password.CheckPassword("anything"), CCVPassword::kWrong);
    EXPECT_EQ(password.ChangePassword("Secret1", "ignored"), CCVPassword::kRight);
    EXPECT_EQ(store.stored, CCVPassword::MakeCrib("Secret1"));
    EXPECT_EQ(password.PasswordState(), CCVPassword::kPasswordSet);
    EXPECT_TRUE(HoldsCipherOf(password, "Secret1"));

    // Checking is case-sensitive; the empty text is wrong and never keys the cipher.
    CCVPassword other = store.MakePassword();
    EXPECT_EQ(other.CheckPassword("secret1"), CCVPassword::kWrong);
    EXPECT_EQ(other.CheckPassword(""), CCVPassword::kWrong);
    EXPECT_EQ(other.Cipher(), nullptr);
    EXPECT_EQ(other.CheckPassword("Secret1"), CCVPassword::kRight);
    EXPECT_TRUE(HoldsCipherOf(other, "Secret1"));

    // A wrong current password changes nothing.
    const int writes = store.writes;
    EXPECT_EQ(password.ChangePassword("Other22", "secret1"), CCVPassword::kWrong);
    EXPECT_EQ(password.ChangePassword("Other22", ""), CCVPassword::kWrong);
    EXPECT_EQ(store.writes, writes);
    EXPECT_TRUE(HoldsCipherOf(password, "Secret1"));

    EXPECT_EQ(password.ChangePassword("Other22", "Secret1"), CCVPassword::kRight);
    EXPECT_EQ(store.stored, CCVPassword::MakeCrib("Other22"));
    EXPECT_TRUE(HoldsCipherOf(password, "Other22"));

    // The empty new password removes it: 40 zero bytes are stored and the cipher is emptied.
    EXPECT_EQ(password.ChangePassword("", "Other22"), CCVPassword::kRight);
    EXPECT_TRUE(store.present);
    EXPECT_EQ(store.stored, kNoCrib);
    EXPECT_EQ(password.PasswordState(), CCVPassword::kNoPassword);
    EXPECT_EQ(password.Cipher(), nullptr);
}

TEST(CCVPassword, UnreadableCribReadsAsNoPassword) {
    CribStore store;
    store.stored = *CCVPassword::MakeCrib("Secret1");
    store.present = true;
    store.readFails = true;
    CCVPassword password = store.MakePassword();
    EXPECT_EQ(password.ReadCrib(), kNoCrib);
    EXPECT_EQ(password.PasswordState(), CCVPassword::kNoPassword);
}

// A crib that cannot be stored is reported, and the old password and cipher stay.
TEST(CCVPassword, FailedWriteIsReportedAndChangesNothing) {
    CribStore store;
    CCVPassword password = store.MakePassword();
    ASSERT_EQ(password.ChangePassword("Secret1", ""), CCVPassword::kRight);
    store.writeFails = true;
    EXPECT_EQ(password.ChangePassword("Other22", "Secret1"), CCVPassword::kNotStored);
    EXPECT_EQ(password.ChangePassword("", "Secret1"), CCVPassword::kNotStored);
    EXPECT_EQ(store.stored, CCVPassword::MakeCrib("Secret1"));
    EXPECT_TRUE(HoldsCipherOf(password, "Secret1"));
}

}  // namespace
