#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/CDeviceContext.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/WinMessages.h"
#include "shell/NavigationRecords.h"

class CVModel;

// The base of every screen: one full-screen window of the view's own class with a soft-key bar,
// the focus ring of its fields, and typed hooks for what the screen does. A screen holds only its
// layout and its screen rules; it reaches other screens only by posting navigation commands.
//
// Life: the controller makes the object (CViewCatalog), calls Create with the view number and the
// navigation parameter, restores its saved state when Back returns to it, and destroys it when
// another screen takes over. Create answers null when the screen cannot be built; the controller
// then keeps the screen it had.
//
// Keys: up and down go to a focused list first (it keeps them); otherwise they move the focus
// around the ring. The Back key erases in a focused edit field that holds text (erasing its last
// character does not leave the screen); otherwise, when released, it calls OnBack (by default:
// back to the previous screen).
namespace shell {

class CCVView {
  public:
    CCVView() = default;
    virtual ~CCVView();
    CCVView(const CCVView&) = delete;
    CCVView& operator=(const CCVView&) = delete;

    // Builds the window for view number `view` with the navigation parameter; null on failure.
    ui::HWND Create(int view, ui::LPARAM param);
    ui::HWND Window() const { return m_window; }
    int ViewNumber() const { return m_view; }

    // The state to find again after Back (selection, sort, focus); null for a screen that saves
    // none (Back then skips it).
    virtual std::unique_ptr<CViewState> SaveState() const { return nullptr; }
    virtual void RestoreState(const CViewState& state) { (void)state; }
    // The screen has become the current screen (after a restore, when there was one).
    virtual void OnShown() {}

  protected:
    struct Frame {
        std::wstring windowClass;  // the window class the screen registers
        std::wstring title;        // shown on the top row
        int menuId = 0;            // the soft-key bar
    };

    // The window class, title and soft keys for the navigation parameter.
    virtual Frame Describe(ui::LPARAM param) = 0;
    // Builds the controls; false when the screen cannot be shown (the window is then destroyed).
    virtual bool OnCreate(ui::LPARAM param) = 0;
    // A menu or soft-key command. True when handled; a command not handled that the transition
    // table knows from this screen navigates.
    virtual bool OnCommand(int id) {
        (void)id;
        return false;
    }
    virtual bool OnKey(unsigned vk) {
        (void)vk;
        return false;
    }
    // A notification of one of the screen's own controls (WM_COMMAND from a child: a spinner's
    // LBN_SELCHANGE or LBN_DBLCLK, an edit field's EN_CHANGE, ...).
    virtual void OnControlCommand(int id, unsigned code) {
        (void)id;
        (void)code;
    }
    virtual ui::LRESULT OnNotify(const ui::NMHDR& header) {
        (void)header;
        return 0;
    }
    virtual void OnSize(int width, int height) {
        (void)width;
        (void)height;
    }
    virtual void OnPaint(ui::CDeviceContext& dc, const ui::RECT& client) {
        (void)dc;
        (void)client;
    }
    virtual void OnActivate(bool active) { (void)active; }
    virtual void OnMeasureItem(ui::MEASUREITEMSTRUCT& item) { (void)item; }
    virtual void OnDrawItem(const ui::DRAWITEMSTRUCT& item) { (void)item; }
    // The navigation command a menu item leads to, for greying the items whose screen the program
    // does not have; by default the item's own id.
    virtual int NavigationCommandOf(int id) const { return id; }
    // The Back key was released on the screen (no edit field took it).
    virtual void OnBack();
    // Any other message (registered messages, WM_CV_VALUE_CHANGED). Set `handled` when taken.
    virtual ui::LRESULT OnMessage(ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam,
                                  bool& handled) {
        (void)message;
        (void)wParam;
        (void)lParam;
        handled = false;
        return 0;
    }

    // ---- what screens do ----
    void Navigate(int command, ui::LPARAM param = 0,
                  std::unique_ptr<CNavigationPayload> payload = nullptr);
    void PostBack(ui::LPARAM param = 0);
    // Goes back when the screen beneath is `view` (true), so that a screen reached from it
    // returns to it rather than opening another of it on top.
    bool BackIfBeneathIs(int view);
    // Navigates when a lock password is set; otherwise says "You need to set password first.".
    void NavigateIfPasswordSet(int command);
    // Whether `command` leads from this screen to a screen the program has.
    bool CanNavigate(int command) const;
    // The payload handed with the navigation that opened this screen (during OnCreate), or null.
    std::unique_ptr<CNavigationPayload> TakePayload();
    // A message box over this screen with the program's caption; true for OK or Yes.
    bool Ask(int textId, ui::UINT style, const std::wstring& text = {});

    // A child control that takes part in the focus ring.
    ui::HWND AddField(const wchar_t* className, ui::DWORD style, const ui::RECT& rect, int id,
                      const std::wstring& text = L"");
    ui::HWND AddLabel(const std::wstring& text, const ui::RECT& rect);
    void MoveFocus(int direction);
    int FocusIndex() const;
    void SetFocusIndex(int index);

    ui::CMenu* Menu() const;
    void CheckRadio(int first, int last, int checked);
    ui::RECT ClientRect() const;
    void Repaint() const;

    static CVModel& Model();

  private:
    ui::LRESULT WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam);
    bool RegisterWindowClass(const std::wstring& name);
    void HandleBackKey(ui::LPARAM lParam);
    void GreyItems(ui::CMenu& menu);

    ui::HWND m_window = nullptr;
    ui::HWND m_bar = nullptr;
    int m_view = 0;
    std::vector<ui::HWND> m_focusRing;
    bool m_backErases = false;  // the Back key went down in a field that held text
    bool m_routingArrow = false;  // Up or Down is being handed to the field that wants arrows
};

}  // namespace shell
