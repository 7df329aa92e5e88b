' A script client of VimroGE.dll: lists and describes character files, loads characters,
' plays, moves and queries them, and reads reported errors from Err. Prints every check;
' exits with the number of failed checks.
'   cscript ComponentClient.vbs <folder with Hero.rux and Ball.rux>
Option Explicit
On Error Resume Next

Dim failures, passes
failures = 0
passes = 0

Sub Check(description, ok)
    If ok Then
        passes = passes + 1
        WScript.Echo "PASS: " & description
    Else
        failures = failures + 1
        WScript.Echo "FAIL: " & description
    End If
End Sub

' The error of the last statement, then cleared.
Sub CheckError(description, text, source)
    Check description & " -> " & Err.Description & " (" & Err.Source & ")", _
          Err.Number = &H80020009 And Err.Description = text And Err.Source = source
    Err.Clear
End Sub

Sub CheckNoError(description)
    Check description & " (error " & Hex(Err.Number) & " " & Err.Description & ")", Err.Number = 0
    Err.Clear
End Sub

Dim folder
folder = WScript.Arguments(0)

' --- The installed-file list and file descriptions
Dim files, hero, ball, item, names, i
Set files = CreateObject("VimroGE.GraphicFiles")
CheckNoError "GraphicFiles created"
Check "the list starts empty", files.Count() = 0
Check "the file list's version", files.Version = "1.0.0.0"

Set hero = CreateObject("VimroGE.GraphicFile")
hero.FileName = folder & "\Hero.rux"
CheckNoError "Hero.rux described"
Check "character name Hero", hero.characterName = "Hero"
Check "file title is the file name", hero.FileTitle = hero.FileName
names = hero.getAnimationNames()
Check "five animation names in byte order", UBound(names) = 4 And names(0) = "Empty" And names(1) = "Kick" _
      And names(2) = "Stand" And names(3) = "Walk" And names(4) = "Wave"
Dim version
version = hero.Version
CheckError "a described file has no version", "Version is not valid", "VimroGE.GraphicFile.1"
hero.Comment = "installed by script"
Check "comment set", hero.Comment = "installed by script"

files.Add hero
CheckNoError "Hero added"
Set ball = CreateObject("VimroGE.GraphicFile")
ball.FileName = folder & "\Ball.rux"
files.Add ball
CheckNoError "Ball added"
Check "two files listed", files.Count() = 2

Set item = files.Item(1)
CheckNoError "Item(1) by a literal (2-byte integer)"
Check "Item(1) is Hero", item.characterName = "Hero"
i = 2
Set item = files.Item(i)
CheckNoError "Item(i) by a variable (by reference)"
Check "Item(i) is Ball", item.characterName = "Ball"
Set item = files.Item(UCase(folder & "\Ball.rux"))
CheckNoError "Item by path in other letter case"
Check "Item by path is Ball", item.characterName = "Ball"
Set item = files.Item(9)
CheckError "Item(9)", "File Not Exist", "VimroGE.GraphicFiles.1"
files.Add Nothing
CheckError "Add Nothing", "Null graphic file", "VimroGE.GraphicFiles.1"

' --- Loading
Dim engine, pip, other, id, cause, x, y
Set engine = CreateObject("VimroGE.GraphicEngine")
Check "engine version", engine.Version = "1.0.0.0S"
Set pip = engine.Load("h", "hero", 0)
CheckNoError "Load with a number for the owner window"
Set other = engine.Load("b", "Ball", 0)
CheckNoError "Ball loaded"
Check "ID read back", pip.ID = "h"
Check "a character window", pip.hWnd <> 0
Dim again
Set again = engine.Load("h", "Ball", 0)
CheckError "Load of a loaded ID", "Character Already Exist.", "VimroGE.GraphicEngine.1"
Set again = engine.Load("g", "Ghost", 0)
CheckError "Load of an unlisted character", "Character animation file not exist", "VimroGE.GraphicEngine.1"
engine.Unload "nobody"
CheckError "Unload of an unknown ID", "Invalid Character ID.", "VimroGE.GraphicEngine.1"

' --- Playing and moving
pip.Visible = 1
Check "visible", pip.Visible = 1
pip.SetPosition 300, 400
Check "position set", pip.X = 300 And pip.Y = 400
pip.X = 310
Check "X written", pip.X = 310
pip.X = 300
id = pip.Play("walk", 300, 400, 0)
CheckNoError "Play"
Check "first request ID is 1", id = 1
cause = pip.WaitForRequest(id)
Check "WaitForRequest saw it complete", cause = 0
Check "WaitForRequest of a finished request", pip.WaitForRequest(id) = 1

Check "the walk moved the character by its shifts", pip.X = 312
pip.SetPosition 300, 400
other.Visible = 1
id = pip.PlayCommonAnimation("Kick", other)
CheckNoError "PlayCommonAnimation with a character from the script"
Check "common request ID is 2", id = 2
cause = pip.WaitForRequest(id)
Check "the kick completed", cause = 0
Check "the ball lies at the ball origin (" & other.X & ", " & other.Y & ")", other.X = 292 And other.Y = 380
Check "the ball is shown again", other.Visible = 1

' --- Queries
x = 0
y = pip.AskForPosition("Ball", "Stand", x)
CheckNoError "AskForPosition"
Check "AskForPosition gives (312, 240): (" & x & ", " & y & ")", x = 312 And y = 240
y = pip.AskForCurrentCharacterPosition("Ball", "Stand", 200, 300, x)
Check "AskForCurrentCharacterPosition gives (187, 460): (" & x & ", " & y & ")", x = 187 And y = 460

' --- Z-order
pip.ZOrder = -1
CheckNoError "ZOrder topmost"
pip.ZOrder = &H7654321
CheckError "ZOrder after no window", "Error Setting Window", "VimroGE.Character.1"

' --- Unloading
engine.Unload "h"
CheckNoError "Unload"
pip.X = 5
Check "the script's reference keeps the character", pip.X = 5
Set pip = Nothing
files.Remove "HERO"
CheckNoError "Remove"
Check "one file left", files.Count() = 1

WScript.Echo passes & " passed, " & failures & " failed"
If failures = 0 Then WScript.Echo "ALL CHECKS PASSED"
WScript.Quit failures
