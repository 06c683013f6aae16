#include "canvas_helpers.h"

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "library/symbol_library.h"
#include "resources/resource.h"

DiagramNode* AddTestSymbol(int index, int x, int y) {
    SymbolItem* symbol = NewSymbolItem();
    HDC dc = GetDC(appState.topology);
    SymbolPicture* picture = ItemPicture(appState.library, dc, CATEGORY_ROUTER, index);
    ReleaseDC(appState.topology, dc);
    EXPECT_TRUE(picture);
    if (picture)
        GiveSymbolPicture(*symbol, picture);
    symbol->x = x;
    symbol->y = y;
    AddSymbolDamage(appState.canvas.damage, *symbol);
    return AppendItem(appState.diagram, symbol);
}

// Added as an edit adds it: the canvas it covers is composed at the next paint.
static DiagramNode* AddTestCableItem(ItemKind kind, const CableItem& cable) {
    AddCableDamage(appState.canvas.damage, kind, cable);
    return AppendItem(appState.diagram, new CableItem(cable), kind);
}

DiagramNode* AddTestCable(ItemKind kind, const DiagramNode* first, const DiagramNode* second) {
    const SymbolItem& a = *AsSymbol(first);
    const SymbolItem& b = *AsSymbol(second);
    const CanvasPoint p = SymbolCentre(a), q = SymbolCentre(b);
    return AddTestCableItem(kind, {p.x, p.y, q.x, q.y, a.id, b.id});
}

DiagramNode* AddTestCableAt(ItemKind kind, int x1, int y1, int x2, int y2) {
    return AddTestCableItem(kind, {x1, y1, x2, y2, -1, -1});
}

std::vector<SymbolItem*> DiagramSymbols() {
    std::vector<SymbolItem*> symbols;
    ForEachNode(appState.diagram, [&](DiagramNode* node) {
        if (SymbolItem* symbol = AsSymbol(node))
            symbols.push_back(symbol);
    });
    return symbols;
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
    return ReadBitmapPixels(appState.canvas.backBuffer.bitmap());
}

void PressZoom(int id) {
    SendMessageA(appState.tools.viewWindow, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
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
