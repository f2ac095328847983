#include "platform/sys/RegistryFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <utility>
#include <vector>

#include "platform/sys/Files.h"
#include "platform/sys/Registry.h"
#include "platform/sys/RegistryText.h"

namespace sys {
namespace {

constexpr mode_t kPrivateMode = 0600;
constexpr const char* kLockSuffix = ".lock";

// Holds flock on the lock file for its lifetime. Without the folder (nothing written yet) a
// shared lock is not needed and none is taken.
class FileLock {
  public:
    FileLock(const std::string& path, int operation) {
        m_fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kPrivateMode);
        if (m_fd < 0) return;
        while (::flock(m_fd, operation) != 0) {
            if (errno == EINTR) continue;
            ::close(m_fd);
            m_fd = -1;
            return;
        }
    }
    ~FileLock() {
        if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return m_fd >= 0; }

  private:
    int m_fd = -1;
};

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// Creates an empty file readable by the user only; false when the name is taken or the file
// cannot be made.
bool CreatePrivateFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateMode);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// Reads the file into `text`: 0, with empty text when there is no file; 1 when it exists and
// cannot be read.
int ReadText(const std::string& path, std::string& text) {
    text.clear();
    if (!PathExists(path)) return 0;
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(path, bytes) != 0) return 1;
    text.assign(bytes.begin(), bytes.end());
    return 0;
}

// Every file written here ends with the blank line after its last key; a file that does not
// was cut short, and its last keys or values are lost.
bool IsCutShort(const std::string& text) {
    return !text.empty() && !text.ends_with("\n\n") && !text.ends_with("\n\r\n");
}

std::mutex g_noticeMutex;
std::string g_damagedCopyNotice;

void NoteDamagedCopy(const std::string& copy) {
    std::lock_guard<std::mutex> guard(g_noticeMutex);
    g_damagedCopyNotice = copy;
}

}  // namespace

std::string RegistryFile::TakeDamagedCopyNotice() {
    std::lock_guard<std::mutex> guard(g_noticeMutex);
    return std::exchange(g_damagedCopyNotice, std::string());
}

long RegistryFile::KeepDamagedCopyNow() const {
    FileLock lock(m_path + kLockSuffix, LOCK_EX);
    std::string text;
    if (!lock.Held() || ReadText(m_path, text) != 0) return ERROR_CANTWRITE;
    // A file cut short is kept by the next change anyway.
    if (text.empty() || IsCutShort(text)) return ERROR_SUCCESS;
    std::string copy;
    if (KeepDamagedCopy(m_path, text.data(), text.size(), kPrivateMode, &copy) != 0) {
        return ERROR_CANTWRITE;
    }
    NoteDamagedCopy(copy);
    return ERROR_SUCCESS;
}

RegistryFile::RegistryFile(std::string path) : m_path(std::move(path)) {}

long RegistryFile::Read(RegistryTree& tree) const {
    tree = RegistryTree();
    std::string text;
    {
        // Replacement is atomic, so a reader sees a whole file even without the lock; the lock
        // only keeps it from reading in the middle of another program's change.
        FileLock lock(m_path + kLockSuffix, LOCK_SH);
        if (ReadText(m_path, text) != 0) return ERROR_CANTREAD;
    }
    ParseRegistryText(text, tree);
    return ERROR_SUCCESS;
}

long RegistryFile::Update(const Change& change) const {
    if (CreateFolder(FolderOf(m_path)) != 0) return ERROR_CANTWRITE;
    FileLock lock(m_path + kLockSuffix, LOCK_EX);
    if (!lock.Held()) return ERROR_CANTWRITE;

    std::string original;
    if (ReadText(m_path, original) != 0) return ERROR_CANTREAD;
    RegistryTree tree;
    const std::size_t unreadable = ParseRegistryText(original, tree);

    bool changed = false;
    const long result = change(tree, changed);
    if (result != ERROR_SUCCESS || !changed) return result;

    if (unreadable > 0 || IsCutShort(original)) {
        std::string copy;
        if (KeepDamagedCopy(m_path, original.data(), original.size(), kPrivateMode, &copy) != 0) {
            return ERROR_CANTWRITE;
        }
        NoteDamagedCopy(copy);
    }
    // A new file starts private; the replacement keeps the mode of the file it replaces.
    if (!PathExists(m_path)) CreatePrivateFile(m_path);
    const std::string text = FormatRegistryText(tree);
    return ReplaceFile(m_path, text.data(), text.size()) == 0 ? ERROR_SUCCESS : ERROR_CANTWRITE;
}

}  // namespace sys
