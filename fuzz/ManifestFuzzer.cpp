// ruxtool build's manifest reader on any bytes parsed as JSON: it gives a model or an error,
// never both or neither; a model it gives saves, loads back and saves to the same bytes.
// Only "a.png" and "b.bmp" name pictures; any other file name is a picture that is absent.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "ManifestReader.h"
#include "PictureDecoder.h"

namespace {

DecodedPicture Pictures(const std::string& fileName) {
    static const uint8_t rgb[2 * 3 * 3] = {175, 175, 175, 1, 2, 3, 4, 5, 6, 7, 8, 9, 175, 175, 175, 10, 11, 12};
    static const uint8_t rgba[1 * 2 * 4] = {255, 0, 0, 0, 0, 255, 0, 128};
    DecodedPicture picture;
    if (fileName == "a.png") {
        picture.block = DibFromPixels(rgb, 3, 2, 3);
    } else if (fileName == "b.bmp") {
        picture.block = DibFromPixels(rgba, 2, 1, 4);
    } else {
        picture.error = "cannot open " + fileName;
    }
    return picture;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Json manifest = Json::parse(data, data + size, nullptr, false);
    if (manifest.is_discarded()) return 0;
    const ManifestResult result = ModelFromManifest(manifest, Pictures);
    if (result.model.has_value() == !result.error.empty()) fuzz_support::Fail("neither or both of model and error");
    if (result.model) fuzz_support::CheckSaveRoundTrip(*result.model);
    return 0;
}
