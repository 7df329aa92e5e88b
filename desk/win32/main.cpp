// VimroDesk: shows the installed characters on the desktop from an icon in the notification
// area, lets them live there and remembers them across runs. One per user session.
#include <windows.h>

#include <cstring>

#include "ClientHandles.h"
#include "DeskApp.h"
#include "Forget.h"
#include "SingleInstance.h"
#include "WideText.h"

namespace {

int RunMessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (commandLine != nullptr && std::strstr(commandLine, "--forget") != nullptr) {
        ForgetEverything();
        return 0;
    }
    const SingleInstance single;
    if (!single.First()) return 0;
    const Apartment apartment;
    if (!apartment.Ok()) return 1;
    int status = 0;
    {
        desk::DeskApp app(instance);
        const std::string failure = app.Start();
        if (!failure.empty()) {
            MessageBoxW(nullptr, WideFromUtf8(failure).c_str(), L"VimroDesk", MB_OK | MB_ICONERROR);
            return 1;
        }
        status = RunMessageLoop();
    }
    return status;
}
