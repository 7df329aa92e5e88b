#include "ModelLoading.h"

#include <filesystem>
#include <system_error>

#include "CFileReader.h"

LoadedModel LoadModelFile(const std::string& path) {
    LoadedModel loaded;
    std::error_code error;
    // A directory opens for reading on some systems and would read as an empty file.
    if (std::filesystem::is_directory(path, error)) {
        loaded.openError = "is a directory";
        return loaded;
    }
    CFileReader reader(path);
    if (!reader.Good()) {
        loaded.openError = "cannot open the file";
        return loaded;
    }
    reader.SetTrace(&loaded.trace);
    loaded.complete = loaded.model.Load(reader);
    reader.SetTrace(nullptr);
    if (loaded.complete) {
        loaded.endOffset = reader.Offset();
        loaded.trailingBytes = reader.Remaining();
    } else {
        loaded.failureOffset = reader.Good() ? reader.Offset() : reader.FailureOffset();
    }
    return loaded;
}

std::string LoadFailureText(const std::string& path, const LoadedModel& loaded) {
    if (!loaded.openError.empty()) return path + ": " + loaded.openError;
    return path + ": reading failed at byte offset " + std::to_string(loaded.failureOffset) +
           " (the file is cut short or a size in it is wrong)";
}

size_t TotalFrameCount(const CCharacterModel& model) {
    size_t frames = 0;
    for (const auto& entry : model.Animations()) frames += entry.second.frames.size();
    return frames;
}
