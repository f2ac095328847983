#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/CDataFolderFiles.h"

// The automatic backups of a data folder, kept in the folder "<data folder>.backups/" beside it
// (sys::FolderSnapshot: files that did not change are shared as hard links). A backup is named
// by the day it was made, "2026-12-06"; a further one that day (before an import or a restore)
// by the day and the time, "2026-12-06-093000".
//
// Made before the first save of a day and before an import or a restore; after each, every
// backup of the 7 newest days with backups is kept, and of older ones the newest of each of the
// 4 newest weeks; the rest are removed.
//
// Only the holder of the data folder's writer's lock makes, prunes or restores backups.
class CDataBackups {
  public:
    static constexpr int kDaysKept = 7;
    static constexpr int kWeeksKept = 4;

    struct Backup {
        std::string name;
        std::string path;  // the backup's folder, ending with '/'
        int files = 0;
        std::int64_t bytes = 0;
    };

    explicit CDataBackups(const std::string& dataFolder);
    static std::string FolderFor(const std::string& dataFolder);
    const std::string& Folder() const { return m_backups; }
    // Whether a file of the data folder goes into a backup: the data files and the copies kept
    // of damaged ones, not the lock, a commit record or temporary files.
    static bool IsBackedUp(const std::string& name);

    // The backups, newest first.
    std::vector<Backup> List() const;
    // A backup named by today unless there is one: 0, or 1 (LastFailure).
    int BeforeFirstSaveOfDay();
    // A backup now, whatever was made today. 0, or 1 (LastFailure).
    int MakeNow();
    // Puts the data files of the backup `name` back, together or not at all: a backup of the
    // folder as it is is made first, and data files the backup does not have are removed with
    // the rest. 0, or 1 (LastFailure; kNone when there is no such backup).
    int Restore(const std::string& name);

    const CDataFolderFiles::Failure& LastFailure() const { return m_failure; }

  private:
    int Make(const std::string& name);
    void Prune();
    static std::string Today();

    std::string m_data;
    std::string m_backups;
    CDataFolderFiles::Failure m_failure;
};
