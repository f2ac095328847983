// The registry's text file: read, written and read again to the same tree.
#include <cstdint>

#include "FuzzSupport.h"
#include "platform/sys/RegistryText.h"
#include "platform/sys/RegistryTree.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sys::RegistryTree tree;
    sys::ParseRegistryText(fuzz::Text(data, size), tree);
    const std::string written = sys::FormatRegistryText(tree);
    sys::RegistryTree again;
    fuzz::Require(sys::ParseRegistryText(written, again) == 0, "what is written reads back");
    fuzz::Require(sys::FormatRegistryText(again) == written, "the same tree the second time");
    return 0;
}
