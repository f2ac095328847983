#include "platform/sys/MappedFile.h"

#include <sys/mman.h>
#include <unistd.h>

#include "platform/sys/Files.h"

namespace sys {

MappedFile::~MappedFile() {
    Close();
}

void MappedFile::Close() {
    if (m_mapped) ::munmap(const_cast<std::uint8_t*>(m_data), m_size);
    m_copy.clear();
    m_copy.shrink_to_fit();
    m_data = nullptr;
    m_size = 0;
    m_mapped = false;
}

int MappedFile::Open(const std::string& path) {
    Close();
    std::size_t size = 0;
    const int fd = OpenFileForReading(path, size);
    if (fd < 0) return 1;
    int rc = 0;
    if (size > 0) {
        void* map = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (map != MAP_FAILED) {
            m_data = static_cast<const std::uint8_t*>(map);
            m_size = size;
            m_mapped = true;
        } else if (ReadWholeFile(path, m_copy) == 0) {
            m_data = m_copy.data();
            m_size = m_copy.size();
        } else {
            rc = 1;
        }
    }
    ::close(fd);
    return rc;
}

}  // namespace sys
