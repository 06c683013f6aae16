#include "core/catalog_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<CatalogRecord> Parse(const std::string& text, size_t rootLength = 0) {
    return ParseCatalog(text.data(), text.size(), rootLength);
}

// One line per record: "c,path" for usable ones, "?text" for the others.
std::vector<std::string> Describe(const std::vector<CatalogRecord>& records) {
    std::vector<std::string> lines;
    for (const CatalogRecord& record : records)
        lines.push_back(record.usable ? std::to_string(record.category) + "," + record.relativePath
                                      : "?" + record.text);
    return lines;
}

std::vector<std::string> DescribeText(const std::string& text, size_t rootLength = 0) {
    return Describe(Parse(text, rootLength));
}

using Lines = std::vector<std::string>;

TEST(ParseCatalog, EveryLayoutTheScanAcceptsGivesTheSameRecords) {
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

TEST(ParseCatalog, EmptyOrBlankFileHasNoRecords) {
    for (const char* text : {"", "\r\n", "\r\n\r\n  \t\n", "\v\f\r"})
        EXPECT_TRUE(Parse(text).empty()) << text;
    EXPECT_TRUE(ParseCatalog(nullptr, 0, 0).empty());
}

TEST(ParseCatalog, BadRecordsAreKeptAsTextAndReadingGoesOnWithTheNextLine) {
    struct Case {
        std::string text;
        Lines expected;
    };
    const Case cases[] = {
        {"junk\r\n1,\\Symbol\\h.bmp\r\n", {"?junk", "1,\\Symbol\\h.bmp"}},
        {"5,\\Symbol\\x.bmp\r\n0,\\Symbol\\r.bmp", {"?5,\\Symbol\\x.bmp", "0,\\Symbol\\r.bmp"}},
        {"-1,\\Symbol\\x.bmp\n", {"?-1,\\Symbol\\x.bmp"}},
        {"99999999999,\\Symbol\\x.bmp\n", {"?99999999999,\\Symbol\\x.bmp"}},
        {"-2147483649,\\x.bmp\n4294967296,\\y.bmp", {"?-2147483649,\\x.bmp", "?4294967296,\\y.bmp"}},
        {"1 ,\\Symbol\\x.bmp\n", {"?1 ,\\Symbol\\x.bmp"}},
        {",\\Symbol\\x.bmp\n-,\\y.bmp\n+,\\z.bmp", {"?,\\Symbol\\x.bmp", "?-,\\y.bmp", "?+,\\z.bmp"}},
        {"0x1,\\Symbol\\x.bmp", {"?0x1,\\Symbol\\x.bmp"}},
        {"\\Symbol\\x.bmp", {"?\\Symbol\\x.bmp"}},
        {"3", {"?3"}},
        {"3,", {"?3,"}},
        {"3,  \r\n\r\n", {"?3,  "}},
        // The text starts at the record, not at the line, and a bad record takes the rest of its line.
        {"0,\\a.bmp junk 1,\\b.bmp\r\n2,\\c.bmp", {"0,\\a.bmp", "?junk 1,\\b.bmp", "2,\\c.bmp"}},
        {"7,\\a.bmp 0,\\b.bmp\n0,\\c.bmp", {"?7,\\a.bmp 0,\\b.bmp", "0,\\c.bmp"}},
        // An out-of-range record whose path is on the next line: the path line is a record of its own.
        {"9,\r\n\\a.bmp\r\n", {"?9,", "?\\a.bmp"}},
        {"\xEF\xBB\xBF"
         "0,\\a.bmp\r\n1,\\b.bmp",
         {"?\xEF\xBB\xBF"
          "0,\\a.bmp",
          "1,\\b.bmp"}},
        {"junk\r\r\r\n", {"?junk"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DescribeText(c.text), c.expected) << c.text;
}

TEST(ParseCatalog, NulBytesAreOrdinaryTextButNeverEndUpInAPath) {
    const std::string text("0,\\Symbol\\a\0b.bmp\r\n\0\r\n1\0,\\x.bmp\r\n2,\\Symbol\\c.bmp", 48);
    const Lines expected = {std::string("?0,\\Symbol\\a\0b.bmp", 18), std::string("?\0", 2),
                            std::string("?1\0,\\x.bmp", 10), "2,\\Symbol\\c.bmp"};
    EXPECT_EQ(DescribeText(text), expected);
}

TEST(ParseCatalog, PathLengthsAtTheLimitOfTheBuffers) {
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
        EXPECT_EQ(records[0].usable, c.usable) << c.pathLength << " + " << c.rootLength;
        EXPECT_EQ(records[0].usable ? records[0].relativePath : records[0].text, c.usable ? path : "1," + path);
        // Reading goes on after a refused path; the next record obeys the same root.
        EXPECT_EQ(records[1].usable, c.rootLength <= PATH_LIMIT - 16);
    }
}

TEST(ParseCatalog, OverlongPathOnALaterLineStaysWithItsRecord) {
    // "1,..." on the second line is the path the scan takes for category 0, and it is too long;
    // on its own it would fit. Keeping both lines in one text stops a rewrite from regrouping them.
    const std::string longPath = "1,\\" + std::string(258, 'q');
    const std::string text = "0,\r\n\r\n" + longPath + "\r\n2,\\Symbol\\b.bmp\r\n";
    const Lines expected = {"?0,\r\n\r\n" + longPath, "2,\\Symbol\\b.bmp"};
    EXPECT_EQ(DescribeText(text), expected);

    const std::string rewritten = CatalogWithoutRecord(Parse(text), 2, 0, nullptr);
    EXPECT_EQ(rewritten, "0,\r\n\r\n" + longPath + "\r\n");
    EXPECT_EQ(DescribeText(rewritten), Lines{"?0,\r\n\r\n" + longPath});
}

TEST(ParseCatalog, CodePage932NamesAreOneRunOfBytes) {
    // "ソフト.bmp": the trail byte 0x5C is not a separator, and 0x81 0x40 (a wide space) is no blank.
    const std::string soft = "\\Symbol\\\x83\x5C\x83t\x83g.bmp";
    const std::string wideSpace =
        "\\Symbol\\a\x81\x40"
        "b.bmp";
    const std::string text = "2," + soft + "\r\n4," + wideSpace + "\r\n\xE3\x81\x82\r\n";
    EXPECT_EQ(DescribeText(text), (Lines{"2," + soft, "4," + wideSpace, "?\xE3\x81\x82"}));
}

TEST(CatalogWithoutRecord, RemovesTheKthRecordOfTheCategoryAndRewritesTheRest) {
    const auto records = Parse("0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\n1,\\Symbol\\h2.bmp");
    std::string removed = "stale";
    EXPECT_EQ(CatalogWithoutRecord(records, 1, 1, &removed), "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n");
    EXPECT_EQ(removed, "\\Symbol\\h2.bmp");
    EXPECT_EQ(CatalogWithoutRecord(records, 1, 0, &removed), "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h2.bmp\r\n");
    EXPECT_EQ(removed, "\\Symbol\\h1.bmp");
    EXPECT_EQ(CatalogWithoutRecord(records, 0, 0, &removed), "1,\\Symbol\\h1.bmp\r\n1,\\Symbol\\h2.bmp\r\n");
    EXPECT_EQ(removed, "\\Symbol\\r1.bmp");
}

TEST(CatalogWithoutRecord, NoSuchRecordRemovesNothing) {
    const auto records = Parse("0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n");
    const std::string all = "0,\\Symbol\\r1.bmp\r\n1,\\Symbol\\h1.bmp\r\n";
    const int32_t misses[][2] = {{1, 1}, {1, -1}, {2, 0}, {-1, 0}, {5, 0}, {INT32_MIN, INT32_MIN}};
    for (const auto& miss : misses) {
        std::string removed = "stale";
        EXPECT_EQ(CatalogWithoutRecord(records, miss[0], miss[1], &removed), all);
        EXPECT_EQ(removed, "");
    }
    EXPECT_EQ(CatalogWithoutRecord(records, 0, 7, nullptr), all);
}

TEST(CatalogWithoutRecord, CanonicalFormUnusableTextAndEmptyResult) {
    std::string removed;
    EXPECT_EQ(CatalogWithoutRecord(Parse("2, \\Symbol\\x.bmp\n+1,\t\\Symbol\\y.bmp"), 4, 0, &removed),
              "2,\\Symbol\\x.bmp\r\n1,\\Symbol\\y.bmp\r\n");

    // Unusable records are not counted and keep their place and bytes.
    const auto mixed = Parse("0,\\a.bmp\r\n9,\\x.bmp\r\n  junk here  \r\n0,\\b.bmp\r\n0,\\b.bmp");
    EXPECT_EQ(CatalogWithoutRecord(mixed, 0, 1, &removed), "0,\\a.bmp\r\n9,\\x.bmp\r\njunk here  \r\n0,\\b.bmp\r\n");
    EXPECT_EQ(removed, "\\b.bmp");

    EXPECT_EQ(CatalogWithoutRecord(Parse("3,\\Symbol\\only.bmp\r\n"), 3, 0, &removed), "");
    EXPECT_EQ(CatalogWithoutRecord({}, 0, 0, &removed), "");
    EXPECT_EQ(removed, "");
}

TEST(CatalogAppendText, NewRecordNeverMergesWithTheLastOne) {
    struct Case {
        std::string existing;
        std::string appended;
    };
    const Case cases[] = {
        {"", "1,\\Symbol\\hub.bmp\r\n"},
        {"0,\\Symbol\\a.bmp\r\n", "1,\\Symbol\\hub.bmp\r\n"},
        {"0,\\Symbol\\a.bmp\n", "1,\\Symbol\\hub.bmp\r\n"},
        {"0,\\Symbol\\a.bmp", "\r\n1,\\Symbol\\hub.bmp\r\n"},
        {"0,\\Symbol\\a.bmp\r\n   ", "\r\n1,\\Symbol\\hub.bmp\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CatalogAppendText(c.existing, 1, "\\Symbol\\hub.bmp"), c.appended) << c.existing;
        EXPECT_EQ(DescribeText(c.existing + c.appended).back(), "1,\\Symbol\\hub.bmp");
    }
    EXPECT_EQ(FormatCatalogLine(4, "\\Symbol\\o.bmp"), "4,\\Symbol\\o.bmp\r\n");
}

TEST(IsCatalogFileName, RefusesWhatTheCatalogueCannotCarry) {
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
        EXPECT_EQ(IsCatalogFileName(c.name), c.accepted) << c.name;
}

TEST(IsLibraryImagePath, OnlyFilesDirectlyInTheSymbolFolder) {
    struct Case {
        std::string path;
        bool accepted;
    };
    const Case cases[] = {
        {"\\Symbol\\hub.bmp", true},
        {"\\symbol\\hub.bmp", true},
        {"\\Symbol\\\x83\x5C.bmp", true},
        {"\\Symbol\\", false},
        {"\\Symbol\\..", false},
        {"\\Symbol\\.", false},
        {"\\Symbol\\..\\Symbol.txt", false},
        {"\\Symbol\\sub\\a.bmp", false},
        {"\\..\\..\\Windows\\a.bmp", false},
        {"Symbol\\a.bmp", false},
        {"\\Symbolx\\a.bmp", false},
        {"\\Symbol\\C:\\a.bmp", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsLibraryImagePath(c.path), c.accepted) << c.path;
}

}  // namespace
