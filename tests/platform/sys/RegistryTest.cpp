#include "platform/sys/Registry.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>

#include "platform/sys/FileFault.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

namespace {

using namespace sys;
using testing_support::ListFolder;
using testing_support::ReadBytes;
using testing_support::ScopedEnvironment;
using testing_support::TempFolder;
using testing_support::WriteBytes;

// Every test gets a registry of its own in a temporary folder.
class Registry : public ::testing::Test {
  protected:
    std::string FilePath() const { return m_temp.File("registry.reg"); }
    std::string FileText() const {
        const std::vector<std::uint8_t> bytes = ReadBytes(FilePath());
        return {bytes.begin(), bytes.end()};
    }

    TempFolder m_temp;
    ScopedEnvironment m_home{"COINVALE_HOME", m_temp.Path()};
};

long SetString(HKEY key, std::wstring_view name, std::wstring_view text) {
    const std::wstring value(text);
    return RegSetValueEx(key, name, REG_SZ, reinterpret_cast<const std::uint8_t*>(value.c_str()),
                         static_cast<std::uint32_t>((value.size() + 1) * sizeof(wchar_t)));
}

long SetDword(HKEY key, std::wstring_view name, std::uint32_t number) {
    return RegSetValueEx(key, name, REG_DWORD, reinterpret_cast<const std::uint8_t*>(&number),
                         sizeof number);
}

// The 32-bit value, or `missing` when it cannot be read.
std::uint32_t GetDword(HKEY key, std::wstring_view name, std::uint32_t missing = 0xDEAD) {
    std::uint32_t number = 0;
    std::uint32_t size = sizeof number;
    return RegQueryValueEx(key, name, nullptr, reinterpret_cast<std::uint8_t*>(&number), &size) ==
                   ERROR_SUCCESS
               ? number
               : missing;
}

TEST_F(Registry, KeysAndValuesKeepWindowsMeanings) {
    HKEY key = 0;
    std::uint32_t disposition = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Brightmoor", &key), ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Brightmoor\\Coinvale HandHeld", &key,
                             &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);

    const std::uint8_t font[3] = {0, 0xFF, 7};
    EXPECT_EQ(SetString(key, L"User Path", L"/home/pat/Documents/"), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key, L"Show Year", 1), ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueEx(key, L"Font", REG_BINARY, font, sizeof font), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(SetDword(key, L"Show Year", 0), ERROR_INVALID_HANDLE);  // a closed handle is stale

    // Names compare without regard to case; the parent exists too.
    HKEY again = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"SOFTWARE\\brightmoor\\COINVALE handheld", &again,
                             &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    EXPECT_EQ(GetDword(again, L"show year"), 1u);
    HKEY parent = 0;
    EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Brightmoor", &parent), ERROR_SUCCESS);
    RegCloseKey(parent);

