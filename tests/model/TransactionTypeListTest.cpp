// Transaction types: direction flags, keys of added types and the type editing rules.
#include <gtest/gtest.h>

#include <set>

#include "ModelBytes.h"
#include "model/BuiltInKey.h"
#include "model/CTransactionTypeList.h"

namespace {

class TransactionTypeList : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(list.CreateDefaults(), 0); }
    CTransactionTypeList list;
};

TEST_F(TransactionTypeList, DirectionLivesInTheKey) {
    CTransactionTypeItem* withdrawal = list.At(1);
    EXPECT_EQ(*withdrawal->GetKey(), BuiltInKey(CTransactionTypeList::kTypeWithdrawal));
    withdrawal->SetDebit(false);
    EXPECT_EQ(withdrawal->GetKey()->bytes[6], 0x00);
    EXPECT_EQ(withdrawal->IsDebit(), kNo);
    EXPECT_TRUE(withdrawal->IsModified());
    withdrawal->SetDebit(true);
    EXPECT_EQ(withdrawal->GetKey()->bytes[6], 0x80);

    CTransactionTypeItem* check = list.At(0);
    check->SetDebit(false);
    EXPECT_EQ(check->GetKey()->bytes[6], 0x40);  // the check-number bit stays
}

TEST_F(TransactionTypeList, LookUps) {
    RecordKey key;
    EXPECT_EQ(list.FindKeyByName("deposit", key), 1);
    EXPECT_EQ(key, BuiltInKey(CTransactionTypeList::kTypeDeposit));
    EXPECT_EQ(list.FindKeyByName("Refund", key), 0);
    EXPECT_STREQ(list.NameOfKey(BuiltInKey(CTransactionTypeList::kTypeEft)), "EFT");
    EXPECT_STREQ(list.NameOfKey(RecordKey{}), "");
}

TEST_F(TransactionTypeList, AddedTypesGetUniqueKeysWithTheirFlagByte) {
    EXPECT_EQ(list.NewType("Refund", false), EditOutcome::Done());
    EXPECT_EQ(list.NewType("Rebate", false), EditOutcome::Done());
    EXPECT_EQ(list.NewType("Fee", true), EditOutcome::Done());
    ASSERT_EQ(list.Count(), 10u);

    std::set<RecordKey> keys;
    for (std::int64_t i = 0; i < 10; ++i) keys.insert(*list.At(i)->GetKey());
    EXPECT_EQ(keys.size(), 10u);
    EXPECT_EQ(keys.count(RecordKey{}), 0u);
    EXPECT_EQ(list.At(7)->IsDebit(), kNo);
    EXPECT_EQ(list.At(9)->IsDebit(), kYes);
    EXPECT_EQ(list.At(9)->HasCheckNumber(), kNo);

    // Flipping a direction cannot make an added type's key equal another's, and a deleted
    // type's key is not given again.
    list.At(7)->SetDebit(true);
    list.At(8)->SetDebit(true);
    EXPECT_NE(*list.At(7)->GetKey(), *list.At(8)->GetKey());
    const RecordKey feeKey = *list.At(9)->GetKey();
    EXPECT_EQ(list.DeleteType(9), EditOutcome::Done());
    EXPECT_EQ(list.NewType("Fee", true), EditOutcome::Done());
    EXPECT_NE(*list.At(9)->GetKey(), feeKey);
}

TEST_F(TransactionTypeList, EditingRules) {
    for (std::int64_t builtIn = 0; builtIn < 7; ++builtIn) {
        EXPECT_EQ(list.RenameType(builtIn, "X"), EditOutcome::Refused(res::IDS_TYPE_BUILTIN));
        EXPECT_EQ(list.DeleteType(builtIn), EditOutcome::Refused(res::IDS_TYPE_BUILTIN));
    }
    EXPECT_EQ(list.RenameType(7, "X"), EditOutcome::Refused(res::IDS_TYPE_BAD_INDEX));
    EXPECT_EQ(list.DeleteType(-1), EditOutcome::Refused(res::IDS_TYPE_BAD_INDEX));
    CTransactionTypeList empty;
    EXPECT_EQ(empty.DeleteType(0), EditOutcome::Refused(res::IDS_TYPE_LIST_EMPTY));

    EXPECT_EQ(list.NewType("", false), EditOutcome::Refused(res::IDS_INVALID_NAME));
    EXPECT_EQ(list.NewType("atm", true), EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS));
    ASSERT_EQ(list.NewType("Refund", false), EditOutcome::Done());
    EXPECT_EQ(list.RenameType(7, "Charge"), EditOutcome::Refused(res::IDS_ITEM_NAME_EXISTS));
    EXPECT_EQ(list.RenameType(7, "REFUND"), EditOutcome::Done());
    EXPECT_EQ(list.RenameType(7, "Return"), EditOutcome::Done());
    EXPECT_STREQ(list.At(7)->GetName(), "Return");
    EXPECT_EQ(list.At(7)->IsDebit(), kNo);  // a rename keeps the direction
}

}  // namespace
