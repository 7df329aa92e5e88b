// Peak memory of GraphicFile.FileName on one file, under Wine: the module is loaded from the
// given path and its class object asked directly, so no registration is needed.
//   file_memory_figures VimroGE.dll file.rux
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "VimroGE.h"

namespace {

std::wstring Widened(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

size_t PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)) ? counters.PeakWorkingSetSize : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: file_memory_figures VimroGE.dll file.rux\n");
        return 2;
    }
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    HMODULE module = LoadLibraryW(Widened(argv[1]).c_str());
    if (module == nullptr) return 1;
    using GetClassObject = HRESULT(__stdcall*)(REFCLSID, REFIID, void**);
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    IClassFactory* factory = nullptr;
    if (getClassObject == nullptr || FAILED(getClassObject(CLSID_GraphicFile, IID_IClassFactory,
                                                           reinterpret_cast<void**>(&factory)))) {
        return 1;
    }
    IGraphicFile* file = nullptr;
    if (FAILED(factory->CreateInstance(nullptr, IID_IGraphicFile, reinterpret_cast<void**>(&file)))) return 1;
    const size_t before = PeakWorkingSet();
    BSTR path = SysAllocString(Widened(argv[2]).c_str());
    const HRESULT result = file->put_FileName(path);
    SysFreeString(path);
    std::printf("FileName 0x%08lx, peak working set %zu KiB before, %zu KiB after\n",
                static_cast<unsigned long>(result), before / 1024, PeakWorkingSet() / 1024);
    file->Release();
    factory->Release();
    return 0;
}
