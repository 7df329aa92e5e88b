#pragma once
// What the fuzz targets share: saving a model to bytes and drawing every frame of a model.
#include <cstdint>
#include <vector>

class CCharacterModel;

namespace fuzz_support {

// The bytes the model saves to (through a file of this process in the temporary folder);
// aborts when the save fails, since a loaded model must always be savable.
std::vector<uint8_t> SavedBytes(const CCharacterModel& model);

// Saving, loading what was saved and saving again gives the same bytes and a complete load;
// aborts otherwise. Models whose pictures save to more than 8 MiB are not saved.
void CheckSaveRoundTrip(const CCharacterModel& model);

// Plays every animation once in place at scale 1 and once travelling at another scale
// (reached by a scale change after the first step), drawing each step into a scene and
// building its region runs, as the character thread does at each tick.
void DrawEveryFrame(const CCharacterModel& model);

// Ends the run with a message: libFuzzer reports the input that led here.
[[noreturn]] void Fail(const char* what);

}  // namespace fuzz_support
