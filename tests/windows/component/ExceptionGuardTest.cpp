// No C++ exception leaves a member of the module: a client's file object whose FileName
// throws reaches GraphicFiles.Add, which must answer with an error, not end the process.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "ComTestSupport.h"

using namespace component_tests;

namespace {

// An IGraphicFile of the client's own whose FileName throws.
class ThrowingFile final : public IGraphicFile {
public:
    explicit ThrowingFile(void (*thrower)()) : m_thrower(thrower) {}
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, IID_IGraphicFile)) {
            *object = static_cast<IGraphicFile*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }
    STDMETHODIMP getAnimationNames(VARIANT*) override { return E_NOTIMPL; }
    STDMETHODIMP get_characterName(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_Comment(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP put_Comment(BSTR) override { return E_NOTIMPL; }
    STDMETHODIMP get_Version(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_FileTitle(BSTR*) override { return E_NOTIMPL; }
    STDMETHODIMP get_FileName(BSTR*) override {
        m_thrower();
        return E_NOTIMPL;
    }
    STDMETHODIMP put_FileName(BSTR) override { return E_NOTIMPL; }

private:
    void (*m_thrower)();
};

com::ComPtr<IGraphicFiles> MakeFiles() {
    CLSID classId{};
    com::ComPtr<IGraphicFiles> files;
    if (SUCCEEDED(CLSIDFromProgID(L"VimroGE.GraphicFiles", &classId))) {
        CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicFiles, files.PutVoid());
    }
    return files;
}

}  // namespace

TEST(ExceptionGuard, OutOfMemoryAnswersEOutOfMemoryAndAnythingElseIsAReportedError) {
#if defined(__i386__)
    // 32-bit MinGW unwinds with tables each module registers for itself: an exception thrown
    // in this program cannot pass through the DLL's frames to reach its guard. The guard is the
    // same code in both builds; the 64-bit run, whose unwinding is the system's, tests it.
    GTEST_SKIP() << "an exception from the client cannot unwind through the 32-bit DLL";
#endif
    SetFileList({});
    const com::ComPtr<IGraphicFiles> files = MakeFiles();
    ASSERT_TRUE(files);
    ThrowingFile outOfMemory([] { throw std::bad_alloc(); });
    EXPECT_EQ(files->Add(&outOfMemory), E_OUTOFMEMORY);
    const ReportedError memoryError = TakeError();
    EXPECT_EQ(memoryError.description, L"Out of memory");
    EXPECT_EQ(memoryError.source, L"VimroGE.GraphicFiles.1");

    ThrowingFile failing([] { throw std::runtime_error("thrown by the client"); });
    EXPECT_EQ(files->Add(&failing), DISP_E_EXCEPTION);
    const ReportedError otherError = TakeError();
    EXPECT_EQ(otherError.description, L"Unexpected Error.");
    EXPECT_EQ(otherError.source, L"VimroGE.GraphicFiles.1");
    LONG count = -1;
    EXPECT_EQ(files->Count(&count), S_OK) << "the object goes on working";
    EXPECT_EQ(count, 0);
}
