#include "TarvelDriver.h"

#include <commctrl.h>

#include <stdexcept>

#include "Win32Handles.h"

namespace tarvel_driver {
namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

struct Search {
    DWORD processId;
    std::function<bool(HWND)> match;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !search->match(window)) return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindTopLevelWhere(DWORD processId, std::function<bool(HWND)> match) {
    Search search{processId, std::move(match)};
    EnumWindows(&MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

HWND WaitForPicker(DWORD processId, HWND owner, const std::string& caption) {
    HWND picker = WaitForDialog(processId, caption, owner);
    if (picker == nullptr) throw std::runtime_error("no \"" + caption + "\" picker appeared");
    return picker;
}

}  // namespace

TarvelProcess::TarvelProcess(const std::string& workingFolder) {
    const std::string program = ProgramFolder() + "Tarvel.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingFolder.c_str(), &startup, &m_info))
        throw std::runtime_error("cannot start " + program);
    WaitUntil([this] { return (m_mainDialog = FindDialog(ProcessId(), "TarvelBall")) != nullptr; });
    if (m_mainDialog == nullptr) throw std::runtime_error("Tarvel's main dialog did not appear");
}

TarvelProcess::~TarvelProcess() {
    // Dialogs over the main dialog first: the main dialog can end only after them.
    for (int round = 0; round < 8 && !HasEnded(0); ++round) {
        HWND top = FindTopLevelWhere(ProcessId(), [this](HWND window) {
            return window != m_mainDialog && IsWindowVisible(window) && ClassOf(window) == "#32770";
        });
        if (top == nullptr) break;
        PostMessageA(top, WM_CLOSE, 0, 0);
        WaitUntil([top] { return !IsWindow(top); }, 2000);
    }
    if (!HasEnded(0)) {
        PostMessageA(m_mainDialog, WM_CLOSE, 0, 0);
        // Unsaved changes are asked about first: the test's work is not kept.
        HWND question = nullptr;
        const auto asked = [&] { return (question = FindDialog(ProcessId(), "TarvelBall", m_mainDialog)) != nullptr; };
        WaitUntil([&] { return HasEnded(0) || asked(); }, 5000);
        if (question != nullptr) PostMessageA(GetDlgItem(question, IDNO), BM_CLICK, 0, 0);
        if (!HasEnded(5000)) TerminateProcess(m_info.hProcess, 99);
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
}

bool TarvelProcess::HasEnded(DWORD waitMs) const { return WaitForSingleObject(m_info.hProcess, waitMs) == WAIT_OBJECT_0; }

DWORD TarvelProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_info.hProcess, &code);
    return code;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

HWND FindDialog(DWORD processId, const std::string& caption, HWND owner) {
    return FindTopLevelWhere(processId, [&](HWND window) {
        return IsWindowVisible(window) && ClassOf(window) == "#32770" && Text(window) == caption &&
               (owner == nullptr || GetWindow(window, GW_OWNER) == owner);
    });
}

HWND WaitForDialog(DWORD processId, const std::string& caption, HWND owner) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindDialog(processId, caption, owner)) != nullptr; });
    return found;
}

HWND FindTopLevel(DWORD processId, const std::string& windowClass) {
    return FindTopLevelWhere(processId,
                             [&](HWND window) { return IsWindowVisible(window) && ClassOf(window) == windowClass; });
}

std::string Text(HWND window) {
    char text[1024] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void SetText(HWND window, const std::string& text) {
    SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void SetItemText(HWND dialog, int id, const std::string& text) { SetText(GetDlgItem(dialog, id), text); }

std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PostClick(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void Type(HWND edit, const std::string& characters) {
    for (char c : characters) SendMessageA(edit, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(c)), 1);
}

std::vector<std::string> ListItems(HWND listBox) {
    std::vector<std::string> items;
    const LRESULT count = SendMessageW(listBox, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        SendMessageW(listBox, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        char narrow[512] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, narrow, sizeof narrow, nullptr, nullptr);
        items.emplace_back(narrow);
    }
    return items;
}

int ListIndexOf(HWND listBox, const std::string& item) {
    const std::vector<std::string> items = ListItems(listBox);
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i] == item) return static_cast<int>(i);
    }
    return -1;
}

void AnswerPicker(DWORD processId, HWND owner, const std::string& caption, const std::string& path) {
    HWND picker = WaitForPicker(processId, owner, caption);
    HWND nameBox = GetDlgItem(picker, 0x47c);  // cmb13, a ComboBoxEx32
    HWND nameEdit = reinterpret_cast<HWND>(SendMessageA(nameBox, CBEM_GETEDITCONTROL, 0, 0));
    SetText(nameEdit != nullptr ? nameEdit : nameBox, path);
    PostMessageA(GetDlgItem(picker, IDOK), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(picker); }))
        throw std::runtime_error("the \"" + caption + "\" picker did not take " + path);
}

