// Paints compose only what an edit changed, labels included. After every step of random editing the back buffer,
// the window and the thumbnail must show exactly what a whole composition of the diagram shows.
#include "canvas_helpers.h"
#include "paint_support.h"

#include <random>
#include <sstream>

#include "core/edit_session.h"
#include "core/view_math.h"
#include "library/symbol_library.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "windows/change_notice.h"
#include "windows/app_state.h"

namespace {

constexpr int PICTURES = 6;

TestLibrary MixedPictures() {
    TestLibrary library;
    const unsigned colours[PICTURES] = {0xC03020, 0x20A040, 0x3050D0, 0x101010, 0xE0C000, 0x8040A0};
    for (int i = 0; i < PICTURES; ++i)
        library.Symbol(CATEGORY_ROUTER, "r" + std::to_string(i) + ".bmp",
                       i % 2 ? FramedBmp(colours[i]) : StripedBmp(colours[i]));
    return library;
}

// How many pixels differ inside the given part of both pictures, and where the first one is.
std::string Differences(const Pixels& actual, const Pixels& expected, int left, int top, int right, int bottom) {
    int count = 0;
    std::ostringstream first;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (actual.at(x, y) != expected.at(x, y) && count++ == 0)
                first << " first at (" << x << "," << y << "): " << std::hex << actual.at(x, y) << " instead of "
                      << expected.at(x, y) << std::dec;
    return count ? std::to_string(count) + " pixels differ," + first.str() : "";
}

class PartialPaintTest : public ProgramTest {
  protected:
    PartialPaintTest() : ProgramTest(MixedPictures()) {}

    POINT ClientOf(CanvasPoint p) const {
        const int64_t width = appState.canvas.width(), height = appState.canvas.height();
        const CanvasView& view = appState.view;
        const int64_t shownWidth = ZoomedLength(int32_t(width), view.zoomFactor);
        const int64_t shownHeight = ZoomedLength(int32_t(height), view.zoomFactor);
        return {LONG(p.x * shownWidth / width - view.scrollX), LONG(p.y * shownHeight / height - view.scrollY)};
    }
    // Somewhere on the canvas or just beyond its edges, in client pixels.
    POINT AnyPoint() {
        std::uniform_int_distribution<int> x(-30, appState.canvas.width() + 30), y(-30, appState.canvas.height() + 30);
        return ClientOf({x(random), y(random)});
    }
    SymbolItem* AnySymbol() {
        const std::vector<SymbolItem*> symbols = DiagramSymbols();
        if (symbols.empty())
            return nullptr;
        return symbols[std::uniform_int_distribution<size_t>(0, symbols.size() - 1)(random)];
    }
    POINT CentreOf(const SymbolItem& symbol) { return ClientOf(SymbolCentre(symbol)); }
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    void Place() {
        const int count = PaletteItemCount(CATEGORY_ROUTER);
        PickSymbol(CATEGORY_ROUTER, Below(count));
        const POINT at = AnyPoint();
        Click(at.x, at.y);
    }
    void Connect() {
        SymbolItem* first = AnySymbol();
        SymbolItem* second = AnySymbol();
        if (!first)
            return;
        ArmTool(TOOL_CABLE, CABLE_STRAIGHT + Below(7));
        const POINT a = CentreOf(*first), b = CentreOf(*second);
        Click(a.x, a.y);
        Click(b.x, b.y);
    }
    void Drag() {
        SymbolItem* symbol = AnySymbol();
        if (!symbol)
            return;
        ArmTool(TOOL_SELECT, 0);
        POINT at = CentreOf(*symbol);
        MouseDown(at.x, at.y);
        for (int moves = 1 + Below(4); moves > 0; --moves) {
            const POINT to = Below(3) ? POINT{at.x + Below(41) - 20, at.y + Below(41) - 20} : AnyPoint();
            MouseMove(to.x, to.y);
            at = to;
            if (Below(2))
                UpdateWindow(appState.topology);  // sometimes several moves before one paint
        }
        MouseUp(at.x, at.y);
    }
    void Select() {
        ArmTool(TOOL_SELECT, 0);
        SymbolItem* symbol = AnySymbol();
        const POINT at = symbol && Below(4) ? CentreOf(*symbol) : AnyPoint();
        Click(at.x, at.y);
    }
    void Delete() {
        SymbolItem* symbol = AnySymbol();
        if (!symbol)
            return;
        ArmTool(TOOL_DELETE, 0);
        const POINT at = CentreOf(*symbol);
        Click(at.x, at.y);
    }
    void Label() {
        SymbolItem* symbol = AnySymbol();
        if (!symbol)
            return;
        ArmTool(TOOL_SELECT, 0);
        const POINT at = CentreOf(*symbol);
        DoubleClick(at.x, at.y);
        const char* texts[] = {"", "R1", "core-router-tokyo-01\r\n192.168.100.254", "\x83\x8b\x81\x5b\x83\x5e"};
        SetWindowTextA(appState.labelField.field, texts[Below(4)]);
        PressKey(appState.labelField.field, VK_RETURN);
    }
    void CutCable() {
        const std::vector<CableItem*> cables = DiagramCables();
        if (cables.empty())
            return;
        const CableItem& cable = *cables[Below(int(cables.size()))];
        ArmTool(TOOL_DELETE, 0);
        const POINT at = ClientOf({cable.x1 + (cable.x2 - cable.x1) / 4, cable.y1 + (cable.y2 - cable.y1) / 4});
        Click(at.x, at.y);
    }
    void NewDiagram() {
        AnswerNextBox(IDOK);
        Command(IDM_FILE_NEW);
    }
    void Zoom() {
        PressZoom(Below(2) ? IDC_ZOOM_IN : IDC_ZOOM_OUT);
        if (Below(2))
            SendMessageA(appState.topology, WM_HSCROLL, Below(2) ? SB_PAGERIGHT : SB_LINELEFT, 0);
        if (Below(2))
            SendMessageA(appState.topology, WM_VSCROLL, Below(2) ? SB_PAGEDOWN : SB_LINEUP, 0);
    }
    void CanvasSize() {
        const std::string width = std::to_string(200 + Below(700)), height = std::to_string(150 + Below(500));
        ApplyCanvasSizeTexts(width.c_str(), height.c_str());
    }
    void LibraryDelete() {
        const int count = PaletteItemCount(CATEGORY_ROUTER);
        if (count <= 2)
            return;
        SelectTab(CATEGORY_ROUTER);
        SelectPaletteItem(CATEGORY_ROUTER, Below(count));
        AnswerNextBox(IDOK);
        PressSymbolWindowButton(IDC_DELETE_SYMBOL);
    }

