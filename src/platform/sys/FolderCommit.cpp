#include "platform/sys/FolderCommit.h"

#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <vector>

#include "platform/sys/FileFault.h"
#include "platform/sys/Files.h"

namespace sys {
namespace {

constexpr const char* kRecordHeader = "coinvale-commit 1\n";
constexpr const char* kRecordEnd = "end\n";
constexpr const char* kTemporaryMark = ".tmp-";

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

using Pairs = std::vector<std::pair<std::string, std::string>>;  // temporary, target

enum class RecordRead { kRead, kCannotRead, kNotARecord };

// The pairs of a record: kCannotRead when the file cannot be read (an I/O error: it may hold a
// commit), kNotARecord when its bytes are not a whole record.
RecordRead ReadRecordFile(const std::string& folder, Pairs& pairs) {
    pairs.clear();
    std::vector<std::uint8_t> bytes;
    if (ReadWholeFile(folder + FolderCommit::kRecordName, bytes) != 0) {
        return RecordRead::kCannotRead;
    }
    const std::string text(bytes.begin(), bytes.end());
    const std::string header = kRecordHeader;
    const std::string end = kRecordEnd;
    if (text.size() < header.size() + end.size() || text.compare(0, header.size(), header) != 0 ||
        text.compare(text.size() - end.size(), end.size(), end) != 0) {
        return RecordRead::kNotARecord;
    }
    std::size_t at = header.size();
    const std::size_t stop = text.size() - end.size();
    while (at < stop) {
        const std::size_t first = text.find('\0', at);
        if (first == std::string::npos || first >= stop) return RecordRead::kNotARecord;
        const std::size_t second = text.find('\0', first + 1);
        if (second == std::string::npos || second >= stop) return RecordRead::kNotARecord;
        std::string temporary = text.substr(at, first - at);
        std::string target = text.substr(first + 1, second - first - 1);
        if (target.empty() || temporary.find('/') != std::string::npos ||
            target.find('/') != std::string::npos) {
            return RecordRead::kNotARecord;
        }
        pairs.emplace_back(std::move(temporary), std::move(target));
        at = second + 1;
    }
    return pairs.empty() ? RecordRead::kNotARecord : RecordRead::kRead;
}

bool ReadRecord(const std::string& folder, Pairs& pairs) {
    return ReadRecordFile(folder, pairs) == RecordRead::kRead;
}

bool AllDigits(const std::string& text, std::size_t from, std::size_t to, bool hex) {
    if (from >= to) return false;
    for (std::size_t i = from; i < to; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!(hex ? std::isxdigit(c) : std::isdigit(c))) return false;
    }
    return true;
}

}  // namespace

FolderCommit::FolderCommit(std::string folder) : m_folder(WithSlash(folder)) {}

FolderCommit::~FolderCommit() {
    Abandon();
}

int FolderCommit::Stage(const std::string& name, const void* data, std::size_t size) {
    auto file = std::make_unique<AtomicFile>();
    const std::string path = m_folder + name;
    if (file->Open(path) != 0 || file->Write(data, size) != 0 || file->Prepare() != 0) {
        m_failure = {path, file->ErrorNumber()};
        return 1;
    }
    m_files.push_back(std::move(file));
    m_names.push_back(name);
    return 0;
}

void FolderCommit::StageRemoval(const std::string& name) {
    m_removals.push_back(name);
}

void FolderCommit::Abandon() {
    for (const auto& file : m_files) file->Abandon();
    m_files.clear();
    m_names.clear();
    m_removals.clear();
}

int FolderCommit::WriteRecord() {
    std::string text = kRecordHeader;
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        text += BaseName(m_files[i]->TemporaryPath());
        text += '\0';
        text += m_names[i];
        text += '\0';
    }
    for (const std::string& name : m_removals) {
        text += '\0';
        text += name;
        text += '\0';
    }
    text += kRecordEnd;
    const std::string path = m_folder + kRecordName;
    if (IsFaultInjected(FileStep::CommitRecord)) {
        m_failure = {path, errno};
        return 1;
    }
    AtomicFile record;
    if (record.Open(path) != 0 || record.Write(text.data(), text.size()) != 0 ||
        record.Commit() != 0) {
        m_failure = {path, record.ErrorNumber()};
        // A record renamed into place whose folder sync failed may still count after a crash.
        return 1;
    }
    return 0;
}

