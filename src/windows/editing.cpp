#include "windows/editing.h"

#include <windowsx.h>

#include <new>

#include "windows/app_state.h"
#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "render/symbol_image.h"
#include "library/catalog.h"
#include "platform/message_box.h"


void ResetEditingState() {
    SetPlacementCursor(nullptr, false);
    appState.editor.tool = {};
    appState.editor.selectedNode = nullptr;
    appState.editor.connect = {};
    appState.editor.drag = {};
}

void SetPlacementCursor(HCURSOR cursor, bool owned) {
    if (appState.placementCursor.owned && appState.placementCursor.cursor != cursor)
        FreeIcon(appState.placementCursor.cursor);
    appState.placementCursor.cursor = cursor;
    appState.placementCursor.owned = owned && cursor;
}

void ForgetNode(const DiagramNode* node) {
    if (appState.editor.selectedNode == node)
        appState.editor.selectedNode = nullptr;
    if (appState.editor.drag.dragNode == node)
        appState.editor.drag = {};
    const SymbolItem* symbol = AsSymbol(node);
    if (symbol && appState.editor.connect.firstEndChosen && appState.editor.connect.firstEndId == symbol->id)
        appState.editor.connect = {};
}

void ForgetAllNodes() {
    appState.editor.selectedNode = nullptr;
    appState.editor.drag = {};
    appState.editor.connect = {};
}

// Editing repaints without erasing: the whole canvas is composed again anyway.
static void Invalidate(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
}

LRESULT OnPickSymbol(HWND window, WPARAM wParam, LPARAM lParam) {
    appState.editor.tool.toolCode = int16_t(LOWORD(wParam));
    appState.editor.tool.subCode = int16_t(LOWORD(lParam));
    appState.editor.tool.placing = true;
    appState.editor.selectedNode = nullptr;
    Invalidate(window);
    return 0;
}

void OnLibraryImageDeleted(int32_t category, int32_t index) {
    if (!appState.editor.tool.placing || appState.editor.tool.toolCode != category || appState.editor.tool.subCode < index)
        return;
    if (appState.editor.tool.subCode > index) {
        --appState.editor.tool.subCode;  // its picture moved down one place
        return;
    }
    appState.editor.tool.placing = false;
    appState.editor.tool.subCode = 0;
    SetPlacementCursor(nullptr, false);
}

LRESULT OnSelectTool(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam == WPARAM(TOOL_SELECT)) {
        appState.editor.tool.toolCode = TOOL_SELECT;
        appState.editor.tool.subCode = 0;
        appState.editor.tool.placing = false;
        SetPlacementCursor(nullptr, false);
    } else if (wParam == WPARAM(TOOL_DELETE)) {
        // The delete cursor was set by the sender.
        appState.editor.tool.toolCode = TOOL_DELETE;
        appState.editor.tool.subCode = 0;
        appState.editor.tool.placing = false;
    } else {
        appState.editor.tool.toolCode = int16_t(LOWORD(wParam));
        appState.editor.tool.subCode = int16_t(LOWORD(lParam));
        appState.editor.tool.placing = true;
        SetPlacementCursor(nullptr, false);
    }
    appState.editor.selectedNode = nullptr;
    Invalidate(window);
    return 0;
}

static void PlaceSymbol(HWND window, CanvasPoint point) {
    HIMAGELIST source = CategoryImageList(appState.library.catalog, appState.editor.tool.toolCode);
    SymbolItem* symbol = NewSymbolItem(appState.diagram);
    bool placed = false;
    if (symbol) {
        WindowDC dc(window);
        placed = dc && CreateSymbolImage(*symbol, dc.get(), source, appState.editor.tool.subCode);
    }
    if (placed) {
        symbol->x = point.x - SYMBOL_HALF;
        symbol->y = point.y - SYMBOL_HALF;
        placed = AppendItem(appState.diagram, symbol) != nullptr;
    }
    if (!placed) {
        FreeSymbolItem(appState.diagram, symbol);
        ShowError(window, "シンボルの画像を作成できないため、配置できませんでした。");
        return;
    }
    Invalidate(window);
}

static const SymbolItem* FindSymbolById(int32_t id) {
    const SymbolItem* found = nullptr;
    ForEachNode(appState.diagram, [&](DiagramNode* node) {
        const SymbolItem* symbol = AsSymbol(node);
        if (symbol && symbol->id == id)
            found = symbol;
    });
    return found;
}

static void Connect(HWND window, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(appState.diagram, point.x, point.y);
    const SymbolItem* symbol = AsSymbol(node);
    if (!symbol)
        return;
    const SymbolItem* first = appState.editor.connect.firstEndChosen ? FindSymbolById(appState.editor.connect.firstEndId) : nullptr;
    if (!first) {
        appState.editor.selectedNode = node;
        appState.editor.connect = {true, symbol->id};
        Invalidate(window);
        return;
    }
    if (node == appState.editor.selectedNode)
        return;  // the framed first end again
    // Both ends where their symbols are now.
    const CanvasPoint start = SymbolCentre(*first);
    const CanvasPoint end = SymbolCentre(*symbol);
    CableItem* cable = new (std::nothrow) CableItem{start.x, start.y, end.x, end.y, first->id, symbol->id};
    if (!cable || !AppendItem(appState.diagram, cable, appState.editor.tool.subCode)) {
        delete cable;
        return;
    }
    appState.editor.selectedNode = nullptr;
    appState.editor.connect = {};
    Invalidate(window);
}

static void SelectAndStartDrag(HWND window, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(appState.diagram, point.x, point.y);
    appState.editor.selectedNode = node;
    if (node)
        appState.editor.drag = {true, node, point};
    Invalidate(window);
}

static void DeleteSymbolAt(HWND window, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(appState.diagram, point.x, point.y);
    if (!node)
        return;
    ForgetNode(node);
    RemoveNode(appState.diagram, node);
    appState.editor.selectedNode = nullptr;
    Invalidate(window);
}

void OnLeftButtonDown(HWND window, LPARAM lParam) {
    const CanvasPoint point = ClientToCanvas(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    if (appState.editor.tool.placing) {
        if (appState.editor.tool.toolCode == TOOL_CABLE)
            Connect(window, point);
        else
            PlaceSymbol(window, point);
    } else if (appState.editor.tool.toolCode == TOOL_SELECT) {
        SelectAndStartDrag(window, point);
    } else if (appState.editor.tool.toolCode == TOOL_DELETE) {
        DeleteSymbolAt(window, point);
    }
}

void OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (appState.editor.drag.dragging && !(wParam & MK_LBUTTON))
        appState.editor.drag = {};  // the button was released where this window could not see it
    if (appState.editor.drag.dragging) {
        const CanvasPoint point = ClientToCanvas(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        SymbolItem& symbol = *AsSymbol(appState.editor.drag.dragNode);
        symbol.x += point.x - appState.editor.drag.lastMousePos.x;
        symbol.y += point.y - appState.editor.drag.lastMousePos.y;
        ReattachCables(appState.diagram, symbol);
        appState.editor.drag.lastMousePos = point;
        Invalidate(window);
    }
}

bool OnSetCursor(HWND window, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != window || LOWORD(lParam) != HTCLIENT || !appState.placementCursor.cursor)
        return false;
    SetCursor(appState.placementCursor.cursor);
    return true;
}

void OnLeftButtonUp(HWND) {
    appState.editor.drag = {};
}
