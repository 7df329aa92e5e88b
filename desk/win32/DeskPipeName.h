#pragma once
#include <string>

namespace desk {

// \\.\pipe\VimroDesk-<session id>: the pipe the companion of this logon session serves.
// Pipe names are machine-wide, so the session's number keeps two users' companions apart.
std::wstring DeskPipeName();

}  // namespace desk
