#include "views/help/CHelpViewer.h"

#include <algorithm>

#include "platform/sys/CodePage.h"
#include "platform/ui/CPaintDC.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/WindowApi.h"
#include "resources/ScreenIds.h"
#include "resources/StringTable.h"
#include "shell/CCVUIUtility.h"

namespace views {
namespace {

constexpr wchar_t kClass[] = L"HelpViewer";
constexpr char kContents[] = "Main_Contents";
constexpr int kMargin = 1;
constexpr ui::COLORREF kLinkColour = ui::RGB(0, 0, 192);

// The topic of "Coinvale.htm#Topic".
std::string TopicOf(const std::string& page) {
    const auto hash = page.find('#');
    return hash == std::string::npos ? page : page.substr(hash + 1);
}

// The page of a topic; a page that says so when the topic has none.
CHelpPage PageOf(const std::string& topic) {
    if (std::optional<CHelpPage> page = CHelpPage::Find(topic)) return *page;
    const std::wstring title(res::LoadString(res::IDS_HELP_TITLE));
    const std::wstring text = CCVUIUtility::FormatString(res::IDS_HELP_MISSING, topic.c_str()) +
                              L"\n\n[[" + sys::Utf8ToWide(kContents) + L"|" +
                              std::wstring(res::LoadString(res::IDS_MENU_CONTENTS)) + L"]]";
    return CHelpPage(sys::WideToUtf8(title + L"\n" + text));
}

}  // namespace

void CHelpViewer::Show(const std::string& page) {
    static const bool registered = ui::RegisterClass(
        kClass, [](ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam, ui::LPARAM lParam) {
            auto* viewer =
                reinterpret_cast<CHelpViewer*>(ui::GetWindowLongPtr(hwnd, ui::GWLP_USERDATA));
            return viewer != nullptr ? viewer->WindowProc(hwnd, message, wParam, lParam)
                                     : ui::DefWindowProc(hwnd, message, wParam, lParam);
        });
    if (!registered) return;
    const ui::HWND previous = ui::GetActiveWindow();
    CHelpViewer viewer;
    viewer.m_window = ui::CreateWindow(kClass, std::wstring(res::LoadString(res::IDS_HELP_TITLE)),
                                       ui::WS_VISIBLE, ui::CW_USEDEFAULT, ui::CW_USEDEFAULT,
                                       ui::CW_USEDEFAULT, ui::CW_USEDEFAULT, nullptr);
    if (viewer.m_window == nullptr) return;
    ui::SetWindowLongPtr(viewer.m_window, ui::GWLP_USERDATA,
                         reinterpret_cast<std::intptr_t>(&viewer));
    CCVUIUtility::Instance().CreateSoftKeyBar(res::IDM_HELP_VIEWER, viewer.m_window);
    viewer.Open(TopicOf(page), true);
    ui::SetForegroundWindow(viewer.m_window);
    ui::SetActiveWindow(viewer.m_window);
    ui::SetFocus(viewer.m_window);
    ui::RunModalLoop(viewer.m_window);
    ui::SetWindowLongPtr(viewer.m_window, ui::GWLP_USERDATA, 0);
    ui::DestroyWindow(viewer.m_window);
    if (ui::IsWindow(previous)) {
        ui::SetActiveWindow(previous);
        ui::SetForegroundWindow(previous);
    }
}

int CHelpViewer::Width() const {
    ui::RECT client;
    ui::GetClientRect(m_window, client);
    return std::max(1, client.Width() - 2 * kMargin);
}

int CHelpViewer::PageRows() const {
    ui::RECT client;
    ui::GetClientRect(m_window, client);
    return std::max(1, client.Height());
}

void CHelpViewer::Open(const std::string& topic, bool remember) {
    if (remember) m_history.push_back(topic);
    m_page = PageOf(topic);
    m_page.Layout(Width());
    m_top = 0;
    m_link = -1;
    ui::SetWindowText(m_window,
                      std::wstring(res::LoadString(res::IDS_HELP_TITLE)) + L": " + m_page.Title());
    ui::InvalidateRect(m_window);
}

void CHelpViewer::Back() {
    if (m_history.size() <= 1) {
        ui::EndDialog(m_window, ui::IDOK);
        return;
    }
    m_history.pop_back();
    Open(m_history.back(), false);
}

void CHelpViewer::ScrollTo(int top) {
    const int last = std::max(0, static_cast<int>(m_page.Lines().size()) - PageRows());
    m_top = std::clamp(top, 0, last);
    ui::InvalidateRect(m_window);
}

void CHelpViewer::SelectLink(int link) {
    const int count = static_cast<int>(m_page.LinkTopics().size());
    if (count == 0) return;
    m_link = (link % count + count) % count;
    const int line = m_page.LineOfLink(m_link);
    if (line < m_top) ScrollTo(line);
    if (line >= m_top + PageRows()) ScrollTo(line - PageRows() + 1);
    ui::InvalidateRect(m_window);
}

bool CHelpViewer::OnKey(unsigned vk) {
    switch (vk) {
        case ui::VK_UP:
            ScrollTo(m_top - 1);
            return true;
        case ui::VK_DOWN:
            ScrollTo(m_top + 1);
            return true;
        case ui::VK_PRIOR:
            ScrollTo(m_top - PageRows());
            return true;
        case ui::VK_NEXT:
            ScrollTo(m_top + PageRows());
            return true;
        case ui::VK_HOME:
            ScrollTo(0);
            return true;
        case ui::VK_END:
            ScrollTo(static_cast<int>(m_page.Lines().size()));
            return true;
        case ui::VK_RIGHT:
            SelectLink(m_link + 1);
            return true;
        case ui::VK_LEFT:
            SelectLink(m_link < 0 ? -1 : m_link - 1);
            return true;
        case ui::VK_RETURN:
            if (m_link >= 0 && m_link < static_cast<int>(m_page.LinkTopics().size())) {
                Open(m_page.LinkTopics()[static_cast<std::size_t>(m_link)], true);
            }
            return true;
        default:
            return false;
    }
}

void CHelpViewer::Paint(ui::CDeviceContext& dc, const ui::RECT& client) {
    // The page's title stands on the title row of the screen.
    const int rows = std::max(0, client.Height());
    const auto& lines = m_page.Lines();
    const ui::COLORREF text = ui::GetSysColor(ui::COLOR_WINDOWTEXT);
    for (int row = 0; row < rows; ++row) {
        const int index = m_top + row;
        if (index >= static_cast<int>(lines.size())) break;
        dc.SetTextColor(text);
        dc.TextOut(kMargin, row, lines[static_cast<std::size_t>(index)]);
    }
    ui::HFONT plain = dc.SelectFont(ui::CFont::Default());
    if (plain == nullptr) plain = ui::CFont::Default();
    dc.SelectFont(plain);
    for (const CHelpPage::Span& span : m_page.Spans()) {
        const int row = span.line - m_top;
        if (row < 0 || row >= rows) continue;
        const std::wstring part = lines[static_cast<std::size_t>(span.line)].substr(
            static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
        if (span.link == m_link) {
            const ui::RECT area{kMargin + span.start, row, kMargin + span.start + span.length,
                                row + 1};
            dc.FillRect(area, ui::GetSysColor(ui::COLOR_HIGHLIGHT));
            dc.SetTextColor(ui::GetSysColor(ui::COLOR_HIGHLIGHTTEXT));
        } else {
            dc.SetTextColor(kLinkColour);
        }
        ui::LOGFONT underlined = plain->Description();
        underlined.lfUnderline = true;
        dc.SelectFont(ui::CFont::Create(underlined));
        dc.TextOut(kMargin + span.start, row, part);
        dc.SelectFont(plain);
    }
}

ui::LRESULT CHelpViewer::WindowProc(ui::HWND hwnd, ui::UINT message, ui::WPARAM wParam,
                                    ui::LPARAM lParam) {
    switch (message) {
        case ui::WM_PAINT: {
            ui::CPaintDC dc(hwnd);
            Paint(dc.Context(), dc.ClientRect());
            return 0;
        }
        case ui::WM_SIZE:
            m_page.Layout(Width());
            ScrollTo(m_top);
            return 0;
        case ui::WM_KEYDOWN:
            if (OnKey(static_cast<unsigned>(wParam))) return 0;
            break;
        case ui::WM_COMMAND:
            if (lParam != 0) return 0;
            if (ui::LOWORD(wParam) == res::IDC_HELP_CONTENTS) Open(kContents, true);
            if (ui::LOWORD(wParam) == res::IDC_HELP_CLOSE) ui::EndDialog(m_window, ui::IDOK);
            return 0;
        case ui::WM_HOTKEY:
            if (ui::HIWORD(lParam) == ui::VK_TBACK) {
                if ((ui::LOWORD(lParam) & ui::MOD_KEYUP) != 0) Back();
                return 0;
            }
            break;
        default:
            break;
    }
    return ui::DefWindowProc(hwnd, message, wParam, lParam);
}

}  // namespace views
