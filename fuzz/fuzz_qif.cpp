// The QIF reader and what the model makes of its lines: any bytes are read (month-first and
// day-first), a file that reads is taken into a data folder's accounts, taken in a second time
// (which must add nothing), and written back as QIF, which must read again.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "interchange/CLineImport.h"
#include "interchange/CQifReader.h"
#include "interchange/CQifWriter.h"
#include "model/CCVAccountList.h"

namespace {

// A data folder with the first accounts, made once; every run loads it afresh and never saves.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "coinvale-fuzz-qif-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        const std::string made = pattern + "/";
        CCVAccountList list;
        if (list.Load(made) != 0) std::abort();
        return made;
    }();
    return folder;
}

void Require(bool holds) {
    if (!holds) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CQifReader("fuzz.qif", interchange::DateOrder::kDayMonthYear).Read(bytes);
    const ImportedFile file =
        CQifReader("fuzz.qif", interchange::DateOrder::kMonthDayYear).Read(bytes);
    if (!file.error.empty() || file.lines.empty()) return 0;

    auto list = std::make_unique<CCVAccountList>();
    if (list->Load(Folder()) != 0) std::abort();
    CCVAccount& checking = *list->At(1);
    CLineImport::Result first;
    if (!CLineImport(*list, "QIF", "fuzz.qif").Apply(checking, file.lines, first)) return 0;
    CLineImport::Result second;
    Require(CLineImport(*list, "QIF", "fuzz.qif").Apply(checking, file.lines, second));
    Require(second.added == 0);

    std::string written;
    CQifWriter(*list).WriteAll(written);
    Require(CQifReader("written.qif", interchange::DateOrder::kMonthDayYear)
                .Read(written)
                .error.empty());
    return 0;
}
