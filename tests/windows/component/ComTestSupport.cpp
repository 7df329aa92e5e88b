#include "ComTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "Bstr.h"
#include "TestModels.h"

namespace component_tests {

const test_characters::TestFiles& Files() {
    static const test_characters::TestFiles files = [] {
        std::string folder = testing_models::TempFolder("component");
        std::replace(folder.begin(), folder.end(), '/', '\\');
        return test_characters::WriteAll(folder);
    }();
    return files;
}

namespace {

constexpr const char* kListKey = "Software\\Orvane\\RUX";

class Key {
public:
    explicit Key(const char* path) { RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key, nullptr); }
    ~Key() {
        if (m_key != nullptr) RegCloseKey(m_key);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

}  // namespace

void SetFileList(const std::vector<std::string>& paths) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kListKey);
    const Key key(kListKey);
    ASSERT_NE(key.Get(), nullptr);
    for (size_t i = 0; i < paths.size(); ++i) {
        const std::string name = "File_" + std::to_string(i + 1);
        RegSetValueExA(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(paths[i].data()),
                       static_cast<DWORD>(paths[i].size()));
    }
}

std::vector<std::string> FileList() {
    std::vector<std::string> paths;
    const Key key(kListKey);
    for (int i = 1;; ++i) {
        char buffer[512] = {};
        DWORD size = sizeof(buffer) - 1;
        const std::string name = "File_" + std::to_string(i);
        if (RegQueryValueExA(key.Get(), name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size) != 0) break;
        paths.emplace_back(buffer, strnlen(buffer, size));
    }
    return paths;
}

InaccessibleFileList::InaccessibleFileList() {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvane");
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Orvane", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    if (key != nullptr) RegCloseKey(key);
}

InaccessibleFileList::~InaccessibleFileList() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Orvane"); }

ReportedError TakeError() {
    ReportedError error;
    com::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info) return error;
    com::Bstr description, source;
    info->GetDescription(description.Put());
    info->GetSource(source.Put());
    error.description = description.Text();
    error.source = source.Text();
    return error;
}

bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
    return true;
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

DispatchResult::DispatchResult() { VariantInit(&value); }
DispatchResult::~DispatchResult() {
    VariantClear(&value);
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
}

void CallByName(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
                DispatchResult& out) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    out.result = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(out.result)) return;
    std::reverse(arguments.begin(), arguments.end());
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS parameters{arguments.data(), nullptr, static_cast<UINT>(arguments.size()), 0};
    if (flags & DISPATCH_PROPERTYPUT) {
        parameters.rgdispidNamedArgs = &put;
        parameters.cNamedArgs = 1;
    }
    UINT argumentError = 0;
    out.result = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &parameters,
                                (flags & DISPATCH_PROPERTYPUT) ? nullptr : &out.value, &out.exception, &argumentError);
    for (VARIANT& argument : arguments) {
        if ((argument.vt & VT_BYREF) == 0) VariantClear(&argument);
    }
}

VARIANT StringArg(const wchar_t* text) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_BSTR;
    value.bstrVal = SysAllocString(text);
    return value;
}

VARIANT IntArg(int32_t number) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = number;
    return value;
}

VARIANT ShortArg(int16_t number) {
    VARIANT value;
    VariantInit(&value);
    value.vt = VT_I2;
    value.iVal = number;
    return value;
}

MessageBoxWatcher::MessageBoxWatcher() : m_thread([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
    m_stop = true;
    m_thread.join();
}

std::vector<MessageBoxWatcher::Box> MessageBoxWatcher::Boxes() const {
    const std::lock_guard<std::mutex> guard(m_lock);
    return m_boxes;
}

namespace {

// The texts of a dialog's static controls; a message box's text is the longest of them.
BOOL CALLBACK CollectText(HWND child, LPARAM found) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof(className));
    if (_stricmp(className, "Static") != 0) return TRUE;
    char text[512] = {};
    GetWindowTextA(child, text, sizeof(text));
    std::string& longest = *reinterpret_cast<std::string*>(found);
    if (strlen(text) > longest.size()) longest = text;
    return TRUE;
}

struct FoundBox {
    const char* caption;
    HWND box = nullptr;
};

