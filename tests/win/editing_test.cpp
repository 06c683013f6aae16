// The mouse tools on the real topology window: placing, connecting, dragging, deleting, and the
// menu commands that touch the diagram.
#include "canvas_helpers.h"
#include "library_files.h"

#include "windows/change_notice.h"
#include "windows/app_state.h"
#include "core/edit_session.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "resources/resource.h"
#include "library/symbol_library.h"

namespace {

constexpr unsigned RED = 0xFF0000, GREEN = 0x00FF00;

int BlackInColumn(const Pixels& pixels, int x, int top, int bottom) {
    int black = 0;
    for (int y = top; y < bottom; ++y)
        black += pixels.at(x, y) == RGB_BLACK;
    return black;
}

bool RepaintPending() {
    return GetUpdateRect(appState.topology, nullptr, FALSE);
}

// The cursor that the topology window chooses when the mouse is over the given part of it.
HCURSOR CursorChosenOver(WORD hitArea) {
    SendMessageA(appState.topology, WM_SETCURSOR, WPARAM(appState.topology), MAKELPARAM(hitArea, WM_MOUSEMOVE));
    return GetCursor();
}

int CursorDisplayCount() {
    ShowCursor(FALSE);
    return ShowCursor(TRUE);
}

// The router category shows two test pictures, red and green, whatever the library holds.
class EditingTest : public ProgramTest {
  protected:
    EditingTest() : ProgramTest(RouterPictures({RED, GREEN})) {}
    // Places symbols with the red picture, centred on the points.
    std::vector<SymbolItem*> Place(std::initializer_list<POINT> points) {
        for (const POINT& p : points)
            PlaceRouterAt(p.x, p.y);
        return DiagramSymbols();
    }
};

TEST_F(EditingTest, ClicksRightAfterStartCreateNothing) {
    UpdateWindow(appState.topology);
    Click(100, 100);
    MouseMove(120, 120);
    EXPECT_TRUE(appState.session.diagram.items.empty());
    EXPECT_FALSE(RepaintPending());
}

TEST_F(EditingTest, SymbolToolPlacesCentredSymbolsWithCountingIds) {
    const std::vector<SymbolItem*> symbols = Place({{100, 100}, {200, 150}, {10, 10}});
    ASSERT_EQ(symbols.size(), 3u);
    EXPECT_EQ(symbols[0]->id, 0);
    EXPECT_EQ(symbols[1]->id, 1);
    EXPECT_EQ(symbols[2]->id, 2);
    EXPECT_EQ(std::make_pair(symbols[0]->x, symbols[0]->y), std::make_pair(75, 75));
    EXPECT_EQ(std::make_pair(symbols[1]->x, symbols[1]->y), std::make_pair(175, 125));
    EXPECT_EQ(std::make_pair(symbols[2]->x, symbols[2]->y), std::make_pair(-15, -15));
    EXPECT_EQ(symbols[1]->size.width, 50);
    const Pixels pixels = CanvasPixels();
    EXPECT_EQ(pixels.at(175, 125), RED);
    EXPECT_EQ(pixels.at(0, 0), RED);
    EXPECT_EQ(pixels.at(25, 25), RGB_WHITE) << "the transparent strip of the clipped symbol";
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SYMBOL) << "the tool stays armed";

    // The second picture of the category.
    PickSymbol(CATEGORY_ROUTER, 1);
    Click(400, 300);
    EXPECT_EQ(CanvasPixels().at(375, 275), GREEN);
}

