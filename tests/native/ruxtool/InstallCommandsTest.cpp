// ruxtool install and uninstall over an in-memory installed-file list.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "CommandLine.h"
#include "MemoryRegistryKey.h"
#include "TestSupport.h"

namespace {

// The commands open the list once per run; every opening sees this one key.
class SharedKey : public IRegistryKey {
public:
    explicit SharedKey(MemoryRegistryKey& key) : m_key(key) {}
    bool IsInvalid() const override { return m_key.IsInvalid(); }
    std::optional<std::string> ReadString(const std::string& name) override { return m_key.ReadString(name); }
    bool WriteString(const std::string& name, const std::string& text) override { return m_key.WriteString(name, text); }
    bool DeleteValue(const std::string& name) override { return m_key.DeleteValue(name); }

private:
    MemoryRegistryKey& m_key;
};

struct ListRun {
    MemoryRegistryKey key;
    CommandResult Run(const std::vector<std::string>& args) {
        std::ostringstream out, err;
        CommandResult result;
        result.exitCode =
            RunCommandLine(args, out, err, [this] { return std::unique_ptr<IRegistryKey>(new SharedKey(key)); });
        result.out = out.str();
        result.err = err.str();
        return result;
    }
};

std::string SaveRichModel(const TempDir& dir, const std::string& name) {
    const std::string path = dir.File(name);
    EXPECT_TRUE(RichModel().Save(path));
    return path;
}

}  // namespace

TEST(InstallCommands, InstallTakesTheFirstFreeIndexOnceAndUninstallTakesOutThatPathAlone) {
    TempDir dir;
    const std::string first = SaveRichModel(dir, "first.rux");
    const std::string second = SaveRichModel(dir, "second.rux");
    ListRun list;
    list.key.values = {{"File_1", "C:\\kept.rux"}, {"File_3", "past the gap"}};

    CommandResult result = list.Run({"install", first, second});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(list.key.values.at("File_2"), first) << "the first missing index, as GraphicFiles.Add";
    EXPECT_EQ(list.key.values.at("File_4"), second) << "the gap filled, the run goes on to File_4";
    EXPECT_TRUE(Contains(result.out, "as File_2"));

    result = list.Run({"install", first});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(Contains(result.out, "already installed as File_2"));
    EXPECT_EQ(list.key.values.size(), 4u) << "a listed path is not listed twice";

    result = list.Run({"uninstall", first});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(list.key.values.at("File_1"), "C:\\kept.rux");
    EXPECT_EQ(list.key.values.at("File_2"), "past the gap") << "later entries move down, as GraphicFiles.Remove";
    EXPECT_EQ(list.key.values.at("File_3"), second);
    EXPECT_EQ(list.key.values.size(), 3u);
}

TEST(InstallCommands, RefusesWhatIsNoCharacterAndAListThatCannotBeOpened) {
    TempDir dir;
    WriteBytes(dir.File("broken.rux"), {1, 2, 3});
    ListRun list;
    CommandResult result = list.Run({"install", dir.File("broken.rux")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(list.key.values.empty());
    EXPECT_EQ(list.Run({"install"}).exitCode, 2);
    EXPECT_EQ(list.Run({"uninstall"}).exitCode, 2);

    list.key.invalid = true;
    result = list.Run({"install", SaveRichModel(dir, "good.rux")});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(Contains(result.err, "cannot be opened"));
    // Without a list (the native ruxtool) both commands say so.
    std::ostringstream out, err;
    EXPECT_EQ(RunCommandLine({"uninstall", "x.rux"}, out, err), 1);
    EXPECT_TRUE(Contains(err.str(), "Windows only"));
}
