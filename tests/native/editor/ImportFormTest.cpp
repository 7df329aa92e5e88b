// The import dialog's fields and the import into the character, through the shared importer.
#include <gtest/gtest.h>

#include <filesystem>
#include <cstring>
#include <fstream>

#include "CCharacterModel.h"
#include "FrameEditor.h"
#include "ImportForm.h"
#include "PictureEncoder.h"

namespace {

// A PNG file of w x h pixels of one colour, with alpha when given.
std::string WritePng(const std::string& name, int width, int height, std::vector<uint8_t> pixel) {
    RgbaPixels picture;
    picture.width = width;
    picture.height = height;
    picture.channels = static_cast<int>(pixel.size());
    for (int i = 0; i < width * height; ++i) picture.pixels.insert(picture.pixels.end(), pixel.begin(), pixel.end());
    const std::vector<uint8_t> bytes = EncodePng(picture);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("tarvel-import-" + name);
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                 static_cast<std::streamsize>(bytes.size()));
    return path.string();
}

ImportForm FormFor(const std::string& pictures) {
    ImportForm form;
    form.animationName = "Wave";
    form.pictures = pictures;
    return form;
}

}  // namespace

TEST(ImportForm, EmptyFieldsTakeTheDefaultsAndBadOnesAreNamed) {
    std::string why;
    const auto plain = ReadImportForm(FormFor(" a.png ; ;b.bmp"), why);
    ASSERT_TRUE(plain) << why;
    EXPECT_EQ(plain->files, (std::vector<std::string>{"a.png", "b.bmp"}));
    EXPECT_FALSE(plain->IsSheet());
    EXPECT_EQ(plain->frames.displayTime, 100u);
    EXPECT_FALSE(plain->frames.anchor) << "the middle of the bottom edge";

    ImportForm sheet = FormFor("sheet.png");
    sheet.columns = "6";
    sheet.time = "150";
    sheet.anchorX = "40";
    sheet.anchorY = "110";
    sheet.shiftX = "-3";
    const auto cut = ReadImportForm(sheet, why);
    ASSERT_TRUE(cut) << why;
    EXPECT_EQ(cut->columns, 6u);
    EXPECT_EQ(cut->rows, 1u);
    EXPECT_EQ(cut->frames.anchor, (PointF{40, 110}));
    EXPECT_EQ(cut->frames.shift, (PointF{-3, 0}));

    const auto refused = [&](ImportForm form) { return !ReadImportForm(form, why) && !why.empty(); };
    ImportForm nameless = FormFor("a.png");
    nameless.animationName.clear();
    EXPECT_TRUE(refused(nameless));
    EXPECT_TRUE(refused(FormFor(" ; ")));
    ImportForm twoSheets = sheet;
    twoSheets.pictures = "a.png;b.png";
    EXPECT_TRUE(refused(twoSheets)) << "a sheet is one picture";
    ImportForm halfAnchor = FormFor("a.png");
    halfAnchor.anchorX = "4";
    EXPECT_TRUE(refused(halfAnchor));
    ImportForm negativeTime = FormFor("a.png");
    negativeTime.time = "-1";
    EXPECT_TRUE(refused(negativeTime));
    ImportForm noColumns = sheet;
    noColumns.columns = "0";
    EXPECT_TRUE(refused(noColumns));
}

TEST(ImportForm, PickerAnswersAndListsRoundTrip) {
    const std::vector<char> one = {'C', ':', '\\', 'a', '.', 'p', 'n', 'g', '\0', '\0'};
    EXPECT_EQ(PathsFromPickerAnswer(one), (std::vector<std::string>{"C:\\a.png"}));
    std::vector<char> many;
    for (const char* part : {"C:\\art", "b.png", "c.png"}) many.insert(many.end(), part, part + std::strlen(part) + 1);
    many.push_back('\0');
    const auto paths = PathsFromPickerAnswer(many);
    EXPECT_EQ(paths, (std::vector<std::string>{"C:\\art\\b.png", "C:\\art\\c.png"}));
    EXPECT_EQ(SplitPictureList(JoinPictureList(paths)), paths);
    std::vector<char> root;
    for (const char* part : {"C:\\", "d.png"}) root.insert(root.end(), part, part + std::strlen(part) + 1);
    root.push_back('\0');
    EXPECT_EQ(PathsFromPickerAnswer(root), (std::vector<std::string>{"C:\\d.png"})) << "a root keeps one separator";
}

