// artgen: draws every picture that Nexadraw ships and writes it into the repository: the tool and
// cable buttons, the missing-picture placeholder, the delete cursor, the program icon and the
// default symbol library. Its BMP files and catalogue come from the program's own writers.
#include <iostream>
#include <string>

#include "art.h"
#include "core/catalogue_format.h"

using namespace art;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: artgen <repo root>\n";
        return 2;
    }
    fs::path root = argv[1];
    fs::path res = root / "src" / "resources";
    if (!fs::is_directory(res)) {
        std::cerr << "artgen: " << res << " is not a directory; pass the repository root\n";
        return 2;
    }

    writeBmp(res / "tool_delete.bmp", deleteButton());
    writeBmp(res / "tool_select.bmp", selectButton());
    writeBmp(res / "cable_straight.bmp", straightButton());
    writeBmp(res / "cable_cross.bmp", crossButton());
    writeBmp(res / "cable_console.bmp", consoleButton());
    writeBmp(res / "cable_serial.bmp", serialButton());
    writeBmp(res / "cable_telephone.bmp", plainCableButton(rgb(110, 110, 110), "tel"));
    writeBmp(res / "cable_optical.bmp", plainCableButton(rgb(255, 0, 0), "opt"));
    writeBmp(res / "cable_met.bmp", plainCableButton(rgb(200, 200, 0), "met"));
    writeBmp(res / "missing_symbol.bmp", missingPicture());
    writeIconFile(res / "delete.cur", 2, {deleteCursor()}, 0, 0);
    writeIconFile(res / "nexadraw.ico", 1, {programIcon(16), programIcon(32)});

    std::string catalogue;
    for (const LibraryEntry& e : library()) {
        std::string file = std::string(e.name) + ".bmp";
        writeBmp(root / "library" / "Symbol" / file, e.draw());
        catalogue += FormatCatalogueLine(e.category, SYMBOL_FOLDER + file);
    }
    save(root / "library" / "Symbol.txt", std::vector<uint8_t>(catalogue.begin(), catalogue.end()));
    return 0;
}
