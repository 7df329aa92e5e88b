@echo off
rem Registers VimroGE.dll from this folder so that clients can create its objects.
rem   register.cmd          for every user of the machine (run as administrator)
rem   register.cmd /user    for the current user alone, no administrator rights needed
setlocal
set "server=%~dp0VimroGE.dll"
if /i "%~1"=="/user" (
  regsvr32 /s /n /i:user "%server%"
) else (
  regsvr32 /s "%server%"
)
if errorlevel 1 (
  echo Registering "%server%" failed.
  exit /b 1
)
echo Registered "%server%" %~1
exit /b 0
