#include "core/edit_session.h"

#include <utility>

#include "core/cable_geometry.h"

FramedSymbols FramedSymbolsOf(const EditSession& session) {
    const int32_t pending = session.connect.firstEndChosen ? session.connect.firstEndId : NO_SYMBOL;
    return {session.selectedId, pending == session.selectedId ? NO_SYMBOL : pending};
}

static EditStep StepOf(EditStep::Kind kind, int32_t symbolId) {
    EditStep step;
    step.kind = kind;
    step.symbolId = symbolId;
    return step;
}

// The frame moves: both the old and the new place need composing.
static void Select(EditSession& session, int32_t id) {
    if (id == session.selectedId)
        return;
    if (const SymbolItem* old = FindSymbol(session.diagram, session.selectedId))
        AddSymbolDamage(session.damage, *old);
    if (const SymbolItem* symbol = FindSymbol(session.diagram, id))
        AddSymbolDamage(session.damage, *symbol);
    session.selectedId = id;
}

// A pending cable end is framed until it is used or dropped, whatever else is selected meanwhile.
static void SetPendingEnd(EditSession& session, ConnectState connect) {
    for (const ConnectState* end : {&session.connect, &connect})
        if (const SymbolItem* symbol = end->firstEndChosen ? FindSymbol(session.diagram, end->firstEndId) : nullptr)
            AddSymbolDamage(session.damage, *symbol);
    session.connect = connect;
}

// Forgets every reference to a symbol before it goes (delete), or to every symbol (New).
static void ForgetSymbol(EditSession& session, int32_t id) {
    if (session.selectedId == id)
        session.selectedId = NO_SYMBOL;
    if (session.drag.dragging && session.drag.symbolId == id)
        session.drag = {};
    if (session.connect.firstEndChosen && session.connect.firstEndId == id)
        session.connect = {};
}

static void ForgetAllSymbols(EditSession& session) {
    session.selectedId = NO_SYMBOL;
    session.drag = {};
    session.connect = {};
}