void CancelPicker(DWORD processId, HWND owner, const std::string& caption) {
    HWND picker = WaitForPicker(processId, owner, caption);
    PostMessageA(GetDlgItem(picker, IDCANCEL), BM_CLICK, 0, 0);
    if (!WaitUntil([&] { return !IsWindow(picker); }))
        throw std::runtime_error("the \"" + caption + "\" picker did not close");
}

std::string MessageText(HWND box) { return Text(GetDlgItem(box, 0xFFFF)); }

std::string AnswerSaveChanges(const TarvelProcess& tarvel, int answer) {
    HWND question = WaitForDialog(tarvel.ProcessId(), "TarvelBall", tarvel.MainDialog());
    if (question == nullptr) return "";
    const std::string text = MessageText(question);
    PostMessageA(GetDlgItem(question, answer), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(question); });
    return text;
}

void PressKeys(HWND window, std::initializer_list<WORD> keys, HWND focus) {
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    WaitUntil([&] { return GetForegroundWindow() == top; }, 2000);
    if (focus != nullptr) {
        const DWORD thread = GetWindowThreadProcessId(focus, nullptr);
        AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
        SetFocus(focus);
        AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    }
    std::vector<INPUT> inputs;
    for (WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
    }
    for (auto key = keys.end(); key != keys.begin();) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = *--key;
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(100);
    SendMessageA(window, WM_NULL, 0, 0);
}

HWND FocusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

RECT ChildRect(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSizeOf(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return SIZE{client.right, client.bottom};
}

}  // namespace tarvel_driver

namespace tarvel_driver {

RECT DialogScale::Map(int x, int y, int width, int height) const {
    const int left = MulDiv(x, baseX, 4);
    const int top = MulDiv(y, baseY, 8);
    return RECT{left, top, left + MulDiv(width, baseX, 4), top + MulDiv(height, baseY, 8)};
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    const ScreenDc screen;
    return GetPixel(screen.Get(), point.x, point.y);
}

LONG SystemFontHeight() {
    const ScreenDc screen;
    const HGDIOBJ previous = SelectObject(screen.Get(), GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(screen.Get(), &metrics);
    SelectObject(screen.Get(), previous);
    return metrics.tmHeight;
}

DialogScale ScaleOf(HWND dialog, int templateWidth, int templateHeight) {
    const SIZE client = ClientSizeOf(dialog);
    DialogScale scale;
    for (int base = 1; base < 64; ++base) {
        if (scale.baseX == 0 && MulDiv(templateWidth, base, 4) == client.cx) scale.baseX = base;
        if (scale.baseY == 0 && MulDiv(templateHeight, base, 8) == client.cy) scale.baseY = base;
    }
    return scale;
}

}  // namespace tarvel_driver

namespace tarvel_driver {

AnimationWindows OpenAnimationDialog(const TarvelProcess& tarvel, int button) {
    PostClick(tarvel.MainDialog(), button);
    AnimationWindows windows;
    WaitUntil([&] {
        windows.dialog = FindDialog(tarvel.ProcessId(), "Dialog", tarvel.MainDialog());
        windows.frame = windows.dialog != nullptr ? FindWindowExA(windows.dialog, nullptr, nullptr, "tmp3") : nullptr;
        return windows.frame != nullptr;
    });
    if (windows.frame == nullptr) throw std::runtime_error("the animation dialog did not appear");
    windows.frameList = GetDlgItem(windows.frame, 1101);
    windows.displayTime = GetDlgItem(windows.frame, 1100);
    windows.sound = GetDlgItem(windows.frame, 12345);
    return windows;
}

PreviewWindows OpenPreview(const TarvelProcess& tarvel) {
    PostClick(tarvel.MainDialog(), 1011);
    PreviewWindows windows;
    WaitUntil([&] {
        windows.dialog = FindDialog(tarvel.ProcessId(), "Dialog", tarvel.MainDialog());
        windows.preview = windows.dialog != nullptr ? FindWindowExA(windows.dialog, nullptr, nullptr, "tmp4") : nullptr;
        return windows.preview != nullptr;
    });
    if (windows.preview == nullptr) throw std::runtime_error("the preview did not appear");
    return windows;
}

bool CloseDialog(HWND dialog) {
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !IsWindow(dialog); });
}

void LoadInEditor(const TarvelProcess& tarvel, const std::string& path) {
    PostClick(tarvel.MainDialog(), 1003);
    AnswerPicker(tarvel.ProcessId(), tarvel.MainDialog(), "Open", path);
    // The picker's window is destroyed only after its loop ended: Tarvel now finishes Load
    // without handling messages, so the answer to this one comes after it.
    SendMessageA(tarvel.MainDialog(), WM_NULL, 0, 0);
}

void SaveFromEditor(const TarvelProcess& tarvel, const std::string& path) {
    PostClick(tarvel.MainDialog(), 1002);
    AnswerPicker(tarvel.ProcessId(), tarvel.MainDialog(), "Save As", path);
    SendMessageA(tarvel.MainDialog(), WM_NULL, 0, 0);
}

}  // namespace tarvel_driver
