// Puts Tarvel into a state worth a screenshot and holds it there:
//   tarvel_stage <main|animation|zoomed|onion|import|preview> <character.rux> [animation] [frame] [seconds]
// It loads the character, selects the animation (list index, default 0), opens the dialog
// named on the frame given (default 1; "zoomed" is the animation dialog at 300 %, "onion" at
// 200 % with the previous frame's onion skin, "import" the import dialog filled in), prints
// "ready" and waits the given time (default 20 s) before closing the editor. Used to take the
// pictures of the author's guide.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "TarvelDriver.h"

using namespace tarvel_driver;

namespace {

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of("\\/")); }

void SelectAnimation(const TarvelProcess& tarvel, int index) {
    SendMessageA(GetDlgItem(tarvel.MainDialog(), 1007), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: tarvel_stage main|animation|zoomed|onion|import|preview character.rux [animation] [frame] [seconds]\n");
        return 2;
    }
    const std::string stage = argv[1];
    const std::string character = argv[2];
    const int animation = argc > 3 ? std::atoi(argv[3]) : 0;
    const int frame = argc > 4 ? std::atoi(argv[4]) : 1;
    const DWORD holdMs = static_cast<DWORD>(argc > 5 ? std::atoi(argv[5]) : 20) * 1000;
    TarvelProcess tarvel(FolderOf(character));
    LoadInEditor(tarvel, character);
    SelectAnimation(tarvel, animation);
    if (stage == "animation" || stage == "zoomed" || stage == "onion") {
        const AnimationWindows w = OpenAnimationDialog(tarvel, 1005);
        SendMessageA(w.frameList, LB_SETCURSEL, static_cast<WPARAM>(frame), 0);
        SendMessageA(w.frame, WM_COMMAND, MAKEWPARAM(1101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(w.frameList));
        const int zoomSteps = stage == "zoomed" ? 2 : stage == "onion" ? 1 : 0;
        for (int step = 0; step < zoomSteps; ++step)
            PostMessageA(w.frame, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, WHEEL_DELTA), 0);
        if (stage == "onion") PressKeys(w.dialog, {VK_CONTROL, 'P'}, w.frameList);
        SendMessageA(w.frame, WM_NULL, 0, 0);
    } else if (stage == "import") {
        PostClick(tarvel.MainDialog(), 1020);
        HWND dialog = WaitForDialog(tarvel.ProcessId(), "Import Animation", tarvel.MainDialog());
        SetItemText(dialog, 1200, "Jump");
        SetItemText(dialog, 1201, "C:\\art\\jump-sheet.png");
        SetItemText(dialog, 1203, "6");
        SetItemText(dialog, 1204, "1");
        SetItemText(dialog, 1205, "120");
        SetWindowPos(dialog, nullptr, 40, 40, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    } else if (stage == "preview") {
        const PreviewWindows p = OpenPreview(tarvel);
        SetWindowPos(p.dialog, nullptr, 40, 40, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    Sleep(holdMs);
    return 0;
}
