#include "views/lists/CCategoryListAdapter.h"

#include "model/CCVCategoryList.h"
#include "resources/IconGlyphs.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

constexpr int kSubCategoryIndent = 2;

}  // namespace

const CCVItemList& CCategoryListAdapter::List() const {
    return m_categories;
}

CListAdapter::Row CCategoryListAdapter::RowAt(int index) const {
    Row row;
    if (const CCVCategoryItem* category = m_categories.At(index)) {
        row.icon = res::IconGlyph(kIconSet, category->GetIcon());
        row.indent = category->IsSubCategory() == kYes ? kSubCategoryIndent : 0;
        row.name = CCVUIUtility::WideCopy(category->GetName());
    }
    return row;
}

EditOutcome CCategoryListAdapter::Delete(std::int64_t index) {
    return m_categories.DeleteCategory(index);
}

}  // namespace views
