#include "DeskPipeName.h"

#include <windows.h>

namespace desk {

std::wstring DeskPipeName() {
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session)) session = 0;
    return L"\\\\.\\pipe\\VimroDesk-" + std::to_wstring(session);
}

}  // namespace desk
