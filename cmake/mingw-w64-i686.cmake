# Cross-compiling for 32-bit Windows with MinGW-w64 (posix thread model), for 32-bit clients
# that load only a 32-bit in-process server; tests run under 32-bit Wine in a win32 prefix.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)
set(VIMRO_WIDL ${MINGW_PREFIX}-widl)
# stdole2.tlb for the type library's importlib: the 32-bit one of 32-bit Wine where installed;
# the 64-bit one describes the same types.
if(EXISTS /usr/lib/i386-linux-gnu/wine/i386-windows/stdole2.tlb)
  set(VIMRO_WIDL_LIBS /usr/lib/i386-linux-gnu/wine/i386-windows CACHE PATH "Where widl finds stdole2.tlb")
else()
  set(VIMRO_WIDL_LIBS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows CACHE PATH "Where widl finds stdole2.tlb")
endif()
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Floating point in SSE2 registers, as in the 64-bit build: the x87 unit's extended precision
# gives other results (a float's shortest text, whether a walk has reached its destination).
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
# Static runtime: Wine then needs no MinGW DLLs beside our binaries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# The DLL's .def names its exports undecorated; the linker maps them to the __stdcall
# symbols (_DllCanUnloadNow@0, ...) without a warning for each.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--enable-stdcall-fixup")
if(NOT DEFINED CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR env VIMRO_WINEARCH=win32 ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
endif()
