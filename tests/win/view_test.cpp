// Zoom, scrolling and the canvas size, and the mouse acting where the user clicks at any of them.
#include "canvas_helpers.h"

#include <commctrl.h>

#include "windows/change_notice.h"
#include "windows/app_state.h"
#include "windows/tool_windows.h"
#include "core/edit_session.h"
#include "windows/menu_commands.h"
#include "render/canvas.h"
#include "windows/view_window.h"
#include "resources/resource.h"
#include "library/symbol_library.h"

namespace {

constexpr unsigned RED = 0xFF0000;

int CableCount() {
    int count = 0;
    ForEachCable(appState.session.diagram, [&](const CableItem&) { ++count; });
    return count;
}

SCROLLINFO ScrollBar(int bar) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(appState.topology, bar, &info);
    return info;
}

// Moves the track bar as the user would, which reports through WM_HSCROLL.
void MoveThumb(int position) {
    SendDlgItemMessageA(appState.tools.viewWindow, IDC_ZOOM_TRACKBAR, TBM_SETPOS, TRUE, position);
    SendMessageA(appState.tools.viewWindow, WM_HSCROLL, MAKEWPARAM(TB_THUMBPOSITION, position),
                 reinterpret_cast<LPARAM>(GetDlgItem(appState.tools.viewWindow, IDC_ZOOM_TRACKBAR)));
}

void Scroll(UINT message, UINT code) {
    SendMessageA(appState.topology, message, code, 0);
}

class ViewTest : public ProgramTest {
  protected:
    ViewTest() : ProgramTest(RouterPictures({RED})) {}
};

TEST_F(ViewTest, ZoomButtonsAndTrackBarSetTheFactorAndLabel) {
    EXPECT_EQ(SendDlgItemMessageA(appState.tools.viewWindow, IDC_ZOOM_TRACKBAR, TBM_GETRANGEMIN, 0, 0), -5);
    EXPECT_EQ(SendDlgItemMessageA(appState.tools.viewWindow, IDC_ZOOM_TRACKBAR, TBM_GETRANGEMAX, 0, 0), 5);
    EXPECT_EQ(ThumbPosition(), 1);
    EXPECT_EQ(appState.view.zoomFactor, 1.0f);
    EXPECT_EQ(ZoomLabel(), "1.00");
    for (int step = 2; step <= 5; ++step) {
        PressZoom(IDC_ZOOM_IN);
        EXPECT_EQ(appState.view.zoomFactor, float(step));
        EXPECT_EQ(ThumbPosition(), step);
    }
    PressZoom(IDC_ZOOM_IN);  // past the end of the track bar
    EXPECT_EQ(appState.view.zoomFactor, 6.0f);
    EXPECT_EQ(ThumbPosition(), 5);
    EXPECT_EQ(ZoomLabel(), "6.00");
    PressZoom(IDC_ZOOM_OUT);
    EXPECT_EQ(appState.view.zoomFactor, 4.0f);

    MoveThumb(-3);
    EXPECT_EQ(appState.view.zoomFactor, 1.0f / 3);
    EXPECT_EQ(ZoomLabel(), "0.33");
    UpdateWindow(appState.topology);
    MoveThumb(0);
    EXPECT_EQ(appState.view.zoomFactor, 1.0f);
    EXPECT_EQ(ZoomLabel(), "1.00");
    EXPECT_TRUE(GetUpdateRect(appState.topology, nullptr, FALSE)) << "still repainted";
    MoveThumb(-5);
    PressZoom(IDC_ZOOM_OUT);
    EXPECT_EQ(appState.view.zoomFactor, 1.0f / 6);
    EXPECT_EQ(ZoomLabel(), "0.17");
}

