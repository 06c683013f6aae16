#include "core/add_checks.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/catalogue_format.h"

namespace {

TEST(CategoryOfName, OnlyAnExactPaletteName) {
    const std::vector<std::string> names = {"ルータ", "ハブ", "ホスト", "クラウド", "アザー"};
    for (int32_t category = 0; category < CATEGORY_COUNT; ++category)
        EXPECT_EQ(CategoryOfName(names[category], names), category);
    for (const std::string typed : {"", "ルー", "ルータ ", " ハブ", "全て", "0"})
        EXPECT_EQ(CategoryOfName(typed, names), -1) << typed;
}

TEST(CheckNewSymbolName, TheCatalogueMustCarryTheNameAndThePathMustFit) {
    EXPECT_EQ(CheckNewSymbolName("router.bmp", 3), AddRefusal::NONE);
    EXPECT_EQ(NewSymbolPath("router.bmp"), "\\Symbol\\router.bmp");
    for (const std::string& name :
         std::vector<std::string>{"my router.bmp", "a\tb.bmp", "", "..\\x.bmp", std::string(64, 'n')})
        EXPECT_EQ(CheckNewSymbolName(name, 3), AddRefusal::FILE_NAME) << name;
    // root + "\Symbol\" (8 bytes) + "a.bmp" (5 bytes): 259 bytes fit, 260 do not.
    EXPECT_EQ(CheckNewSymbolName("a.bmp", 246), AddRefusal::NONE);
    EXPECT_EQ(CheckNewSymbolName("a.bmp", 247), AddRefusal::PATH_TOO_LONG);
}

}  // namespace
