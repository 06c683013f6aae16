// Labels as the canvas draws them: black, without a background box, in one font that shows Japanese
// on Windows and under Wine.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "core/diagram_list.h"

// The label font: "MS UI Gothic" (Wine takes IPA Gothic for it), 12 canvas pixels high, whatever the
// zoom or the display's DPI, without smoothing, so that every pixel is ink or not. Null when GDI
// cannot make it.
constexpr int LABEL_FONT_HEIGHT = 12;  // canvas pixels
HFONT NewLabelFont();

// The label of this text, lines parted by "\r\n", its pixels made once when it is set: none for an
// empty label, nor when GDI cannot make them.
SymbolLabel MakeLabel(const std::string& text);
