// Fuzz target for the catalogue reader and the rewrite that deleting a symbol makes. The check is
// also compiled into the native tests (with FUZZ_ORACLE_ONLY), which feed it generated inputs.
#include "core/catalog_format.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace catalog_fuzz {

bool IsBlank(char ch) {
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

bool SameRecord(const CatalogRecord& a, const CatalogRecord& b) {
    if (a.usable != b.usable)
        return false;
    return a.usable ? a.category == b.category && a.relativePath == b.relativePath : a.text == b.text;
}

// Parses the input, removes one record picked from a hash of the input, parses the result again
// and says what went wrong, or returns an empty string.
std::string CheckCatalogInput(const uint8_t* data, size_t size) {
    uint32_t hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    static const size_t ROOT_LENGTHS[] = {0, 3, 40, 250};
    const size_t rootLength = ROOT_LENGTHS[hash & 3];
    const int32_t category = static_cast<int32_t>((hash >> 2) % 7) - 1;
    const int32_t k = static_cast<int32_t>((hash >> 5) % 6) - 1;

    const std::vector<CatalogRecord> records = ParseCatalog(reinterpret_cast<const char*>(data), size, rootLength);
    std::vector<CatalogRecord> expected;
    std::string expectedRemoved;
    int32_t seen = 0;
    for (const CatalogRecord& record : records) {
        if (record.usable) {
            const std::string& path = record.relativePath;
            if (record.category < 0 || record.category >= CATEGORY_COUNT)
                return "usable record with category " + std::to_string(record.category);
            if (path.empty() || path.size() + rootLength > PATH_LIMIT)
                return "usable record with a path of " + std::to_string(path.size()) + " bytes";
            for (char ch : path) {
                if (IsBlank(ch) || ch == '\0')
                    return "usable record whose path holds a blank or NUL: " + path;
            }
            if (record.category == category && seen++ == k) {
                expectedRemoved = path;
                continue;
            }
        } else if (record.text.empty() || IsBlank(record.text[0])) {
            return "unusable record without text or starting with a blank";
        }
        expected.push_back(record);
    }

    std::string removed = "unset";
    const std::string rewritten = CatalogWithoutRecord(records, category, k, &removed);
    if (removed != expectedRemoved)
        return "removed '" + removed + "' instead of '" + expectedRemoved + "'";
    if (!rewritten.empty() && rewritten.compare(rewritten.size() - 2, 2, "\r\n") != 0)
        return "rewrite does not end with a line end";

    const std::vector<CatalogRecord> again = ParseCatalog(rewritten.data(), rewritten.size(), rootLength);
    if (again.size() != expected.size())
        return "rewrite holds " + std::to_string(again.size()) + " records instead of " +
               std::to_string(expected.size());
    for (size_t i = 0; i < again.size(); ++i) {
        if (!SameRecord(again[i], expected[i]))
            return "record " + std::to_string(i) + " changed in the rewrite";
    }
    return std::string();
}

}  // namespace catalog_fuzz

#ifndef FUZZ_ORACLE_ONLY
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string failure = catalog_fuzz::CheckCatalogInput(data, size);
    if (!failure.empty()) {
        std::fprintf(stderr, "catalog check failed: %s\n", failure.c_str());
        std::abort();
    }
    return 0;
}
#endif
