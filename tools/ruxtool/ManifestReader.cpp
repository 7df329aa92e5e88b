#include "ManifestReader.h"

#include <cstdint>
#include <initializer_list>
#include <limits>
#include <stdexcept>

#include "Cp1252.h"
#include "FloatText.h"
#include "PictureHeaderJson.h"

namespace {

// A manifest fault, carrying the JSON path of the value at fault.
class ManifestError : public std::runtime_error {
public:
    ManifestError(const std::string& path, const std::string& what)
        : std::runtime_error(path.empty() ? "the manifest " + what : path + ": " + what) {}
};

std::string Child(const std::string& path, const std::string& key) { return path.empty() ? key : path + "." + key; }

std::string Item(const std::string& path, size_t index) { return path + "[" + std::to_string(index) + "]"; }

void RequireObject(const Json& value, const std::string& path, std::initializer_list<const char*> allowedKeys) {
    if (!value.is_object()) throw ManifestError(path, "must be an object");
    for (const auto& entry : value.items()) {
        bool known = false;
        for (const char* key : allowedKeys) known = known || entry.key() == key;
        if (!known) throw ManifestError(Child(path, entry.key()), "unknown key");
    }
}

const Json& Member(const Json& object, const std::string& path, const char* key) {
    const auto found = object.find(key);
    if (found == object.end()) throw ManifestError(Child(path, key), "missing");
    return *found;
}

const Json& RequireArray(const Json& value, const std::string& path) {
    if (!value.is_array()) throw ManifestError(path, "must be an array");
    return value;
}

// A text as the model holds it: Windows-1252 bytes without NUL (a NUL would end it in the file).
std::string TextOf(const Json& value, const std::string& path) {
    if (!value.is_string()) throw ManifestError(path, "must be a string");
    std::string why;
    const std::optional<std::string> bytes = Utf8ToCp1252(value.get<std::string>(), why);
    if (!bytes) throw ManifestError(path, why);
    if (bytes->find('\0') != std::string::npos) throw ManifestError(path, "must not contain NUL characters");
    return *bytes;
}

uint32_t U32Of(const Json& value, const std::string& path) {
    if (value.is_number_unsigned() && value.get<uint64_t>() <= std::numeric_limits<uint32_t>::max())
        return static_cast<uint32_t>(value.get<uint64_t>());
    if (value.is_number_integer() && value.get<int64_t>() < 0) throw ManifestError(path, "must not be negative");
    throw ManifestError(path, "must be an integer from 0 to 4294967295");
}

uint32_t OptionalU32(const Json& object, const std::string& path, const char* key) {
    const auto found = object.find(key);
    return found == object.end() ? 0 : U32Of(*found, Child(path, key));
}

float FloatOf(const Json& value, const std::string& path) {
    std::string why;
    const std::optional<float> number = FloatFromJson(value, why);
    if (!number) throw ManifestError(path, why);
    return *number;
}

PointF PairOf(const Json& value, const std::string& path) {
    if (!value.is_array() || value.size() != 2) throw ManifestError(path, "must be an array of two numbers");
    return PointF{FloatOf(value[0], Item(path, 0)), FloatOf(value[1], Item(path, 1))};
}

CFrame::OriginMap OriginsOf(const Json& value, const std::string& path) {
    CFrame::OriginMap origins;
    for (size_t i = 0; i < RequireArray(value, path).size(); ++i) {
        const Json& origin = value[i];
        const std::string at = Item(path, i);
        RequireObject(origin, at, {"name", "x", "y"});
        const std::string name = TextOf(Member(origin, at, "name"), Child(at, "name"));
        const PointF point{FloatOf(Member(origin, at, "x"), Child(at, "x")),
                           FloatOf(Member(origin, at, "y"), Child(at, "y"))};
        if (!origins.emplace(name, point).second) throw ManifestError(Child(at, "name"), "origin named twice");
    }
    return origins;
}

// The header values the PNG could not hold, written into the decoded picture's block.
void ApplyHeader(const Json* header, const std::string& path, std::vector<uint8_t>& block) {
    if (header == nullptr) return;
    const HeaderFault fault = ApplyPictureHeader(*header, block);
    if (!fault.what.empty()) throw ManifestError(fault.key.empty() ? path : Child(path, fault.key), fault.what);
}

CBryDIB ImageOf(const Json& value, const std::string& path, const PictureSource& pictures, const Json* header,
                const std::string& headerPath) {
    if (value.is_null()) {
        if (header != nullptr) throw ManifestError(headerPath, "needs a picture in \"image\"");
        return CBryDIB();
    }
    if (!value.is_string() || value.get<std::string>().empty() ||
        value.get<std::string>().find('\0') != std::string::npos)
        throw ManifestError(path, "must be a picture file name or null");
    DecodedPicture picture = pictures(value.get<std::string>());
    if (picture.block.empty()) throw ManifestError(path, picture.error);
    ApplyHeader(header, headerPath, picture.block);
    return CBryDIB(std::move(picture.block));
}

CFrame FrameOf(const Json& value, const std::string& path, const PictureSource& pictures) {
    RequireObject(value, path, {"shift", "anchor", "displayTime", "origins", "sound", "image", "header"});
    CFrame frame;
    frame.shift = PairOf(Member(value, path, "shift"), Child(path, "shift"));
    frame.anchor = PairOf(Member(value, path, "anchor"), Child(path, "anchor"));
    frame.displayTime = U32Of(Member(value, path, "displayTime"), Child(path, "displayTime"));
    frame.origins = OriginsOf(Member(value, path, "origins"), Child(path, "origins"));
    frame.sound = TextOf(Member(value, path, "sound"), Child(path, "sound"));
    const auto header = value.find("header");
    frame.image = ImageOf(Member(value, path, "image"), Child(path, "image"), pictures,
                          header != value.end() ? &*header : nullptr, Child(path, "header"));
    return frame;
}

CAnimation AnimationOf(const Json& value, const std::string& path, const PictureSource& pictures) {
    RequireObject(value, path, {"name", "reserved1", "reserved2", "frames"});
    CAnimation animation;
    animation.name = TextOf(Member(value, path, "name"), Child(path, "name"));
    animation.reserved1 = OptionalU32(value, path, "reserved1");
    animation.reserved2 = OptionalU32(value, path, "reserved2");
    const std::string framesPath = Child(path, "frames");
    const Json& frames = RequireArray(Member(value, path, "frames"), framesPath);
    for (size_t i = 0; i < frames.size(); ++i) animation.frames.push_back(FrameOf(frames[i], Item(framesPath, i), pictures));
    return animation;
}

CCharacterModel ModelOf(const Json& manifest, const PictureSource& pictures) {
    RequireObject(manifest, "", {"characterName", "animations"});
    CCharacterModel model;
    model.SetCharacterName(TextOf(Member(manifest, "", "characterName"), "characterName"));
    const Json& animations = RequireArray(Member(manifest, "", "animations"), "animations");
    for (size_t i = 0; i < animations.size(); ++i) {
        const std::string at = Item("animations", i);
        CAnimation animation = AnimationOf(animations[i], at, pictures);
        if (model.FindAnimation(animation.name) != nullptr)
            throw ManifestError(Child(at, "name"), "animation named twice");
        const std::string name = animation.name;
        model.FileAnimation(name, std::move(animation));
    }
    return model;
}

}  // namespace

ManifestResult ModelFromManifest(const Json& manifest, const PictureSource& pictures) {
    ManifestResult result;
    try {
        result.model = ModelOf(manifest, pictures);
    } catch (const ManifestError& error) {
        result.error = error.what();
    }
    return result;
}
