// The bank list: the bytes of "FiList.lst", updates from the directory, and what a reload keeps.
#include "online/CFiList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
    return all;
}

Bytes Header(std::uint16_t count) {
    Bytes b = {static_cast<std::uint8_t>(count), 0, 0xFF, 0xFF, 0, 0, 7, 0};
    for (char c : std::string("CFiItem")) b.push_back(static_cast<std::uint8_t>(c));
    return b;
}

Bytes Record(std::uint8_t id, const std::string& name) {
    Bytes b = {id, 0, 0, 0, static_cast<std::uint8_t>(name.size())};
    for (char c : name) b.push_back(static_cast<std::uint8_t>(c));
    return b;
}

Bytes Trailer(std::uint32_t version) {
    return {0,
            0,
            static_cast<std::uint8_t>(version),
            static_cast<std::uint8_t>(version >> 8),
            static_cast<std::uint8_t>(version >> 16),
            static_cast<std::uint8_t>(version >> 24),
            0,
            0,
            0,
            0};
}

const Bytes kSeparator = {0x01, 0x80};

std::vector<std::string> Names(CFiList& list) {
    std::vector<std::string> names;
    for (CCVItem* r = list.First(true); r != nullptr; r = list.Next(true)) {
        names.push_back(std::string(r->GetName()) + (r->IsDeleted() ? " (deleted)" : ""));
    }
    return names;
}

using V = std::vector<std::string>;

TEST(CFiList, EmptyListIsItsCountAndTrailer) {
    TempFolder temp;
    const std::string file = temp.File(CFiList::kFileName);
    CFiList list;
    EXPECT_EQ(list.ListVersion(), 0);
    EXPECT_STREQ(list.ListName(), "CFiItem");
    ASSERT_EQ(list.SaveFile(file), 0);
    EXPECT_EQ(ReadBytes(file), Concat({{0, 0}, Trailer(0)}));

    list.OnFiListVersion(0x01020304);
    ASSERT_EQ(list.SaveFile(file), 0);
    EXPECT_EQ(ReadBytes(file), Concat({{0, 0}, Trailer(0x01020304)}));
    CFiList loaded;
    ASSERT_EQ(loaded.LoadFile(file), 0);
    EXPECT_EQ(loaded.Count(true), 0u);
    EXPECT_EQ(loaded.GetDirectoryVersion(), 0x01020304u);
    loaded.ResetVersion();
    EXPECT_EQ(loaded.GetDirectoryVersion(), 0u);
}

TEST(CFiList, MissingFileIsWrittenEmpty) {
    TempFolder temp;
    CFiList list;
    ASSERT_EQ(list.LoadFile(temp.File(CFiList::kFileName)), 0);
    EXPECT_EQ(ReadBytes(temp.File(CFiList::kFileName)), Concat({{0, 0}, Trailer(0)}));
}

TEST(CFiList, UpdatesKeepNameOrderAndTheDeletedTail) {
    CFiList list;
    list.OnFiAdded(2, "Second");
    list.OnFiAdded(1, "first");
    list.OnFiAdded(3, "Third");
    EXPECT_EQ(Names(list), (V{"first", "Second", "Third"}));

    // A change leaves the old record in the deleted tail and inserts a fresh one in name order.
    CFiItem* old = list.FindById(3);
    old->OnFiItem(3, 1, "https://third", "", "", "", "");
    list.OnFiChanged(3, "Alpha");
    EXPECT_EQ(Names(list), (V{"Alpha", "first", "Second", "Third (deleted)"}));
    CFiItem* fresh = list.FindById(3);
    ASSERT_NE(fresh, nullptr);
    EXPECT_NE(fresh, old);
    EXPECT_EQ(fresh->ParametersVersion(), 0u);
    EXPECT_TRUE(fresh->Parameter(0).empty());
    EXPECT_TRUE(fresh->Profile().empty());

    list.OnFiRemoved(2);
    list.OnFiRemoved(42);  // unknown: nothing
    EXPECT_EQ(Names(list), (V{"Alpha", "first", "Second (deleted)", "Third (deleted)"}));
    EXPECT_EQ(list.FindById(2), nullptr);

    // An added id that is already listed replaces it, as after a directory fetched again.
    list.OnFiAdded(1, "First");
    EXPECT_EQ(Names(list).front(), "Alpha");
    EXPECT_EQ(list.Count(), 2u);
    EXPECT_STREQ(list.FindById(1)->GetName(), "First");
}

