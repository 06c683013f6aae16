// The symbol catalogue Symbol.txt: records "category,\Symbol\file.bmp" one per line. Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t CATEGORY_COUNT = 5;  // router, hub, host, cloud, other
constexpr size_t PATH_LIMIT = 259;     // longest path, in bytes, that fits the 260-byte buffers

struct CatalogRecord {
    bool usable;               // false: a record the format cannot carry, kept only as text
    int32_t category;
    std::string relativePath;  // "\Symbol\name.bmp"
    std::string text;          // for an unusable record: its text, without the line end
};

// Records as the scan "%d,%s\n" takes them (line ends, blank lines and a missing last line end do
// not matter). A record that the format cannot carry is marked unusable and reading goes on with
// the next line: a category outside 0..4, a path over 259 bytes or one that would make
// libraryRoot + path over 259 bytes, a path holding a NUL byte, text that does not begin with a
// number directly followed by a comma. As with the scan, whitespace between the comma and the
// path is skipped ("2, \Symbol\x.bmp"), even across line ends.
// An unusable record's text runs from its first byte to the end of its line; when its path starts
// on a later line, the text runs to the end of the path's line, so that a rewrite cannot join the
// record to the one after it.
std::vector<CatalogRecord> ParseCatalog(const char* text, size_t size, size_t libraryRootLength);

// The canonical line: '0' + category, ',', the path, CR LF.
std::string FormatCatalogLine(int32_t category, const std::string& relativePath);

// What to append for a new record: the line, preceded by a line end when the file so far does
// not end with one (otherwise the last record and the new one would merge).
std::string CatalogAppendText(const std::string& existing, int32_t category, const std::string& relativePath);

// The catalogue without the k-th usable record of the category (counting that category's usable
// records only, from 0), every other usable record rewritten in the canonical form and every
// unusable one kept as its text on a line of its own. removedPath (may be null) receives the
// removed record's path, or is left empty when there is no such record.
std::string CatalogWithoutRecord(const std::vector<CatalogRecord>& records, int32_t category, int32_t k,
                                 std::string* removedPath);

// A file name that the catalogue can carry: not empty, at most 63 bytes (the file title buffer),
// no whitespace, no NUL, no path separator or drive colon. Names are code page 932: a trail byte
// 0x5C ("ソ", "表") is part of its character, not a backslash.
bool IsCatalogFileName(const std::string& fileName);

// The folder of the library's pictures, as catalogue paths begin.
constexpr char SYMBOL_FOLDER[] = "\\Symbol\\";

// A catalogue path that names a file directly inside the Symbol folder ("\Symbol\" and a name
// that IsCatalogFileName accepts, not "." or ".."): only such files may be deleted, so a
// hand-edited catalogue cannot point a deletion outside the library.
bool IsLibraryImagePath(const std::string& relativePath);
