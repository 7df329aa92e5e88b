#pragma once
// The thread of one character: started when the object is made, it creates the character
// window, runs its 100 ms timer and message loop, and ends when the window is destroyed.
// The object owns the window object, the events and the layered-attributes library, and is
// the window's owner (receiver window, mode, start directory, sounds, partners).
#include "Win32Api.h"

#include <atomic>
#include <functional>
#include <string>

#include "CCharacterWindow.h"
#include "CLayeredAttributes.h"
#include "DpiAwareness.h"
#include "ICharacterOwner.h"
#include "RequestArrays.h"
#include "UniqueHandle.h"

struct CharacterThreadOptions {
    // Region mode even where layered windows exist.
    bool forceRegionMode = false;
    // Adapts the partner of a common animation; without it common animations are refused.
    PartnerFactory partnerFactory;
    // Plays a sound file; PlaySoundA (file name, asynchronous) when empty.
    std::function<void(const std::string& path)> playSound;
    // The screen's colour depth in bits per pixel; the whole-screen context's when empty.
    std::function<int()> screenBitsPerPixel;
    // The character window's DPI and a monitor's; the system's when empty (tests stand in
    // for monitors of other scales, which Wine does not have).
    std::function<UINT(HWND)> windowDpi;
    std::function<UINT(POINT)> monitorDpi;
};

class CCharacterThread final : private ICharacterOwner {
public:
    // Starts the thread and waits until it is ready; throws CharacterStartError with the
    // reason when the screen, the events, the thread or the window fail.
    explicit CCharacterThread(CharacterThreadOptions options = {});
    CCharacterThread(const CCharacterThread&) = delete;
    CCharacterThread& operator=(const CCharacterThread&) = delete;
    // Closes the window if it still exists and waits until the thread has ended.
    ~CCharacterThread();

    CCharacterWindow& Window() { return m_window; }
    const CCharacterWindow& Window() const { return m_window; }
    void SetReceiverWindow(HWND receiver) { m_receiver.store(receiver); }
    bool IsLayered() const { return m_layered.Available(); }
    const std::string& StartDirectory() const override { return m_startDirectory; }
    // Manual reset, unsignalled at start; for waiting on request completions.
    HANDLE CompletionEvent() const { return m_completion.Get(); }

private:
    static unsigned __stdcall ThreadEntry(void* self);
    void RunThread();
    void RunMessageLoop();
    void RecordStartDirectory();
    void CheckColourDepth() const;
    void CreateEvents();
    void StartThread();
    void WaitForThreadEnd();

    // ICharacterOwner
    HWND ReceiverWindow() const override { return m_receiver.load(); }
    const CLayeredAttributes& LayeredAttributes() const override { return m_layered; }
    void PlaySoundFile(const std::string& path) override;
    UINT WindowDpiOf(HWND window) const override;
    UINT MonitorDpiAt(POINT point) const override;
    std::shared_ptr<IRequestPartner> MakePartner(IUnknown* other) override;

    // The window object is made first and destroyed last, after the thread has ended.
    CCharacterWindow m_window;
    CharacterThreadOptions m_options;
    std::string m_startDirectory;
    // The creating (client) thread's DPI awareness, which the character thread takes on.
    DPI_AWARENESS_CONTEXT m_clientDpiContext = nullptr;
    std::atomic<HWND> m_receiver{nullptr};
    CLayeredAttributes m_layered;
    CMonitorDpi m_monitorDpi;
    UniqueKernelHandle m_completion;
    UniqueKernelHandle m_ready;
    UniqueKernelHandle m_thread;
};
