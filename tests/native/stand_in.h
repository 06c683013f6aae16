// Symbols for the core's tests, which need no window: the core never looks inside a picture, so any
// pointer that is not null stands for one.
#pragma once
#include <memory>

#include <gtest/gtest.h>

#include "core/edit_session.h"

// A 50 x 50 symbol with a stand-in picture, or without one.
inline SymbolItem StandInSymbol(bool withPicture = true) {
    static const int picture = 0;
    std::shared_ptr<const SymbolPicture> standIn(std::shared_ptr<const int>(),
                                                 reinterpret_cast<const SymbolPicture*>(&picture));
    return {0, withPicture ? standIn : nullptr, {SYMBOL_SIZE, SYMBOL_SIZE}, 0, 0, {}};
}

// A stand-in symbol without a picture centred on the point, as the symbol tool places it.
inline SymbolItem* PlaceStandIn(EditSession& session, int32_t x, int32_t y) {
    SymbolItem* symbol = PlaceSymbol(session, StandInSymbol(false), {x, y});
    EXPECT_TRUE(symbol);
    return symbol;
}
