// The walk client of WalkClient.cpp for Microsoft Visual C++ through #import: the compiler
// reads the type library and writes smart pointers (IGraphicEnginePtr, ICharacterPtr) whose
// members return the out-value and throw _com_error for a failed call.
//   walk_client_import [character]       (default: Pip)
// The engine must be registered and the character installed, as for walk_client.
#include <windows.h>

#include <comdef.h>

#include <cstdio>

// The type library's names stay in its namespace, so its copy of the handle types behind
// Load's owner window (wireHWND) does not collide with the platform headers' own.
#import "VimroGE.tlb"

namespace vge = VimroGraphicEngine;

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

// The sink of one character's _ICharacterEvents: prints the requests' starts and completions.
// It lives on the caller's stack, so its reference count decides nothing.
class RequestPrinter final : public IDispatch {
public:
    bool HasCompleted(long request) const { return m_lastCompleted == request; }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(vge::_ICharacterEvents)) {
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
    // RequestStart (3) and RequestComplete (4) carry the request ID, a 4-byte integer.
    STDMETHODIMP Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override {
        if ((event == 3 || event == 4) && parameters->cArgs == 1) {
            const long request = parameters->rgvarg[0].lVal;
            std::printf("%s(%ld)\n", event == 3 ? "RequestStart" : "RequestComplete", request);
            if (event == 4) m_lastCompleted = request;
        }
        return S_OK;
    }

private:
    ULONG m_references = 1;
    long m_lastCompleted = 0;
};

// A sink connected to a character's events while the object lives.
class EventConnection {
public:
    EventConnection(IUnknown* source, IDispatch* sink) {
        IConnectionPointContainerPtr container(source);
        if (!container) return;
        if (FAILED(container->FindConnectionPoint(__uuidof(vge::_ICharacterEvents), &m_point))) return;
        if (FAILED(m_point->Advise(sink, &m_cookie))) m_cookie = 0;
    }
    EventConnection(const EventConnection&) = delete;
    EventConnection& operator=(const EventConnection&) = delete;
    ~EventConnection() {
        if (m_cookie != 0) m_point->Unadvise(m_cookie);
    }
    bool Connected() const { return m_cookie != 0; }

private:
    IConnectionPointPtr m_point;
    DWORD m_cookie = 0;
};

int WalkCharacter(const _bstr_t& characterName) {
    vge::IGraphicEnginePtr engine(__uuidof(vge::GraphicEngine));
    const _bstr_t id(L"walker");
    // The owner window: none.
    vge::ICharacterPtr character = engine->Load(id, characterName, nullptr);

    RequestPrinter printer;
    long request = 0;
    long cause = 1;
    long x = 0;
    {
        const EventConnection connection(character, &printer);
        if (!connection.Connected()) std::printf("no event sink connected\n");
        character->SetPosition(300, 500);
        character->Visible = 1;
        request = character->Play(L"Walk", 420, 500, 1);  // 1: travel to the destination
        cause = character->WaitForRequest(request);       // events arrive while it waits
        x = character->X;
    }
    std::printf("request %ld %s at x %ld; the sink %s its completion\n", request,
                cause == 0 ? "completed" : "timed out", x, printer.HasCompleted(request) ? "saw" : "missed");
    engine->Unload(id);
    return cause == 0 && printer.HasCompleted(request) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const ComApartment apartment;
    if (!apartment.Ready()) return 1;
    try {
        // The character and the engine are released before the apartment goes.
        return WalkCharacter(argc > 1 ? _bstr_t(argv[1]) : _bstr_t(L"Pip"));
    } catch (const _com_error& error) {
        std::printf("failed: 0x%08lX %ls\n", static_cast<unsigned long>(error.Error()),
                    error.Description().length() != 0 ? static_cast<const wchar_t*>(error.Description()) : L"");
        return 1;
    }
}
