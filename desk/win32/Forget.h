#pragma once
// "VimroDesk.exe --forget", run by the package's removal: the companion of this session, if
// one runs, is asked to end and awaited, then everything it wrote to the user's registry goes.
void ForgetEverything();
