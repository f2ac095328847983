#include "FuzzSupport.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace fuzz {

namespace {

struct TempFile {
    TempFile() {
        const char* folder = std::getenv("TMPDIR");
        path = std::string(folder != nullptr ? folder : "/tmp") + "/coinvale-fuzz-" +
               std::to_string(::getpid()) + ".bin";
    }
    ~TempFile() { std::remove(path.c_str()); }
    std::string path;
};

}  // namespace

const std::string& WriteTempFile(std::string_view bytes) {
    static const TempFile file;
    std::ofstream out(file.path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.path;
}

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace fuzz
