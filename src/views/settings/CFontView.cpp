#include "views/settings/CFontView.h"

#include <algorithm>

#include "model/CVModel.h"
#include "platform/ui/CCheckBox.h"
#include "platform/ui/CSpinner.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/ViewNumbers.h"

namespace views {
namespace {

using Column = CCVPreferences::Column;

constexpr int kMargin = 1;
constexpr int kIdStyle = 1;
constexpr int kIdFirstColumn = 10;
constexpr int kRowTarget = 1;
constexpr int kRowStyleLabel = 3;
constexpr int kRowStyle = 4;
constexpr int kRowSample = 5;
constexpr int kRowColumnsLabel = 7;
constexpr int kRowFirstColumn = 8;

// The register's columns from left to right, with the setting that shows each: the order in
// which the register lays them out.
constexpr Column kColumns[CFontView::kColumnCount] = {
    Column::Clear,    Column::Icon,  Column::Date, Column::TransactionType, Column::Payee,
    Column::Category, Column::Class, Column::Memo, Column::Amount,          Column::Balance,
};

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

int InnerWidth(int width) {
    return std::max(1, width - 2 * kMargin);
}

}  // namespace

shell::CScreenFont::Target CFontView::Target() const {
    switch (ViewNumber()) {
        case shell::kViewColumns:
            return shell::CScreenFont::Target::kRegister;
        case shell::kViewReportFont:
            return shell::CScreenFont::Target::kReports;
        case shell::kViewBudgetFont:
            return shell::CScreenFont::Target::kBudgets;
        default:
            return shell::CScreenFont::Target::kScreens;
    }
}

shell::CCVView::Frame CFontView::Describe(ui::LPARAM) {
    return Frame{L"FontView", Text(res::IDS_FONT_TITLE), res::IDM_SETTINGS_FORM};
}

bool CFontView::OnCreate(ui::LPARAM) {
    const bool forRegister = Target() == shell::CScreenFont::Target::kRegister;
    if (forRegister && Model().GetCurrentAccount() == nullptr) return false;
    const CCVPreferences& preferences = Model().GetPreferences();
    m_font = shell::CScreenFont::Read(preferences, Target());
    const int width = InnerWidth(ClientRect().Width());
    static constexpr res::StringId kTargets[] = {
        res::IDS_FONT_FOR_SUMMARY, res::IDS_FONT_FOR_REGISTER, res::IDS_FONT_FOR_REPORTS,
        res::IDS_FONT_FOR_BUDGETS};
    AddLabel(Text(kTargets[static_cast<int>(Target())]),
             ui::RECT{kMargin, kRowTarget, kMargin + width, kRowTarget + 1});
    m_styleLabel = AddLabel(Text(res::IDS_FONT_STYLE),
                            ui::RECT{kMargin, kRowStyleLabel, kMargin + width, kRowStyleLabel + 1});
    m_style = AddField(L"LISTBOX", 0, ui::RECT{kMargin, kRowStyle, kMargin + width, kRowStyle + 1},
                       kIdStyle);
    auto* spinner = ui::GetControl<ui::CSpinner>(m_style);
    if (spinner == nullptr) return false;
    for (int style = 0; style < CFontRecord::kStyleCount; ++style) {
        spinner->AddString(
            Text(res::NthStringId(res::IDS_FONT_STYLE_FIRST, style, CFontRecord::kStyleCount)));
    }
    spinner->SetCurSel(m_font.GetStyle());
    if (!forRegister) return true;

    m_columnsLabel =
        AddLabel(Text(res::IDS_FONT_COLUMNS),
                 ui::RECT{kMargin, kRowColumnsLabel, kMargin + width, kRowColumnsLabel + 1});
    for (int column = 0; column < kColumnCount; ++column) {
        const int row = kRowFirstColumn + column;
        const ui::HWND box = AddField(
            L"BUTTON", 0, ui::RECT{kMargin, row, kMargin + width, row + 1}, kIdFirstColumn + column,
            Text(res::NthStringId(res::IDS_COLUMN_LABEL_FIRST, column, kColumnCount)));
        auto* check = ui::GetControl<ui::CCheckBox>(box);
        if (check == nullptr) return false;
        check->SetChecked(preferences.GetColumnShown(kColumns[column]));
        m_columns[static_cast<std::size_t>(column)] = box;
    }
    return true;
}

void CFontView::OnSize(int width, int) {
    const int inner = InnerWidth(width);
    ui::MoveWindow(m_styleLabel, kMargin, kRowStyleLabel, inner, 1);
    ui::MoveWindow(m_style, kMargin, kRowStyle, inner, 1);
    ui::MoveWindow(m_columnsLabel, kMargin, kRowColumnsLabel, inner, 1);
    for (int column = 0; column < kColumnCount; ++column) {
        ui::MoveWindow(m_columns[static_cast<std::size_t>(column)], kMargin,
                       kRowFirstColumn + column, inner, 1);
    }
}

CFontRecord::Style CFontView::ChosenStyle() const {
    const auto* spinner = ui::GetControl<ui::CSpinner>(m_style);
    const int selected = spinner != nullptr ? spinner->GetCurSel() : 0;
    return selected >= 0 && selected < CFontRecord::kStyleCount
               ? static_cast<CFontRecord::Style>(selected)
               : CFontRecord::kNormal;
}

void CFontView::OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
    CFontRecord sample = m_font;
    sample.SetStyle(ChosenStyle());
    const ui::HFONT previous = dc.SelectFont(shell::CScreenFont::FontOf(sample));
    ui::RECT line{kMargin + 2, kRowSample, client.right - kMargin, kRowSample + 1};
    dc.DrawText(Text(res::IDS_FONT_SAMPLE), line, ui::DT_SINGLELINE | ui::DT_END_ELLIPSIS);
    dc.SelectFont(previous);
}

ui::LRESULT CFontView::OnMessage(ui::UINT message, ui::WPARAM, ui::LPARAM, bool& handled) {
    handled = message == ui::WM_CV_VALUE_CHANGED;
    if (handled) Repaint();  // the sample follows the style
    return 0;
}

bool CFontView::OnCommand(int id) {
    switch (id) {
        case res::IDC_SETTINGS_DONE:
            Done();
            return true;
        case res::IDC_SETTINGS_CANCEL:
            PostBack();
            return true;
        default:
            return false;
    }
}

void CFontView::Done() {
    const CCVPreferences& preferences = Model().GetPreferences();
    std::array<bool, kColumnCount> shown{};
    if (Target() == shell::CScreenFont::Target::kRegister) {
        for (int column = 0; column < kColumnCount; ++column) {
            const auto* check =
                ui::GetControl<ui::CCheckBox>(m_columns[static_cast<std::size_t>(column)]);
            shown[static_cast<std::size_t>(column)] = check != nullptr && check->IsChecked();
        }
        if (std::none_of(shown.begin(), shown.end(), [](bool on) { return on; })) {
            Ask(res::IDS_FONT_NO_COLUMN, ui::MB_OK | ui::MB_ICONWARNING);
            return;
        }
    }
    CFontRecord font = m_font;
    font.SetStyle(ChosenStyle());
    bool stored = shell::CScreenFont::Write(preferences, Target(), font);
    if (Target() == shell::CScreenFont::Target::kRegister) {
        for (int column = 0; column < kColumnCount && stored; ++column) {
            stored = preferences.SetColumnShown(kColumns[column],
                                                shown[static_cast<std::size_t>(column)]);
        }
    }
    if (!stored) {
        Ask(res::IDS_FONT_NOT_STORED, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    PostBack();
}

}  // namespace views
