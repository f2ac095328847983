#include "views/lists/CCurrencyListAdapter.h"

#include "platform/sys/CodePage.h"
#include "platform/sys/TextFormat.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace views {

const CCVItemList& CCurrencyListAdapter::List() const {
    return m_currencies;
}

CListAdapter::Row CCurrencyListAdapter::RowAt(int index) const {
    Row row;
    if (const CCurrencyItem* currency = m_currencies.At(index)) {
        row.name = CCVUIUtility::WideCopy(currency->GetSymbol());
        // The rates right-aligned in their column, the base's mark before its rate.
        std::wstring mark(res::LoadString(res::IDS_BASE_CURRENCY_MARK));
        if (m_currencies.IsBase(currency) != kYes) mark.assign(mark.size(), L' ');
        row.detail = mark + L"  " + sys::Utf8ToWide(sys::FormatText("%14.9f", currency->GetRate()));
    }
    return row;
}

EditOutcome CCurrencyListAdapter::Delete(std::int64_t index) {
    return m_currencies.DeleteCurrency(index, m_users);
}

EditOutcome CCurrencyListAdapter::Command(int id, std::int64_t index, bool confirmed,
                                          bool& handled) {
    handled = id == res::IDC_CURRENCY_MAKE_BASE;
    if (!handled) return EditOutcome::Done();
    return m_currencies.MakeBase(index, confirmed);
}

}  // namespace views
