#pragma once

#include <chrono>
#include <string>
#include <utility>

// The writer's lock of a data folder: a lock file inside the folder (".coinvale.lock") held with
// flock. Every program that changes the folder's files holds it while it does, wherever its
// runtime folder is (two users, a cron job beside a desktop session, two machines sharing the
// folder), so two writers never load and save the same files at once. The kernel releases it when
// the holder ends, however it ends; the file itself stays.
namespace sys {

class FolderLock {
  public:
    enum Result {
        kAcquired = 0,
        kHeldElsewhere = 1,  // another program (or another holder in this one) has it
        kUnavailable = 2,    // the folder is missing or the lock file cannot be opened
    };
    static constexpr const char* kFileName = ".coinvale.lock";

    FolderLock() = default;
    ~FolderLock() { Release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock of `folder`, waiting up to `wait` while another holder has it. Taking the
    // same folder's lock again while held answers kAcquired; another folder's releases the first.
    Result Acquire(const std::string& folder, std::chrono::milliseconds wait);
    void Release();
    // Exchanges what the two hold (a lock, or none), releasing nothing.
    void Swap(FolderLock& other) noexcept {
        std::swap(m_fd, other.m_fd);
        m_folder.swap(other.m_folder);
    }
    bool IsHeld() const { return m_fd >= 0; }
    const std::string& Folder() const { return m_folder; }

  private:
    std::string m_folder;
    int m_fd = -1;
};

}  // namespace sys
