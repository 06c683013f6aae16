#include "paint_support.h"

#include "render/canvas.h"
#include "windows/app_state.h"

void RepaintWholeCanvas(HWND topology) {
    DamageEverything(appState.session.damage);
    InvalidateRect(topology, nullptr, TRUE);
}

void ComposeWholeCanvas(BackBuffer& canvas, const EditSession& session) {
    CanvasDamage everything;
    ResetDamage(everything, canvas.width(), canvas.height());
    ComposeCanvas(canvas, session, everything);
}
