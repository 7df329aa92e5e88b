// Writes the editor's icon file, built in code, for the resource compiler.
//   make_tarvel_icon <output.ico>
#include <cstdio>
#include <vector>

#include "TarvelIcon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tarvel_icon output.ico\n");
        return 2;
    }
    const std::vector<uint8_t> icon = TarvelIconFile();
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::fprintf(stderr, "make_tarvel_icon: cannot create %s\n", argv[1]);
        return 1;
    }
    const bool written = std::fwrite(icon.data(), 1, icon.size(), out) == icon.size();
    return std::fclose(out) == 0 && written ? 0 : 1;
}
