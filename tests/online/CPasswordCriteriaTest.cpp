// The new online password against the bank's rules: every check of the table, in its order, at
// its edges, and a character the bank would receive differently from what was typed.
#include "online/CPasswordCriteria.h"

#include <gtest/gtest.h>

#include "resources/ScreenIds.h"

namespace {

using Bytes = CPasswordCriteria::Bytes;
using Refusal = CPasswordCriteria::Refusal;

// min, max, character rule, (not examined), special allowed, spaces allowed
constexpr Bytes kBothRequired = {6, 12, 3, 0, 0, 0};
constexpr Bytes kAnything = {1, 32, 2, 0, 1, 1};

res::StringId MessageOf(const Bytes& criteria, std::wstring_view password) {
    return CPasswordCriteria::Check(criteria, password, password).message;
}

TEST(PasswordCriteriaTest, NewAndConfirmationMustBeTheSameExactly) {
    // Checked first, before any rule, and with letter case counting.
    EXPECT_EQ(CPasswordCriteria::Check(kBothRequired, L"abc", L"abd").message,
              res::IDS_ONLINE_PASSWORD_MISMATCH);
    EXPECT_EQ(CPasswordCriteria::Check(kAnything, L"Secret1", L"secret1").message,
              res::IDS_ONLINE_PASSWORD_MISMATCH);
    EXPECT_FALSE(CPasswordCriteria::Check(kAnything, L"Secret1", L"Secret1").Refused());
}

TEST(PasswordCriteriaTest, LengthGivesExactlyOrBetween) {
    const Bytes six = {6, 6, 2, 0, 1, 1};
    Refusal refusal = CPasswordCriteria::Check(six, L"abcde", L"abcde");
    EXPECT_EQ(refusal.message, res::IDS_PASSWORD_EXACT_LENGTH);
    EXPECT_EQ(refusal.first, 6);
    EXPECT_FALSE(CPasswordCriteria::Check(six, L"abcdef", L"abcdef").Refused());
    EXPECT_EQ(MessageOf(six, L"abcdefg"), res::IDS_PASSWORD_EXACT_LENGTH);

    const Bytes range = {4, 8, 2, 0, 1, 1};
    refusal = CPasswordCriteria::Check(range, L"abc", L"abc");
    EXPECT_EQ(refusal.message, res::IDS_PASSWORD_LENGTH_RANGE);
    EXPECT_EQ(refusal.first, 4);
    EXPECT_EQ(refusal.second, 8);
    EXPECT_FALSE(CPasswordCriteria::Check(range, L"abcd", L"abcd").Refused());
    EXPECT_FALSE(CPasswordCriteria::Check(range, L"abcdefgh", L"abcdefgh").Refused());
    EXPECT_EQ(MessageOf(range, L"abcdefghi"), res::IDS_PASSWORD_LENGTH_RANGE);
}

TEST(PasswordCriteriaTest, CharacterRules) {
    const Bytes lettersOnly = {1, 20, 0, 0, 1, 1};
    EXPECT_EQ(MessageOf(lettersOnly, L"abc1"), res::IDS_PASSWORD_NO_DIGITS);
    EXPECT_FALSE(CPasswordCriteria::Check(lettersOnly, L"abc!", L"abc!").Refused());
    const Bytes digitsOnly = {1, 20, 1, 0, 1, 1};
    EXPECT_EQ(MessageOf(digitsOnly, L"12a4"), res::IDS_PASSWORD_NO_LETTERS);
    EXPECT_FALSE(CPasswordCriteria::Check(digitsOnly, L"1234", L"1234").Refused());
    EXPECT_EQ(MessageOf(kBothRequired, L"abcdef"), res::IDS_PASSWORD_BOTH);
    EXPECT_EQ(MessageOf(kBothRequired, L"123456"), res::IDS_PASSWORD_BOTH);
    EXPECT_FALSE(CPasswordCriteria::Check(kBothRequired, L"abc123", L"abc123").Refused());
    // Rule 2 (and any other value) imposes nothing.
    EXPECT_FALSE(CPasswordCriteria::Check(kAnything, L"abcdef", L"abcdef").Refused());
    const Bytes rule9 = {1, 20, 9, 0, 1, 1};
    EXPECT_FALSE(CPasswordCriteria::Check(rule9, L"123", L"123").Refused());
}

TEST(PasswordCriteriaTest, SpecialCharactersBeforeSpaces) {
    EXPECT_EQ(MessageOf(kBothRequired, L"ab 12!"), res::IDS_PASSWORD_NO_SPECIAL);
    EXPECT_EQ(MessageOf(kBothRequired, L"ab 123"), res::IDS_PASSWORD_NO_SPACES);
    const Bytes specialAllowed = {6, 12, 3, 0, 1, 0};
    EXPECT_FALSE(CPasswordCriteria::Check(specialAllowed, L"ab#123", L"ab#123").Refused());
    EXPECT_EQ(MessageOf(specialAllowed, L"ab #12"), res::IDS_PASSWORD_NO_SPACES);
    const Bytes spacesAllowed = {6, 12, 3, 0, 0, 1};
    EXPECT_FALSE(CPasswordCriteria::Check(spacesAllowed, L"ab 123", L"ab 123").Refused());
    // A letter outside A-Z is special, as the bank counts it.
    EXPECT_EQ(MessageOf(kBothRequired, L"caf\u00e912"), res::IDS_PASSWORD_NO_SPECIAL);
}

TEST(PasswordCriteriaTest, ACharacterTheBankWouldGetAsAQuestionMarkIsRefused) {
    // Fault mended: a character outside Windows-1252 reached the bank as "?", so the password
    // set there was not the one typed. It is refused, whatever the rules allow.
    EXPECT_EQ(MessageOf(kAnything, L"pa\u0142ka1"), res::IDS_PASSWORD_UNSENDABLE);
    EXPECT_EQ(MessageOf(kAnything, L"\u4e2d\u6587"), res::IDS_PASSWORD_UNSENDABLE);
    // The euro sign and accented letters have their byte in it.
    EXPECT_FALSE(
        CPasswordCriteria::Check(kAnything, L"\u20ac\u00e9t\u00e91", L"\u20ac\u00e9t\u00e91")
            .Refused());
}

}  // namespace
