#include "core/editor.h"

#include <new>

void ResetEditor(Editor& editor) {
    editor = {};
}

// The frame moves: both the old and the new place need composing.
static void Select(Editor& editor, CanvasDamage& damage, DiagramNode* node) {
    if (node == editor.selectedNode)
        return;
    if (const SymbolItem* old = AsSymbol(editor.selectedNode))
        AddSymbolDamage(damage, *old);
    if (const SymbolItem* symbol = AsSymbol(node))
        AddSymbolDamage(damage, *symbol);
    editor.selectedNode = node;
}

void PickSymbolTool(Editor& editor, CanvasDamage& damage, int16_t category, int16_t image) {
    editor.tool = {category, image, true};
    Select(editor, damage, nullptr);
}

void SelectTool(Editor& editor, CanvasDamage& damage, int16_t tool, int16_t subCode) {
    if (tool == TOOL_SELECT || tool == TOOL_DELETE)
        editor.tool = {tool, 0, false};
    else
        editor.tool = {tool, subCode, true};
    Select(editor, damage, nullptr);
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

static PressResult Connect(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    const SymbolItem* symbol = AsSymbol(node);
    if (!symbol)
        return PressResult::NOTHING;
    const SymbolItem* first =
        editor.connect.firstEndChosen ? FindSymbolById(diagram, editor.connect.firstEndId) : nullptr;
    if (!first) {
        Select(editor, damage, node);
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
    AddCableDamage(damage, editor.tool.subCode, *cable);
    Select(editor, damage, nullptr);
    editor.connect = {};
    return PressResult::REDRAW;
}

static PressResult SelectAndStartDrag(Editor& editor,
                                      const DiagramList& diagram,
                                      CanvasDamage& damage,
                                      CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    Select(editor, damage, node);
    if (node)
        editor.drag = {true, node, point};
    return PressResult::REDRAW;
}

static PressResult DeleteSymbolAt(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    DiagramNode* node = FindSymbolAt(diagram, point.x, point.y);
    if (!node)
        return PressResult::NOTHING;
    Select(editor, damage, nullptr);
    AddSymbolDamage(damage, *AsSymbol(node));
    ForgetNode(editor, node);
    RemoveNode(diagram, node);
    return PressResult::REDRAW;
}

PressResult Press(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    if (editor.tool.placing)
        return editor.tool.toolCode == TOOL_CABLE ? Connect(editor, diagram, damage, point) : PressResult::PLACE_SYMBOL;
    if (editor.tool.toolCode == TOOL_SELECT)
        return SelectAndStartDrag(editor, diagram, damage, point);
    if (editor.tool.toolCode == TOOL_DELETE)
        return DeleteSymbolAt(editor, diagram, damage, point);
    return PressResult::NOTHING;
}

bool PlaceSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem* symbol, CanvasPoint point) {
    symbol->x = point.x - SYMBOL_HALF;
    symbol->y = point.y - SYMBOL_HALF;
    if (!AppendItem(diagram, symbol))
        return false;
    AddSymbolDamage(damage, *symbol);
    return true;
}

bool DragTo(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, CanvasPoint point, bool buttonDown) {
    if (!buttonDown)
        editor.drag = {};
    if (!editor.drag.dragging)
        return false;
    SymbolItem& symbol = *AsSymbol(editor.drag.dragNode);
    AddSymbolDamage(damage, symbol);
    symbol.x += point.x - editor.drag.lastMousePos.x;
    symbol.y += point.y - editor.drag.lastMousePos.y;
    AddSymbolDamage(damage, symbol);
    // The cables go where the symbol went: where they were and where they are now.
    ForEachNode(diagram, [&](DiagramNode* node) {
        CableItem* cable = AsCable(node);
        if (!cable || (cable->firstSymbolId != symbol.id && cable->secondSymbolId != symbol.id))
            return;
        AddCableDamage(damage, node->kind, *cable);
        ReattachCable(*cable, symbol);
        AddCableDamage(damage, node->kind, *cable);
    });
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
