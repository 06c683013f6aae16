#include "core/catalogue_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<CatalogueRecord> Parse(const std::string& text, size_t rootLength = 0) {
    return ParseCatalogue(text.data(), text.size(), rootLength);
}

// One line per record: "c,path" for usable ones, "?" and the record's bytes for the others.
std::vector<std::string> DescribeText(const std::string& text, size_t rootLength = 0) {
    std::vector<std::string> lines;
    for (const CatalogueRecord& record : Parse(text, rootLength))
        lines.push_back(record.Usable() ? std::to_string(record.category) + "," + record.relativePath
                                        : "?" + text.substr(record.start, record.end - record.start));
    return lines;
}

using Lines = std::vector<std::string>;

TEST(ParseCatalogue, EveryLayoutTheScanAcceptsGivesTheSameRecords) {
    const Lines abc = {"0,\\Symbol\\a.bmp", "2,\\Symbol\\b.bmp", "0,\\Symbol\\c.bmp"};
    const char* layouts[] = {
        "0,\\Symbol\\a.bmp\r\n2,\\Symbol\\b.bmp\r\n0,\\Symbol\\c.bmp\r\n",
        "0,\\Symbol\\a.bmp\n2,\\Symbol\\b.bmp\n0,\\Symbol\\c.bmp\n",
        "0,\\Symbol\\a.bmp\r\n2,\\Symbol\\b.bmp\r\n0,\\Symbol\\c.bmp",  // no last line end
        "\r\n\r\n0,\\Symbol\\a.bmp\r\n\r\n\n2,\\Symbol\\b.bmp\r\n  \r\n0,\\Symbol\\c.bmp\r\n\r\n",
        "  \t0,\\Symbol\\a.bmp  \r\n\v\f2,\\Symbol\\b.bmp\t\r\n 0,\\Symbol\\c.bmp \r\n",
        "0,\\Symbol\\a.bmp 2,\\Symbol\\b.bmp\t0,\\Symbol\\c.bmp",                       // records share a line
        "0,\r\n\\Symbol\\a.bmp\r\n2, \\Symbol\\b.bmp\r\n0,\t\r\n\r\n \\Symbol\\c.bmp",  // path after the comma's line
        "+0,\\Symbol\\a.bmp\r\n0002,\\Symbol\\b.bmp\r\n-0,\\Symbol\\c.bmp\r\n",
        "0,\\Symbol\\a.bmp\r2,\\Symbol\\b.bmp\r0,\\Symbol\\c.bmp\r",  // bare CR is whitespace too
    };
    for (const char* layout : layouts)
        EXPECT_EQ(DescribeText(layout), abc) << layout;
}

TEST(ParseCatalogue, EmptyOrBlankFileHasNoRecords) {
    for (const char* text : {"", "\r\n", "\r\n\r\n  \t\n", "\v\f\r"})
        EXPECT_TRUE(Parse(text).empty()) << text;
    EXPECT_TRUE(ParseCatalogue(nullptr, 0, 0).empty());
}

