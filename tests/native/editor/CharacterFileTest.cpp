// Loading and saving with the failure reported, and what counts as an unsaved change.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include "CharacterDocument.h"
#include "CharacterFile.h"
#include "SystemError.h"
#include "TestModels.h"

using namespace testing_models;

namespace {

// What the system itself says when the file cannot be opened that way.
std::string SystemReasonFor(const std::string& path, const char* mode) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    if (file == nullptr) return SystemErrorText(LastSystemError());
    std::fclose(file);
    return "(it opened)";
}

}  // namespace

TEST(CharacterFile, ASaveThatFailsNamesTheFileAndTheSystemsReason) {
    const std::string path = TempFolder("save-fails") + "/no such folder/pip.rux";
    const CCharacterModel character = RichModel();
    const FileOutcome outcome = SaveCharacterTo(character, path);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.message, SaveFailureText(path, SystemReasonFor(path, "wb")));
    EXPECT_EQ(character, RichModel()) << "the character stays as it is";

    const std::string good = TempFolder("save-works") + "/pip.rux";
    EXPECT_TRUE(SaveCharacterTo(character, good).succeeded);
    EXPECT_EQ(ReadFileBytes(good), SavedBytes(RichModel()));
}

TEST(CharacterFile, ALoadThatCannotOpenKeepsTheCharacterAndSaysWhy) {
    CCharacterModel character = RichModel();
    const std::string path = TempFolder("load-missing") + "/missing.rux";
    const FileOutcome outcome = LoadCharacterFrom(character, path);
    EXPECT_FALSE(outcome.succeeded);
    EXPECT_EQ(outcome.message, OpenFailureText(path, SystemReasonFor(path, "rb")));
    EXPECT_FALSE(outcome.replaced);
    EXPECT_EQ(character, RichModel());
    const std::string folder = TempFolder("load-folder");
    EXPECT_EQ(LoadCharacterFrom(character, folder).message,
              OpenFailureText(folder, "It is a folder or a device, not a file."));
    EXPECT_EQ(character, RichModel());
}

TEST(CharacterFile, ALoadThatBreaksOffSaysWhereAndKeepsWhatWasRead) {
    std::vector<uint8_t> bytes = SavedBytes(RichModel());
    const size_t cut = bytes.size() - 10;
    bytes.resize(cut);
    const std::string path = TempFolder("load-cut") + "/cut.rux";
    WriteFileBytes(path, bytes);
    CCharacterModel character;
    character.FileAnimation("Gone", NewAnimationTemplate());
    const FileOutcome outcome = LoadCharacterFrom(character, path);
    EXPECT_FALSE(outcome.succeeded);
    const size_t at = outcome.message.find("could be read only up to byte ");
    ASSERT_NE(at, std::string::npos) << outcome.message;
    const uint64_t readUpTo = std::stoull(outcome.message.substr(at + 30));
    EXPECT_GT(readUpTo, 8u);
    EXPECT_LE(readUpTo, cut) << "at most what the file holds";
    EXPECT_TRUE(outcome.replaced);
    EXPECT_EQ(character.FindAnimation("Gone"), nullptr) << "the former character was replaced";
    EXPECT_EQ(character.CharacterName(), RichModel().CharacterName()) << "what was read is kept";
    EXPECT_GT(character.AnimationCount(), 0u);

    const std::string whole = TempFolder("load-whole") + "/whole.rux";
    ASSERT_TRUE(RichModel().Save(whole));
    EXPECT_TRUE(LoadCharacterFrom(character, whole).succeeded);
    EXPECT_EQ(character, RichModel());
}

TEST(SavedState, EveryKindOfEditCountsAsAChangeAndUndoingItDoesNot) {
    CCharacterModel character = RichModel();
    CSavedState state;
    state.MarkSaved(character, std::string("C:\\chars\\pip.rux"));
    EXPECT_FALSE(state.IsModified(character));
    const auto changed = [&](const std::function<void(CCharacterModel&)>& edit) {
        CCharacterModel copy = character;
        edit(copy);
        return state.IsModified(copy);
    };
    const std::string first = character.Animations().begin()->first;
    EXPECT_TRUE(changed([](CCharacterModel& c) { c.SetCharacterName(c.CharacterName() + "x"); }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.EraseAnimation(first); }));
    EXPECT_TRUE(changed([](CCharacterModel& c) { c.FileAnimation("New one", NewAnimationTemplate()); }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.FindAnimation(first)->frames[0].displayTime += 1; }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.FindAnimation(first)->frames[0].shift.x += 1; }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.FindAnimation(first)->frames[0].anchor.y += 1; }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.FindAnimation(first)->frames[0].SetOrigin("zz", {1, 1}); }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.FindAnimation(first)->frames[0].sound = "new.wav"; }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) {
        c.FindAnimation(first)->frames[0].image = CBryDIB(PatternBlock(3, 2, 24));
    }));
    EXPECT_TRUE(changed([&](CCharacterModel& c) { c.FindAnimation(first)->frames.emplace_back(); }));
    EXPECT_FALSE(changed([](CCharacterModel& c) {
        const std::string name = c.CharacterName();
        c.SetCharacterName("typed");
        c.SetCharacterName(name);
    })) << "typing a name back is no change";
    EXPECT_FALSE(changed([&](CCharacterModel& c) {
        const CAnimation copy = *c.FindAnimation(first);
        StoreEditedAnimation(c, first, first, copy);
    })) << "an animation opened and closed untouched";
}

TEST(SavedState, TheQuestionNamesTheFileOrTheCharacter) {
    CCharacterModel character;
    CSavedState state;
    EXPECT_EQ(state.SaveChangesQuestion(character), "Save changes to Untitled?");
    character.SetCharacterName("Pip");
    EXPECT_EQ(state.SaveChangesQuestion(character), "Save changes to Pip?");
    state.MarkSaved(character, std::string("C:\\chars\\pip-final.rux"));
    EXPECT_EQ(state.SaveChangesQuestion(character), "Save changes to pip-final.rux?");
    EXPECT_EQ(state.Path(), std::optional<std::string>("C:\\chars\\pip-final.rux"));
}
