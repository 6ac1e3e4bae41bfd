#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Egenskaber for mus" "gnome-control-center mouse" "systemsettings kcm_mouse" "xfce4-mouse-settings"
