#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace sys {

// The bytes of a whole file, read-only, for as long as the object lives: mapped from the page
// cache rather than copied when the file allows it, read into memory otherwise (a pipe, or a
// file system without mappings). Data files are replaced by renaming a new file over the old
// one, so the mapped file never changes underneath a reader.
class MappedFile {
  public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // 0, or 1 when the file cannot be opened or read (nothing is then held). An earlier file is
    // released first.
    int Open(const std::string& path);
    void Close();

    const std::uint8_t* Data() const { return m_data; }
    std::size_t Size() const { return m_size; }

  private:
    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    bool m_mapped = false;
    std::vector<std::uint8_t> m_copy;  // the bytes of a file that could not be mapped
};

}  // namespace sys
