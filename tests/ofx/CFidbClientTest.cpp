// The institution directory: its file, catching a list up from a version, one institution's
// parameters, and the places the directory is read from.
#include "ofx/CFidbClient.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ofx/FiDirectory.h"
#include "ofx/OfxTransport.h"
#include "support/FakeBank.h"
#include "support/TempFolder.h"

namespace {

using ofx::FiDirectory;

// Version 5: 1 and 2 came in version 1, 2 was renamed in version 4 (its parameters changed in
// version 3), 4 came in version 5, 3 left in version 2 and 5 in version 5.
const std::string kDirectory =
    "\r\n# a directory\r\n"
    "COINVALE FI DIRECTORY 1\r\n"
    "VERSION\t5\r\n"
    "FI\t1\t1\t1\t1\tFirst\thttps://first.example/ofx\tFIRST\t101\t102\tCVAL:0100\r\n"
    "FI\t2\t1\t4\t3\tSecond Bank\thttps://second.example/ofx\tSEC\t\t211\t\r\n"
    "REMOVED\t3\t2\r\n"
    "FI\t4\t5\t5\t1\tCaf\xC3\xA9 Credit\thttps://cafe.example\tCAFE\t4\t\t\r\n"
    "REMOVED\t5\t5\r\n";

class Recorder : public CFidbClient::MUpdateFiListEventHandler,
                 public CFidbClient::MUpdateFiItemEventHandler {
  public:
    bool OnProgress(std::uint32_t) override { return events.size() < stopAfterEvents; }
    int OnFiAdded(std::uint32_t id, const char* name) override {
        return Event("added " + std::to_string(id) + " " + name);
    }
    int OnFiChanged(std::uint32_t id, const char* name) override {
        return Event("changed " + std::to_string(id) + " " + name);
    }
    int OnFiRemoved(std::uint32_t id) override { return Event("removed " + std::to_string(id)); }
    int OnFiListVersion(std::uint32_t version) override {
        return Event("version " + std::to_string(version));
    }
    int OnFiItem(std::uint32_t id, std::uint32_t version, const char* p1, const char* p2,
                 const char* p3, const char* p4, const char* p5) override {
        return Event("item " + std::to_string(id) + " v" + std::to_string(version) + " " + p1 +
                     "|" + p2 + "|" + p3 + "|" + p4 + "|" + p5);
    }
    int Event(const std::string& event) {
        events.push_back(event);
        return events.size() == refuseAt ? refusal : 0;
    }

    std::vector<std::string> events;
    std::size_t stopAfterEvents = SIZE_MAX;
    std::size_t refuseAt = 0;
    int refusal = 54;
};

using V = std::vector<std::string>;

class FidbClientTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testing_support::WriteBytes(
            m_temp.File("directory.txt"),
            std::vector<std::uint8_t>(kDirectory.begin(), kDirectory.end()));
        CFidbClient::SetDirectoryLocation(m_temp.File("directory.txt"));
    }
    void TearDown() override { CFidbClient::SetDirectoryLocation(""); }

    V List(std::uint32_t version) {
        Recorder r;
        EXPECT_TRUE(m_client.UpdateFiList(version, r)) << m_client.ErrorMessage();
        return r.events;
    }

    testing_support::TempFolder m_temp;
    CFidbClient m_client;
};

TEST_F(FidbClientTest, CatchesAListUpFromItsVersion) {
    const V whole = {"added 1 First", "added 2 Second Bank", "added 4 Caf\xE9 Credit", "version 5"};
    EXPECT_EQ(List(0), whole);
    EXPECT_EQ(List(1), (V{"changed 2 Second Bank", "added 4 Caf\xE9 Credit", "removed 3",
                          "removed 5", "version 5"}));
    EXPECT_EQ(List(4), (V{"added 4 Caf\xE9 Credit", "removed 5", "version 5"}));
    EXPECT_EQ(List(5), (V{"version 5"}));
    EXPECT_EQ(List(9), whole);  // a version this directory never had
}

TEST_F(FidbClientTest, ParametersOnlyWhenNewer) {
    Recorder r;
    ASSERT_TRUE(m_client.UpdateFiItem(2, 0, r));
    EXPECT_EQ(r.events, (V{"item 2 v3 https://second.example/ofx|SEC||211|"}));
    r.events.clear();
    ASSERT_TRUE(m_client.UpdateFiItem(2, 3, r));
    EXPECT_TRUE(r.events.empty());
    EXPECT_FALSE(m_client.UpdateFiItem(3, 0, r));
    EXPECT_EQ(m_client.Error(), 1168);
    EXPECT_NE(std::string(m_client.ErrorMessage()).find('3'), std::string::npos);
}

