// What deleting a palette item does to the library: which record goes, the catalogue without it,
// and whether its picture may go too. Needs no window; the file system is asked elsewhere.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DeletePlan {
    // False when Symbol.txt no longer holds, at the item's place, the record the palette was
    // built from (another copy of the program or an editor changed it): then nothing may change.
    bool matches;
    std::string remainingText;  // the catalogue without the record
    std::string relativePath;   // the record's picture
    // Only a file directly in the Symbol folder may be removed, judged here on the catalogue's text
    // and again on the path the system makes of it.
    bool fileMayGo;
    // The pictures of the other usable records: a hand-edited catalogue may name the same file
    // twice, perhaps spelled differently, and the file stays while a record needs it.
    std::vector<std::string> otherPaths;
};

// The plan for deleting item index of the category's palette from catalogueText, given the path the
// item came from.
DeletePlan PlanSymbolDelete(const std::string& catalogueText,
                            size_t libraryRootLength,
                            int32_t category,
                            int32_t index,
                            const std::string& itemPath);
