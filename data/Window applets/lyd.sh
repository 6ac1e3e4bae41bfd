#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Lyd" "gnome-control-center sound" "systemsettings kcm_pulseaudio" "pavucontrol"
