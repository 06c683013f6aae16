#include "windows/dialog_support.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi_objects.h"

static bool IsStaticText(HWND control) {
    char className[16] = "";
    GetClassNameA(control, className, sizeof className);
    const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
    return lstrcmpiA(className, "Static") == 0 &&
           (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP);
}

RECT ControlRect(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The text's size in the control's font: its widest line, and its lines' height.
static SIZE TextSize(HWND control) {
    std::vector<char> text(size_t(GetWindowTextLengthA(control)) + 1, '\0');
    GetWindowTextA(control, text.data(), int(text.size()));
    SIZE total = {0, 0};
    WindowDC dc(control);
    if (!dc)
        return total;
    SelectedObject font(dc.get(), HGDIOBJ(SendMessageA(control, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc.get(), &metrics);
    for (const char* line = text.data(); *line;) {
        const char* end = line + strcspn(line, "\n");
        const int length = int(end - line) - (end > line && end[-1] == '\r' ? 1 : 0);
        SIZE size = {};
        GetTextExtentPoint32A(dc.get(), line, length, &size);
        total.cx = std::max(total.cx, size.cx);
        total.cy += metrics.tmHeight;
        line = *end ? end + 1 : end;
    }
    return total;
}

static bool MeetsSibling(HWND control, const RECT& rect) {
    for (HWND other = GetWindow(GetParent(control), GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
        RECT common;
        const RECT theirs = ControlRect(other);
        if (other != control && IsWindowVisible(other) && IntersectRect(&common, &rect, &theirs))
            return true;
    }
    return false;
}

void FitStaticTexts(HWND dialog) {
    RECT reach = {};
    GetClientRect(dialog, &reach);
    const RECT client = reach;
    for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
        if (!IsStaticText(control))
            continue;
        const SIZE text = TextSize(control);
        RECT rect = ControlRect(control);
        const int wider = std::max(0L, text.cx - (rect.right - rect.left));
        const int higher = std::max(0L, text.cy - (rect.bottom - rect.top));
        if (!wider && !higher)
            continue;
        const LONG type = GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK;
        RECT grown = rect;
        grown.bottom += higher;
        if (type == SS_RIGHT) {
            grown.left -= wider;
        } else if (type == SS_CENTER) {
            grown.left -= wider / 2;
            grown.right += wider - wider / 2;
        } else {
            grown.right += wider;
            RECT leftward = grown;
            OffsetRect(&leftward, -wider, 0);
            if (MeetsSibling(control, grown) && !MeetsSibling(control, leftward))
                grown = leftward;
        }
        MoveWindow(control, grown.left, grown.top, grown.right - grown.left, grown.bottom - grown.top, FALSE);
        UnionRect(&reach, &reach, &grown);
    }
    GrowWindow(dialog, reach.right - client.right, reach.bottom - client.bottom);
}

void GrowWindow(HWND window, int wider, int higher) {
    if (wider <= 0 && higher <= 0)
        return;
    RECT outer = {};
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + wider, outer.bottom - outer.top + higher,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ForwardColourChange(HWND window, WPARAM wParam, LPARAM lParam) {
    for (HWND control = GetWindow(window, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT))
        SendMessageA(control, WM_SYSCOLORCHANGE, wParam, lParam);
}
