#include "LiveCharacter.h"

#include "CharacterMessages.h"
#include "RequestArrays.h"
#include "TestCharacters.h"

LiveCharacter::LiveCharacter(CharacterThreadOptions options) : m_thread(std::move(options)) {
    m_thread.SetReceiverWindow(m_receiver.Handle());
    m_thread.Window().LoadCharacterFile(TestCharacterFile());
}

void LiveCharacter::Play(int32_t id, const std::wstring& name, int32_t x, int32_t y, int32_t isShift) {
    SendRequestArray(Window(), CHM_PLAY, MakePlayArray(name, x, y, isShift), id);
}

void LiveCharacter::PlayInPlace(int32_t id, const std::wstring& name) {
    const PointF position = Body().Position();
    Play(id, name, static_cast<int32_t>(position.x), static_cast<int32_t>(position.y), 0);
}

void LiveCharacter::PlayCommon(int32_t id, const std::wstring& name, IUnknown* partner) {
    SendRequestArray(Window(), CHM_PLAYCOMMON, MakePlayCommonArray(name, partner), id);
}

bool LiveCharacter::WaitFor(UINT notification, WPARAM wParam, DWORD timeoutMs) {
    return PumpUntil([&] { return m_receiver.Has(notification, wParam); }, timeoutMs);
}

bool LiveCharacter::WaitForCompletion(int32_t id, DWORD timeoutMs) {
    return WaitFor(CRN_REQUESTCOMPLETE, static_cast<WPARAM>(id), timeoutMs);
}

void LiveCharacter::ShowAt(float x, float y) {
    Body().SetPosition(x, y);
    Body().SetVisible(true);
    static int32_t nextId = 1000;
    const int32_t id = ++nextId;
    PlayInPlace(id, L"stand");
    WaitForCompletion(id);
    PumpFor(250);  // idle ticks present the picture and the screen catches up
}

const std::string& TestCharacterFile() {
    static const std::string path = test_characters::SaveTestCharacter("runtime-character");
    return path;
}

UniqueKernelHandle OpenWindowThread(HWND window) {
    const DWORD threadId = GetWindowThreadProcessId(window, nullptr);
    return UniqueKernelHandle(OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, threadId));
}

bool ThreadHasEnded(HANDLE thread, DWORD timeoutMs) { return WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0; }
