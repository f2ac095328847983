#include "sync/CSyncDataFiles.h"

#include <algorithm>

#include "model/CCVAccountList.h"
#include "platform/sys/Files.h"

namespace {

constexpr char kAccountSuffix[] = ".cvl";

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + '/';
}

}  // namespace

bool CSyncDataFiles::IsDataFileName(const std::string& name) {
    if (EndsWith(name, kAccountSuffix)) return true;
    for (int list = 0; list < CCVAccountList::kListFileCount; ++list) {
        if (name == CCVAccountList::ListFileName(static_cast<CCVAccountList::ListFile>(list))) {
            return true;
        }
    }
    return false;
}

int CSyncDataFiles::List(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    std::vector<std::string> entries;
    if (sys::ListFolder(WithSlash(folder), entries) != 0) return 1;
    for (const std::string& name : entries) {
        if (IsDataFileName(name) && sys::FileExists(WithSlash(folder) + name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return 0;
}

int CSyncDataFiles::Others(const std::string& folder, std::vector<std::string>& names) {
    names.clear();
    std::vector<std::string> entries;
    if (sys::ListFolder(WithSlash(folder), entries) != 0) return 1;
    for (const std::string& name : entries) {
        if (!IsDataFileName(name) || !sys::FileExists(WithSlash(folder) + name)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return 0;
}
