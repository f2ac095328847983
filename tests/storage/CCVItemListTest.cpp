#include "storage/CCVItemList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestRecord.h"

namespace {

std::vector<std::string> Names(CCVItemList& list, bool includeDeleted = true) {
    std::vector<std::string> names;
    for (CCVItem* r = list.First(includeDeleted); r != nullptr; r = list.Next(includeDeleted)) {
        names.emplace_back(r->GetName());
    }
    return names;
}

using V = std::vector<std::string>;

// A record that counts its destructions, to see who owns what.
class CountedRecord : public TestRecord {
public:
    CountedRecord(const char* name, int& destroyed) : TestRecord(name), m_destroyed(destroyed) {}
    ~CountedRecord() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(CCVItemList, AppendPushFrontAndInsertAt) {
    TestList list;
    auto* b = new TestRecord("B");
    EXPECT_EQ(list.Append(b), 0);
    EXPECT_EQ(list.PushFront(new TestRecord("A")), 0);
    EXPECT_EQ(list.Append(new TestRecord("D")), 0);
    EXPECT_EQ(list.InsertAt(2, new TestRecord("C")), 4);  // after the record at position 1
    EXPECT_EQ(list.InsertAt(0, new TestRecord("0")), 5);  // at the head: the live count
    EXPECT_EQ(list.InsertAt(99, new TestRecord("E")), 6); // past the end: at the end
    EXPECT_EQ(Names(list), V({"0", "A", "B", "C", "D", "E"}));

    EXPECT_EQ(list.Append(nullptr), 1);
    EXPECT_EQ(list.PushFront(nullptr), 1);
    EXPECT_EQ(list.InsertAt(1, nullptr), -1);
    TestList empty;
    auto* lone = new TestRecord("X");
    EXPECT_EQ(empty.InsertAt(1, lone), -1);  // index > 0 on an empty list
    EXPECT_EQ(empty.InsertAt(-3, lone), 1);
    EXPECT_EQ(list.IndexOf(b), 2);
}

TEST(CCVItemList, InsertSortedIgnoresCaseAndGoesBeforeEqualNames) {
    TestList list;
    for (const char* name : {"Dining", "auto", "Clothing"}) list.InsertSorted(new TestRecord(name));
    EXPECT_EQ(Names(list), V({"auto", "Clothing", "Dining"}));
    auto* upper = new TestRecord("AUTO");
    list.InsertSorted(upper);
    EXPECT_EQ(list.GetAt(0), upper);  // in front of the existing "auto"
    list.InsertSorted(new TestRecord("Zoo"));
    list.InsertSorted(new TestRecord("Auto:Fuel"));
    EXPECT_EQ(Names(list), V({"AUTO", "auto", "Auto:Fuel", "Clothing", "Dining", "Zoo"}));
    EXPECT_EQ(list.InsertSorted(nullptr), 1);
}

TEST(CCVItemList, DeletedTail) {
    TestList list;
    TestRecord* r[5];
    for (int i = 0; i < 5; ++i) {
        r[i] = new TestRecord(std::string(1, static_cast<char>('A' + i)).c_str());
        list.Append(r[i]);
    }
    EXPECT_EQ(list.MarkDeleted(r[1], false), 0);  // "really" unset: nothing happens
    EXPECT_EQ(list.DeletedCount(), 0u);

    list.MarkDeleted(r[1]);
    list.MarkDeleted(r[3]);
    EXPECT_TRUE(r[1]->IsDeleted());
    EXPECT_TRUE(r[1]->IsModified());
    // The latest deletion stands at the front of the deleted tail.
    EXPECT_EQ(Names(list), V({"A", "C", "E", "D", "B"}));
    EXPECT_EQ(Names(list, false), V({"A", "C", "E"}));
    EXPECT_EQ(list.Count(false), 3u);
    EXPECT_EQ(list.Count(true), 5u);
    EXPECT_EQ(list.DeletedCount(), 2u);

    EXPECT_EQ(list.GetAt(2), r[4]);
    EXPECT_EQ(list.GetAt(3), nullptr);
    EXPECT_EQ(list.GetAt(-1), nullptr);
    EXPECT_EQ(list.GetAtAny(3), r[3]);
    EXPECT_EQ(list.GetAtAny(5), nullptr);
    EXPECT_EQ(list.FindByName("b"), nullptr);
    EXPECT_EQ(list.FindByName("c"), r[2]);
    EXPECT_EQ(list.IndexOf(r[3]), -1);
    EXPECT_EQ(list.IndexOf(r[3], true), 3);
    EXPECT_EQ(list.FindByKey(r[3]->m_key), nullptr);
    EXPECT_EQ(list.FindByKey(r[4]->m_key), r[4]);
    EXPECT_EQ(list.IndexOfKey(r[2]->m_key), 1);

    // Records appended or inserted later stay in front of the tail.
    list.Append(new TestRecord("F"));
    list.InsertAt(5, new TestRecord("G"));
    list.InsertSorted(new TestRecord("Z"));
    EXPECT_EQ(Names(list), V({"A", "C", "E", "F", "G", "Z", "D", "B"}));

    // Marking a deleted record again keeps the count right.
    list.MarkDeleted(r[1]);
    EXPECT_EQ(list.DeletedCount(), 2u);
    EXPECT_EQ(Names(list), V({"A", "C", "E", "F", "G", "Z", "B", "D"}));

    // Removing a deleted record lowers both counts.
    EXPECT_EQ(list.Remove(r[3]), 0);
    EXPECT_EQ(list.DeletedCount(), 1u);
    EXPECT_EQ(list.Count(true), 7u);
    delete r[3];
}

TEST(CCVItemList, RemoveResults) {
    TestList list;
    TestRecord outsider("X");
    EXPECT_EQ(list.Remove(&outsider), 1);  // empty list
    EXPECT_EQ(list.Remove(nullptr), 1);
    auto* a = new TestRecord("A");
    list.Append(a);
    EXPECT_EQ(list.Remove(&outsider), 0);  // not found
    EXPECT_EQ(list.Count(), 1u);
    EXPECT_EQ(list.Remove(a), 0);
    EXPECT_EQ(list.Count(), 0u);
    EXPECT_EQ(list.IndexOf(a), -1);
    delete a;
}

TEST(CCVItemList, WalkContinuesWhenTheCurrentRecordIsDeleted) {
    TestList list;
    for (const char* name : {"A", "B", "C", "D"}) list.Append(new TestRecord(name));
    std::vector<std::string> seen;
    for (CCVItem* r = list.First(); r != nullptr; r = list.Next()) {
        seen.emplace_back(r->GetName());
        if (seen.back() == "A" || seen.back() == "C") list.MarkDeleted(r);
    }
    EXPECT_EQ(seen, V({"A", "B", "C", "D"}));
    EXPECT_EQ(Names(list, false), V({"B", "D"}));
    EXPECT_EQ(list.Next(), nullptr);  // the walk ended and cleared the cursor

    // PushFront moves the cursor to the new head.
    list.PushFront(new TestRecord("0"));
    EXPECT_STREQ(list.Next()->GetName(), "B");
}

TEST(CCVItemList, ClearOwnershipAndBorrowing) {
    int destroyed = 0;
    {
        TestList owner;
        TestList borrower;
        borrower.SetBorrowing();
        auto* a = new CountedRecord("A", destroyed);
        auto* b = new CountedRecord("B", destroyed);
        owner.Append(a);
        owner.Append(b);
        borrower.Append(b);
        borrower.Append(a);
        EXPECT_EQ(borrower.Clear(true, true), 0);
        EXPECT_EQ(destroyed, 0);  // the borrowing list destroys nothing
        EXPECT_EQ(borrower.Clear(true, true), 1);  // already empty

        TestList single;
        single.Append(new CountedRecord("C", destroyed));
        EXPECT_EQ(single.Clear(true, true), 0);
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(single.Count(true), 0u);
        EXPECT_EQ(single.First(), nullptr);
    }
    EXPECT_EQ(destroyed, 3);  // the owner destroyed its two at the end
}

TEST(CCVItemList, PositionedAccessOnALargeList) {
    TestList list;
    constexpr int kCount = 20000;
    for (int i = 0; i < kCount; ++i) list.Append(new TestRecord("r", static_cast<std::uint32_t>(i)));
    for (int i = 0; i < kCount; i += 997) {
        EXPECT_EQ(static_cast<TestRecord*>(list.GetAt(i))->m_value, static_cast<std::uint32_t>(i));
    }
    list.MarkDeleted(list.GetAt(0));
    EXPECT_EQ(static_cast<TestRecord*>(list.GetAt(0))->m_value, 1u);
    EXPECT_EQ(static_cast<TestRecord*>(list.GetAtAny(kCount - 1))->m_value, 0u);
}

}  // namespace
