#include "CCharacterThread.h"

#include <mmsystem.h>
#include <process.h>

#include "CharacterMessages.h"
#include "CharacterStartError.h"
#include "DpiAwareness.h"
#include "Log.h"
#include "OwnerWindowSlot.h"
#include "RuntimeConstants.h"
#include "ScopedHandles.h"
#include "SentMessageWait.h"

namespace {

constexpr DWORD kStartDirectoryBytes = 255;
constexpr int kMinimumBitsPerPixel = 16;

int ScreenBitsPerPixel() {
    const WindowDc screen(nullptr);
    return GetDeviceCaps(screen.Get(), BITSPIXEL);
}

}  // namespace

CCharacterThread::CCharacterThread(CharacterThreadOptions options)
    : m_window(*this), m_options(std::move(options)), m_clientDpiContext(CurrentThreadDpiContext()) {
    RecordStartDirectory();
    CheckColourDepth();
    CreateEvents();
    StartThread();
    WaitHandlingSentMessages(m_ready.Get(), INFINITE);
    if (!m_window.Exists()) {
        WaitForThreadEnd();
        throw CharacterStartError("Unable To create window");
    }
}

CCharacterThread::~CCharacterThread() {
    if (!m_thread) return;
    if (m_window.Exists()) PostMessageA(m_window.Handle(), CHM_CLOSE, 0, 0);
    WaitForThreadEnd();
}

void CCharacterThread::RecordStartDirectory() {
    char buffer[kStartDirectoryBytes] = {};
    const DWORD length = GetCurrentDirectoryA(kStartDirectoryBytes, buffer);
    if (length > 0 && length < kStartDirectoryBytes) m_startDirectory.assign(buffer, length);
}

void CCharacterThread::CheckColourDepth() const {
    const int bits = m_options.screenBitsPerPixel ? m_options.screenBitsPerPixel() : ScreenBitsPerPixel();
    if (bits >= kMinimumBitsPerPixel) return;
    MessageBoxA(nullptr, "Program will not run in 256 color mode", "Error", MB_ICONERROR);
    throw CharacterStartError("Program will not run on 256 color mode");
}

void CCharacterThread::CreateEvents() {
    m_completion.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    m_ready.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!m_completion || !m_ready) throw CharacterStartError("Unable To create event");
}

void CCharacterThread::StartThread() {
    const uintptr_t thread = _beginthreadex(nullptr, 0, &ThreadEntry, this, 0, nullptr);
    if (thread == 0) throw CharacterStartError("Unable to start thread");
    m_thread.Reset(reinterpret_cast<HANDLE>(thread));
}

void CCharacterThread::WaitForThreadEnd() { WaitHandlingSentMessages(m_thread.Get(), INFINITE); }

// Nothing may leave a thread function: after an exception the window goes and the readiness
// event is set, so that the creator, which may still be waiting, never waits for ever.
unsigned __stdcall CCharacterThread::ThreadEntry(void* self) {
    auto* thread = static_cast<CCharacterThread*>(self);
    try {
        const ComApartment apartment;
        thread->RunThread();
    } catch (...) {
        thread->m_window.Destroy();
        SetEvent(thread->m_ready.Get());
    }
    return 0;
}

// Start-up on the thread; the creating thread waits for the readiness event, which is set
// whether or not the window could be made.
void CCharacterThread::RunThread() {
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL);
    // The client's coordinates mean on this thread what they mean on the client's.
    AdoptThreadDpiContext(m_clientDpiContext);
    if (!m_options.forceRegionMode) m_layered.Load();
    m_monitorDpi.Load();
    const bool created = m_window.Create(OwnerWindowSlot());
    SetLogFileName("cp_rux.log");
    SetEvent(m_ready.Get());
    if (!created) return;
    RunMessageLoop();
    m_window.Destroy();
}

// Untranslated: key strokes make no character messages. The loop also ends when the window
// is gone, since its destruction can take the quit message with it.
void CCharacterThread::RunMessageLoop() {
    MSG message;
    while (m_window.Exists() && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
}

void CCharacterThread::PlaySoundFile(const std::string& path) {
    if (m_options.playSound) {
        m_options.playSound(path);
        return;
    }
    PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

UINT CCharacterThread::WindowDpiOf(HWND window) const {
    return m_options.windowDpi ? m_options.windowDpi(window) : WindowDpi(window);
}

UINT CCharacterThread::MonitorDpiAt(POINT point) const {
    return m_options.monitorDpi ? m_options.monitorDpi(point) : m_monitorDpi.At(point);
}

std::shared_ptr<IRequestPartner> CCharacterThread::MakePartner(IUnknown* other) {
    if (!m_options.partnerFactory) return nullptr;
    return m_options.partnerFactory(other);
}
