#include "SessionEndBlock.h"

namespace {

using CreateReason = BOOL(WINAPI*)(HWND, LPCWSTR);
using DestroyReason = BOOL(WINAPI*)(HWND);

template <class Function>
Function User32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)))
                             : nullptr;
}

}  // namespace

CSessionEndBlock::CSessionEndBlock(HWND window, const wchar_t* reason) : m_window(window) {
    if (const auto create = User32Function<CreateReason>("ShutdownBlockReasonCreate")) {
        m_created = create(window, reason) != FALSE;
    }
}

CSessionEndBlock::~CSessionEndBlock() {
    if (!m_created) return;
    if (const auto destroy = User32Function<DestroyReason>("ShutdownBlockReasonDestroy")) destroy(m_window);
}
