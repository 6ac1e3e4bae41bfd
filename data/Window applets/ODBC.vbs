' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "odbcad32", 1, False
