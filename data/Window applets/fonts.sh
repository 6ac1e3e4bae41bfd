#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Skrifttyper" "gnome-tweaks|gnome-font-viewer" "systemsettings kcm_fonts" "xfce4-appearance-settings"
