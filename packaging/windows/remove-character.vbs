' Removes characters from the current user's installed-file list by their names: every listed
' file of that character goes from the list (the files stay on the disk).
'   cscript remove-character.vbs NAME ...
Option Explicit
Dim files, before, i
If WScript.Arguments.Count = 0 Then
    WScript.Echo "usage: cscript remove-character.vbs NAME ..."
    WScript.Quit 2
End If
Set files = Nothing
On Error Resume Next
Set files = CreateObject("VimroGE.GraphicFiles")
If files Is Nothing Then
    WScript.Echo "VimroGE.GraphicFiles is not available: register VimroGE.dll first (register.cmd)."
    WScript.Quit 1
End If
For i = 0 To WScript.Arguments.Count - 1
    before = files.Count()
    files.Remove WScript.Arguments(i)
    If Err.Number <> 0 Then
        WScript.Echo "cannot remove " & WScript.Arguments(i) & ": " & Err.Description
        WScript.Quit 1
    End If
    WScript.Echo "removed " & WScript.Arguments(i) & ": " & (before - files.Count()) & " file(s) left the list"
Next
WScript.Quit 0
