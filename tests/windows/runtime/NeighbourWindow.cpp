// A window of another process for the desktop-neighbour tests, painted solid blue:
//   neighbour_window fullscreen X Y   a borderless pop-up over the whole monitor holding (X, Y)
//   neighbour_window maximised X Y    an ordinary window maximised on that monitor
//   neighbour_window target L T R B   a pop-up at that rectangle whose title counts left clicks
// Each comes to the foreground, has the class "VimroNeighbourWindow" and ends on WM_CLOSE.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr char kClassName[] = "VimroNeighbourWindow";
int g_clicks = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        ++g_clicks;
        SetWindowTextA(window, ("clicks " + std::to_string(g_clicks)).c_str());
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

RECT MonitorAt(int x, int y) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoA(MonitorFromPoint(POINT{x, y}, MONITOR_DEFAULTTONEAREST), &info);
    return info.rcMonitor;
}

HWND MakeWindow(const char* mode, const RECT& rect, DWORD style) {
    return CreateWindowExA(0, kClassName, mode, style, rect.left, rect.top, rect.right - rect.left,
                           rect.bottom - rect.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) return 2;
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(0, 0, 200));
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) return 3;
    const std::string mode = argv[1];
    const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
    HWND window = nullptr;
    int show = SW_SHOW;
    if (mode == "fullscreen") {
        window = MakeWindow("neighbour fullscreen", MonitorAt(x, y), WS_POPUP);
    } else if (mode == "maximised") {
        RECT small = MonitorAt(x, y);
        small.right = small.left + 400;
        small.bottom = small.top + 300;
        window = MakeWindow("neighbour maximised", small, WS_OVERLAPPEDWINDOW);
        show = SW_SHOWMAXIMIZED;
    } else if (mode == "target" && argc >= 6) {
        window = MakeWindow("clicks 0", RECT{x, y, std::atoi(argv[4]), std::atoi(argv[5])}, WS_POPUP);
    }
    if (window == nullptr) return 4;
    ShowWindow(window, show);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
