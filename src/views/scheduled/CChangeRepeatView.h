#pragma once

#include "model/CRepeatSetting.h"
#include "shell/CLabelledFormView.h"

// How a scheduled transaction repeats (view 59, "ChangeRepeat"), opened by the transaction editor
// with the repeat it holds: the next date, the frequency, "Indefinitely" or a number of times,
// and "Manually" or "Remind me" some days in advance. "Done" checks the entries and hands the
// repeat back to the editor; "Cancel" and Back leave it as it was.
namespace views {

class CChangeRepeatView : public shell::CLabelledFormView {
  protected:
    Frame Describe(ui::LPARAM param) override;
    bool OnCreate(ui::LPARAM param) override;
    bool OnCommand(int id) override;
    void OnControlCommand(int id, unsigned code) override;

  private:
    void Done();
    // The count and the days are typed only where they count.
    void EnableDependentFields();

    CRepeatSetting m_repeat;
    ui::HWND m_date = nullptr;
    ui::HWND m_frequency = nullptr;
    ui::HWND m_repeatKind = nullptr;
    ui::HWND m_times = nullptr;
    ui::HWND m_enter = nullptr;
    ui::HWND m_days = nullptr;
};

}  // namespace views
