// Character files loaded once per file and shared while any character holds them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "SharedCharacterModels.h"

namespace {

std::string SaveCharacter(const std::string& fileName, const std::string& characterName) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / fileName;
    CCharacterModel model;
    model.SetCharacterName(characterName);
    CAnimation animation;
    animation.frames.resize(1);
    model.FileAnimation("Stand", animation);
    EXPECT_TRUE(model.Save(path.string()));
    return path.string();
}

}  // namespace

TEST(SharedModels, OneFileIsReadOnceWhileHeldAndAfreshOnceChangedOrReleased) {
    const std::string path = SaveCharacter("shared-models-a.rux", "Pip");
    auto first = LoadSharedCharacterModel(path);
    auto second = LoadSharedCharacterModel(path);
    ASSERT_FALSE(first->IsFailed());
    EXPECT_EQ(first.get(), second.get());

    const std::string other = SaveCharacter("shared-models-b.rux", "Pip");
    EXPECT_NE(LoadSharedCharacterModel(other).get(), first.get()) << "another file is another model";

    SaveCharacter("shared-models-a.rux", "Pip with a longer name");
    auto changed = LoadSharedCharacterModel(path);
    EXPECT_NE(changed.get(), first.get());
    EXPECT_EQ(changed->CharacterName(), "Pip with a longer name");
    EXPECT_EQ(first->CharacterName(), "Pip") << "a held model never changes";

    changed.reset();
    const std::weak_ptr<const CCharacterModel> gone = LoadSharedCharacterModel(path);
    EXPECT_TRUE(gone.expired()) << "the table keeps no model alive";
}

TEST(SharedModels, AFileThatFailsOrIsMissingIsNeverShared) {
    const std::string missing = (std::filesystem::temp_directory_path() / "shared-models-none.rux").string();
    auto a = LoadSharedCharacterModel(missing);
    auto b = LoadSharedCharacterModel(missing);
    EXPECT_TRUE(a->IsFailed());
    EXPECT_NE(a.get(), b.get());
}
