#include "EditorFiles.h"

#include <filesystem>
#include <stdexcept>

#include "PictureDecoder.h"
#include "TestModels.h"

namespace editor_files {
namespace {

void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutRgb(std::vector<uint8_t>& pixels, size_t at, uint32_t rgb) {
    pixels[at] = static_cast<uint8_t>(rgb >> 16);
    pixels[at + 1] = static_cast<uint8_t>(rgb >> 8);
    pixels[at + 2] = static_cast<uint8_t>(rgb);
}

}  // namespace

std::string Folder(const std::string& name) {
    std::string folder = testing_models::TempFolder(name);
    for (char& c : folder) {
        if (c == '/') c = '\\';
    }
    return folder;
}

std::string WriteBitmap(const std::string& folder, const std::string& name, int width, int height, uint32_t rgb,
                        uint32_t topLeftRgb) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 3));
    for (size_t at = 0; at < pixels.size(); at += 3) PutRgb(pixels, at, rgb);
    PutRgb(pixels, 0, topLeftRgb);
    const std::vector<uint8_t> dib = DibFromPixels(pixels.data(), width, height, 3);
    std::vector<uint8_t> file = {'B', 'M'};
    PutU32(file, static_cast<uint32_t>(14 + dib.size()));
    PutU32(file, 0);
    PutU32(file, 14 + 40);
    file.insert(file.end(), dib.begin(), dib.end());
    const std::string path = folder + "\\" + name;
    testing_models::WriteFileBytes(path, file);
    return path;
}

std::string WriteEmptyFile(const std::string& folder, const std::string& name) {
    const std::string path = folder + "\\" + name;
    testing_models::WriteFileBytes(path, {});
    return path;
}

std::string SaveCharacter(const CCharacterModel& character, const std::string& folder, const std::string& name) {
    const std::string path = folder + "\\" + name;
    if (!character.Save(path)) throw std::runtime_error("cannot save " + path);
    return path;
}

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

}  // namespace editor_files
