#include "core/delete_plan.h"

#include <gtest/gtest.h>

namespace {

using Paths = std::vector<std::string>;

TEST(PlanSymbolDelete, OnlyTheRecordThePaletteShowsMayGo) {
    const std::string text = "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n9,\\Symbol\\x.bmp\r\n1,\\Symbol\\h2.bmp\r\n";
    const DeletePlan plan = PlanSymbolDelete(text, 10, 1, 1, "\\Symbol\\h2.bmp");
    ASSERT_TRUE(plan.matches);
    EXPECT_EQ(plan.remainingText, "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n9,\\Symbol\\x.bmp\r\n");
    EXPECT_EQ(plan.relativePath, "\\Symbol\\h2.bmp");
    EXPECT_TRUE(plan.fileMayGo);
    // The unusable record names no picture the delete must keep.
    EXPECT_EQ(plan.otherPaths, (Paths{"\\Symbol\\r1.bmp", "\\Symbol\\h1.bmp"}));

    // The file changed since the palette was built: another record now stands at that place, or
    // the record is gone.
    EXPECT_FALSE(PlanSymbolDelete(text, 10, 1, 0, "\\Symbol\\h0.bmp").matches);
    EXPECT_FALSE(PlanSymbolDelete(text, 10, 1, 2, "\\Symbol\\h3.bmp").matches);
    EXPECT_FALSE(PlanSymbolDelete(text, 10, 1, 1, "\\Symbol\\h1.bmp").matches);
    EXPECT_FALSE(PlanSymbolDelete(text, 10, 1, -1, "\\Symbol\\h1.bmp").matches);
    // A record too long for this root is not one the palette could have shown.
    EXPECT_FALSE(PlanSymbolDelete(text, 250, 1, 0, "\\Symbol\\h1.bmp").matches);
}

TEST(PlanSymbolDelete, PicturesOutsideTheSymbolFolderStay) {
    for (const std::string path :
         {"\\Symbol\\..\\Symbol.txt", "\\Other\\a.bmp", "\\Symbol\\sub\\a.bmp", "\\Symbol\\.."}) {
        const DeletePlan plan = PlanSymbolDelete("2," + path + "\r\n", 10, 2, 0, path);
        ASSERT_TRUE(plan.matches) << path;
        EXPECT_EQ(plan.remainingText, "") << path;
        EXPECT_FALSE(plan.fileMayGo) << path;
    }
    // A duplicate record of the same picture is reported, so that its file stays.
    const DeletePlan twice =
        PlanSymbolDelete("0,\\Symbol\\a.bmp\r\n3,\\Symbol\\A.BMP\r\n", 10, 0, 0, "\\Symbol\\a.bmp");
    EXPECT_EQ(twice.otherPaths, Paths{"\\Symbol\\A.BMP"});
}

}  // namespace
