#include "model/CDataBackups.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "platform/sys/Clock.h"
#include "platform/sys/Files.h"
#include "platform/sys/FolderCommit.h"
#include "platform/sys/FolderLock.h"
#include "platform/sys/FolderSnapshot.h"
#include "platform/sys/WinErrors.h"

namespace {

constexpr const char* kBackupsSuffix = ".backups/";
constexpr std::size_t kDayLength = 10;  // "YYYY-MM-DD"
constexpr int kDaysInWeek = 7;
constexpr std::uint64_t kSecondsInDay = 24 * 60 * 60;

std::string WithoutSlash(const std::string& folder) {
    return folder.size() > 1 && folder.back() == '/' ? folder.substr(0, folder.size() - 1) : folder;
}

// The day number (days since 1601-01-01) of a backup's name, or -1 for a name of another kind.
std::int64_t DayOf(const std::string& name) {
    int year = 0;
    int month = 0;
    int day = 0;
    if (name.size() < kDayLength ||
        std::sscanf(name.c_str(), "%4d-%2d-%2d", &year, &month, &day) != 3 || name[4] != '-' ||
        name[7] != '-') {
        return -1;
    }
    sys::FileTime time = 0;
    if (!sys::SystemTimeToFileTime(sys::MakeSystemTime(year, month, day), time)) return -1;
    return static_cast<std::int64_t>(time / sys::kFileTicksPerSecond / kSecondsInDay);
}

}  // namespace

CDataBackups::CDataBackups(const std::string& dataFolder)
    : m_data(dataFolder.empty() || dataFolder.back() == '/' ? dataFolder : dataFolder + '/'),
      m_backups(FolderFor(dataFolder)) {}

std::string CDataBackups::FolderFor(const std::string& dataFolder) {
    return WithoutSlash(dataFolder) + kBackupsSuffix;
}

bool CDataBackups::IsBackedUp(const std::string& name) {
    return name != sys::FolderLock::kFileName && name != sys::FolderCommit::kRecordName &&
           !sys::FolderCommit::IsTemporaryName(name);
}

std::string CDataBackups::Today() {
    const sys::SystemTime now = sys::GetLocalTime();
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", now.year, now.month, now.day);
    return text;
}

std::vector<CDataBackups::Backup> CDataBackups::List() const {
    std::vector<std::string> names;
    std::vector<Backup> backups;
    if (sys::ListFolder(m_backups, names) != 0) return backups;
    for (const std::string& name : names) {
        if (DayOf(name) < 0 || !sys::FolderExists(m_backups + name)) continue;
        Backup backup{name, m_backups + name + '/', 0, 0};
        for (const std::string& file : sys::FolderSnapshot::Files(backup.path)) {
            ++backup.files;
            backup.bytes += sys::StampOf(backup.path + file).size;
        }
        backups.push_back(std::move(backup));
    }
    std::sort(backups.begin(), backups.end(),
              [](const Backup& a, const Backup& b) { return a.name > b.name; });
    return backups;
}

int CDataBackups::Make(const std::string& name) {
    m_failure = {};
    const std::vector<Backup> earlier = List();
    int error = 0;
    if (sys::FolderSnapshot::Make(m_data, m_backups + name, earlier.empty() ? "" : earlier[0].path,
                                  &CDataBackups::IsBackedUp, &error) != 0) {
        m_failure = {CDataFolderFiles::Failure::kWriteFailed, m_backups + name,
                     sys::ErrorFromErrno(error)};
        return 1;
    }
    Prune();
    return 0;
}

int CDataBackups::BeforeFirstSaveOfDay() {
    const std::string today = Today();
    for (const Backup& backup : List()) {
        if (backup.name.compare(0, kDayLength, today) == 0) return 0;
    }
    return Make(today);
}

int CDataBackups::MakeNow() {
    const std::string today = Today();
    if (!sys::PathExists(m_backups + today)) return Make(today);
    const sys::SystemTime now = sys::GetLocalTime();
    char time[32];
    std::snprintf(time, sizeof time, "-%02u%02u%02u", now.hour, now.minute, now.second);
    std::string name = today + time;
    for (int n = 2; sys::PathExists(m_backups + name); ++n) {
        name = today + time + '-' + std::to_string(n);
    }
    return Make(name);
}

void CDataBackups::Prune() {
    std::vector<std::string> names;
    if (sys::ListFolder(m_backups, names) == 0) {
        for (const std::string& name : names) {
            // Half-built by an interrupted backup.
            if (sys::FolderSnapshot::IsPartialName(name))
                sys::FolderSnapshot::Remove(m_backups + name);
        }
    }
    // Newest first: every backup of the newest days, then the newest of each older week.
    std::vector<std::int64_t> days;
    std::vector<std::int64_t> weeks;
    for (const Backup& backup : List()) {
        const std::int64_t day = DayOf(backup.name);
        if (std::find(days.begin(), days.end(), day) != days.end()) continue;
        if (static_cast<int>(days.size()) < kDaysKept) {
            days.push_back(day);
            continue;
        }
        const std::int64_t week = day / kDaysInWeek;
        if (static_cast<int>(weeks.size()) < kWeeksKept &&
            std::find(weeks.begin(), weeks.end(), week) == weeks.end() &&
            std::find_if(days.begin(), days.end(), [week](std::int64_t kept) {
                return kept / kDaysInWeek == week;
            }) == days.end()) {
            weeks.push_back(week);
            days.push_back(day);  // this backup, the newest of its week, stays
            continue;
        }
        sys::FolderSnapshot::Remove(backup.path);
    }
}

int CDataBackups::Restore(const std::string& name) {
    m_failure = {};
    const std::string source = m_backups + name + '/';
    if (name.empty() || name.find('/') != std::string::npos || DayOf(name) < 0 ||
        !sys::FolderExists(source)) {
        return 1;
    }
    if (MakeNow() != 0) return 1;
    sys::FolderCommit commit(m_data);
    std::vector<std::string> restored = sys::FolderSnapshot::Files(source);
    for (const std::string& file : restored) {
        std::vector<std::uint8_t> bytes;
        if (sys::ReadWholeFile(source + file, bytes) != 0) {
            m_failure = {CDataFolderFiles::Failure::kWriteFailed, source + file,
                         sys::ERROR_GEN_FAILURE};
            return 1;
        }
        if (commit.Stage(file, bytes.data(), bytes.size()) != 0) {
            m_failure = {CDataFolderFiles::Failure::kWriteFailed, commit.LastFailure().path,
                         sys::ErrorFromErrno(commit.LastFailure().error)};
            return 1;
        }
    }
    for (const std::string& file : sys::FolderSnapshot::Files(m_data)) {
        if (IsBackedUp(file) &&
            std::find(restored.begin(), restored.end(), file) == restored.end()) {
            commit.StageRemoval(file);
        }
    }
    const sys::FolderCommit::Outcome outcome = commit.Commit();
    if (outcome == sys::FolderCommit::kNothingChanged) {
        m_failure = {CDataFolderFiles::Failure::kWriteFailed, commit.LastFailure().path,
                     sys::ErrorFromErrno(commit.LastFailure().error)};
        return 1;
    }
    if (outcome == sys::FolderCommit::kPending) {
        m_failure = {CDataFolderFiles::Failure::kPending, commit.LastFailure().path,
                     sys::ErrorFromErrno(commit.LastFailure().error)};
    }
    return 0;
}
