#pragma once

#include "CGalleryScreen.h"

// The third screen: lines and polylines on the dot layer (a curve, a circle with spokes), the
// icon glyphs of the icon sets and the state glyphs.
class CDrawingScreen : public CGalleryScreen {
protected:
    void Build() override {}
    bool Command(int id) override;
    void Paint(ui::CDeviceContext& dc, const ui::RECT& client) override;
};
