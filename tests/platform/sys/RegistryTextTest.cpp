#include "platform/sys/RegistryText.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/sys/Registry.h"

namespace {

using sys::RegistryTree;
using sys::RegistryValue;

const std::wstring kKey = L"HKEY_CURRENT_USER\\Software\\Brightmoor";

RegistryValue String(std::wstring name, std::wstring_view text) {
    return {std::move(name), sys::REG_SZ, RegistryTree::StringData(text)};
}

RegistryValue Dword(std::wstring name, std::uint32_t number) {
    RegistryValue value{std::move(name), sys::REG_DWORD, std::vector<std::uint8_t>(4)};
    std::memcpy(value.data.data(), &number, sizeof number);
    return value;
}

RegistryValue Binary(std::wstring name, std::vector<std::uint8_t> bytes, std::uint32_t type) {
    return {std::move(name), type, std::move(bytes)};
}

// Every value of every key, for comparing trees.
std::vector<std::pair<std::wstring, RegistryValue>> Contents(const RegistryTree& tree) {
    std::vector<std::pair<std::wstring, RegistryValue>> all;
    for (const RegistryTree::Key* key : tree.Keys()) {
        all.emplace_back(key->path, RegistryValue{});
        for (const RegistryValue& value : key->values) all.emplace_back(key->path, value);
    }
    return all;
}

TEST(RegistryText, WritesTheExportFormat) {
    RegistryTree tree;
    tree.CreateKey(kKey + L"\\Coinvale HandHeld");
    tree.SetValue(kKey + L"\\Coinvale HandHeld", String(L"User Path", L"C:\\My \"Files\"\\"));
    tree.SetValue(kKey + L"\\Coinvale HandHeld", Dword(L"Show Year", 1));
    tree.SetValue(kKey + L"\\Coinvale HandHeld",
                  Binary(L"Font", {0x00, 0xAB, 0x10}, sys::REG_BINARY));
    tree.SetValue(kKey + L"\\Coinvale HandHeld", Binary(L"", {}, sys::REG_BINARY));
    tree.SetValue(kKey + L"\\Coinvale HandHeld",
                  Binary(L"Big", {1, 0, 0, 0, 0, 0, 0, 0}, sys::REG_QWORD));
    EXPECT_EQ(sys::FormatRegistryText(tree),
              "Windows Registry Editor Version 5.00\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Brightmoor]\n"
              "\n"
              "[HKEY_CURRENT_USER\\Software\\Brightmoor\\Coinvale HandHeld]\n"
              "\"User Path\"=\"C:\\\\My \\\"Files\\\"\\\\\"\n"
              "\"Show Year\"=dword:00000001\n"
              "\"Font\"=hex:00,ab,10\n"
              "@=hex:\n"
              "\"Big\"=hex(b):01,00,00,00,00,00,00,00\n"
              "\n");
}

// Whatever the tree holds comes back from its text unchanged, and the text reads cleanly.
TEST(RegistryText, EveryValueSurvivesARoundTrip) {
    RegistryTree tree;
    const std::wstring key = kKey + L"\\CV_ Caf\u00E9 [\"x\"] \\ \u20AC";
    tree.CreateKey(key);
    tree.SetValue(key, String(L"Quote \" and \\ backslash", L"\\\\server\\share\\\"q\"\\"));
    tree.SetValue(key, String(L"Unicode", L"\u00E9\u20AC\U0001F600 \u4E2D"));
    tree.SetValue(key, String(L"Lines", L"first\r\nsecond\ttab"));  // kept on one line as hex(1)
    tree.SetValue(key, String(L"Empty", L""));
    tree.SetValue(key, String(L"", L"default value"));
    tree.SetValue(key, Dword(L"Max", 0xFFFFFFFF));
    tree.SetValue(key, Binary(L"Long", std::vector<std::uint8_t>(300, 0x5A), sys::REG_BINARY));
    tree.SetValue(key, Binary(L"Odd type", {1, 2, 3}, sys::REG_DWORD));  // not 4 bytes
    tree.AddKey(L"HKEY_CURRENT_USER\\Software\\Zeta");
    tree.AddKey(L"HKEY_CURRENT_USER\\Software\\Brightmoor Two");

    const std::string text = sys::FormatRegistryText(tree);
    RegistryTree back;
    EXPECT_EQ(sys::ParseRegistryText(text, back), 0u) << text;
    EXPECT_EQ(Contents(back), Contents(tree)) << text;
    EXPECT_NE(text.find("\"Lines\"=hex(1):"), std::string::npos);
    // Children follow their parent, before a sibling whose name goes on.
    EXPECT_LT(text.find("[HKEY_CURRENT_USER\\Software\\Brightmoor\\CV_"),
              text.find("[HKEY_CURRENT_USER\\Software\\Brightmoor Two]"));
}

// Files written by the registry editor itself: CRLF, a byte-order mark, comments, wrapped hex
// lists, upper-case digits, other value types and the old header.
TEST(RegistryText, ReadsEditorExports) {
    const std::string text =
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
        "; exported\r\n"
        "[HKEY_CURRENT_USER\\Software\\Test]\r\n"
        "\"Wrapped\"=hex:01,02,03,\\\r\n"
        "  04,05\r\n"
        "\"Upper\"=dword:0000ABCD\r\n"
        "\"Expand\"=hex(2):25,00,00,00\r\n"
        "\"Wide\"=hex(1):41,00,3d,d8,00,de,00,00\r\n"
        "@=\"def\"\r\n";
    RegistryTree tree;
    EXPECT_EQ(sys::ParseRegistryText(text, tree), 0u);
    const std::wstring key = L"hkey_current_user\\SOFTWARE\\test";  // names ignore case
    ASSERT_TRUE(tree.KeyExists(key));
    EXPECT_EQ(tree.FindValue(key, L"wrapped")->data, std::vector<std::uint8_t>({1, 2, 3, 4, 5}));
    EXPECT_EQ(tree.FindValue(key, L"Upper")->data, Dword(L"", 0xABCD).data);
    EXPECT_EQ(tree.FindValue(key, L"Expand")->type, sys::REG_EXPAND_SZ);
    EXPECT_EQ(tree.FindValue(key, L"Wide")->data, RegistryTree::StringData(L"A\U0001F600"));
    EXPECT_EQ(tree.FindValue(key, L"")->data, RegistryTree::StringData(L"def"));
    EXPECT_TRUE(tree.KeyExists(L"HKEY_CURRENT_USER\\Software"));  // a parent of a listed key

    RegistryTree old;
    EXPECT_EQ(sys::ParseRegistryText("REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"x\"=\"y\"\n", old), 0u);
    EXPECT_NE(old.FindValue(L"HKEY_CURRENT_USER\\A", L"x"), nullptr);
}

// Each line that cannot be read is counted and skipped; the good lines around it are kept.
TEST(RegistryText, DamagedLinesAreCountedAndTheRestKept) {
    const std::string text =
        "\"Orphan\"=\"before any key\"\n"  // also: no header
        "[HKEY_CURRENT_USER\\Good]\n"
        "\"Before\"=dword:00000001\n"
        "\"Bad hex\"=hex:0g,01\n"
        "\"Bad dword\"=dword:123456789\n"
        "\"Unterminated=\"x\"\n"
        "\"Text\"=\"open\n"
        "\"Deleted\"=-\n"
        "\"Odd wide\"=hex(1):41\n"
        "garbage line\n"
        "\"Latin-1\"=\"caf\xE9\"\n"  // not UTF-8: kept with a replacement character
        "[-HKEY_CURRENT_USER\\Removed]\n"
        "\"Under removed\"=dword:00000002\n"
        "[HKEY_CURRENT_USER\\Good]\n"
        "\"After\"=\"still read\"\n"
        "[HKEY_CURRENT_USER\\Truncat";
    RegistryTree tree;
    EXPECT_EQ(sys::ParseRegistryText(text, tree), 13u);
    const std::wstring key = L"HKEY_CURRENT_USER\\Good";
    EXPECT_NE(tree.FindValue(key, L"Before"), nullptr);
    EXPECT_NE(tree.FindValue(key, L"After"), nullptr);
    EXPECT_EQ(tree.FindValue(key, L"Latin-1")->data, RegistryTree::StringData(L"caf\uFFFD"));
    EXPECT_EQ(tree.FindValue(key, L"Bad hex"), nullptr);
    EXPECT_FALSE(tree.KeyExists(L"HKEY_CURRENT_USER\\Removed"));
    EXPECT_EQ(tree.Keys().size(), 1u);

    // Bytes that are no text at all read as nothing, without harm.
    std::string noise;
    for (int i = 0; i < 4096; ++i) noise.push_back(static_cast<char>((i * 7919) % 251));
    RegistryTree empty;
    EXPECT_GT(sys::ParseRegistryText(noise, empty), 0u);
}

}  // namespace
