#include "windows/app_state.h"
#include "windows/editing.h"
#include "platform/gdi_objects.h"
#include "core/cable_geometry.h"
#include "render/canvas.h"
#include "render/draw_cable.h"
#include "render/symbol_image.h"
#include "core/view_math.h"
#include "windows/tool_windows.h"


void ResetCanvasView() {
    appState.canvas.width = DEFAULT_CANVAS_WIDTH;
    appState.canvas.height = DEFAULT_CANVAS_HEIGHT;
    appState.canvas.zoomFactor = 1.0f;
    appState.canvas.scrollX = 0;
    appState.canvas.scrollY = 0;
}

bool CreateBackBuffer(HWND window, int32_t width, int32_t height) {
    WindowDC windowDC(window);
    if (!windowDC || width <= 0 || height <= 0)
        return false;
    HDC dc = NewMemoryDC(windowDC.get());
    HBITMAP bitmap = dc ? NewCompatibleBitmap(windowDC.get(), width, height) : nullptr;
    if (!bitmap) {
        FreeMemoryDC(dc);
        return false;
    }
    SelectObject(dc, bitmap);
    // One look from the start: a white canvas before the first paint (the thumbnail and an export
    // may show it), and the gaps of dotted cables never painted over what lies under them.
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    SetBkMode(dc, TRANSPARENT);
    ReleaseBackBuffer();
    appState.canvas.backBuffer = {dc, bitmap};
    return true;
}

void ReleaseBackBuffer() {
    // The device context goes first, so the bitmap is no longer selected when it is deleted.
    FreeMemoryDC(appState.canvas.backBuffer.backBufferDC);
    FreeGdiObject(appState.canvas.backBuffer.backBufferBitmap);
    appState.canvas.backBuffer = {};
}

static void DrawSelectionFrame(HDC dc, const SymbolItem& symbol) {
    OwnedGdiObject pen(NewPen(PS_DOT, 0, RGB(0, 0, 0)));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, GetStockObject(NULL_BRUSH));
    // Rectangle leaves out the right and bottom edges: the frame runs one pixel outside the picture.
    Rectangle(dc, symbol.x - 1, symbol.y - 1, symbol.x + SYMBOL_SIZE + 1, symbol.y + SYMBOL_SIZE + 1);
}

void ComposeDiagram() {
    HDC dc = appState.canvas.backBuffer.backBufferDC;
    if (!dc)
        return;
    BitBlt(dc, 0, 0, appState.canvas.width, appState.canvas.height, nullptr, 0, 0, WHITENESS);
    // All cables first, so that every symbol lies over every cable.
    ForEachNode(appState.diagram, [dc](DiagramNode* node) {
        CableStyle style;
        if (const CableItem* cable = AsCable(node); cable && CableStyleFor(int16_t(node->kind), &style))
            DrawCable(*cable, dc, style.penStyle, style.colour, int16_t(node->kind));
    });
    ForEachNode(appState.diagram, [dc](DiagramNode* node) {
        if (const SymbolItem* symbol = AsSymbol(node))
            DrawSymbol(*symbol, dc);
    });
    if (const SymbolItem* selected = AsSymbol(appState.editor.selectedNode))
        DrawSelectionFrame(dc, *selected);
}

void PresentCanvas(HDC target) {
    StretchBlt(target, -appState.canvas.scrollX, -appState.canvas.scrollY, ZoomedLength(appState.canvas.width, appState.canvas.zoomFactor),
               ZoomedLength(appState.canvas.height, appState.canvas.zoomFactor), appState.canvas.backBuffer.backBufferDC, 0, 0, appState.canvas.width, appState.canvas.height,
               SRCCOPY);
}

void DrawThumbnail(HDC target) {
    StretchBlt(target, THUMBNAIL_X, THUMBNAIL_Y, THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT, appState.canvas.backBuffer.backBufferDC, 0, 0,
               appState.canvas.width, appState.canvas.height, SRCCOPY);
}

void PaintTopologyWindow(HWND window) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    ComposeDiagram();
    PresentCanvas(target);
    if (appState.tools.viewWindow) {
        WindowDC viewDC(appState.tools.viewWindow);
        DrawThumbnail(viewDC.get());
    }
    EndPaint(window, &paint);
}

CanvasPoint ClientToCanvas(int clientX, int clientY) {
    return {CanvasFromClient(clientX, appState.canvas.scrollX, appState.canvas.width, ZoomedLength(appState.canvas.width, appState.canvas.zoomFactor)),
            CanvasFromClient(clientY, appState.canvas.scrollY, appState.canvas.height, ZoomedLength(appState.canvas.height, appState.canvas.zoomFactor))};
}