TEST_F(EditingTest, CableToolJoinsTwoSymbolsWithTheTypeChosenLast) {
    Place({{100, 100}, {300, 100}});
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    UpdateWindow(appState.topology);

    Click(200, 300);  // empty canvas: nothing, not even a repaint
    EXPECT_FALSE(appState.session.connect.firstEndChosen);
    EXPECT_FALSE(RepaintPending());

    Click(90, 110);  // the first end is framed
    ASSERT_TRUE(appState.session.connect.firstEndChosen);
    EXPECT_EQ(SelectedSymbol()->id, 0);
    EXPECT_GT(BlackInColumn(CanvasPixels(), 74, 74, 126), 10);

    Click(100, 100);  // the same symbol again
    Click(200, 300);  // empty canvas: still pending
    EXPECT_TRUE(appState.session.connect.firstEndChosen);
    EXPECT_TRUE(DiagramCables().empty());

    ArmTool(TOOL_CABLE, CABLE_OPTICAL);  // another type or a palette symbol: the first end stays
    PickSymbol(CATEGORY_ROUTER, 1);      // pending and framed
    ArmTool(TOOL_CABLE, CABLE_OPTICAL);
    EXPECT_EQ(appState.session.selectedId, NO_SYMBOL);
    EXPECT_GT(BlackInColumn(CanvasPixels(), 74, 74, 126), 10);
    Click(100, 100);  // the framed first end again
    EXPECT_TRUE(DiagramCables().empty());
    Click(310, 90);
    const auto cables = DiagramCables();
    ASSERT_EQ(cables.size(), 1u);
    EXPECT_EQ(cables[0]->type, CABLE_OPTICAL);
    const CableItem& cable = *cables[0];
    EXPECT_EQ((std::vector<int>{cable.x1, cable.y1, cable.x2, cable.y2, cable.firstSymbolId, cable.secondSymbolId}),
              (std::vector<int>{100, 100, 300, 100, 0, 1}));
    EXPECT_FALSE(appState.session.connect.firstEndChosen);
    EXPECT_EQ(appState.session.selectedId, NO_SYMBOL);
    const Pixels pixels = CanvasPixels();
    EXPECT_EQ(pixels.at(200, 100), 0xFF0000u) << "an optical cable is red";
    EXPECT_EQ(BlackInColumn(pixels, 74, 74, 126), 0) << "no frame after the cable is made";
}

TEST_F(EditingTest, CableStartsWhereItsFirstSymbolIsAtTheSecondClick) {
    Place({{100, 100}, {300, 100}});
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(100, 100);
    ArmTool(TOOL_SELECT);  // the first end stays pending while it is dragged away
    MouseDown(100, 100);
    MouseMove(130, 200);
    MouseUp(130, 200);
    ArmTool(TOOL_CABLE, CABLE_STRAIGHT);
    Click(300, 100);
    const auto cables = DiagramCables();
    ASSERT_EQ(cables.size(), 1u);
    const CableItem& cable = *cables[0];
    EXPECT_EQ((std::vector<int>{cable.x1, cable.y1, cable.x2, cable.y2}), (std::vector<int>{130, 200, 300, 100}));
}

TEST_F(EditingTest, ArmedToolKeepsItsCursorOverTheCanvasOnly) {
    const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    const int displayCount = CursorDisplayCount();
    PressSymbolWindowButton(IDC_PICK_DELETE);
    const HCURSOR deleteCursor = appState.placementCursor.cursor;
    ASSERT_TRUE(deleteCursor);
    for (int i = 0; i < 3; ++i) {
        MouseMove(100 + i, 100, 0);
        EXPECT_EQ(CursorChosenOver(HTCLIENT), deleteCursor);
    }
    Click(100, 100);
    EXPECT_EQ(CursorChosenOver(HTCLIENT), deleteCursor);
    EXPECT_EQ(CursorDisplayCount(), displayCount) << "showing the cursor is balanced";
    EXPECT_EQ(CursorChosenOver(HTVSCROLL), arrow) << "the scroll bars keep the arrow";

    PressSymbolWindowButton(IDC_PICK_SELECT);
    EXPECT_EQ(CursorChosenOver(HTCLIENT), arrow);
}

TEST_F(EditingTest, DragMovesTheSymbolAndTheMatchingCableEnds) {
    Place({{100, 100}, {300, 100}, {200, 300}});
    ArmTool(TOOL_CABLE, CABLE_SERIAL);
    Click(100, 100);
    Click(300, 100);
    Click(200, 300);
    Click(100, 100);
    ArmTool(TOOL_SELECT);

    MouseDown(95, 105);
    EXPECT_TRUE(appState.session.drag.dragging);
    MouseMove(105, 125);
    MouseMove(135, 145);
    MouseUp(135, 145);
    EXPECT_FALSE(appState.session.drag.dragging);
    MouseMove(300, 300, 0);  // after the button is up nothing moves

    const std::vector<SymbolItem*> symbols = DiagramSymbols();
    EXPECT_EQ(std::make_pair(symbols[0]->x, symbols[0]->y), std::make_pair(115, 115));
    EXPECT_EQ(std::make_pair(symbols[1]->x, symbols[1]->y), std::make_pair(275, 75));
    const auto cables = DiagramCables();
    ASSERT_EQ(cables.size(), 2u);
    EXPECT_EQ((std::vector<int>{cables[0]->x1, cables[0]->y1, cables[0]->x2, cables[0]->y2}),
              (std::vector<int>{140, 140, 300, 100}));
    EXPECT_EQ((std::vector<int>{cables[1]->x1, cables[1]->y1, cables[1]->x2, cables[1]->y2}),
              (std::vector<int>{200, 300, 140, 140}));
    EXPECT_EQ(SelectedSymbol(), symbols[0]) << "the dragged symbol stays selected";
}

