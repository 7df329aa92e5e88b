#pragma once
// The import dialog's fields, read into what an import needs, and the import itself: a new
// animation (or one replaced) from an animated GIF, a sprite sheet cut into cells or several
// pictures, made by the importer that ruxtool import uses.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ImportedAnimation.h"

class CCharacterModel;

// The fields as typed. Empty numbers take their defaults: one column and one row, 100 ms,
// the anchor at the middle of each picture's bottom edge, no shift.
struct ImportForm {
    std::string animationName;
    std::string pictures;  // paths separated by ';'
    std::string columns, rows;
    std::string time;
    std::string anchorX, anchorY;
    std::string shiftX, shiftY;
};

struct ImportRequest {
    std::string animationName;
    std::vector<std::string> files;
    uint32_t columns = 1;
    uint32_t rows = 1;
    ImportFrameSettings frames;
    bool IsSheet() const { return columns > 1 || rows > 1; }
};

// Nullopt with `why` set (one line for the author) when a field cannot be taken.
std::optional<ImportRequest> ReadImportForm(const ImportForm& form, std::string& why);

// The paths of a ';'-separated list, blanks around them dropped, empty ones left out; and back.
std::vector<std::string> SplitPictureList(const std::string& list);
std::string JoinPictureList(const std::vector<std::string>& paths);

// The files of a multiple-choice picker's answer: either one full path, or the folder followed
// by the file names, each ended by a NUL, the whole ended by a second NUL.
std::vector<std::string> PathsFromPickerAnswer(const std::vector<char>& answer);

// The form for files dropped onto the editor: those pictures, the animation named after the first.
ImportForm FormForDroppedFiles(const std::vector<std::string>& paths);

struct ImportOutcome {
    bool imported = false;
    size_t frames = 0;
    size_t oversized = 0;  // frames larger than a character's drawing area
    std::string error;     // why nothing was imported
};

// Reads the pictures and files the animation under its name, replacing one of that name.
// Nothing changes when the pictures cannot be read.
ImportOutcome ImportIntoCharacter(CCharacterModel& character, const ImportRequest& request);