FolderCommit::Outcome FolderCommit::Commit() {
    m_failure = {};
    if (Empty()) return kDone;
    if (RollForward(m_folder, &m_failure) != 0) {
        Abandon();
        return kNothingChanged;
    }
    if (m_files.size() == 1 && m_removals.empty()) {
        // One rename is atomic by itself.
        if (m_files[0]->Install() != 0) {
            m_failure = {m_folder + m_names[0], m_files[0]->ErrorNumber()};
            Abandon();
            return kNothingChanged;
        }
        m_files.clear();
        m_names.clear();
        SyncFolder(m_folder);  // the new file is in place; a failed sync does not undo it
        return kDone;
    }
    if (WriteRecord() != 0) {
        Abandon();
        // Without a sync of the folder the record may or may not survive a crash; make sure it
        // does not, so the old files stay.
        ::unlink((m_folder + kRecordName).c_str());
        return kNothingChanged;
    }
    bool renamed = true;
    for (std::size_t i = 0; i < m_files.size(); ++i) {
        const bool failed = IsFaultInjected(FileStep::CommitRename) || m_files[i]->Install() != 0;
        if (failed && renamed) {
            m_failure = {m_folder + m_names[i],
                         m_files[i]->ErrorNumber() != 0 ? m_files[i]->ErrorNumber() : errno};
            renamed = false;
        }
        m_files[i]->Release();  // a temporary not yet renamed belongs to the record now
    }
    m_files.clear();
    m_names.clear();
    for (const std::string& name : m_removals) {
        ReachDurableStep();
        if (::unlink((m_folder + name).c_str()) != 0 && errno != ENOENT && renamed) {
            m_failure = {m_folder + name, errno};
            renamed = false;
        }
    }
    m_removals.clear();
    if (!renamed) return kPending;
    SyncFolder(m_folder);
    ReachDurableStep();
    ::unlink((m_folder + kRecordName).c_str());
    return kDone;
}

int FolderCommit::RollForward(const std::string& folderPath, Failure* failure) {
    const std::string folder = WithSlash(folderPath);
    const std::string record = folder + kRecordName;
    if (!PathExists(record)) return 0;
    Pairs pairs;
    const RecordRead read = ReadRecordFile(folder, pairs);
    if (read == RecordRead::kCannotRead) {
        // It may hold a commit: never discarded unread.
        if (failure != nullptr) *failure = {record, errno != 0 ? errno : EIO};
        return 1;
    }
    if (read == RecordRead::kRead) {
        for (const auto& [temporary, target] : pairs) {
            if (temporary.empty()) {
                ReachDurableStep();
                if (::unlink((folder + target).c_str()) != 0 && errno != ENOENT) {
                    if (failure != nullptr) *failure = {folder + target, errno};
                    return 1;
                }
                continue;
            }
            const std::string from = folder + temporary;
            if (!FileExists(from)) continue;  // renamed before the crash
            ReachDurableStep();
            if (::rename(from.c_str(), (folder + target).c_str()) != 0) {
                if (failure != nullptr) *failure = {folder + target, errno};
                return 1;
            }
        }
        SyncFolder(folder);
    }
    ReachDurableStep();
    ::unlink(record.c_str());
    SyncFolder(folder);
    return 0;
}

bool FolderCommit::IsTemporaryName(const std::string& name) {
    // "<name>.tmp-<pid>-<8 hex digits>-<attempt>", as AtomicFile names them.
    const std::size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos || mark == 0) return false;
    const std::size_t pid = mark + std::char_traits<char>::length(kTemporaryMark);
    const std::size_t dash = name.find('-', pid);
    if (dash == std::string::npos || !AllDigits(name, pid, dash, false)) return false;
    const std::size_t dash2 = name.find('-', dash + 1);
    if (dash2 == std::string::npos || dash2 - dash - 1 != 8 ||
        !AllDigits(name, dash + 1, dash2, true)) {
        return false;
    }
    return AllDigits(name, dash2 + 1, name.size(), false);
}

void FolderCommit::RemoveStrayTemporaries(const std::string& folderPath) {
    const std::string folder = WithSlash(folderPath);
    std::vector<std::string> names;
    if (ListFolder(folder, names) != 0) return;
    bool removed = false;
    for (const std::string& name : names) {
        if (IsTemporaryName(name) && FileExists(folder + name)) {
            removed = ::unlink((folder + name).c_str()) == 0 || removed;
        }
    }
    if (removed) SyncFolder(folder);
}

std::map<std::string, std::string> FolderCommit::PendingReplacements(
    const std::string& folderPath) {
    const std::string folder = WithSlash(folderPath);
    std::map<std::string, std::string> pending;
    Pairs pairs;
    if (!ReadRecord(folder, pairs)) return pending;
    for (const auto& [temporary, target] : pairs) {
        if (!temporary.empty() && FileExists(folder + temporary)) {
            pending[target] = folder + temporary;
        }
    }
    return pending;
}

}  // namespace sys