TEST_F(EditingTest, DeleteLeavesTheCablesAndEmptyClicksDoNothing) {
    Place({{100, 100}, {300, 100}, {200, 300}});
    ArmTool(TOOL_CABLE, CABLE_TELEPHONE);
    Click(100, 100);
    Click(300, 100);
    Click(300, 100);
    Click(200, 300);
    ArmTool(TOOL_DELETE);
    UpdateWindow(appState.topology);

    Click(400, 350);  // empty canvas
    EXPECT_EQ(DiagramSymbols().size(), 3u);
    EXPECT_FALSE(RepaintPending());

    const long objects = LiveGdiObjects();
    Click(300, 100);
    EXPECT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_EQ(LiveGdiObjects(), objects) << "the palette item keeps the picture the others share";
    EXPECT_EQ(DiagramCables().size(), 2u);
    const Pixels pixels = CanvasPixels();
    EXPECT_EQ(pixels.at(300, 100), RGB_BLACK) << "both telephone cables still meet where the symbol was";
    EXPECT_EQ(pixels.at(200, 100), RGB_BLACK);
    EXPECT_EQ(pixels.at(250, 200), RGB_BLACK);

    // Dragging another symbol moves only its own cables.
    ArmTool(TOOL_SELECT);
    MouseDown(100, 100);
    MouseMove(100, 150);
    MouseUp(100, 150);
    const auto cables = DiagramCables();
    EXPECT_EQ((std::vector<int>{cables[0]->x1, cables[0]->y1}), (std::vector<int>{100, 150}));
    EXPECT_EQ((std::vector<int>{cables[1]->x1, cables[1]->y1, cables[1]->x2, cables[1]->y2}),
              (std::vector<int>{300, 100, 200, 300}));
}

TEST_F(EditingTest, EscAndDeleteKeysActOnTheCanvas) {
    Place({{100, 100}, {300, 100}});
    ArmTool(TOOL_CABLE, CABLE_TELEPHONE);
    Click(100, 100);
    PressKey(appState.topology, VK_ESCAPE);
    EXPECT_EQ(CanvasPixels().at(74, 74), RGB_WHITE) << "the first end's frame goes";
    Click(300, 100);
    Click(100, 100);
    EXPECT_EQ(DiagramCables().size(), 1u);
    EXPECT_EQ(DiagramCables()[0]->x1, 300) << "the cable starts at the end picked after Esc";

    ArmTool(TOOL_SELECT);
    MouseDown(300, 100);
    MouseMove(350, 180);
    PressKey(appState.topology, VK_ESCAPE);
    MouseMove(400, 250);
    MouseUp(400, 250);
    EXPECT_EQ(std::make_pair(DiagramSymbols()[1]->x, DiagramSymbols()[1]->y), std::make_pair(275, 75));
    EXPECT_EQ(CanvasPixels().at(350, 180), RGB_WHITE) << "nothing left where the drag had taken it";

    PressKey(appState.topology, VK_DELETE);
    ASSERT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(DiagramCables().size(), 1u);
    PressKey(appState.topology, VK_DELETE);  // nothing selected
    EXPECT_EQ(DiagramSymbols().size(), 1u);

    // Delete with the button still down: the drag is a move of its own, which undo takes back.
    MouseDown(100, 100);
    MouseMove(200, 100);
    PressKey(appState.topology, VK_DELETE);
    MouseUp(200, 100);
    PressKey(appState.topology, 'Z', true);
    PressKey(appState.topology, 'Z', true);
    ASSERT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(DiagramSymbols()[0]->x, 75);
}