TEST(CFiList, FindByNameCountsCase) {
    CFiList list;
    list.OnFiAdded(1, "First");
    list.OnFiAdded(2, "Second");
    EXPECT_EQ(list.FindByName("First"), list.FindById(1));
    EXPECT_EQ(list.FindByName("first"), nullptr);
    EXPECT_EQ(list.FindByName("Firs"), nullptr);
    EXPECT_EQ(list.FindByName(nullptr), nullptr);
    list.OnFiRemoved(1);
    EXPECT_EQ(list.FindByName("First"), nullptr);
}

TEST(CFiList, SavesOnlyLiveBanksSoReplacedOnesStayGone) {
    TempFolder temp;
    const std::string file = temp.File(CFiList::kFileName);
    CFiList list;
    list.OnFiAdded(1, "First");
    list.OnFiAdded(2, "Second");
    list.OnFiAdded(3, "Third");
    list.OnFiChanged(2, "Second Bank");
    list.OnFiRemoved(3);
    list.OnFiListVersion(9);
    ASSERT_EQ(list.SaveFile(file), 0);
    EXPECT_EQ(ReadBytes(file), Concat({Header(2), Record(1, "First"), kSeparator,
                                       Record(2, "Second Bank"), Trailer(9)}));
    CFiList loaded;
    ASSERT_EQ(loaded.LoadFile(file), 0);
    EXPECT_EQ(Names(loaded), (V{"First", "Second Bank"}));
    EXPECT_EQ(loaded.GetDirectoryVersion(), 9u);
}

TEST(CFiList, AFileWithAReplacedCopyLoadsWithoutIt) {
    // Written with the deleted tail, as a record form without flags used to be: the replaced
    // "Old Name" of bank 2 follows the live records.
    TempFolder temp;
    const std::string file = temp.File(CFiList::kFileName);
    WriteBytes(file, Concat({Header(3), Record(1, "First"), kSeparator, Record(2, "New Name"),
                             kSeparator, Record(2, "Old Name"), Trailer(4)}));
    CFiList list;
    ASSERT_EQ(list.LoadFile(file), 0);
    EXPECT_EQ(Names(list), (V{"First", "New Name", "Old Name (deleted)"}));
    EXPECT_STREQ(list.FindById(2)->GetName(), "New Name");
    EXPECT_EQ(list.FindByName("Old Name"), nullptr);
    ASSERT_EQ(list.SaveFile(file), 0);
    EXPECT_EQ(ReadBytes(file), Concat({Header(2), Record(1, "First"), kSeparator,
                                       Record(2, "New Name"), Trailer(4)}));
}

TEST(CFiList, DamagedFilesKeepWhatCameBefore) {
    TempFolder temp;
    const std::string file = temp.File(CFiList::kFileName);
    const Bytes whole =
        Concat({Header(2), Record(1, "First"), kSeparator, Record(2, "Second"), Trailer(4)});
    // Cut in the second record: the first bank stays, no empty bank appears.
    WriteBytes(file, Bytes(whole.begin(), whole.end() - 10 - 3));
    CFiList cut;
    EXPECT_EQ(cut.LoadFile(file), 1);
    EXPECT_EQ(Names(cut), (V{"First"}));
    EXPECT_EQ(cut.GetDirectoryVersion(), 0u);
    // Without its trailer: the banks load, the version stays unknown.
    WriteBytes(file, Bytes(whole.begin(), whole.end() - 10));
    CFiList noTrailer;
    EXPECT_EQ(noTrailer.LoadFile(file), 1);
    EXPECT_EQ(Names(noTrailer), (V{"First", "Second"}));
    EXPECT_EQ(noTrailer.GetDirectoryVersion(), 0u);
}

}  // namespace
