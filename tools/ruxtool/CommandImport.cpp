#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "CommandOptions.h"
#include "Commands.h"
#include "ImportedAnimation.h"
#include "ModelLoading.h"
#include "PictureDecoder.h"
#include "RuntimeConstants.h"
#include "SourcePictures.h"

namespace {

const char* const kImportUsage = "ruxtool import FILE.rux ANIMATION SOURCE... [options]";

struct ImportSettings {
    std::string file;
    std::string animationArgument;  // as given, for messages
    std::string animationName;      // in the model's encoding
    std::vector<std::string> sources;
    std::optional<std::string> characterName;
    ImportFrameSettings frames;
    std::optional<std::pair<uint32_t, uint32_t>> grid;
    bool replace = false;
};

// Reads the option values; false with why set for the first bad one.
bool ReadSettings(const ParsedWords& words, ImportSettings& settings, std::string& why) {
    settings.file = words.operands[0];
    settings.animationArgument = words.operands[1];
    settings.sources.assign(words.operands.begin() + 2, words.operands.end());
    settings.replace = words.flags.count("--replace") != 0;
    std::string textWhy;
    const auto name = ModelTextFromArgument(settings.animationArgument, textWhy);
    if (!name) return Refuse(why, "animation name: " + textWhy);
    settings.animationName = *name;
    for (const auto& [option, value] : words.values) {
        if (option == "--character") {
            settings.characterName = ModelTextFromArgument(value, textWhy);
            if (!settings.characterName) return Refuse(why, "--character: " + textWhy);
        } else if (option == "--time") {
            const auto time = ParseUnsigned(value, 0, UINT32_MAX);
            if (!time) return Refuse(why, "--time takes milliseconds from 0 to 4294967295, not '" + value + "'");
            settings.frames.displayTime = *time;
        } else if (option == "--anchor" || option == "--shift") {
            const auto pair = ParseFloatPair(value);
            if (!pair) return Refuse(why, option + " takes X,Y (two numbers), not '" + value + "'");
            const PointF point{pair->first, pair->second};
            if (option == "--anchor") {
                settings.frames.anchor = point;
            } else {
                settings.frames.shift = point;
            }
        } else if (option == "--grid") {
            settings.grid = ParseGrid(value, kMaxPictureDimension);
            if (!settings.grid) return Refuse(why, "--grid takes COLUMNSxROWS (for example 4x2), not '" + value + "'");
        }
    }
    if (settings.grid && settings.sources.size() != 1) return Refuse(why, "--grid takes exactly one picture");
    return true;
}

// The file's model, or a new one named after --character or the file; nullopt with why set.
std::optional<CCharacterModel> ModelToChange(const ImportSettings& settings, std::string& why) {
    // Made new only when nothing is there: a path that cannot be looked at, or a link whose
    // file is missing, is loaded (and refused) rather than overwritten.
    std::error_code fault;
    const std::filesystem::file_status status = std::filesystem::symlink_status(settings.file, fault);
    if (status.type() == std::filesystem::file_type::not_found) {
        CCharacterModel model;
        std::optional<std::string> name = settings.characterName;
        if (!name) name = ModelTextFromArgument(std::filesystem::path(settings.file).stem().string(), why);
        if (!name) {
            why = settings.file + ": character name: " + why;
            return std::nullopt;
        }
        model.SetCharacterName(*name);
        return model;
    }
    LoadedModel loaded = LoadModelFile(settings.file);
    if (!loaded.complete) {
        why = LoadFailureText(settings.file, loaded);
        return std::nullopt;
    }
    if (settings.characterName) loaded.model.SetCharacterName(*settings.characterName);
    return std::move(loaded.model);
}

}  // namespace

int RunImport(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const ParsedWords parsed =
        ParseWords(words, KnownOptions{{"--character", "--time", "--anchor", "--shift", "--grid"}, {"--replace"}});
    if (!parsed.error.empty() || parsed.operands.size() < 3) {
        err << "ruxtool import: " << (parsed.error.empty() ? "expected FILE.rux ANIMATION SOURCE..." : parsed.error)
            << " (usage: " << kImportUsage << ")\n";
        return kExitUsage;
    }
    ImportSettings settings;
    std::string why;
    if (!ReadSettings(parsed, settings, why)) {
        err << "ruxtool import: " << why << '\n';
        return kExitFailure;
    }
    std::optional<CCharacterModel> model = ModelToChange(settings, why);
    if (!model) {
        err << why << '\n';
        return kExitFailure;
    }
    if (model->FindAnimation(settings.animationName) != nullptr && !settings.replace) {
        err << settings.file << ": animation \"" << settings.animationArgument
            << "\" already exists (--replace replaces it)\n";
        return kExitFailure;
    }
    const SourceFrames sources = settings.grid
                                     ? ReadSpriteSheet(settings.sources.front(), settings.grid->first, settings.grid->second)
                                     : ReadPictureFiles(settings.sources);
    if (sources.frames.empty()) {
        err << sources.error << '\n';
        return kExitFailure;
    }
    model->FileAnimation(settings.animationName, AnimationFromSources(sources.frames, settings.frames));
    if (!model->Save(settings.file)) {
        err << settings.file << ": cannot write the file\n";
        return kExitFailure;
    }
    if (const size_t oversized = OversizedFrames(sources.frames)) {
        err << settings.file << ": warning: " << oversized << " of the frames are larger than " << kDrawingWidth << " x "
            << kDrawingHeight << "; the desktop shows only the top-left " << kDrawingWidth << " x " << kDrawingHeight
            << " pixels of each\n";
    }
    out << settings.file << ": " << settings.animationArgument << ": " << sources.frames.size() << " frames imported\n";
    return kExitOk;
}
