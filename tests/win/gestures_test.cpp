// Gestures beyond the tools' clicks: a symbol's label in its field, double-clicks, the wheel, the
// thumbnail as a map, and the delete tool on a cable.
#include "canvas_helpers.h"

#include "core/edit_session.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "windows/app_state.h"
#include "windows/change_notice.h"
#include "windows/label_field.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00FF00, WIRE = 0x0000FF;

class GesturesTest : public ProgramTest {
  protected:
    GesturesTest() : ProgramTest(RouterPictures({RED, GREEN})) {}
    static HWND Field() { return appState.labelField.field; }
    static void Type(const char* text) { SendMessageA(Field(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text)); }
};

// Ink (black) in the rows of a label, from its symbol's left edge on.
int LabelInk(const Pixels& pixels, int x, int y) {
    int ink = 0;
    for (int row = y + SYMBOL_SIZE; row < y + SYMBOL_SIZE + 14; ++row)
        for (int column = x; column < x + 60; ++column)
            ink += pixels.at(column, row) == RGB_BLACK;
    return ink;
}

TEST_F(GesturesTest, LabelFieldOpensByF2OrDoubleClickAndKeepsOrDropsItsText) {
    SymbolItem* symbol = PlaceRouterAt(100, 100);
    ArmTool(TOOL_SELECT);
    Click(100, 100);
    PressKey(appState.topology, VK_F2);
    Type("router-1");
    PressKey(Field(), VK_RETURN, true);  // Ctrl+Enter breaks the line
    Type("10.0.0.1");
    PressKey(Field(), 'Z', true);  // the field's own undo, not the diagram's
    EXPECT_EQ(DiagramSymbols().size(), 1u);
    SetWindowTextA(Field(), "router-1\r\n10.0.0.1");
    PressKey(Field(), VK_RETURN);
    EXPECT_FALSE(Field());
    const std::string twoLines = "router-1\r\n10.0.0.1";
    EXPECT_EQ(symbol->label.text, twoLines);
    EXPECT_GT(LabelInk(CanvasPixels(), 75, 75), 40);

    // A double-click opens it with the text selected; Esc drops what was typed.
    DoubleClick(100, 100);
    EXPECT_EQ(SendMessageA(Field(), EM_GETSEL, 0, 0), MAKELRESULT(0, 18));
    Type("x");
    PressKey(Field(), VK_ESCAPE);
    EXPECT_EQ(symbol->label.text, twoLines);

    // The field takes no more than 127 bytes, a double-byte character counting two; a click
    // elsewhere keeps what it holds.
    PressKey(appState.topology, VK_F2);
    for (const std::string& text : {std::string(126, 'a'), std::string("\x82\xa0"), std::string("b"), std::string("c")})
        Type(text.c_str());
    Click(300, 300);
    const std::string full = std::string(126, 'a') + "b";
    EXPECT_EQ(symbol->label.text, full);

    // A label GDI cannot draw is told, and the old one stays.
    DoubleClick(100, 100);
    Type("x");
    LimitGdi(0);
    AnswerNextBox(IDOK);
    PressKey(Field(), VK_RETURN);
    RestoreSystemCalls();
    EXPECT_EQ(symbol->label.text, full);
    EXPECT_EQ(BoxTexts(),
              std::vector<std::string>{"エラー: ラベルの画像を作成できないため、ラベルは変更しませんでした。"});

    // Each label edit is one step: undo takes it back, and the label goes and comes with its symbol.
    PressKey(appState.topology, 'Z', true);
    EXPECT_EQ(symbol->label.text, twoLines);
    MouseDown(100, 100);
    MouseMove(200, 200);
    MouseUp(200, 200);
    Pixels pixels = CanvasPixels();
    EXPECT_EQ(LabelInk(pixels, 75, 75), 0) << "the label moved with its symbol";
    EXPECT_GT(LabelInk(pixels, 175, 175), 40);
    PressKey(appState.topology, VK_DELETE);
    EXPECT_EQ(LabelInk(CanvasPixels(), 175, 175), 0);
    PressKey(appState.topology, 'Z', true);
    EXPECT_GT(LabelInk(CanvasPixels(), 175, 175), 40);

    // A scroll, a zoom and a tool change keep what the field holds.
    void (*const keepers[])() = {
        [] { SendMessageA(appState.topology, WM_VSCROLL, SB_LINEDOWN, 0); },
        [] { PressZoom(IDC_ZOOM_IN); },
        [] { ArmTool(TOOL_CABLE, CABLE_STRAIGHT); },
    };
    for (const auto keep : keepers) {
        OpenLabelField(symbol->id);
        Type("kept");
        keep();
        EXPECT_EQ(std::make_pair(Field(), symbol->label.text), std::make_pair(HWND(nullptr), std::string("kept")));
        PressKey(appState.topology, 'Z', true);
    }
}

