#include "canvas_helpers.h"

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "library/symbol_library.h"
#include "resources/resource.h"

SymbolItem* AddTestSymbol(int index, int x, int y) {
    HDC dc = GetDC(appState.topology);
    std::shared_ptr<const SymbolPicture> picture = ItemPicture(appState.library, dc, CATEGORY_ROUTER, index);
    ReleaseDC(appState.topology, dc);
    EXPECT_TRUE(picture);
    SymbolItem symbol = SymbolWithPicture(std::move(picture));
    symbol.x = x;
    symbol.y = y;
    AddSymbolDamage(appState.session.damage, symbol);
    return AppendSymbol(appState.session.diagram, std::move(symbol));
}

// Added as an edit adds it: the canvas it covers is composed at the next paint.
CableItem* AddTestCableAt(CableType type, int x1, int y1, int x2, int y2) {
    const CableItem cable = {x1, y1, x2, y2, -1, -1, type};
    AddCableDamage(appState.session.damage, cable);
    return AppendCable(appState.session.diagram, cable);
}

CableItem* AddTestCable(CableType type, const SymbolItem* first, const SymbolItem* second) {
    const CanvasPoint p = SymbolCentre(*first), q = SymbolCentre(*second);
    CableItem* cable = AddTestCableAt(type, p.x, p.y, q.x, q.y);
    cable->firstSymbolId = first->id;
    cable->secondSymbolId = second->id;
    return cable;
}

SymbolItem* PlaceRouterAt(int x, int y, int picture) {
    PickSymbol(CATEGORY_ROUTER, picture);
    Click(x, y);
    return DiagramSymbols().empty() ? nullptr : DiagramSymbols().back();
}

std::vector<SymbolItem*> DiagramSymbols() {
    std::vector<SymbolItem*> symbols;
    ForEachSymbol(appState.session.diagram, [&](SymbolItem& symbol) { symbols.push_back(&symbol); });
    return symbols;
}

std::vector<CableItem*> DiagramCables() {
    std::vector<CableItem*> cables;
    ForEachCable(appState.session.diagram, [&](CableItem& cable) { cables.push_back(&cable); });
    return cables;
}

SymbolItem* SelectedSymbol() {
    return FindSymbol(appState.session.diagram, appState.session.selectedId);
}

TestLibrary RouterPictures(const std::vector<unsigned>& colours) {
    TestLibrary library;
    for (size_t i = 0; i < colours.size(); ++i)
        library.Symbol(CATEGORY_ROUTER, "r" + std::to_string(i) + ".bmp", StripedBmp(colours[i]));
    return library;
}

void Repaint() {
    InvalidateRect(appState.topology, nullptr, FALSE);
    UpdateWindow(appState.topology);
}

Pixels CanvasPixels() {
    Repaint();
    return ReadBitmapPixels(appState.canvas.bitmap());
}

void PressZoom(int id) {
    SendMessageA(appState.tools.viewWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

void SetClientSize(int width, int height) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        RECT client, outer;
        GetClientRect(appState.topology, &client);
        if (client.right == width && client.bottom == height)
            return;
        GetWindowRect(appState.topology, &outer);
        SetWindowPos(appState.topology, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages(10);
    }
}

std::string ZoomLabel() {
    char text[32] = "";
    GetDlgItemTextA(appState.tools.viewWindow, IDC_ZOOM_LABEL, text, sizeof text);
    return text;
}

int ThumbPosition() {
    return int(SendDlgItemMessageA(appState.tools.viewWindow, IDC_ZOOM_TRACKBAR, TBM_GETPOS, 0, 0));
}

void ApplyCanvasSizeTexts(const char* width, const char* height, bool refused) {
    RespondNext([=](HWND dialog) {
        SetDlgItemTextA(dialog, IDC_CANVAS_WIDTH, width);
        SetDlgItemTextA(dialog, IDC_CANVAS_HEIGHT, height);
        SendMessageA(dialog, WM_COMMAND, IDC_CANVAS_APPLY, 0);
        PressButton(dialog, IDC_CANVAS_CLOSE);
    });
    if (refused)
        AnswerNextBox(IDOK);
    SendMessageA(appState.topology, WM_COMMAND, IDM_FORMAT_CANVAS_SIZE, 0);
}
