// The symbol catalogue Symbol.txt: records "category,\Symbol\file.bmp" one per line. Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

constexpr int32_t CATEGORY_COUNT = 5;  // router, hub, host, cloud, other
enum SymbolCategory : int32_t { CATEGORY_ROUTER, CATEGORY_HUB, CATEGORY_HOST, CATEGORY_CLOUD, CATEGORY_OTHER };

constexpr size_t PATH_LIMIT = 259;  // longest path, in bytes, that fits the 260-byte buffers

// Pictures a palette shows per category. Far more than a user picks from, and few enough that a
// catalogue at the limit opens in a few seconds; a hand-made catalogue of 460,000 records once
// never finished loading.
constexpr int32_t CATEGORY_IMAGE_LIMIT = 1000;

// Why a record cannot be used. Such a record is skipped and kept in the file as it is.
enum class RecordFault {
    NONE,
    NOT_A_RECORD,   // not a number directly followed by a comma and a path, or a path holding a NUL
    CATEGORY,       // a category outside 0..4
    PATH_TOO_LONG,  // over 259 bytes, alone or after libraryRoot
};

struct CatalogueRecord {
    RecordFault fault;
    int32_t category;
    std::string relativePath;  // "\Symbol\name.bmp"; empty for an unusable record
    size_t start;              // the record's bytes in the text, [start, end)
    size_t end;
    bool Usable() const { return fault == RecordFault::NONE; }
};

// Records as the scan "%d,%s\n" takes them: a number, a comma, then (after any whitespace, line
// ends included) a run of non-whitespace bytes. Records are separated by any whitespace, so line
// ends do not matter. Reading stops at a Ctrl-Z byte, as a text-mode read does.
// A record that the format cannot carry is marked unusable and reading goes on right after it: a
// category outside 0..4, a path over 259 bytes or one that would make libraryRoot + path over
// 259 bytes, a path holding a NUL byte. Text that is not a number directly followed by a comma is
// unusable up to the next whitespace; a number and a comma at the end of the text are one record.
std::vector<CatalogueRecord> ParseCatalogue(const char* text, size_t size, size_t libraryRootLength);

// The line, counted from 1, on which the byte at offset lies; CR LF, a bare CR and a bare LF each end
// a line.
size_t LineAtOffset(const char* text, size_t offset);

// The canonical line: '0' + category, ',', the path, CR LF.
std::string FormatCatalogueLine(int32_t category, const std::string& relativePath);

// Where a new record goes in the catalogue's text and what replaces everything from there on: the
// line at the end, or, when the text holds a Ctrl-Z (where reading stops), just before the first
// one, every byte from it on kept. A line end goes first when the text before does not end with
// one (otherwise the last record and the new one would merge).
struct CatalogueInsertion {
    size_t at;
    std::string text;
};
CatalogueInsertion InsertCatalogueRecord(const std::string& existing,
                                         int32_t category,
                                         const std::string& relativePath);

// The k-th usable record of the category (counting that category's usable records only, from 0),
// or null.
const CatalogueRecord* FindCategoryRecord(const std::vector<CatalogueRecord>& records, int32_t category, int32_t k);

// The text without one of its records: its bytes go, with its whole line when nothing else is
// left on it, else with the blanks that parted it from its neighbour on the line. Every other
// byte stays as it was, so records the reader cannot use survive a delete unchanged.
std::string CutCatalogueRecord(const std::string& text, const CatalogueRecord& record);

// A file name that the catalogue can carry: not empty, at most 63 bytes (the file title buffer),
// no whitespace, no NUL, no path separator or drive colon. Names are code page 932: a trail byte
// 0x5C ("ソ", "表") is part of its character, not a backslash.
bool IsCatalogueFileName(const std::string& fileName);

// The folder of the library's pictures, as catalogue paths begin.
constexpr char SYMBOL_FOLDER[] = "\\Symbol\\";

// Whether path names a file directly inside folder (which ends with a backslash): the folder,
// its letters in either case, then one name that IsCatalogueFileName accepts and that is more than
// dots. Only such files may be deleted, so a hand-edited catalogue cannot point a deletion
// outside the library: checked on the catalogue path and again on the path the system resolves.
bool IsFileDirectlyInFolder(const std::string& folder, const std::string& path);

inline bool IsLibraryImagePath(const std::string& relativePath) {
    return IsFileDirectlyInFolder(SYMBOL_FOLDER, relativePath);
}
