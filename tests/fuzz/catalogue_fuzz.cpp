// Fuzz target for the catalogue reader, the cut that deleting a symbol makes and the guard on the
// files a delete may remove, each against a simple model of its own. The check is also compiled
// into the native tests (with FUZZ_ORACLE_ONLY), which feed it generated inputs.
#include "core/catalogue_format.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace catalogue_fuzz {

bool IsBlank(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

struct ScannedRecord {
    size_t start;
    size_t end;
    bool usable;
    long category;
    std::string path;
};

// Repeated fscanf(file, "%d,%s\n") on a text-mode file, which stops at Ctrl-Z. Where a record
// fails before its comma, the word that stopped it is skipped and the scan goes on after it.
std::vector<ScannedRecord> ModelScan(const std::string& input, size_t rootLength) {
    const std::string text = input.substr(0, input.find('\x1A'));
    std::vector<ScannedRecord> scanned;
    size_t at = 0;
    for (;;) {
        while (at < text.size() && IsBlank(text[at]))
            ++at;
        if (at == text.size())
            return scanned;
        ScannedRecord record{at, at, false, -1, {}};
        size_t wordEnd = at;
        while (wordEnd < text.size() && !IsBlank(text[wordEnd]))
            ++wordEnd;
        const std::string word = text.substr(at, wordEnd - at);
        const size_t sign = (word[0] == '+' || word[0] == '-') ? 1 : 0;
        const size_t digits =
            std::find_if(word.begin() + sign, word.end(), [](char ch) { return ch < '0' || ch > '9'; }) - word.begin() -
            sign;
        if (digits == 0 || sign + digits == word.size() || word[sign + digits] != ',') {
            record.end = wordEnd;
        } else {
            const std::string number = word.substr(sign, digits);
            const bool small = number.find_first_not_of('0') == std::string::npos ||
                               number.size() - number.find_first_not_of('0') <= 2;
            record.category = small ? std::strtol(number.c_str(), nullptr, 10) * (word[0] == '-' ? -1 : 1) : 99;
            size_t pathStart = at + sign + digits + 1;
            while (pathStart < text.size() && IsBlank(text[pathStart]))
                ++pathStart;
            size_t pathEnd = pathStart;
            while (pathEnd < text.size() && !IsBlank(text[pathEnd]))
                ++pathEnd;
            record.path = text.substr(pathStart, pathEnd - pathStart);
            record.end = record.path.empty() ? at + sign + digits + 1 : pathEnd;
            record.usable = record.category >= 0 && record.category <= 4 && !record.path.empty() &&
                            record.path.size() + rootLength <= PATH_LIMIT &&
                            record.path.find('\0') == std::string::npos;
        }
        scanned.push_back(record);
        at = record.end;
    }
}

bool IsLeadByte(char byte) {
    const unsigned char ch = static_cast<unsigned char>(byte);
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

// Code page 932 characters: a lead byte takes the byte after it along.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> characters;
    for (size_t i = 0; i < text.size(); ++i) {
        characters.push_back(text.substr(i, IsLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1));
        i += characters.back().size() - 1;
    }
    return characters;
}

std::string Folded(const std::string& character) {
    std::string folded = character;
    if (folded.size() == 1 && folded[0] >= 'A' && folded[0] <= 'Z')
        folded[0] = static_cast<char>(folded[0] + ('a' - 'A'));
    return folded;
}

bool ModelFileDirectlyInFolder(const std::string& folder, const std::string& path) {
    const std::vector<std::string> folderChars = Characters(folder), pathChars = Characters(path);
    if (folderChars.empty() || folderChars.back() != "\\" || pathChars.size() <= folderChars.size())
        return false;
    for (size_t i = 0; i < folderChars.size(); ++i) {
        if (Folded(folderChars[i]) != Folded(pathChars[i]))
            return false;
    }
    std::string name;
    bool onlyDots = true;
    for (size_t i = folderChars.size(); i < pathChars.size(); ++i) {
        const std::string& c = pathChars[i];
        if (c.size() == 2) {
            const unsigned char trail = static_cast<unsigned char>(c[1]);
            if (trail < 0x40 || trail == 0x7F || trail > 0xFC)
                return false;
        } else if (IsBlank(c[0]) || std::string("\\/:", 4).find(c[0]) != std::string::npos || IsLeadByte(c[0])) {
            return false;  // blanks, separators, NUL, a lead byte cut off
        }
        onlyDots = onlyDots && c == ".";
        name += c;
    }
    return name.size() <= 63 && !onlyDots;
}

bool AllBlank(const std::string& text, size_t from, size_t to) {
    return std::all_of(text.begin() + from, text.begin() + to, IsBlank);
}

// What went wrong, or an empty string.
std::string CheckCatalogueInput(const uint8_t* data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    static const size_t ROOT_LENGTHS[] = {0, 3, 40, 250};
    const size_t rootLength = ROOT_LENGTHS[hash & 3];
    const int32_t category = static_cast<int32_t>((hash >> 2) % 7) - 1;
    const int32_t k = static_cast<int32_t>((hash >> 5) % 6) - 1;
    const std::string text(reinterpret_cast<const char*>(data), size);

    const std::vector<CatalogueRecord> records = ParseCatalogue(text.data(), text.size(), rootLength);
    const std::vector<ScannedRecord> scanned = ModelScan(text, rootLength);
    if (records.size() != scanned.size())
        return std::to_string(records.size()) + " records read, the scan takes " + std::to_string(scanned.size());
    int32_t seen = 0;
    const CatalogueRecord* expectedCut = nullptr;
    for (size_t i = 0; i < records.size(); ++i) {
        const CatalogueRecord& record = records[i];
        const ScannedRecord& model = scanned[i];
        if (record.start != model.start || record.end != model.end || record.Usable() != model.usable)
            return "record " + std::to_string(i) + " differs from the scan's";
        if (record.Usable() && (record.category != model.category || record.relativePath != model.path))
            return "record " + std::to_string(i) + " has another category or path than the scan's";
        if (record.Usable() &&
            IsLibraryImagePath(record.relativePath) != ModelFileDirectlyInFolder(SYMBOL_FOLDER, record.relativePath))
            return "the library path guard disagrees on " + record.relativePath;
        if (record.Usable() && record.category == category && seen++ == k)
            expectedCut = &record;
    }
    if (FindCategoryRecord(records, category, k) != expectedCut)
        return "another record found for the category";

    // The first line as a resolved folder, the second as a resolved path.
    const size_t firstEnd = text.find('\n');
    if (firstEnd != std::string::npos) {
        const std::string folder = text.substr(0, firstEnd);
        const std::string path = text.substr(firstEnd + 1, text.find('\n', firstEnd + 1) - firstEnd - 1);
        if (IsFileDirectlyInFolder(folder, path) != ModelFileDirectlyInFolder(folder, path))
            return "the folder guard disagrees on " + folder + " | " + path;
    }

    if (!expectedCut)
        return std::string();
    // One stretch goes: the record and only whitespace around it.
    const std::string cut = CutCatalogueRecord(text, *expectedCut);
    const size_t gone = text.size() - cut.size();
    if (cut.size() >= text.size())
        return "the cut removed nothing";
    bool oneStretch = false;
    for (size_t from = 0; from <= expectedCut->start && !oneStretch; ++from) {
        oneStretch = from + gone >= expectedCut->end && text.compare(0, from, cut, 0, from) == 0 &&
                     text.compare(from + gone, std::string::npos, cut, from, std::string::npos) == 0 &&
                     AllBlank(text, from, expectedCut->start) && AllBlank(text, expectedCut->end, from + gone);
    }
    if (!oneStretch)
        return "the cut took more than the record and the whitespace around it";
    // Every other record reads back as it was.
    const std::vector<CatalogueRecord> again = ParseCatalogue(cut.data(), cut.size(), rootLength);
    if (again.size() + 1 != records.size())
        return "the cut text holds " + std::to_string(again.size()) + " records of " + std::to_string(records.size());
    for (size_t i = 0, j = 0; i < records.size(); ++i) {
        if (&records[i] == expectedCut)
            continue;
        const CatalogueRecord& before = records[i];
        const CatalogueRecord& after = again[j++];
        if (before.Usable() != after.Usable() || before.category != after.category ||
            before.relativePath != after.relativePath ||
            text.compare(before.start, before.end - before.start, cut, after.start, after.end - after.start) != 0)
            return "record " + std::to_string(i) + " changed in the cut";
    }
    return std::string();
}

}  // namespace catalogue_fuzz

#ifndef FUZZ_ORACLE_ONLY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = catalogue_fuzz::CheckCatalogueInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "catalogue check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
#endif
