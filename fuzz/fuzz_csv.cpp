// The CSV reader with a column mapping: the input up to its first zero byte is a rules file,
// the rest the bank's file. Any bytes are read; a file that reads is taken into a data folder's
// account, and taken in a second time, which must add nothing.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "interchange/CCsvReader.h"
#include "interchange/CLineImport.h"
#include "model/CCVAccountList.h"

namespace {

constexpr std::string_view kDefaultRules =
    "columns = date, payee, memo, debit, credit, category, class, number, state\n";

// A data folder with the first accounts, made once; every run loads it afresh and never saves.
const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "coinvale-fuzz-csv-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        const std::string made = pattern + "/";
        CCVAccountList list;
        if (list.Load(made) != 0) std::abort();
        return made;
    }();
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::string_view rules = kDefaultRules;
    if (const std::size_t zero = bytes.find('\0'); zero != std::string_view::npos) {
        rules = bytes.substr(0, zero);
        bytes.remove_prefix(zero + 1);
    }
    CCsvMapping mapping;
    std::string error;
    if (!mapping.ReadRules(rules, "fuzz.rules", error)) return 0;
    const ImportedFile file = CCsvReader(mapping, "fuzz.csv").Read(bytes);
    if (!file.error.empty() || file.lines.empty()) return 0;

    auto list = std::make_unique<CCVAccountList>();
    if (list->Load(Folder()) != 0) std::abort();
    CCVAccount& checking = *list->At(1);
    CLineImport::Result first;
    if (!CLineImport(*list, "CSV", "fuzz.csv").Apply(checking, file.lines, first)) return 0;
    CLineImport::Result second;
    if (!CLineImport(*list, "CSV", "fuzz.csv").Apply(checking, file.lines, second) ||
        second.added != 0) {
        std::abort();
    }
    return 0;
}
