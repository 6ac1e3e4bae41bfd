#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Skærmopløsning" "gnome-control-center display" "systemsettings kcm_kscreen" "xfce4-display-settings"
