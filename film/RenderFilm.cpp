#include "RenderFilm.h"

#include "CCharacterModel.h"
#include "CCharacterScene.h"
#include "FilmStrip.h"
#include "GifFilm.h"
#include "PictureDecoder.h"

namespace {

// Largest PNG film strip, in pixels.
constexpr int64_t kMaxStripPixels = int64_t{64} * 1024 * 1024;

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

std::vector<uint8_t> Film(const CCharacterModel& model, const PlaybackRequest& request, const FilmLook& look,
                          FilmKind kind, const ScreenRect& canvas, uint32_t ticks, std::string& why) {
    if (kind == FilmKind::kPng) {
        FilmStrip strip(canvas, ticks, look);
        PlayTicks(model, request, [&strip](const Surface& picture, const ScreenRect& shown) { strip.AddTick(picture, shown); });
        return strip.Finish();
    }
    GifFilm gif(canvas, look);
    PlayTicks(model, request, [&gif](const Surface& picture, const ScreenRect& shown) { gif.AddTick(picture, shown); });
    return gif.Finish(why);
}

}  // namespace

RenderedFilm RenderFilm(const CCharacterModel& model, const PlaybackRequest& request, const FilmLook& look,
                        FilmKind kind) {
    RenderedFilm film;
    const ScreenRect canvas = RunBounds(model, request, film.ticks);
    film.error = CanvasProblem(canvas, film.ticks, kind);
    if (!film.error.empty()) return film;
    film.width = canvas.right - canvas.left;
    film.height = canvas.bottom - canvas.top;
    FilmLook shownLook = look;
    shownLook.premultiplied = ModelHasOpacity(model);
    film.bytes = Film(model, request, shownLook, kind, canvas, film.ticks, film.error);
    if (film.bytes.empty() && film.error.empty()) film.error = "cannot encode the picture";
    return film;
}
