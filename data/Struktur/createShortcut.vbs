' Makes a Windows shortcut: createShortcut.vbs "program" "shortcut"
Option Explicit
Dim args, shell, link
Set args = WScript.Arguments
If args.Count <> 2 Then WScript.Quit 2
Set shell = CreateObject("WScript.Shell")
Set link = shell.CreateShortcut(args(1))
link.TargetPath = args(0)
link.WorkingDirectory = CreateObject("Scripting.FileSystemObject").GetParentFolderName(args(0))
link.Description = "Tavlum til opstart af spil, programmer m.v."
link.IconLocation = args(0) & ", 0"
link.Save