void ArmSymbolTool(EditSession& session, int32_t category, int32_t image, SymbolItem symbol) {
    session.tool = {ToolKind::SYMBOL, category, image, CABLE_STRAIGHT, std::move(symbol)};
    Select(session, NO_SYMBOL);
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

void ArmTool(EditSession& session, int32_t toolCode, int32_t cableType) {
    ArmedTool tool = ToolForCode(toolCode, cableType);
    if (tool.kind == ToolKind::NONE)
        return;
    session.tool = std::move(tool);
    Select(session, NO_SYMBOL);
}

bool IsArmed(const ArmedTool& tool, int32_t toolCode, int32_t cableType) {
    const ArmedTool picture = ToolForCode(toolCode, cableType);
    return picture.kind != ToolKind::NONE && picture.kind == tool.kind &&
           (picture.kind != ToolKind::CABLE || picture.cable == tool.cable);
}

bool IsArmedSymbol(const ArmedTool& tool, int32_t category, int32_t image) {
    return tool.kind == ToolKind::SYMBOL && tool.category == category && tool.image == image;
}

static PressResult Connect(EditSession& session, CanvasPoint point) {
    DiagramList& diagram = session.diagram;
    const SymbolItem* symbol = FindSymbolAt(diagram, point.x, point.y);
    if (!symbol)
        return PressResult::NOTHING;
    const SymbolItem* first =
        session.connect.firstEndChosen ? FindSymbol(diagram, session.connect.firstEndId) : nullptr;
    if (!first) {
        Select(session, symbol->id);
        SetPendingEnd(session, {true, symbol->id});
        return PressResult::REDRAW;
    }
    if (symbol->id == first->id)
        return PressResult::NOTHING;  // the framed first end again
    // Both ends where their symbols are now.
    const CanvasPoint start = SymbolCentre(*first);
    const CanvasPoint end = SymbolCentre(*symbol);
    const CableItem* cable =
        AppendCable(diagram, {start.x, start.y, end.x, end.y, first->id, symbol->id, session.tool.cable});
    if (!cable)
        return PressResult::NOTHING;
    AddCableDamage(session.damage, *cable);
    EditStep step = StepOf(EditStep::Kind::CABLE, NO_SYMBOL);
    step.cableItem = cable;
    RecordEdit(session.history, std::move(step));
    Select(session, NO_SYMBOL);
    SetPendingEnd(session, {});
    return PressResult::REDRAW;
}

static PressResult SelectAndStartDrag(EditSession& session, CanvasPoint point) {
    const SymbolItem* symbol = FindSymbolAt(session.diagram, point.x, point.y);
    Select(session, symbol ? symbol->id : NO_SYMBOL);
    if (symbol)
        session.drag = {true, symbol->id, point, point};
    return PressResult::REDRAW;
}

void EndDrag(EditSession& session) {
    const DragState& drag = session.drag;
    const CanvasPoint offset = {drag.lastMousePos.x - drag.startMousePos.x, drag.lastMousePos.y - drag.startMousePos.y};
    if (drag.dragging && (offset.x || offset.y)) {
        EditStep step = StepOf(EditStep::Kind::MOVE, drag.symbolId);
        step.offset = offset;
        RecordEdit(session.history, std::move(step));
    }
    session.drag = {};
}

// Its cables stay where they are.
static void DeleteSymbol(EditSession& session, const SymbolItem& symbol) {
    const int32_t id = symbol.id;
    Select(session, NO_SYMBOL);
    AddSymbolDamage(session.damage, symbol);
    ForgetSymbol(session, id);
    EditStep step = StepOf(EditStep::Kind::DELETE_SYMBOL, id);
    step.symbol = TakeOutSymbol(session.diagram, id);
    RecordEdit(session.history, std::move(step));
}

// The cable drawn last (the last in the list) that lies near the point, or null.
static const CableItem* FindCableNear(const DiagramList& diagram, CanvasPoint point) {
    for (auto item = diagram.items.rbegin(); item != diagram.items.rend(); ++item)
        if (const CableItem* cable = std::get_if<CableItem>(&*item); cable && CableLiesNear(*cable, point, CABLE_REACH))
            return cable;
    return nullptr;
}

// A symbol under the point goes; else a cable near it.
static PressResult DeleteAt(EditSession& session, CanvasPoint point) {
    if (const SymbolItem* symbol = FindSymbolAt(session.diagram, point.x, point.y)) {
        DeleteSymbol(session, *symbol);
        return PressResult::REDRAW;
    }
    const CableItem* cable = FindCableNear(session.diagram, point);
    if (!cable)
        return PressResult::NOTHING;
    AddCableDamage(session.damage, *cable);
    EditStep step = StepOf(EditStep::Kind::DELETE_CABLE, NO_SYMBOL);
    step.cableItem = cable;
    step.cable = TakeOutCable(session.diagram, cable);
    RecordEdit(session.history, std::move(step));
    return PressResult::REDRAW;
}

bool DeleteSelected(EditSession& session) {
    EndDrag(session);  // a drag the key interrupts is a move of its own, before the delete
    const SymbolItem* symbol = FindSymbol(session.diagram, session.selectedId);
    if (!symbol)
        return false;
    DeleteSymbol(session, *symbol);
    return true;
}

SymbolItem* PlaceSymbol(EditSession& session, SymbolItem symbol, CanvasPoint point) {
    symbol.x = point.x - SYMBOL_HALF;
    symbol.y = point.y - SYMBOL_HALF;
    SymbolItem* placed = AppendSymbol(session.diagram, std::move(symbol));
    if (placed)
        AddSymbolDamage(session.damage, *placed);
    return placed;
}

PressResult Press(EditSession& session, CanvasPoint point) {
    EndDrag(session);  // its button came up where the window could not see it
    switch (session.tool.kind) {
        case ToolKind::SYMBOL: {
            const SymbolItem* placed =
                session.tool.symbol.picture ? PlaceSymbol(session, session.tool.symbol, point) : nullptr;
            if (!placed)
                return PressResult::PLACE_FAILED;
            RecordEdit(session.history, StepOf(EditStep::Kind::PLACE, placed->id));
            return PressResult::REDRAW;
        }
        case ToolKind::CABLE:
            return Connect(session, point);
        case ToolKind::SELECT:
            return SelectAndStartDrag(session, point);
        case ToolKind::DELETE_SYMBOL:
            return DeleteAt(session, point);
        case ToolKind::NONE:
            break;
    }
    return PressResult::NOTHING;
}

bool DragTo(EditSession& session, CanvasPoint point, bool buttonDown) {
    if (!buttonDown)
        EndDrag(session);
    DragState& drag = session.drag;
    SymbolItem* symbol = drag.dragging ? FindSymbol(session.diagram, drag.symbolId) : nullptr;
    if (!symbol)
        return false;
    MoveSymbol(session.diagram, session.damage, *symbol, point.x - drag.lastMousePos.x, point.y - drag.lastMousePos.y);
    drag.lastMousePos = point;
    return true;
}

void ClearDiagramWithHistory(EditSession& session) {
    EndDrag(session);
    ForgetAllSymbols(session);
    EditStep step = StepOf(EditStep::Kind::CLEAR, NO_SYMBOL);
    step.diagram = TakeOutAll(session.diagram);
    RecordEdit(session.history, std::move(step));
    DamageEverything(session.damage);
}

// What left the diagram is no longer selected, dragged or waiting as a cable end.
static bool Forget(EditSession& session, const StepResult& result) {
    if (result.clearedAll)
        ForgetAllSymbols(session);
    ForgetSymbol(session, result.removedSymbol);
    return result.done;
}

bool Undo(EditSession& session) {
    return !session.drag.dragging && Forget(session, UndoEdit(session.history, session.diagram, session.damage));
}

bool Redo(EditSession& session) {
    return !session.drag.dragging && Forget(session, RedoEdit(session.history, session.diagram, session.damage));
}

bool CancelPending(EditSession& session) {
    bool changed = false;
    if (session.connect.firstEndChosen) {
        if (session.selectedId == session.connect.firstEndId)
            Select(session, NO_SYMBOL);
        SetPendingEnd(session, {});
        changed = true;
    }
    const DragState drag = session.drag;
    if (SymbolItem* symbol = drag.dragging ? FindSymbol(session.diagram, drag.symbolId) : nullptr) {
        MoveSymbol(session.diagram, session.damage, *symbol, drag.startMousePos.x - drag.lastMousePos.x,
                   drag.startMousePos.y - drag.lastMousePos.y);
        changed = true;
    }
    session.drag = {};
    return changed;
}

bool SetSymbolLabel(EditSession& session, int32_t id, SymbolLabel label) {
    SymbolItem* symbol = FindSymbol(session.diagram, id);
    if (!symbol || symbol->label.text == label.text || label.text.size() > LABEL_LIMIT)
        return false;
    AddSymbolDamage(session.damage, *symbol);
    EditStep step = StepOf(EditStep::Kind::LABEL, id);
    step.label = std::exchange(symbol->label, std::move(label));
    AddSymbolDamage(session.damage, *symbol);
    RecordEdit(session.history, std::move(step));
    return true;
}

bool FollowDeletedLibraryImage(EditSession& session, int32_t category, int32_t index) {
    ArmedTool& tool = session.tool;
    if (tool.kind != ToolKind::SYMBOL || tool.category != category || tool.image < index)
        return false;
    if (tool.image > index) {
        --tool.image;  // its picture moved down one place
        return false;
    }
    tool = {};
    return true;
}
