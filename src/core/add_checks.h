// What the add dialog checks before a chosen picture joins the library. Needs no window.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The category whose name (of the names, in category order) the text is exactly, or -1: the
// dialog's combo field can be typed into.
int32_t CategoryOfName(const std::string& text, const std::vector<std::string>& names);

enum class AddRefusal {
    NONE,
    FILE_NAME,      // the catalogue could not carry the name (blanks, separators, too long)
    PATH_TOO_LONG,  // root + "\Symbol\" + name would not fit the 259-byte paths
};

// Whether a file of this name (without folder) can be added to the library at a root of the
// given length.
AddRefusal CheckNewSymbolName(const std::string& fileTitle, size_t libraryRootLength);

// The catalogue path of the added file: "\Symbol\" + its name.
std::string NewSymbolPath(const std::string& fileTitle);
