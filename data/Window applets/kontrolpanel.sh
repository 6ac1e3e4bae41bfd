#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Kontrolpanel" "gnome-control-center" "systemsettings" "xfce4-settings-manager"
