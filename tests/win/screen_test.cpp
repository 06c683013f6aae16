// What the program sizes in pixels follows the screen's DPI while the canvas stays 1:1. The test
// command runs this at 88, 96, 120 and 144 DPI.
#include "canvas_helpers.h"

#include <algorithm>

#include "core/view_layout.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/palette_page.h"
#include "windows/tool_windows.h"

namespace {

class ScreenTest : public ProgramTest {
  protected:
    ScreenTest() : ProgramTest(RouterPictures({0xFF0000})) {}
};

// Designed at 96 DPI; rounded to the nearest pixel elsewhere.
struct Scaled {
    int dpi, thumbnailWidth, thumbnailHeight, band, spacing, frame, picture;
};
constexpr Scaled SCALED[] = {
    {88, 170, 119, 642, 57, 2, 28},
    {96, 185, 130, 700, 62, 2, 30},
    {120, 231, 163, 875, 78, 3, 38},
    {144, 278, 195, 1050, 93, 3, 45},
};

TEST_F(ScreenTest, PixelSizesFollowTheDpiWhileTheCanvasStaysOneToOne) {
    const Scaled* row = std::find_if(std::begin(SCALED), std::end(SCALED),
                                     [](const Scaled& scaled) { return scaled.dpi == appState.dpi; });
    ASSERT_NE(row, std::end(SCALED)) << appState.dpi;

    // The canvas, white, fills the thumbnail exactly.
    Repaint();
    const PixelRect thumb = ThumbnailRect(appState.dpi);
    EXPECT_EQ(std::make_pair(thumb.right - thumb.left, thumb.bottom - thumb.top),
              std::make_pair(row->thumbnailWidth, row->thumbnailHeight));
    const Pixels view = ReadWindowPixels(appState.tools.viewWindow);
    EXPECT_EQ(view.at(thumb.right - 1, thumb.bottom - 1), RGB_WHITE);
    EXPECT_NE(view.at(thumb.right, thumb.bottom - 1), RGB_WHITE);
    EXPECT_NE(view.at(thumb.right - 1, thumb.bottom), RGB_WHITE);

    EXPECT_EQ(OuterRect(appState.topology).bottom, std::min<LONG>(row->band, WorkArea().bottom));
    EXPECT_EQ(LOWORD(SendMessageA(PaletteList(appState.tools.palettePage[0]), LVM_GETITEMSPACING, FALSE, 0)),
              row->spacing);

    // The tool pictures at their scaled size, the armed one framed as wide as the DPI asks.
    ArmTool(TOOL_SELECT);
    HWND select = GetDlgItem(appState.tools.symbolWindow, IDC_PICK_SELECT);
    RECT picture = OuterRect(select);
    MapWindowPoints(nullptr, appState.tools.symbolWindow, reinterpret_cast<POINT*>(&picture), 2);
    EXPECT_EQ(std::make_pair(picture.right - picture.left, picture.bottom - picture.top),
              std::make_pair(LONG(row->picture), LONG(row->picture)));
    UpdateWindow(appState.tools.symbolWindow);
    const Pixels tools = ReadWindowPixels(appState.tools.symbolWindow);
    const COLORREF system = GetSysColor(COLOR_HIGHLIGHT);
    const unsigned highlight = GetRValue(system) << 16 | GetGValue(system) << 8 | GetBValue(system);
    const int middle = (picture.top + picture.bottom) / 2;
    EXPECT_EQ(tools.at(picture.left - row->frame, middle), highlight);
    EXPECT_NE(tools.at(picture.left - row->frame - 1, middle), highlight);

    // A click at a client point (zoom 1, no scroll) places a symbol centred on that canvas point.
    const CanvasPoint centre = SymbolCentre(*PlaceRouterAt(137, 91));
    EXPECT_EQ(std::make_pair(centre.x, centre.y), std::make_pair(137, 91));
}

}  // namespace
