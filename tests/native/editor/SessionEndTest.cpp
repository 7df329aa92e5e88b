// The end of the session: the block reason follows unsaved changes, the end is answered at
// once, and the work is kept as a recovery copy that the next start offers.
#include <gtest/gtest.h>

#include <filesystem>

#include "CCharacterModel.h"
#include "CharacterFile.h"
#include "RecoveryCopies.h"
#include "SessionEnd.h"
#include "TestModels.h"

TEST(SessionEnd, TheBlockReasonIsSetWhileThereAreUnsavedChanges) {
    CSessionEnd session;
    EXPECT_EQ(session.DocumentIs(false), BlockReasonStep::None);
    EXPECT_EQ(session.DocumentIs(true), BlockReasonStep::Set);
    EXPECT_EQ(session.DocumentIs(true), BlockReasonStep::None) << "set once";
    EXPECT_TRUE(session.ReasonSet());
    EXPECT_EQ(session.DocumentIs(false), BlockReasonStep::Clear) << "saved";
    EXPECT_EQ(session.DocumentIs(false), BlockReasonStep::None);
}

TEST(SessionEnd, TheEndIsAnsweredAtOnceAndWhereItComesAnywayTheWorkIsKept) {
    CSessionEnd session;
    EXPECT_TRUE(session.OnQuery(false, false).mayEnd) << "nothing to lose";
    EXPECT_FALSE(session.OnEnd(true, false));
    const EndQueryAnswer ordinary = session.OnQuery(true, false);
    EXPECT_FALSE(ordinary.mayEnd) << "the system lists the reason and lets the user decide";
    EXPECT_FALSE(ordinary.writeRecovery);
    EXPECT_FALSE(session.OnEnd(false, true)) << "the user kept the session";
    EXPECT_TRUE(session.OnEnd(true, true)) << "the user ended it anyway";
    EXPECT_FALSE(session.OnEnd(true, true)) << "written once";

    CSessionEnd critical;
    const EndQueryAnswer forced = critical.OnQuery(true, true);
    EXPECT_TRUE(forced.mayEnd) << "a critical end cannot be refused";
    EXPECT_TRUE(forced.writeRecovery) << "written before WM_ENDSESSION, which may not come in time";
    EXPECT_FALSE(critical.OnEnd(true, true));
    EXPECT_FALSE(critical.OnEnd(false, true));
    EXPECT_TRUE(critical.OnQuery(true, true).writeRecovery) << "a later end after a cancelled one writes afresh";
}

TEST(RecoveryCopies, ACopyBesideTheFileOrInTheEditorsFolderIsListedUntilForgotten) {
    const std::string folder = testing_models::TempFolder("recovery");
    const std::string data = folder + "/data";
    std::filesystem::create_directory(data);
    const CRecoveryList list(data);
    const CCharacterModel rich = testing_models::RichModel();
    const std::string document = folder + "/rich.rux";

    const auto beside = list.Keep(rich, document, "7");
    ASSERT_TRUE(beside);
    EXPECT_EQ(beside->copy, document + ".recovery");
    EXPECT_EQ(CCharacterModel(beside->copy), rich);
    const auto untitled = list.Keep(rich, std::nullopt, "7");
    ASSERT_TRUE(untitled);
    EXPECT_EQ(std::filesystem::path(untitled->copy), std::filesystem::path(data) / "Untitled-7.rux.recovery");
    const auto unwritable = list.Keep(rich, folder + "/no such folder/cat.rux", "8");
    ASSERT_TRUE(unwritable);
    EXPECT_EQ(std::filesystem::path(unwritable->copy), std::filesystem::path(data) / "Untitled-8.rux.recovery")
        << "the folder cannot be written";
    EXPECT_EQ(unwritable->document, folder + "/no such folder/cat.rux");
    list.Keep(rich, document, "9");
    EXPECT_EQ(list.Pending(), (std::vector<RecoveryEntry>{*untitled, *unwritable, *beside})) << "each copy once";

    list.Forget(*beside);
    EXPECT_EQ(list.Pending().size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(beside->copy)) << "No keeps the copy";
    std::filesystem::remove(untitled->copy);
    EXPECT_EQ(list.Pending(), (std::vector<RecoveryEntry>{*unwritable})) << "a copy gone is not offered";
    EXPECT_FALSE(CRecoveryList(folder + "/missing").Keep(rich, std::nullopt, "1")) << "nowhere to write";
}

TEST(RecoveryCopies, TheListReadsBackAndSkipsWhatIsNoEntry) {
    const std::vector<RecoveryEntry> entries = {{"C:\\a\\x.rux.recovery", "C:\\a\\x.rux"}, {"D:\\Untitled-1.rux.recovery", ""}};
    EXPECT_EQ(ParseRecoveryList(FormatRecoveryList(entries)), entries);
    EXPECT_EQ(ParseRecoveryList("\r\n\tC:\\doc.rux\r\nonly-a-copy\nx\ty\tz\n"),
              (std::vector<RecoveryEntry>{{"only-a-copy", ""}}));
    EXPECT_NE(RecoveryQuestion(entries[0]).find("\"C:\\a\\x.rux\""), std::string::npos);
    EXPECT_NE(RecoveryQuestion(entries[1]).find("never saved"), std::string::npos);
}

TEST(RecoveryCopies, AnOpenedCopyCountsAsChangedAgainstItsFile) {
    CSavedState saved;
    const CCharacterModel rich = testing_models::RichModel();
    saved.MarkRecovered(std::string("C:\\a\\rich.rux"));
    EXPECT_TRUE(saved.IsModified(rich));
    EXPECT_TRUE(saved.IsModified(CCharacterModel())) << "even an empty character";
    EXPECT_EQ(saved.Path(), std::string("C:\\a\\rich.rux")) << "Save writes the file, not the copy";
    saved.MarkSaved(rich, saved.Path());
    EXPECT_FALSE(saved.IsModified(rich));
}