TEST(ImportForm, ASheetBecomesOneFramePerCellWithTheSettings) {
    ImportForm form = FormFor(WritePng("sheet.png", 60, 20, {200, 10, 10}));
    form.columns = "3";
    form.time = "250";
    form.shiftX = "4";
    std::string why;
    const auto request = ReadImportForm(form, why);
    ASSERT_TRUE(request) << why;
    CCharacterModel character;
    const ImportOutcome outcome = ImportIntoCharacter(character, *request);
    ASSERT_TRUE(outcome.imported) << outcome.error;
    const CAnimation* wave = character.FindAnimation("Wave");
    ASSERT_NE(wave, nullptr);
    ASSERT_EQ(wave->frames.size(), 3u);
    for (const CFrame& frame : wave->frames) {
        EXPECT_EQ(frame.image.width(), 20);
        EXPECT_EQ(frame.displayTime, 250u);
        EXPECT_EQ(frame.anchor, (PointF{10, 20})) << "the middle of the bottom edge";
        EXPECT_EQ(frame.shift, (PointF{4, 0}));
    }
}

TEST(ImportForm, PicturesReplaceAnAnimationOfTheNameAndAFailureChangesNothing) {
    CCharacterModel character;
    CAnimation old;
    old.frames.resize(5);
    character.FileAnimation("Wave", old);
    const std::string opaque = WritePng("opaque.png", 8, 8, {0, 0, 255});
    const std::string clear = WritePng("clear.png", 8, 8, {0, 255, 0, 0});
    std::string why;
    const auto request = ReadImportForm(FormFor(opaque + ";" + clear), why);
    ASSERT_TRUE(request) << why;
    ASSERT_TRUE(ImportIntoCharacter(character, *request).imported);
    const CAnimation* wave = character.FindAnimation("Wave");
    ASSERT_EQ(wave->frames.size(), 2u) << "the old animation is replaced";
    const auto pixels = PixelsOfPicture(wave->frames[1].image);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(std::vector<uint8_t>(pixels->pixels.begin(), pixels->pixels.begin() + 3),
              (std::vector<uint8_t>{175, 175, 175})) << "PNG alpha below 128 becomes the key colour";

    const auto missing = ReadImportForm(FormFor(opaque + ";" + opaque + ".gone"), why);
    const ImportOutcome failed = ImportIntoCharacter(character, *missing);
    EXPECT_FALSE(failed.imported);
    EXPECT_FALSE(failed.error.empty());
    EXPECT_EQ(character.FindAnimation("Wave")->frames.size(), 2u);
    EXPECT_EQ(character.AnimationCount(), 1u);
}

TEST(DroppedPictures, BecomeFramesAfterTheCurrentOneInOneStep) {
    CAnimation animation;
    for (uint32_t time : {100u, 200u}) {
        CFrame frame;
        frame.displayTime = time;
        frame.anchor = {7, 9};
        frame.shift = {2, 1};
        animation.frames.push_back(frame);
    }
    CFrameEditor editor;
    editor.SetAnimation(animation);
    const std::string red = WritePng("red.png", 6, 5, {255, 0, 0});
    const std::string blue = WritePng("blue.png", 4, 4, {0, 0, 255});
    EXPECT_EQ(editor.InsertPictureFiles({red, blue}), "");
    const auto& frames = editor.Animation().frames;
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(editor.CurrentIndex(), 1u) << "the first dropped picture is current";
    EXPECT_EQ(frames[1].image.width(), 6);
    EXPECT_EQ(frames[2].image.width(), 4);
    EXPECT_EQ(frames[3].displayTime, 200u) << "the frames after the current one follow the dropped ones";
    for (size_t i : {1u, 2u}) {
        EXPECT_EQ(frames[i].displayTime, 100u) << "the current frame's time, anchor and shift";
        EXPECT_EQ(frames[i].anchor, (PointF{7, 9}));
        EXPECT_EQ(frames[i].shift, (PointF{2, 1}));
    }
    EXPECT_EQ(editor.UndoSteps(), 1u);
    EXPECT_NE(editor.InsertPictureFiles({red + ".gone"}), "") << "why nothing was inserted";
    EXPECT_EQ(editor.UndoSteps(), 1u);
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Animation(), animation);
}

TEST(DroppedPictures, ADropOntoTheMainDialogNamesTheAnimationAfterTheFirstFile) {
    const ImportForm form = FormForDroppedFiles({"C:\\art\\Hop.gif", "C:\\art\\b.png"});
    EXPECT_EQ(form.animationName, "Hop");
    EXPECT_EQ(SplitPictureList(form.pictures), (std::vector<std::string>{"C:\\art\\Hop.gif", "C:\\art\\b.png"}));
    EXPECT_EQ(FormForDroppedFiles({"wave"}).animationName, "wave");
}
