' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "control joy.cpl", 1, False
