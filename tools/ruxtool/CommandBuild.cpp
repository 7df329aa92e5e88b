#include <filesystem>
#include <optional>
#include <ostream>
#include <system_error>

#include "Commands.h"
#include "FileBytes.h"
#include "ManifestReader.h"
#include "ModelLoading.h"

namespace {

// nlohmann's message without its "[json.exception...] " prefix.
std::string ParseErrorText(const std::exception& error) {
    const std::string text = error.what();
    const size_t end = text.find("] ");
    return end == std::string::npos ? text : text.substr(end + 2);
}

std::optional<Json> ReadManifestJson(const std::string& path, std::string& error) {
    std::error_code fault;
    if (std::filesystem::is_directory(path, fault)) {
        error = "is a directory";
        return std::nullopt;
    }
    const std::optional<std::string> text = ReadWholeFile(path);
    if (!text) {
        error = "cannot open the file";
        return std::nullopt;
    }
    try {
        return Json::parse(*text);
    } catch (const Json::parse_error& parseError) {
        error = "not valid JSON: " + ParseErrorText(parseError);
        return std::nullopt;
    }
}

}  // namespace

int RunBuild(const std::string& manifest, const std::string& file, std::ostream& out, std::ostream& err) {
    std::string error;
    const std::optional<Json> json = ReadManifestJson(manifest, error);
    if (!json) {
        err << manifest << ": " << error << '\n';
        return kExitFailure;
    }
    // Picture file names are relative to the manifest's folder.
    const std::filesystem::path folder = std::filesystem::path(manifest).parent_path();
    const ManifestResult result = ModelFromManifest(*json, [&folder](const std::string& name) {
        return DecodePictureFile((folder / name).string());
    });
    if (!result.model) {
        err << manifest << ": " << result.error << '\n';
        return kExitFailure;
    }
    if (!result.model->Save(file)) {
        err << file << ": cannot write the file\n";
        return kExitFailure;
    }
    out << file << ": " << result.model->AnimationCount() << " animations, " << TotalFrameCount(*result.model)
        << " frames written\n";
    return kExitOk;
}
