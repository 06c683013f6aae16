#include "core/editor.h"

#include <new>

void ResetEditor(Editor& editor) {
    editor = {};
}

void PickSymbolTool(Editor& editor, int16_t category, int16_t image) {
    editor.tool = {category, image, true};
    editor.selectedNode = nullptr;
}

void SelectTool(Editor& editor, int16_t tool, int16_t subCode) {
    if (tool == TOOL_SELECT || tool == TOOL_DELETE)
        editor.tool = {tool, 0, false};
    else
        editor.tool = {tool, subCode, true};
    editor.selectedNode = nullptr;
}

static const SymbolItem* FindSymbolById(const DiagramList& diagram, int32_t id) {
    const SymbolItem* found = nullptr;
    ForEachNode(diagram, [&](DiagramNode* node) {
        const SymbolItem* symbol = AsSymbol(node);
        if (symbol && symbol->id == id)
            found = symbol;
    });
    return found;
}

static PressResult Connect(Editor& editor, DiagramList& diagram, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    const SymbolItem* symbol = AsSymbol(node);
    if (!symbol)
        return PressResult::NOTHING;
    const SymbolItem* first =
        editor.connect.firstEndChosen ? FindSymbolById(diagram, editor.connect.firstEndId) : nullptr;
    if (!first) {
        editor.selectedNode = node;
        editor.connect = {true, symbol->id};
        return PressResult::REDRAW;
    }
    if (node == editor.selectedNode)
        return PressResult::NOTHING;  // the framed first end again
    // Both ends where their symbols are now.
    const CanvasPoint start = SymbolCentre(*first);
    const CanvasPoint end = SymbolCentre(*symbol);
    CableItem* cable = new (std::nothrow) CableItem{start.x, start.y, end.x, end.y, first->id, symbol->id};
    if (!cable || !AppendItem(diagram, cable, editor.tool.subCode)) {
        delete cable;
        return PressResult::NOTHING;
    }
    editor.selectedNode = nullptr;
    editor.connect = {};
    return PressResult::REDRAW;
}

static PressResult SelectAndStartDrag(Editor& editor, const DiagramList& diagram, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    editor.selectedNode = node;
    if (node)
        editor.drag = {true, node, point};
    return PressResult::REDRAW;
}

static PressResult DeleteSymbolAt(Editor& editor, DiagramList& diagram, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    if (!node)
        return PressResult::NOTHING;
    ForgetNode(editor, node);
    RemoveNode(diagram, node);
    editor.selectedNode = nullptr;
    return PressResult::REDRAW;
}

PressResult Press(Editor& editor, DiagramList& diagram, CanvasPoint point) {
    if (editor.tool.placing)
        return editor.tool.toolCode == TOOL_CABLE ? Connect(editor, diagram, point) : PressResult::PLACE_SYMBOL;
    if (editor.tool.toolCode == TOOL_SELECT)
        return SelectAndStartDrag(editor, diagram, point);
    if (editor.tool.toolCode == TOOL_DELETE)
        return DeleteSymbolAt(editor, diagram, point);
    return PressResult::NOTHING;
}

bool PlaceSymbol(DiagramList& diagram, SymbolItem* symbol, CanvasPoint point) {
    symbol->x = point.x - SYMBOL_HALF;
    symbol->y = point.y - SYMBOL_HALF;
    return AppendItem(diagram, symbol) != nullptr;
}

bool DragTo(Editor& editor, const DiagramList& diagram, CanvasPoint point, bool buttonDown) {
    if (!buttonDown)
        editor.drag = {};
    if (!editor.drag.dragging)
        return false;
    SymbolItem& symbol = *AsSymbol(editor.drag.dragNode);
    symbol.x += point.x - editor.drag.lastMousePos.x;
    symbol.y += point.y - editor.drag.lastMousePos.y;
    ReattachCables(diagram, symbol);
    editor.drag.lastMousePos = point;
    return true;
}

void Release(Editor& editor) {
    editor.drag = {};
}

void ForgetNode(Editor& editor, const DiagramNode* node) {
    if (editor.selectedNode == node)
        editor.selectedNode = nullptr;
    if (editor.drag.dragNode == node)
        editor.drag = {};
    const SymbolItem* symbol = AsSymbol(node);
    if (symbol && editor.connect.firstEndChosen && editor.connect.firstEndId == symbol->id)
        editor.connect = {};
}

void ForgetAllNodes(Editor& editor) {
    editor.selectedNode = nullptr;
    editor.drag = {};
    editor.connect = {};
}

bool OnLibraryImageDeleted(Editor& editor, int32_t category, int32_t index) {
    if (!editor.tool.placing || editor.tool.toolCode != category || editor.tool.subCode < index)
        return false;
    if (editor.tool.subCode > index) {
        --editor.tool.subCode;  // its picture moved down one place
        return false;
    }
    editor.tool.placing = false;
    editor.tool.subCode = 0;
    return true;
}
