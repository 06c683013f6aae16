#include "core/path_text.h"

#include <gtest/gtest.h>

namespace {

TEST(FolderOfPath, SplitsAtTheLastRealSeparator) {
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"C:\\work\\a.bmp", "C:\\work"},
        {"C:\\a.bmp", "C:\\"},
        {"C:/work/a.bmp", "C:/work"},
        {"a.bmp", "."},
        {"\\\\server\\share\\a.bmp", "\\\\server\\share"},
        // ネットワーク構成図.bmp: 構 ends in 0x5C.
        {"C:\\work\\\x83l\x83"
         "b\x83g\x83\x8F\x81[\x83N\x8D\x5C\x90\xAC\x90}.bmp",
         "C:\\work"},
        // A folder 表\ソ, each ending in 0x5C, holding 能.bmp (0x94 0x5C).
        {"D:\\\x95\x5C\\\x83\x5C\\\x94\x5C.bmp", "D:\\\x95\x5C\\\x83\x5C"},
        {"\x95\x5C.bmp", "."},
        // A lead byte at the very end has no second byte: the backslash before it still counts.
        {"C:\\dir\\\x83", "C:\\dir"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderOfPath(c.path), c.folder) << c.path;
}

}  // namespace
