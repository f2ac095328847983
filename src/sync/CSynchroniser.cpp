#include "sync/CSynchroniser.h"

#include <limits.h>
#include <stdlib.h>

#include <cerrno>
#include <vector>

#include "model/DataFolderText.h"
#include "platform/sys/BroadcastSocket.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/Files.h"
#include "platform/sys/FolderCommit.h"
#include "platform/sys/FolderLock.h"
#include "platform/sys/NamedEvent.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/SyncNames.h"
#include "platform/sys/TextFormat.h"
#include "platform/sys/WinErrors.h"
#include "platform/ui/CBroadcastChannel.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "sync/CFolderPull.h"
#include "sync/CFolderPush.h"
#include "sync/CSyncDataFiles.h"

namespace {

constexpr long kMillisecondsPerSecond = 1000;
// How often the wait for the program also looks at the writer's lock.
constexpr std::chrono::milliseconds kLookInterval{50};

std::string Text(res::StringId id) {
    return sys::WideToUtf8(res::LoadString(id));
}

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::string WithoutSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

// Whether two paths name the same existing folder.
bool SameFolder(const std::string& a, const std::string& b) {
    char first[PATH_MAX];
    char second[PATH_MAX];
    return ::realpath(a.c_str(), first) != nullptr && ::realpath(b.c_str(), second) != nullptr &&
           std::string(first) == second;
}

int Refuse(std::string& message, const SyncFailure& failure) {
    message = CSynchroniser::Describe(failure);
    return CSynchroniser::kFailed;
}

}  // namespace

std::string CSynchroniser::Describe(const SyncFailure& failure) {
    const std::string second = !failure.detail.empty() ? failure.detail
                               : failure.error != 0    ? FileErrorCause(failure.error)
                                                       : std::string();
    return sys::FormatText(Text(failure.message), failure.path.c_str(), second.c_str());
}

void CSynchroniser::Announce(std::wstring_view name) {
    sys::BroadcastSocket::SendToAll(ui::CBroadcastChannel::Encode(std::wstring(name), 0, 0), "");
}

int CSynchroniser::Run(const Options& options, std::string& message) {
    const std::string data = WithSlash(options.dataFolder);
    const std::string folder = WithoutSlash(options.folder);
    SyncFailure failure;
    if (SameFolder(data, folder)) {
        return Refuse(message, SyncFailure{res::IDS_SYNC_SAME_FOLDER, folder, 0, {}});
    }
    if (options.direction == kPush) {
        if (CFolderPush::Check(folder, failure) != 0) return Refuse(message, failure);
        std::vector<std::string> names;
        if (CSyncDataFiles::List(data, names) != 0 || names.empty()) {
            return Refuse(message, SyncFailure{res::IDS_SYNC_NO_DATA_FOLDER, data, 0, {}});
        }
    } else {
        if (CFolderPull::Check(folder, failure) != 0) return Refuse(message, failure);
        // A new machine: the data folder is made to take the data.
        if (sys::CreateFolder(data) != 0) {
            return Refuse(
                message,
                SyncFailure{res::IDS_SYNC_WRITE_FAILED, data, sys::ErrorFromErrno(errno), {}});
        }
    }

    sys::NamedMutex synchronisation(sys::kSyncMutexName);
    if (synchronisation.TryAcquire() == sys::NamedMutex::kHeldElsewhere) {
        return Refuse(message, SyncFailure{res::IDS_SYNC_BUSY, {}, 0, {}});
    }
    sys::FolderLock lock;
    sys::FolderLock::Result locked = lock.Acquire(data, std::chrono::milliseconds(0));
    if (locked == sys::FolderLock::kHeldElsewhere) {
        sys::NamedMutex program(sys::kInstanceMutexName);
        if (program.TryAcquire() != sys::NamedMutex::kHeldElsewhere) {
            // Not the interactive program: a command, or a program of another login.
            program.Release();
            locked = lock.Acquire(data, options.timeout);
            if (locked == sys::FolderLock::kHeldElsewhere) {
                return Refuse(message, SyncFailure{res::IDS_SYNC_FOLDER_IN_USE, data, 0, {}});
            }
        }
    }
    if (locked == sys::FolderLock::kUnavailable) {
        // No lock file can be made: a folder nobody can write, which is only read from.
        if (options.direction == kPull) {
            return Refuse(message, SyncFailure{res::IDS_SYNC_WRITE_FAILED,
                                               data + sys::FolderLock::kFileName,
                                               sys::ErrorFromErrno(errno),
                                               {}});
        }
        return Copy(options, message);
    }
    if (locked == sys::FolderLock::kAcquired) return CopyUnderLock(options, message);

    // The interactive program has the folder: its hand-shake.
    sys::NamedEvent event(sys::kSyncEventName);
    if (event.Create() != sys::NamedEvent::kOk) {
        return Refuse(message, SyncFailure{res::IDS_SYNC_NO_EVENT, {}, 0, {}});
    }
    event.Reset();
    Announce(sys::kSyncStartName);
    // Until the program has saved, or the lock comes free: what looked like the program was a
    // command (which holds the same mutex), or the program ended meanwhile.
    const auto deadline = std::chrono::steady_clock::now() + options.timeout;
    bool signalled = false;
    while (!signalled) {
        signalled = event.Wait(kLookInterval) == sys::NamedEvent::kSignalled;
        if (signalled) break;
        if (lock.Acquire(data, std::chrono::milliseconds(0)) == sys::FolderLock::kAcquired) {
            Announce(sys::kSyncEndName);
            return CopyUnderLock(options, message);
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            // A program that answers late is not left holding still.
            Announce(sys::kSyncEndName);
            message =
                sys::FormatText(Text(res::IDS_SYNC_NO_ANSWER),
                                static_cast<int>(options.timeout.count() / kMillisecondsPerSecond));
            return kFailed;
        }
    }
    const int rc = Copy(options, message);
    Announce(sys::kSyncEndName);
    return rc;
}

int CSynchroniser::CopyUnderLock(const Options& options, std::string& message) {
    // A save a crash interrupted is finished first, so that the files are those of one save.
    sys::FolderCommit::Failure interrupted;
    if (sys::FolderCommit::RollForward(WithSlash(options.dataFolder), &interrupted) != 0) {
        return Refuse(message, SyncFailure{res::IDS_SYNC_READ_FAILED,
                                           interrupted.path,
                                           sys::ErrorFromErrno(interrupted.error),
                                           {}});
    }
    return Copy(options, message);
}

int CSynchroniser::Copy(const Options& options, std::string& message) {
    const std::string data = WithSlash(options.dataFolder);
    const std::string folder = WithoutSlash(options.folder);
    SyncFailure failure;
    int count = 0;
    if (options.direction == kPush) {
        if (CFolderPush::Copy(data, folder, count, failure) != 0) return Refuse(message, failure);
        message = sys::FormatText(Text(res::IDS_SYNC_PUSHED), count, data.c_str(), folder.c_str());
        return kDone;
    }
    SyncFailure pending;
    if (CFolderPull::Bring(folder, data, count, pending, failure) != 0) {
        return Refuse(message, failure);
    }
    message = sys::FormatText(Text(res::IDS_SYNC_PULLED), count, folder.c_str(), data.c_str());
    if (pending.Failed()) message += '\n' + Describe(pending);
    return kDone;
}
