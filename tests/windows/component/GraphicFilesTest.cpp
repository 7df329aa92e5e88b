// The installed-file list and file descriptions through their interfaces, on the real
// registry key of the Wine prefix.
#include <gtest/gtest.h>

#include "Bstr.h"
#include "ComTestSupport.h"
#include "SafeArray.h"
#include "Variant.h"

using namespace component_tests;

namespace {

template <class Interface>
com::ComPtr<Interface> Create(const wchar_t* progId) {
    CLSID classId{};
    com::ComPtr<Interface> object;
    if (SUCCEEDED(CLSIDFromProgID(progId, &classId))) {
        CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(Interface), object.PutVoid());
    }
    return object;
}

com::ComPtr<IGraphicFile> OpenFile(const std::string& path) {
    com::ComPtr<IGraphicFile> file = Create<IGraphicFile>(L"VimroGE.GraphicFile");
    const com::Bstr name(std::wstring(path.begin(), path.end()));
    if (file) file->put_FileName(name.Get());
    return file;
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::vector<std::wstring> Names(IGraphicFile* file) {
    com::Variant names;
    std::vector<std::wstring> texts;
    if (SUCCEEDED(file->getAnimationNames(names.Get())) && names.Type() == (VT_ARRAY | VT_BSTR)) {
        com::ReadStringArray(names.Get()->parray, texts);
    }
    return texts;
}

class GraphicFilesTest : public testing::Test {
protected:
    void SetUp() override {
        files = Create<IGraphicFiles>(L"VimroGE.GraphicFiles");
        ASSERT_TRUE(files);
        SetFileList({});
    }
    void TearDown() override { SetFileList({}); }

    // The reported error of the last failed call, checked against text and source.
    void ExpectError(HRESULT result, const wchar_t* text, const wchar_t* source = L"VimroGE.GraphicFiles.1") {
        EXPECT_EQ(result, DISP_E_EXCEPTION);
        const ReportedError error = TakeError();
        EXPECT_EQ(error.description, text);
        EXPECT_EQ(error.source, source);
    }

    com::ComPtr<IGraphicFiles> files;
};

VARIANT Number(VARTYPE type, long long value) {
    VARIANT index;
    VariantInit(&index);
    index.vt = type;
    if (type == VT_I4) index.lVal = static_cast<LONG>(value);
    if (type == VT_I2) index.iVal = static_cast<SHORT>(value);
    if (type == VT_I1) index.cVal = static_cast<CHAR>(value);
    if (type == VT_R8) index.dblVal = static_cast<double>(value);
    return index;
}

}  // namespace

TEST_F(GraphicFilesTest, AddAppendsAtTheFirstGapAndCountStopsThere) {
    LONG count = -1;
    ASSERT_EQ(files->Count(&count), S_OK);
    EXPECT_EQ(count, 0);
    ASSERT_EQ(files->Add(OpenFile(Files().hero).Get()), S_OK);
    ASSERT_EQ(files->Count(&count), S_OK);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(FileList(), std::vector<std::string>{Files().hero});

    SetFileList({"a", "b", "c", "d"});
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Orvane\\RUX", 0, KEY_ALL_ACCESS, &key);
    RegDeleteValueA(key, "File_3");
    RegCloseKey(key);
    ASSERT_EQ(files->Count(&count), S_OK);
    EXPECT_EQ(count, 2);
    ASSERT_EQ(files->Add(OpenFile(Files().ball).Get()), S_OK);
    EXPECT_EQ(FileList(), (std::vector<std::string>{"a", "b", Files().ball, "d"}));
}

TEST_F(GraphicFilesTest, AddRefusesANullFileAndAFileWithoutName) {
    ExpectError(files->Add(nullptr), L"Null graphic file");
    com::ComPtr<IGraphicFile> empty = Create<IGraphicFile>(L"VimroGE.GraphicFile");
    ExpectError(files->Add(empty.Get()), L"Graphic file has no file name");
    EXPECT_TRUE(FileList().empty()) << "nothing is written for a file without name";
}

