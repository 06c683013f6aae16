#include "core/editor.h"

#include <utility>

void ResetEditor(Editor& editor) {
    editor = {};
}

FramedSymbols FramedSymbolsOf(const Editor& editor) {
    const int32_t pending = editor.connect.firstEndChosen ? editor.connect.firstEndId : NO_SYMBOL;
    return {editor.selectedId, pending == editor.selectedId ? NO_SYMBOL : pending};
}

// A new edit: what was undone cannot be redone any more, and the oldest step goes past the bound.
static void Record(Editor& editor, EditStep step) {
    EditHistory& history = editor.history;
    history.redo.clear();
    history.undo.push_back(std::move(step));
    if (history.undo.size() > MAX_UNDO_STEPS)
        history.undo.pop_front();
}

static EditStep StepOf(EditStep::Kind kind, int32_t symbolId) {
    EditStep step;
    step.kind = kind;
    step.symbolId = symbolId;
    return step;
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

// A pending cable end is framed until it is used or dropped, whatever else is selected meanwhile.
static void SetPendingEnd(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, ConnectState connect) {
    for (const ConnectState* end : {&editor.connect, &connect})
        if (const SymbolItem* symbol = end->firstEndChosen ? FindSymbol(diagram, end->firstEndId) : nullptr)
            AddSymbolDamage(damage, *symbol);
    editor.connect = connect;
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

// The tool a tool or cable picture arms; no tool for any other code.
static ArmedTool ToolForCode(int32_t toolCode, int32_t cableType) {
    switch (toolCode) {
        case TOOL_CABLE:
            return {ToolKind::CABLE, 0, 0, CableType(cableType)};
        case TOOL_SELECT:
            return {ToolKind::SELECT};
        case TOOL_DELETE:
            return {ToolKind::DELETE_SYMBOL};
    }
    return {};
}

void SelectTool(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, int32_t toolCode, int32_t cableType) {
    ArmedTool tool = ToolForCode(toolCode, cableType);
    if (tool.kind == ToolKind::NONE)
        return;
    editor.tool = std::move(tool);
    Select(editor, diagram, damage, NO_SYMBOL);
}

bool IsArmed(const ArmedTool& tool, int32_t toolCode, int32_t cableType) {
    const ArmedTool picture = ToolForCode(toolCode, cableType);
    return picture.kind != ToolKind::NONE && picture.kind == tool.kind &&
           (picture.kind != ToolKind::CABLE || picture.cable == tool.cable);
}

bool IsArmedSymbol(const ArmedTool& tool, int32_t category, int32_t image) {
    return tool.kind == ToolKind::SYMBOL && tool.category == category && tool.image == image;
}

static PressResult Connect(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    if (!symbol)
        return PressResult::NOTHING;
    const SymbolItem* first = editor.connect.firstEndChosen ? FindSymbol(diagram, editor.connect.firstEndId) : nullptr;
    if (!first) {
        Select(editor, diagram, damage, symbol->id);
        SetPendingEnd(editor, diagram, damage, {true, symbol->id});
        return PressResult::REDRAW;
    }
    if (symbol->id == first->id)
        return PressResult::NOTHING;  // the framed first end again
    // Both ends where their symbols are now.
    const CanvasPoint start = SymbolCentre(*first);
    const CanvasPoint end = SymbolCentre(*symbol);
    const CableItem* cable =
        AppendCable(diagram, {start.x, start.y, end.x, end.y, first->id, symbol->id, editor.tool.cable});
    if (!cable)
        return PressResult::NOTHING;
    AddCableDamage(damage, *cable);
    Record(editor, StepOf(EditStep::Kind::CABLE, NO_SYMBOL));
    Select(editor, diagram, damage, NO_SYMBOL);
    SetPendingEnd(editor, diagram, damage, {});
    return PressResult::REDRAW;
}

static PressResult SelectAndStartDrag(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    Select(editor, diagram, damage, symbol ? symbol->id : NO_SYMBOL);
    if (symbol)
        editor.drag = {true, symbol->id, point, point};
    return PressResult::REDRAW;
}

// A drag that moved its symbol is one step, however many mouse moves it took.
static void EndDrag(Editor& editor) {
    const DragState& drag = editor.drag;
    const CanvasPoint offset = {drag.lastMousePos.x - drag.startMousePos.x, drag.lastMousePos.y - drag.startMousePos.y};
    if (drag.dragging && (offset.x || offset.y)) {
        EditStep step = StepOf(EditStep::Kind::MOVE, drag.symbolId);
        step.offset = offset;
        Record(editor, std::move(step));
    }
    editor.drag = {};
}

// Its cables stay where they are.
static void DeleteSymbol(Editor& editor, DiagramList& diagram, CanvasDamage& damage, const SymbolItem& symbol) {
    const int32_t id = symbol.id;
    Select(editor, diagram, damage, NO_SYMBOL);
    AddSymbolDamage(damage, symbol);
    ForgetSymbol(editor, id);
    EditStep step = StepOf(EditStep::Kind::DELETE_SYMBOL, id);
    step.symbol = TakeOutSymbol(diagram, id);
    Record(editor, std::move(step));
}

static PressResult DeleteSymbolAt(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    if (!symbol)
        return PressResult::NOTHING;
    DeleteSymbol(editor, diagram, damage, *symbol);
    return PressResult::REDRAW;
}

bool DeleteSelected(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    EndDrag(editor);  // a drag the key interrupts is a move of its own, before the delete
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
    EndDrag(editor);  // its button came up where the window could not see it
    switch (editor.tool.kind) {
        case ToolKind::SYMBOL: {
            const SymbolItem* placed =
                editor.tool.symbol.picture ? PlaceSymbol(diagram, damage, editor.tool.symbol, point) : nullptr;
            if (!placed)
                return PressResult::PLACE_FAILED;
            Record(editor, StepOf(EditStep::Kind::PLACE, placed->id));
            return PressResult::REDRAW;
        }
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
        EndDrag(editor);
    SymbolItem* symbol = editor.drag.dragging ? FindSymbol(diagram, editor.drag.symbolId) : nullptr;
    if (!symbol)
        return false;
    MoveSymbol(diagram, damage, *symbol, point.x - editor.drag.lastMousePos.x, point.y - editor.drag.lastMousePos.y);
    editor.drag.lastMousePos = point;
    return true;
}

void Release(Editor& editor) {
    EndDrag(editor);
}

void ClearWithHistory(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    EndDrag(editor);
    ForgetAllSymbols(editor);
    EditStep step = StepOf(EditStep::Kind::CLEAR, NO_SYMBOL);
    step.diagram = TakeOutAll(diagram);
    Record(editor, std::move(step));
    DamageEverything(damage);
}

// The step's change taken back (undo) or made again (redo).
static void Apply(Editor& editor, DiagramList& diagram, CanvasDamage& damage, EditStep& step, bool undo) {
    const int32_t sign = undo ? -1 : 1;
    const bool remove = (step.kind == EditStep::Kind::PLACE || step.kind == EditStep::Kind::CABLE) == undo;
    switch (step.kind) {
        case EditStep::Kind::PLACE:
        case EditStep::Kind::DELETE_SYMBOL:
            if (remove) {
                if (const SymbolItem* symbol = FindSymbol(diagram, step.symbolId))
                    AddSymbolDamage(damage, *symbol);
                ForgetSymbol(editor, step.symbolId);
                step.symbol = TakeOutSymbol(diagram, step.symbolId);
            } else {
                PutBackSymbol(diagram, step.symbol);
                if (const SymbolItem* symbol = FindSymbol(diagram, step.symbolId))
                    AddSymbolDamage(damage, *symbol);
            }
            break;
        case EditStep::Kind::CABLE:
            if (remove) {
                step.cable = TakeOutLastCable(diagram);
                if (!step.cable.empty())
                    AddCableDamage(damage, std::get<CableItem>(step.cable.front()));
            } else {
                if (!step.cable.empty())
                    AddCableDamage(damage, std::get<CableItem>(step.cable.front()));
                PutBackCable(diagram, step.cable);
            }
            break;
        case EditStep::Kind::MOVE:
            if (SymbolItem* symbol = FindSymbol(diagram, step.symbolId))
                MoveSymbol(diagram, damage, *symbol, sign * step.offset.x, sign * step.offset.y);
            break;
        case EditStep::Kind::CLEAR:
            if (undo) {
                PutBackAll(diagram, step.diagram);
            } else {
                ForgetAllSymbols(editor);
                step.diagram = TakeOutAll(diagram);
            }
            DamageEverything(damage);
            break;
    }
}

// Moves the newest step of one list to the other, applying it.
static bool Step(Editor& editor, DiagramList& diagram, CanvasDamage& damage, bool undo) {
    std::deque<EditStep>& from = undo ? editor.history.undo : editor.history.redo;
    std::deque<EditStep>& to = undo ? editor.history.redo : editor.history.undo;
    if (from.empty() || editor.drag.dragging)
        return false;
    Apply(editor, diagram, damage, from.back(), undo);
    to.push_back(std::move(from.back()));
    from.pop_back();
    return true;
}

bool Undo(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    return Step(editor, diagram, damage, true);
}

bool Redo(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    return Step(editor, diagram, damage, false);
}

bool CancelPending(Editor& editor, DiagramList& diagram, CanvasDamage& damage) {
    bool changed = false;
    if (editor.connect.firstEndChosen) {
        if (editor.selectedId == editor.connect.firstEndId)
            Select(editor, diagram, damage, NO_SYMBOL);
        SetPendingEnd(editor, diagram, damage, {});
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