TEST(ParseCatalogue, BadRecordsAreSkippedAndReadingGoesOnRightAfterThem) {
    struct Case {
        std::string text;
        Lines expected;
    };
    const Case cases[] = {
        {"junk\r\n1,\\Symbol\\h.bmp\r\n", {"?junk", "1,\\Symbol\\h.bmp"}},
        {"5,\\Symbol\\x.bmp\r\n0,\\Symbol\\r.bmp", {"?5,\\Symbol\\x.bmp", "0,\\Symbol\\r.bmp"}},
        {"-1,\\Symbol\\x.bmp\n", {"?-1,\\Symbol\\x.bmp"}},
        {"-2147483649,\\x.bmp\n4294967296,\\y.bmp", {"?-2147483649,\\x.bmp", "?4294967296,\\y.bmp"}},
        {"1 ,\\Symbol\\x.bmp\n", {"?1", "?,\\Symbol\\x.bmp"}},
        {",\\Symbol\\x.bmp\n-,\\y.bmp\n+,\\z.bmp", {"?,\\Symbol\\x.bmp", "?-,\\y.bmp", "?+,\\z.bmp"}},
        {"0x1,\\Symbol\\x.bmp", {"?0x1,\\Symbol\\x.bmp"}},
        {"3", {"?3"}},
        {"3,  \r\n\r\n", {"?3,"}},
        {"0,\\a.bmp junk here 1,\\b.bmp\r\n", {"0,\\a.bmp", "?junk", "?here", "1,\\b.bmp"}},
        // Bad records end where the scan's record ends, not at a line end: a CR-only file, a path
        // on the next line, two records on one line.
        {"0,\\a.bmp\r7,\\b.bmp\r0,\\c.bmp\r", {"0,\\a.bmp", "?7,\\b.bmp", "0,\\c.bmp"}},
        {"0,\\a.bmp\r9,\r\\x.bmp\rjunk\r0,\\c.bmp", {"0,\\a.bmp", "?9,\r\\x.bmp", "?junk", "0,\\c.bmp"}},
        {"7,\\a.bmp 0,\\b.bmp\n", {"?7,\\a.bmp", "0,\\b.bmp"}},
        {"\xEF\xBB\xBF"
         "0,\\a.bmp\r\n1,\\b.bmp",
         {"?\xEF\xBB\xBF"
          "0,\\a.bmp",
          "1,\\b.bmp"}},
        // A text-mode read ends at Ctrl-Z.
        {"0,\\a.bmp\r\n\x1A\r\n1,\\b.bmp\r\n", {"0,\\a.bmp"}},
        {"0,\\a\x1A.bmp 1,\\b.bmp", {"0,\\a"}},
        {"4,\x1A\\b.bmp", {"?4,"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeText(c.text), c.expected) << c.text;
}

// Each unusable record says why, and on which line it starts whatever the line ends.
TEST(ParseCatalogue, UnusableRecordsSayWhyAndWhere) {
    const std::string text =
        "0,\\a.bmp\r\njunk\r7,\\b.bmp\n\r\n1," + std::string(260, 'p') + std::string("\r\n2,\\c\0.bmp 3,", 14);
    std::vector<std::pair<RecordFault, size_t>> faults;
    for (const CatalogueRecord& record : Parse(text))
        faults.emplace_back(record.fault, LineAtOffset(text.data(), record.start));
    EXPECT_EQ(faults, (std::vector<std::pair<RecordFault, size_t>>{{RecordFault::NONE, 1},
                                                                   {RecordFault::NOT_A_RECORD, 2},
                                                                   {RecordFault::CATEGORY, 3},
                                                                   {RecordFault::PATH_TOO_LONG, 5},
                                                                   {RecordFault::NOT_A_RECORD, 6},
                                                                   {RecordFault::NOT_A_RECORD, 6}}));
}

TEST(ParseCatalogue, NulBytesAreOrdinaryTextButNeverEndUpInAPath) {
    const std::string text("0,\\Symbol\\a\0b.bmp\r\n\0\r\n1\0,\\x.bmp\r\n2,\\Symbol\\c.bmp", 48);
    const Lines expected = {std::string("?0,\\Symbol\\a\0b.bmp", 18), std::string("?\0", 2),
                            std::string("?1\0,\\x.bmp", 10), "2,\\Symbol\\c.bmp"};
    EXPECT_EQ(DescribeText(text), expected);
}

TEST(ParseCatalogue, PathLengthsAtTheLimitOfTheBuffers) {
    const auto pathOf = [](size_t length) { return "\\Symbol\\" + std::string(length - 12, 'p') + ".bmp"; };
    struct Case {
        size_t pathLength;
        size_t rootLength;
        bool usable;
    };
    const Case cases[] = {
        {259, 0, true},  {260, 0, false},  {249, 10, true},  {250, 10, false},
        {13, 246, true}, {13, 247, false}, {13, 259, false}, {13, SIZE_MAX, false},
    };
    for (const Case& c : cases) {
        const std::string path = pathOf(c.pathLength);
        const auto records = Parse("1," + path + "\r\n3,\\Symbol\\next.bmp\r\n", c.rootLength);
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[0].Usable(), c.usable) << c.pathLength << " + " << c.rootLength;
        EXPECT_EQ(records[0].end, 2 + path.size());
        EXPECT_EQ(records[0].relativePath, c.usable ? path : "");
        // Reading goes on after a refused path; the next record obeys the same root.
        EXPECT_EQ(records[1].Usable(), c.rootLength <= PATH_LIMIT - 16);
    }
}

TEST(ParseCatalogue, CodePage932NamesAreOneRunOfBytes) {
    // "ソフト.bmp": the trail byte 0x5C is not a separator, and 0x81 0x40 (a wide space) is no blank.
    const std::string soft = "\\Symbol\\\x83\x5C\x83t\x83g.bmp";
    const std::string wideSpace =
        "\\Symbol\\a\x81\x40"
        "b.bmp";
    const std::string text = "2," + soft + "\r\n4," + wideSpace + "\r\n\xE3\x81\x82\r\n";
    EXPECT_EQ(DescribeText(text), (Lines{"2," + soft, "4," + wideSpace, "?\xE3\x81\x82"}));
}

TEST(FindCategoryRecord, CountsOnlyTheCategorysUsableRecords) {
    const std::string text = "0,\\r1.bmp\r\n1,\\h1.bmp\r\n9,\\x.bmp\r\n1,\\h2.bmp\r\n";
    const auto records = Parse(text);
    const auto pathOf = [&](int32_t category, int32_t k) {
        const CatalogueRecord* record = FindCategoryRecord(records, category, k);
        return record ? record->relativePath : "none";
    };
    EXPECT_EQ(pathOf(1, 1), "\\h2.bmp");
    EXPECT_EQ(pathOf(1, 0), "\\h1.bmp");
    EXPECT_EQ(pathOf(0, 0), "\\r1.bmp");
    for (const auto& miss : {std::pair{1, 2}, {1, -1}, {2, 0}, {-1, 0}, {9, 0}, {INT32_MIN, INT32_MIN}})
        EXPECT_EQ(pathOf(miss.first, miss.second), "none");
}

TEST(CutCatalogueRecord, RemovesExactlyTheRecordAndLeavesEveryOtherByte) {
    struct Case {
        std::string text;
        int32_t category;
        int32_t k;
        std::string expected;
    };
    const Case cases[] = {
        {"0,\\r1.bmp\r\n1,\\h1.bmp\n1,\\h2.bmp", 1, 1, "0,\\r1.bmp\r\n1,\\h1.bmp\n"},
        {"0,\\r1.bmp\r\n1,\\h1.bmp\n1,\\h2.bmp", 1, 0, "0,\\r1.bmp\r\n1,\\h2.bmp"},
        // Lines the reader cannot use keep their bytes, and are not split where the scan splits.
        {"4,\\Symbol\\my file.bmp\r\n0,\\a.bmp\r\n", 0, 0, "4,\\Symbol\\my file.bmp\r\n"},
        {"  junk here  \r\n2, \\x.bmp\r\n9,\r\n\\y.bmp\r\n", 2, 0, "  junk here  \r\n9,\r\n\\y.bmp\r\n"},
        {"0,\\a.bmp\r7,\\b.bmp\r0,\\c.bmp\r", 0, 1, "0,\\a.bmp\r7,\\b.bmp\r"},
        {"0,\\a.bmp\r\n\x1A junk", 0, 0, "\x1A junk"},
        // A line with two records keeps the other one.
        {"0,\\a.bmp 1,\\b.bmp\r\n2,\\c.bmp\r\n", 0, 0, "1,\\b.bmp\r\n2,\\c.bmp\r\n"},
        {"0,\\a.bmp \t1,\\b.bmp\r\n", 1, 0, "0,\\a.bmp\r\n"},
        // A record over two lines goes with both when nothing else is on them.
        {"1,\\a.bmp\r\n  2,\r\n \\b.bmp \r\n3,\\c.bmp", 2, 0, "1,\\a.bmp\r\n3,\\c.bmp"},
        {"3,\\Symbol\\only.bmp\r\n", 3, 0, ""},
    };
    for (const Case& c : cases) {
        const auto records = Parse(c.text);
        const CatalogueRecord* record = FindCategoryRecord(records, c.category, c.k);
        ASSERT_TRUE(record) << c.text;
        EXPECT_EQ(CutCatalogueRecord(c.text, *record), c.expected) << c.text;
    }
}

// The new record is read back as the last one, merges with none, and no byte of the file is lost.
TEST(InsertCatalogueRecord, NewRecordIsTheLastOneTheReaderFinds) {
    struct Case {
        std::string existing;
        std::string result;
    };
    const std::string hub = "1,\\Symbol\\hub.bmp\r\n";
    const Case cases[] = {
        {"", hub},
        {"0,\\Symbol\\a.bmp\r\n", "0,\\Symbol\\a.bmp\r\n" + hub},
        {"0,\\Symbol\\a.bmp\n", "0,\\Symbol\\a.bmp\n" + hub},
        {"0,\\Symbol\\a.bmp", "0,\\Symbol\\a.bmp\r\n" + hub},
        {"0,\\Symbol\\a.bmp\r\n   ", "0,\\Symbol\\a.bmp\r\n   \r\n" + hub},
        // A Ctrl-Z ends what is read: the record goes before it, the rest stays byte for byte.
        {"0,\\Symbol\\a.bmp\r\n\x1A", "0,\\Symbol\\a.bmp\r\n" + hub + "\x1A"},
        {"0,\\Symbol\\a.bmp\x1A", "0,\\Symbol\\a.bmp\r\n" + hub + "\x1A"},
        {"\x1A", hub + "\x1A"},
        {"0,\\Symbol\\a.bmp\r\n\x1A"
         "2,\\Symbol\\b.bmp\r\n\x1A",
         "0,\\Symbol\\a.bmp\r\n" + hub +
             "\x1A"
             "2,\\Symbol\\b.bmp\r\n\x1A"},
    };
    for (const Case& c : cases) {
        const CatalogueInsertion insertion = InsertCatalogueRecord(c.existing, 1, "\\Symbol\\hub.bmp");
        ASSERT_LE(insertion.at, c.existing.size());
        const std::string result = c.existing.substr(0, insertion.at) + insertion.text;
        EXPECT_EQ(result, c.result) << c.existing;
        EXPECT_EQ(DescribeText(result).back(), "1,\\Symbol\\hub.bmp") << c.existing;
        EXPECT_EQ(DescribeText(result).size(), DescribeText(c.existing).size() + 1) << c.existing;
    }
    EXPECT_EQ(FormatCatalogueLine(4, "\\Symbol\\o.bmp"), "4,\\Symbol\\o.bmp\r\n");
}

TEST(IsCatalogueFileName, RefusesWhatTheCatalogueCannotCarry) {
    struct Case {
        std::string name;
        bool accepted;
    };
    const Case cases[] = {
        {"router2.bmp", true},
        {"\x83\x5C\x83t\x83g.bmp", true},  // ソフト.bmp: 0x5C as a trail byte
        {"\x95\x5C.bmp", true},            // 表.bmp
        {std::string(63, 'n'), true},
        {std::string(64, 'n'), false},
        {"", false},
        {"my router.bmp", false},
        {"a\tb.bmp", false},
        {"a\rb.bmp", false},
        {"a\nb.bmp", false},
        {"a\vb.bmp", false},
        {"a\fb.bmp", false},
        {"dir\\a.bmp", false},
        {"dir/a.bmp", false},
        {"c:a.bmp", false},
        {std::string("a\0b.bmp", 7), false},
        {"a\x81", false},        // lead byte cut off
        {"a\x81 .bmp", false},   // a space is no trail byte
        {"\xA0\xDF.bmp", true},  // half-width katakana are single bytes
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsCatalogueFileName(c.name), c.accepted) << c.name;
}

TEST(IsFileDirectlyInFolder, OnlyFilesDirectlyInTheFolder) {
    struct Case {
        std::string folder;
        std::string path;
        bool accepted;
    };
    const std::string library = "C:\\lib\\\x83\x5C\\Symbol\\";  // ソ: 0x5C as a trail byte
    const Case cases[] = {
        {SYMBOL_FOLDER, "\\Symbol\\hub.bmp", true},
        {SYMBOL_FOLDER, "\\symbol\\hub.bmp", true},
        {SYMBOL_FOLDER, "\\Symbol\\\x83\x5C.bmp", true},
        {SYMBOL_FOLDER, "\\Symbol\\", false},
        {SYMBOL_FOLDER, "\\Symbol\\..", false},
        {SYMBOL_FOLDER, "\\Symbol\\.", false},
        {SYMBOL_FOLDER, "\\Symbol\\..\\Symbol.txt", false},
        {SYMBOL_FOLDER, "\\Symbol\\sub\\a.bmp", false},
        {SYMBOL_FOLDER, "\\..\\..\\Windows\\a.bmp", false},
        {SYMBOL_FOLDER, "Symbol\\a.bmp", false},
        {SYMBOL_FOLDER, "\\Symbolx\\a.bmp", false},
        {SYMBOL_FOLDER, "\\Symbol\\C:\\a.bmp", false},
        {SYMBOL_FOLDER, "\\Symbol\\a.bmp:stream", false},
        {library, "c:\\LIB\\\x83\x5C\\symbol\\a.bmp", true},
        {library, "C:\\lib\\\x83\x7C\\Symbol\\a.bmp", false},  // another character, not another case
        {library, "\\\\.\\nul", false},
        {"C:\\lib\\\x83\x5C",
         "C:\\lib\\\x83\x5C"
         "a.bmp",
         false},  // the folder must end in a real separator
        {"", "a.bmp", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsFileDirectlyInFolder(c.folder, c.path), c.accepted) << c.folder << " " << c.path;
    EXPECT_TRUE(IsLibraryImagePath("\\Symbol\\hub.bmp"));
    EXPECT_FALSE(IsLibraryImagePath("\\Symbol\\..\\hub.bmp"));
}

}  // namespace
