// The editing session: the diagram, the armed tool, the selection, a pending cable end and a drag,
// the damage their changes leave and the history of edits, with the operations the mouse tools and
// keys ask for, each taking the session alone. Needs no window: the windows turn their messages into
// these calls and show the damage.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/damage.h"
#include "core/diagram_list.h"
#include "core/edit_history.h"

// The codes of the symbol window's tool and cable pictures.
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

struct EditSession {
    DiagramList diagram;
    ArmedTool tool;
    int32_t selectedId = NO_SYMBOL;  // framed on the canvas
    ConnectState connect;            // its first end is framed too
    DragState drag;
    CanvasDamage damage;  // what the next paint composes again
    EditHistory history;
};

// The symbols framed on the canvas: the selection, and a pending cable end (NO_SYMBOL for none).
struct FramedSymbols {
    int32_t selected;
    int32_t pendingEnd;
};
FramedSymbols FramedSymbolsOf(const EditSession& session);

// A palette picture arms its category's symbol tool with the symbol to place, whose picture the
// window made (none when it could not). A pending cable end stays.
void ArmSymbolTool(EditSession& session, int32_t category, int32_t image, SymbolItem symbol);
// A tool or cable picture arms its tool by its code: select, delete, or the cable tool with its type.
// Other codes change nothing.
void ArmTool(EditSession& session, int32_t toolCode, int32_t cableType);

// Whether the tool picture of that code (and cable type) is the armed tool.
bool IsArmed(const ArmedTool& tool, int32_t toolCode, int32_t cableType);
// Whether the palette item is the armed symbol tool's.
bool IsArmedSymbol(const ArmedTool& tool, int32_t category, int32_t image);

// The delete tool takes a cable whose drawn line lies this near a click that hits no symbol.
constexpr double CABLE_REACH = 3;

// What a press on the canvas asks of the window.
enum class PressResult {
    NOTHING,       // nothing changed
    REDRAW,        // the diagram or the selection changed
    PLACE_FAILED,  // the symbol tool has no picture, or its symbol could not be appended
};
PressResult Press(EditSession& session, CanvasPoint point);

// Appends a copy of the symbol centred on the point; null when it cannot be appended.
SymbolItem* PlaceSymbol(EditSession& session, SymbolItem symbol, CanvasPoint point);

// One mouse move: a dragged symbol follows by the canvas difference and its cables with it. A move
// without the button ends the drag (it was released where the window could not see it). True
// when something moved.
bool DragTo(EditSession& session, CanvasPoint point, bool buttonDown);
// The button came up: a drag that moved its symbol is one edit, however many moves it took.
void EndDrag(EditSession& session);

// Esc: drops a pending cable end (its frame goes) and puts a dragged symbol, with its cables, back
// where the drag began. True when something changed.
bool CancelPending(EditSession& session);
// Sets the label of the symbol of this id, with the pixels the window made of it, as one edit. False
// when there is no such symbol, the text is the same or longer than a label holds.
bool SetSymbolLabel(EditSession& session, int32_t id, SymbolLabel label);

// Delete: removes the selected symbol as the delete tool would. True when there was one.
bool DeleteSelected(EditSession& session);
// New: every item leaves the diagram in one edit that undo brings back. Ids go on counting.
void ClearDiagramWithHistory(EditSession& session);

// The last edit undone, or the last undone edit done again, with the damage of what it changes;
// false when there is none, or while a drag goes on.
bool Undo(EditSession& session);
bool Redo(EditSession& session);

// Image index of the category left the library: an armed symbol tool keeps placing the picture it
// was armed with (its index moves down when an earlier image went) and is disarmed when that
// picture was the one that went. True when disarmed.
bool FollowDeletedLibraryImage(EditSession& session, int32_t category, int32_t index);
