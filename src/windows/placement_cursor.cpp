#include "windows/placement_cursor.h"

#include "core/edit_session.h"
#include "platform/gdi_objects.h"
#include "resources/resource.h"
#include "windows/app_state.h"

void ChoosePlacementCursor() {
    PlacementCursor& placement = appState.placementCursor;
    const ArmedTool& tool = appState.session.tool;
    placement.madeIcon.Reset();
    placement.cursor = nullptr;
    if (tool.kind == ToolKind::DELETE_SYMBOL) {
        // A shared resource: never destroyed.
        placement.cursor = LoadCursorA(appState.instance, MAKEINTRESOURCEA(IDC_DELETE_CURSOR));
    } else if (tool.kind == ToolKind::SYMBOL) {
        placement.madeIcon = OwnedIcon(NewImageListIcon(appState.library.categories[tool.category].images.get(),
                                                        tool.image, ILD_TRANSPARENT | ILD_BLEND50));
        placement.cursor = placement.madeIcon.get();
    }
}
