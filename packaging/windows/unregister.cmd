@echo off
rem Removes the registration that register.cmd made (the same /user choice).
rem   unregister.cmd [/user]
setlocal
set "server=%~dp0VimroGE.dll"
if /i "%~1"=="/user" (
  regsvr32 /s /u /n /i:user "%server%"
) else (
  regsvr32 /s /u "%server%"
)
if errorlevel 1 (
  echo Unregistering "%server%" failed.
  exit /b 1
)
echo Unregistered "%server%" %~1
exit /b 0
