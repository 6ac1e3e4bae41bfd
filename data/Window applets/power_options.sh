#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Strømstyring" "gnome-control-center power" "systemsettings kcm_powerdevilprofilesconfig" "xfce4-power-manager-settings"
