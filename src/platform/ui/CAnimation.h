#pragma once

#include <string>
#include <vector>

#include "platform/ui/CControl.h"

// An animation area ("SysAnimate32"): shows one frame of a set, centred. The frames are the
// download animation of the resources unless set; NextFrame moves on, wrapping after the last.
namespace ui {

class CAnimation : public CControl {
public:
    CAnimation();

    void SetFrames(std::vector<std::wstring> frames);
    void NextFrame();
    int CurrentFrame() const { return m_frame; }
    int FrameCount() const { return static_cast<int>(m_frames.size()); }

protected:
    void Paint(CDeviceContext& dc, const RECT& client) override;
    bool TakesFocus() const override { return false; }

private:
    std::vector<std::wstring> m_frames;
    int m_frame = 0;
};

}  // namespace ui
