// The mouse tools' state and rules: which tool is armed, the selection, a pending cable end and a
// drag. Needs no window: the window turns its messages into these calls and repaints what they
// add to the damage.
#pragma once
#include <cstdint>
#include <deque>

#include "core/damage.h"
#include "core/diagram_list.h"

// The codes the symbol window's tool and cable pictures send (MSG_SELECT_TOOL's wParam).
constexpr int16_t TOOL_CABLE = 5;
constexpr int16_t TOOL_SELECT = 6;
constexpr int16_t TOOL_DELETE = 7;

enum class ToolKind { NONE, SYMBOL, CABLE, SELECT, DELETE_SYMBOL };

// What a press on the canvas does.
struct ArmedTool {
    ToolKind kind = ToolKind::NONE;
    int32_t category = 0;  // a symbol tool's palette item
    int32_t image = 0;
    CableType cable = CABLE_STRAIGHT;  // the cable tool's type
    SymbolItem symbol = {};            // a symbol tool's: each press places a copy of it
    // A symbol or cable tool: each press adds to the diagram, and the tool stays armed.
    bool Placing() const { return kind == ToolKind::SYMBOL || kind == ToolKind::CABLE; }
};

// The first end is kept by id: the symbol may be dragged before the second click.
struct ConnectState {
    bool firstEndChosen = false;
    int32_t firstEndId = 0;
};

struct DragState {
    bool dragging = false;
    int32_t symbolId = 0;
    CanvasPoint lastMousePos = {};   // canvas point under the mouse at the last step
    CanvasPoint startMousePos = {};  // where the drag began, for Esc and the history
};

constexpr int32_t NO_SYMBOL = -1;

// One edit, as undo and redo need it: what changed, never a copy of the diagram (New hands the
// cleared diagram over). What an edit took out of the diagram is held here.
struct EditStep {
    enum class Kind { PLACE, CABLE, MOVE, DELETE_SYMBOL, CLEAR } kind;
    int32_t symbolId = NO_SYMBOL;  // placed, moved or deleted
    CanvasPoint offset = {};       // how far it moved
    DetachedSymbol symbol;         // a deleted symbol, or a placed one while undone
    std::list<DiagramItem> cable;  // a cable while undone
    DetachedDiagram diagram;       // what New cleared
};

// The last MAX_UNDO_STEPS edits can be undone, and what was undone redone until the next edit.
constexpr size_t MAX_UNDO_STEPS = 1000;
struct EditHistory {
    std::deque<EditStep> undo;  // the latest last
    std::deque<EditStep> redo;  // the latest undone last
};

struct Editor {
    ArmedTool tool;
    int32_t selectedId = NO_SYMBOL;  // framed on the canvas
    ConnectState connect;            // its first end is framed too
    DragState drag;
    EditHistory history;
};

// Back to the start: no tool, no selection, nothing pending, no history.
void ResetEditor(Editor& editor);

// The symbols framed on the canvas: the selection, and a pending cable end (NO_SYMBOL for none).
struct FramedSymbols {
    int32_t selected;
    int32_t pendingEnd;
};
FramedSymbols FramedSymbolsOf(const Editor& editor);

// A palette picture arms its category's symbol tool with the symbol to place, whose picture the
// window made (none when it could not). A pending cable end stays.
void PickSymbolTool(Editor& editor,
                    const DiagramList& diagram,
                    CanvasDamage& damage,
                    int32_t category,
                    int32_t image,
                    SymbolItem symbol);
// The tool pictures by their codes: select, delete, or the cable tool with its type. Other codes
// change nothing.
void SelectTool(Editor& editor, const DiagramList& diagram, CanvasDamage& damage, int32_t toolCode, int32_t cableType);

// Whether the tool picture of that code (and cable type) is the armed tool.
bool IsArmed(const ArmedTool& tool, int32_t toolCode, int32_t cableType);
// Whether the palette item is the armed symbol tool's.
bool IsArmedSymbol(const ArmedTool& tool, int32_t category, int32_t image);

// What a press on the canvas asks of the window.
enum class PressResult {
    NOTHING,       // nothing changed
    REDRAW,        // the diagram or the selection changed
    PLACE_FAILED,  // the symbol tool has no picture, or its symbol could not be appended
};
PressResult Press(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point);

// Appends a copy of the symbol centred on the point; null when it cannot be appended.
SymbolItem* PlaceSymbol(DiagramList& diagram, CanvasDamage& damage, SymbolItem symbol, CanvasPoint point);

// One mouse move: a dragged symbol follows by the canvas difference and its cables with it. A move
// without the button ends the drag (it was released where the window could not see it). True
// when something moved.
bool DragTo(Editor& editor, DiagramList& diagram, CanvasDamage& damage, CanvasPoint point, bool buttonDown);
void Release(Editor& editor);

// Esc: drops a pending cable end (its frame goes) and puts a dragged symbol, with its cables, back
// where the drag began. True when something changed.
bool CancelPending(Editor& editor, DiagramList& diagram, CanvasDamage& damage);
// Delete: removes the selected symbol as the delete tool would. True when there was one.
bool DeleteSelected(Editor& editor, DiagramList& diagram, CanvasDamage& damage);

// New: every item leaves the diagram in one step that undo brings back. Ids go on counting.
void ClearWithHistory(Editor& editor, DiagramList& diagram, CanvasDamage& damage);
// The last edit undone, or the last undone edit done again, with the damage of what it changes;
// false when there is none, or while a drag goes on.
bool Undo(Editor& editor, DiagramList& diagram, CanvasDamage& damage);
bool Redo(Editor& editor, DiagramList& diagram, CanvasDamage& damage);

// Forgets every reference to a symbol before it goes (delete), or to every symbol (New).
void ForgetSymbol(Editor& editor, int32_t id);
void ForgetAllSymbols(Editor& editor);

// Image index of the category left the library: an armed symbol tool keeps placing the picture it
// was armed with, and is disarmed when that picture was the one that went. True when disarmed.
bool OnLibraryImageDeleted(Editor& editor, int32_t category, int32_t index);
