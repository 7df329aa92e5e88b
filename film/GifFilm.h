#pragma once
// A rendered run as a looping animated GIF, 100 ms a tick. After the first tick, which covers
// the whole canvas, each tick rewrites only the rectangle holding the last tick's picture and
// its own, so the file stays small however large the canvas.
#include <string>
#include <vector>

#include "FilmLook.h"
#include "GifEncoder.h"

class GifFilm {
public:
    GifFilm(const ScreenRect& canvas, const FilmLook& look);
    void AddTick(const Surface& picture, const ScreenRect& shown);
    // The file; empty, with error set, when encoding failed.
    std::vector<uint8_t> Finish(std::string& error);

private:
    ScreenRect m_canvas;
    FilmLook m_look;
    GifEncoder m_encoder;
    ScreenRect m_previous;
    bool m_first = true;
    std::string m_error;
};
