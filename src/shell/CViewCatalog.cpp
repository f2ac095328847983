#include "shell/CViewCatalog.h"

#include "shell/CCVView.h"
#include "shell/ViewNumbers.h"

namespace shell {

bool CViewCatalog::Register(int view, Factory factory) {
    if (view < kFirstViewNumber || view > kLastViewNumber || !factory) return false;
    m_factories[view] = std::move(factory);
    return true;
}

bool CViewCatalog::Has(int view) const {
    return m_factories.count(view) != 0;
}

std::unique_ptr<CCVView> CViewCatalog::Make(int view) const {
    const auto it = m_factories.find(view);
    if (it == m_factories.end()) return nullptr;
    return it->second();
}

}  // namespace shell
