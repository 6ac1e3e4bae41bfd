' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "devmgmt.msc", 1, False
