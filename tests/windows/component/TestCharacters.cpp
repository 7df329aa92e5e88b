#include "TestCharacters.h"

#include <fstream>
#include <stdexcept>

#include "CCharacterModel.h"
#include "TestModels.h"

namespace test_characters {
namespace {

CFrame Frame(float anchorX, float anchorY, float shiftX, uint32_t displayTime) {
    CFrame frame;
    frame.image = CBryDIB(testing_models::PatternBlock(40, 60, 24));
    frame.anchor = {anchorX, anchorY};
    frame.shift = {shiftX, 0.0f};
    frame.displayTime = displayTime;
    return frame;
}

CAnimation Animation(std::vector<CFrame> frames) {
    CAnimation animation;
    animation.frames = std::move(frames);
    return animation;
}

void Save(const CCharacterModel& model, const std::string& path) {
    if (!model.Save(path)) throw std::runtime_error("cannot write " + path);
}

}  // namespace

void WriteHero(const std::string& path) {
    CCharacterModel model;
    model.SetCharacterName("Hero");
    CFrame stand = Frame(40, 180, 0, 100);
    stand.SetOrigin("Ball", {52.5f, 20.0f});
    model.FileAnimation("Stand", Animation({stand}));
    model.FileAnimation("Walk", Animation({Frame(20, 50, 4, 100), Frame(20, 50, 4, 100), Frame(20, 50, 4, 100)}));
    model.FileAnimation("Wave", Animation({Frame(20, 50, 0, 100), Frame(20, 50, 0, 100)}));
    CFrame kickEnd = Frame(20, 50, 0, 100);
    kickEnd.SetOrigin("ball", {12.0f, 30.0f});
    model.FileAnimation("Kick", Animation({Frame(20, 50, 0, 100), kickEnd}));
    model.FileAnimation("Empty", Animation({}));
    Save(model, path);
}

void WriteBall(const std::string& path) {
    CCharacterModel model;
    model.SetCharacterName("Ball");
    model.FileAnimation("Stand", Animation({Frame(5, 5, 0, 100)}));
    model.FileAnimation("Bounce", Animation({Frame(5, 5, 0, 100), Frame(5, 5, 0, 100)}));
    Save(model, path);
}

void WriteCrowd(const std::string& path, int count) {
    CCharacterModel model;
    model.SetCharacterName("Crowd");
    for (int i = 0; i < count; ++i) {
        std::string name = std::to_string(i);
        name = "Anim" + std::string(3 - std::min<size_t>(3, name.size()), '0') + name;
        model.FileAnimation(name, Animation({Frame(1, 1, 0, 100)}));
    }
    Save(model, path);
}

void WriteNameOnly(const std::string& path, const std::string& name) {
    CCharacterModel model;
    model.SetCharacterName(name);
    Save(model, path);
}

void WriteTruncatedHero(const std::string& path) {
    WriteHero(path);
    std::vector<uint8_t> bytes = testing_models::ReadFileBytes(path);
    bytes.resize(bytes.size() * 7 / 10);
    testing_models::WriteFileBytes(path, bytes);
}

void WriteOtherHero(const std::string& path) {
    CCharacterModel model;
    model.SetCharacterName("Hero");
    model.FileAnimation("Only", Animation({Frame(20, 50, 0, 100)}));
    Save(model, path);
}

void WriteGarbage(const std::string& path) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << "this is no character file";
}

TestFiles WriteAll(const std::string& folder) {
    TestFiles files;
    files.folder = folder;
    files.hero = folder + "\\Hero.rux";
    files.ball = folder + "\\Ball.rux";
    files.crowd = folder + "\\Crowd.rux";
    files.nameOnly = folder + "\\NameOnly.rux";
    files.garbage = folder + "\\Garbage.rux";
    files.truncated = folder + "\\Truncated.rux";
    files.otherHero = folder + "\\OtherHero.rux";
    WriteHero(files.hero);
    WriteBall(files.ball);
    WriteCrowd(files.crowd, 120);
    WriteNameOnly(files.nameOnly, "Ghost");
    WriteGarbage(files.garbage);
    WriteTruncatedHero(files.truncated);
    WriteOtherHero(files.otherHero);
    return files;
}

}  // namespace test_characters
