#include "SampleSet.h"

#include <filesystem>
#include <system_error>

#include "BallCharacter.h"
#include "OutputFile.h"
#include "PipCharacter.h"
#include "SampleSounds.h"
#include "WavWriter.h"

namespace fs = std::filesystem;

std::vector<CCharacterModel> SampleCharacters() { return {BuildPip(), BuildBall()}; }

bool WriteSamples(const std::string& folder, std::string& error) {
    const fs::path root(folder);
    const fs::path sounds = root / "sounds";
    std::error_code code;
    fs::create_directories(sounds, code);
    if (code) {
        error = "cannot create " + sounds.string() + ": " + code.message();
        return false;
    }
    for (const CCharacterModel& character : SampleCharacters()) {
        const fs::path path = root / (character.CharacterName() + ".rux");
        if (!character.Save(path.string())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    for (const NamedSound& sound : SampleSounds()) {
        const fs::path path = sounds / sound.fileName;
        if (!WriteBytes(path.string(), EncodeWav(sound.samples, kSampleRate))) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}
