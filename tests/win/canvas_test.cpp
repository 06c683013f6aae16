// The composed picture: what lies over what, transparency, clipping, the selection frame, cable
// pixels, the presentation and the thumbnail, and the GDI objects a paint leaves behind.
#include <cmath>

#include "canvas_helpers.h"
#include "diagram_support.h"
#include "paint_support.h"

#include "windows/app_state.h"
#include "windows/topology_window.h"
#include "core/edit_session.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00FF00, BLUE = 0x0000FF;
constexpr unsigned CABLE_BLUE = 0x0000FF, SERIAL_TEAL = 0x006464, OPTICAL_RED = 0xFF0000;

class CanvasTest : public ProgramTest {
  protected:
    CanvasTest() : ProgramTest(RouterPictures({RED, GREEN, BLUE})) {}
};

// Every pixel of the rectangle has the colour.
void ExpectArea(const Pixels& pixels, int left, int top, int right, int bottom, unsigned colour) {
    int wrong = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            wrong += pixels.at(x, y) != colour;
    EXPECT_EQ(wrong, 0) << "in (" << left << "," << top << ")-(" << right << "," << bottom << ") expected " << std::hex
                        << colour;
}

TEST_F(CanvasTest, FreshBackBufferIsWhiteAndPaintsLikeEveryOther) {
    // As at start and after a new canvas size: white before any paint.
    for (SIZE size : {SIZE{300, 200}, SIZE{DEFAULT_CANVAS_WIDTH, DEFAULT_CANVAS_HEIGHT}}) {
        ASSERT_TRUE(ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, size.cx, size.cy));
        const Pixels fresh = ReadBitmapPixels(appState.canvas.bitmap());
        ASSERT_EQ(fresh.width, size.cx);
        ExpectArea(fresh, 0, 0, size.cx, size.cy, RGB_WHITE);
    }
    // A dotted cross cable over an optical one leaves its gaps showing the red under it, from the
    // first paint of the new buffer on.
    AddTestSymbol(0, 400, 300);
    AddTestCableAt(CABLE_OPTICAL, 20, 50, 200, 50);
    AddTestCableAt(CABLE_CROSS, 20, 50, 200, 50);
    const Pixels first = CanvasPixels();
    const Pixels second = CanvasPixels();
    EXPECT_TRUE(first.rgb == second.rgb);
    int blue = 0, red = 0;
    for (int x = 22; x < 198; ++x) {
        blue += first.at(x, 50) == CABLE_BLUE;
        red += first.at(x, 50) == OPTICAL_RED;
    }
    EXPECT_GT(blue, 30);
    EXPECT_EQ(blue + red, 198 - 22) << "gaps of the dots show the cable under them";
}

TEST_F(CanvasTest, CablesLieUnderEverySymbolWhateverTheOrder) {
    SymbolItem* a = AddTestSymbol(0, 100, 100);
    SymbolItem* b = AddTestSymbol(1, 300, 100);
    AddTestCable(CABLE_OPTICAL, a, b);           // created after both symbols
    SymbolItem* c = AddTestSymbol(2, 200, 100);  // over the middle of the cable
    const Pixels pixels = CanvasPixels();
    ExpectArea(pixels, 100, 100, 140, 150, RED);
    ExpectArea(pixels, 300, 100, 340, 150, GREEN);
    ExpectArea(pixels, 200, 100, 240, 150, BLUE);
    // The cable shows between the symbols and through their transparent strips.
    EXPECT_EQ(pixels.at(170, 125), OPTICAL_RED);
    EXPECT_EQ(pixels.at(145, 125), OPTICAL_RED);
    (void)c;
}

TEST_F(CanvasTest, LaterSymbolCoversTheEarlierAndMagentaIsTransparent) {
    AddTestSymbol(0, 100, 100);
    AddTestSymbol(1, 120, 110);
    const Pixels pixels = CanvasPixels();
    ExpectArea(pixels, 120, 110, 160, 160, GREEN);  // the later one on top
    ExpectArea(pixels, 100, 100, 120, 110, RED);
    // The later symbol's transparent strip shows the earlier symbol and the ground.
    ExpectArea(pixels, 160, 110, 170, 150, RGB_WHITE);
    ExpectArea(pixels, 140, 100, 150, 110, RGB_WHITE);
    EXPECT_EQ(pixels.at(139, 105), RED);
}

TEST_F(CanvasTest, SymbolOffTheTopLeftIsClipped) {
    AddTestSymbol(2, -20, -20);
    const Pixels pixels = CanvasPixels();
    ExpectArea(pixels, 0, 0, 20, 30, BLUE);  // picture columns 20..39, rows 20..49
    ExpectArea(pixels, 20, 0, 30, 30, RGB_WHITE);
    ExpectArea(pixels, 0, 30, 60, 60, RGB_WHITE);
}

