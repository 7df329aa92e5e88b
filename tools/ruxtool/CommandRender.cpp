#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "CCharacterModel.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "FileReplace.h"
#include "ModelLoading.h"
#include "RenderFilm.h"
#include "SystemError.h"

namespace {

const char* const kRenderUsage = "ruxtool render FILE.rux ANIMATION OUT.gif|OUT.png [options]";
constexpr double kMaxSeconds = 600;

struct RenderSettings {
    std::string file;
    std::string animationArgument;
    std::string output;
    FilmKind kind = FilmKind::kGif;
    PlaybackRequest request;
    FilmLook look;
};

std::optional<FilmKind> KindOf(const std::string& path) {
    if (path.size() < 4) return std::nullopt;
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (extension == ".gif") return FilmKind::kGif;
    if (extension == ".png") return FilmKind::kPng;
    return std::nullopt;
}

std::optional<uint32_t> TicksOfSeconds(const std::string& text) {
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || end != text.c_str() + text.size() || !(seconds > 0) || seconds > kMaxSeconds) return std::nullopt;
    const double ticks = std::round(seconds * 1000 / kTickPeriodMs);
    return ticks < 1 ? 1u : static_cast<uint32_t>(ticks);
}

bool ReadSettings(const ParsedWords& words, RenderSettings& settings, std::string& why) {
    settings.file = words.operands[0];
    settings.animationArgument = words.operands[1];
    settings.output = words.operands[2];
    settings.kind = *KindOf(settings.output);
    settings.look.transparent = words.flags.count("--transparent") != 0;
    std::string textWhy;
    const auto name = ModelTextFromArgument(settings.animationArgument, textWhy);
    if (!name) return Refuse(why, "animation name: " + textWhy);
    settings.request.animationName = *name;
    for (const auto& [option, value] : words.values) {
        if (option == "--to") {
            settings.request.destination = ParseIntPair(value);
            if (!settings.request.destination) return Refuse(why, "--to takes X,Y (two whole numbers), not '" + value + "'");
        } else if (option == "--seconds") {
            const auto ticks = TicksOfSeconds(value);
            if (!ticks) return Refuse(why, "--seconds takes a number above 0 and at most 600, not '" + value + "'");
            settings.request.maxTicks = *ticks;
        } else if (option == "--background") {
            const auto colour = ParseRgbHex(value);
            if (!colour) return Refuse(why, "--background takes RRGGBB in hex (for example FFFFFF), not '" + value + "'");
            settings.look.background = *colour;
        }
    }
    return true;
}

}  // namespace

int RunRender(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    const ParsedWords parsed = ParseWords(words, KnownOptions{{"--to", "--seconds", "--background"}, {"--transparent"}});
    std::string usageError = parsed.error;
    if (usageError.empty() && parsed.operands.size() != 3) usageError = "expected FILE.rux ANIMATION OUT.gif|OUT.png";
    if (usageError.empty() && !KindOf(parsed.operands[2])) usageError = "the output must end in .gif or .png";
    if (!usageError.empty()) {
        err << "ruxtool render: " << usageError << " (usage: " << kRenderUsage << ")\n";
        return kExitUsage;
    }
    RenderSettings settings;
    std::string why;
    if (!ReadSettings(parsed, settings, why)) {
        err << "ruxtool render: " << why << '\n';
        return kExitFailure;
    }
    const LoadedModel loaded = LoadModelFile(settings.file);
    if (!loaded.complete) {
        err << LoadFailureText(settings.file, loaded) << '\n';
        return kExitFailure;
    }
    const CCharacterModel& model = loaded.model;
    const std::string& name = settings.animationArgument;
    if (model.FindAnimation(settings.request.animationName) == nullptr) {
        err << settings.file << ": no animation \"" << name << "\"\n";
        return kExitFailure;
    }
    if (WalksAwayFromDestination(model, settings.request)) {
        err << settings.file << ": \"" << name << "\" moves away from the destination, so Play ends the request at once\n";
        return kExitFailure;
    }
    const RenderedFilm film = RenderFilm(model, settings.request, settings.look, settings.kind);
    if (film.bytes.empty()) {
        // Without a canvas the run itself is at fault; with one, its encoding.
        const bool runFailed = film.width == 0;
        err << (runFailed ? settings.file + ": \"" + name + "\"" : settings.output) << ": " << film.error << '\n';
        return kExitFailure;
    }
    int systemError = 0;
    if (!WriteFileReplacing(settings.output, film.bytes, systemError)) {
        err << settings.output << ": cannot write the file"
            << (systemError != 0 ? " (" + SystemErrorText(systemError) + ")" : std::string()) << '\n';
        return kExitFailure;
    }
    const int64_t shownWidth = int64_t{film.width} * (settings.kind == FilmKind::kPng ? film.ticks : 1);
    out << settings.output << ": " << film.ticks << " ticks, " << shownWidth << " x " << film.height << " pixels\n";
    return kExitOk;
}
