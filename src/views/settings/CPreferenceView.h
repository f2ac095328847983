#pragma once

#include "resources/StringIds.h"
#include "shell/CCVView.h"

// The preferences (view 33): whether dates show the year and amounts their decimals, the data
// folder, the import folder and the institution directory. "Done" checks the folders and the
// directory, stores everything, and when the data folder changed reads the data of the new folder
// and opens its accounts summary; "Cancel" and the Back key leave everything as it was.
namespace views {

class CPreferenceView : public shell::CCVView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnSize(int width, int height) override;

  private:
    struct Row {
        ui::HWND label = nullptr;
        ui::HWND field = nullptr;
    };
    Row AddRow(int top, res::StringId label, int id, const std::wstring& text);
    // Says why a text was refused; the folder fills the texts that name it.
    void Refuse(res::StringId message, const std::wstring& folder);
    void Done();

    ui::HWND m_showYear = nullptr;
    ui::HWND m_showDecimal = nullptr;
    Row m_userPath;
    Row m_importPath;
    Row m_directory;
};

}  // namespace views
