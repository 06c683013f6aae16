// The label field: an edit control over the canvas, where a symbol's label is drawn, in which the
// user types that label. It is a text field: the IME works in it and the history keys leave it alone.
#pragma once
#include <windows.h>

#include <cstdint>

// The field asks to be closed once it has finished its own message (Enter, Esc, losing the focus):
// a message posted to the topology window, wParam TRUE to keep the text.
constexpr UINT MSG_LABEL_DONE = WM_APP + 2;

// Opens the field on the symbol, its label selected (an open field is closed, keeping its text).
void OpenLabelField(int32_t symbolId);
// Closes the field: its text becomes the symbol's label (one edit, when it changed) or is dropped;
// a label GDI cannot draw is told and the old one stays.
// True when the diagram changed; nothing happens when no field is open.
bool CloseLabelField(bool keep);

// A change of the field's text (EN_CHANGE): more than a label holds is refused.
void OnLabelFieldChanged(HWND field);