TEST_F(CanvasTest, SelectionFrameRunsOnePixelOutsideThePicture) {
    appState.session.selectedId = AddTestSymbol(0, 100, 100)->id;
    const Pixels pixels = CanvasPixels();
    int frameBlack = 0, elsewhereBlack = 0;
    for (int y = 90; y < 160; ++y) {
        for (int x = 90; x < 160; ++x) {
            const bool onFrame =
                ((x == 99 || x == 150) && y >= 99 && y <= 150) || ((y == 99 || y == 150) && x >= 99 && x <= 150);
            if (pixels.at(x, y) == RGB_BLACK)
                (onFrame ? frameBlack : elsewhereBlack)++;
        }
    }
    EXPECT_GT(frameBlack, 4 * 51 / 3) << "a dotted frame on all four sides";
    EXPECT_EQ(elsewhereBlack, 0);
    ExpectArea(pixels, 100, 100, 140, 150, RED);        // nothing painted inside
    ExpectArea(pixels, 140, 100, 150, 150, RGB_WHITE);  // not even the transparent strip
    for (int i : {99, 150}) {
        int black = 0;
        for (int j = 99; j <= 150; ++j)
            black += (pixels.at(i, j) == RGB_BLACK) + (pixels.at(j, i) == RGB_BLACK);
        EXPECT_GT(black, 30) << "line " << i;
    }
    AddSymbolDamage(appState.session.damage, *SelectedSymbol());
    appState.session.selectedId = NO_SYMBOL;
    const Pixels cleared = CanvasPixels();
    ExpectArea(cleared, 99, 99, 151, 100, RGB_WHITE);
    ExpectArea(cleared, 150, 99, 151, 151, RGB_WHITE);
}

struct Stroke {
    double x1, y1, x2, y2;
};

double Distance(double px, double py, const Stroke& s) {
    const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((px - s.x1) * dx + (py - s.y1) * dy) / length2 : 0;
    t = t < 0 ? 0 : t > 1 ? 1 : t;
    return std::hypot(px - (s.x1 + t * dx), py - (s.y1 + t * dy));
}

struct CableCase {
    CableType type;
    int x1, y1, x2, y2;
    unsigned colour;
    double tolerance;              // half the pen width and a little
    std::vector<Stroke> expected;  // where the pixels must lie, from the worked examples
};

// Every painted pixel has the cable's colour and lies on an expected stroke, and every stroke
// has paint along its middle.
void ExpectCableDrawn(const CableCase& c) {
    ClearDiagram(appState.session.diagram);
    DamageEverything(appState.session.damage);
    AddTestCableAt(c.type, c.x1, c.y1, c.x2, c.y2);
    const Pixels pixels = CanvasPixels();
    std::vector<int> hits(c.expected.size());
    int stray = 0, miscoloured = 0;
    for (int y = 0; y < pixels.height; ++y) {
        for (int x = 0; x < pixels.width; ++x) {
            const unsigned colour = pixels.at(x, y);
            if (colour == RGB_WHITE)
                continue;
            miscoloured += colour != c.colour;
            bool onStroke = false;
            for (size_t i = 0; i < c.expected.size(); ++i) {
                const double d = Distance(x, y, c.expected[i]);
                onStroke = onStroke || d <= c.tolerance;
                hits[i] += d <= 0.6;
            }
            stray += !onStroke;
        }
    }
    SCOPED_TRACE(::testing::Message() << "cable type " << c.type << " (" << c.x1 << "," << c.y1 << ")-(" << c.x2 << ","
                                      << c.y2 << ")");
    EXPECT_EQ(miscoloured, 0);
    EXPECT_EQ(stray, 0);
    for (size_t i = 0; i < hits.size(); ++i)
        EXPECT_GT(hits[i], 0) << "stroke " << i << " not drawn";
}

TEST_F(CanvasTest, CrossCablesDrawTheirParallelStrokes) {
    // Horizontal and vertical: rows 20 and 21, columns 10 and 11; the end pixel is left out.
    ExpectCableDrawn({CABLE_CROSS, 10, 20, 60, 20, CABLE_BLUE, 0.01, {{10, 20, 59, 20}, {10, 21, 59, 21}}});
    ExpectCableDrawn({CABLE_CROSS, 10, 20, 10, 70, CABLE_BLUE, 0.01, {{10, 20, 10, 69}, {11, 20, 11, 69}}});
    const std::vector<Stroke> rising = {{10, 70, 60, 20}, {11, 70, 61, 20}, {10, 69, 60, 19}};
    ExpectCableDrawn({CABLE_CROSS, 10, 70, 60, 20, CABLE_BLUE, 0.75, rising});
    ExpectCableDrawn({CABLE_CROSS, 60, 20, 10, 70, CABLE_BLUE, 0.75, rising});
    const std::vector<Stroke> falling = {{10, 20, 60, 70}, {10, 21, 60, 71}, {9, 20, 59, 70}};
    ExpectCableDrawn({CABLE_CROSS, 10, 20, 60, 70, CABLE_BLUE, 0.75, falling});
    ExpectCableDrawn({CABLE_CROSS, 60, 70, 10, 20, CABLE_BLUE, 0.75, falling});
}

