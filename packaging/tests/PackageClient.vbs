' A client of an installed package: the engine is registered and Pip and Ball are installed.
' Loads both, plays a gesture, a walk and Pip's Kick with Ball, and checks the results.
' Prints every check and "ALL CHECKS PASSED" when none failed.
'   cscript PackageClient.vbs            the installed engine works
'   cscript PackageClient.vbs removed    the engine is no longer registered
Option Explicit
Dim failures
failures = 0

Sub Check(description, ok)
    If ok Then
        WScript.Echo "PASS: " & description
    Else
        failures = failures + 1
        WScript.Echo "FAIL: " & description
    End If
End Sub

Sub CheckRemoved()
    Dim engine
    Set engine = Nothing
    On Error Resume Next
    Set engine = CreateObject("VimroGE.GraphicEngine")
    Check "the engine can no longer be created (error " & Hex(Err.Number) & ")", engine Is Nothing And Err.Number <> 0
End Sub

Sub CheckInstalled()
    Dim files, names, engine, pip, ball, id, pipX
    On Error Resume Next
    Set files = CreateObject("VimroGE.GraphicFiles")
    Check "GraphicFiles created (error " & Hex(Err.Number) & ")", Err.Number = 0
    Check "two characters installed", files.Count() = 2
    names = files.Item(1).characterName & " " & files.Item(2).characterName
    Check "Pip and Ball listed (" & names & ")", names = "Pip Ball" Or names = "Ball Pip"
    Set engine = CreateObject("VimroGE.GraphicEngine")
    Check "engine version " & engine.Version, engine.Version = "1.0.0.0S"
    Set pip = engine.Load("pip", "Pip", 0)
    Check "Pip loaded (" & Err.Description & ")", Err.Number = 0
    Set ball = engine.Load("ball", "Ball", 0)
    Check "Ball loaded (" & Err.Description & ")", Err.Number = 0
    pip.sound = 1
    Check "sound on", pip.sound = 1
    pip.SetPosition 300, 500
    ball.SetPosition 600, 500
    pip.Visible = 1
    ball.Visible = 1
    Check "Pip shown", pip.Visible = 1

    id = pip.Play("wave", 0, 0, 0)
    Check "Wave played to its end", pip.WaitForRequest(id) = 0
    id = pip.Play("Walk", 360, 500, 1)
    Check "the walk completed", pip.WaitForRequest(id) = 0
    Check "Pip walked to x 360 (x " & pip.X & ")", pip.X = 360
    id = pip.PlayCommonAnimation("Kick", ball)
    Check "the kick completed", pip.WaitForRequest(id) = 0
    pipX = pip.X
    Check "Ball lies at the kick's ""ball"" origin, 58 pixels ahead of Pip (" & ball.X & ", " & ball.Y & ")", _
          ball.X = pipX + 58 And ball.Y = 500
    Check "Ball shown again after the kick", ball.Visible = 1
    engine.Unload "pip"
    engine.Unload "ball"
    Check "both unloaded (" & Err.Description & ")", Err.Number = 0
End Sub

If WScript.Arguments.Count > 0 Then
    If WScript.Arguments(0) = "removed" Then CheckRemoved
Else
    CheckInstalled
End If
If failures = 0 Then WScript.Echo "ALL CHECKS PASSED"
WScript.Quit failures
