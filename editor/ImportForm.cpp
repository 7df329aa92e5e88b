#include "ImportForm.h"

#include <cctype>

#include "CCharacterModel.h"
#include "FieldText.h"
#include "SourcePictures.h"

namespace {

constexpr int64_t kLongestTime = 2147483647;  // the display-time field's limit
constexpr int64_t kMostCells = 8192;

std::string Trimmed(const std::string& text) {
    size_t first = 0, last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) ++first;
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) --last;
    return text.substr(first, last - first);
}

bool Blank(const std::string& text) { return Trimmed(text).empty(); }

// A whole number in [low, high], or the default for an empty field.
std::optional<int64_t> Number(const std::string& text, int64_t low, int64_t high, int64_t fallback) {
    if (Blank(text)) return fallback;
    const int64_t value = ParseLikeAtolWide(text);
    if (value < low || value > high) return std::nullopt;
    return value;
}

bool Fail(std::string& why, std::string text) {
    why = std::move(text);
    return false;
}

bool ReadGrid(const ImportForm& form, ImportRequest& request, std::string& why) {
    const auto columns = Number(form.columns, 1, kMostCells, 1);
    const auto rows = Number(form.rows, 1, kMostCells, 1);
    if (!columns || !rows) return Fail(why, "Columns and rows are whole numbers from 1 to 8192.");
    request.columns = static_cast<uint32_t>(*columns);
    request.rows = static_cast<uint32_t>(*rows);
    if (request.IsSheet() && request.files.size() != 1) return Fail(why, "A sprite sheet is one picture.");
    return true;
}

bool ReadFrameSettings(const ImportForm& form, ImportFrameSettings& frames, std::string& why) {
    const auto time = Number(form.time, 0, kLongestTime, 100);
    if (!time) return Fail(why, "The display time is 0 to 2147483647 ms.");
    frames.displayTime = static_cast<uint32_t>(*time);
    if (Blank(form.anchorX) != Blank(form.anchorY)) return Fail(why, "Give both anchor coordinates, or neither.");
    if (!Blank(form.anchorX))
        frames.anchor = PointF{static_cast<float>(ParseLikeAtol(form.anchorX)), static_cast<float>(ParseLikeAtol(form.anchorY))};
    frames.shift = {static_cast<float>(ParseLikeAtol(form.shiftX)), static_cast<float>(ParseLikeAtol(form.shiftY))};
    return true;
}

}  // namespace

std::optional<ImportRequest> ReadImportForm(const ImportForm& form, std::string& why) {
    ImportRequest request;
    request.animationName = form.animationName;
    if (request.animationName.empty()) return Fail(why, "The animation needs a name."), std::nullopt;
    request.files = SplitPictureList(form.pictures);
    if (request.files.empty()) return Fail(why, "Choose the pictures to import."), std::nullopt;
    if (!ReadGrid(form, request, why) || !ReadFrameSettings(form, request.frames, why)) return std::nullopt;
    return request;
}

std::vector<std::string> SplitPictureList(const std::string& list) {
    std::vector<std::string> paths;
    size_t start = 0;
    while (start <= list.size()) {
        const size_t end = std::min(list.find(';', start), list.size());
        std::string path = Trimmed(list.substr(start, end - start));
        if (!path.empty()) paths.push_back(std::move(path));
        start = end + 1;
    }
    return paths;
}

std::string JoinPictureList(const std::vector<std::string>& paths) {
    std::string list;
    for (const std::string& path : paths) list += (list.empty() ? "" : ";") + path;
    return list;
}

std::vector<std::string> PathsFromPickerAnswer(const std::vector<char>& answer) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < answer.size() && answer[start] != '\0') {
        size_t end = start;
        while (end < answer.size() && answer[end] != '\0') ++end;
        parts.emplace_back(answer.data() + start, end - start);
        start = end + 1;
    }
    if (parts.size() < 2) return parts;
    const std::string folder = parts.front();
    const std::string separator = !folder.empty() && (folder.back() == '\\' || folder.back() == '/') ? "" : "\\";
    std::vector<std::string> paths;
    for (size_t i = 1; i < parts.size(); ++i) paths.push_back(folder + separator + parts[i]);
    return paths;
}

ImportForm FormForDroppedFiles(const std::vector<std::string>& paths) {
    ImportForm form;
    form.pictures = JoinPictureList(paths);
    if (paths.empty()) return form;
    const std::string name = paths.front().substr(paths.front().find_last_of("\\/") + 1);
    form.animationName = name.substr(0, name.find_last_of('.'));
    return form;
}

ImportOutcome ImportIntoCharacter(CCharacterModel& character, const ImportRequest& request) {
    ImportOutcome outcome;
    const SourceFrames sources = request.IsSheet() ? ReadSpriteSheet(request.files.front(), request.columns, request.rows)
                                                   : ReadPictureFiles(request.files);
    if (sources.frames.empty()) {
        outcome.error = sources.error;
        return outcome;
    }
    CAnimation animation = AnimationFromSources(sources.frames, request.frames);
    character.FileAnimation(request.animationName, std::move(animation));
    outcome.imported = true;
    outcome.frames = sources.frames.size();
    outcome.oversized = OversizedFrames(sources.frames);
    return outcome;
}
