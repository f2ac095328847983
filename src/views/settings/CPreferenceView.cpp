#include "views/settings/CPreferenceView.h"

#include <algorithm>

#include "model/CSettingsChange.h"
#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/ui/CCheckBox.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

constexpr int kMargin = 1;
constexpr int kPathLimit = 259;
constexpr int kIdShowYear = 1;
constexpr int kIdShowDecimal = 2;
constexpr int kIdUserPath = 3;
constexpr int kIdImportPath = 4;
constexpr int kIdDirectory = 5;
// Rows of the fields: two check boxes, then each text field under its label.
constexpr int kRowShowYear = 1;
constexpr int kRowShowDecimal = 2;
constexpr int kRowUserPath = 4;
constexpr int kRowImportPath = 7;
constexpr int kRowDirectory = 10;

std::wstring Text(res::StringId id) {
    return std::wstring(res::LoadString(id));
}

int FieldWidth(int width) {
    return std::max(1, width - 2 * kMargin);
}

bool IsChecked(ui::HWND box) {
    const auto* check = ui::GetControl<ui::CCheckBox>(box);
    return check != nullptr && check->IsChecked();
}

}  // namespace

shell::CCVView::Frame CPreferenceView::Describe(ui::LPARAM) {
    return Frame{L"Preference", Text(res::IDS_PREFERENCES_TITLE), res::IDM_SETTINGS_FORM};
}

CPreferenceView::Row CPreferenceView::AddRow(int top, res::StringId label, int id,
                                             const std::wstring& text) {
    const int width = FieldWidth(ClientRect().Width());
    Row row;
    row.label = AddLabel(Text(label), ui::RECT{kMargin, top, kMargin + width, top + 1});
    row.field =
        AddField(L"EDIT", 0, ui::RECT{kMargin, top + 1, kMargin + width, top + 2}, id, text);
    if (auto* edit = ui::GetControl<ui::CEdit>(row.field)) edit->SetLimit(kPathLimit);
    return row;
}

bool CPreferenceView::OnCreate(ui::LPARAM) {
    const CCVPreferences& preferences = Model().GetPreferences();
    const int width = FieldWidth(ClientRect().Width());
    m_showYear = AddField(L"BUTTON", 0, ui::RECT{kMargin, kRowShowYear, kMargin + width, 2},
                          kIdShowYear, Text(res::IDS_SHOW_YEAR));
    m_showDecimal = AddField(L"BUTTON", 0, ui::RECT{kMargin, kRowShowDecimal, kMargin + width, 3},
                             kIdShowDecimal, Text(res::IDS_SHOW_DECIMAL));
    auto* year = ui::GetControl<ui::CCheckBox>(m_showYear);
    auto* decimal = ui::GetControl<ui::CCheckBox>(m_showDecimal);
    if (year == nullptr || decimal == nullptr) return false;
    year->SetChecked(preferences.GetShowYear());
    decimal->SetChecked(preferences.GetShowDecimal());
    m_userPath = AddRow(kRowUserPath, res::IDS_USER_PATH, kIdUserPath, preferences.GetUserPath());
    m_importPath =
        AddRow(kRowImportPath, res::IDS_IMPORT_PATH, kIdImportPath, preferences.GetImportPath());
    m_directory = AddRow(kRowDirectory, res::IDS_INSTITUTION_DIRECTORY, kIdDirectory,
                         preferences.GetInstitutionDirectory());
    return m_userPath.field != nullptr && m_importPath.field != nullptr &&
           m_directory.field != nullptr;
}

void CPreferenceView::OnSize(int width, int) {
    const int inner = FieldWidth(width);
    ui::MoveWindow(m_showYear, kMargin, kRowShowYear, inner, 1);
    ui::MoveWindow(m_showDecimal, kMargin, kRowShowDecimal, inner, 1);
    for (const auto& [row, top] :
         {std::pair{m_userPath, kRowUserPath}, std::pair{m_importPath, kRowImportPath},
          std::pair{m_directory, kRowDirectory}}) {
        ui::MoveWindow(row.label, kMargin, top, inner, 1);
        ui::MoveWindow(row.field, kMargin, top + 1, inner, 1);
    }
}

bool CPreferenceView::OnCommand(int id) {
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

void CPreferenceView::Refuse(res::StringId message, const std::wstring& folder) {
    const std::string narrow = sys::WideToUtf8(folder);
    Ask(message, ui::MB_OK | ui::MB_ICONWARNING,
        CCVUIUtility::FormatString(message, narrow.c_str()));
}

void CPreferenceView::Done() {
    const std::wstring userPath = ui::GetWindowText(m_userPath.field);
    const std::wstring importPath = ui::GetWindowText(m_importPath.field);
    const std::wstring directory = ui::GetWindowText(m_directory.field);
    CCVPreferences& preferences = Model().GetPreferences();
    const bool newFolder = !CSettingsChange::SameFolder(userPath, preferences.GetUserPath());
    // Everything is checked, and asked, before anything is stored.
    bool startNewData = false;
    if (newFolder) {
        const EditOutcome check = CSettingsChange::CheckDataFolder(userPath);
        if (check.result == EditOutcome::kRefused) {
            ui::SetFocus(m_userPath.field);
            Refuse(check.message, userPath);
            return;
        }
        if (check.result == EditOutcome::kAsk) {
            const std::string narrow = sys::WideToUtf8(userPath);
            if (!Ask(check.message, ui::MB_YESNO | ui::MB_ICONQUESTION,
                     CCVUIUtility::FormatString(check.message, narrow.c_str()))) {
                ui::SetFocus(m_userPath.field);
                return;
            }
            startNewData = true;
        }
    }
    if (const EditOutcome check = CSettingsChange::CheckFolder(importPath); !check.IsDone()) {
        ui::SetFocus(m_importPath.field);
        Refuse(check.message, importPath);
        return;
    }
    if (const EditOutcome check = CSettingsChange::CheckInstitutionDirectory(directory);
        !check.IsDone()) {
        ui::SetFocus(m_directory.field);
        Refuse(check.message, directory);
        return;
    }
    // Put back when the data folder cannot be changed, so that a refusal changes nothing.
    const bool showYear = preferences.GetShowYear();
    const bool showDecimal = preferences.GetShowDecimal();
    const std::wstring oldImportPath = preferences.GetImportPath();
    const std::wstring oldDirectory = preferences.GetInstitutionDirectory();
    if (!(preferences.SetShowYear(IsChecked(m_showYear)) &&
          preferences.SetShowDecimal(IsChecked(m_showDecimal)) &&
          preferences.SetImportPath(importPath) &&
          preferences.SetInstitutionDirectory(directory))) {
        Ask(res::IDS_PREFERENCES_NOT_STORED, ui::MB_OK | ui::MB_ICONWARNING);
        return;
    }
    if (!newFolder) {
        PostBack();
        return;
    }
    const EditOutcome changed = CSettingsChange::ChangeDataFolder(Model(), userPath, startNewData);
    if (!changed.IsDone()) {
        preferences.SetShowYear(showYear);
        preferences.SetShowDecimal(showDecimal);
        preferences.SetImportPath(oldImportPath);
        preferences.SetInstitutionDirectory(oldDirectory);
        ui::SetFocus(m_userPath.field);
        Refuse(changed.message, changed.message == res::IDS_DATA_NOT_SAVED_SCREEN
                                    ? sys::Utf8ToWide(Model().GetDataFolder())
                                    : userPath);
        return;
    }
    // The screens behind held the old folder's data: the summary of the new one opens afresh.
    shell::CCVApplication::Instance().PostRestartAtSummary();
}

}  // namespace views
