#include "symbols/catalog_format.h"

#include <cstring>

#include "platform/path_text.h"

namespace {

constexpr size_t FILE_NAME_LIMIT = 63;  // the 64-byte file title buffer, less its terminator

// Whitespace as the C scan sees it in the "C" locale; bytes from 0x80 up are code page 932 text.
bool IsScanSpace(unsigned char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

size_t SkipSpace(const char* text, size_t size, size_t pos) {
    while (pos < size && IsScanSpace(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

// Index of the '\n' that ends the line holding pos, or size when the line has none.
size_t LineEnd(const char* text, size_t size, size_t pos) {
    const void* found = pos < size ? std::memchr(text + pos, '\n', size - pos) : nullptr;
    return found ? static_cast<size_t>(static_cast<const char*>(found) - text) : size;
}

bool PathFits(const char* path, size_t length, size_t libraryRootLength) {
    if (length > PATH_LIMIT || libraryRootLength > PATH_LIMIT - length)
        return false;
    // The path ends up in C strings: a NUL would silently name another file.
    return std::memchr(path, '\0', length) == nullptr;
}

// Reads one record that starts at the non-blank byte text[start]. A good record ends right after
// its path; a bad one ends at the end of the line where reading it stopped (failedAt), and *next
// then points past that line.
CatalogRecord ReadRecord(const char* text, size_t size, size_t start, size_t libraryRootLength, size_t* next) {
    CatalogRecord record{false, 0, {}, {}};
    size_t pos = start;
    size_t failedAt = start;  // the line that a bad record's text runs to

    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    const size_t digits = pos;
    int64_t value = 0;
    for (; pos < size && IsDigit(text[pos]); ++pos) {
        // Saturate: any value past the categories is as bad as an overflowing one.
        if (value < CATEGORY_COUNT)
            value = value * 10 + (text[pos] - '0');
    }
    if (negative)
        value = -value;

    const bool numberThenComma = pos > digits && pos < size && text[pos] == ',';
    if (numberThenComma && value >= 0 && value < CATEGORY_COUNT) {
        const size_t pathStart = SkipSpace(text, size, pos + 1);
        size_t pathEnd = pathStart;
        while (pathEnd < size && !IsScanSpace(static_cast<unsigned char>(text[pathEnd])))
            ++pathEnd;
        if (pathEnd > pathStart) {
            if (PathFits(text + pathStart, pathEnd - pathStart, libraryRootLength)) {
                record.usable = true;
                record.category = static_cast<int32_t>(value);
                record.relativePath.assign(text + pathStart, pathEnd - pathStart);
                *next = pathEnd;
                return record;
            }
            failedAt = pathStart;
        }
    }

    const size_t end = LineEnd(text, size, failedAt);
    size_t textEnd = end;
    while (textEnd > start && text[textEnd - 1] == '\r')
        --textEnd;
    record.text.assign(text + start, textEnd - start);
    *next = end < size ? end + 1 : size;
    return record;
}

}  // namespace

std::vector<CatalogRecord> ParseCatalog(const char* text, size_t size, size_t libraryRootLength) {
    std::vector<CatalogRecord> records;
    if (!text)
        return records;
    size_t pos = SkipSpace(text, size, 0);
    while (pos < size) {
        size_t next = size;
        records.push_back(ReadRecord(text, size, pos, libraryRootLength, &next));
        pos = SkipSpace(text, size, next);
    }
    return records;
}

std::string FormatCatalogLine(int32_t category, const std::string& relativePath) {
    return std::to_string(category) + "," + relativePath + "\r\n";
}

std::string CatalogAppendText(const std::string& existing, int32_t category, const std::string& relativePath) {
    std::string added;
    if (!existing.empty() && existing.back() != '\n')
        added = "\r\n";
    return added + FormatCatalogLine(category, relativePath);
}

std::string CatalogWithoutRecord(const std::vector<CatalogRecord>& records,
                                 int32_t category,
                                 int32_t k,
                                 std::string* removedPath) {
    if (removedPath)
        removedPath->clear();
    std::string result;
    int64_t seen = 0;
    for (const CatalogRecord& record : records) {
        if (!record.usable) {
            result += record.text;
            result += "\r\n";
            continue;
        }
        if (record.category == category && seen++ == k) {
            if (removedPath)
                *removedPath = record.relativePath;
            continue;
        }
        result += FormatCatalogLine(record.category, record.relativePath);
    }
    return result;
}

bool IsCatalogFileName(const std::string& fileName) {
    if (fileName.empty() || fileName.size() > FILE_NAME_LIMIT)
        return false;
    for (size_t i = 0; i < fileName.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(fileName[i]);
        if (IsLeadByte(ch)) {
            // A lead byte without a proper trail byte is a broken name (and could hide a space).
            if (++i == fileName.size() || !IsTrailByte(static_cast<unsigned char>(fileName[i])))
                return false;
            continue;
        }
        if (ch == '\0' || IsScanSpace(ch) || ch == '\\' || ch == '/' || ch == ':')
            return false;
    }
    return true;
}

bool IsLibraryImagePath(const std::string& relativePath) {
    const size_t prefix = sizeof(SYMBOL_FOLDER) - 1;
    if (relativePath.size() <= prefix)
        return false;
    for (size_t i = 0; i < prefix; ++i) {
        char ch = relativePath[i];
        if (ch >= 'A' && ch <= 'Z')
            ch = static_cast<char>(ch - 'A' + 'a');
        char want = SYMBOL_FOLDER[i];
        if (want >= 'A' && want <= 'Z')
            want = static_cast<char>(want - 'A' + 'a');
        if (ch != want)
            return false;
    }
    const std::string name = relativePath.substr(prefix);
    return IsCatalogFileName(name) && name.find_first_not_of('.') != std::string::npos;
}
