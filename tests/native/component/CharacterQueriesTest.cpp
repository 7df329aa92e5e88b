// Name checks, position queries and file descriptions.
#include <gtest/gtest.h>

#include "CCharacterModel.h"
#include "CharacterFileInfo.h"
#include "CharacterQueries.h"
#include "TestModels.h"

namespace {

CCharacterModel QueryModel() {
    CCharacterModel model;
    CAnimation kick;
    CFrame first;
    first.anchor = {40, 180};
    first.SetOrigin("Ball", {52.5f, 20.0f});
    first.SetOrigin("Pip", {10, 20});
    kick.frames.push_back(first);
    model.FileAnimation("Kick", kick);
    model.FileAnimation("Empty", CAnimation());
    return model;
}

}  // namespace

TEST(CharacterQueries, ListedNamesMatchWithoutCaseAndKeepTheirSpelling) {
    const std::vector<std::string> list = {"Stand", "Wave", "wave"};
    EXPECT_EQ(FindListedName(list, "WAVE"), "Wave") << "the first match wins";
    EXPECT_EQ(FindListedName(list, "wave"), "Wave");
    EXPECT_FALSE(FindListedName(list, "Waves"));
    EXPECT_FALSE(FindListedName({}, "Stand"));
}

TEST(CharacterQueries, CommaSeparatedNamesAreEachLookedUp) {
    const std::vector<std::wstring> list = {L"Blink", L"Yawn", L"Look Around"};
    using Names = std::vector<std::wstring>;
    EXPECT_EQ(FindListedNames(list, L"blink, YAWN ,look around"), (Names{L"Blink", L"Yawn", L"Look Around"}));
    EXPECT_EQ(FindListedNames(list, L"Yawn"), (Names{L"Yawn"}));
    EXPECT_EQ(FindListedNames(list, L""), Names{}) << "empty clears";
    EXPECT_FALSE(FindListedNames(list, L"Blink,Sneeze")) << "one unknown name refuses all";
    EXPECT_FALSE(FindListedNames(list, L"Blink,,Yawn"));
    EXPECT_FALSE(FindListedNames(list, L"Blink,"));
    EXPECT_FALSE(FindListedNames(list, L" "));
}

TEST(CharacterQueries, WideListedNamesFoldOnlyTheLettersAToZ) {
    const std::vector<std::wstring> list = {L"Stand", L"\u00c4rger", L"Wave"};
    EXPECT_EQ(FindListedName(list, L"wAVE"), L"Wave");
    EXPECT_FALSE(FindListedName(list, L"\u00e4rger")) << "letters beyond A to Z keep their case";
    EXPECT_EQ(FindListedName(list, L"\u00c4RGER"), L"\u00c4rger");
}

TEST(CharacterQueries, AskForPositionAddsTheOriginToThePictureCorner) {
    const CCharacterModel model = QueryModel();
    QueryPoint point{-1, -1};
    ASSERT_EQ(AskForPosition(model, {300, 400}, "Kick", "Ball", point), QueryOutcome::Found);
    EXPECT_EQ(point.x, 312);
    EXPECT_EQ(point.y, 240);
    QueryPoint untouched{7, 8};
    EXPECT_EQ(AskForPosition(model, {300, 400}, "Kick", "ball", untouched), QueryOutcome::CharacterNotFound);
    EXPECT_EQ(AskForPosition(model, {300, 400}, "Empty", "Ball", untouched), QueryOutcome::AnimationNotFound);
    EXPECT_EQ(AskForPosition(model, {300, 400}, "kick", "Ball", untouched), QueryOutcome::AnimationNotFound);
    EXPECT_EQ(untouched.x, 7);
    EXPECT_EQ(untouched.y, 8);
    EXPECT_EQ(model, QueryModel()) << "queries never add animations or origins";
}

TEST(CharacterQueries, AskForCurrentCharacterPositionIsTheInverse) {
    const CCharacterModel model = QueryModel();
    QueryPoint point;
    ASSERT_EQ(AskForCurrentCharacterPosition(model, "Kick", "Pip", 200, 300, point), QueryOutcome::Found);
    EXPECT_EQ(point.x, 230);
    EXPECT_EQ(point.y, 460);
    ASSERT_EQ(AskForCurrentCharacterPosition(model, "Kick", "Nobody", 200, 300, point), QueryOutcome::Found);
    EXPECT_EQ(point.x, 240);
    EXPECT_EQ(point.y, 480);
    QueryPoint back;
    ASSERT_EQ(AskForPosition(model, {230, 460}, "Kick", "Pip", back), QueryOutcome::Found);
    EXPECT_EQ(back.x, 200);
    EXPECT_EQ(back.y, 300);
    EXPECT_EQ(AskForCurrentCharacterPosition(model, "Empty", "Pip", 0, 0, point), QueryOutcome::AnimationNotFound);
}

TEST(CharacterFileInfo, NamesInKeyOrderAndUnusableFiles) {
    const std::string folder = testing_models::TempFolder("file-info");
    ASSERT_TRUE(testing_models::RichModel().Save(folder + "/cat.rux"));
    const CharacterFileInfo info = ReadCharacterFileInfo(folder + "/cat.rux");
    EXPECT_EQ(info.characterName, "Cat");
    EXPECT_EQ(info.animationNames, (std::vector<std::string>{"Walk", "Walking", "walk"}));
    EXPECT_TRUE(info.Usable());
    CCharacterModel nameOnly;
    nameOnly.SetCharacterName("Lonely");
    ASSERT_TRUE(nameOnly.Save(folder + "/lonely.rux"));
    const CharacterFileInfo lonely = ReadCharacterFileInfo(folder + "/lonely.rux");
    EXPECT_EQ(lonely.characterName, "Lonely");
    EXPECT_FALSE(lonely.Usable());
    EXPECT_FALSE(ReadCharacterFileInfo(folder + "/missing.rux").Usable());
    CCharacterModel many;
    for (int i = 0; i < 150; ++i) many.FileAnimation("A" + std::to_string(1000 + i), CAnimation());
    ASSERT_TRUE(many.Save(folder + "/many.rux"));
    EXPECT_EQ(ReadCharacterFileInfo(folder + "/many.rux").animationNames.size(), 150u) << "no 100-name limit";
}

TEST(CharacterQueries, QueriesCountAnchorAndOriginAtTheScale) {
    const CCharacterModel model = QueryModel();
    const DisplayScale s150 = DisplayScale::FromDpi(144);
    QueryPoint point;
    ASSERT_EQ(AskForPosition(model, {300, 400}, "Kick", "Pip", point, s150), QueryOutcome::Found);
    EXPECT_EQ(point.x, 300 - 60 + 15);
    EXPECT_EQ(point.y, 400 - 270 + 30);
    ASSERT_EQ(AskForCurrentCharacterPosition(model, "Kick", "Pip", 255, 160, point, s150), QueryOutcome::Found);
    EXPECT_EQ(point.x, 300);
    EXPECT_EQ(point.y, 400);
}
