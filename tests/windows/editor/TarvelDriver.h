#pragma once
// Drives a running Tarvel.exe from a test: starts it, finds its dialogs by caption and owner,
// types into controls and presses buttons with window messages, answers its file pickers.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tarvel_driver {

constexpr DWORD kWaitMs = 10000;

// One run of Tarvel.exe (beside the test program) in a working folder. The destructor
// closes it through its close box and, if it does not end, terminates it.
class TarvelProcess {
public:
    explicit TarvelProcess(const std::string& workingFolder);
    TarvelProcess(const TarvelProcess&) = delete;
    TarvelProcess& operator=(const TarvelProcess&) = delete;
    ~TarvelProcess();

    HWND MainDialog() const { return m_mainDialog; }
    DWORD ProcessId() const { return m_info.dwProcessId; }
    DWORD ThreadId() const { return m_info.dwThreadId; }
    bool HasEnded(DWORD waitMs) const;
    DWORD ExitCode() const;

private:
    PROCESS_INFORMATION m_info{};
    HWND m_mainDialog = nullptr;
};

// Polls until the predicate holds or the time is up.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kWaitMs);

// A visible top-level dialog of the process with the caption; with an owner, only one it owns.
HWND FindDialog(DWORD processId, const std::string& caption, HWND owner = nullptr);
HWND WaitForDialog(DWORD processId, const std::string& caption, HWND owner = nullptr);
// The top-level window of the class (e.g. "#32768", a popup menu) in the process.
HWND FindTopLevel(DWORD processId, const std::string& windowClass);

std::string Text(HWND window);
void SetText(HWND window, const std::string& text);
void SetItemText(HWND dialog, int id, const std::string& text);
std::string ItemText(HWND dialog, int id);
// Presses a button and waits for what it does.
void Click(HWND dialog, int id);
// Presses a button that opens a modal window, without waiting.
void PostClick(HWND dialog, int id);
// Types the characters into an edit control, one WM_CHAR each.
void Type(HWND edit, const std::string& characters);
std::vector<std::string> ListItems(HWND listBox);
int ListIndexOf(HWND listBox, const std::string& item);

// Waits for the "Open" or "Save As" picker owned by `owner`, enters the path and presses its
// OK button (or Cancel), and waits until the picker has gone.
void AnswerPicker(DWORD processId, HWND owner, const std::string& caption, const std::string& path);
void CancelPicker(DWORD processId, HWND owner, const std::string& caption);

// The text of a message box (its static control).
std::string MessageText(HWND box);
// Waits for "Save changes to NAME?" over the main dialog and presses IDYES, IDNO or IDCANCEL
// without waiting for what that does; returns the question ("" when none came).
std::string AnswerSaveChanges(const TarvelProcess& tarvel, int answer);

// Presses the keys together through the system (the first ones held, e.g. VK_CONTROL) while
// the window's top-level window is in front with the focus on `focus` (when given).
void PressKeys(HWND window, std::initializer_list<WORD> keys, HWND focus = nullptr);
// The window with the keyboard focus in the thread.
HWND FocusOf(DWORD threadId);

// Rectangle of a child in its dialog's client coordinates.
RECT ChildRect(HWND dialog, HWND child);
SIZE ClientSizeOf(HWND window);

}  // namespace tarvel_driver

namespace tarvel_driver {

// Dialog units of a dialog, recovered from its client size and its template size, so that
// rectangles of the template can be compared with the controls' pixels.
struct DialogScale {
    int baseX = 0;  // pixels per 4 horizontal units
    int baseY = 0;  // pixels per 8 vertical units
    RECT Map(int x, int y, int width, int height) const;
};
// Fails (zero bases) when no whole base unit gives the client size.
DialogScale ScaleOf(HWND dialog, int templateWidth, int templateHeight);

// The colour the screen shows at a point of a window's client area.
COLORREF ScreenPixel(HWND window, int x, int y);
// The height of a line of the system font, in pixels.
LONG SystemFontHeight();

}  // namespace tarvel_driver

namespace tarvel_driver {

// The animation dialog and the windows of its frame window.
struct AnimationWindows {
    HWND dialog = nullptr;
    HWND frame = nullptr;      // "tmp3"
    HWND frameList = nullptr;  // 1101
    HWND displayTime = nullptr;  // 1100
    HWND sound = nullptr;      // 12345
};

// Presses New animation (1004) or Edit (1005) and waits for the animation dialog.
AnimationWindows OpenAnimationDialog(const TarvelProcess& tarvel, int button);
// The preview dialog and its "tmp4" window, after pressing Preview.
struct PreviewWindows {
    HWND dialog = nullptr;
    HWND preview = nullptr;
};
PreviewWindows OpenPreview(const TarvelProcess& tarvel);
// Closes a dialog through its close box and waits until it has gone.
bool CloseDialog(HWND dialog);
// Answers the picker that Load (or Save) opens with the path, and waits for the result.
void LoadInEditor(const TarvelProcess& tarvel, const std::string& path);
void SaveFromEditor(const TarvelProcess& tarvel, const std::string& path);

}  // namespace tarvel_driver
