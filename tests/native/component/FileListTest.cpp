// The installed-file list over an in-memory key.
#include <gtest/gtest.h>

#include "CFileList.h"
#include "MemoryRegistryKey.h"
#include "NameCompare.h"

namespace {

// Character names of listed files, as if read from them.
std::string NameOf(const std::string& path) {
    if (path.find("pip") != std::string::npos) return "Pip";
    if (path.find("ball") != std::string::npos) return "Ball";
    return "";  // unreadable
}

}  // namespace

TEST(FileList, CountAndAddFollowTheRunUpToTheFirstGap) {
    MemoryRegistryKey key;
    CFileList list(key);
    EXPECT_EQ(list.Count(), 0);
    ASSERT_TRUE(list.Add("C:\\a.rux"));
    EXPECT_EQ(key.values.at("File_1"), "C:\\a.rux");
    EXPECT_EQ(list.Count(), 1);
    key.values = {{"File_1", "a"}, {"File_2", "b"}, {"File_4", "d"}};
    EXPECT_EQ(list.Count(), 2);
    ASSERT_TRUE(list.Add("c"));
    EXPECT_EQ(key.values.at("File_3"), "c");
    EXPECT_EQ(list.Count(), 4) << "the gap is filled, so File_4 joins the list";
    EXPECT_FALSE(list.Add("")) << "an empty path is never listed";
    EXPECT_EQ(key.values.size(), 4u);
}

TEST(FileList, AValueTooLongForTheBufferEndsTheList) {
    MemoryRegistryKey key;
    CFileList list(key);
    key.values = {{"File_1", std::string(255, 'x')}, {"File_2", std::string(256, 'y')}, {"File_3", "z"}};
    EXPECT_EQ(list.Count(), 1);
    EXPECT_FALSE(list.PathAt(2));
    EXPECT_FALSE(list.FindPath("z"));
}

TEST(FileList, RemoveTakesEveryMatchAndClosesTheGaps) {
    MemoryRegistryKey key;
    CFileList list(key);
    key.values = {{"File_1", "c:\\pip1.rux"}, {"File_2", "c:\\ball.rux"}, {"File_3", "c:\\pip2.rux"}};
    EXPECT_EQ(list.Remove("PIP", NameOf), 2);
    EXPECT_EQ(key.values, (std::map<std::string, std::string>{{"File_1", "c:\\ball.rux"}}));
    key.values = {{"File_1", "c:\\broken.rux"}, {"File_2", "c:\\pip.rux"}, {"File_3", "c:\\pip.rux"},
                  {"File_4", "c:\\ball.rux"}};
    EXPECT_EQ(list.Remove("pip", NameOf), 2);
    EXPECT_EQ(key.values, (std::map<std::string, std::string>{{"File_1", "c:\\broken.rux"}, {"File_2", "c:\\ball.rux"}}));
    EXPECT_EQ(list.Remove("Nobody", NameOf), 0);
    EXPECT_EQ(list.Remove("", NameOf), 1) << "an unreadable file has an empty name";
}

TEST(FileList, FindPathIgnoresOnlyAsciiLetterCase) {
    MemoryRegistryKey key;
    CFileList list(key);
    key.values = {{"File_1", "C:\\Chars\\Pip.rux"}, {"File_2", "C:\\Chars\\\xC9t\xE9.rux"}};
    EXPECT_EQ(list.FindPath("c:\\chars\\PIP.RUX"), 1);
    EXPECT_EQ(list.FindPath("C:\\Chars\\\xC9t\xE9.rux"), 2);
    EXPECT_FALSE(list.FindPath("C:\\Chars\\\xE9t\xE9.rux")) << "only A to Z fold";
    EXPECT_FALSE(list.FindPath("C:\\Chars\\Pip.ru"));
    const std::optional<ListedFile> entry = list.FindEntry("c:\\chars\\PIP.RUX");
    ASSERT_TRUE(entry);
    key.values.clear();  // removed by another program after the match
    EXPECT_EQ(entry->index, 1);
    EXPECT_EQ(entry->path, "C:\\Chars\\Pip.rux") << "the listed spelling, kept from the match";
}

TEST(NameCompare, WideAndNarrow) {
    EXPECT_TRUE(EqualsIgnoringAsciiCase(std::string_view("Walk"), std::string_view("wALK")));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(std::string_view("Walk"), std::string_view("Walks")));
    EXPECT_FALSE(EqualsIgnoringAsciiCase(std::string_view("["), std::string_view("{")));
    EXPECT_TRUE(EqualsIgnoringAsciiCase<char16_t>(u"Ball", u"bALL"));
    EXPECT_FALSE(EqualsIgnoringAsciiCase<char16_t>(u"\u00C9", u"\u00E9"));
}

TEST(FileList, RemovePathTakesOutThatPathAloneAndMovesTheRestDown) {
    MemoryRegistryKey key;
    CFileList list(key);
    key.values = {{"File_1", "C:\\Other\\pip.rux"}, {"File_2", "C:\\VimroGE\\Pip.rux"},
                  {"File_3", "C:\\Mine\\ball.rux"}, {"File_4", "c:\\vimroge\\PIP.RUX"}, {"File_6", "after gap"}};
    EXPECT_EQ(list.RemovePath("C:\\VimroGE\\Pip.rux"), 2) << "A to Z compare without case";
    EXPECT_EQ(key.values.at("File_1"), "C:\\Other\\pip.rux") << "the same character elsewhere stays";
    EXPECT_EQ(key.values.at("File_2"), "C:\\Mine\\ball.rux");
    EXPECT_EQ(key.values.count("File_3"), 0u);
    EXPECT_EQ(key.values.count("File_4"), 0u);
    EXPECT_EQ(key.values.at("File_6"), "after gap") << "values past the first gap are not part of the list";
    EXPECT_EQ(list.RemovePath("C:\\nowhere.rux"), 0);
    EXPECT_EQ(list.Count(), 2);
}
