// ruxtool import's GIF reader on any bytes: frames or an error, never both or neither; every
// frame is the whole canvas, and each frame's keyed picture is a 24-bit block that matches its
// header. The limits are smaller than the import's, for quick runs; the checks are the same.
#include <cstddef>
#include <cstdint>

#include "CBryDIB.h"
#include "FuzzSupport.h"
#include "GifDecoder.h"
#include "KeyedPicture.h"
#include "SourcePictures.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    GifLimits limits;
    limits.maxSide = 1024;
    limits.maxFrameBytes = 32u * 1024u * 1024u;
    limits.maxFrames = 1000;
    const GifPicture gif = DecodeGif(data, size, limits);
    if (gif.frames.empty() == gif.error.empty()) fuzz_support::Fail("neither or both of frames and error");
    const size_t canvasBytes = static_cast<size_t>(gif.width) * static_cast<size_t>(gif.height) * 4;
    for (const GifCanvasFrame& frame : gif.frames) {
        if (frame.rgba.size() != canvasBytes) fuzz_support::Fail("a frame is not the size of the canvas");
        const SourceFrame source{gif.width, gif.height, frame.rgba, frame.delayMs, true};
        const CBryDIB picture(FramePictureBlock(source));  // a GIF has no partial opacity
        if (picture.BitCount() != 24 || !picture.MatchesHeader() || picture.width() != gif.width) {
            fuzz_support::Fail("a keyed picture does not match its header");
        }
    }
    return 0;
}
