#include "ofx/CFidbClient.h"

#include <mutex>
#include <vector>

#include "ofx/FiDirectory.h"
#include "ofx/OfxTransport.h"
#include "platform/sys/Files.h"

using ofx::FiDirectory;
using ofx::OfxStatus;

namespace {

constexpr std::string_view kUrlSchemes[] = {"https://", "http://"};

std::mutex g_locationMutex;
std::string g_location;

bool IsUrl(const std::string& location) {
    for (std::string_view scheme : kUrlSchemes) {
        if (location.starts_with(scheme)) return true;
    }
    return false;
}

}  // namespace

void CFidbClient::SetDirectoryLocation(const std::string& location) {
    std::lock_guard lock(g_locationMutex);
    g_location = location;
}

std::string CFidbClient::DirectoryLocation() {
    std::lock_guard lock(g_locationMutex);
    return g_location;
}

template <typename Handler>
OfxStatus CFidbClient::Load(Handler& handler, FiDirectory& directory) {
    if (!handler.OnProgress(0)) return ofx::Cancelled();
    const std::string location = DirectoryLocation();
    if (location.empty()) return directory.Parse(FiDirectory::BuiltIn());
    std::string text;
    if (IsUrl(location)) {
        ofx::OfxTransport transport([&handler](std::uint32_t v) { return handler.OnProgress(v); });
        if (OfxStatus status = transport.Get(location, text); !status.Ok()) return status;
    } else {
        std::vector<std::uint8_t> bytes;
        if (sys::ReadWholeFile(location, bytes) != 0) {
            return ofx::Failure(ofx::kErrorFileNotFound, res::IDS_FIDB_UNREADABLE,
                                location.c_str());
        }
        text.assign(bytes.begin(), bytes.end());
    }
    return directory.Parse(text);
}

bool CFidbClient::Finish(OfxStatus status) {
    m_error = status.code;
    m_errorMessage = std::move(status.message);
    return m_error == ofx::kOk;
}

bool CFidbClient::UpdateFiList(std::uint32_t listVersion, MUpdateFiListEventHandler& handler) {
    FiDirectory directory;
    if (OfxStatus status = Load(handler, directory); !status.Ok()) return Finish(std::move(status));
    // A version the directory never reached (another directory, or one started again) cannot be
    // caught up with: the whole list is sent.
    const bool whole = listVersion == 0 || listVersion > directory.Version();
    std::uint32_t step = 0;
    for (const FiDirectory::Institution& fi : directory.Institutions()) {
        if (!whole && fi.changed <= listVersion) continue;
        if (!handler.OnProgress(++step)) return Finish(ofx::Cancelled());
        const bool added = whole || fi.added > listVersion;
        const int answer = added ? handler.OnFiAdded(fi.id, fi.name.c_str())
                                 : handler.OnFiChanged(fi.id, fi.name.c_str());
        if (answer != 0) return Finish(ofx::Refused(answer));
    }
    if (!whole) {
        for (const FiDirectory::Removal& removal : directory.Removals()) {
            if (removal.removed <= listVersion) continue;
            if (!handler.OnProgress(++step)) return Finish(ofx::Cancelled());
            if (int answer = handler.OnFiRemoved(removal.id)) return Finish(ofx::Refused(answer));
        }
    }
    if (int answer = handler.OnFiListVersion(directory.Version()))
        return Finish(ofx::Refused(answer));
    return Finish({});
}

bool CFidbClient::UpdateFiItem(std::uint32_t id, std::uint32_t version,
                               MUpdateFiItemEventHandler& handler) {
    FiDirectory directory;
    if (OfxStatus status = Load(handler, directory); !status.Ok()) return Finish(std::move(status));
    const FiDirectory::Institution* fi = directory.Find(id);
    if (fi == nullptr) {
        return Finish(ofx::Failure(ofx::kErrorNotFound, res::IDS_FIDB_UNKNOWN_INSTITUTION, id));
    }
    if (fi->parametersVersion > version) {
        if (int answer = handler.OnFiItem(id, fi->parametersVersion, fi->url.c_str(),
                                          fi->org.c_str(), fi->fid.c_str(), fi->ofxVersion.c_str(),
                                          fi->application.c_str())) {
            return Finish(ofx::Refused(answer));
        }
    }
    return Finish({});
}
