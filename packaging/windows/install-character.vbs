' Installs character files into the current user's installed-file list, so that clients can
' load their characters by name. An installed file of the same character is replaced.
'   cscript install-character.vbs FILE.rux|FOLDER ...
' A folder installs every .rux file in it. The exit code is the number of files that failed.
Option Explicit
Dim fso, files, failures, i
failures = 0
If WScript.Arguments.Count = 0 Then
    WScript.Echo "usage: cscript install-character.vbs FILE.rux|FOLDER ..."
    WScript.Quit 2
End If
Set fso = CreateObject("Scripting.FileSystemObject")
Set files = Nothing
On Error Resume Next
Set files = CreateObject("VimroGE.GraphicFiles")
On Error GoTo 0
If files Is Nothing Then
    WScript.Echo "VimroGE.GraphicFiles is not available: register VimroGE.dll first (register.cmd)."
    WScript.Quit 1
End If

For i = 0 To WScript.Arguments.Count - 1
    InstallPath fso.GetAbsolutePathName(WScript.Arguments(i))
Next
WScript.Quit failures

Sub InstallPath(path)
    Dim entry
    If fso.FolderExists(path) Then
        For Each entry In fso.GetFolder(path).Files
            If LCase(fso.GetExtensionName(entry.Name)) = "rux" Then InstallFile entry.Path
        Next
    Else
        InstallFile path
    End If
End Sub

' The file object reads the file when its FileName is set: a file that is no character fails here.
Sub InstallFile(path)
    Dim file, name
    On Error Resume Next
    Set file = CreateObject("VimroGE.GraphicFile")
    file.FileName = path
    If Err.Number <> 0 Then
        WScript.Echo "cannot install " & path & ": " & Err.Description
        failures = failures + 1
        Exit Sub
    End If
    name = file.characterName
    files.Remove name
    files.Add file
    If Err.Number <> 0 Then
        WScript.Echo "cannot install " & path & ": " & Err.Description
        failures = failures + 1
        Exit Sub
    End If
    WScript.Echo "installed " & name & " from " & path
End Sub