TEST_F(GraphicFilesTest, RemoveTakesEveryEntryOfTheCharacterAndCloses) {
    SetFileList({Files().hero, Files().ball, Files().hero, Files().garbage});
    const com::Bstr name(L"hERO");
    ASSERT_EQ(files->Remove(name.Get()), S_OK);
    EXPECT_EQ(FileList(), (std::vector<std::string>{Files().ball, Files().garbage}));
    const com::Bstr nobody(L"Nobody");
    EXPECT_EQ(files->Remove(nobody.Get()), S_OK);
    EXPECT_EQ(FileList().size(), 2u);
}

TEST_F(GraphicFilesTest, ItemByNumberOfAnyIntegerKindAndByPathInOtherCase) {
    SetFileList({Files().hero, Files().ball});
    for (const VARTYPE type : {VT_I4, VT_I2, VT_I1}) {
        com::ComPtr<IGraphicFile> item;
        ASSERT_EQ(files->Item(Number(type, 2), item.Put()), S_OK) << type;
        com::Bstr name;
        ASSERT_EQ(item->get_characterName(name.Put()), S_OK);
        EXPECT_EQ(name.Text(), L"Ball");
    }
    std::wstring upper = Wide(Files().hero);
    for (wchar_t& c : upper) c = static_cast<wchar_t>(towupper(c));
    VARIANT byPath;
    VariantInit(&byPath);
    byPath.vt = VT_BSTR;
    byPath.bstrVal = SysAllocString(upper.c_str());
    com::ComPtr<IGraphicFile> item;
    ASSERT_EQ(files->Item(byPath, item.Put()), S_OK);
    VariantClear(&byPath);
    com::Bstr fileName;
    item->get_FileName(fileName.Put());
    EXPECT_EQ(fileName.Text(), Wide(Files().hero)) << "the listed spelling";
}

TEST_F(GraphicFilesTest, ItemByReferenceToAVariant) {
    SetFileList({Files().hero});
    VARIANT number = Number(VT_I2, 1);
    VARIANT reference;
    VariantInit(&reference);
    reference.vt = VT_BYREF | VT_VARIANT;
    reference.pvarVal = &number;
    com::ComPtr<IGraphicFile> item;
    ASSERT_EQ(files->Item(reference, item.Put()), S_OK);
    EXPECT_TRUE(item);
    reference.pvarVal = nullptr;
    ExpectError(files->Item(reference, item.Put()), L"Error getting item");
}

TEST_F(GraphicFilesTest, ItemFailuresAndIndexesOfOtherKinds) {
    SetFileList({Files().hero, Files().garbage});
    IGraphicFile* untouched = reinterpret_cast<IGraphicFile*>(0x1234);
    ExpectError(files->Item(Number(VT_I4, 0), &untouched), L"File Not Exist");
    ExpectError(files->Item(Number(VT_I4, 3), &untouched), L"File Not Exist");
    EXPECT_EQ(untouched, reinterpret_cast<IGraphicFile*>(0x1234)) << "a missing value leaves the out-value";
    IGraphicFile* unreadable = reinterpret_cast<IGraphicFile*>(0x1234);
    ExpectError(files->Item(Number(VT_I4, 2), &unreadable), L"File Not Exist");
    EXPECT_EQ(unreadable, nullptr);
    IGraphicFile* other = reinterpret_cast<IGraphicFile*>(0x1234);
    EXPECT_EQ(files->Item(Number(VT_R8, 1), &other), S_OK);
    EXPECT_EQ(other, reinterpret_cast<IGraphicFile*>(0x1234)) << "a floating-point index gives no object";
}

TEST_F(GraphicFilesTest, AKeyThatCannotBeOpenedIsReportedByEveryMember) {
    const InaccessibleFileList blocked;
    LONG count = 0;
    ExpectError(files->Count(&count), L"Registry not accessible");
    IGraphicFile* item = nullptr;
    ExpectError(files->Item(Number(VT_I4, 1), &item), L"Registry not accessible");
    ExpectError(files->Add(OpenFile(Files().hero).Get()), L"Registry not accessible");
    const com::Bstr name(L"Hero");
    ExpectError(files->Remove(name.Get()), L"Registry not accessible");
}

