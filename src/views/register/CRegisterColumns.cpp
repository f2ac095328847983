#include "views/register/CRegisterColumns.h"

#include <algorithm>

#include "preferences/CCVPreferences.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"

namespace views {
namespace {

using Column = CCVPreferences::Column;

// The setting that shows each column, in column order.
constexpr Column kSettings[kRegisterColumnCount] = {
    Column::Clear,    Column::Icon,  Column::Date, Column::TransactionType, Column::Payee,
    Column::Category, Column::Class, Column::Memo, Column::Amount,          Column::Balance,
};

// Fixed widths in cells, blank included; 0 for the columns that share what is left.
constexpr int kFixedWidth[kRegisterColumnCount] = {2, 2, 9, 0, 0, 0, 0, 0, 13, 13};
// The share of the free width each text column takes.
constexpr int kShare[kRegisterColumnCount] = {0, 0, 0, 2, 5, 4, 2, 4, 0, 0};
constexpr int kMinimumTextWidth = 4;

}  // namespace

void CRegisterColumns::ReadShown(const CCVPreferences& preferences) {
    for (int column = 0; column < kRegisterColumnCount; ++column) {
        m_shown[static_cast<std::size_t>(column)] =
            preferences.GetColumnShown(kSettings[static_cast<std::size_t>(column)]);
    }
}

void CRegisterColumns::SetShown(int column, bool shown) {
    if (column >= 0 && column < kRegisterColumnCount)
        m_shown[static_cast<std::size_t>(column)] = shown;
}

bool CRegisterColumns::IsShown(int column) const {
    return column >= 0 && column < kRegisterColumnCount &&
           m_shown[static_cast<std::size_t>(column)];
}

std::vector<int> CRegisterColumns::Visible() const {
    std::vector<int> visible;
    for (int column = 0; column < kRegisterColumnCount; ++column) {
        if (IsShown(column)) visible.push_back(column);
    }
    return visible;
}

int CRegisterColumns::VisibleAt(int position) const {
    const std::vector<int> visible = Visible();
    return position >= 0 && position < static_cast<int>(visible.size())
               ? visible[static_cast<std::size_t>(position)]
               : -1;
}

void CRegisterColumns::Layout(int width) {
    int fixed = 0;
    int shares = 0;
    for (int column : Visible()) {
        fixed += kFixedWidth[column];
        shares += kShare[column];
    }
    const int free = std::max(0, width - fixed);
    int left = 0;
    int given = 0;
    int sharesSeen = 0;
    for (int column = 0; column < kRegisterColumnCount; ++column) {
        auto& w = m_width[static_cast<std::size_t>(column)];
        m_left[static_cast<std::size_t>(column)] = left;
        if (!IsShown(column)) {
            w = 0;
            continue;
        }
        if (kFixedWidth[column] != 0) {
            w = kFixedWidth[column];
        } else {
            // Cumulative rounding, so that the text columns fill the free width exactly.
            sharesSeen += kShare[column];
            const int upTo = shares == 0 ? 0 : free * sharesSeen / shares;
            w = std::max(kMinimumTextWidth, upTo - given);
            given = upTo;
        }
        left += w;
    }
}

res::StringId CRegisterColumns::HeaderId(int column) {
    // The marks have blank headers; the other columns are named as in "Sort By".
    if (column == kColumnBalance) return res::IDS_COLUMN_BALANCE;
    if (column < kColumnDate) return res::IDS_NONE;
    return res::NthStringId(res::IDS_SORT_CHECK, column, kColumnBalance);
}

bool CRegisterColumns::IsRightAligned(int column) {
    return column == kColumnAmount || column == kColumnBalance;
}

}  // namespace views
