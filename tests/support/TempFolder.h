#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test. Path() ends with '/'.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + name; }

private:
    std::string m_path;
};

// The bytes of a file; empty when it cannot be read.
std::vector<std::uint8_t> ReadBytes(const std::string& path);

// Writes bytes to a file directly (no atomic replacement), for preparing test input.
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// Names of the entries of a folder, sorted.
std::vector<std::string> ListFolder(const std::string& path);

}  // namespace testing_support
