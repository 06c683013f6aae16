#include "render/canvas.h"

#include <utility>

#include "core/cable_geometry.h"
#include "core/view_math.h"
#include "platform/gdi_objects.h"
#include "render/draw_cable.h"
#include "render/symbol_image.h"

BackBuffer BackBuffer::Make(HWND window, int32_t width, int32_t height) {
    WindowDC windowDC(window);
    if (!windowDC || width <= 0 || height <= 0)
        return {};
    BackBuffer made;
    made.dc_ = NewMemoryDC(windowDC.get());
    made.bitmap_ = made.dc_ ? NewCompatibleBitmap(windowDC.get(), width, height) : nullptr;
    made.pictureDC_ = made.bitmap_ ? NewMemoryDC(windowDC.get()) : nullptr;
    if (!made.pictureDC_)
        return {};
    SelectObject(made.dc_, made.bitmap_);
    // One look from the start: a white canvas before the first paint (the thumbnail and an export
    // may show it), and the gaps of dotted cables never painted over what lies under them.
    PatBlt(made.dc_, 0, 0, width, height, WHITENESS);
    SetBkMode(made.dc_, TRANSPARENT);
    // The 1-bit masks of symbol pictures take these colours when drawn.
    SetTextColor(made.dc_, RGB(0, 0, 0));
    SetBkColor(made.dc_, RGB(255, 255, 255));
    return made;
}

BackBuffer::BackBuffer(BackBuffer&& other) noexcept
    : dc_(other.dc_), bitmap_(other.bitmap_), pictureDC_(other.pictureDC_) {
    other.dc_ = nullptr;
    other.bitmap_ = nullptr;
    other.pictureDC_ = nullptr;
}

BackBuffer& BackBuffer::operator=(BackBuffer&& other) noexcept {
    if (this != &other) {
        Release();
        dc_ = other.dc_;
        bitmap_ = other.bitmap_;
        pictureDC_ = other.pictureDC_;
        other.dc_ = nullptr;
        other.bitmap_ = nullptr;
        other.pictureDC_ = nullptr;
    }
    return *this;
}

void BackBuffer::Release() {
    // The device context goes first, so the bitmap is no longer selected when it is deleted.
    FreeMemoryDC(dc_);
    FreeGdiObject(bitmap_);
    FreeMemoryDC(pictureDC_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    pictureDC_ = nullptr;
}

void ResetCanvasView(CanvasState& canvas) {
    canvas.width = DEFAULT_CANVAS_WIDTH;
    canvas.height = DEFAULT_CANVAS_HEIGHT;
    canvas.zoomFactor = 1.0f;
    canvas.scrollX = 0;
    canvas.scrollY = 0;
}

bool CreateBackBuffer(CanvasState& canvas, HWND window, int32_t width, int32_t height) {
    BackBuffer made = BackBuffer::Make(window, width, height);
    if (!made)
        return false;
    canvas.backBuffer = std::move(made);
    return true;
}

static void DrawSelectionFrame(HDC dc, const SymbolItem& symbol) {
    OwnedGdiObject pen(NewPen(PS_DOT, 0, RGB(0, 0, 0)));
    SelectedObject usePen(dc, pen.get());
    SelectedObject useBrush(dc, GetStockObject(NULL_BRUSH));
    // Rectangle leaves out the right and bottom edges: the frame runs one pixel outside the picture.
    Rectangle(dc, symbol.x - 1, symbol.y - 1, symbol.x + SYMBOL_SIZE + 1, symbol.y + SYMBOL_SIZE + 1);
}

void ComposeDiagram(CanvasState& canvas, const DiagramList& diagram, const DiagramNode* selected) {
    HDC dc = canvas.backBuffer.dc();
    if (!dc)
        return;
    BitBlt(dc, 0, 0, canvas.width, canvas.height, nullptr, 0, 0, WHITENESS);
    // All cables first, so that every symbol lies over every cable.
    ForEachNode(diagram, [dc](DiagramNode* node) {
        CableStyle style;
        if (const CableItem* cable = AsCable(node); cable && CableStyleFor(int16_t(node->kind), &style))
            DrawCable(*cable, dc, style.penStyle, style.colour, int16_t(node->kind));
    });
    HDC pictureDC = canvas.backBuffer.pictureDC();
    ForEachNode(diagram, [dc, pictureDC](DiagramNode* node) {
        if (const SymbolItem* symbol = AsSymbol(node))
            DrawSymbol(*symbol, dc, pictureDC);
    });
    if (const SymbolItem* symbol = AsSymbol(selected))
        DrawSelectionFrame(dc, *symbol);
}

void PresentCanvas(HDC target, const CanvasState& canvas) {
    StretchBlt(target, -canvas.scrollX, -canvas.scrollY, ZoomedLength(canvas.width, canvas.zoomFactor),
               ZoomedLength(canvas.height, canvas.zoomFactor), canvas.backBuffer.dc(), 0, 0, canvas.width,
               canvas.height, SRCCOPY);
}

void DrawThumbnail(HDC target, const CanvasState& canvas) {
    if (!canvas.backBuffer)
        return;
    StretchBlt(target, THUMBNAIL_X, THUMBNAIL_Y, THUMBNAIL_WIDTH, THUMBNAIL_HEIGHT, canvas.backBuffer.dc(), 0, 0,
               canvas.width, canvas.height, SRCCOPY);
}

CanvasPoint ClientToCanvas(const CanvasState& canvas, int clientX, int clientY) {
    return {CanvasFromClient(clientX, canvas.scrollX, canvas.width, ZoomedLength(canvas.width, canvas.zoomFactor)),
            CanvasFromClient(clientY, canvas.scrollY, canvas.height, ZoomedLength(canvas.height, canvas.zoomFactor))};
}
