#include <filesystem>
#include <map>
#include <optional>
#include <ostream>
#include <system_error>
#include <utility>
#include <vector>

#include "Commands.h"
#include "Cp1252.h"
#include "ExportNames.h"
#include "FileBytes.h"
#include "ModelJson.h"
#include "ModelLoading.h"
#include "PictureEncoder.h"
#include "PictureHeaderJson.h"

namespace {

struct ExportedPicture {
    std::string fileName;
    std::vector<uint8_t> png;
};

using FrameKey = std::pair<std::string, size_t>;  // animation name, frame index
using PictureMap = std::map<FrameKey, ExportedPicture>;

std::optional<std::vector<uint8_t>> PngOf(const CBryDIB& image) {
    const std::optional<RgbaPixels> pixels = PixelsOfPicture(image);
    if (!pixels) return std::nullopt;
    std::vector<uint8_t> png = EncodePng(*pixels);
    if (png.empty()) return std::nullopt;
    return png;
}

// Encodes every picture before anything is written, so a bad picture leaves no half export.
std::optional<PictureMap> EncodePictures(const CCharacterModel& model, std::string& error) {
    PictureMap pictures;
    ExportNames names;
    for (const auto& [name, animation] : model.Animations()) {
        for (size_t i = 0; i < animation.frames.size(); ++i) {
            const CBryDIB& image = animation.frames[i].image;
            if (image.IsEmpty()) continue;
            std::optional<std::vector<uint8_t>> png = PngOf(image);
            if (!png) {
                error = "picture of animation \"" + Cp1252ToUtf8(name) + "\" frame " + std::to_string(i) +
                        " cannot be read (compressed, cut short or of an unknown kind)";
                return std::nullopt;
            }
            pictures[{name, i}] = ExportedPicture{names.NameFor(name, i), std::move(*png)};
        }
    }
    return pictures;
}

// Beside "image", the header values its PNG cannot hold, where the picture has any.
void AddPictureHeaders(const CCharacterModel& model, Json& manifest) {
    size_t animationIndex = 0;
    for (const auto& entry : model.Animations()) {
        Json& frames = manifest["animations"][animationIndex++]["frames"];
        for (size_t i = 0; i < entry.second.frames.size(); ++i) {
            Json header = PictureHeaderToJson(entry.second.frames[i].image);
            if (!header.is_null()) frames[i]["header"] = std::move(header);
        }
    }
}

Json ManifestOf(const CCharacterModel& model, const PictureMap& pictures) {
    Json manifest = ModelToJson(model, [&pictures](const std::string& animation, size_t frame, const CBryDIB&) -> Json {
        const auto found = pictures.find({animation, frame});
        if (found == pictures.end()) return nullptr;
        return found->second.fileName;
    });
    AddPictureHeaders(model, manifest);
    return manifest;
}

// Writes the pictures and the manifest into the folder; the path that failed on error.
std::optional<std::string> WriteExport(const std::filesystem::path& folder, const PictureMap& pictures,
                                       const Json& manifest) {
    for (const auto& entry : pictures) {
        const std::string path = (folder / entry.second.fileName).string();
        if (!WriteWholeFile(path, entry.second.png.data(), entry.second.png.size())) return path;
    }
    const std::string manifestPath = (folder / "manifest.json").string();
    if (!WriteWholeFile(manifestPath, manifest.dump(2) + "\n")) return manifestPath;
    return std::nullopt;
}

}  // namespace

int RunExport(const std::string& file, const std::string& folder, std::ostream& out, std::ostream& err) {
    const LoadedModel loaded = LoadModelFile(file);
    if (!loaded.complete) {
        err << LoadFailureText(file, loaded) << '\n';
        return kExitFailure;
    }
    std::string error;
    const std::optional<PictureMap> pictures = EncodePictures(loaded.model, error);
    if (!pictures) {
        err << file << ": " << error << '\n';
        return kExitFailure;
    }
    std::error_code fault;
    std::filesystem::create_directories(folder, fault);
    if (fault || !std::filesystem::is_directory(folder, fault)) {
        err << folder << ": cannot create the folder" << (fault ? " (" + fault.message() + ")" : "") << '\n';
        return kExitFailure;
    }
    if (const std::optional<std::string> failed = WriteExport(folder, *pictures, ManifestOf(loaded.model, *pictures))) {
        err << *failed << ": cannot write the file\n";
        return kExitFailure;
    }
    out << folder << ": " << pictures->size() << " pictures and manifest.json written\n";
    return kExitOk;
}