TEST_F(ViewTest, ScrollBarsFollowCanvasZoomAndClientSize) {
    SetClientSize(800, 600);
    SCROLLINFO horizontal = ScrollBar(SB_HORZ), vertical = ScrollBar(SB_VERT);
    EXPECT_EQ(horizontal.nMax, 500);
    EXPECT_EQ(horizontal.nPage, 501u);
    EXPECT_EQ(vertical.nMax, 400);
    EXPECT_EQ(vertical.nPage, 401u);

    PressZoom(IDC_ZOOM_IN);  // factor 2: 1000 x 800
    horizontal = ScrollBar(SB_HORZ);
    vertical = ScrollBar(SB_VERT);
    EXPECT_EQ(horizontal.nMax - int(horizontal.nPage) + 1, 201);
    EXPECT_EQ(vertical.nMax - int(vertical.nPage) + 1, 201);

    for (int i = 0; i < 19; ++i)
        Scroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(appState.view.scrollY, 190);
    Scroll(WM_VSCROLL, SB_LINEDOWN);
    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(appState.view.scrollY, 201) << "the last page step is clamped";
    EXPECT_EQ(ScrollBar(SB_VERT).nPos, 201);
    Scroll(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(appState.view.scrollY, 0);
    Scroll(WM_VSCROLL, SB_LINEUP);
    EXPECT_EQ(appState.view.scrollY, 0);
    Scroll(WM_HSCROLL, SB_RIGHT);
    EXPECT_EQ(appState.view.scrollX, 201);
    Scroll(WM_HSCROLL, SB_THUMBPOSITION);
    Scroll(WM_HSCROLL, SB_ENDSCROLL);
    EXPECT_EQ(appState.view.scrollX, 201);

    // Back to factor 1 with a client 400 wide: the position is pulled back to the new end.
    SetClientSize(400, 600);
    EXPECT_EQ(appState.view.scrollX, 201);
    Scroll(WM_HSCROLL, SB_LINELEFT);
    Scroll(WM_HSCROLL, SB_LINELEFT);
    PressZoom(IDC_ZOOM_OUT);
    EXPECT_EQ(appState.view.scrollX, 101);
    EXPECT_EQ(ScrollBar(SB_HORZ).nPos, 101);
    SetClientSize(800, 600);  // larger than the canvas: nothing to scroll
    EXPECT_EQ(appState.view.scrollX, 0);
}

// The left edge of the red symbol on the screen, along a row through it; -1 when not shown.
int ShownRedEdge(int row) {
    UpdateWindow(appState.topology);
    const Pixels shown = ReadWindowPixels(appState.topology);
    for (int x = 0; x < shown.width; ++x) {
        if (shown.at(x, row) == RED)
            return x;
    }
    return -1;
}

TEST_F(ViewTest, HorizontalScrollingMovesThePictureAndStopsAtTheEnds) {
    SetClientSize(400, 300);  // 500 wide canvas: positions 0 to 101
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(225, 125);  // red from canvas x 200 to 239
    ArmTool(TOOL_SELECT);
    struct Step {
        UINT code;
        int position;
    };
    const Step steps[] = {{SB_LINERIGHT, 1},   {SB_PAGERIGHT, 11}, {SB_RIGHT, 101},   {SB_LINERIGHT, 101},
                          {SB_PAGERIGHT, 101}, {SB_PAGELEFT, 91},  {SB_LINELEFT, 90}, {SB_THUMBPOSITION, 90},
                          {SB_ENDSCROLL, 90},  {SB_LEFT, 0},       {SB_PAGELEFT, 0},  {SB_LINELEFT, 0}};
    for (const Step& step : steps) {
        SCOPED_TRACE(step.code);
        Scroll(WM_HSCROLL, step.code);
        EXPECT_EQ(appState.view.scrollX, step.position);
        EXPECT_EQ(ScrollBar(SB_HORZ).nPos, step.position);
        EXPECT_EQ(ShownRedEdge(125), 200 - step.position);
        EXPECT_EQ(appState.view.scrollY, 0);
    }
}

TEST_F(ViewTest, ClicksActWhereTheUserClicksAtAnyZoomAndScroll) {
    SetClientSize(400, 300);
    PressZoom(IDC_ZOOM_IN);  // factor 2
    Scroll(WM_HSCROLL, SB_PAGERIGHT);
    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    ASSERT_EQ(appState.view.scrollX, 10);
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(210, 110);  // canvas ((210 + 10) / 2, (110 + 10) / 2) = (110, 60)
    ASSERT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(std::make_pair(DiagramSymbols()[0]->x, DiagramSymbols()[0]->y), std::make_pair(85, 35));

    // The picture drawn under the mouse is that symbol: a select click there finds it.
    ArmTool(TOOL_SELECT, 0);
    Click(170 * 2 - 10 - 100, 60 * 2 - 10);  // canvas (115, 55), inside the symbol
    EXPECT_EQ(SelectedSymbol(), DiagramSymbols()[0]);

    // A drag moves the symbol by the canvas distance under the mouse: it stays under it.
    MouseDown(210, 110);
    MouseMove(250, 150);
    MouseUp(250, 150);
    EXPECT_EQ(std::make_pair(DiagramSymbols()[0]->x, DiagramSymbols()[0]->y), std::make_pair(105, 55));

    // Factor 1/3 on a canvas big enough to scroll.
    ASSERT_TRUE(ReplaceBackBuffer(appState.canvas, appState.session.damage, appState.topology, 3000, 2400));
    MoveThumb(-3);
    Scroll(WM_HSCROLL, SB_PAGERIGHT);
    Scroll(WM_VSCROLL, SB_PAGEDOWN);
    ASSERT_EQ(appState.view.scrollX, 10 + 10);
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(100, 80);  // canvas (120 * 3000 / 1000, 100 * 2400 / 800) = (360, 300)
    ASSERT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_EQ(std::make_pair(DiagramSymbols()[1]->x, DiagramSymbols()[1]->y), std::make_pair(335, 275));
    ArmTool(TOOL_SELECT, 0);
    Click(100, 80);
    EXPECT_EQ(SelectedSymbol(), DiagramSymbols()[1]);
    Click(150, 80);  // canvas x 510: beside it
    EXPECT_EQ(appState.session.selectedId, NO_SYMBOL);
}

TEST_F(ViewTest, DragEndsWithTheButtonAndWithItsSymbol) {
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(100, 100);
    Click(300, 100);
    ArmTool(TOOL_SELECT, 0);

    // Released outside the window: the next move comes without the button and ends the drag.
    MouseDown(100, 100);
    MouseMove(110, 110);
    MouseMove(200, 200, 0);
    MouseMove(220, 220, MK_LBUTTON);
    EXPECT_FALSE(appState.session.drag.dragging);
    EXPECT_EQ(std::make_pair(DiagramSymbols()[0]->x, DiagramSymbols()[0]->y), std::make_pair(85, 85));

    // The dragged symbol deleted mid-drag: later moves touch nothing.
    MouseDown(300, 100);
    ASSERT_TRUE(appState.session.drag.dragging);
    ArmTool(TOOL_DELETE, 0);
    Click(300, 100);
    EXPECT_FALSE(appState.session.drag.dragging);
    EXPECT_FALSE(appState.session.drag.dragging);
    MouseMove(320, 120);
    ASSERT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(DiagramSymbols()[0]->x, 85);
}

TEST_F(ViewTest, APendingCableEndDiesWithItsSymbol) {
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(100, 100);
    Click(300, 100);
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(100, 100);  // first end pending
    AnswerNextBox(IDOK);
    SendMessageA(appState.topology, WM_COMMAND, IDM_FILE_NEW, 0);
    EXPECT_FALSE(appState.session.connect.firstEndChosen);
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(100, 100);
    Click(300, 100);
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(300, 100);
    EXPECT_EQ(CableCount(), 0) << "the first click starts a new cable, not one from a symbol that is gone";
    Click(100, 100);
    EXPECT_EQ(CableCount(), 1);

    // The same when the first-end symbol is deleted.
    Click(100, 100);
    ArmTool(TOOL_DELETE, 0);
    Click(100, 100);
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(300, 100);
    EXPECT_EQ(CableCount(), 1);
    EXPECT_TRUE(appState.session.connect.firstEndChosen);
}

TEST_F(ViewTest, CanvasSizeKeepsItemsAndRefusesBadSizes) {
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(325, 225);  // a symbol at (300, 200)
    SetClientSize(600, 500);

    RespondNext([](HWND dialog) {
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_CANVAS_WIDTH, nullptr, FALSE), 500u);
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_CANVAS_HEIGHT, nullptr, FALSE), 400u);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);  // Esc does nothing
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    SendMessageA(appState.topology, WM_COMMAND, IDM_FORMAT_CANVAS_SIZE, 0);

    ApplyCanvasSizeTexts("800", "600");
    EXPECT_EQ(appState.canvas.width(), 800);
    EXPECT_EQ(appState.canvas.height(), 600);
    EXPECT_EQ(ScrollBar(SB_HORZ).nMax, 800);
    EXPECT_EQ(ScrollBar(SB_VERT).nMax, 600);
    Pixels pixels = CanvasPixels();
    ASSERT_EQ(pixels.width, 800);
    EXPECT_EQ(pixels.at(310, 210), RED);
    EXPECT_EQ(pixels.at(799, 599), RGB_WHITE);
    strcpy(appState.saveFileName, folder.File("big.bmp").c_str());
    ExportCanvas(appState.topology);
    EXPECT_EQ(ReadFileBytes(folder.File("big.bmp")).size(), 54u + 2400u * 600u);

    for (const char* bad : {"0", "-5", "99999", "abc", ""}) {
        ForgetSeenDialogs();
        ApplyCanvasSizeTexts(bad, "300", true);
        EXPECT_EQ(appState.canvas.width(), 800) << bad;
        EXPECT_EQ(appState.canvas.height(), 600) << bad;
        ASSERT_EQ(SeenDialogs().size(), 2u) << bad;
        EXPECT_EQ(SeenDialogs()[1].caption, "エラー");
    }

    ApplyCanvasSizeTexts("100", "100");
    pixels = CanvasPixels();
    EXPECT_EQ(std::count(pixels.rgb.begin(), pixels.rgb.end(), RGB_WHITE), 100 * 100) << "the symbol is outside";
    ApplyCanvasSizeTexts("500", "400");
    EXPECT_EQ(CanvasPixels().at(310, 210), RED);
    EXPECT_EQ(DiagramSymbols().size(), 1u);

    // A canvas whose back buffer could not be made has no size: the dialog offers the default.
    appState.canvas = BackBuffer();
    RespondNext([](HWND dialog) {
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_CANVAS_WIDTH, nullptr, FALSE), 500u);
        EXPECT_EQ(GetDlgItemInt(dialog, IDC_CANVAS_HEIGHT, nullptr, FALSE), 400u);
        PostMessageA(dialog, WM_CLOSE, 0, 0);
    });
    SendMessageA(appState.topology, WM_COMMAND, IDM_FORMAT_CANVAS_SIZE, 0);
}

TEST_F(ViewTest, ThumbnailComesBackWhenTheViewWindowIsUncovered) {
    PickSymbol(CATEGORY_ROUTER, 0);
    Click(25, 25);
    CanvasPixels();
    InvalidateRect(appState.tools.viewWindow, nullptr, TRUE);  // as when a window that covered it goes away
    UpdateWindow(appState.tools.viewWindow);
    const Pixels view = ReadWindowPixels(appState.tools.viewWindow);
    EXPECT_EQ(view.at(12, 12), RED);
    EXPECT_EQ(view.at(150, 100), RGB_WHITE);
}

}  // namespace
