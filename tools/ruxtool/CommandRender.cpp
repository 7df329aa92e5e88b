#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>

#include "CCharacterModel.h"
#include "CommandOptions.h"
#include "Commands.h"
#include "FileBytes.h"
#include "FileReplace.h"
#include "FilmStrip.h"
#include "GifDecoder.h"
#include "GifFilm.h"
#include "ModelLoading.h"
#include "PictureDecoder.h"
#include "TickPlayback.h"

namespace {

const char* const kRenderUsage = "ruxtool render FILE.rux ANIMATION OUT.gif|OUT.png [options]";
constexpr double kMaxSeconds = 600;
// Largest PNG film strip, in pixels.
constexpr int64_t kMaxStripPixels = int64_t{64} * 1024 * 1024;

enum class FilmKind { kGif, kPng };

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

// The screen area every tick's picture falls in; ticks is how many ticks the run presents.
ScreenRect RunBounds(const CCharacterModel& model, const PlaybackRequest& request, uint32_t& ticks) {
    ScreenRect bounds;
    ticks = PlayTicks(model, request, [&bounds](const Surface&, const ScreenRect& shown) { bounds = UnionOf(bounds, shown); });
    return bounds;
}

std::string CanvasProblem(const ScreenRect& canvas, uint32_t ticks, FilmKind kind) {
    if (IsEmptyRect(canvas)) return "no tick shows a picture";
    const int64_t width = int64_t{canvas.right} - canvas.left;
    const int64_t height = int64_t{canvas.bottom} - canvas.top;
    if (width > kMaxPictureDimension || height > kMaxPictureDimension) {
        return "the run covers " + std::to_string(width) + " x " + std::to_string(height) + " pixels, more than " +
               std::to_string(kMaxPictureDimension) + " on a side";
    }
    if (kind == FilmKind::kPng && width * ticks * height > kMaxStripPixels) {
        return "a film strip of " + std::to_string(ticks) + " ticks of " + std::to_string(width) + " x " +
               std::to_string(height) + " pixels is too large (render a GIF or fewer --seconds)";
    }
    return {};
}

std::vector<uint8_t> Film(const CCharacterModel& model, const RenderSettings& settings, const ScreenRect& canvas,
                          uint32_t ticks, std::string& why) {
    if (settings.kind == FilmKind::kPng) {
        FilmStrip strip(canvas, ticks, settings.look);
        PlayTicks(model, settings.request, [&strip](const Surface& picture, const ScreenRect& shown) { strip.AddTick(picture, shown); });
        return strip.Finish();
    }
    GifFilm gif(canvas, settings.look);
    PlayTicks(model, settings.request, [&gif](const Surface& picture, const ScreenRect& shown) { gif.AddTick(picture, shown); });
    return gif.Finish(why);
}

// Written beside the target and moved over it once complete.
bool WriteOutput(const std::string& path, const std::vector<uint8_t>& bytes) {
    const std::string temporary = path + ".writing";
    if (WriteWholeFile(temporary, bytes.data(), bytes.size()) && ReplaceFileWith(temporary, path)) return true;
    std::remove(temporary.c_str());
    return false;
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
    if (settings.kind == FilmKind::kGif && !GifWritingSupported()) {
        err << settings.output << ": this program cannot write GIFs (built without giflib)\n";
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
    uint32_t ticks = 0;
    const ScreenRect canvas = RunBounds(model, settings.request, ticks);
    why = CanvasProblem(canvas, ticks, settings.kind);
    if (!why.empty()) {
        err << settings.file << ": \"" << name << "\": " << why << '\n';
        return kExitFailure;
    }
    const std::vector<uint8_t> film = Film(model, settings, canvas, ticks, why);
    if (film.empty()) {
        err << settings.output << ": " << (why.empty() ? "cannot encode the picture" : why) << '\n';
        return kExitFailure;
    }
    if (!WriteOutput(settings.output, film)) {
        err << settings.output << ": cannot write the file\n";
        return kExitFailure;
    }
    const int64_t width = int64_t{canvas.right} - canvas.left;
    out << settings.output << ": " << ticks << " ticks, " << (settings.kind == FilmKind::kPng ? width * ticks : width)
        << " x " << (canvas.bottom - canvas.top) << " pixels\n";
    return kExitOk;
}
