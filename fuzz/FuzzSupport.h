#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the fuzz targets share.
namespace fuzz {

// The input as text.
inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A file of this process holding the bytes, for readers that take a path; the same path every
// call, removed at exit.
const std::string& WriteTempFile(std::string_view bytes);

// Stops the run (a finding) when a property does not hold.
void Require(bool holds, const char* what);

}  // namespace fuzz
