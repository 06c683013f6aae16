#include "core/add_checks.h"

#include "core/catalogue_format.h"

int32_t CategoryOfName(const std::string& text, const std::vector<std::string>& names) {
    for (size_t category = 0; category < names.size(); ++category) {
        if (text == names[category])
            return int32_t(category);
    }
    return -1;
}

std::string NewSymbolPath(const std::string& fileTitle) {
    return SYMBOL_FOLDER + fileTitle;
}

AddRefusal CheckNewSymbolName(const std::string& fileTitle, size_t libraryRootLength) {
    // The catalogue separates fields by whitespace: such a name could never be read back.
    if (!IsCatalogueFileName(fileTitle))
        return AddRefusal::FILE_NAME;
    if (libraryRootLength + NewSymbolPath(fileTitle).size() > PATH_LIMIT)
        return AddRefusal::PATH_TOO_LONG;
    return AddRefusal::NONE;
}
