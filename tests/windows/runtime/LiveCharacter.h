#pragma once
// A real character for a test: a receiver window on the test's thread and a character thread
// with the test character loaded, driven through the real messages.
#include "Win32Api.h"

#include <cstdint>
#include <string>

#include "CCharacterThread.h"
#include "TestReceiver.h"
#include "UniqueHandle.h"

class LiveCharacter {
public:
    explicit LiveCharacter(CharacterThreadOptions options = {});

    TestReceiver& Receiver() { return m_receiver; }
    CCharacterThread& Thread() { return m_thread; }
    CCharacterWindow& Body() { return m_thread.Window(); }
    HWND Window() const { return m_thread.Window().Handle(); }

    // CHM_PLAY and CHM_PLAYCOMMON, sent as a client sends them.
    void Play(int32_t id, const std::wstring& name, int32_t x, int32_t y, int32_t isShift);
    void PlayInPlace(int32_t id, const std::wstring& name);  // at the current position, one pass
    void PlayCommon(int32_t id, const std::wstring& name, IUnknown* partner);
    // Pumps until the notification has arrived.
    bool WaitFor(UINT notification, WPARAM wParam, DWORD timeoutMs = 5000);
    bool WaitForCompletion(int32_t id, DWORD timeoutMs = 5000);
    // Shows the character and waits until a tick has presented its picture.
    void ShowAt(float x, float y);

private:
    TestReceiver m_receiver;
    CCharacterThread m_thread;
};

// The test character's file, saved once per test program.
const std::string& TestCharacterFile();
// A handle to the thread that runs the window, for waiting on its end.
UniqueKernelHandle OpenWindowThread(HWND window);
bool ThreadHasEnded(HANDLE thread, DWORD timeoutMs = 0);
