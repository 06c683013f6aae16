#include "windows/canvas_view.h"

#include "platform/gdi_objects.h"
#include "render/canvas.h"
#include "windows/app_state.h"
#include "windows/label_field.h"

void ComposePendingDamage() {
    CanvasDamage& damage = appState.session.damage;
    if (!HasDamage(damage))
        return;
    ComposeCanvas(appState.canvas, appState.session, damage);
    // Drawn at once, as the change is composed: a paint cycle of its own at every mouse step would
    // cost more than the drawing.
    if (WindowDC view(appState.tools.viewWindow); appState.tools.viewWindow && view)
        DrawThumbnailDamage(view.get(), appState.canvas, damage, ThumbnailRect(appState.dpi));
    ClearDamage(damage);
}

// Without erasing: the picture covers what it invalidates.
void ShowCanvasDamage() {
    const CanvasDamage& damage = appState.session.damage;
    HWND window = appState.topology;
    if (!HasDamage(damage) || !window)
        return;
    OwnedRegion region(damage.everything ? nullptr : NewShownDamageRegion(appState.canvas, damage, appState.view));
    if (region)
        InvalidateRgn(window, region.get(), FALSE);
    else
        InvalidateRect(window, nullptr, FALSE);
    if (!GetUpdateRect(window, nullptr, FALSE))
        ComposePendingDamage();
}

void EndLabelEdit(bool keep) {
    if (CloseLabelField(keep))
        ShowCanvasDamage();
}

static void SetScrollBar(int bar, const ScrollAxis& axis, int32_t position) {
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nMin = 0;
    info.nMax = axis.maximum;
    info.nPage = UINT(axis.page);
    info.nPos = position;
    SetScrollInfo(appState.topology, bar, &info, TRUE);
}

static RECT ClientArea() {
    RECT client = {};
    GetClientRect(appState.topology, &client);
    return client;
}

static ScrollAxis AxisOf(int bar) {
    const RECT client = ClientArea();
    const bool across = bar == SB_HORZ;
    return ScrollAxisFor(
        ZoomedLength(across ? appState.canvas.width() : appState.canvas.height(), appState.view.zoomFactor),
        across ? client.right : client.bottom);
}

static int32_t& PositionOf(int bar) {
    return bar == SB_HORZ ? appState.view.scrollX : appState.view.scrollY;
}

void UpdateScrollRanges() {
    for (int bar : {SB_HORZ, SB_VERT}) {
        const ScrollAxis axis = AxisOf(bar);
        int32_t& position = PositionOf(bar);
        if (position > axis.maxPos)
            position = axis.maxPos;
        SetScrollBar(bar, axis, position);
    }
}

// The 1:1 picture does not change with the zoom, so only what is pending is composed (a new canvas
// is all pending).
void ShowNewView() {
    EndLabelEdit(true);
    UpdateScrollRanges();
    InvalidateRect(appState.topology, nullptr, TRUE);
}

static_assert(uint32_t(ScrollRequest::LINE_BACK) == SB_LINEUP && uint32_t(ScrollRequest::TO_END) == SB_BOTTOM &&
                  uint32_t(ScrollRequest::END_SCROLL) == SB_ENDSCROLL,
              "scroll requests carry the platform's codes");

// To a position chosen from the bar's settings.
template <class Choose>
static void Scroll(int bar, Choose choose) {
    HWND window = appState.topology;
    EndLabelEdit(true);
    // What is pending is painted where it is before the picture moves.
    UpdateWindow(window);
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(window, bar, &info);
    const int32_t position = choose(info, LargestScrollPosition(info.nMax, info.nPage));
    if (position == info.nPos)
        return;
    const int32_t distance = info.nPos - position;
    info.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    info.nPos = position;
    SetScrollInfo(window, bar, &info, TRUE);
    PositionOf(bar) = position;
    const RECT client = ClientArea();
    ScrollWindowEx(window, bar == SB_HORZ ? distance : 0, bar == SB_VERT ? distance : 0, &client, &client, nullptr,
                   nullptr, SW_INVALIDATE | SW_ERASE);
    UpdateWindow(window);
}

void ScrollByRequest(int bar, ScrollRequest request) {
    Scroll(bar, [&](const SCROLLINFO& info, int32_t maxPos) {
        return ScrolledPosition(request, info.nPos, info.nTrackPos, maxPos);
    });
}

void ScrollBy(int bar, int32_t distance) {
    Scroll(bar, [&](const SCROLLINFO& info, int32_t maxPos) {
        return ScrolledPosition(ScrollRequest::THUMB_TRACK, info.nPos, info.nPos + distance, maxPos);
    });
}

void CentreCanvasOn(CanvasPoint point) {
    const RECT client = ClientArea();
    const float zoom = appState.view.zoomFactor;
    const int32_t width = appState.canvas.width(), height = appState.canvas.height();
    const int32_t x = CentringScroll(point.x, width, ZoomedLength(width, zoom), client.right, AxisOf(SB_HORZ).maxPos);
    const int32_t y =
        CentringScroll(point.y, height, ZoomedLength(height, zoom), client.bottom, AxisOf(SB_VERT).maxPos);
    Scroll(SB_HORZ, [&](const SCROLLINFO&, int32_t) { return x; });
    Scroll(SB_VERT, [&](const SCROLLINFO&, int32_t) { return y; });
}