    void RandomStep(std::string* name) {
        // Mostly the edits a user makes all day; now and then what changes everything.
        const int pick = Below(100);
        if (pick < 18)
            *name = "place", Place();
        else if (pick < 30)
            *name = "connect", Connect();
        else if (pick < 48)
            *name = "drag", Drag();
        else if (pick < 56)
            *name = "select", Select();
        else if (pick < 66)
            *name = "label", Label();
        else if (pick < 71)
            *name = "delete", Delete();
        else if (pick < 76)
            *name = "cut cable", CutCable();
        else if (pick < 83)
            *name = "undo", PressKey(appState.topology, 'Z', true);
        else if (pick < 88)
            *name = "redo", PressKey(appState.topology, 'Y', true);
        else if (pick < 93)
            *name = "zoom", Zoom();
        else if (pick < 96)
            *name = "canvas size", CanvasSize();
        else if (pick < 98)
            *name = "library delete", LibraryDelete();
        else
            *name = "new", NewDiagram();
    }

    // The back buffer, the window and the thumbnail against a whole composition of the diagram.
    void ExpectSameAsAWholeComposition() {
        UpdateWindow(appState.topology);
        const BackBuffer& canvas = appState.canvas;
        const CanvasView& view = appState.view;
        const int32_t width = canvas.width(), height = canvas.height();
        BackBuffer fresh = BackBuffer::Make(appState.topology, width, height);
        ASSERT_TRUE(fresh);
        ComposeWholeCanvas(fresh, appState.session);
        EXPECT_EQ(Differences(ReadBitmapPixels(canvas.bitmap()), ReadBitmapPixels(fresh.bitmap()), 0, 0, width, height),
                  "")
            << "back buffer";

        RECT client;
        GetClientRect(appState.topology, &client);
        Target window(client.right, client.bottom);
        PresentCanvas(window.dc(), fresh, view);
        const int shownRight = std::min<int>(client.right, ZoomedLength(width, view.zoomFactor) - view.scrollX);
        const int shownBottom = std::min<int>(client.bottom, ZoomedLength(height, view.zoomFactor) - view.scrollY);
        EXPECT_EQ(Differences(ReadWindowPixels(appState.topology), window.Read(), 0, 0, shownRight, shownBottom), "")
            << "window";

        const PixelRect thumb = ThumbnailRect(appState.dpi);
        Target thumbnail(thumb.right, thumb.bottom);
        DrawThumbnail(thumbnail.dc(), fresh, thumb);
        EXPECT_EQ(Differences(ReadWindowPixels(appState.tools.viewWindow), thumbnail.Read(), thumb.left, thumb.top,
                              thumb.right, thumb.bottom),
                  "")
            << "thumbnail";
    }

    std::mt19937 random;
};

TEST_F(PartialPaintTest, EveryStepOfRandomEditingPaintsWhatAWholeCompositionPaints) {
    for (unsigned seed = 1; seed <= 4; ++seed) {
        random.seed(seed);
        // A random diagram to start from: symbols that overlap and hang over the edges, cables
        // that cross.
        for (int i = 12 + Below(20); i > 0; --i)
            Place();
        for (int i = 8 + Below(20); i > 0; --i)
            Connect();
        ExpectSameAsAWholeComposition();
        for (int step = 0; step < 100 && !HasFailure(); ++step) {
            std::string name;
            RandomStep(&name);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + name);
            ExpectSameAsAWholeComposition();
        }
        NewDiagram();
    }
}

}  // namespace