TEST_F(EditingTest, NewEmptiesTheDiagramAndKeepsIdsCounting) {
    Place({{100, 100}, {200, 200}});
    ArmTool(TOOL_SELECT);
    Click(100, 100);
    AnswerNextBox(IDOK);
    Command(IDM_FILE_NEW);
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].caption, "Message");
    EXPECT_EQ(SeenDialogs()[0].text, "作業中の設計を破棄します");
    EXPECT_TRUE(appState.session.diagram.items.empty());
    EXPECT_EQ(appState.session.selectedId, NO_SYMBOL);
    const Pixels pixels = CanvasPixels();
    EXPECT_EQ(std::count(pixels.rgb.begin(), pixels.rgb.end(), RGB_WHITE), 500 * 400);

    EXPECT_EQ(appState.session.tool.kind, ToolKind::SELECT) << "New keeps the tool";
    const std::vector<SymbolItem*> symbols = Place({{50, 50}});
    ASSERT_EQ(symbols.size(), 1u);
    EXPECT_EQ(symbols[0]->id, 2);
}

TEST_F(EditingTest, ExitAnsweredNoChangesNothing) {
    Place({{100, 100}});
    AnswerNextBox(IDNO);
    Command(IDM_FILE_EXIT);
    ASSERT_EQ(SeenDialogs().size(), 1u);
    EXPECT_EQ(SeenDialogs()[0].text, "終了してもよろしいですか");
    EXPECT_TRUE(IsWindow(appState.topology));
    EXPECT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(appState.session.tool.kind, ToolKind::SYMBOL);
    Command(IDM_HELP_GUIDE);  // the short guide does nothing
    Command(12345);
    EXPECT_TRUE(SeenDialogs().size() == 1u);
}

}  // namespace

namespace {

// A system colour as the pixels read back hold it.
unsigned SystemColourPixel(int index) {
    const COLORREF colour = GetSysColor(index);
    return unsigned(GetRValue(colour)) << 16 | unsigned(GetGValue(colour)) << 8 | GetBValue(colour);
}

// The tool and cable pictures whose frame shows the highlight colour.
std::vector<int> FramedPictures() {
    static const int PICTURES[] = {IDC_PICK_SELECT,    IDC_PICK_DELETE, IDC_PICK_STRAIGHT,
                                   IDC_PICK_CROSS,     IDC_PICK_SERIAL, IDC_PICK_CONSOLE,
                                   IDC_PICK_TELEPHONE, IDC_PICK_MET,    IDC_PICK_OPTICAL};
    HWND window = appState.tools.symbolWindow;
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    UpdateWindow(window);
    const Pixels pixels = ReadWindowPixels(window);
    std::vector<int> framed;
    for (int id : PICTURES) {
        RECT rect = {};
        GetWindowRect(GetDlgItem(window, id), &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        if (pixels.at(rect.left - 1, (rect.top + rect.bottom) / 2) == SystemColourPixel(COLOR_HIGHLIGHT))
            framed.push_back(id);
    }
    return framed;
}

}  // namespace

TEST_F(EditingTest, OnlyTheArmedToolsPictureIsFramed) {
    EXPECT_EQ(FramedPictures(), std::vector<int>{}) << "no tool at start";
    for (int id : {IDC_PICK_DELETE, IDC_PICK_MET, IDC_PICK_STRAIGHT, IDC_PICK_SELECT, IDC_PICK_OPTICAL}) {
        SendMessageA(appState.tools.symbolWindow, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(appState.tools.symbolWindow, id)));
        EXPECT_EQ(FramedPictures(), std::vector<int>{id});
    }
    ClickPaletteItem(CATEGORY_ROUTER, 0);
    EXPECT_EQ(FramedPictures(), std::vector<int>{}) << "a symbol tool frames no picture";
}

