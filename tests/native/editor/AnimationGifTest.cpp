// Save as GIF: the film that ruxtool render makes, written beside the target and moved over it;
// every failure named in the message, with nothing left behind.
#include <gtest/gtest.h>

#include <filesystem>

#include "AnimationGif.h"
#include "GifDecoder.h"
#include "TestModels.h"

using namespace testing_models;

namespace {

// One animation "Blink" of two 6 x 4 frames, 200 ms and 100 ms.
CCharacterModel Blinker() {
    CCharacterModel model;
    CAnimation blink;
    for (uint32_t time : {200u, 100u}) {
        CFrame frame;
        frame.image = CBryDIB(PatternBlock(6, 4, 24));
        frame.displayTime = time;
        blink.frames.push_back(frame);
    }
    model.FileAnimation("Blink", blink);
    CAnimation empty;
    empty.frames.push_back(CFrame());
    model.FileAnimation("Empty", empty);
    return model;
}

size_t EntriesIn(const std::string& folder) {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) count += entry.exists();
    return count;
}

}  // namespace

TEST(AnimationGif, TheAnimationPlaysOnceThroughAtTenTicksASecondOverAFormerFile) {
    const std::string folder = TempFolder("gif-saved");
    const std::string path = folder + "/blink.gif";
    WriteFileBytes(path, std::vector<uint8_t>(100000, 7));  // longer than the GIF: replaced, not overwritten in place
    const FileOutcome outcome = SaveAnimationAsGif(Blinker(), "Blink", path);
    ASSERT_TRUE(outcome.succeeded) << outcome.message;
    const std::vector<uint8_t> bytes = ReadFileBytes(path);
    const GifPicture gif = DecodeGif(bytes.data(), bytes.size(), GifLimits{8192, 1u << 26, 100, false});
    // Ticks at 0, 100 and 200 ms show the frames; the one at 300 ms, which ends the request, too.
    EXPECT_EQ(gif.frames.size(), 4u) << gif.error;
    EXPECT_EQ(gif.width, 6);
    EXPECT_EQ(gif.height, 4);
    EXPECT_EQ(EntriesIn(folder), 1u);
}

TEST(AnimationGif, FailuresNameTheFileAndWhyAndLeaveNothingBehind) {
    const std::string folder = TempFolder("gif-fails");
    const CCharacterModel model = Blinker();
    const struct {
        std::string path;
        std::string animation;
        std::string why;
    } cases[] = {
        {folder + "/missing/blink.gif", "Blink", ""},
        {folder + "/blocked.gif", "Blink", ""},  // its ".writing" beside it is a folder
        {folder + "/empty.gif", "Empty", "The animation \"Empty\" makes no GIF: no tick shows a picture."},
        {folder + "/none.gif", "None", "The character has no animation \"None\"."},
    };
    std::filesystem::create_directory(folder + "/blocked.gif.writing");
    for (const auto& c : cases) {
        const FileOutcome outcome = SaveAnimationAsGif(model, c.animation, c.path);
        EXPECT_FALSE(outcome.succeeded) << c.path;
        EXPECT_EQ(outcome.message.rfind("\"" + c.path + "\" could not be saved.\n\n", 0), 0u) << outcome.message;
        if (!c.why.empty()) {
            EXPECT_NE(outcome.message.find(c.why), std::string::npos) << outcome.message;
        }
        EXPECT_FALSE(std::filesystem::exists(c.path));
    }
    EXPECT_EQ(EntriesIn(folder), 1u) << "only the folder in the way";
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/blocked.gif.writing"));
}

TEST(AnimationGif, ThePickerProposesTheAnimationsNameAsAFileName) {
    EXPECT_EQ(GifFileNameFor("Walk"), "Walk.gif");
    EXPECT_EQ(GifFileNameFor("a/b\\c:d*e?f\"g<h>i|j\tk"), "a_b_c_d_e_f_g_h_i_j_k.gif");
    EXPECT_EQ(GifFileNameFor(""), "animation.gif");
}
