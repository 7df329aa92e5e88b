#include "TrayMenu.h"

#include <iterator>

#include "WideText.h"

namespace desk {

namespace {

// A menu destroyed with its owner (with its submenus).
class Menu {
public:
    Menu() : m_menu(CreatePopupMenu()) {}
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;
    ~Menu() {
        if (m_menu != nullptr) DestroyMenu(m_menu);
    }
    HMENU Get() const { return m_menu; }
    // The submenu belongs to this menu from now on.
    HMENU Release() {
        HMENU menu = m_menu;
        m_menu = nullptr;
        return menu;
    }

private:
    HMENU m_menu;
};

UINT Checked(bool on) { return MF_STRING | (on ? MF_CHECKED : MF_UNCHECKED); }

void AddCharacters(HMENU menu, const TrayMenuState& state) {
    UINT item = 0;
    for (const auto& [name, shown] : state.characters) {
        if (item == kMaxCharacterItems) break;
        AppendMenuW(menu, Checked(shown), kFirstCharacterCommand + item, WideFromUtf8(name).c_str());
        ++item;
    }
    if (item == 0) AppendMenuW(menu, MF_STRING | MF_GRAYED, 0, L"No characters installed");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
}

void AddSizes(HMENU menu, int scalePercent) {
    Menu sizes;
    if (sizes.Get() == nullptr) return;
    UINT checked = kFirstScaleCommand;
    for (UINT i = 0; i < std::size(kScales); ++i) {
        AppendMenuW(sizes.Get(), MF_STRING, kFirstScaleCommand + i, (std::to_wstring(kScales[i]) + L" %").c_str());
        if (kScales[i] == scalePercent) checked = kFirstScaleCommand + i;
    }
    CheckMenuRadioItem(sizes.Get(), kFirstScaleCommand, kFirstScaleCommand + std::size(kScales) - 1, checked,
                       MF_BYCOMMAND);
    if (AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sizes.Get()), L"&Size")) sizes.Release();
}

}  // namespace

void ShowTrayMenu(HWND window, const TrayMenuState& state) {
    Menu menu;
    if (menu.Get() == nullptr) return;
    AddCharacters(menu.Get(), state);
    AppendMenuW(menu.Get(), MF_STRING, kBringBackCommand, L"&Bring everything back");
    AppendMenuW(menu.Get(), Checked(state.settings.stepAside), kStepAsideCommand,
                L"Step &aside for full-screen programs");
    AddSizes(menu.Get(), state.settings.scalePercent);
    AppendMenuW(menu.Get(), Checked(state.settings.quiet), kQuietCommand, L"&Quiet");
    AppendMenuW(menu.Get(), Checked(state.startsWithWindows), kStartWithWindowsCommand, L"Start with &Windows");
    AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.Get(), MF_STRING, kExitCommand, L"E&xit");

    POINT cursor{};
    GetCursorPos(&cursor);
    // The documented way for a notification-area menu: the window in the foreground while the
    // menu shows, and a message after it so that it closes at the next click elsewhere.
    SetForegroundWindow(window);
    TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON | TPM_BOTTOMALIGN | TPM_RIGHTALIGN, cursor.x, cursor.y, 0, window,
                   nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
}

}  // namespace desk
