' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "control powercfg.cpl", 1, False
