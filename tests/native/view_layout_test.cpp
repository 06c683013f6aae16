#include "core/view_layout.h"

#include <gtest/gtest.h>

namespace {

bool Meet(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// From MS UI Gothic 8 pt at 96 DPI (an 11-pixel cell) to 144 DPI, with the thumbnail scaled by any
// of those DPIs: the controls never cover the thumbnail or each other, and the client area holds
// everything with a margin.
TEST(LayOutViewWindow, ControlsStayOffTheThumbnailAndInsideTheClientAtEveryFontSize) {
    for (int32_t dpi : {88, 96, 120, 144})
        for (int32_t x = 5; x <= 9; ++x) {
            for (int32_t y = 11; y <= 18; ++y) {
                SCOPED_TRACE(testing::Message() << "base units " << x << " x " << y << " at " << dpi);
                const ViewLayout layout = LayOutViewWindow({x, y}, dpi);
                const PixelRect thumb = ThumbnailRect(dpi);
                EXPECT_GE(layout.clientWidth, thumb.right + thumb.left);
                for (int i = 0; i < VIEW_CONTROL_COUNT; ++i) {
                    const PixelRect& control = layout.controls[i];
                    EXPECT_LT(control.left, control.right) << i;
                    EXPECT_LT(control.top, control.bottom) << i;
                    EXPECT_GT(control.top, thumb.bottom) << i;
                    EXPECT_GT(control.left, 0) << i;
                    EXPECT_LT(control.right, layout.clientWidth) << i;
                    EXPECT_LT(control.bottom, layout.clientHeight) << i;
                    for (int j = 0; j < i; ++j)
                        EXPECT_FALSE(Meet(control, layout.controls[j])) << i << " meets " << j;
                }
            }
        }
}

}  // namespace