    // A size query; a short buffer gets ERROR_MORE_DATA and the size, and stays untouched.
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(RegQueryValueEx(again, L"User Path", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 21 * sizeof(wchar_t));
    std::vector<wchar_t> text(4, L'x');
    size = 4 * sizeof(wchar_t);
    EXPECT_EQ(RegQueryValueEx(again, L"User Path", nullptr,
                              reinterpret_cast<std::uint8_t*>(text.data()), &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 21 * sizeof(wchar_t));
    EXPECT_EQ(text, std::vector<wchar_t>(4, L'x'));
    text.resize(21);
    EXPECT_EQ(RegQueryValueEx(again, L"User Path", nullptr,
                              reinterpret_cast<std::uint8_t*>(text.data()), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::wstring(text.data()), L"/home/pat/Documents/");

    std::uint8_t bytes[8] = {};
    size = sizeof bytes;
    EXPECT_EQ(RegQueryValueEx(again, L"Font", &type, bytes, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::memcmp(bytes, font, 3), 0);
    EXPECT_EQ(RegQueryValueEx(again, L"Missing", &type, bytes, &size), ERROR_FILE_NOT_FOUND);
    RegCloseKey(again);

    EXPECT_EQ(FileText(),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Brightmoor]\n\n"
              "[HKEY_CURRENT_USER\\Software\\Brightmoor\\Coinvale HandHeld]\n"
              "\"User Path\"=\"/home/pat/Documents/\"\n"
              "\"Show Year\"=dword:00000001\n"
              "\"Font\"=hex:00,ff,07\n\n");
    struct stat st {};
    ASSERT_EQ(::stat(FilePath().c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(Registry, BadArgumentsAreRefused) {
    HKEY key = 0;
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\\\Twice", &key),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"\\Leading", &key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Line\nbreak", &key), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, std::wstring(256, L'k'), &key),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyEx(12345, L"Software", &key), ERROR_INVALID_HANDLE);
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software", &key), ERROR_SUCCESS);
    const std::uint8_t three[3] = {1, 2, 3};
    EXPECT_EQ(RegSetValueEx(key, L"Half", REG_SZ, three, sizeof three), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueEx(key, L"Null", REG_BINARY, nullptr, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetDword(key, L"Two\nlines", 1), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
    EXPECT_FALSE(testing_support::ReadBytes(FilePath()).empty());
}

// A key whose file went away under an open handle reads as deleted and takes no values.
TEST_F(Registry, KeyRemovedUnderAnOpenHandle) {
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Brightmoor", &key), ERROR_SUCCESS);
    ASSERT_EQ(::unlink(FilePath().c_str()), 0);
    EXPECT_EQ(GetDword(key, L"Any", 7), 7u);
    EXPECT_EQ(SetDword(key, L"Any", 1), ERROR_KEY_DELETED);
    RegCloseKey(key);
}

// Two programs writing at the same time: each change is applied to what the other wrote.
TEST_F(Registry, WritersInTwoProcessesLoseNothing) {
    constexpr int kValues = 20;
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Shared", &key), ERROR_SUCCESS);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    const std::wstring prefix = child == 0 ? L"child " : L"parent ";
    int failures = 0;
    for (int i = 0; i < kValues; ++i) {
        failures += SetDword(key, prefix + std::to_wstring(i), static_cast<std::uint32_t>(i)) !=
                    ERROR_SUCCESS;
    }
    if (child == 0) ::_exit(failures == 0 ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(failures, 0);
    for (int i = 0; i < kValues; ++i) {
        EXPECT_EQ(GetDword(key, L"child " + std::to_wstring(i)), static_cast<std::uint32_t>(i));
        EXPECT_EQ(GetDword(key, L"parent " + std::to_wstring(i)), static_cast<std::uint32_t>(i));
    }
    RegCloseKey(key);
}

TEST_F(Registry, WritersInTwoThreadsLoseNothing) {
    constexpr int kValues = 20;
    const auto write = [](const std::wstring& prefix) {
        HKEY key = 0;
        if (RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Shared", &key) != ERROR_SUCCESS) return;
        for (int i = 0; i < kValues; ++i) SetDword(key, prefix + std::to_wstring(i), 1);
        RegCloseKey(key);
    };
    std::thread first(write, L"first ");
    std::thread second(write, L"second ");
    first.join();
    second.join();
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Shared", &key), ERROR_SUCCESS);
    for (int i = 0; i < kValues; ++i) {
        EXPECT_EQ(GetDword(key, L"first " + std::to_wstring(i)), 1u) << i;
        EXPECT_EQ(GetDword(key, L"second " + std::to_wstring(i)), 1u) << i;
    }
    RegCloseKey(key);
}

// A damaged file: what can be read is used, and the first change keeps the file as it was
// beside the new one.
TEST_F(Registry, DamagedFileIsReadAndKeptBeforeItIsReplaced) {
    const std::string damaged =
        "Windows Registry Editor Version 5.00\n\n"
        "[HKEY_CURRENT_USER\\Software\\Brightmoor]\n"
        "\"Show Year\"=dword:00000001\n"
        "\"Font\"=hex:zz\n"
        "\x01\x02\xFF binary junk\n"
        "\"Show Decimal\"=dword:0000000";
    WriteBytes(FilePath(), {damaged.begin(), damaged.end()});
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software\\Brightmoor", &key), ERROR_SUCCESS);
    EXPECT_EQ(GetDword(key, L"Show Year"), 1u);
    EXPECT_EQ(GetDword(key, L"Show Decimal"), 0u);  // the truncated last line still reads
    EXPECT_EQ(GetDword(key, L"Font"), 0xDEADu);
    EXPECT_EQ(FileText(), damaged);  // reading changes nothing

    ASSERT_EQ(SetDword(key, L"LockTime", 3), ERROR_SUCCESS);
    const std::vector<std::uint8_t> kept = ReadBytes(m_temp.File("registry.reg.damaged"));
    EXPECT_EQ(std::string(kept.begin(), kept.end()), damaged);
    EXPECT_EQ(FileText(),
              "Windows Registry Editor Version 5.00\n\n"
              "[HKEY_CURRENT_USER\\Software\\Brightmoor]\n"
              "\"Show Year\"=dword:00000001\n"
              "\"Show Decimal\"=dword:00000000\n"
              "\"LockTime\"=dword:00000003\n\n");
    ASSERT_EQ(SetDword(key, L"LockTime", 4), ERROR_SUCCESS);  // the repaired file needs no copy

    // Damage met again later is kept under the next free name.
    WriteBytes(FilePath(), {'j', 'u', 'n', 'k'});
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\Brightmoor", &key), ERROR_SUCCESS);
    EXPECT_EQ(ListFolder(m_temp.Path()),
              std::vector<std::string>({"registry.reg", "registry.reg.damaged",
                                        "registry.reg.damaged-2", "registry.reg.lock"}));
    EXPECT_EQ(ReadBytes(m_temp.File("registry.reg.damaged-2")),
              std::vector<std::uint8_t>({'j', 'u', 'n', 'k'}));
    RegCloseKey(key);
}

// A file that cannot be read is never replaced; a failed replacement leaves the file as it was.
TEST_F(Registry, ReadAndWriteFailuresAreReportedAndLeaveTheFile) {
    HKEY key = 0;
    ASSERT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software", &key), ERROR_SUCCESS);
    ASSERT_EQ(SetDword(key, L"Kept", 1), ERROR_SUCCESS);
    const std::string before = FileText();
    {
        ScopedFileFault fault(FileStep::Read);
        HKEY other = 0;
        EXPECT_EQ(RegOpenKeyEx(HKEY_CURRENT_USER, L"Software", &other), ERROR_CANTREAD);
        EXPECT_EQ(GetDword(key, L"Kept"), 0xDEADu);
        EXPECT_EQ(SetDword(key, L"New", 2), ERROR_CANTREAD);
    }
    {
        ScopedFileFault fault(FileStep::Rename);
        EXPECT_EQ(SetDword(key, L"New", 2), ERROR_CANTWRITE);
        HKEY other = 0;
        EXPECT_EQ(RegCreateKeyEx(HKEY_CURRENT_USER, L"Software\\New", &other), ERROR_CANTWRITE);
    }
    EXPECT_EQ(FileText(), before);
    EXPECT_EQ(GetDword(key, L"Kept"), 1u);
    RegCloseKey(key);
}

}  // namespace
