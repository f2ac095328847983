#include "platform/ui/CAnimation.h"

#include "platform/ui/SysColors.h"
#include "resources/IconGlyphs.h"

namespace ui {

CAnimation::CAnimation() {
    for (int i = 0; i < res::kAnimationFrameCount; ++i) {
        m_frames.emplace_back(res::AnimationFrame(i));
    }
}

void CAnimation::SetFrames(std::vector<std::wstring> frames) {
    m_frames = std::move(frames);
    m_frame = 0;
    Invalidate();
}

void CAnimation::NextFrame() {
    if (m_frames.empty()) return;
    m_frame = (m_frame + 1) % FrameCount();
    Invalidate();
}

void CAnimation::Paint(CDeviceContext& dc, const RECT& client) {
    dc.FillRect(client, GetSysColor(COLOR_WINDOW));
    if (m_frames.empty()) return;
    dc.SetTextColor(GetSysColor(COLOR_HIGHLIGHT));
    RECT area = client;
    dc.DrawText(m_frames[static_cast<std::size_t>(m_frame)], area,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

}  // namespace ui