// A visible message box of this process with the caption (other test programs may show theirs).
// Nothing here sends a message: the thread that owns a window may be waiting for this one.
BOOL CALLBACK FindOwnBox(HWND window, LPARAM found) {
    auto& wanted = *reinterpret_cast<FoundBox*>(found);
    char className[16] = {};
    wchar_t caption[64] = {};
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    GetClassNameA(window, className, sizeof(className));
    if (process != GetCurrentProcessId() || strcmp(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    InternalGetWindowText(window, caption, 64);
    if (std::wstring(caption) != std::wstring(wanted.caption, wanted.caption + strlen(wanted.caption))) return TRUE;
    wanted.box = window;
    return FALSE;
}

}  // namespace

void MessageBoxWatcher::Watch() {
    while (!m_stop) {
        for (const char* caption : {"Error", "Fatal Error"}) {
            FoundBox found{caption};
            EnumWindows(&FindOwnBox, reinterpret_cast<LPARAM>(&found));
            if (found.box == nullptr) continue;
            std::string text;
            EnumChildWindows(found.box, &CollectText, reinterpret_cast<LPARAM>(&text));
            {
                const std::lock_guard<std::mutex> guard(m_lock);
                m_boxes.push_back({caption, text});
            }
            SendMessageA(found.box, WM_COMMAND, IDOK, 0);
            // The same box must not be seen twice while it closes.
            for (int i = 0; i < 200 && IsWindow(found.box) && IsWindowVisible(found.box); ++i) Sleep(5);
        }
        Sleep(10);
    }
}

STDMETHODIMP EventSink::QueryInterface(REFIID iid, void** object) {
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch) || IsEqualIID(iid, DIID__ICharacterEvents)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP EventSink::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

STDMETHODIMP EventSink::Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                               UINT*) {
    RecordedEvent event{member, {}};
    for (UINT i = parameters->cArgs; i > 0; --i) {
        const VARIANT& argument = parameters->rgvarg[i - 1];
        event.arguments.push_back(argument.vt == VT_I4 ? argument.lVal : INT32_MIN);
    }
    events.push_back(event);
    if (onEvent) onEvent(event);
    return S_OK;
}

DWORD Connect(IUnknown* source, IUnknown* sink) {
    const auto container = com::QueryAs<IConnectionPointContainer>(source);
    com::ComPtr<IConnectionPoint> point;
    if (!container || FAILED(container->FindConnectionPoint(DIID__ICharacterEvents, point.Put()))) return 0;
    DWORD cookie = 0;
    point->Advise(sink, &cookie);
    return cookie;
}

void Disconnect(IUnknown* source, DWORD cookie) {
    const auto container = com::QueryAs<IConnectionPointContainer>(source);
    com::ComPtr<IConnectionPoint> point;
    if (container && SUCCEEDED(container->FindConnectionPoint(DIID__ICharacterEvents, point.Put()))) point->Unadvise(cookie);
}

size_t CountOf(const std::vector<RecordedEvent>& events, DISPID id) {
    return static_cast<size_t>(std::count_if(events.begin(), events.end(), [&](const RecordedEvent& e) { return e.id == id; }));
}

bool HasEvent(const std::vector<RecordedEvent>& events, DISPID id, std::vector<int32_t> arguments) {
    return std::any_of(events.begin(), events.end(),
                       [&](const RecordedEvent& e) { return e.id == id && e.arguments == arguments; });
}

com::ComPtr<IGraphicEngine> CreateEngine() {
    CLSID classId{};
    com::ComPtr<IGraphicEngine> engine;
    if (FAILED(CLSIDFromProgID(L"VimroGE.GraphicEngine", &classId))) return engine;
    CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine, engine.PutVoid());
    return engine;
}

com::ComPtr<ICharacter> LoadCharacter(IGraphicEngine* engine, const wchar_t* id, const wchar_t* name, HWND owner) {
    com::ComPtr<ICharacter> character;
    const com::Bstr idText(id), nameText(name);
    engine->Load(idText.Get(), nameText.Get(), owner, character.Put());
    return character;
}

std::vector<double> WaitLatenesses(ICharacter* character, int waits) {
    EventSink sink;
    LONG posted = 0;
    sink.onEvent = [&posted](const RecordedEvent& event) {
        if (event.id == kRequestCompleteEvent) posted = GetMessageTime();
    };
    const DWORD cookie = Connect(character, &sink);
    const com::Bstr stand(L"Stand");
    std::vector<double> latenesses;
    for (int i = 0; i < waits; ++i) {
        LONG id = 0, cause = 1;
        character->Play(stand.Get(), 0, 0, 0, &id);
        character->WaitForRequest(id, &cause);
        const DWORD returned = GetTickCount();
        if (cause == 0) latenesses.push_back(static_cast<double>(returned - static_cast<DWORD>(posted)));
    }
    Disconnect(character, cookie);
    return latenesses;
}

}  // namespace component_tests
