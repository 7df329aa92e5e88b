#pragma once
// Loading a character file and keeping what the load saw, for the commands that report on it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "CCharacterModel.h"
#include "LoadTrace.h"

struct LoadedModel {
    CCharacterModel model;  // what was read, even when reading stopped midway
    std::string openError;  // set when the file could not be opened at all
    bool complete = false;  // every record was read
    uint64_t failureOffset = 0;  // where reading failed, when not complete
    uint64_t trailingBytes = 0;  // bytes after the last record, when complete
    uint64_t endOffset = 0;      // where the last record ended, when complete
    LoadTrace trace;
};

LoadedModel LoadModelFile(const std::string& path);

// Frames in all the model's animations.
size_t TotalFrameCount(const CCharacterModel& model);

// One line for a load that did not complete: why the file did not open or where reading failed.
std::string LoadFailureText(const std::string& path, const LoadedModel& loaded);
