// The model's filing rules and the log module.
#include <gtest/gtest.h>

#include <string>

#include "CCharacterModel.h"
#include "Log.h"
#include "TestModels.h"

using namespace testing_models;

TEST(Model, FilingUnderAPresentNameReplacesIt) {
    CCharacterModel model = RichModel();
    const size_t count = model.AnimationCount();
    CAnimation replacement;
    replacement.reserved1 = 99;
    replacement.name = "something else";
    model.FileAnimation("Walk", replacement);
    EXPECT_EQ(model.AnimationCount(), count);
    EXPECT_EQ(model.FindAnimation("Walk")->reserved1, 99u);
    EXPECT_EQ(model.FindAnimation("Walk")->name, "Walk") << "an animation's name is its key";
    EXPECT_TRUE(model.FindAnimation("Walk")->frames.empty());
    EXPECT_EQ(model.FindAnimation("WALK"), nullptr) << "lookups are exact";
    EXPECT_TRUE(model.EraseAnimation("walk"));
    EXPECT_FALSE(model.EraseAnimation("walk"));
    model.EraseAllAnimations();
    EXPECT_EQ(model.AnimationCount(), 0u);
}

TEST(Model, DefaultsAndAssignmentCarryTheFailedFlag) {
    const CFrame frame;
    EXPECT_TRUE(frame.image.IsEmpty());
    EXPECT_EQ(frame.displayTime, 0u);
    EXPECT_TRUE(frame.origins.empty());
    CCharacterModel failed("/nonexistent.rux");
    CCharacterModel copy;
    copy = failed;
    EXPECT_TRUE(copy.IsFailed());
    const CCharacterModel& alias = copy;
    copy = alias;
    EXPECT_TRUE(copy.IsFailed());
}

TEST(Log, NameDefaultsAndIsCutAt127Characters) {
    EXPECT_EQ(LogFileName(), "wendo.log");
    EXPECT_EQ(LogFileNameSet(), 1);
    SetLogFileName("cp_rux.log");
    EXPECT_EQ(LogFileName(), "cp_rux.log");
    const std::string longName(200, 'n');
    SetLogFileName(longName.c_str());
    EXPECT_EQ(LogFileName(), longName.substr(0, 127));
    EXPECT_EQ(std::string(kLogOutOfMemoryText).back(), '\n');
}
