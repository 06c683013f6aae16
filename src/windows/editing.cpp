#include "windows/editing.h"

#include <windowsx.h>

#include <new>

#include "app/app_state.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "library/catalog.h"

ToolState toolState;
DiagramNode* selectedNode;
ConnectState connectState;
DragState dragState;
static bool placementCursorOwned;

void ResetEditingState() {
    SetPlacementCursor(nullptr, false);
    toolState = {};
    selectedNode = nullptr;
    connectState = {};
    dragState = {};
}

void SetPlacementCursor(HCURSOR cursor, bool owned) {
    if (placementCursorOwned && toolState.placementCursor != cursor)
        FreeIcon(toolState.placementCursor);
    toolState.placementCursor = cursor;
    placementCursorOwned = owned && cursor;
}

void ForgetNode(const DiagramNode* node) {
    if (selectedNode == node)
        selectedNode = nullptr;
    if (dragState.dragNode == node)
        dragState = {};
    const SymbolItem* symbol = AsSymbol(node);
    if (symbol && connectState.firstEndChosen && connectState.firstEndId == symbol->id)
        connectState = {};
}

void ForgetAllNodes() {
    selectedNode = nullptr;
    dragState = {};
    connectState = {};
}

// Editing repaints without erasing: the whole canvas is composed again anyway.
static void Invalidate(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

LRESULT OnPickSymbol(HWND window, WPARAM wParam, LPARAM lParam) {
    toolState.toolCode = int16_t(LOWORD(wParam));
    toolState.subCode = int16_t(LOWORD(lParam));
    toolState.placing = true;
    selectedNode = nullptr;
    Invalidate(window);
    return 0;
}

void OnLibraryImageDeleted(int32_t category, int32_t index) {
    if (!toolState.placing || toolState.toolCode != category || toolState.subCode < index)
        return;
    if (toolState.subCode > index) {
        --toolState.subCode;  // its picture moved down one place
        return;
    }
    toolState.placing = false;
    toolState.subCode = 0;
    SetPlacementCursor(nullptr, false);
}

LRESULT OnSelectTool(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam == WPARAM(TOOL_SELECT)) {
        toolState.toolCode = TOOL_SELECT;
        toolState.subCode = 0;
        toolState.placing = false;
        SetPlacementCursor(nullptr, false);
    } else if (wParam == WPARAM(TOOL_DELETE)) {
        // The delete cursor was set by the sender.
        toolState.toolCode = TOOL_DELETE;
        toolState.subCode = 0;
        toolState.placing = false;
    } else {
        toolState.toolCode = int16_t(LOWORD(wParam));
        toolState.subCode = int16_t(LOWORD(lParam));
        toolState.placing = true;
        SetPlacementCursor(nullptr, false);
    }
    selectedNode = nullptr;
    Invalidate(window);
    return 0;
}

static void PlaceSymbol(HWND window, CanvasPoint point) {
    HIMAGELIST source = CategoryImageList(toolState.toolCode);
    SymbolItem* symbol = NewSymbolItem(diagram);
    bool placed = false;
    if (symbol) {
        WindowDC dc(window);
        placed = dc && CreateSymbolImage(*symbol, dc.get(), source, toolState.subCode);
    }
    if (placed) {
        symbol->x = point.x - SYMBOL_HALF;
        symbol->y = point.y - SYMBOL_HALF;
        placed = AppendItem(diagram, symbol) != nullptr;
    }
    if (!placed) {
        FreeSymbolItem(diagram, symbol);
        MessageBoxA(window, "シンボルの画像を作成できないため、配置できませんでした。", "エラー", MB_OK | MB_ICONERROR);
        return;
    }
    Invalidate(window);
}

static const SymbolItem* FindSymbolById(int32_t id) {
    const SymbolItem* found = nullptr;
    ForEachNode(diagram, [&](DiagramNode* node) {
        const SymbolItem* symbol = AsSymbol(node);
        if (symbol && symbol->id == id)
            found = symbol;
    });
    return found;
}

static void Connect(HWND window, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    const SymbolItem* symbol = AsSymbol(node);
    if (!symbol)
        return;
    const SymbolItem* first = connectState.firstEndChosen ? FindSymbolById(connectState.firstEndId) : nullptr;
    if (!first) {
        selectedNode = node;
        connectState = {true, symbol->id};
        Invalidate(window);
        return;
    }
    if (node == selectedNode)
        return;  // the framed first end again
    // Both ends where their symbols are now.
    const CanvasPoint start = SymbolCentre(*first);
    const CanvasPoint end = SymbolCentre(*symbol);
    CableItem* cable = new (std::nothrow) CableItem{start.x, start.y, end.x, end.y, first->id, symbol->id};
    if (!cable || !AppendItem(diagram, cable, toolState.subCode)) {
        delete cable;
        return;
    }
    selectedNode = nullptr;
    connectState = {};
    Invalidate(window);
}

static void SelectAndStartDrag(HWND window, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    selectedNode = node;
    if (node)
        dragState = {true, node, point};
    Invalidate(window);
}

static void DeleteSymbolAt(HWND window, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    if (!node)
        return;
    ForgetNode(node);
    RemoveNode(diagram, node);
    selectedNode = nullptr;
    Invalidate(window);
}

void OnLeftButtonDown(HWND window, LPARAM lParam) {
    const CanvasPoint point = ClientToCanvas(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (toolState.placing) {
        if (toolState.toolCode == TOOL_CABLE)
            Connect(window, point);
        else
            PlaceSymbol(window, point);
    } else if (toolState.toolCode == TOOL_SELECT) {
        SelectAndStartDrag(window, point);
    } else if (toolState.toolCode == TOOL_DELETE) {
        DeleteSymbolAt(window, point);
    }
}

void OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (dragState.dragging && !(wParam & MK_LBUTTON))
        dragState = {};  // the button was released where this window could not see it
    if (dragState.dragging) {
        const CanvasPoint point = ClientToCanvas(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        SymbolItem& symbol = *AsSymbol(dragState.dragNode);
        symbol.x += point.x - dragState.lastMousePos.x;
        symbol.y += point.y - dragState.lastMousePos.y;
        ReattachCables(diagram, symbol);
        dragState.lastMousePos = point;
        Invalidate(window);
    }
}

bool OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT || !toolState.placementCursor)
        return false;
    SetCursor(toolState.placementCursor);
    return true;
}

void OnLeftButtonUp(HWND) {
    dragState = {};
}
