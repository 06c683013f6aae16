// Reading a canvas side typed by the user. Needs no window.
#pragma once
#include <cstdint>

constexpr int32_t CANVAS_SIDE_MIN = 1;
constexpr int32_t CANVAS_SIDE_MAX = 16384;

// A whole number from 1 to 16384 in code page 932, its digits half-width or full-width (as the IME
// types them), optionally surrounded by blanks; false for anything else (empty, zero, negative, too
// large, not a number, trailing junk).
bool ParseCanvasSide(const char* text, int32_t* side);