// While the canvas has the focus, the item "シンボルの削除" would delete is framed in the highlight
// colour when its symbol tool is armed, and lies on the face colour when another tool is.
TEST_F(EditingTest, PickedPaletteItemShowsWhetherItsToolIsArmed) {
    HWND list = PaletteListOf(CATEGORY_ROUTER);
    auto edge = [list](int index) {
        RECT icon = {LVIR_ICON, 0, 0, 0}, bounds = {LVIR_BOUNDS, 0, 0, 0};
        SendMessageA(list, LVM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&icon));
        SendMessageA(list, LVM_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&bounds));
        UpdateWindow(list);
        const Pixels pixels = ReadWindowPixels(list);
        if (pixels.at(icon.left, (icon.top + icon.bottom) / 2) == SystemColourPixel(COLOR_HIGHLIGHT))
            return "frame";
        return pixels.at(bounds.left + 1, (icon.top + icon.bottom) / 2) == SystemColourPixel(COLOR_3DFACE) ? "face"
                                                                                                           : "none";
    };
    EXPECT_STREQ(edge(1), "none");
    ClickPaletteItem(CATEGORY_ROUTER, 1);
    SetFocus(appState.topology);
    EXPECT_STREQ(edge(1), "frame");
    ClickPaletteItem(CATEGORY_ROUTER, 0);
    EXPECT_STREQ(edge(0), "frame");
    EXPECT_STREQ(edge(1), "none");
    SetFocus(list);
    UpdateWindow(list);
    SetFocus(appState.topology);
    EXPECT_STREQ(edge(0), "frame") << "drawn again when the list loses the focus";
    PressSymbolWindowButton(IDC_PICK_SELECT);
    EXPECT_STREQ(edge(0), "face");
    PressSymbolWindowButton(IDC_PICK_STRAIGHT);
    EXPECT_STREQ(edge(0), "face");
}

// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) from the canvas or a tool window; a text field keeps its own.
TEST_F(EditingTest, UndoAndRedoKeysWorkFromEveryWindowButATextField) {
    Place({{100, 100}, {300, 100}});
    ArmTool(TOOL_CABLE, CABLE_SERIAL);
    Click(100, 100);
    Click(300, 100);
    ArmTool(TOOL_SELECT);
    MouseDown(300, 100);
    MouseMove(320, 150);
    MouseMove(340, 200);
    MouseUp(340, 200);
    ArmTool(TOOL_DELETE);
    Click(100, 100);
    const int32_t firstId = appState.session.diagram.nextSymbolId - 2;
    ASSERT_EQ(DiagramSymbols().size(), 1u);

    PressKey(appState.topology, 'Z', true);  // the delete
    ASSERT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_EQ(DiagramSymbols()[0]->id, firstId) << "back with its id, in its place in the drawing order";
    EXPECT_EQ(CanvasPixels().at(80, 80), RED);
    PressKey(appState.tools.symbolWindow, 'Z', true);  // the whole drag, from a tool window
    EXPECT_EQ(std::make_pair(DiagramSymbols()[1]->x, DiagramSymbols()[1]->y), std::make_pair(275, 75));
    EXPECT_EQ(DiagramCables()[0]->x2, 300) << "its cable went back with it";
    HWND filterEdit =
        FindWindowExA(GetDlgItem(appState.tools.listWindow, IDC_DISPLAY_FILTER), nullptr, "Edit", nullptr);
    ASSERT_TRUE(filterEdit);
    PressKey(filterEdit, 'Z', true);
    EXPECT_EQ(DiagramCables().size(), 1u) << "a text field keeps Ctrl+Z";
    PressKey(appState.topology, 'Z', true);  // the cable
    EXPECT_EQ(DiagramCables().size(), 0u);
    PressKey(appState.topology, 'Y', true);
    PressKey(appState.topology, 'Z', true, true);
    EXPECT_EQ(DiagramSymbols()[1]->x, 315) << "cable and drag done again";
    EXPECT_EQ(DiagramCables().size(), 1u);

    // New is undone as one step; a new edit leaves nothing to redo.
    AnswerNextBox(IDOK);
    Command(IDM_FILE_NEW);
    EXPECT_TRUE(DiagramSymbols().empty());
    PressKey(appState.topology, 'Z', true);
    EXPECT_EQ(DiagramSymbols().size(), 2u);
    EXPECT_EQ(DiagramCables().size(), 1u);
    PressKey(appState.topology, 'Z', true);  // the drag
    EXPECT_EQ(DiagramSymbols()[1]->x, 275);
    Click(100, 100);  // the delete tool: a new edit
    PressKey(appState.topology, 'Y', true);
    ASSERT_EQ(DiagramSymbols().size(), 1u);
    EXPECT_EQ(DiagramSymbols()[0]->x, 275) << "the undone drag is gone with the new edit";
}
