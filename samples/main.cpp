// make_samples OUTPUT_FOLDER [--png FOLDER]
// Draws the sample characters and synthesises their sounds into OUTPUT_FOLDER;
// --png also writes each animation as an enlarged PNG strip for a look at the drawings.
#include <iostream>
#include <string>

#include "PngDump.h"
#include "SampleSet.h"

namespace {

constexpr int kPngScale = 3;

int Usage() {
    std::cerr << "usage: make_samples OUTPUT_FOLDER [--png FOLDER]\n";
    return 2;
}

bool WritePngs(const std::string& folder) {
    for (const CCharacterModel& character : SampleCharacters()) {
        if (!WriteAnimationStrips(character, folder, kPngScale)) {
            std::cerr << "make_samples: cannot write the pictures of " << character.CharacterName() << " to " << folder
                      << "\n";
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--png")) return Usage();
    std::string error;
    if (!WriteSamples(argv[1], error)) {
        std::cerr << "make_samples: " << error << "\n";
        return 1;
    }
    if (argc == 4 && !WritePngs(argv[3])) return 1;
    return 0;
}
