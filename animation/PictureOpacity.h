#pragma once
// Pixels with an opacity of their own. A 32-bit picture stores them straight, 0xAARRGGBB with
// the colour as drawn; composition and the screen take them premultiplied, each colour channel
// already multiplied by the opacity, so that averaging and blending need no division.
#include <cstdint>

// c × a / 255 rounded to the nearest whole number, exact for every c, a in [0, 255].
constexpr uint32_t MultiplyBy255ths(uint32_t c, uint32_t a) {
    const uint32_t t = c * a + 128;
    return (t + (t >> 8)) >> 8;
}

constexpr uint32_t OpacityOf(uint32_t argb) { return argb >> 24; }

uint32_t Premultiply(uint32_t straight);
// The straight colour back; a fully transparent pixel gives 0.
uint32_t Unpremultiply(uint32_t premultiplied);

// In place, count pixels of straight 0xAARRGGBB become premultiplied.
void PremultiplyRow(uint32_t* pixels, int count);
// In place, a row of a picture without opacity becomes premultiplied: the key colour (the
// fourth byte ignored) fully transparent, every other pixel fully opaque.
void PremultiplyKeyedRow(uint32_t* pixels, int count, uint32_t keyColour);
