#include <gtest/gtest.h>

#include "ModelJson.h"
#include "Sha256.h"
#include "TestSupport.h"

namespace {

std::vector<std::string> KeysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& entry : object.items()) keys.push_back(entry.key());
    return keys;
}

Json Dump(const CCharacterModel& model) {
    return ModelToJson(model, [](const std::string&, size_t, const CBryDIB& image) { return DescribeImage(image); });
}

CCharacterModel TwoAnimationModel() {
    CCharacterModel model;
    model.SetCharacterName("Ch\xE9");
    CAnimation second;
    second.reserved1 = 3;
    CFrame frame;
    frame.image = CBryDIB(Picture24(2, 2, 1));
    frame.shift = PointF{1.5f, -2.0f};
    frame.displayTime = 40;
    frame.SetOrigin("zeta", PointF{1, 2});
    frame.SetOrigin("Alpha", PointF{3, 4});
    frame.sound = "s\xE9.wav";
    second.frames = {frame, CFrame()};
    model.FileAnimation("b", second);
    model.FileAnimation("A", CAnimation());
    return model;
}

TEST(ruxtool_ModelJson, KeysComeInTheDumpOrder) {
    const Json json = Dump(TwoAnimationModel());
    EXPECT_EQ(KeysOf(json), (std::vector<std::string>{"characterName", "animations"}));
    EXPECT_EQ(json["animations"][0]["name"], "A");  // byte order: 'A' < 'b'
    const Json& animation = json["animations"][1];
    EXPECT_EQ(KeysOf(animation), (std::vector<std::string>{"name", "reserved1", "reserved2", "frames"}));
    const Json& frame = animation["frames"][0];
    EXPECT_EQ(KeysOf(frame), (std::vector<std::string>{"shift", "anchor", "displayTime", "origins", "sound", "image"}));
    EXPECT_EQ(KeysOf(frame["image"]), (std::vector<std::string>{"width", "height", "bitCount", "blockSize", "sha256"}));
}

TEST(ruxtool_ModelJson, ValuesOfAFrame) {
    const CCharacterModel model = TwoAnimationModel();
    const Json json = Dump(model);
    EXPECT_EQ(json["characterName"], "Ch\xC3\xA9");
    const Json& animation = json["animations"][1];
    EXPECT_EQ(animation["reserved1"], 3);
    const Json& frame = animation["frames"][0];
    EXPECT_EQ(frame["shift"].dump(), "[1.5,-2.0]");
    EXPECT_EQ(frame["displayTime"], 40);
    EXPECT_EQ(frame["origins"].dump(), R"([{"name":"Alpha","x":3.0,"y":4.0},{"name":"zeta","x":1.0,"y":2.0}])");
    EXPECT_EQ(frame["sound"], "s\xC3\xA9.wav");
    const CBryDIB& image = model.FindAnimation("b")->frames[0].image;
    EXPECT_EQ(frame["image"].dump(), R"({"width":2,"height":2,"bitCount":24,"blockSize":56,"sha256":")" +
                                         Sha256Hex(image.Block().data(), image.Block().size()) + "\"}");
    EXPECT_TRUE(animation["frames"][1]["image"].is_null());
}

TEST(ruxtool_ModelJson, TheDigestCoversTheHeaderToo) {
    std::vector<uint8_t> block = Picture24(2, 2, 1);
    const Json before = DescribeImage(CBryDIB(block));
    block[24] ^= 1;  // resolution: header only, pixels unchanged
    EXPECT_NE(before["sha256"], DescribeImage(CBryDIB(block))["sha256"]);
}

}  // namespace
