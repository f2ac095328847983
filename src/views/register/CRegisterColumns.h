#pragma once

#include <array>
#include <vector>

#include "model/CTxnSortOrder.h"
#include "resources/StringIds.h"

class CCVPreferences;

// The register's ten columns: which the account shows, where each stands across the screen's
// width, their headers and alignment. Column numbers are those of the sort commands (0 the
// cleared mark to 8 the amount) and 9 the running balance, which is never a sort column.
namespace views {

// Columns 0-8 are the register's sort columns; the running balance follows them.
using enum CTxnSortOrder::Column;
constexpr int kColumnBalance = CTxnSortOrder::kColumnCount;
constexpr int kRegisterColumnCount = kColumnBalance + 1;

class CRegisterColumns {
  public:
    // Reads which columns the account's settings show (the preferences' current settings).
    void ReadShown(const CCVPreferences& preferences);
    void SetShown(int column, bool shown);
    bool IsShown(int column) const;
    // The shown columns, left to right.
    std::vector<int> Visible() const;
    // The column shown at position n from the left, or -1.
    int VisibleAt(int position) const;

    // Spreads the shown columns over `width` cells: fixed widths for the marks, dates and amounts,
    // the rest shared by the text columns.
    void Layout(int width);
    int Left(int column) const { return m_left[static_cast<std::size_t>(column)]; }
    int Width(int column) const { return m_width[static_cast<std::size_t>(column)]; }

    static res::StringId HeaderId(int column);
    static bool IsRightAligned(int column);
    static bool IsSortColumn(int column) {
        return column >= kColumnCheck && column < kColumnBalance;
    }

  private:
    std::array<bool, kRegisterColumnCount> m_shown{};
    std::array<int, kRegisterColumnCount> m_left{};
    std::array<int, kRegisterColumnCount> m_width{};
};

}  // namespace views
