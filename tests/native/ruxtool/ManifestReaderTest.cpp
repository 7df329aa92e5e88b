#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ManifestReader.h"
#include "TestSupport.h"

namespace {

const char* const kManifest = R"({
  "characterName": "G\u00e9n\u00e9ral \u20ac\u0081",
  "animations": [
    {"name": "A", "frames": [
      {"shift": [0, 0], "anchor": [0, 0], "displayTime": 10, "origins": [], "sound": "", "image": null}]},
    {"name": "B", "reserved1": 5, "frames": [
      {"shift": [1.5, "0x7f800000"], "anchor": [-0.0, 2], "displayTime": 4294967295,
       "origins": [{"name": "M\u00fc", "x": 1, "y": 2}], "sound": "s.wav", "image": "pic.png"}]}
  ]
})";

DecodedPicture FakePictures(const std::string& name) {
    DecodedPicture picture;
    if (name == "pic.png") {
        picture.block = Picture24(1, 1, 9);
    } else {
        picture.error = "cannot open " + name;
    }
    return picture;
}

ManifestResult Read(const Json& manifest) { return ModelFromManifest(manifest, FakePictures); }

TEST(ruxtool_ManifestReader, ReadsEveryField) {
    const ManifestResult result = Read(Json::parse(kManifest));
    ASSERT_TRUE(result.model) << result.error;
    const CCharacterModel& model = *result.model;
    EXPECT_EQ(model.CharacterName(), "G\xE9n\xE9ral \x80\x81");
    ASSERT_EQ(model.AnimationCount(), 2u);
    const CAnimation& a = *model.FindAnimation("A");
    EXPECT_EQ(a.reserved1, 0u);
    EXPECT_EQ(a.reserved2, 0u);
    ASSERT_EQ(a.frames.size(), 1u);
    EXPECT_TRUE(a.frames[0].image.IsEmpty());
    const CAnimation& b = *model.FindAnimation("B");
    EXPECT_EQ(b.reserved1, 5u);
    const CFrame& frame = b.frames.at(0);
    EXPECT_EQ(frame.shift.x, 1.5f);
    EXPECT_TRUE(std::isinf(frame.shift.y));
    EXPECT_TRUE(std::signbit(frame.anchor.x));
    EXPECT_EQ(frame.anchor.y, 2.0f);
    EXPECT_EQ(frame.displayTime, 4294967295u);
    ASSERT_NE(frame.FindOrigin("M\xFC"), nullptr);
    EXPECT_EQ(*frame.FindOrigin("M\xFC"), (PointF{1, 2}));
    EXPECT_EQ(frame.sound, "s.wav");
    EXPECT_EQ(frame.image.Block(), Picture24(1, 1, 9));
}

struct BadManifest {
    std::function<void(Json&)> change;
    const char* error;  // the start of the expected error
};

std::function<void(Json&)> Set(const char* pointer, Json value) {
    return [pointer, value](Json& manifest) { manifest[Json::json_pointer(pointer)] = value; };
}

std::function<void(Json&)> Remove(const char* pointer) {
    return [pointer](Json& manifest) {
        const Json::json_pointer at(pointer);
        manifest[at.parent_pointer()].erase(at.back());
    };
}

TEST(ruxtool_ManifestReader, NamesThePathOfEachFault) {
    const std::vector<BadManifest> cases = {
        {[](Json& manifest) { manifest = Json::array(); }, "the manifest must be an object"},
        {Remove("/characterName"), "characterName: missing"},
        {Set("/characterName", 5), "characterName: must be a string"},
        {Set("/animations", Json::object()), "animations: must be an array"},
        {Set("/animations/0", 1), "animations[0]: must be an object"},
        {Remove("/animations/1/frames"), "animations[1].frames: missing"},
        {Set("/animations/1/reserved2", -3), "animations[1].reserved2: must not be negative"},
        {Set("/animations/1/frames/0/displayTime", -1), "animations[1].frames[0].displayTime: must not be negative"},
        {Set("/animations/1/frames/0/displayTime", 4294967296ull),
         "animations[1].frames[0].displayTime: must be an integer from 0 to 4294967295"},
        {Set("/animations/1/frames/0/displayTime", 2.5), "animations[1].frames[0].displayTime: must be an integer"},
        {Set("/animations/1/frames/0/shift", Json::array({1})), "animations[1].frames[0].shift: must be an array of two"},
        {Set("/animations/1/frames/0/shift/1", "0x7f80000"), "animations[1].frames[0].shift[1]: must be a number or"},
        {Set("/animations/1/frames/0/anchor/0", 1e39), "animations[1].frames[0].anchor[0]: number beyond the float range"},
        {Remove("/animations/1/frames/0/origins/0/name"), "animations[1].frames[0].origins[0].name: missing"},
        {Set("/animations/1/frames/0/origins/1", Json::parse(R"({"name": "M\u00fc", "x": 0, "y": 0})")),
         "animations[1].frames[0].origins[1].name: origin named twice"},
        {Set("/animations/1/frames/0/sound", "\xC4\x80"), "animations[1].frames[0].sound: character U+0100"},
        {Set("/animations/1/frames/0/sound", std::string("a\0b", 3)), "animations[1].frames[0].sound: must not contain NUL"},
        {Remove("/animations/1/frames/0/image"), "animations[1].frames[0].image: missing"},
        {Set("/animations/1/frames/0/image", "gone.png"), "animations[1].frames[0].image: cannot open gone.png"},
        {Set("/animations/1/frames/0/image", Json::parse(R"({"width": 1})")),
         "animations[1].frames[0].image: must be a picture file name or null"},
        {Set("/animations/1/frames/0/image", ""), "animations[1].frames[0].image: must be a picture file name"},
        {Set("/animations/1/frames/0/image", std::string("pic.png\0x", 9)),
         "animations[1].frames[0].image: must be a picture file name"},
        {Set("/animations/1/frames/0/sounds", "x"), "animations[1].frames[0].sounds: unknown key"},
        {Set("/animations/1/name", "A"), "animations[1].name: animation named twice"},
    };
    for (const BadManifest& bad : cases) {
        Json manifest = Json::parse(kManifest);
        bad.change(manifest);
        const ManifestResult result = Read(manifest);
        EXPECT_FALSE(result.model) << bad.error;
        EXPECT_EQ(result.error.rfind(bad.error, 0), 0u) << "expected: " << bad.error << "\n     got: " << result.error;
    }
}

}  // namespace
