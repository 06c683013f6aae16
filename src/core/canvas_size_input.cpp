#include "core/canvas_size_input.h"

namespace {

// Code page 932's full-width forms, which the IME types: the ideographic space and the digits.
constexpr unsigned char FULL_WIDTH_LEAD = 0x81, FULL_WIDTH_SPACE = 0x40;
constexpr unsigned char DIGIT_LEAD = 0x82, DIGIT_ZERO = 0x4F, DIGIT_NINE = 0x58;

// The bytes a blank takes at the cursor (a space, a tab, an ideographic space), or 0.
int BlankLength(const char* cursor) {
    if (*cursor == ' ' || *cursor == '\t')
        return 1;
    return (unsigned char)cursor[0] == FULL_WIDTH_LEAD && (unsigned char)cursor[1] == FULL_WIDTH_SPACE ? 2 : 0;
}

// The digit at the cursor, half-width or full-width, and the bytes it takes; -1 for none.
int DigitAt(const char* cursor, int* length) {
    *length = 1;
    if (*cursor >= '0' && *cursor <= '9')
        return *cursor - '0';
    *length = 2;
    if ((unsigned char)cursor[0] != DIGIT_LEAD)  // the trail byte is read only after a lead byte
        return -1;
    const unsigned char trail = (unsigned char)cursor[1];
    return trail >= DIGIT_ZERO && trail <= DIGIT_NINE ? trail - DIGIT_ZERO : -1;
}

}  // namespace

bool ParseCanvasSide(const char* text, int32_t* side) {
    if (!text || !side)
        return false;
    const char* cursor = text;
    while (int blank = BlankLength(cursor))
        cursor += blank;
    if (*cursor == '+')
        ++cursor;
    int32_t value = 0;
    bool tooLarge = false;
    const char* digits = cursor;
    int length = 0;
    for (int digit; (digit = DigitAt(cursor, &length)) >= 0; cursor += length) {
        // Stop accumulating once past the limit, so long digit strings cannot overflow.
        if (!tooLarge) {
            value = value * 10 + digit;
            tooLarge = value > CANVAS_SIDE_MAX;
        }
    }
    if (cursor == digits)
        return false;
    while (int blank = BlankLength(cursor))
        cursor += blank;
    if (*cursor != '\0' || tooLarge || value < CANVAS_SIDE_MIN)
        return false;
    *side = value;
    return true;
}
