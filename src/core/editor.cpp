#include "core/editor.h"

#include <utility>

void ResetEditor(Editor& editor) {
    editor = {};
}

// The frame moves: both the old and the new place need composing.
static void Select(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, int32_t id) {
    if (id == editor.selectedId)
        return;
    if (const SymbolItem* old = FindSymbol(diagram, editor.selectedId))
        AddSymbolDamage(damage, *old);
    if (const SymbolItem* symbol = FindSymbol(diagram, id))
        AddSymbolDamage(damage, *symbol);
    editor.selectedId = id;
}

void PickSymbolTool(Editor& editor,
                    const DiagramList& diagram,
                    CanvasDamage& damage,
                    int32_t category,
                    int32_t image,
                    SymbolItem symbol) {
    editor.tool = {ToolKind::SYMBOL, category, image, CABLE_STRAIGHT, std::move(symbol)};
    Select(editor, diagram, damage, NO_SYMBOL);
}

void SelectTool(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, int32_t toolCode, int32_t cableType) {
    switch (toolCode) {
        case TOOL_CABLE:
            editor.tool = {ToolKind::CABLE, 0, 0, CableType(cableType)};
            break;
        case TOOL_SELECT:
            editor.tool = {ToolKind::SELECT};
            break;
        case TOOL_DELETE:
            editor.tool = {ToolKind::DELETE_SYMBOL};
            break;
        default:
            return;
    }
    Select(editor, diagram, damage, NO_SYMBOL);
}

bool IsArmed(const ArmedTool& tool, int32_t toolCode, int32_t cableType) {
    switch (toolCode) {
        case TOOL_CABLE:
            return tool.kind == ToolKind::CABLE && tool.cable == cableType;
        case TOOL_SELECT:
            return tool.kind == ToolKind::SELECT;
        case TOOL_DELETE:
            return tool.kind == ToolKind::DELETE_SYMBOL;
    }
    return false;
}

static PressResult Connect(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    if (!symbol)
        return PressResult::NOTHING;
    const SymbolItem* first = editor.connect.firstEndChosen ? FindSymbol(diagram, editor.connect.firstEndId) : nullptr;
    if (!first) {
        Select(editor, diagram, damage, symbol->id);
        editor.connect = {true, symbol->id};
        return PressResult::REDRAW;
    }
    if (symbol->id == editor.selectedId)
        return PressResult::NOTHING;  // the framed first end again
    // Both ends where their symbols are now.
    const CanvasPoint start = SymbolCentre(*first);
    const CanvasPoint end = SymbolCentre(*symbol);
    const CableItem* cable =
        AppendCable(diagram, {start.x, start.y, end.x, end.y, first->id, symbol->id, editor.tool.cable});
    if (!cable)
        return PressResult::NOTHING;
    AddCableDamage(damage, *cable);
    Select(editor, diagram, damage, NO_SYMBOL);
    editor.connect = {};
    return PressResult::REDRAW;
}

static PressResult SelectAndStartDrag(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    Select(editor, diagram, damage, symbol ? symbol->id : NO_SYMBOL);
    if (symbol)
        editor.drag = {true, symbol->id, point, point};
    return PressResult::REDRAW;
}

// Its cables stay where they are.
static void DeleteSymbol(Editor& editor, DiagramList& diagram, CanvasDamage& damage, const SymbolItem& symbol) {
    const int32_t id = symbol.id;
    Select(editor, diagram, damage, NO_SYMBOL);
    AddSymbolDamage(damage, symbol);
    ForgetSymbol(editor, id);
    RemoveSymbol(diagram, id);
}

static PressResult DeleteSymbolAt(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    if (!symbol)
        return PressResult::NOTHING;
    DeleteSymbol(editor, diagram, damage, *symbol);
    return PressResult::REDRAW;
}

bool DeleteSelected(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    const SymbolItem* symbol = FindSymbol(diagram, editor.selectedId);
    if (!symbol)
        return false;
    DeleteSymbol(editor, diagram, damage, *symbol);
    return true;
}

SymbolItem* PlaceSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem symbol, CanvasPoint point) {
    symbol.x = point.x - SYMBOL_HALF;
    symbol.y = point.y - SYMBOL_HALF;
    SymbolItem* placed = AppendSymbol(diagram, std::move(symbol));
    if (placed)
        AddSymbolDamage(damage, *placed);
    return placed;
}

PressResult Press(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    switch (editor.tool.kind) {
        case ToolKind::SYMBOL:
            return editor.tool.symbol.picture && PlaceSymbol(diagram, damage, editor.tool.symbol, point)
                       ? PressResult::REDRAW
                       : PressResult::PLACE_FAILED;
        case ToolKind::CABLE:
            return Connect(editor, diagram, damage, point);
        case ToolKind::SELECT:
            return SelectAndStartDrag(editor, diagram, damage, point);
        case ToolKind::DELETE_SYMBOL:
            return DeleteSymbolAt(editor, diagram, damage, point);
        case ToolKind::NONE:
            break;
    }
    return PressResult::NOTHING;
}

// The symbol moves by (dx, dy) and its cables follow: what they covered and what they cover now.
static void MoveSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem& symbol, int32_t dx, int32_t dy) {
    AddSymbolDamage(damage, symbol);
    symbol.x += dx;
    symbol.y += dy;
    AddSymbolDamage(damage, symbol);
    for (CableItem* cable : CablesOf(diagram, symbol.id)) {
        AddCableDamage(damage, *cable);
        ReattachCable(*cable, symbol);
        AddCableDamage(damage, *cable);
    }
}

bool DragTo(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point, bool buttonDown) {
    if (!buttonDown)
        editor.drag = {};
    SymbolItem* symbol = editor.drag.dragging ? FindSymbol(diagram, editor.drag.symbolId) : nullptr;
    if (!symbol)
        return false;
    MoveSymbol(diagram, damage, *symbol, point.x - editor.drag.lastMousePos.x, point.y - editor.drag.lastMousePos.y);
    editor.drag.lastMousePos = point;
    return true;
}

void Release(Editor& editor) {
    editor.drag = {};
}

bool CancelPending(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    bool changed = false;
    if (editor.connect.firstEndChosen) {
        if (editor.selectedId == editor.connect.firstEndId)
            Select(editor, diagram, damage, NO_SYMBOL);
        editor.connect = {};
        changed = true;
    }
    if (SymbolItem* symbol = editor.drag.dragging ? FindSymbol(diagram, editor.drag.symbolId) : nullptr) {
        const DragState& drag = editor.drag;
        MoveSymbol(diagram, damage, *symbol, drag.startMousePos.x - drag.lastMousePos.x,
                   drag.startMousePos.y - drag.lastMousePos.y);
        changed = true;
    }
    editor.drag = {};
    return changed;
}

void ForgetSymbol(Editor& editor, int32_t id) {
    if (editor.selectedId == id)
        editor.selectedId = NO_SYMBOL;
    if (editor.drag.dragging && editor.drag.symbolId == id)
        editor.drag = {};
    if (editor.connect.firstEndChosen && editor.connect.firstEndId == id)
        editor.connect = {};
}

void ForgetAllSymbols(Editor& editor) {
    editor.selectedId = NO_SYMBOL;
    editor.drag = {};
    editor.connect = {};
}

bool OnLibraryImageDeleted(Editor& editor, int32_t category, int32_t index) {
    ArmedTool& tool = editor.tool;
    if (tool.kind != ToolKind::SYMBOL || tool.category != category || tool.image < index)
        return false;
    if (tool.image > index) {
        --tool.image;  // its picture moved down one place
        return false;
    }
    tool = {};
    return true;
}
