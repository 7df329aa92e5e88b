// The .rux loader on any bytes: what loads must save, load back and save to the same bytes,
// and every frame of it must draw into a scene and give region runs.
#include <cstddef>
#include <cstdint>

#include "CCharacterModel.h"
#include "CFileReader.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CCharacterModel model;
    CFileReader reader = CFileReader::OverBytes(data, size);
    const bool complete = model.Load(reader);
    if (complete && reader.Offset() > size) fuzz_support::Fail("the reader went past the end of the input");
    // A failed load keeps what it read; the engine refuses it, but ruxtool shows and saves it.
    fuzz_support::CheckSaveRoundTrip(model);
    fuzz_support::DrawEveryFrame(model);
    return 0;
}
