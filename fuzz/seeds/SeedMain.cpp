// Writes the seed corpora of the fuzz targets from the sample characters and small models:
//   fuzz_seeds SAMPLES_DIR OUT_DIR   (OUT_DIR/rux, OUT_DIR/picture, OUT_DIR/manifest, OUT_DIR/gif)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "CCharacterModel.h"
#include "ModelJson.h"
#include "SeedGifs.h"
#include "SeedModels.h"
#include "SeedPictures.h"

namespace fs = std::filesystem;

namespace {

// Hand-written manifests: the smallest valid one and near misses of it.
const char* const kManifests[] = {
    R"({"characterName":"M","animations":[]})",
    R"({"characterName":"M","animations":[{"name":"A","frames":[{"shift":[0,0],"anchor":[0,0],"displayTime":1,"origins":[],"sound":"","image":"a.png"}]}]})",
    R"({"characterName":"M","animations":[{"name":"A","reserved1":4294967295,"frames":[{"shift":["0x7fc00000",-0.0],"anchor":[1e38,2],"displayTime":4294967295,"origins":[{"name":"ball","x":1,"y":2}],"sound":"s.wav","image":"b.bmp"}]}]})",
    R"({"characterName":"M","animations":[{"name":"A","frames":[]},{"name":"A","frames":[]}]})",
    R"({"characterName":"M","animations":[{"name":"A","frames":[{"shift":[0],"anchor":[0,0],"displayTime":-1,"origins":{},"sound":1,"image":"missing.png"}]}]})",
    R"({"characterName":"\u00e9\u20ac","animations":[{"name":"\u0101","frames":[]}],"extra":true})",
};

bool WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::vector<uint8_t> ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// In a manifest, pictures take turns among the two that exist, one that is absent and none.
Json ManifestOf(const CCharacterModel& model) {
    size_t turn = 0;
    return ModelToJson(model, [&turn](const std::string&, size_t, const CBryDIB& image) -> Json {
        if (image.IsEmpty()) return nullptr;
        static const char* const names[] = {"a.png", "b.bmp", "missing.png"};
        return names[turn++ % 3];
    });
}

struct Writer {
    fs::path folder;
    int count = 0;
    bool ok = true;
    void Add(const std::vector<uint8_t>& bytes, const char* extension) {
        ok = WriteBytes(folder / ("seed-" + std::to_string(++count) + extension), bytes) && ok;
    }
};

void AddModel(Writer& rux, Writer& manifests, const CCharacterModel& model, const fs::path& scratch) {
    if (!model.Save(scratch.string())) {
        rux.ok = false;
        return;
    }
    const std::vector<uint8_t> bytes = ReadBytes(scratch);
    rux.Add(bytes, ".rux");
    rux.Add(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(bytes.size() / 2)), ".rux");
    const std::string text = ManifestOf(model).dump(1);
    manifests.Add(std::vector<uint8_t>(text.begin(), text.end()), ".json");
}

void AddPictures(Writer& pictures, const CCharacterModel& model, std::set<std::vector<uint8_t>>& seen) {
    for (const auto& entry : model.Animations()) {
        for (const CFrame& frame : entry.second.frames) {
            std::vector<uint8_t> seed{0x77};
            seed.insert(seed.end(), frame.image.Block().begin(), frame.image.Block().end());
            if (seen.insert(seed).second) pictures.Add(seed, ".dib");
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: fuzz_seeds SAMPLES_DIR OUT_DIR\n");
        return 2;
    }
    const fs::path samples = argv[1];
    const fs::path out = argv[2];
    Writer rux{out / "rux"}, pictures{out / "picture"}, manifests{out / "manifest"}, gifs{out / "gif"};
    for (const Writer* writer : {&rux, &pictures, &manifests, &gifs}) {
        fs::remove_all(writer->folder);
        fs::create_directories(writer->folder);
    }
    const fs::path scratch = out / "scratch.rux";
    std::set<std::vector<uint8_t>> seen;
    for (const char* name : {"Pip.rux", "Ball.rux"}) {
        const CCharacterModel sample((samples / name).string());
        if (sample.IsFailed()) {
            std::fprintf(stderr, "fuzz_seeds: cannot read %s\n", (samples / name).string().c_str());
            return 1;
        }
        rux.Add(ReadBytes(samples / name), ".rux");
        for (const CCharacterModel& excerpt : fuzz_seeds::SampleExcerpts(sample)) AddModel(rux, manifests, excerpt, scratch);
        AddPictures(pictures, sample, seen);
    }
    for (const CCharacterModel& model : fuzz_seeds::MadeModels()) {
        AddModel(rux, manifests, model, scratch);
        AddPictures(pictures, model, seen);
    }
    for (std::vector<uint8_t> kind : fuzz_seeds::PictureKinds()) {
        kind.insert(kind.begin(), 0x88);
        pictures.Add(kind, ".dib");
    }
    for (const char* text : kManifests) manifests.Add(std::vector<uint8_t>(text, text + std::char_traits<char>::length(text)), ".json");
    for (const std::vector<uint8_t>& gif : fuzz_seeds::MadeGifs()) gifs.Add(gif, ".gif");
    for (const char* animation : {"Walk", "Bounce"}) {
        const std::vector<uint8_t> gif =
            fuzz_seeds::RenderedGif((samples / "Ball.rux").string(), animation, (out / "scratch.gif").string());
        gifs.ok = !gif.empty() && gifs.ok;
        gifs.Add(gif, ".gif");
    }
    fs::remove(scratch);
    std::printf("fuzz_seeds: %d .rux, %d picture, %d manifest, %d GIF seeds in %s\n", rux.count, pictures.count,
                manifests.count, gifs.count, out.string().c_str());
    return rux.ok && pictures.ok && manifests.ok && gifs.ok ? 0 : 1;
}
