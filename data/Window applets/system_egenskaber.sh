#!/bin/sh
# The nearest settings page of the running desktop.
. "$(dirname "$0")/skrivebord.sh"
aabn "Egenskaber for system" "gnome-control-center info-overview" "kinfocenter" "xfce4-about"
