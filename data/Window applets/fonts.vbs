' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "control fonts", 1, False
