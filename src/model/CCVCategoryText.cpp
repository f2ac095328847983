#include "model/CCVCategoryText.h"

#include <cstring>

#include "model/CCVAccount.h"
#include "model/CCVCategoryList.h"
#include "model/CTransaction.h"
#include "model/ModelText.h"

int CCVCategoryText::GetCategoryText(const RecordKey& categoryId, std::string& text,
                                     std::uint16_t& icon, Form form) const {
    text.clear();
    icon = 0;
    if (categoryId.IsNull()) return 0;
    if (categoryId == CTransaction::SplitCategoryId()) {
        text = LoadNarrowString(res::IDS_CATEGORY_SPLIT);
        icon = kSplitIcon;
        return 0;
    }
    if (const CCVAccount* account = m_accounts.FindAccountById(categoryId)) {
        text = account->GetName();
        if (form == kRegisterForm) text = kAccountOpen + text + kAccountClose;
        icon = account->Record().GetIcon();
        return 0;
    }
    const auto* category = static_cast<const CCVCategoryItem*>(m_categories.FindByKey(categoryId));
    if (category == nullptr) return 1;
    text = category->GetFullName(m_categories);
    icon = category->GetIcon();
    return 0;
}

std::string CCVCategoryText::GetCategoryText(const RecordKey& categoryId) const {
    std::string text;
    std::uint16_t icon = 0;
    GetCategoryText(categoryId, text, icon, kRegisterForm);
    return text;
}

RecordKey CCVCategoryText::GetCategoryId(const char* text) const {
    if (IsEmptyText(text)) return {};
    if (LoadNarrowString(res::IDS_CATEGORY_SPLIT) == text) return CTransaction::SplitCategoryId();
    if (text[0] == kAccountOpen) {
        std::string name(text + 1);
        if (!name.empty() && name.back() == kAccountClose) name.pop_back();
        const CCVAccount* account = m_accounts.FindAccountByName(name.c_str());
        return account != nullptr ? account->Record().GetAccountId() : RecordKey{};
    }
    return m_categories.FindOrCreate(text, false);
}
