#include "windows/label_field.h"

#include <algorithm>
#include <string>
#include <utility>

#include "core/edit_session.h"
#include "core/view_math.h"
#include "platform/alerts.h"
#include "render/label_image.h"
#include "resources/resource.h"
#include "windows/app_state.h"

// A byte more than a label holds, so that a longer text is refused rather than cut.
static std::string FieldText(HWND field) {
    char text[LABEL_LIMIT + 2] = "";
    GetWindowTextA(field, text, sizeof text);
    return text;
}

// Enter keeps the text and Esc drops it, Ctrl+Enter breaks the line; the keys' characters are not
// typed. Losing the focus keeps the text. The field is closed after this message.
static LRESULT CALLBACK LabelFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC editProc = appState.labelField.editProc;
    switch (message) {
        case WM_KEYDOWN:
            if (wParam == VK_RETURN && (GetKeyState(VK_CONTROL) & 0x8000)) {
                SendMessageA(field, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("\r\n"));
                return 0;
            }
            if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
                PostMessageA(GetParent(field), MSG_LABEL_DONE, wParam == VK_RETURN, 0);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == '\r' || wParam == '\n' || wParam == '\t' || wParam == VK_ESCAPE)
                return 0;
            break;
        case WM_KILLFOCUS:
            PostMessageA(GetParent(field), MSG_LABEL_DONE, TRUE, 0);
            break;
    }
    return CallWindowProcA(editProc, field, message, wParam, lParam);
}

void OpenLabelField(int32_t symbolId) {
    CloseLabelField(true);
    const SymbolItem* symbol = FindSymbol(appState.session.diagram, symbolId);
    LabelField& state = appState.labelField;
    if (!state.font)
        state.font = OwnedFont(NewLabelFont());
    if (!symbol || !state.font)
        return;
    // Where the label is drawn: its top-left corner directly below the picture.
    const CanvasView& view = appState.view;
    const int32_t width = appState.canvas.width(), height = appState.canvas.height();
    const int32_t x = ClientFromCanvas(symbol->x, view.scrollX, width, ZoomedLength(width, view.zoomFactor));
    const int32_t y =
        ClientFromCanvas(symbol->y + SYMBOL_SIZE, view.scrollY, height, ZoomedLength(height, view.zoomFactor));
    const int32_t labelWidth = symbol->label.size.width;
    HWND field = CreateWindowExA(0, "EDIT", symbol->label.text.c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_BORDER | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL, x,
                                 y, std::max(160, labelWidth + 24), 2 * LABEL_FONT_HEIGHT + 12, appState.topology,
                                 nullptr, appState.instance, nullptr);
    if (!field)
        return;
    SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(state.font.get()), FALSE);
    SendMessageA(field, EM_SETLIMITTEXT, LABEL_LIMIT, 0);
    state.editProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LabelFieldProc)));
    state.field = field;
    state.symbolId = symbolId;
    state.text = symbol->label.text;
    SendMessageA(field, EM_SETSEL, 0, -1);
    SetFocus(field);
}

bool CloseLabelField(bool keep) {
    LabelField& state = appState.labelField;
    HWND field = state.field;
    if (!field)
        return false;
    state.field = nullptr;  // the focus leaving it below asks again: nothing is open then
    const std::string text = FieldText(field);
    if (GetFocus() == field)
        SetFocus(appState.topology);
    DestroyWindow(field);
    if (!keep)
        return false;
    SymbolLabel label = MakeLabel(text);
    if (!label.pixels && text.find_first_not_of("\r\n") != std::string::npos) {
        Alert(appState.topology, AlertKind::ERROR_BOX, IDS_LABEL_NOT_MADE);
        return false;
    }
    return SetSymbolLabel(appState.session, state.symbolId, std::move(label));
}

// The field takes no more than a label holds: what would pass the limit (typed, pasted, or made by
// the IME) is taken back, whatever the field's own limit counts.
void OnLabelFieldChanged(HWND field) {
    LabelField& state = appState.labelField;
    if (field != state.field)
        return;
    const std::string text = FieldText(field);
    if (text.size() <= LABEL_LIMIT) {
        state.text = text;
        return;
    }
    SetWindowTextA(field, state.text.c_str());
    SendMessageA(field, EM_SETSEL, state.text.size(), state.text.size());
}