TEST_F(GraphicFilesTest, AFileDescribesItsCharacterAndAnimationsInByteOrder) {
    com::ComPtr<IGraphicFile> file = OpenFile(Files().hero);
    ASSERT_TRUE(file);
    com::Bstr name, title, fileName;
    ASSERT_EQ(file->get_characterName(name.Put()), S_OK);
    EXPECT_EQ(name.Text(), L"Hero");
    ASSERT_EQ(file->get_FileTitle(title.Put()), S_OK);
    ASSERT_EQ(file->get_FileName(fileName.Put()), S_OK);
    EXPECT_EQ(title.Text(), fileName.Text());
    EXPECT_EQ(Names(file.Get()), (std::vector<std::wstring>{L"Empty", L"Kick", L"Stand", L"Walk", L"Wave"}));
    com::Bstr version;
    ExpectError(file->get_Version(version.Put()), L"Version is not valid", L"VimroGE.GraphicFile.1");
    EXPECT_TRUE(version.IsNull());
    ExpectError(file->get_Comment(version.Put()), L"Comment not initialized", L"VimroGE.GraphicFile.1");
    const com::Bstr comment(L"a note");
    ASSERT_EQ(file->put_Comment(comment.Get()), S_OK);
    com::Bstr read;
    ASSERT_EQ(file->get_Comment(read.Put()), S_OK);
    EXPECT_EQ(read.Text(), L"a note");
    ExpectError(file->put_Comment(nullptr), L"Comment is not valid", L"VimroGE.GraphicFile.1");
    ExpectError(file->getAnimationNames(nullptr), L"Null animation array", L"VimroGE.GraphicFile.1");
}

TEST_F(GraphicFilesTest, AFileWithMoreThanAHundredAnimationsKeepsEveryName) {
    const std::vector<std::wstring> names = Names(OpenFile(Files().crowd).Get());
    ASSERT_EQ(names.size(), 120u);
    EXPECT_EQ(names.front(), L"Anim000");
    EXPECT_EQ(names.back(), L"Anim119");
}

TEST_F(GraphicFilesTest, FileNameFailuresKeepWhatWasRead) {
    com::ComPtr<IGraphicFile> file = Create<IGraphicFile>(L"VimroGE.GraphicFile");
    com::Bstr empty;
    ExpectError(file->get_FileName(empty.Put()), L"Character not initialized", L"VimroGE.GraphicFile.1");
    ExpectError(file->put_FileName(nullptr), L"Null FileName", L"VimroGE.GraphicFile.1");
    const com::Bstr nameOnly(Wide(Files().nameOnly));
    ExpectError(file->put_FileName(nameOnly.Get()), L"Error opening graphic file", L"VimroGE.GraphicFile.1");
    com::Bstr name;
    ASSERT_EQ(file->get_characterName(name.Put()), S_OK);
    EXPECT_EQ(name.Text(), L"Ghost");
    EXPECT_TRUE(Names(file.Get()).empty());
}

TEST_F(GraphicFilesTest, ScriptsAddAFileThroughDispatch) {
    com::ComPtr<IDispatch> dispatch = com::QueryAs<IDispatch>(files.Get());
    com::ComPtr<IGraphicFile> file = OpenFile(Files().ball);
    VARIANT argument;
    VariantInit(&argument);
    argument.vt = VT_DISPATCH;
    argument.pdispVal = file.Get();
    file->AddRef();
    DispatchResult added;
    CallByName(dispatch.Get(), L"Add", DISPATCH_METHOD, {argument}, added);
    EXPECT_EQ(added.result, S_OK);
    EXPECT_EQ(FileList(), std::vector<std::string>{Files().ball});
    DispatchResult count;
    CallByName(dispatch.Get(), L"Count", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, count);
    EXPECT_EQ(count.result, S_OK);
    EXPECT_EQ(count.value.lVal, 1);
}
