#include "AnimationGif.h"

#include "CCharacterModel.h"
#include "FileReplace.h"
#include "RenderFilm.h"
#include "SystemError.h"

FileOutcome SaveAnimationAsGif(const CCharacterModel& character, const std::string& animationName,
                               const std::string& path) {
    if (character.FindAnimation(animationName) == nullptr) {
        return {false, SaveFailureText(path, "The character has no animation \"" + animationName + "\".")};
    }
    PlaybackRequest request;
    request.animationName = animationName;
    const RenderedFilm film = RenderFilm(character, request, FilmLook(), FilmKind::kGif);
    if (film.bytes.empty()) {
        return {false, SaveFailureText(path, "The animation \"" + animationName + "\" makes no GIF: " + film.error + ".")};
    }
    int systemError = 0;
    if (WriteFileReplacing(path, film.bytes, systemError)) return {};
    return {false, SaveFailureText(path, systemError != 0 ? SystemErrorText(systemError)
                                                          : std::string("The file could not be written."))};
}

std::string GifFileNameFor(const std::string& animationName) {
    std::string name = animationName.empty() ? std::string("animation") : animationName;
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::string("\\/:*?\"<>|").find(c) != std::string::npos) c = '_';
    }
    return name + ".gif";
}
