#include "ModelJson.h"

#include "Cp1252.h"
#include "FloatText.h"
#include "Sha256.h"

namespace {

Json PairToJson(const PointF& point) { return Json::array({FloatToJson(point.x), FloatToJson(point.y)}); }

Json OriginsToJson(const CFrame::OriginMap& origins) {
    Json list = Json::array();
    for (const auto& [name, point] : origins) {
        list.push_back({{"name", Cp1252ToUtf8(name)}, {"x", FloatToJson(point.x)}, {"y", FloatToJson(point.y)}});
    }
    return list;
}

Json FrameToJson(const CFrame& frame, Json image) {
    Json json;
    json["shift"] = PairToJson(frame.shift);
    json["anchor"] = PairToJson(frame.anchor);
    json["displayTime"] = frame.displayTime;
    json["origins"] = OriginsToJson(frame.origins);
    json["sound"] = Cp1252ToUtf8(frame.sound);
    json["image"] = std::move(image);
    return json;
}

Json AnimationToJson(const CAnimation& animation, const ImageDescriber& describeImage) {
    Json frames = Json::array();
    for (size_t i = 0; i < animation.frames.size(); ++i) {
        const CFrame& frame = animation.frames[i];
        frames.push_back(FrameToJson(frame, describeImage(animation.name, i, frame.image)));
    }
    Json json;
    json["name"] = Cp1252ToUtf8(animation.name);
    json["reserved1"] = animation.reserved1;
    json["reserved2"] = animation.reserved2;
    json["frames"] = std::move(frames);
    return json;
}

}  // namespace

Json DescribeImage(const CBryDIB& image) {
    if (image.IsEmpty()) return nullptr;
    Json json;
    json["width"] = image.width();
    json["height"] = image.height();
    json["bitCount"] = image.BitCount();
    json["blockSize"] = image.BlockSize();
    json["sha256"] = Sha256Hex(image.Block().data(), image.Block().size());
    return json;
}

Json ModelToJson(const CCharacterModel& model, const ImageDescriber& describeImage) {
    Json animations = Json::array();
    for (const auto& entry : model.Animations()) animations.push_back(AnimationToJson(entry.second, describeImage));
    Json json;
    json["characterName"] = Cp1252ToUtf8(model.CharacterName());
    json["animations"] = std::move(animations);
    return json;
}
