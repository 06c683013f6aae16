#include "core/canvas_size_input.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasSizeInputTest, AcceptsOnlyWholeNumbersFromOneTo16384OfEitherWidth) {
    struct Row {
        const char* text;
        bool ok;
        int32_t side;
    } rows[] = {
        {"800", true, 800},
        {" 800 ", true, 800},
        {"\t600\t", true, 600},
        {"+42", true, 42},
        {"1", true, 1},
        {"16384", true, 16384},
        {"0016384", true, 16384},
        {"", false, 0},
        {"   ", false, 0},
        {"0", false, 0},
        {"000", false, 0},
        {"-5", false, 0},
        {"-0", false, 0},
        {"+", false, 0},
        {"+-5", false, 0},
        {"16385", false, 0},
        {"99999999999999999999", false, 0},
        {"4294967296", false, 0},
        {"abc", false, 0},
        {"12abc", false, 0},
        {"12 34", false, 0},
        {"1.5", false, 0},
        {"0x10", false, 0},
        {"+ 5", false, 0},
        {"\x82\x57\x82\x4f\x82\x4f", true, 800},     // full-width, as the IME types them
        {"\x81\x40\x82\x58\x30\x81\x40", true, 90},  // ideographic spaces, digits of both widths
        {"\x82\x4f", false, 0},                      // a full-width zero
        {"\x82\x59", false, 0},                      // one past the full-width nine
        {"\x82\x4e\x31", false, 0},                  // one before the zero
        {"\x82", false, 0},                          // a lead byte alone at the end
    };
    for (const Row& row : rows) {
        int32_t side = -7;
        EXPECT_EQ(ParseCanvasSide(row.text, &side), row.ok) << '"' << row.text << '"';
        EXPECT_EQ(side, row.ok ? row.side : -7) << '"' << row.text << '"';
    }
    int32_t side = -7;
    EXPECT_FALSE(ParseCanvasSide(nullptr, &side));
    EXPECT_FALSE(ParseCanvasSide("5", nullptr));
}

}  // namespace
