#pragma once
// What the component client tests share: registering the server, the installed-file list,
// calls by name through IDispatch, reported errors, message loops and message boxes.
#include "PlatformHeaders.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "ComPtr.h"
#include "ServerRegistration.h"
#include "TestCharacters.h"
#include "VimroGE.h"

namespace component_tests {


// The test character files, written once per process into a fresh folder.
const test_characters::TestFiles& Files();

// The installed-file list: exactly these paths as File_1, File_2, ...
void SetFileList(const std::vector<std::string>& paths);
std::vector<std::string> FileList();  // File_1 ... up to the first gap
// Makes HKCU\Software\Orvane volatile, so that the non-volatile list key cannot be created.
class InaccessibleFileList {
public:
    InaccessibleFileList();
    ~InaccessibleFileList();
    InaccessibleFileList(const InaccessibleFileList&) = delete;
    InaccessibleFileList& operator=(const InaccessibleFileList&) = delete;
};

// The calling thread's error information, taken.
struct ReportedError {
    std::wstring description, source;
};
ReportedError TakeError();

// Dispatches the thread's messages until done() or the time is up; true when done.
bool PumpUntil(const std::function<bool()>& done, DWORD milliseconds = 5000);
void PumpFor(DWORD milliseconds);

// Calls a member by name through IDispatch; arguments in natural order.
struct DispatchResult {
    HRESULT result = E_FAIL;
    VARIANT value{};
    EXCEPINFO exception{};
    DispatchResult();
    ~DispatchResult();
    DispatchResult(const DispatchResult&) = delete;
    DispatchResult& operator=(const DispatchResult&) = delete;
};
void CallByName(IDispatch* object, const wchar_t* name, WORD flags, std::vector<VARIANT> arguments,
                DispatchResult& out);
VARIANT StringArg(const wchar_t* text);  // owned by the call (cleared after it)
VARIANT IntArg(int32_t value);
VARIANT ShortArg(int16_t value);

// Watches for message boxes of the given captions from another thread: records their texts
// and dismisses them with OK.
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
    struct Box {
        std::string caption, text;
    };
    std::vector<Box> Boxes() const;

private:
    void Watch();
    mutable std::mutex m_lock;
    std::vector<Box> m_boxes;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// A sink of _ICharacterEvents that records every event.
struct RecordedEvent {
    DISPID id;
    std::vector<int32_t> arguments;  // in declaration order
};

class EventSink final : public IDispatch {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(++m_references); }
    STDMETHODIMP_(ULONG) Release() override { return static_cast<ULONG>(--m_references); }  // owned by the test
    STDMETHODIMP GetTypeInfoCount(UINT* count) override;
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                        UINT*) override;

    std::vector<RecordedEvent> events;
    std::function<void(const RecordedEvent&)> onEvent;  // runs inside the event
    long References() const { return m_references; }

private:
    long m_references = 0;
};

// Connects a sink through IConnectionPointContainer; the cookie, 0 on failure.
DWORD Connect(IUnknown* source, IUnknown* sink);
void Disconnect(IUnknown* source, DWORD cookie);

// Counts of events of one kind, and the arguments of the first.
size_t CountOf(const std::vector<RecordedEvent>& events, DISPID id);
bool HasEvent(const std::vector<RecordedEvent>& events, DISPID id, std::vector<int32_t> arguments);

enum EventIds : DISPID {
    kKeyEvent = 1, kChangeZOrderEvent, kRequestStartEvent, kRequestCompleteEvent, kContextMenuEvent, kMoveEvent,
    kRButtonClickEvent, kRButtonDblClickEvent, kLButtonClickEvent, kLButtonDblClickEvent, kLButtonUpEvent
};

// An engine created by ProgID, with the calling thread in a single-threaded apartment.
com::ComPtr<IGraphicEngine> CreateEngine();
com::ComPtr<ICharacter> LoadCharacter(IGraphicEngine* engine, const wchar_t* id, const wchar_t* name,
                                      HWND owner = nullptr);

// How late WaitForRequest returns, in milliseconds, over a number of waits for Stand: its
// return against the time the character thread posted the completion (the message time seen
// inside RequestComplete). Waits that did not see their completion are left out.
std::vector<double> WaitLatenesses(ICharacter* character, int waits);

}  // namespace component_tests
