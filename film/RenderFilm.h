#pragma once
// One request played as the engine plays it and made into a film: the whole of `ruxtool render`
// after its command line, and of Tarvel's Save as GIF.
#include <cstdint>
#include <string>
#include <vector>

#include "FilmLook.h"
#include "TickPlayback.h"

class CCharacterModel;

enum class FilmKind { kGif, kPng };

struct RenderedFilm {
    std::vector<uint8_t> bytes;  // the file; empty when error says why there is none
    std::string error;
    uint32_t ticks = 0;
    int width = 0;  // the canvas, which a film strip holds once a tick
    int height = 0;
};

// The animation must exist and, with a destination, lead toward it (WalksAwayFromDestination).
RenderedFilm RenderFilm(const CCharacterModel& model, const PlaybackRequest& request, const FilmLook& look,
                        FilmKind kind);
