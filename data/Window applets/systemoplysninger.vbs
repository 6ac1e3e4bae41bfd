' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "msinfo32", 1, False