TEST_F(CanvasTest, SerialCablesDrawTheirZigZag) {
    ExpectCableDrawn({CABLE_SERIAL,
                      100,
                      100,
                      200,
                      100,
                      SERIAL_TEAL,
                      1.6,
                      {{100, 100, 153, 96}, {153, 96, 146, 103}, {146, 103, 200, 100}}});
    ExpectCableDrawn({CABLE_SERIAL,
                      100,
                      100,
                      100,
                      200,
                      SERIAL_TEAL,
                      1.6,
                      {{100, 100, 103, 153}, {103, 153, 96, 146}, {96, 146, 100, 200}}});
    // The middle stroke is horizontal here only because of the single-precision step.
    ExpectCableDrawn({CABLE_SERIAL,
                      100,
                      100,
                      200,
                      200,
                      SERIAL_TEAL,
                      1.6,
                      {{100, 100, 155, 150}, {155, 150, 145, 150}, {145, 150, 200, 200}}});
    ExpectCableDrawn(
        {CABLE_SERIAL, 50, 50, 50, 50, SERIAL_TEAL, 1.6, {{50, 50, 53, 46}, {53, 46, 46, 53}, {46, 53, 50, 50}}});
}

// A grey device-independent target of the given size, for what the canvas is copied onto.
// Width and height of the white area whose top-left corner is at (x, y).
std::pair<int, int> WhiteExtent(const Pixels& pixels, int x, int y) {
    int width = 0, height = 0;
    while (x + width < pixels.width && pixels.at(x + width, y) == RGB_WHITE)
        ++width;
    while (y + height < pixels.height && pixels.at(x, y + height) == RGB_WHITE)
        ++height;
    return {width, height};
}

TEST_F(CanvasTest, PresentationFollowsZoomAndScroll) {
    CanvasPixels();
    Target target(1200, 1000);
    CanvasView view;
    view.zoomFactor = 1.0f / 3;
    PresentCanvas(target.dc(), appState.canvas, view);
    EXPECT_EQ(WhiteExtent(target.Read(), 0, 0), std::make_pair(166, 133));
    view.zoomFactor = 0.5f;
    PatBlt(target.dc(), 0, 0, 1200, 1000, BLACKNESS);
    PresentCanvas(target.dc(), appState.canvas, view);
    EXPECT_EQ(WhiteExtent(target.Read(), 0, 0), std::make_pair(250, 200));
    view.zoomFactor = 2.0f;
    PresentCanvas(target.dc(), appState.canvas, view);
    EXPECT_EQ(WhiteExtent(target.Read(), 0, 0), std::make_pair(1000, 800));

    // At zoom 1, scrolled by (30, 40), canvas pixel (30, 40) is at the client origin.
    AddTestSymbol(0, 30, 40);
    CanvasPixels();
    view = {1.0f, 30, 40};
    PatBlt(target.dc(), 0, 0, 1200, 1000, BLACKNESS);
    PresentCanvas(target.dc(), appState.canvas, view);
    const Pixels shown = target.Read();
    EXPECT_EQ(shown.at(0, 0), RED);
    EXPECT_EQ(shown.at(39, 49), RED);
    EXPECT_EQ(shown.at(40, 0), RGB_WHITE);
    EXPECT_EQ(shown.at(469, 359), RGB_WHITE);
    EXPECT_EQ(shown.at(470, 360), RGB_BLACK) << "beyond the canvas";
}

TEST_F(CanvasTest, ThumbnailIsAlways185By130) {
    ASSERT_TRUE(ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, 1000, 100));
    AddTestSymbol(0, 0, 0);
    CanvasPixels();
    Target target(300, 200);
    DrawThumbnail(target.dc(), appState.canvas, ThumbnailRect(DESIGN_DPI));
    const Pixels thumbnail = target.Read();
    EXPECT_EQ(thumbnail.at(9, 9), RGB_BLACK);
    EXPECT_EQ(thumbnail.at(10, 10), RED);  // the symbol, squeezed into the corner
    EXPECT_EQ(thumbnail.at(194, 139), RGB_WHITE);
    EXPECT_EQ(thumbnail.at(195, 139), RGB_BLACK);
    EXPECT_EQ(thumbnail.at(194, 140), RGB_BLACK);
}

TEST_F(CanvasTest, RepeatedPaintsLeaveNoGdiObjectsBehind) {
    // Every picture and cable kind, a selection frame; a leak shows as a count after a few paints.
    std::vector<SymbolItem*> symbols;
    for (int i = 0; i < 21; ++i)
        symbols.push_back(AddTestSymbol(i % 3, (i * 37) % 450, (i * 53) % 350));
    for (int i = 0; i < 21; ++i)
        AddTestCable(CableType(1 + i % 7), symbols[i], symbols[(i * 5 + 3) % 21]);
    appState.session.selectedId = symbols[5]->id;
    Repaint();
    const long before = LiveGdiObjects();
    for (int i = 0; i < 20; ++i) {
        // Whole compositions and damaged parts alike.
        if (i % 2)
            RepaintWholeCanvas(appState.topology);
        else
            AddSymbolDamage(appState.session.damage, *symbols[i]);
        Repaint();
    }
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_EQ(LiveGdiObjects(GDI_PEN), 0);
}

}  // namespace
