#include "shell/CCVProgram.h"

#include <cstdio>

#include "model/CVModel.h"
#include "platform/sys/CodePage.h"
#include "platform/sys/NamedMutex.h"
#include "platform/sys/ProgramPaths.h"
#include "platform/sys/StartProgram.h"
#include "platform/ui/CBroadcastChannel.h"
#include "platform/ui/WindowApi.h"
#include "preferences/CCVPreferences.h"
#include "preferences/CCVRegistry.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVApplication.h"
#include "shell/CCVUIUtility.h"
#include "shell/CSyncHandshake.h"
#include "shell/CSyncRefreshScreen.h"
#include "shell/RegisteredMessages.h"
#include "shell/ViewNumbers.h"
#include "storage/CCVPassword.h"

namespace shell {
namespace {

constexpr wchar_t kInstallDirValue[] = L"CoinvaleInstallDir";
constexpr char kReminderProgram[] = "coinvale-reminder";
// The parameter of the password prompt opened at start-up.
constexpr ui::LPARAM kPromptAtStart = 1;

// The program whose Run is running, for what the start-up prompt's load finds.
CCVProgram* g_running = nullptr;

}  // namespace

int CCVProgram::RefuseSecondInstance(std::FILE* errors) {
    {
        ui::CBroadcastChannel announce(false);
        ui::PostMessage(ui::HWND_BROADCAST, RegisteredMessage(kRunningInstanceMessage), 0, 0);
    }
    std::fprintf(errors, "%s\n",
                 sys::WideToUtf8(res::LoadString(res::IDS_ALREADY_RUNNING)).c_str());
    return 1;
}

void CCVProgram::StartReminderProgram() {
    StartReminderProgram(sys::FolderOf(sys::OwnExecutablePath()));
}

bool CCVProgram::StartReminderProgram(const std::string& programFolder) {
    std::wstring folder = CCVRegistry::ReadString(
        sys::HKEY_CURRENT_USER, CCVPreferences::ProgramKey(), kInstallDirValue, L"");
    if (folder.empty()) {
        // Nothing recorded where the program is installed: a companion installed beside this
        // program is its own, and the folder is recorded as an installer would have done.
        if (programFolder.empty() || !sys::IsExecutableFile(programFolder + kReminderProgram)) {
            return false;
        }
        folder = sys::Utf8ToWide(programFolder);
        CCVRegistry::WriteString(sys::HKEY_CURRENT_USER, CCVPreferences::ProgramKey(),
                                 kInstallDirValue, folder);
    }
    // One companion at a time: one already running (started before, or the user's service)
    // carries on, and a second one would only say that it is not needed.
    if (sys::NamedMutex::ProbeHeld(sys::NamedMutex::kReminderMutexName) ==
        sys::NamedMutex::kProbeHeld) {
        return false;
    }
    std::string path = sys::WideToUtf8(folder);
    if (path.back() != '/') path += '/';
    return sys::StartProgram(path + kReminderProgram, {}) == 0;
}

CCVProgram::~CCVProgram() {
    if (g_running == this) g_running = nullptr;
}

void CCVProgram::ChooseFirstScreen() {
    // What goes wrong while loading counts in this program's Problems().
    g_running = this;
    if (CVModel::GetModel()->PasswordState() == CCVPassword::kPasswordSet) {
        CCVApplication::Instance().PostNavigate(kEventPasswordPrompt, kPromptAtStart);
        return;
    }
    LoadDataAndOpenSummary();
}

void CCVProgram::LoadDataAndOpenSummary() {
    CVModel& model = *CVModel::GetModel();
    CCVUIUtility& utility = CCVUIUtility::Instance();
    utility.ShowWaitCursor();
    const int loaded = model.Init();
    utility.HideWaitCursor();
    if (loaded == CVModel::kDataFolderInUse) {
        // Another program writes the folder: this one would lose its changes or theirs.
        const std::wstring text = CCVUIUtility::FormatString(res::IDS_DATA_FOLDER_IN_USE_SCREEN,
                                                             model.GetDataFolder().c_str());
        if (g_running != nullptr) g_running->m_problems += text + L"\n";
        utility.MessageBox(nullptr, res::IDS_NONE, ui::MB_OK | ui::MB_ICONERROR, res::IDS_APP_NAME,
                           text);
        if (g_running != nullptr) g_running->m_loadFailed = true;
        ui::PostQuitMessage(1);
        return;
    }
    if (const CCVAccountList* accounts = model.GetAccountList()) {
        for (const CCVAccountList::DamagedFile& damaged : accounts->DamagedFiles()) {
            utility.MessageBox(
                nullptr, res::IDS_NONE, ui::MB_OK | ui::MB_ICONWARNING, res::IDS_APP_NAME,
                CCVUIUtility::FormatString(res::IDS_FILE_DAMAGED_SCREEN, damaged.path.c_str(),
                                           damaged.copyPath.c_str()));
        }
        std::string leftOut;
        for (const CCVAccountList::FileProblem& problem : accounts->Problems()) {
            leftOut += (leftOut.empty() ? "" : ", ") + problem.path;
        }
        if (!leftOut.empty()) {
            utility.MessageBox(
                nullptr, res::IDS_NONE, ui::MB_OK | ui::MB_ICONWARNING, res::IDS_APP_NAME,
                CCVUIUtility::FormatString(res::IDS_FILES_LEFT_OUT_SCREEN, leftOut.c_str()));
        }
    }
    if (loaded != 0) {
        const std::wstring text = CCVUIUtility::FormatString(res::IDS_DATA_NOT_LOADED_SCREEN,
                                                             model.GetDataFolder().c_str());
        if (g_running != nullptr) g_running->m_problems += text + L"\n";
        utility.MessageBox(nullptr, res::IDS_NONE, ui::MB_OK | ui::MB_ICONERROR, res::IDS_APP_NAME,
                           text);
        if (model.GetAccountList() == nullptr) {
            if (g_running != nullptr) g_running->m_loadFailed = true;
            ui::PostQuitMessage(1);
            return;
        }
    }
    CCVApplication::Instance().PostNavigate(s_reminder ? kEventReminder : kEventAccountsSummary, 0);
}

void CCVProgram::RequestEnd(unsigned long mainThread) {
    ui::PostThreadMessage(static_cast<ui::DWORD>(mainThread), ui::WM_QUIT, 0, 0);
}

bool CCVProgram::Preprocess(ui::MSG& msg, bool& end) {
    CCVApplication& app = CCVApplication::Instance();
    // ---- synchronisation ----
    // Acted on, and dispatched, only when addressed to the current screen's window: a broadcast
    // reaches every top-level window, and is handled once.
    if (CSyncHandshake::IsSyncMessage(msg.message)) {
        if (!CSyncHandshake::Serve(msg, app.CurrentWindow())) return false;
        RefreshAfterSync();
        return true;
    }
    if (msg.message == ui::WM_CLOSE) {
        end = true;
        return false;
    }
    if (ui::MoveArrowKeyToParent(msg)) return true;
    // Registered messages are rare: only they pay for the look-up of the name.
    if (msg.message >= ui::kFirstRegisteredMessage &&
        msg.message == RegisteredMessage(kRunningInstanceMessage) && !app.IsActivationBusy() &&
        app.Activate()) {
        return false;
    }
    RefreshAfterSync();
    return true;
}

void CCVProgram::RefreshAfterSync() {
    CCVApplication& app = CCVApplication::Instance();
    CVModel& model = *CVModel::GetModel();
    if (!model.IsReloadPending() || model.IsReloading()) return;
    if (app.CurrentWindow() == nullptr || ui::GetActiveWindow() != app.CurrentWindow()) return;
    if (!model.DataChangedOnDisk()) {
        // The synchroniser only read the files (a push), or brought the same ones: what is in
        // memory is what is on disk, and the screens stay as they are, with whatever was typed.
        model.SetReloadPending(false);
        return;
    }
    model.SetReloading(true);
    CSyncRefreshScreen::Show();
    CCVUIUtility& utility = CCVUIUtility::Instance();
    utility.ShowWaitCursor();
    // The screens refer to the data about to be thrown away: they go first.
    app.CloseAllScreens();
    const int loaded = model.Reinit();
    utility.HideWaitCursor();
    model.SetReloading(false);
    if (loaded != 0) {
        // The reload stays pending, so that what little was read is never saved over the files
        // the synchroniser left; "OK" leads out of the program.
        CSyncRefreshScreen::ShowFailure(CCVUIUtility::FormatString(
            res::IDS_SYNC_RELOAD_FAILED, model.GetDataFolder().c_str()));
        return;
    }
    model.SetReloadPending(false);
    // The summary takes the "Refreshing" screen away when it opens.
    app.PostNavigate(kEventAccountsSummary, 0);
}

void CCVProgram::Dispatch(const ui::MSG& msg) {
    ui::DispatchMessage(msg);
    if (msg.message == ui::WM_HELP) {
        ui::PostMessage(CCVApplication::Instance().Controller(), RegisteredMessage(kHelpMessage), 0,
                        0);
    }
}

bool CCVProgram::PumpUntilIdle() {
    ui::MSG msg;
    while (ui::PeekMessage(msg, nullptr, 0, 0, ui::PM_REMOVE)) {
        if (msg.message == ui::WM_QUIT) {
            ui::PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        ui::TranslateMessage(msg);
        bool end = false;
        if (Preprocess(msg, end)) Dispatch(msg);
        if (end) return false;
    }
    return true;
}

void CCVProgram::DropQuit() {
    ui::MSG msg;
    while (ui::PeekMessage(msg, nullptr, 0, 0, ui::PM_REMOVE)) {
        if (msg.message == ui::WM_QUIT) continue;
        ui::TranslateMessage(msg);
        ui::DispatchMessage(msg);
    }
}

int CCVProgram::Run() {
    g_running = this;
    CCVApplication& app = CCVApplication::Instance();
    app.SetFirstScreenChooser([this] { ChooseFirstScreen(); });
    if (app.CreateController() != 0) return 0;
    StartReminderProgram();

    ui::MSG msg;
    while (ui::GetMessage(msg)) {
        ui::TranslateMessage(msg);
        bool end = false;
        if (Preprocess(msg, end)) Dispatch(msg);
        if (end) break;
    }
    Shutdown();
    g_running = nullptr;
    return m_loadFailed || !m_problems.empty() ? 1 : 0;
}

void CCVProgram::Shutdown() {
    CCVApplication::Instance().Shutdown();
    CVModel& model = *CVModel::GetModel();
    CCVUIUtility::Instance().ShowWaitCursor();
    const int saved = model.SaveIfAllowed();
    if (saved != 0) m_problems += CCVUIUtility::SaveFailureMessage(model) + L"\n";
    model.SaveAndRelease();  // nothing left to write: ends the data and lets the folder go
    CCVUIUtility::Instance().HideWaitCursor();
    CSyncRefreshScreen::Dismiss();
    CSyncHandshake::Reset();
}

}  // namespace shell
