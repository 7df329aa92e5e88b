#include "SeedModels.h"

#include "SeedPictures.h"

namespace fuzz_seeds {

namespace {

CFrame Frame(std::vector<uint8_t> picture, float shiftX, uint32_t displayTime) {
    CFrame frame;
    frame.image = CBryDIB(std::move(picture));
    frame.shift = PointF{shiftX, 0.0f};
    frame.anchor = PointF{3.0f, 4.0f};
    frame.displayTime = displayTime;
    return frame;
}

CCharacterModel Named(const std::string& name) {
    CCharacterModel model;
    model.SetCharacterName(name);
    return model;
}

}  // namespace

std::vector<CCharacterModel> SampleExcerpts(const CCharacterModel& sample) {
    std::vector<CCharacterModel> excerpts;
    for (const auto& entry : sample.Animations()) {
        CCharacterModel excerpt = Named(sample.CharacterName());
        CAnimation animation = entry.second;
        if (animation.frames.size() > 2) animation.frames.resize(2);
        excerpt.FileAnimation(entry.first, std::move(animation));
        excerpts.push_back(std::move(excerpt));
    }
    return excerpts;
}

std::vector<CCharacterModel> MadeModels() {
    std::vector<CCharacterModel> models;
    CCharacterModel pictures = Named("Pictures");
    CAnimation every;
    every.name = "Every";
    for (std::vector<uint8_t>& kind : PictureKinds()) every.frames.push_back(Frame(std::move(kind), 0.0f, 30));
    pictures.FileAnimation(every.name, every);
    models.push_back(pictures);

    CCharacterModel rich = Named("Rich");
    CAnimation walk;
    walk.name = "Walk";
    walk.reserved1 = 7;
    walk.frames.push_back(Frame(PictureKinds()[4], 5.0f, 100));
    walk.frames.push_back(Frame(PictureKinds()[5], -2.0f, 0));
    walk.frames[0].sound = "step.wav";
    walk.frames[1].SetOrigin("ball", PointF{12.0f, 30.0f});
    walk.frames[1].SetOrigin("Other", PointF{-1.5f, 2.25f});
    rich.FileAnimation("Walk", walk);
    rich.FileAnimation("walk", CAnimation());
    CAnimation still;
    still.frames.push_back(Frame(EmptyImageBlock(), 0.0f, 0));
    rich.FileAnimation("Still", still);
    models.push_back(rich);
    return models;
}

}  // namespace fuzz_seeds
