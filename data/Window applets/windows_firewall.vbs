' Opens the Windows page or dialog of its applet button.
CreateObject("WScript.Shell").Run "control /name Microsoft.WindowsFirewall", 1, False
