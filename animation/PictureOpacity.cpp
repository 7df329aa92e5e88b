#include "PictureOpacity.h"

uint32_t Premultiply(uint32_t straight) {
    const uint32_t a = OpacityOf(straight);
    if (a == 0xFF) return straight;
    if (a == 0) return 0;
    const uint32_t r = MultiplyBy255ths((straight >> 16) & 0xFF, a);
    const uint32_t g = MultiplyBy255ths((straight >> 8) & 0xFF, a);
    const uint32_t b = MultiplyBy255ths(straight & 0xFF, a);
    return a << 24 | r << 16 | g << 8 | b;
}

uint32_t Unpremultiply(uint32_t premultiplied) {
    const uint32_t a = OpacityOf(premultiplied);
    if (a == 0xFF || a == 0) return premultiplied;
    const auto channel = [a](uint32_t c) {
        const uint32_t straight = (c * 255 + a / 2) / a;
        return straight > 255 ? 255u : straight;
    };
    return a << 24 | channel((premultiplied >> 16) & 0xFF) << 16 | channel((premultiplied >> 8) & 0xFF) << 8 |
           channel(premultiplied & 0xFF);
}

void PremultiplyRow(uint32_t* pixels, int count) {
    for (int i = 0; i < count; ++i) pixels[i] = Premultiply(pixels[i]);
}

void PremultiplyKeyedRow(uint32_t* pixels, int count, uint32_t keyColour) {
    const uint32_t key = keyColour & 0x00FFFFFFu;
    for (int i = 0; i < count; ++i) {
        const uint32_t colour = pixels[i] & 0x00FFFFFFu;
        pixels[i] = colour == key ? 0u : (0xFF000000u | colour);
    }
}
