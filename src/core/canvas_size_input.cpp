#include "core/canvas_size_input.h"

namespace {

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

}  // namespace

bool ParseCanvasSide(const char* text, int32_t* side) {
    if (!text || !side)
        return false;
    const char* cursor = text;
    while (IsBlank(*cursor))
        ++cursor;
    if (*cursor == '+')
        ++cursor;
    int32_t value = 0;
    bool tooLarge = false;
    const char* digits = cursor;
    while (*cursor >= '0' && *cursor <= '9') {
        // Stop accumulating once past the limit, so long digit strings cannot overflow.
        if (!tooLarge) {
            value = value * 10 + (*cursor - '0');
            tooLarge = value > CANVAS_SIDE_MAX;
        }
        ++cursor;
    }
    if (cursor == digits)
        return false;
    while (IsBlank(*cursor))
        ++cursor;
    if (*cursor != '\0' || tooLarge || value < CANVAS_SIDE_MIN)
        return false;
    *side = value;
    return true;
}
