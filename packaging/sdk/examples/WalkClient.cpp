// A minimal early-bound client of VimroGE.dll: creates the engine, loads an installed
// character, connects a sink to its events, walks it 120 pixels to the right, waits for the
// walk to end, says so in a speech balloon (ICharacter2, type library 1.1) and unloads it.
//   walk_client [character]       (default: Pip, the sample character of the package)
// The engine must be registered (register.cmd) and the character installed
// (cscript install-character.vbs samples). Builds with CMakeLists.txt beside this file.
#include <windows.h>
#include <wrl/client.h>

#include <cstdio>
#include <string>

#include "VimroGE.h"

using Microsoft::WRL::ComPtr;

namespace {

// COM on this thread, in a single-threaded apartment, for the object's lifetime.
class ComApartment {
public:
    ComApartment() : m_result(CoInitialize(nullptr)) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    bool Ready() const { return SUCCEEDED(m_result); }

private:
    HRESULT m_result;
};

// A string owned by the caller, freed when it goes.
class Bstr {
public:
    explicit Bstr(const wchar_t* text) : m_text(SysAllocString(text)) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(m_text); }
    BSTR Get() const { return m_text; }

private:
    BSTR m_text;
};

// The sink of one character's _ICharacterEvents: prints the requests' starts and completions.
// It lives on the caller's stack, so its reference count decides nothing.
class RequestPrinter final : public IDispatch {
public:
    bool HasCompleted(LONG request) const { return m_lastCompleted == request; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID__ICharacterEvents) {
            *object = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return --m_references; }
    STDMETHODIMP GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    // Every event parameter is a 4-byte integer; the one of RequestStart (3) and
    // RequestComplete (4) is the request ID.
    STDMETHODIMP Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if ((event == 3 || event == 4) && parameters->cArgs == 1) {
            const LONG request = parameters->rgvarg[0].lVal;
            std::printf("%s(%ld)\n", event == 3 ? "RequestStart" : "RequestComplete", request);
            if (event == 4) m_lastCompleted = request;
        }
        return S_OK;
    }

private:
    ULONG m_references = 1;
    LONG m_lastCompleted = 0;
};

// A sink connected to a character's events while the object lives.
class EventConnection {
public:
    EventConnection(IUnknown* source, IDispatch* sink) {
        ComPtr<IConnectionPointContainer> container;
        if (FAILED(source->QueryInterface(IID_IConnectionPointContainer, &container))) return;
        if (FAILED(container->FindConnectionPoint(DIID__ICharacterEvents, &m_point))) return;
        if (FAILED(m_point->Advise(sink, &m_cookie))) m_cookie = 0;
    }
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection() {
        if (m_cookie != 0) m_point->Unadvise(m_cookie);
    }
    bool Connected() const { return m_cookie != 0; }

private:
    ComPtr<IConnectionPoint> m_point;
    DWORD m_cookie = 0;
};

// Prints what failed, with the text of the error the engine reported, and gives exit code 1.
int Failure(const char* what, HRESULT result) {
    std::printf("%s failed: 0x%08lX", what, static_cast<unsigned long>(result));
    ComPtr<IErrorInfo> error;
    BSTR text = nullptr;
    if (GetErrorInfo(0, &error) == S_OK && SUCCEEDED(error->GetDescription(&text)) && text != nullptr) {
        std::printf(" %ls", text);
        SysFreeString(text);
    }
    std::printf("\n");
    return 1;
}

std::wstring Widened(const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

// The second version of the character interface: balloons are off until a client turns them
// on, and Speak is then a request like Play.
void SayWhereItStands(ICharacter* character, LONG x) {
    ComPtr<ICharacter2> character2;
    ComPtr<IBalloon> balloon;
    if (FAILED(character->QueryInterface(IID_ICharacter2, &character2)) ||
        FAILED(character2->get_Balloon(&balloon)) || FAILED(balloon->put_Enabled(1))) {
        std::printf("no balloons: an engine older than type library 1.1\n");
        return;
    }
    const Bstr text((L"I walked to x " + std::to_wstring(x) + L".").c_str());
    LONG request = 0, cause = 1;
    character2->Speak(text.Get(), &request);
    character2->WaitForRequest(request, &cause);
    std::printf("speak %ld %s\n", request, cause == 0 ? "completed" : "timed out");
}

int WalkCharacter(const std::wstring& characterName) {
    ComPtr<IGraphicEngine> engine;
    HRESULT result = CoCreateInstance(CLSID_GraphicEngine, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphicEngine,
                                      &engine);
    if (FAILED(result)) return Failure("creating the engine (is it registered?)", result);

    const Bstr id(L"walker");
    const Bstr name(characterName.c_str());
    ComPtr<ICharacter> character;
    // The owner window: none.
    result = engine->Load(id.Get(), name.Get(), nullptr, &character);
    if (FAILED(result)) return Failure("Load", result);

    RequestPrinter printer;
    LONG request = 0;
    LONG cause = 1;
    LONG x = 0;
    bool sinkSawWalk = false;
    {
        const EventConnection connection(character.Get(), &printer);
        if (!connection.Connected()) std::printf("no event sink connected\n");
        character->SetPosition(300, 500);
        character->put_Visible(1);
        const Bstr walk(L"Walk");
        character->Play(walk.Get(), 420, 500, 1, &request);  // 1: travel to the destination
        character->WaitForRequest(request, &cause);          // events arrive while it waits
        character->get_X(&x);
        sinkSawWalk = printer.HasCompleted(request);  // before the balloon's request completes
        SayWhereItStands(character.Get(), x);
    }
    std::printf("request %ld %s at x %ld; the sink %s its completion\n", request,
                cause == 0 ? "completed" : "timed out", x, sinkSawWalk ? "saw" : "missed");

    result = engine->Unload(id.Get());
    if (FAILED(result)) return Failure("Unload", result);
    return cause == 0 && sinkSawWalk ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const ComApartment apartment;
    if (!apartment.Ready()) return 1;
    // The character is released, and its thread has ended, before the apartment goes.
    return WalkCharacter(argc > 1 ? Widened(argv[1]) : std::wstring(L"Pip"));
}
