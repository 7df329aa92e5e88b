// New, Load, New animation, Edit and Delete on the current character.
#include <gtest/gtest.h>

#include "CharacterDocument.h"
#include "CCharacterModel.h"
#include "TestModels.h"

namespace {

CAnimation AnimationOfTime(uint32_t displayTime) {
    CAnimation animation = NewAnimationTemplate();
    animation.frames[0].displayTime = displayTime;
    return animation;
}

CCharacterModel CharacterWith(std::initializer_list<const char*> names) {
    CCharacterModel character;
    character.SetCharacterName("Pip");
    uint32_t time = 100;
    for (const char* name : names) character.FileAnimation(name, AnimationOfTime(time += 100));
    return character;
}

}  // namespace

TEST(CharacterDocument, NewAnimationsStartWithOneEmptyFrame) {
    const CAnimation animation = NewAnimationTemplate();
    ASSERT_EQ(animation.frames.size(), 1u);
    EXPECT_EQ(animation.frames[0], CFrame());
    EXPECT_EQ(animation.reserved1, 0u);
    EXPECT_EQ(animation.reserved2, 0u);
    EXPECT_TRUE(animation.name.empty());
}

TEST(CharacterDocument, ANewAnimationWithoutANameIsDiscarded) {
    CCharacterModel character = CharacterWith({"Walk"});
    EXPECT_FALSE(StoreNewAnimation(character, "", AnimationOfTime(5)));
    EXPECT_EQ(character.AnimationCount(), 1u);
}

TEST(CharacterDocument, ANewAnimationReplacesOneOfTheSameName) {
    CCharacterModel character = CharacterWith({"Walk", "Run"});
    CAnimation edited = AnimationOfTime(5);
    edited.name = "whatever the editor had";
    EXPECT_TRUE(StoreNewAnimation(character, "Walk", edited));
    EXPECT_EQ(character.AnimationCount(), 2u);
    ASSERT_NE(character.FindAnimation("Walk"), nullptr);
    EXPECT_EQ(character.FindAnimation("Walk")->frames[0].displayTime, 5u);
    EXPECT_EQ(character.FindAnimation("Walk")->name, "Walk") << "an animation's name is its key";
}

TEST(CharacterDocument, EditThatRenamesOntoAnotherNameLeavesOneEntry) {
    CCharacterModel character = CharacterWith({"Walk", "Run"});
    StoreEditedAnimation(character, "Walk", "Run", AnimationOfTime(7));
    EXPECT_EQ(character.AnimationCount(), 1u);
    EXPECT_EQ(character.FindAnimation("Walk"), nullptr);
    EXPECT_EQ(character.FindAnimation("Run")->frames[0].displayTime, 7u);
}

TEST(CharacterDocument, EditWithAnEmptiedNameStoresUnderTheEmptyName) {
    CCharacterModel character = CharacterWith({"Walk"});
    StoreEditedAnimation(character, "Walk", "", AnimationOfTime(7));
    ASSERT_NE(character.FindAnimation(""), nullptr);
    EXPECT_EQ(character.FindAnimation("Walk"), nullptr);
}

TEST(CharacterDocument, EditingWithoutChangesStoresTheAnimationBackUnchanged) {
    CCharacterModel character = testing_models::RichModel();
    const CCharacterModel before = character;
    for (int round = 0; round < 3; ++round) {
        const CAnimation copy = *character.FindAnimation("Walking");
        StoreEditedAnimation(character, "Walking", "Walking", copy);
    }
    EXPECT_EQ(testing_models::SavedBytes(character), testing_models::SavedBytes(before));
}

TEST(CharacterDocument, DeleteAndNewCharacter) {
    CCharacterModel character = CharacterWith({"Walk", "Run"});
    EXPECT_TRUE(DeleteAnimation(character, "Run"));
    EXPECT_FALSE(DeleteAnimation(character, "Run"));
    EXPECT_EQ(character.AnimationCount(), 1u);
    ClearCharacter(character);
    EXPECT_EQ(character.AnimationCount(), 0u);
    EXPECT_TRUE(character.CharacterName().empty());
}

TEST(CharacterDocument, LoadReplacesTheWholeCharacter) {
    const std::string folder = testing_models::TempFolder("editor-load");
    const std::string path = folder + "/cat.rux";
    ASSERT_TRUE(testing_models::RichModel().Save(path));
    CCharacterModel character = CharacterWith({"Jump", "Walk"});
    EXPECT_TRUE(LoadCharacter(character, path));
    EXPECT_EQ(character.FindAnimation("Jump"), nullptr) << "animations not in the file are gone";
    EXPECT_EQ(testing_models::SavedBytes(character), testing_models::SavedBytes(testing_models::RichModel()));
}

TEST(CharacterDocument, WhatTheEditorSavesLoadsBackEqual) {
    const std::string folder = testing_models::TempFolder("editor-round-trip");
    CCharacterModel character;
    character.SetCharacterName("Cat");
    CAnimation walk = NewAnimationTemplate();
    walk.frames[0].image = CBryDIB(testing_models::PatternBlock(7, 5, 24));
    walk.frames[0].SetOrigin("ball", {3, 4});
    walk.frames.push_back(CFrame());  // a frame that never got a picture
    StoreNewAnimation(character, "Walk", walk);
    ASSERT_TRUE(character.Save(folder + "/cat.rux"));
    const CCharacterModel loaded(folder + "/cat.rux");
    EXPECT_FALSE(loaded.IsFailed());
    EXPECT_EQ(loaded, character);
}
