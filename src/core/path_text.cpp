#include "core/path_text.h"

bool IsLeadByte(unsigned char ch) {
    return (ch >= 0x81 && ch <= 0x9F) || (ch >= 0xE0 && ch <= 0xFC);
}

bool IsTrailByte(unsigned char ch) {
    return (ch >= 0x40 && ch <= 0x7E) || (ch >= 0x80 && ch <= 0xFC);
}

std::string FolderOfPath(const std::string& path) {
    size_t slash = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(path[i]);
        if (IsLeadByte(ch) && i + 1 < path.size())
            ++i;  // the pair is one character, whatever its second byte
        else if (ch == '\\' || ch == '/')
            slash = i;
    }
    if (slash == std::string::npos)
        return ".";
    return path.substr(0, slash == 2 && path[1] == ':' ? slash + 1 : slash);
}