// A label lies below its picture, black and without a box (a cable under it shows between the
// letters), under the pictures of later symbols; a click on it misses the symbol.
TEST_F(GesturesTest, LabelIsDrawnBelowItsPictureInTheDrawingOrder) {
    PlaceRouterAt(40, 131);
    PlaceRouterAt(300, 131);
    ArmTool(TOOL_CABLE, CABLE_OPTICAL);  // red along row 131, through the label's rows
    Click(40, 131);
    Click(300, 131);
    PlaceRouterAt(100, 100);
    ArmTool(TOOL_SELECT);
    DoubleClick(100, 100);
    Type("0123456789012345");
    PressKey(Field(), VK_RETURN);
    Pixels pixels = CanvasPixels();
    const int ink = LabelInk(pixels, 75, 75);
    EXPECT_GT(ink, 40);
    int cable = 0;
    for (int x = 75; x < 150; ++x)
        cable += pixels.at(x, 131) == RED;
    EXPECT_GT(cable, 10) << "no background box";
    PlaceRouterAt(100, 150, 1);  // over the label's left part
    pixels = CanvasPixels();
    EXPECT_EQ(pixels.at(80, 130), GREEN);
    EXPECT_LT(LabelInk(pixels, 75, 75), ink);
    ArmTool(TOOL_SELECT);
    Click(150, 130);  // on the label, beside the later picture
    EXPECT_EQ(SelectedSymbol(), nullptr);
}

// Without the select tool on a symbol, a double-click's second click is the press it would be.
TEST_F(GesturesTest, DoubleClickIsASecondPressForEveryOtherUse) {
    PickSymbol(CATEGORY_ROUTER, 0);
    DoubleClick(100, 100);
    EXPECT_EQ(DiagramSymbols().size(), 2u);
    PlaceRouterAt(300, 100);
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(100, 100);
    SendMessageA(appState.topology, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(300, 100));
    EXPECT_EQ(DiagramCables().size(), 1u);
    ArmTool(TOOL_SELECT);
    DoubleClick(200, 300);  // empty canvas
    EXPECT_FALSE(Field());
    ArmTool(TOOL_DELETE);
    DoubleClick(300, 100);  // the symbol, then the cable that ended under it
    EXPECT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_TRUE(DiagramCables().empty());
}

TEST_F(GesturesTest, WheelScrollsAcrossWithShiftOrTiltAndZoomsWithCtrl) {
    SetClientSize(300, 200);
    UINT lines = 3;
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    const auto wheel = [](UINT message, int delta, WPARAM keys = 0) {
        SendMessageA(appState.topology, message, MAKEWPARAM(keys, WORD(short(delta))), 0);
    };
    wheel(WM_MOUSEWHEEL, -120);
    EXPECT_EQ(appState.view.scrollY, int(lines) * 16);
    for (int step = 0; step < 4; ++step)  // a fine wheel: a quarter notch a step
        wheel(WM_MOUSEWHEEL, 30);
    EXPECT_EQ(appState.view.scrollY, 0);
    wheel(WM_MOUSEWHEEL, -120, MK_SHIFT);
    EXPECT_EQ(appState.view.scrollX, int(lines) * 16);
    wheel(WM_MOUSEHWHEEL, -120);  // tilted left
    EXPECT_EQ(appState.view.scrollX, 0);
    wheel(WM_MOUSEWHEEL, 120, MK_CONTROL);
    EXPECT_EQ(appState.view.zoomFactor, 2.0f);
    EXPECT_EQ(ThumbPosition(), 2);
    EXPECT_EQ(ZoomLabel(), "2.00");
    wheel(WM_MOUSEWHEEL, -240, MK_CONTROL);
    EXPECT_EQ(appState.view.zoomFactor, 1.0f);
    EXPECT_EQ(ThumbPosition(), 0);
}

// A click in the thumbnail centres the canvas point under it, and a drag follows until the button
// comes up.
TEST_F(GesturesTest, ThumbnailClickAndDragCentreTheCanvasPointUnderIt) {
    SetClientSize(300, 200);
    ASSERT_TRUE(ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, 1850, 1300));
    NotifyChange(CHANGED_VIEW);
    HWND view = appState.tools.viewWindow;
    const PixelRect thumb = ThumbnailRect(appState.dpi);
    const auto mouse = [view, thumb](UINT message, int x, int y, WPARAM keys = MK_LBUTTON) {
        SendMessageA(view, message, keys, PointParam(thumb.left + x, thumb.top + y));
    };
    mouse(WM_LBUTTONDOWN, 92, 65);  // canvas (925, 655)
    EXPECT_EQ(std::make_pair(appState.view.scrollX, appState.view.scrollY), std::make_pair(925 - 150, 655 - 100));
    mouse(WM_MOUSEMOVE, 10, 5);  // near the corner: as far as the ranges allow
    EXPECT_EQ(std::make_pair(appState.view.scrollX, appState.view.scrollY), std::make_pair(0, 0));
    mouse(WM_MOUSEMOVE, 50, 50);
    EXPECT_EQ(appState.view.scrollX, 505 - 150);
    mouse(WM_LBUTTONUP, 50, 50, 0);
    mouse(WM_MOUSEMOVE, 90, 90, 0);
    EXPECT_EQ(appState.view.scrollX, 505 - 150) << "the map follows only while the button is down";
}

// The delete tool removes the cable drawn last near the click when no symbol is hit; undo brings
// it back.
TEST_F(GesturesTest, DeleteToolRemovesACableNearTheClick) {
    PlaceRouterAt(100, 100);
    PlaceRouterAt(300, 100);
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(100, 100);
    Click(300, 100);
    ArmTool(TOOL_DELETE);
    Click(200, 110);  // too far
    EXPECT_EQ(DiagramCables().size(), 1u);
    Click(200, 103);
    EXPECT_TRUE(DiagramCables().empty());
    EXPECT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_EQ(CanvasPixels().at(200, 100), RGB_WHITE);
    PressKey(appState.topology, 'Z', true);
    EXPECT_EQ(CanvasPixels().at(200, 100), WIRE);
}

}  // namespace
