#include "online/CFiList.h"

#include <cstring>
#include <set>
#include <vector>

#include "online/CCVProgress.h"
#include "storage/RecordArchive.h"

namespace {

constexpr std::uint16_t kListVersion = 0;

}  // namespace

CFiList::CFiList() : CCVItemList("CFiItem", kListVersion) {}

int CFiList::Serialize(RecordArchive& ar) {
    if (ar.IsLoading()) {
        if (const int rc = CCVItemList::Serialize(ar); rc != 0) return rc;
        std::uint16_t reserved1 = 0;
        std::uint32_t directoryVersion = 0;
        std::uint32_t reserved2 = 0;
        // Without its trailer the list is damaged; its directory version stays unknown, so the
        // next update fetches the whole directory.
        if (ar.Transfer(reserved1) != 0 || ar.Transfer(directoryVersion) != 0 ||
            ar.Transfer(reserved2) != 0) {
            return 1;
        }
        m_reserved1 = reserved1;
        m_directoryVersion = directoryVersion;
        m_reserved2 = reserved2;
        DropReplacedCopies();
        return 0;
    }
    CFiList live;
    live.SetBorrowing();
    for (std::uint32_t i = 0; i < Count(); ++i) live.Append(GetAt(i));
    int rc = live.CCVItemList::Serialize(ar);
    if (rc == 0) rc = ar.Transfer(m_reserved1);
    if (rc == 0) rc = ar.Transfer(m_directoryVersion);
    if (rc == 0) rc = ar.Transfer(m_reserved2);
    return rc;
}

void CFiList::DropReplacedCopies() {
    std::set<std::uint32_t> seen;
    std::vector<CCVItem*> copies;
    for (std::uint32_t i = 0; i < Count(); ++i) {
        if (!seen.insert(At(i)->FiId()).second) copies.push_back(GetAt(i));
    }
    for (CCVItem* copy : copies) MarkDeleted(copy);
}

CFiItem* CFiList::FindById(std::uint32_t fiId) const {
    for (std::uint32_t i = 0; i < Count(); ++i) {
        if (At(i)->FiId() == fiId) return At(i);
    }
    return nullptr;
}

CFiItem* CFiList::FindByName(const char* name) const {
    if (name == nullptr) return nullptr;
    for (std::uint32_t i = 0; i < Count(); ++i) {
        if (std::strcmp(At(i)->GetName(), name) == 0) return At(i);
    }
    return nullptr;
}

void CFiList::ResetVersion() {
    m_reserved1 = 0;
    m_directoryVersion = 0;
    m_reserved2 = 0;
}

bool CFiList::OnProgress(std::uint32_t value) {
    return ContinueAfterStep(m_progress, value);
}

int CFiList::Replace(std::uint32_t id, const char* name) {
    MarkDeleted(FindById(id));  // nothing for an unknown id
    auto item = std::make_unique<CFiItem>(id, name);
    InsertSorted(item.get());
    item.release();  // the list owns it now
    return 0;
}

int CFiList::OnFiAdded(std::uint32_t id, const char* name) {
    return Replace(id, name);
}

int CFiList::OnFiChanged(std::uint32_t id, const char* name) {
    return Replace(id, name);
}

int CFiList::OnFiRemoved(std::uint32_t id) {
    MarkDeleted(FindById(id));
    return 0;
}

int CFiList::OnFiListVersion(std::uint32_t version) {
    m_directoryVersion = version;
    return 0;
}
