#include "core/catalogue_format.h"

#include <algorithm>
#include <cstring>

#include "core/path_text.h"

namespace {

constexpr size_t FILE_NAME_LIMIT = 63;  // the 64-byte file title buffer, less its terminator

// Whitespace as the C scan sees it in the "C" locale; bytes from 0x80 up are code page 932 text.
bool IsScanSpace(unsigned char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

constexpr char CTRL_Z = 0x1A;  // end of file to a text-mode read

size_t SkipSpace(const char* text, size_t size, size_t pos) {
    while (pos < size && IsScanSpace(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

// Index just past the run of non-whitespace bytes that starts at pos.
size_t SkipWord(const char* text, size_t size, size_t pos) {
    while (pos < size && !IsScanSpace(static_cast<unsigned char>(text[pos])))
        ++pos;
    return pos;
}

bool IsLineEnd(char ch) {
    return ch == '\r' || ch == '\n';
}

// Whitespace within a line.
bool IsBlank(char ch) {
    return IsScanSpace(static_cast<unsigned char>(ch)) && !IsLineEnd(ch);
}

// Reads the record that starts at the non-blank byte text[start], as far as the scan takes it.
CatalogueRecord ReadRecord(const char* text, size_t size, size_t start, size_t libraryRootLength) {
    CatalogueRecord record{RecordFault::NOT_A_RECORD, 0, {}, start, start};
    size_t pos = start;
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

    if (pos == digits || pos == size || text[pos] != ',') {
        record.end = SkipWord(text, size, start);
        return record;
    }
    const size_t pathStart = SkipSpace(text, size, pos + 1);
    const size_t pathEnd = SkipWord(text, size, pathStart);
    if (pathEnd == pathStart) {
        record.end = pos + 1;  // a comma at the end of the text
        return record;
    }
    record.end = pathEnd;
    const char* path = text + pathStart;
    const size_t length = pathEnd - pathStart;
    // The path ends up in C strings: a NUL would silently name another file.
    if (std::memchr(path, '\0', length))
        return record;
    if (value < 0 || value >= CATEGORY_COUNT)
        record.fault = RecordFault::CATEGORY;
    else if (length > PATH_LIMIT || libraryRootLength > PATH_LIMIT - length)
        record.fault = RecordFault::PATH_TOO_LONG;
    else
        record = {RecordFault::NONE, static_cast<int32_t>(value), std::string(path, length), start, pathEnd};
    return record;
}

char AsciiLower(char ch) {
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

}  // namespace

std::vector<CatalogueRecord> ParseCatalogue(const char* text, size_t size, size_t libraryRootLength) {
    std::vector<CatalogueRecord> records;
    if (!text)
        return records;
    if (const void* eof = std::memchr(text, CTRL_Z, size))
        size = static_cast<size_t>(static_cast<const char*>(eof) - text);
    size_t pos = SkipSpace(text, size, 0);
    while (pos < size) {
        records.push_back(ReadRecord(text, size, pos, libraryRootLength));
        pos = SkipSpace(text, size, records.back().end);
    }
    return records;
}

size_t LineAtOffset(const char* text, size_t offset) {
    size_t line = 1;
    for (size_t i = 0; i < offset; ++i)
        line += text[i] == '\n' || (text[i] == '\r' && (i + 1 >= offset || text[i + 1] != '\n'));
    return line;
}

std::string FormatCatalogueLine(int32_t category, const std::string& relativePath) {
    return std::to_string(category) + "," + relativePath + "\r\n";
}

CatalogueInsertion InsertCatalogueRecord(const std::string& existing,
                                         int32_t category,
                                         const std::string& relativePath) {
    const size_t at = std::min(existing.find(CTRL_Z), existing.size());
    std::string text;
    if (at > 0 && existing[at - 1] != '\n')
        text = "\r\n";
    return {at, text + FormatCatalogueLine(category, relativePath) + existing.substr(at)};
}

const CatalogueRecord* FindCategoryRecord(const std::vector<CatalogueRecord>& records, int32_t category, int32_t k) {
    int32_t seen = 0;
    for (const CatalogueRecord& record : records) {
        if (record.Usable() && record.category == category && seen++ == k)
            return &record;
    }
    return nullptr;
}

std::string CutCatalogueRecord(const std::string& text, const CatalogueRecord& record) {
    if (record.start >= record.end || record.end > text.size())
        return text;
    size_t cutStart = record.start;
    size_t cutEnd = record.end;
    size_t lineStart = cutStart;
    while (lineStart > 0 && !IsLineEnd(text[lineStart - 1]))
        --lineStart;
    size_t lineEnd = cutEnd;
    while (lineEnd < text.size() && !IsLineEnd(text[lineEnd]))
        ++lineEnd;
    const auto blank = [&](size_t from, size_t to) {
        return std::all_of(text.begin() + from, text.begin() + to, IsBlank);
    };
    const bool nothingBefore = blank(lineStart, cutStart);
    const bool nothingAfter = blank(cutEnd, lineEnd);
    if (nothingBefore && nothingAfter) {
        cutStart = lineStart;
        cutEnd = lineEnd;
        if (cutEnd < text.size())
            cutEnd += text.compare(cutEnd, 2, "\r\n") == 0 ? 2 : 1;
    } else if (!nothingAfter) {
        while (IsBlank(text[cutEnd]))
            ++cutEnd;
    } else {
        while (IsBlank(text[cutStart - 1]))
            --cutStart;
    }
    return text.substr(0, cutStart) + text.substr(cutEnd);
}

bool IsCatalogueFileName(const std::string& fileName) {
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

bool IsFileDirectlyInFolder(const std::string& folder, const std::string& path) {
    if (folder.empty() || path.size() <= folder.size())
        return false;
    bool endsWithSeparator = false;
    for (size_t i = 0; i < folder.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(folder[i]);
        endsWithSeparator = ch == '\\';
        if (IsLeadByte(ch) && i + 1 < folder.size()) {
            // Both bytes of a double-byte character as they are: 0x5C as a trail byte is no separator.
            if (folder.compare(i, 2, path, i, 2) != 0)
                return false;
            ++i;
        } else if (AsciiLower(folder[i]) != AsciiLower(path[i])) {
            return false;
        }
    }
    const std::string name = path.substr(folder.size());
    return endsWithSeparator && IsCatalogueFileName(name) && name.find_first_not_of('.') != std::string::npos;
}