TEST_F(FidbClientTest, RefusalsAndCancellation) {
    Recorder refusing;
    refusing.refuseAt = 2;
    EXPECT_FALSE(m_client.UpdateFiList(0, refusing));
    EXPECT_EQ(m_client.Error(), 54);
    EXPECT_EQ(refusing.events.size(), 2u);  // no version after a refusal

    Recorder cancelling;
    cancelling.stopAfterEvents = 1;
    EXPECT_FALSE(m_client.UpdateFiList(0, cancelling));
    EXPECT_EQ(m_client.Error(), 1223);
    EXPECT_EQ(cancelling.events, (V{"added 1 First"}));

    Recorder item;
    item.refuseAt = 1;
    EXPECT_FALSE(m_client.UpdateFiItem(1, 0, item));
    EXPECT_EQ(m_client.Error(), 54);
}

TEST_F(FidbClientTest, DamagedOrMissingDirectories) {
    const std::string head = "COINVALE FI DIRECTORY 1\nVERSION\t3\n";
    const std::string fi = "FI\t1\t1\t1\t1\tA\thttps://a\tA\t1\t102\t\n";
    const std::vector<std::pair<std::string, int>> damaged = {
        {"", 0},
        {"VERSION\t3\n", 1},
        {head + "FI\t1\t1\t1\t1\tA\thttps://a\n", 3},               // fields missing
        {head + "FI\t0\t1\t1\t1\tA\thttps://a\tA\t1\t102\t\n", 3},  // id 0
        {head + "FI\t1\t1\t1\t0\tA\thttps://a\tA\t1\t102\t\n", 3},  // parameter version 0
        {head + "FI\t1\t2\t1\t1\tA\thttps://a\tA\t1\t102\t\n", 3},  // changed before added
        {head + "FI\t1\t1\t1\t1\t\thttps://a\tA\t1\t102\t\n", 3},   // no name
        {head + fi + fi, 4},  // the same id twice
        {head + "FI\t1\t1\t7\t1\tA\thttps://a\tA\t1\t102\t\n", 3},  // beyond the version
        {"COINVALE FI DIRECTORY 1\n" + fi, 2},                      // no version
    };
    for (const auto& [text, line] : damaged) {
        FiDirectory directory;
        const ofx::OfxStatus status = directory.Parse(text);
        EXPECT_EQ(status.code, ofx::kErrorUnreadable) << text;
        EXPECT_TRUE(directory.Institutions().empty());
        if (line > 0) {
            EXPECT_NE(status.message.find(std::to_string(line)), std::string::npos) << text;
        }
    }
    testing_support::WriteBytes(m_temp.File("damaged.txt"), {'x'});
    CFidbClient::SetDirectoryLocation(m_temp.File("damaged.txt"));
    Recorder r;
    EXPECT_FALSE(m_client.UpdateFiList(0, r));
    EXPECT_EQ(m_client.Error(), 53);
    CFidbClient::SetDirectoryLocation(m_temp.File("missing.txt"));
    EXPECT_FALSE(m_client.UpdateFiList(0, r));
    EXPECT_EQ(m_client.Error(), 2);
    EXPECT_TRUE(r.events.empty());
}

TEST_F(FidbClientTest, DirectoryFromAServerOrBuiltIn) {
    ofx::OfxTransportSettings settings;
    settings.timeoutMs = 2000;
    ofx::OfxTransport::SetSettings(settings);
    testing_support::FakeBank bank;
    bank.SetDirectory(kDirectory);
    CFidbClient::SetDirectoryLocation(bank.DirectoryUrl());
    EXPECT_EQ(List(4), (V{"added 4 Caf\xE9 Credit", "removed 5", "version 5"}));
    bank.SetDirectory("");  // the server answers nothing usable
    Recorder r;
    EXPECT_FALSE(m_client.UpdateFiList(0, r));
    EXPECT_EQ(m_client.Error(), 53);
    ofx::OfxTransport::SetSettings({});

    // The directory that ships with the program is whole and names its institutions' servers.
    CFidbClient::SetDirectoryLocation("");
    FiDirectory builtIn;
    ASSERT_TRUE(builtIn.Parse(FiDirectory::BuiltIn()).Ok());
    ASSERT_FALSE(builtIn.Institutions().empty());
    for (const FiDirectory::Institution& fi : builtIn.Institutions()) {
        EXPECT_TRUE(fi.url.starts_with("https://")) << fi.name;
    }
    const V all = List(0);
    EXPECT_EQ(all.size(), builtIn.Institutions().size() + 1);
}

}  // namespace
